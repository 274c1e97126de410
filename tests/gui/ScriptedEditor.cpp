// A text editor for the edit-as-text tests, run as a separate program the way a real editor
// is: `lw_scripted_editor [-options ...] FILE`. What it does comes from the environment:
//   LW_EDIT_TEXT       unset: ends at once without touching the file; set: replaces what
//                      stands between the file's first and last double quote with this text
//                      and saves the file in place, as editors do
//   LW_EDIT_KEEP_TIME  "1": the file's modification time is put back after the save, as for a
//                      save that falls into the same second as the fetch
//   LW_EDIT_WAIT_FOR   a path: the person takes their time; nothing happens until that file
//                      exists (10 s at most, then it ends without touching the file)
// Options (words starting with '-') are ignored; anything else but the one file is an error
// (exit 2), so a file path split into several arguments shows.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

int main(int argc, char** argv) {
    std::string file;
    for (int i = 1; i < argc; ++i) {
        if (argv[i][0] == '-') continue;
        if (!file.empty()) return 2;
        file = argv[i];
    }
    if (file.empty()) return 2;
    if (const char* go = std::getenv("LW_EDIT_WAIT_FOR"); go && *go) {
        struct stat st {};
        int waited = 0;
        for (; ::stat(go, &st) != 0 && waited < 10000; waited += 20) ::usleep(20000);
        if (waited >= 10000) return 0;
    }
    const char* text = std::getenv("LW_EDIT_TEXT");
    if (!text) return 0;
    struct stat before {};
    if (::stat(file.c_str(), &before) != 0) return 3;
    std::stringstream content;
    content << std::ifstream(file, std::ios::binary).rdbuf();
    std::string s = content.str();
    const auto first = s.find('"'), last = s.rfind('"');
    if (first == std::string::npos || last == first) return 4;
    s.replace(first + 1, last - first - 1, text);
    std::ofstream(file, std::ios::binary | std::ios::trunc) << s;
    const char* keep = std::getenv("LW_EDIT_KEEP_TIME");
    if (keep && std::strcmp(keep, "1") == 0) {
        const struct timespec times[2] = {before.st_atim, before.st_mtim};
        if (::utimensat(AT_FDCWD, file.c_str(), times, 0) != 0) return 5;
    }
    return 0;
}
