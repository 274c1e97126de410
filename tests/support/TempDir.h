// A scratch folder removed with everything in it at the end of its scope.
#pragma once
#include <cstdlib>
#include <dirent.h>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

namespace lw::test {

class TTempDir {
public:
    TTempDir() {
        char tmpl[] = "/tmp/lw-test-XXXXXX";
        const char* made = ::mkdtemp(tmpl);
        Path = made ? made : "/tmp";
    }
    ~TTempDir() {
        if (Path != "/tmp") (void)!std::system(("rm -rf '" + Path + "'").c_str());
    }
    TTempDir(const TTempDir&) = delete;
    TTempDir& operator=(const TTempDir&) = delete;

    std::string File(const std::string& name) const { return Path + "/" + name; }
    // Number of entries in the folder.
    int Entries() const {
        int n = 0;
        if (DIR* d = ::opendir(Path.c_str())) {
            while (const dirent* e = ::readdir(d))
                n += std::string(e->d_name) != "." && std::string(e->d_name) != "..";
            ::closedir(d);
        }
        return n;
    }
    std::string Path;
};

inline void WriteTestFile(const std::string& path, const std::string& data) {
    std::ofstream(path, std::ios::binary) << data;
}

inline std::string ReadTestFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return "<missing>";
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// Bytes 0..255 repeated, n of them, shifted by `seed`.
inline std::string Pattern(size_t n, int seed = 0) {
    std::string s(n, '\0');
    for (size_t i = 0; i < n; ++i) s[i] = static_cast<char>((i * 7 + size_t(seed)) & 0xFF);
    return s;
}

} // namespace lw::test
