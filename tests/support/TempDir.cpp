#include "TempDir.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <stdlib.h>

namespace lw::test {

namespace fs = std::filesystem;

TTempDir::TTempDir() {
    std::string tmpl = (fs::temp_directory_path() / "lw-test-XXXXXX").string();
    if (!::mkdtemp(tmpl.data())) throw std::runtime_error("cannot make a temporary folder");
    Path = tmpl;
}

TTempDir::~TTempDir() {
    std::error_code ignored;
    fs::remove_all(Path, ignored);
}

int TTempDir::Entries() const {
    std::error_code ec;
    int n = 0;
    for (fs::directory_iterator it(Path, ec), end; !ec && it != end; it.increment(ec)) ++n;
    return n;
}

void WriteTestFile(const std::string& path, const std::string& data) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << data;
}

std::string ReadTestFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return "<missing>";
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::map<std::string, std::string> FilesBelow(const std::string& root) {
    namespace fs = std::filesystem;
    std::map<std::string, std::string> files;
    for (const auto& e : fs::recursive_directory_iterator(root))
        if (e.is_regular_file())
            files[fs::relative(e.path(), root).string()] = ReadTestFile(e.path().string());
    return files;
}

std::string Pattern(size_t n, int seed) {
    std::string s(n, '\0');
    for (size_t i = 0; i < n; ++i) s[i] = static_cast<char>((i * 7 + size_t(seed)) & 0xFF);
    return s;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) out.push_back(line);
    return out;
}

} // namespace lw::test
