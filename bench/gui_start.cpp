// Cold start of the desktop program: wall time from starting a fresh process until its first
// window is exposed on the screen, and the process's resident memory at that moment. Each
// run is a new process (this program started again with --child) that enters the program's
// own entry, RunProgram, on the offscreen platform; the first exposed window ends the run.
// Prints one line per run and a summary.
#include "mainwin/Program.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWindow>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

int ReportFd = -1;

long StatusKb(const char* field) {
    std::ifstream in("/proc/self/status");
    std::string line;
    const size_t n = std::strlen(field);
    while (std::getline(in, line))
        if (line.compare(0, n, field) == 0) return std::atol(line.c_str() + n + 1);
    return -1;
}

// In the child: the first exposed window reports the memory and ends the process.
class TFirstExpose : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* window = qobject_cast<QWindow*>(watched);
        if (event->type() == QEvent::Expose && window && window->isExposed()) {
            const std::string line = std::to_string(StatusKb("VmRSS")) + " " +
                                     std::to_string(StatusKb("VmHWM")) + " " +
                                     window->title().toStdString() + "\n";
            if (::write(ReportFd, line.data(), line.size()) < 0) ::_exit(2);
            ::_exit(0);
        }
        return false;
    }
};

void WatchFirstExpose() {
    if (ReportFd >= 0) QCoreApplication::instance()->installEventFilter(new TFirstExpose);
}
Q_COREAPP_STARTUP_FUNCTION(WatchFirstExpose)

struct TRun {
    double Ms;
    long RssKb, HwmKb;
    std::string Title;
};

bool RunOnce(const char* self, TRun& run) {
    int fds[2];
    if (::pipe(fds) != 0) return false;
    const auto t0 = std::chrono::steady_clock::now();
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(fds[0]);
        const std::string fd = std::to_string(fds[1]);
        ::execl(self, self, "--child", fd.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(fds[1]);
    char buf[512];
    std::string reply;
    ssize_t n;
    while ((n = ::read(fds[0], buf, sizeof buf)) > 0) reply.append(buf, size_t(n));
    const auto t1 = std::chrono::steady_clock::now();
    ::close(fds[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    if (reply.empty()) return false;
    run.Ms = std::chrono::duration<double, std::milli>(t1 - t0).count();
    char title[256] = "";
    std::sscanf(reply.c_str(), "%ld %ld %255[^\n]", &run.RssKb, &run.HwmKb, title);
    run.Title = title;
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc >= 3 && std::strcmp(argv[1], "--child") == 0) {
        ReportFd = std::atoi(argv[2]);
        char* args[] = {argv[0], nullptr};
        return lw::gui::RunProgram(1, args);
    }
    const int runs = argc >= 2 ? std::max(1, std::atoi(argv[1])) : 10;
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // Settings of its own, so the benchmark never reads or writes the user's.
    char home[] = "/tmp/lw-bench-gui-XXXXXX";
    if (!::mkdtemp(home)) return 1;
    ::setenv("XDG_CONFIG_HOME", home, 1);
    std::vector<TRun> all;
    for (int i = 0; i < runs; ++i) {
        TRun run{};
        if (!RunOnce("/proc/self/exe", run)) {
            std::printf("run %d: no window was shown\n", i + 1);
            return 1;
        }
        std::printf("run %2d: first window \"%s\" after %.1f ms, VmRSS %.1f MB (peak %.1f MB)\n",
                    i + 1, run.Title.c_str(), run.Ms, run.RssKb / 1024.0, run.HwmKb / 1024.0);
        all.push_back(run);
    }
    std::vector<TRun> sorted = all;
    std::sort(sorted.begin(), sorted.end(), [](auto& a, auto& b) { return a.Ms < b.Ms; });
    long maxRss = 0;
    for (const TRun& r : all) maxRss = std::max(maxRss, r.RssKb);
    std::printf("gui_start: %d runs, first %.1f ms, median %.1f ms, max %.1f ms; VmRSS max "
                "%.1f MB (goals: under 400 ms, under 80 MB)\n",
                runs, all.front().Ms, sorted[sorted.size() / 2].Ms, sorted.back().Ms,
                maxRss / 1024.0);
    std::string cleanup = std::string("rm -rf ") + home;
    return std::system(cleanup.c_str()) == 0 ? 0 : 0;
}
