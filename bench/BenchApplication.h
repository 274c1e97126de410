// The Qt application of a window benchmark: the offscreen platform unless the environment names
// another, and settings under a name of their own, apart from the user's.
#pragma once
#include <QApplication>

#include <cstdlib>

namespace lw::bench {

class TBenchApplication : public QApplication {
public:
    TBenchApplication(int& argc, char** argv) : QApplication(Offscreen(argc), argv) {
        setOrganizationName("LinkwellBench");
        setApplicationName("Bench");
    }

private:
    // Runs before the application is made, which reads the platform's name.
    static int& Offscreen(int& argc) {
        ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
        return argc;
    }
};

} // namespace lw::bench
