// A long random run of the desktop program against the in-process simulated calculator, with
// the calculator's faults armed at random: no crash, no hang (every command has a bound), no
// growth of memory or open files, and at the end the calculator holds what the window shows and
// what the commands that worked should have left (nothing lost by a cut).
//
// Not part of the test suite: scripts/soak-gui.sh builds and runs it. Settings (environment):
//   LW_SOAK_SEED      the random seed (printed at the start; a failure replays with it)
//   LW_SOAK_COMMANDS  how many commands (default 1000)
#include "capture/ScreenCapt.h"
#include "mainwin/ZQDir.h"
#include "prompts/DownLd.h"
#include "support/gui/MainWindowFixture.h"
#include "support/gui/SimCalc.h"
#include "support/gui/WindowParts.h"

#include <QtTest>
#include <QtWidgets>

#if defined(__SANITIZE_ADDRESS__)
#define LW_SOAK_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define LW_SOAK_ASAN 1
#endif
#endif
#if LW_SOAK_ASAN
// The checker's count of the heap in use (its header is not shipped with every compiler).
extern "C" size_t __sanitizer_get_current_allocated_bytes();
#endif

#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <map>
#include <random>
#include <set>
#include <thread>

using namespace lw;
using namespace lw::gui;
using TMemory = std::map<std::string, std::vector<test::TSimEntry>>;

namespace {

constexpr int CommandBoundMs = 120000; // the longest any one command may take
constexpr int IdleBoundMs = 30000;     // the longest the window may stay busy after a command

long ResidentKb() {
    QFile f("/proc/self/status");
    if (!f.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').first().toLong();
    return 0;
}

// The memory whose growth the run checks. Under AddressSanitizer the resident size also holds
// the checker's quarantine of freed blocks, which fills up over the first part of a run and
// would read as growth; there the heap the program holds is measured instead. That heap is
// small (about 3 MB), so the first showing of each window and Qt's caches filling up over the
// first hundred commands weigh on it as they do not on the resident size: its comparison starts
// after those.
#if LW_SOAK_ASAN
constexpr const char* MemoryName = "heap in use";
constexpr size_t WarmUp = 100;
long MemoryKb() {
    return long(__sanitizer_get_current_allocated_bytes() / 1024);
}
#else
constexpr const char* MemoryName = "RSS";
constexpr size_t WarmUp = 0;
long MemoryKb() {
    return ResidentKb();
}
#endif

long OpenFiles() {
    long n = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator("/proc/self/fd")) ++n;
    return n;
}

// Ends the process when the running command passes its bound: a hang is a failure to report,
// not a test that waits forever.
class TWatchdog {
public:
    explicit TWatchdog(uint32_t seed)
        : FThread([this, seed](std::stop_token stop) {
              while (!stop.stop_requested()) {
                  std::this_thread::sleep_for(std::chrono::milliseconds(200));
                  const long long due = FDue.load();
                  if (due && Now() > due) {
                      std::fprintf(stderr, "soak: HANG in command %d (%s), seed %u\n", FStep.load(),
                                   FName.load(), seed);
                      std::_Exit(3);
                  }
              }
          }) {}
    void Begin(int step, const char* name) {
        FStep = step;
        FName = name;
        FDue = Now() + CommandBoundMs;
    }
    void End() { FDue = 0; }

private:
    static long long Now() {
        return std::chrono::duration_cast<std::chrono::milliseconds>(
                   std::chrono::steady_clock::now().time_since_epoch())
            .count();
    }
    std::atomic<long long> FDue{0};
    std::atomic<int> FStep{0};
    std::atomic<const char*> FName{""};
    std::jthread FThread;
};

std::set<std::string> Names(const std::vector<test::TSimEntry>& entries) {
    std::set<std::string> names;
    for (const auto& e : entries) names.insert(e.Name);
    return names;
}

std::string Describe(const TMemory& m) {
    std::string s;
    for (const auto& [dir, entries] : m) {
        s += dir + ":";
        for (const auto& e : entries) s += " " + e.Name;
        s += "\n";
    }
    return s;
}

} // namespace

