// Running the transfer engines the way the server client does (modal progress, terminate,
// wait), with the fake windows installed and every status report recorded.
#pragma once
#include "link/Engines.h"
#include "link/Port.h"
#include "link/XModemCodec.h"
#include "support/FakeUi.h"
#include "support/PeerLink.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace lw::test {

// Real lines (a pseudo-terminal, the USB FIFOs) on the real clock, or the in-memory link
// behaving as either on simulated time.
enum class TLinkKind { Serial, Usb, MemorySerial, MemoryUsb };

inline std::unique_ptr<TPeerLink> MakePeer(TLinkKind kind) {
    switch (kind) {
    case TLinkKind::Serial:
        return std::make_unique<TPtyPeer>();
    case TLinkKind::Usb:
        return std::make_unique<TFifoPeer>();
    case TLinkKind::MemorySerial:
        return std::make_unique<TMemoryPeer>(false);
    case TLinkKind::MemoryUsb:
        return std::make_unique<TMemoryPeer>(true);
    }
    return nullptr;
}

inline bool IsUsbKind(TLinkKind kind) {
    return kind == TLinkKind::Usb || kind == TLinkKind::MemoryUsb;
}

inline std::string KindName(TLinkKind kind) {
    switch (kind) {
    case TLinkKind::Serial:
        return "Serial";
    case TLinkKind::Usb:
        return "Usb";
    case TLinkKind::MemorySerial:
        return "MemorySerial";
    case TLinkKind::MemoryUsb:
        return "MemoryUsb";
    }
    return "";
}

// Runs a script on its own thread; joined on destruction (or by Join). On a simulated clock
// the thread is a party of it, and the join waits on that clock, so that the time moves on
// while the script waits.
class TPeerThread {
public:
    explicit TPeerThread(std::function<void()> script) : FClock(Clock()) {
        FClock.AddParty();
        FThread = std::thread([this, script = std::move(script)] {
            TClockParty party(FClock, true);
            try {
                script();
            } catch (...) {
                ADD_FAILURE() << "the peer's script threw";
            }
            FClock.Change([this] { FDone = true; });
        });
    }
    ~TPeerThread() { Join(); }
    TPeerThread(const TPeerThread&) = delete;
    TPeerThread& operator=(const TPeerThread&) = delete;
    void Join() {
        if (!FThread.joinable()) return;
        FClock.WaitUntil(TClockPoint::max(), [this] { return FDone; });
        FThread.join();
    }

private:
    IClock& FClock;
    bool FDone = false; // guarded by the clock's lock
    std::thread FThread;
};

struct TStatusRecord {
    std::string Msg;
    int Kind, Position, Max;
};

class TEngineHarness {
public:
    TEngineHarness() { Ui.Progress.MaxWait = std::chrono::seconds(40); }

    // The engines' status event: recorded, then handed to the progress dialog.
    TTransferStatusEvent Status() {
        return [this](const std::string& msg, TStatusKind kind, int pos, int max, int extra) {
            Records.push_back({msg, kind, pos, max});
            UiHooks().Progress->Progress(msg, kind, pos, max, extra);
        };
    }

    // The owner's pattern: modal progress, terminate, pause, wait. Returns the dialog's
    // result (TModalResult::Ok when the engine's final report closed it).
    template <class TEngine> TModalResult Run(TEngine& engine) {
        const TModalResult result = UiHooks().Progress->ShowProgress("Transfer", true);
        engine.Terminate();
        SleepMs(100);
        engine.WaitFor();
        return result;
    }

    int Count(int kind) const {
        int n = 0;
        for (const auto& r : Records) n += r.Kind == kind;
        return n;
    }
    bool HasError(const std::string& text) const {
        for (const auto& r : Records)
            if (r.Kind == skError && r.Msg == text) return true;
        return false;
    }

    TFakeUi Ui;
    std::vector<TStatusRecord> Records;
};

// How many CANs the PC sends in up to `n` bytes (its answer to a failed transfer).
inline int CansFrom(TPeerLink& peer, size_t n, int timeoutMs = 3000) {
    const std::string t = peer.Read(n, timeoutMs);
    return static_cast<int>(std::count(t.begin(), t.end(), static_cast<char>(CAN)));
}

// Runs `op` and expects the connection error.
template <class F> void ExpectConnectionError(F op) {
    try {
        op();
        ADD_FAILURE() << "no error";
    } catch (const ELinkError& e) {
        EXPECT_STREQ(e.what(), ConnectionErrorText);
    }
}

} // namespace lw::test
