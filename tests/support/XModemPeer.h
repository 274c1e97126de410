// The calculator's side of an XModem transfer, played over a TPeerLink: sending an object to
// the PC's receive engine and receiving a file from its send engine.
#pragma once
#include "link/XModemCodec.h"
#include "support/PeerLink.h"

#include <string>
#include <vector>

namespace lw::test {

// A command packet: two length bytes, the data, and its checksum (off by `checkDelta`).
inline std::string PeerPacket(const std::string& data, int checkDelta = 0) {
    return std::string{char(data.size() >> 8), char(data.size())} + data +
           char(Checksum(data) + checkDelta);
}

// Reads one command packet; false when it is incomplete or its checksum is wrong.
inline bool PeerReadPacket(TPeerLink& link, std::string& data, int timeoutMs = 4000) {
    data.clear();
    const std::string size = link.Read(2, timeoutMs);
    if (size.size() < 2) return false;
    const size_t n = uint8_t(size[0]) * 256u + uint8_t(size[1]);
    data = link.Read(n, timeoutMs);
    return data.size() == n && link.ReadByte(timeoutMs) == Checksum(data);
}

struct TPeerSendResult {
    bool Ok = false;     // every block and the EOT acknowledged
    int Naks = 0;        // NAKs received after blocks
    std::string Trailer; // what came after a failure (the PC's CANs)
};

// Waits for the PC's start byte (NAK), then sends `data` in blocks of `blockSize` (the last
// one padded with zero bytes) and EOT, resending on NAK.
inline TPeerSendResult PeerSendObject(TPeerLink& link, const std::string& data,
                                      size_t blockSize = 128, int startTimeoutMs = 5000) {
    TPeerSendResult result;
    if (link.ReadByte(startTimeoutMs) != NAK) return result;
    uint32_t number = 1;
    for (size_t pos = 0; pos < data.size(); pos += blockSize, ++number) {
        std::string payload = data.substr(pos, blockSize);
        payload.resize(blockSize, '\0');
        const std::string block = BuildBlock(number, payload, TCheckMethod::Checksum);
        for (int attempt = 0;; ++attempt) {
            if (attempt > 10) return result;
            link.Write(block);
            const int reply = link.ReadByte(5000);
            if (reply == ACK) break;
            if (reply != NAK) {
                result.Trailer.assign(1, char(reply));
                result.Trailer += link.Read(16, 300);
                return result;
            }
            ++result.Naks;
        }
    }
    for (int attempt = 0; attempt < 5; ++attempt) {
        link.WriteByte(EOT);
        if (link.ReadByte(5000) == ACK) {
            result.Ok = true;
            return result;
        }
    }
    return result;
}

struct TPeerReceiveResult {
    bool Ok = false;                 // EOT seen and acknowledged
    std::string Data;                // the data of all blocks, padding included
    std::vector<std::string> Blocks; // each block as it came, header to check field
    std::string Trailer;             // bytes that were neither blocks nor EOT (CANs)
};

// Sends `startByte` (NAK, 'C' or 'D'), then takes blocks until EOT, acknowledging each.
inline TPeerReceiveResult PeerReceiveObject(TPeerLink& link, uint8_t startByte,
                                            bool sendStart = true, int timeoutMs = 5000) {
    TPeerReceiveResult result;
    TCheckMethod method = TCheckMethod::Checksum;
    CheckMethodOfStartByte(startByte, method);
    if (sendStart) link.WriteByte(startByte);
    uint32_t expected = 1;
    for (;;) {
        const int header = link.ReadByte(timeoutMs);
        if (header == EOT) {
            link.WriteByte(ACK);
            result.Ok = true;
            return result;
        }
        if (header != SOH && header != STX) {
            if (header >= 0) {
                result.Trailer.assign(1, char(header));
                result.Trailer += link.Read(16, 300);
            }
            return result;
        }
        const size_t n = header == SOH ? 128 : 1024;
        const std::string rest = link.Read(2 + n + CheckFieldSize(method), timeoutMs);
        if (!CheckBlock(rest, expected, n, method)) {
            link.WriteByte(NAK);
            continue;
        }
        result.Blocks.push_back(std::string(1, char(header)) + rest);
        result.Data += rest.substr(2, n);
        ++expected;
        link.WriteByte(ACK);
    }
}

} // namespace lw::test
