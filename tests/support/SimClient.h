// The PC's end of the simulator's line for the simulator's own tests: the pty or the FIFOs
// opened directly, and the command packets and XModem exchanges written out with the codec.
// Every read has a time-out.
#pragma once
#include "support/PeerLink.h"

#include <cstdint>
#include <string>

namespace lw::test {

class TSimClient : public TPeerLink {
public:
    // Opens a serial path (raw mode) or a USB device folder (PIPE0 to read, PIPE1 to write).
    explicit TSimClient(const std::string& path, bool usb = false);
    ~TSimClient() override;
    std::string PortName() const override { return Path; }
    void Hangup() override;
    int Fd() const { return InFd; }
    // Whether a read met the end of the line (the calculator hung up).
    bool Lost() const { return HungUp; }

    // Reads one packet from the calculator (no reply sent); false on a short or bad one.
    bool ReadPacket(std::string& data, int timeoutMs = 3000);
    // Sends a command byte and a packet; returns the reply byte (-1: none).
    int Command(char cmd, const std::string& data);
    // Sends a command byte and reads the answer packet, ACKing it.
    bool Ask(char cmd, std::string& answer);
    // XModem receive: sends `start`, collects blocks (ACKing them) until EOT. Records the
    // block sizes seen ('S' 1024, 's' 128). False on CAN or a time-out.
    bool ReceiveXModem(uint8_t start, std::string& data, std::string* sizes = nullptr);
    // XModem send with the check method of `start` (already read) in blocks of blockSize.
    bool SendXModem(uint8_t start, const std::string& data, size_t blockSize = 128);

protected:
    void WriteRaw(const char* data, size_t size) override { WriteAllFd(OutFd, data, size); }
    long ReadRaw(char* buf, size_t size, int timeoutMs) override;

private:
    std::string Path;
    int InFd = -1, OutFd = -1;
    bool HungUp = false;
};

} // namespace lw::test
