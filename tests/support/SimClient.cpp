#include "SimClient.h"

#include "link/XModemCodec.h"

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <termios.h>
#include <unistd.h>

namespace lw::test {

using TClock = std::chrono::steady_clock;

TSimClient::TSimClient(const std::string& path, bool usb) {
    if (usb) {
        ReadFd = open((path + "/PIPE0").c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        WriteFd = open((path + "/PIPE1").c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    } else {
        ReadFd = WriteFd = open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
        termios t{};
        if (ReadFd >= 0 && tcgetattr(ReadFd, &t) == 0) {
            cfmakeraw(&t);
            tcsetattr(ReadFd, TCSANOW, &t);
        }
    }
    if (ReadFd < 0 || WriteFd < 0) {
        Close();
        throw std::runtime_error("cannot open " + path);
    }
}

TSimClient::~TSimClient() {
    Close();
}

void TSimClient::Close() {
    if (WriteFd >= 0 && WriteFd != ReadFd) close(WriteFd);
    if (ReadFd >= 0) close(ReadFd);
    ReadFd = WriteFd = -1;
}

void TSimClient::Write(const std::string& bytes) {
    size_t pos = 0;
    auto deadline = TClock::now() + std::chrono::seconds(3);
    while (pos < bytes.size() && TClock::now() < deadline) {
        ssize_t n = write(WriteFd, bytes.data() + pos, bytes.size() - pos);
        if (n > 0) {
            pos += size_t(n);
            continue;
        }
        if (n < 0 && errno != EAGAIN) return;
        pollfd p{WriteFd, POLLOUT, 0};
        poll(&p, 1, 50);
    }
}

std::string TSimClient::Read(size_t n, uint32_t timeoutMs) {
    std::string out;
    auto deadline = TClock::now() + std::chrono::milliseconds(timeoutMs);
    while (out.size() < n && !HungUp) {
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - TClock::now());
        if (left.count() <= 0) break;
        pollfd p{ReadFd, POLLIN, 0};
        if (poll(&p, 1, int(left.count())) <= 0) continue;
        char buf[4096];
        ssize_t got = read(ReadFd, buf, std::min(sizeof buf, n - out.size()));
        if (got > 0)
            out.append(buf, size_t(got));
        else if (got == 0 || errno != EAGAIN)
            HungUp = true;
    }
    return out;
}

int TSimClient::ReadByte(uint32_t timeoutMs) {
    std::string b = Read(1, timeoutMs);
    return b.empty() ? -1 : uint8_t(b[0]);
}

std::string TSimClient::ReadUntilQuiet(uint32_t quietMs, uint32_t maxMs) {
    std::string out;
    auto end = TClock::now() + std::chrono::milliseconds(maxMs);
    while (TClock::now() < end) {
        std::string piece = Read(65536, quietMs);
        if (piece.empty()) break;
        out += piece;
    }
    return out;
}

std::string TSimClient::Packet(const std::string& data, bool badCheck) {
    std::string p;
    p += char(data.size() >> 8);
    p += char(data.size() & 0xFF);
    p += data;
    p += char(Checksum(data) + (badCheck ? 1 : 0));
    return p;
}

bool TSimClient::ReadPacket(std::string& data, uint32_t timeoutMs) {
    std::string len = Read(2, timeoutMs);
    if (len.size() != 2) return false;
    size_t n = size_t(uint8_t(len[0])) * 256 + uint8_t(len[1]);
    data = Read(n, 2500);
    int check = ReadByte(2500);
    return data.size() == n && check == Checksum(data);
}

int TSimClient::Command(char cmd, const std::string& data) {
    WriteByte(uint8_t(cmd));
    Write(Packet(data));
    return ReadByte(3000);
}

bool TSimClient::Ask(char cmd, std::string& answer) {
    WriteByte(uint8_t(cmd));
    if (!ReadPacket(answer)) return false;
    WriteByte(ACK);
    return true;
}

bool TSimClient::ReceiveXModem(uint8_t start, std::string& data, std::string* sizes) {
    TCheckMethod method{};
    CheckMethodOfStartByte(start, method);
    WriteByte(start);
    for (uint32_t number = 1;;) {
        int header = ReadByte(3000);
        if (header == EOT) {
            WriteByte(ACK);
            return true;
        }
        if (header != SOH && header != STX) return false;
        size_t size = header == STX ? 1024 : 128;
        std::string rest = Read(2 + size + CheckFieldSize(method), 3000);
        if (!CheckBlock(rest, number, size, method)) return false;
        if (sizes) *sizes += header == STX ? 'S' : 's';
        data += rest.substr(2, size);
        ++number;
        WriteByte(ACK);
    }
}

bool TSimClient::SendXModem(uint8_t start, const std::string& data, size_t blockSize) {
    TCheckMethod method{};
    if (!CheckMethodOfStartByte(start, method)) return false;
    uint32_t number = 1;
    for (size_t pos = 0; pos < data.size(); pos += blockSize, ++number) {
        std::string chunk = data.substr(pos, blockSize);
        chunk.resize(blockSize, '\0');
        Write(BuildBlock(number, chunk, method));
        if (ReadByte(3000) != ACK) return false;
    }
    WriteByte(EOT);
    return ReadByte(3000) == ACK;
}

} // namespace lw::test
