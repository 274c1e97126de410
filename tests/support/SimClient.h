// A few lines of PC side for the simulator's tests: the pty or the FIFOs opened directly, and
// the packets and XModem exchanges written out with the codec. Every read has a time-out.
#pragma once
#include <cstdint>
#include <string>

namespace lw::test {

class TSimClient {
public:
    // Opens a serial path (raw mode) or a USB device folder (PIPE0 to read, PIPE1 to write).
    explicit TSimClient(const std::string& path, bool usb = false);
    ~TSimClient();
    void Close();
    bool IsOpen() const { return ReadFd >= 0; }
    int Fd() const { return ReadFd; }

    void Write(const std::string& bytes);
    void WriteByte(uint8_t b) { Write(std::string(1, char(b))); }
    // Up to n bytes within timeoutMs; stops early at end of file or a hang-up (Lost()).
    std::string Read(size_t n, uint32_t timeoutMs);
    int ReadByte(uint32_t timeoutMs); // -1: none
    // Everything arriving until the line was quiet for quietMs.
    std::string ReadUntilQuiet(uint32_t quietMs, uint32_t maxMs = 10000);
    bool Lost() const { return HungUp; }

    // Command packets: 2 length bytes, data, checksum.
    static std::string Packet(const std::string& data, bool badCheck = false);
    // Reads one packet from the calculator (no reply sent); false on a short or bad one.
    bool ReadPacket(std::string& data, uint32_t timeoutMs = 3000);
    // Sends a command byte and a packet; returns the reply byte (-1: none).
    int Command(char cmd, const std::string& data);
    // Sends a command byte and reads the answer packet, ACKing it.
    bool Ask(char cmd, std::string& answer);

    // XModem receive: sends `start`, collects blocks (ACKing them) until EOT. Records the
    // block sizes seen. False on CAN, a bad block or a time-out.
    bool ReceiveXModem(uint8_t start, std::string& data, std::string* sizes = nullptr);
    // XModem send with the check method of `start` (already read) in blocks of blockSize.
    bool SendXModem(uint8_t start, const std::string& data, size_t blockSize = 128);

private:
    int ReadFd = -1, WriteFd = -1;
    bool HungUp = false;
};

} // namespace lw::test
