// A scratch folder removed with everything in it at the end of its scope, and small file
// helpers for tests.
#pragma once
#include <map>
#include <string>
#include <vector>

namespace lw::test {

class TTempDir {
public:
    // A fresh folder below the temporary path ($TMPDIR or /tmp).
    TTempDir();
    ~TTempDir();
    TTempDir(const TTempDir&) = delete;
    TTempDir& operator=(const TTempDir&) = delete;

    std::string File(const std::string& name) const { return Path + "/" + name; }
    // Number of entries in the folder.
    int Entries() const;
    std::string Path;
};

void WriteTestFile(const std::string& path, const std::string& data);
// The bytes of a file, or "<missing>" when it cannot be read.
std::string ReadTestFile(const std::string& path);
// Every file below a folder, by its path relative to the folder, with its bytes.
std::map<std::string, std::string> FilesBelow(const std::string& root);
// Bytes 0..255 repeated, n of them, shifted by `seed`.
std::string Pattern(size_t n, int seed = 0);
// The lines of a text, without their line ends.
std::vector<std::string> Lines(const std::string& text);

} // namespace lw::test
