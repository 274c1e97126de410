#include "SimClient.h"

#include "support/XModemPeer.h"

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <termios.h>
#include <unistd.h>

namespace lw::test {

TSimClient::TSimClient(const std::string& path, bool usb) : Path(path) {
    if (usb) {
        InFd = open((path + "/PIPE0").c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        OutFd = open((path + "/PIPE1").c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    } else {
        InFd = OutFd = open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
        termios t{};
        if (InFd >= 0 && tcgetattr(InFd, &t) == 0) {
            cfmakeraw(&t);
            tcsetattr(InFd, TCSANOW, &t);
        }
    }
    if (InFd < 0 || OutFd < 0) {
        Hangup();
        throw std::runtime_error("cannot open " + path);
    }
}

TSimClient::~TSimClient() {
    Hangup();
}

void TSimClient::Hangup() {
    if (OutFd >= 0 && OutFd != InFd) close(OutFd);
    if (InFd >= 0) close(InFd);
    InFd = OutFd = -1;
}

long TSimClient::ReadRaw(char* buf, size_t size, int timeoutMs) {
    if (HungUp) return -1;
    pollfd p{InFd, POLLIN, 0};
    if (poll(&p, 1, timeoutMs) <= 0) return 0;
    const ssize_t got = read(InFd, buf, size);
    if (got > 0) return got;
    if (got < 0 && (errno == EAGAIN || errno == EINTR)) return 0;
    HungUp = true; // end of file or a hang-up
    return -1;
}

bool TSimClient::ReadPacket(std::string& data, int timeoutMs) {
    return PeerReadPacket(*this, data, timeoutMs);
}

int TSimClient::Command(char cmd, const std::string& data) {
    WriteByte(uint8_t(cmd));
    Write(PeerPacket(data));
    return ReadByte(3000);
}

bool TSimClient::Ask(char cmd, std::string& answer) {
    WriteByte(uint8_t(cmd));
    if (!ReadPacket(answer)) return false;
    WriteByte(ACK);
    return true;
}

bool TSimClient::ReceiveXModem(uint8_t start, std::string& data, std::string* sizes) {
    const TPeerReceiveResult r = PeerReceiveObject(*this, start, true, 3000);
    data += r.Data;
    if (sizes)
        for (const auto& block : r.Blocks) *sizes += block[0] == char(STX) ? 'S' : 's';
    return r.Ok;
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
