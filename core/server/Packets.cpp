// Command bytes and command packets.
#include "link/CalcNames.h"
#include "link/Port.h"
#include "link/TraceLine.h"
#include "link/XModemCodec.h"
#include "server/CommandPacket.h"
#include "server/XModemServer.h"
#include "util/MessageTexts.h"

namespace lw {
namespace {

constexpr int MaxPacketErrors = 5; // the sixth failure aborts
constexpr int SizeAttempts = 4;

} // namespace

std::string BuildCommandPacket(std::string_view data) {
    std::string packet;
    packet.reserve(data.size() + 3);
    packet += static_cast<char>((data.size() >> 8) & 0xFF);
    packet += static_cast<char>(data.size() & 0xFF);
    packet += data;
    packet += static_cast<char>(Checksum(data));
    return packet;
}

void TXModemServer::SendCommand(char cmd) {
    TraceLine(std::string("send command = ") + cmd);
    WriteComm(CalcPort, std::string(1, cmd));
    SleepMs(LinkTiming.AfterCommandByte);
}

void TXModemServer::SendCommandPacket(const std::string& text) {
    const std::string data = FileToName(text, false);
    TraceLine("command packet = '" + data + "'");
    // A longer text cannot be framed: its length would be cut and the calculator would read
    // the rest as commands.
    if (data.size() > MaxCommandPacketData)
        RaiseLinkError(msg::Fill(msg::CommandTooLong, {std::to_string(data.size())}));
    const std::string packet = BuildCommandPacket(data);
    int errors = 0;
    for (;;) {
        WriteComm(CalcPort, packet);
        std::string reply(1, '\0');
        SleepMs(LinkTiming.BeforePacketAck);
        int got = ReadComm(CalcPort, reply, ReplyTimeout);
        if (got == 1 && reply[0] == '\0') got = ReadComm(CalcPort, reply, ReplyTimeout);
        if (static_cast<unsigned char>(reply[0]) == ACK) break;
        ++errors;
        TraceLine("Tx Cmnd Packet Error. Rcvd len=" + std::to_string(got) + " c=0x" +
                  Hex2(static_cast<unsigned char>(reply[0])) + " #" + std::to_string(errors));
        if (errors > MaxPacketErrors) SeriousError();
        SetStatus(ConnectionErrorText);
        ClearInput(CalcPort);
    }
    SleepMs(LinkTiming.AfterPacketAcked);
}

void TXModemServer::ReceiveCommandPacket(std::string& data) {
    int errors = 0;
    for (;;) {
        bool good = false;
        std::string high(1, '\0'), low(1, '\0');
        // Both length bytes share one count of attempts; the low byte gets at least one.
        int attempts = 0, gotHigh = 0, gotLow = 0;
        do {
            gotHigh = ReadComm(CalcPort, high, ReplyTimeout);
        } while (gotHigh != 1 && ++attempts < SizeAttempts);
        if (gotHigh == 1) ++attempts;
        do {
            gotLow = ReadComm(CalcPort, low, ReplyTimeout);
        } while (gotLow != 1 && ++attempts < SizeAttempts);
        if (gotHigh != 1 || gotLow != 1) {
            TraceLine("cannot get the command packet size");
        } else {
            const size_t length =
                static_cast<unsigned char>(high[0]) * 256u + static_cast<unsigned char>(low[0]);
            TraceLine("got command packet size = " + std::to_string(length));
            data.assign(length, '\0');
            // An empty packet has no data to wait for.
            if (length > 0 &&
                static_cast<size_t>(ReadComm(CalcPort, data, ReplyTimeout)) < length) {
                TraceLine("cannot get the command packet");
            } else {
                TraceLine("got command packet (" + std::to_string(length) + ")");
                std::string check(1, '\0');
                good = ReadComm(CalcPort, check, ReplyTimeout) == 1 &&
                       static_cast<unsigned char>(check[0]) == Checksum(data);
                TraceLine(good ? "CRC ok " : "CRC problem ");
            }
        }
        if (good) {
            WriteComm(CalcPort, std::string(1, static_cast<char>(ACK)));
            SleepMs(LinkTiming.AfterPacketReceived);
            return;
        }
        ClearInput(CalcPort);
        ++errors;
        TraceLine("Rx Cmnd Packet Error #" + std::to_string(errors));
        WriteComm(CalcPort, std::string(1, static_cast<char>(NAK)));
        if (errors > MaxPacketErrors) SeriousError();
    }
}

} // namespace lw
