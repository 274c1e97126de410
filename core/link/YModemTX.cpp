// The send engine: one PC file to the calculator by XModem in any of the three check modes;
// and the raw image sender for the calculator's operating system over USB.
#include "link/EngineFiles.h"
#include "link/Engines.h"
#include "link/Port.h"
#include "link/TraceLine.h"
#include "link/XModemCodec.h"
#include "util/MessageTexts.h"

#include <algorithm>
#include <cerrno>

namespace lw {
namespace {

uint8_t ReadReply() {
    std::string reply(1, '\0');
    ReadComm(CalcPort, reply, 2500);
    return static_cast<uint8_t>(reply[0]);
}

} // namespace

TYModemTX::TYModemTX(const std::string& fileName, bool smallBlocks, const std::string& firstByte,
                     TTransferStatusEvent onStatus)
    : TYModemTX(TDeferStart{}, fileName, smallBlocks, firstByte, std::move(onStatus)) {
    Start();
}

TYModemTX::TYModemTX(TDeferStart, const std::string& fileName, bool smallBlocks,
                     const std::string& firstByte, TTransferStatusEvent onStatus)
    : TTransferThread(std::move(onStatus)), FileName(fileName), SmallBlocks(smallBlocks),
      FirstByte(firstByte) {}

TYModemTX::~TYModemTX() {
    StopAndWait();
}

void TYModemTX::Execute() {
    FDone = false;
    int64_t sent = 0;
    const auto report = [this](const std::string& m, TStatusKind k, int p, int x, int e) {
        ReportStatus(m, k, p, x, e);
    };
    SleepMs(LinkTiming.SendStart);
    try {
        // The receiver's start byte chooses the check.
        uint8_t reply = FirstByte.empty() ? 0 : static_cast<uint8_t>(FirstByte[0]);
        TCheckMethod mode = TCheckMethod::Checksum;
        int attempts = 0;
        for (;;) {
            if (reply == 0) reply = ReadReply();
            if (reply == CAN) SeriousError();
            if (CheckMethodOfStartByte(reply, mode)) break;
            reply = 0;
            ++attempts;
            TraceLine("Tx needs CRC Flag #" + std::to_string(attempts));
            if (attempts > 5) SeriousError();
            if (Terminated()) SeriousError();
        }

        const int64_t size = OpenSendFile(FileName);
        const uint64_t startTicks = TickCount();
        size_t blockLength = SmallBlocks ? 128 : 1024;
        ReportStatus(msg::Fill(msg::Copying, {FileName}), skMessage, 0, 0, 0);

        // A short last block keeps whatever the buffer held after the file's end.
        std::string block(1024, '\0');
        uint32_t blockNumber = 0;
        for (;;) {
            if (size - sent < 1024) blockLength = 128;
            const long got = ReadSendFile(block.data(), blockLength);
            if (got < 0) RaiseLinkError(msg::Fill(msg::CannotReadFile, {std::to_string(errno)}));
            if (got == 0) break;
            ++blockNumber;
            ReportProgress(sent, size, startTicks, report);
            const std::string wire =
                BuildBlock(blockNumber, std::string_view(block.data(), blockLength), mode);
            int retries = 0;
            for (;;) {
                WriteComm(CalcPort, wire);
                const uint8_t answer = ReadReply();
                if (Terminated()) SeriousError();
                if (answer == ACK) break;
                if (answer == 0) {
                    if (++retries > 5) SeriousError();
                    SleepMs(800);
                } else if (answer == NAK) {
                    if (++retries > 5) SeriousError();
                } else if (answer == CAN) {
                    SeriousError();
                } else {
                    ClearInput(CalcPort);
                }
                ReportStatus(ConnectionErrorText, skError, 0, 0, 0);
            }
            sent += static_cast<int64_t>(blockLength);
        }

        attempts = 0;
        for (;;) {
            if (Terminated()) SeriousError();
            ++attempts;
            if (attempts > 1) TraceLine("Tx No ACK for EOT error #" + std::to_string(attempts));
            if (attempts > 5) SeriousError();
            WriteComm(CalcPort, std::string(1, static_cast<char>(EOT)));
            if (ReadReply() == ACK) break;
        }
        FDone = true;
        // The last report shows the whole file sent.
        ReportProgress(size, size, startTicks, report);
        CloseSendFile();
    } catch (const std::exception& e) {
        ReportStatus(e.what(), skError, 0, 0, 0);
        try {
            WriteComm(CalcPort, std::string(3, static_cast<char>(CAN)));
        } catch (const std::exception&) {}
        CloseSendFile();
        SleepMs(LinkTiming.AbortPause);
    }
    ReportStatus("", skFinished, 0, 0, 0);
}

TSTX::TSTX(const std::string& fileName, TTransferStatusEvent onStatus)
    : TYModemTX(TDeferStart{}, fileName, true, std::string(), std::move(onStatus)) {
    Start();
}

TSTX::~TSTX() {
    StopAndWait();
}

void TSTX::Execute() {
    FImageSent = false;
    const auto report = [this](const std::string& m, TStatusKind k, int p, int x, int e) {
        ReportStatus(m, k, p, x, e);
    };
    std::string buffer;
    try {
        ReportStatus(msg::Connecting.Text, skMessage, 0, 0, 0);
        const int64_t size = OpenSendFile(FileName);
        buffer.assign(static_cast<size_t>(size) + 4, '\0');
        const long got = ReadSendFile(buffer.data() + 4, static_cast<size_t>(size));
        CloseSendFile();
        if (got != static_cast<long>(size))
            RaiseLinkError(msg::Fill(msg::CannotReadFile, {FileName}));
        for (int i = 0; i < 4; ++i) buffer[size_t(i)] = static_cast<char>((size >> (8 * i)) & 0xFF);
        const int64_t total = size + 4;
        int64_t sent = 0;
        const uint64_t startTicks = TickCount();
        do {
            ReportProgress(sent, total, startTicks, report);
            const size_t n = static_cast<size_t>(std::min<int64_t>(total - sent, 2048));
            WriteComm(CalcPort, buffer.substr(static_cast<size_t>(sent), n));
            sent += static_cast<int64_t>(n);
        } while (sent < total);
        ReportProgress(sent, total, startTicks, report);
        FImageSent = true;
    } catch (const std::exception& e) {
        // The owner learns the failure from ImageSent; the dialog still has to close.
        ReportStatus(e.what(), skError, 0, 0, 0);
    }
    CloseSendFile();
    ClosePorts(CalcPort);
    std::string().swap(buffer);
    ReportStatus("", skFinished, 0, 0, 0);
}

} // namespace lw
