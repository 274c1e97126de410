// How well the window's thread answers: the longest gap between two ticks of a 10 ms timer on
// it, from the meter's creation (used by the GUI tests and the responsiveness benchmark).
#pragma once
#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>

namespace lw::test {

class TGapMeter {
public:
    TGapMeter() {
        FTimer.setInterval(10);
        QObject::connect(&FTimer, &QTimer::timeout, [this] {
            const qint64 now = FClock.nsecsElapsed();
            FLongest = std::max(FLongest, now - FLast);
            FLast = now;
        });
        FClock.start();
        FTimer.start();
    }
    double LongestMs() const { return double(FLongest) / 1e6; }
    double ElapsedMs() const { return double(FClock.nsecsElapsed()) / 1e6; }

private:
    QTimer FTimer;
    QElapsedTimer FClock;
    qint64 FLast = 0;
    qint64 FLongest = 0;
};

} // namespace lw::test