class TSoakGui : public QObject {
    Q_OBJECT
    std::unique_ptr<test::TMainWindowFixture> F;
    std::unique_ptr<TFDownLd> Prompt;
    std::mt19937 Random;
    uint32_t Seed = 0;
    TMemory Memory; // the calculator's memory after the last command
    // Variables a cut took off the calculator: name -> the file the cut kept.
    std::map<std::string, QString> CutAway;
    std::map<QString, std::string> Copied; // file of a copy or a cut -> the variable's name
    int ClipboardChanges = 0;
    int Renames = 0;

    TFZQDir* W() const { return F->W.get(); }
    test::TWindowParts P() const { return test::Parts(*F->W); }
    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(Random); }
    bool Chance(int percent) { return Pick(100) < percent; }

    // The entries the window's list shows (what a person can select).
    std::vector<std::pair<QString, bool>> Shown() const {
        std::vector<std::pair<QString, bool>> shown;
        for (int row = 0; row < P().ListModel.rowCount(); ++row) {
            const TXPObject* r = P().ListModel.Record(row);
            shown.emplace_back(QString::fromStdString(r->Name), r->IsDirectory());
        }
        return shown;
    }
    // Selects one shown entry (a variable unless `dirs`); its name, or "" when there is none.
    QString SelectOne(bool dirs) {
        std::vector<QString> names;
        for (const auto& [name, dir] : Shown())
            if (dir == dirs) names.push_back(name);
        if (names.empty()) return {};
        const QString name = names[size_t(Pick(int(names.size())))];
        return F->SelectEntries({name}) ? name : QString();
    }
    QStringList ClipboardFiles() const {
        QStringList files;
        if (const QMimeData* data = QApplication::clipboard()->mimeData())
            for (const QUrl& url : data->urls()) files << url.toLocalFile();
        return files;
    }
    bool WaitIdle() {
        return QTest::qWaitFor(
            [this] { return W()->Idle() && !P().Timer1.isActive() && !W()->PromptShowing(); },
            IdleBoundMs);
    }
    // The calculator's end closed on a hang-up: it is opened again (a new line), as when the
    // person plugs the cable back in.
    void Replug() {
        if (F->Control("status").find("hung-up") == std::string::npos) return;
        F->Sim->Stop();
        F->Port = F->Sim->AttachSerial();
        F->Sim->Start();
        P().cmboPort->addItem(QString::fromStdString(F->Port));
        P().cmboPort->setCurrentText(QString::fromStdString(F->Port));
    }
    void ArmFault() {
        static const char* const kinds[] = {"drop-byte",     "corrupt-byte", "drop-block",
                                            "corrupt-block", "mute",         "hangup"};
        const std::string kind = kinds[Pick(6)];
        if (kind == "mute") {
            F->Control("mute");
            QTimer::singleShot(200 + Pick(2500), this, [this] { F->Control("unmute"); });
        } else if (kind == "hangup") {
            QTimer::singleShot(Pick(300), this, [this] { F->Control("hangup"); });
        } else {
            F->Control(kind + " " +
                       std::to_string(1 + Pick(kind.find("block") != std::string::npos ? 4 : 300)));
        }
    }

    // --- the commands; each returns what it may have changed in the calculator's memory
    struct TChange {
        std::string Dir;            // the directory changed
        std::string Removed, Added; // one entry each at most
        bool AddedDir = false;      // a new folder (of a name the program chooses)
        bool Any = false;           // whether it may change anything
        bool IsCut = false, IsPaste = false;
    };
    std::string Here() const { return P().CurrentPath.toStdString(); }

    TChange OpenFolder() {
        std::vector<std::string> dirs;
        for (const auto& [dir, entries] : Memory) dirs.push_back(dir);
        F->Select(QString::fromStdString(dirs[size_t(Pick(int(dirs.size())))]));
        return {};
    }
    TChange Up() {
        const QString here = P().CurrentPath;
        if (here.contains(' ')) F->Select(here.left(here.lastIndexOf(' ')));
        return {};
    }
    TChange Copy() {
        const QString name = SelectOne(false);
        if (name.isEmpty()) return {};
        const int before = ClipboardChanges;
        P().mnuCopy->trigger();
        // A copy that failed leaves the clipboard as it was, holding an earlier copy's file:
        // only a clipboard the copy set names its variable.
        const QStringList files = ClipboardFiles();
        if (ClipboardChanges != before && files.size() == 1)
            Copied[files.first()] = name.toStdString();
        return {};
    }
    TChange Cut() {
        const QString name = SelectOne(false);
        if (name.isEmpty()) return {};
        P().mnuCut->trigger();
        TChange c{Here(), name.toStdString(), "", false, true};
        c.IsCut = true;
        return c;
    }
    TChange Paste() {
        const QStringList files = ClipboardFiles();
        if (files.size() != 1) return {};
        std::string name;
        for (const auto& [n, file] : CutAway)
            if (file == files.first()) name = n;
        if (const auto it = Copied.find(files.first()); it != Copied.end()) name = it->second;
        P().mnuPaste->trigger();
        TChange c{Here(), "", name, false, true};
        c.IsPaste = true;
        return c;
    }
    TChange Rename() {
        const QString name = SelectOne(false);
        if (name.isEmpty()) return {};
        const QString to = QString("R%1").arg(++Renames);
        const std::string dir = Here();
        P().ListModel.setData(P().ListModel.index(P().ListModel.RowNamed(name), 0), to,
                              Qt::EditRole);
        // The edit hands the rename to the window's queue: it runs from there, now.
        QCoreApplication::processEvents();
        return {dir, name.toStdString(), to.toStdString(), false, true};
    }
    TChange NewFolder() {
        const std::string dir = Here();
        W()->RunCommand([this] { W()->mnuNewFolderClick(); });
        return {dir, "", "", true, true};
    }
    TChange Delete() {
        const QString name = SelectOne(Chance(10));
        if (name.isEmpty()) return {};
        const std::string dir = Here();
        W()->RunCommand([this] { W()->DeleteSelection(false); });
        return {dir, name.toStdString(), "", false, true};
    }
    TChange Refresh() {
        P().mnuRefresh->trigger();
        return {};
    }
    TChange CaptureAndCancel() {
        if (!Prompt) {
            Prompt = std::make_unique<TFDownLd>(false);
            F->InstallHooks(W(), Prompt.get());
        }
        const bool send = Chance(50);
        QTimer poll;
        int ticks = 0;
        const int cancelAt = 5 + Pick(40);
        connect(&poll, &QTimer::timeout, this, [&] {
            if (!Prompt->isVisible()) return;
            if (++ticks == 2 && send) F->Control("capture band");
            if (ticks >= cancelAt) Prompt->btnCancel->click();
        });
        poll.start(20);
        P().tbtnScrnCapture->click();
        if (TFCapture* c = TFCapture::Current()) c->close();
        return {};
    }
    TChange ConnectOrDisconnect() {
        W()->tbtnConnectClick(false);
        return {};
    }
    TChange CloseWhileBusy() {
        if (SelectOne(false).isEmpty()) return {};
        F->Control("throttle 9600");
        QTimer::singleShot(50 + Pick(400), W(), [this] { W()->close(); });
        P().mnuCopy->trigger();
        if (!QTest::qWaitFor([this] { return !W()->isVisible(); }, IdleBoundMs))
            QTest::qFail("the window did not close after its command", __FILE__, __LINE__);
        F->Control("throttle 0");
        F->Reopen();
        Prompt.reset();
        if (Chance(70)) W()->tbtnConnectClick(false);
        return {};
    }

    // Directory -> names, leaving out the folders under `skip` (a folder removed or made there
    // takes its own listing along).
    static std::map<std::string, std::set<std::string>> Shape(const TMemory& m,
                                                              const std::string& skip) {
        std::map<std::string, std::set<std::string>> shape;
        for (const auto& [dir, entries] : m)
            if (skip.empty() || dir.rfind(skip + " ", 0) != 0) shape[dir] = Names(entries);
        return shape;
    }
    // The calculator's memory after a command is the one before, or the command's change.
    void Check(int step, const char* name, const TChange& c, const TMemory& now) {
        const std::string skip = c.Any ? c.Dir : "";
        const auto before = Shape(Memory, skip), after = Shape(now, skip);
        if (before == after) return;
        bool changed = false;
        if (c.Any && after.count(c.Dir)) {
            auto expected = before;
            auto& names = expected[c.Dir];
            if (!c.Removed.empty()) names.erase(c.Removed);
            if (!c.Added.empty()) names.insert(c.Added);
            if (c.AddedDir) { // one new folder, named by the program
                std::set<std::string> added;
                const auto& was = before.at(c.Dir);
                const auto& is = after.at(c.Dir);
                std::set_difference(is.begin(), is.end(), was.begin(), was.end(),
                                    std::inserter(added, added.end()));
                if (added.size() == 1) names.insert(*added.begin());
            }
            changed = expected == after;
        }
        if (!changed)
            QFAIL(qPrintable(QString("step %1 (%2) seed %3: unexpected change in %4\n"
                                     "before:\n%5after:\n%6")
                                 .arg(step)
                                 .arg(name)
                                 .arg(Seed)
                                 .arg(QString::fromStdString(c.Dir),
                                      QString::fromStdString(Describe(Memory)),
                                      QString::fromStdString(Describe(now)))));
    }
    static bool Holds(const TMemory& m, const std::string& dir, const std::string& name) {
        const auto it = m.find(dir);
        return it != m.end() && Names(it->second).count(name);
    }
    // A cut that took a variable off the calculator kept it in a file until a paste used it.
    void TrackCut(const TChange& c, const TMemory& now) {
        if (c.IsCut && Holds(Memory, c.Dir, c.Removed) && !Holds(now, c.Dir, c.Removed)) {
            const QStringList files = ClipboardFiles();
            QVERIFY2(files.size() == 1 && QFileInfo(files.first()).size() > 0,
                     qPrintable(QString("seed %1: cut of %2 left no file")
                                    .arg(Seed)
                                    .arg(QString::fromStdString(c.Removed))));
            CutAway[c.Removed] = files.first();
            Copied[files.first()] = c.Removed; // a paste may use it more than once
        }
        if (c.IsPaste && !Holds(Memory, c.Dir, c.Added) && Holds(now, c.Dir, c.Added))
            CutAway.erase(c.Added);
    }

