// The receive engine: one object from the calculator by XModem (checksum mode), into a PC
// file or into memory.
#include "link/EngineFiles.h"
#include "link/Engines.h"
#include "link/Port.h"
#include "link/TraceLine.h"
#include "link/XModemCodec.h"

#include <algorithm>

namespace lw {
namespace {

void SendByte(uint8_t b) {
    WriteComm(CalcPort, std::string(1, static_cast<char>(b)));
}

void SendCancel() {
    WriteComm(CalcPort, std::string(4, static_cast<char>(CAN)));
}

enum class TBlockResult { Good, Repeat, Failed };

} // namespace

TYModemRX::TYModemRX(const std::string& fileName, bool toFile, int32_t expectedSize,
                     TTransferStatusEvent onStatus)
    : TYModemRX(TDeferStart{}, fileName, toFile, expectedSize, std::move(onStatus)) {
    Start();
}

TYModemRX::TYModemRX(TDeferStart, const std::string& fileName, bool toFile, int32_t expectedSize,
                     TTransferStatusEvent onStatus)
    : TTransferThread(std::move(onStatus)), FileName(fileName), ExpectedSize(expectedSize),
      ToFile(toFile) {}

TYModemRX::~TYModemRX() {
    StopAndWait();
}

void TYModemRX::Execute() {
    FDone = false;
    int64_t received = 0;
    uint64_t startTicks = 0;
    uint32_t blockNumber = 0;
    TReceiveFile file;
    const auto report = [this](const std::string& m, TStatusKind k, int p, int x, int e) {
        ReportStatus(m, k, p, x, e);
    };

    // One block of n data bytes after its header byte.
    const auto receiveBlock = [&](size_t n) {
        std::string buf(n + 3, '\0');
        if (startTicks == 0) startTicks = TickCount();
        ReportProgress(received, ExpectedSize != 0 ? ExpectedSize : received + int64_t(n),
                       startTicks, report);
        const int got = ReadComm(CalcPort, buf, 2500);
        const bool complete = got == static_cast<int>(n + 3);
        if (complete && CheckBlock(buf, blockNumber, n, TCheckMethod::Checksum)) {
            if (ToFile) {
                size_t keep = n;
                if (ExpectedSize != 0)
                    keep = received >= ExpectedSize
                               ? 0
                               : std::min<size_t>(n, size_t(ExpectedSize - received));
                file.Write(buf.data() + 2, keep);
            } else {
                FRxData.append(buf, 2, n);
            }
            received += static_cast<int64_t>(n);
            SendByte(ACK);
            return TBlockResult::Good;
        }
        // The block just taken, sent again because our ACK did not reach the sender: it is
        // acknowledged once more and its data dropped.
        if (complete && blockNumber > 1 &&
            CheckBlock(buf, blockNumber - 1, n, TCheckMethod::Checksum)) {
            TraceLine("Rx repeated block #" + std::to_string(blockNumber - 1) + " acknowledged");
            SendByte(ACK);
            return TBlockResult::Repeat;
        }
        ReportStatus(ConnectionErrorText, skError, 0, 0, 0);
        ClearInput(CalcPort);
        SendByte(NAK);
        return TBlockResult::Failed;
    };

    TraceLine("TX Receive begins for " + FileName);
    try {
        if (ToFile)
            file.Open(FileName);
        else
            FRxData.clear();
        SendByte(NAK);
        bool ended = false;
        while (!ended) {
            ++blockNumber;
            int errors = 0;
            for (;;) {
                if (Terminated()) {
                    SendCancel();
                    SeriousError();
                }
                std::string header(1, '\0');
                ReadComm(CalcPort, header, 2500);
                const uint8_t h = static_cast<uint8_t>(header[0]);
                if (h == SOH || h == STX) {
                    if (receiveBlock(h == SOH ? 128 : 1024) == TBlockResult::Good) break;
                } else if (h == EOT) {
                    ended = true;
                    break;
                } else if (h == CAN) {
                    SeriousError();
                } else {
                    ClearInput(CalcPort);
                    SendByte(NAK);
                    ++errors;
                    TraceLine("Rx Error #" + std::to_string(errors) + " Reply was 0x" + Hex2(h));
                    if (errors > 5) SeriousError();
                }
            }
        }
        SendByte(ACK);
        if (ToFile) file.Commit();
        FDone = true;
        // The last report shows the whole object received.
        if (startTicks != 0) {
            const int64_t total = ExpectedSize != 0 ? ExpectedSize : received;
            ReportProgress(std::min(received, total), total, startTicks, report);
        }
    } catch (const std::exception& e) {
        // Each step is attempted even when an earlier one fails, so that the progress dialog
        // always gets its final report and no partial file is left behind.
        TraceLine("sending CAN");
        if (ToFile) file.Close();
        ReportStatus(e.what(), skError, 0, 0, 0);
        try {
            SendCancel();
        } catch (const std::exception&) {}
        try {
            ClearInput(CalcPort);
        } catch (const std::exception&) {}
        if (ToFile) file.Discard();
        SleepMs(LinkTiming.AbortPause);
    }
    ReportStatus("", skFinished, 0, 0, 0);
}

} // namespace lw
