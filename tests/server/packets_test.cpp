// Command bytes, command packets and the completion wait against a scripted calculator on a
// pseudo-terminal.
#include "link/Port.h"
#include "server/XModemServer.h"
#include "support/EngineHarness.h"
#include "support/XModemPeer.h"

#include <gtest/gtest.h>

using namespace lw;
using namespace lw::test;

namespace {

const std::string Ack(1, '\x06'), Nak(1, '\x15');

class Packets : public ::testing::Test {
protected:
    Packets() {
        Server.SetSpeed("115200");
        Server.OpenComm(Peer.PortName());
    }
    // The calculator's script on its own thread (every read in it has a bound).
    void Run(std::function<void(TPtyPeer&)> script) {
        Script = std::make_unique<TPeerThread>([this, script] { script(Peer); });
    }
    void Finish() { Script.reset(); }

    TFakeUi Ui;
    TCalcState State;
    TPtyPeer Peer;
    TXModemServer Server{State};
    std::unique_ptr<TPeerThread> Script; // joined before the peer goes
};

} // namespace

TEST_F(Packets, SentPacketsCarryCalculatorBytes) {
    std::string got, empty, extra;
    Run([&](TPtyPeer& p) {
        if (p.ReadByte(4000) != 'E') ADD_FAILURE() << "no E";
        if (!PeerReadPacket(p, got)) ADD_FAILURE() << "bad packet";
        p.Write(Ack);
        empty = p.Read(3, 4000);
        p.Write(std::string(1, '\0') + Ack); // a stray 0x00 before the acknowledgement
        extra = p.Drain(600);
    });
    Server.SendCommand('E');
    Server.SendCommandPacket("'A\\->B' STO \\<<");
    Server.SendCommandPacket("");
    Finish();
    EXPECT_EQ(got, "'A\x8D"
                   "B' STO \xAB");
    EXPECT_EQ(empty, std::string(3, '\0'));
    EXPECT_EQ(extra, ""); // accepted at once: not written again
}

// A bad packet is refused and read again; the sixth bad one in a row ends the connection.
TEST_F(Packets, ReceivedPacketsAreCheckedAndAcknowledged) {
    const std::string big(300, '\x8D');
    std::string replies;
    Run([&](TPtyPeer& p) {
        replies += char(p.Reply(PeerPacket("1234.5", 1), 4000)); // bad checksum
        for (const std::string& data : {std::string("1234.5"), std::string(), big})
            replies += char(p.Reply(PeerPacket(data), 4000));
        for (int i = 0; i < 6; ++i) replies += char(p.Reply(PeerPacket("abc", 7), 8000));
    });
    std::string data, empty = "x", large;
    Server.ReceiveCommandPacket(data);
    Server.ReceiveCommandPacket(empty);
    Server.ReceiveCommandPacket(large);
    EXPECT_EQ(empty, "");
    ExpectConnectionError([&] { Server.ReceiveCommandPacket(empty); });
    Finish();
    EXPECT_EQ(data, "1234.5");
    EXPECT_EQ(large, big);
    EXPECT_EQ(replies, Nak + Ack + Ack + Ack + std::string(6, Nak[0]));
}

TEST_F(Packets, ExecuteWithoutScriptOnlyPolls) {
    std::string seen;
    Run([&](TPtyPeer& p) {
        // Busy for three polls, then answer the fourth.
        for (int polls = 0; polls < 4;) {
            const int c = p.ReadByte(3000);
            if (c < 0) {
                ADD_FAILURE() << "no poll";
                return;
            }
            seen += static_cast<char>(c);
            if (c == 'M') ++polls;
        }
        p.Write(PeerPacket("1234.5"));
        seen += p.Drain(700);
    });
    State.CalcFlags = "00";
    Server.Execute("", false, true);
    Finish();
    EXPECT_EQ(seen.find('E'), std::string::npos);
    EXPECT_EQ(seen.substr(0, 4), "MMMM");
    EXPECT_NE(seen.find(Ack), std::string::npos);
    EXPECT_EQ(Ui.Status.BusyShown, 0);
}
