// The transfer engines: XModem receive and send on a thread of their own, the raw operating-
// system image sender and the screen-capture receiver.
#pragma once
#include "link/CaptureOutcome.h"
#include "util/Files.h"

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

#include "link/UiHooks.h"

namespace lw {

// Msg, Kind, Position, Max, Extra. Called on the UI thread.
using TTransferStatusEvent =
    std::function<void(const std::string& msg, TStatusKind kind, int position, int max, int extra)>;

// Builds the progress text of `done` of `total` bytes since `startTicks` and reports it with
// Kind 2 through `report`. Nothing for total <= 0.
void ReportProgress(int64_t done, int64_t total, uint64_t startTicks,
                    const TTransferStatusEvent& report);
// The progress text alone.
std::string ProgressText(int64_t done, int64_t total, uint64_t elapsedMs);

// Base of the engines: the thread, the termination flag and the synchronised report.
class TTransferThread {
public:
    virtual ~TTransferThread();
    TTransferThread(const TTransferThread&) = delete;
    TTransferThread& operator=(const TTransferThread&) = delete;

    void Terminate() { FTerminated = true; }
    bool Terminated() const { return FTerminated; }
    // Waits for the thread, carrying out its synchronised reports meanwhile.
    void WaitFor();

protected:
    explicit TTransferThread(TTransferStatusEvent onStatus);
    // Starts Execute on the thread; called by the concrete engine's constructor.
    void Start();
    // Terminates and waits if the thread runs; every concrete engine's destructor calls it
    // before its own members go.
    void StopAndWait();
    virtual void Execute() = 0;
    // Hands the report to the UI thread and waits until it has run.
    void ReportStatus(const std::string& msg, TStatusKind kind, int position, int max, int extra);

    TTransferStatusEvent OnStatus;

private:
    std::thread FThread;
    std::atomic<bool> FTerminated{false};
    bool FFinished = false; // guarded by the clock's lock
};

class TYModemRX : public TTransferThread {
public:
    TYModemRX(const std::string& fileName, bool toFile, int32_t expectedSize,
              TTransferStatusEvent onStatus);
    ~TYModemRX() override;
    bool Done() const { return FDone; }
    const std::string& RxData() const { return FRxData; } // read after WaitFor

protected:
    struct TDeferStart {};
    TYModemRX(TDeferStart, const std::string& fileName, bool toFile, int32_t expectedSize,
              TTransferStatusEvent onStatus);
    void Execute() override;

    std::string FileName;
    int32_t ExpectedSize;
    bool ToFile;
    std::atomic<bool> FDone{false};
    std::string FRxData;
};

class TYModemTX : public TTransferThread {
public:
    // firstByte: the receiver's start byte when already read; empty or "\0" to read it.
    TYModemTX(const std::string& fileName, bool smallBlocks, const std::string& firstByte,
              TTransferStatusEvent onStatus);
    ~TYModemTX() override;
    bool Done() const { return FDone; }

protected:
    struct TDeferStart {};
    TYModemTX(TDeferStart, const std::string& fileName, bool smallBlocks,
              const std::string& firstByte, TTransferStatusEvent onStatus);
    void Execute() override;

    std::string FileName;
    bool SmallBlocks;
    std::string FirstByte;
    std::atomic<bool> FDone{false};
};

// Sends a file to the USB write pipe as a raw stream: 4-byte little-endian length, then the
// bytes. Closes the port when done.
class TSTX : public TYModemTX {
public:
    TSTX(const std::string& fileName, TTransferStatusEvent onStatus);
    ~TSTX() override;
    bool ImageSent() const { return FImageSent; }

protected:
    void Execute() override;
    std::atomic<bool> FImageSent{false};
};

// Receives a screen capture that began with `firstData[0]`.
class TSRX : public TYModemRX {
public:
    TSRX(const std::string& firstData, TTransferStatusEvent onStatus);
    ~TSRX() override;
    // Read after WaitFor.
    const std::string& Capture() const { return FCapture; }
    TCaptureOutcome Outcome() const { return FOutcome; }

protected:
    void Execute() override;
    std::string FCapture;
    TCaptureOutcome FOutcome = TCaptureOutcome::None;
};

// The descriptor of a PC file an engine has open. SeriousError closes it from whichever
// thread fails while the engine may be using it; use and close are serialised, so the engine
// never touches a number that was closed (and may by then belong to another open file).
class TFileSlot {
public:
    void Put(TFd fd);
    // The descriptor back to its user; the slot is then empty.
    TFd Take();
    // Closes the descriptor held, if any.
    void Close() { Take(); }
    bool Empty() const;
    // Runs use(fd) under the slot's lock with the descriptor held (-1 when empty).
    template <class F> auto Use(F&& use) {
        std::lock_guard<std::mutex> lock(FLock);
        return use(FFd.Get());
    }

private:
    mutable std::mutex FLock;
    TFd FFd;
};

// The PC files the engines have open, closed by SeriousError.
extern TFileSlot SendFileHandle;
extern TFileSlot ReceiveFileHandle;

} // namespace lw