private Q_SLOTS:
    void Soak() {
        Seed = qEnvironmentVariableIsSet("LW_SOAK_SEED")
                   ? qEnvironmentVariable("LW_SOAK_SEED").toUInt()
                   : uint32_t(std::random_device{}());
        const int commands = qEnvironmentVariableIsSet("LW_SOAK_COMMANDS")
                                 ? qEnvironmentVariableIntValue("LW_SOAK_COMMANDS")
                                 : 1000;
        std::printf("soak: seed %u, %d commands\n", Seed, commands);
        std::fflush(stdout);
        Random.seed(Seed);
        connect(QApplication::clipboard(), &QClipboard::dataChanged, this,
                [this] { ++ClipboardChanges; });
        F = std::make_unique<test::TMainWindowFixture>();
        QVERIFY(W()->Connected());
        Memory = test::SimMemory(*F->Sim);
        TWatchdog watchdog(Seed);

        using TCommand = TChange (TSoakGui::*)();
        static const struct {
            const char* Name;
            TCommand Run;
            int Weight;
        } menu[] = {
            {"open folder", &TSoakGui::OpenFolder, 12},
            {"up", &TSoakGui::Up, 6},
            {"copy", &TSoakGui::Copy, 10},
            {"cut", &TSoakGui::Cut, 8},
            {"paste", &TSoakGui::Paste, 10},
            {"rename", &TSoakGui::Rename, 7},
            {"new folder", &TSoakGui::NewFolder, 4},
            {"delete", &TSoakGui::Delete, 4},
            {"refresh", &TSoakGui::Refresh, 10},
            {"capture", &TSoakGui::CaptureAndCancel, 3},
            {"connect", &TSoakGui::ConnectOrDisconnect, 4},
            {"close while busy", &TSoakGui::CloseWhileBusy, 2},
        };
        int total = 0;
        for (const auto& m : menu) total += m.Weight;

        std::vector<long> rss, fds;
        std::map<std::string, int> counts;
        QElapsedTimer clock;
        clock.start();
        for (int step = 1; step <= commands; ++step) {
            int roll = Pick(total);
            size_t i = 0;
            while (roll >= menu[i].Weight) roll -= menu[i++].Weight;
            // Most commands need a connection; a person reconnects first.
            if (!W()->Connected() && menu[i].Run != &TSoakGui::ConnectOrDisconnect) {
                Replug();
                if (Chance(80)) W()->tbtnConnectClick(false);
            }
            const bool fault = Chance(15);
            if (fault) ArmFault();
            watchdog.Begin(step, menu[i].Name);
            const TChange change = (this->*menu[i].Run)();
            QVERIFY2(WaitIdle(), qPrintable(QString("step %1 (%2) seed %3: still busy")
                                                .arg(step)
                                                .arg(menu[i].Name)
                                                .arg(Seed)));
            F->Control("clear-faults");
            F->Control("unmute");
            watchdog.End();
            if (QTest::currentTestFailed()) return;
            ++counts[menu[i].Name];
            const TMemory now = test::SimMemory(*F->Sim);
            Check(step, menu[i].Name, change, now);
            if (QTest::currentTestFailed()) return;
            TrackCut(change, now);
            if (QTest::currentTestFailed()) return;
            Memory = now;
            // Measured in one state only (connected: the line open), so that the count of open
            // files tells growth, not whether the line happened to be open.
            if (W()->Connected()) {
                // The log keeps every message until the person clears it; it is cleared
                // before each figure, so that the figures tell the program's growth, not the
                // log's.
                F->Log.btnClear->click();
                rss.push_back(MemoryKb());
                fds.push_back(OpenFiles());
            }
            if (step % 100 == 0) {
                size_t entries = 0, bytes = 0;
                for (const auto& [dir, list] : now) {
                    entries += list.size();
                    for (const auto& e : list) bytes += size_t(e.Size);
                }
                std::printf("soak: %d commands, %.0f s, RSS %ld kB, %s %ld kB, %ld open files, "
                            "calculator %zu entries %zu bytes\n",
                            step, double(clock.elapsed()) / 1000, ResidentKb(), MemoryName,
                            MemoryKb(), OpenFiles(), entries, bytes);
                std::fflush(stdout);
            }
        }
        Replug();
        if (!W()->Connected()) W()->tbtnConnectClick(false);
        QVERIFY(WaitIdle() && W()->Connected());
        // The window shows what the calculator holds, folder by folder.
        Memory = test::SimMemory(*F->Sim);
        const int before = P().RefreshCount;
        P().mnuRefresh->trigger();
        QVERIFY(F->WaitRefresh(before));
        for (const auto& [dir, entries] : Memory) {
            QVERIFY2(F->Select(QString::fromStdString(dir)), dir.c_str());
            std::set<std::string> shown;
            for (const auto& [n, isDir] : Shown()) shown.insert(n.toStdString());
            QVERIFY2(shown == Names(entries),
                     qPrintable(QString::fromStdString("window and calculator differ in " + dir)));
        }
        // Nothing a cut took is lost: each is back on the calculator or still in its file.
        for (const auto& [n, file] : CutAway)
            QVERIFY2(
                QFileInfo::exists(file),
                qPrintable(QString("seed %1: %2 lost").arg(Seed).arg(QString::fromStdString(n))));

        const auto mean = [](const std::vector<long>& v, size_t from) {
            double sum = 0;
            for (size_t k = from; k < from + 100; ++k) sum += double(v[k]);
            return sum / 100;
        };
        std::printf("soak: %d commands in %.1f s, seed %u\n", commands,
                    double(clock.elapsed()) / 1000, Seed);
        for (const auto& [n, c] : counts) std::printf("soak:   %-16s %d\n", n.c_str(), c);
        if (rss.size() >= WarmUp + 200) {
            const double rss0 = mean(rss, WarmUp), rss1 = mean(rss, rss.size() - 100);
            const double fd0 = mean(fds, WarmUp), fd1 = mean(fds, fds.size() - 100);
            std::printf("soak: connected after %zu commands; over the %s and last hundred "
                        "of these: %s %.0f / %.0f kB (%+.1f %%), open files %.1f / %.1f "
                        "(%+.1f %%)\n",
                        rss.size(), WarmUp ? "second" : "first", MemoryName, rss0, rss1,
                        100 * (rss1 - rss0) / rss0, fd0, fd1, 100 * (fd1 - fd0) / fd0);
            std::fflush(stdout);
            QVERIFY2(std::abs(rss1 - rss0) <= 0.05 * rss0, "memory moved by more than 5 %");
            QVERIFY2(std::abs(fd1 - fd0) <= 0.05 * fd0, "open files moved by more than 5 %");
        }
    }
    void cleanupTestCase() {
        Prompt.reset();
        F.reset();
    }
};

int main(int argc, char** argv) {
    // One test function runs the whole soak: Qt Test's per-function time-out is lifted; the
    // watchdog bounds each command instead.
    qputenv("QTEST_FUNCTION_TIMEOUT", "86400000");
    QApplication app(argc, argv);
    TSoakGui soak;
    return QTest::qExec(&soak, argc, argv);
}

#include "soak_gui.moc"
