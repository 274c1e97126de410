#include "InProcess.h"

#include "cli/App.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <optional>
#include <sstream>

#include <fcntl.h>
#include <unistd.h>

namespace lw::test {

namespace {

// Points descriptor `fd` elsewhere for its lifetime, then back.
class TFdRedirect {
public:
    TFdRedirect(int fd, int to) : FFd(fd), FSaved(::dup(fd)) { ::dup2(to, fd); }
    ~TFdRedirect() {
        ::dup2(FSaved, FFd);
        ::close(FSaved);
    }
    TFdRedirect(const TFdRedirect&) = delete;
    TFdRedirect& operator=(const TFdRedirect&) = delete;

private:
    int FFd, FSaved;
};

// Points a standard stream at another buffer for its lifetime, then back.
class TStreamRedirect {
public:
    TStreamRedirect(std::ios& stream, std::streambuf* to)
        : FStream(stream), FSaved(stream.rdbuf(to)) {}
    ~TStreamRedirect() {
        FStream.rdbuf(FSaved);
        FStream.clear();
    }
    TStreamRedirect(const TStreamRedirect&) = delete;
    TStreamRedirect& operator=(const TStreamRedirect&) = delete;

private:
    std::ios& FStream;
    std::streambuf* FSaved;
};

// Clears an environment variable for its lifetime, then puts it back.
class TUnsetEnv {
public:
    explicit TUnsetEnv(const char* name) : FName(name) {
        if (const char* value = std::getenv(name)) FSaved = value;
        ::unsetenv(name);
    }
    ~TUnsetEnv() {
        if (FSaved) ::setenv(FName, FSaved->c_str(), 1);
    }
    TUnsetEnv(const TUnsetEnv&) = delete;
    TUnsetEnv& operator=(const TUnsetEnv&) = delete;

private:
    const char* FName;
    std::optional<std::string> FSaved;
};

// Copies what was written to `file` since its start to descriptor `fd`.
void CopyOut(std::FILE* file, int fd) {
    std::rewind(file);
    char buf[4096];
    for (size_t n; (n = std::fread(buf, 1, sizeof buf, file)) > 0;)
        if (::write(fd, buf, n) < 0) break;
}

} // namespace

TRunResult RunCliInProcess(const std::vector<std::string>& argv, const std::string& input) {
    std::vector<const char*> args;
    for (const auto& a : argv) args.push_back(a.c_str());
    args.push_back(nullptr);

    std::ostringstream out, err;
    std::istringstream in(input);
    const std::filesystem::path folder = std::filesystem::current_path();
    // Neither standard input nor standard error is a terminal, as for a child of the harness
    // (the program asks no questions and draws no progress line); what reaches descriptor 2
    // itself (a sanitizer's report) is passed on after the run.
    const int null = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
    std::FILE* spill = std::tmpfile();
    int status = -1;
    {
        std::fflush(stderr);
        TFdRedirect noTerminalIn(STDIN_FILENO, null);
        TFdRedirect noTerminalErr(STDERR_FILENO, ::fileno(spill));
        TStreamRedirect outTo(std::cout, out.rdbuf()), errTo(std::cerr, err.rdbuf()),
            inFrom(std::cin, in.rdbuf());
        TUnsetEnv port("LINKWELL_PORT");
        status = cli::RunCli(static_cast<int>(argv.size()), args.data());
        std::cout.flush();
        std::fflush(stderr);
    }
    std::filesystem::current_path(folder);
    CopyOut(spill, STDERR_FILENO);
    std::fclose(spill);
    ::close(null);
    return {status, out.str(), err.str()};
}

} // namespace lw::test
