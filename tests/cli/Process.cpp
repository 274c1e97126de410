#include "Process.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <stdexcept>

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace lw::test {

namespace {

void ClosePipe(int& fd) {
    if (fd >= 0) ::close(fd);
    fd = -1;
}

} // namespace

TProcess::TProcess(const std::vector<std::string>& argv,
                   const std::map<std::string, std::string>& env, const std::string& stdinPath) {
    int out[2], err[2];
    if (::pipe2(out, O_CLOEXEC) != 0 || ::pipe2(err, O_CLOEXEC) != 0)
        throw std::runtime_error("pipe failed");
    // Everything the child needs is prepared before fork.
    std::vector<std::string> envText;
    for (char** e = environ; *e; ++e) {
        const std::string entry = *e;
        const std::string key = entry.substr(0, entry.find('='));
        if (!env.count(key)) envText.push_back(entry);
    }
    for (const auto& [key, value] : env) envText.push_back(key + "=" + value);
    std::vector<char*> envp, args;
    for (auto& e : envText) envp.push_back(e.data());
    envp.push_back(nullptr);
    std::vector<std::string> argText = argv;
    for (auto& a : argText) args.push_back(a.data());
    args.push_back(nullptr);
    const char* in = stdinPath.empty() ? "/dev/null" : stdinPath.c_str();

    FPid = ::fork();
    if (FPid < 0) throw std::runtime_error("fork failed");
    if (FPid == 0) {
        ::dup2(::open(in, O_RDWR | O_NOCTTY), 0);
        ::dup2(out[1], 1);
        ::dup2(err[1], 2);
        ::execve(args[0], args.data(), envp.data());
        ::_exit(127);
    }
    ::close(out[1]);
    ::close(err[1]);
    FOutFd = out[0];
    FErrFd = err[0];
}

TProcess::~TProcess() {
    if (!FExited) Wait(std::chrono::milliseconds(0));
    ClosePipe(FOutFd);
    ClosePipe(FErrFd);
}

void TProcess::Pump(int timeoutMs) {
    pollfd fds[2] = {{FOutFd, POLLIN, 0}, {FErrFd, POLLIN, 0}};
    if (::poll(fds, 2, timeoutMs) <= 0) return;
    char buf[4096];
    for (int i = 0; i < 2; ++i) {
        if (fds[i].fd < 0 || !(fds[i].revents & (POLLIN | POLLHUP))) continue;
        const ssize_t n = ::read(fds[i].fd, buf, sizeof buf);
        if (n > 0)
            (i == 0 ? FOut : FErr).append(buf, size_t(n));
        else
            ClosePipe(i == 0 ? FOutFd : FErrFd);
    }
}

bool TProcess::WaitFor(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!done()) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0 || (FOutFd < 0 && FErrFd < 0)) return done();
        Pump(int(std::min<long long>(left.count(), 100)));
    }
    return true;
}

int TProcess::Wait(std::chrono::milliseconds timeout) {
    if (FExited) return FStatus;
    // The child's output closes when it ends; at the deadline it is killed.
    const bool ended = WaitFor([this] { return FOutFd < 0 && FErrFd < 0; }, timeout);
    if (!ended) ::kill(FPid, SIGKILL);
    while (FOutFd >= 0 || FErrFd >= 0) Pump(100);
    int status = 0;
    ::waitpid(FPid, &status, 0);
    FExited = true;
    FStatus = !ended ? -1 : WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return FStatus;
}

void TProcess::Kill(int signal) {
    if (!FExited) ::kill(FPid, signal);
}

TRunResult Run(const std::vector<std::string>& argv, const std::map<std::string, std::string>& env,
               std::chrono::milliseconds timeout) {
    TProcess p(argv, env);
    const int status = p.Wait(timeout);
    return {status, p.Out(), p.Err()};
}

} // namespace lw::test
