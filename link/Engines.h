// The transfer engines: XModem receive and send on a thread of their own, the raw operating-
// system image sender and the screen-capture receiver.
#pragma once
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
    std::mutex FFinishMutex;
    std::condition_variable FFinishCond;
    bool FFinished = false;
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
    const std::string& Capture() const { return FCapture; } // read after WaitFor

protected:
    void Execute() override;
    std::string FCapture;
};

// Handles of the PC files the engines have open (-1 when none), closed by SeriousError.
extern std::atomic<int> SendFileHandle;
extern std::atomic<int> ReceiveFileHandle;

} // namespace lw
