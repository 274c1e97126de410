// The transfer engines against a scripted calculator, over the in-memory link on simulated
// time, as a serial line and as the USB device: blocks, repeats and damage in both directions, and
// failed transfers (the calculator cancels, refuses or says nothing, the user cancels, or the PC's
// own file fails), which must end the transfer, answer with CANs while the link is up, report the
// error, and leave the PC's files as they were. Then the raw image sender.
#include "support/EngineHarness.h"
#include "support/TempDir.h"
#include "support/XModemPeer.h"

#include <gtest/gtest.h>
#include <tuple>

namespace lw::test {
namespace {

std::string Block(uint32_t number, const std::string& data = Pattern(128)) {
    return BuildBlock(number, data, TCheckMethod::Checksum);
}

class EngineBase {
protected:
    ~EngineBase() { ClosePorts(CalcPort); }
    void Open(TLinkKind kind) {
        Peer = MakePeer(kind);
        OpenPort(Peer->PortName(), 115200);
    }
    std::string File(size_t size, int seed = 0) {
        const std::string path = Dir.File("send-" + std::to_string(size));
        WriteTestFile(path, Pattern(size, seed));
        return path;
    }
    // The calculator sends `data` in `blockSize` blocks; the PC receives it into `target`
    // (memory when empty) expecting `size` bytes. Returns the file's or the memory's bytes.
    std::string Receive(const std::string& data, const std::string& target, int32_t size,
                        size_t blockSize = 128) {
        TPeerThread peer([&] { EXPECT_TRUE(PeerSendObject(*Peer, data, blockSize).Ok); });
        TYModemRX rx(target, !target.empty(), size, H.Status());
        EXPECT_EQ(H.Run(rx), TModalResult::Ok);
        EXPECT_TRUE(rx.Done());
        return target.empty() ? rx.RxData() : ReadTestFile(target);
    }
    // The PC sends `path` (`start`: the start byte its caller read, if any) while the
    // calculator runs `receive`; returns what that got.
    TPeerReceiveResult Send(const std::string& path, std::function<TPeerReceiveResult()> receive,
                            const std::string& start = "") {
        TPeerReceiveResult got;
        TPeerThread peer([&] { got = receive(); });
        TYModemTX tx(path, !start.empty(), start, H.Status());
        EXPECT_EQ(H.Run(tx), TModalResult::Ok);
        peer.Join();
        EXPECT_TRUE(tx.Done());
        return got;
    }

    TEngineHarness H;
    TTempDir Dir;
    std::unique_ptr<TPeerLink> Peer;
};

class Engine : public EngineBase, public ::testing::TestWithParam<TLinkKind> {
protected:
    void SetUp() override { Open(GetParam()); }
};

TEST_P(Engine, ReceiveObjectToFileKeepsTheExpectedSizeAndMemoryKeepsWholeBlocks) {
    const std::string data = Pattern(300), target = Dir.File("obj.zq");
    EXPECT_EQ(Receive("", target, 0), ""); // an empty object: EOT only
    EXPECT_EQ(Receive("", "", 0), "");
    H.Records.clear();
    EXPECT_EQ(Receive(data, target, 300), data);
    EXPECT_EQ(Dir.Entries(), 1) << "no temporary file left";
    EXPECT_EQ(H.Count(skProgress), 4); // one before each block, and the whole at the end
    EXPECT_EQ(H.Records.back().Kind, skFinished);
    EXPECT_EQ(H.Records[H.Records.size() - 2].Position, 300);
    EXPECT_EQ(H.Records[H.Records.size() - 2].Max, 300);
    const std::string memory = Receive(data, "", 300);
    EXPECT_EQ(memory.size(), 384u);
    EXPECT_EQ(memory.substr(0, 300), data);
    EXPECT_EQ(Receive(data, target, 0).size(), 384u); // no size: every block written whole
}

TEST_P(Engine, ReceiveLongObjectsNumberBlocksPast255AndTakeLargeBlocks) {
    const std::string small = Pattern(300 * 128, 3); // 300 blocks
    EXPECT_EQ(Receive(small, "", int32_t(small.size())), small);
    const std::string large = Pattern(3000, 5);
    EXPECT_EQ(Receive(large, Dir.File("large"), 3000, 1024), large);
}

TEST_P(Engine, ReceiveRepeatedBlockIsAcknowledgedAndDropped) {
    const std::string a = Pattern(128, 1), b = Pattern(128, 2), c = Pattern(128, 9);
    std::vector<int> replies;
    TPeerThread peer([&] {
        ASSERT_EQ(Peer->ReadByte(5000), NAK);
        replies = {Peer->Reply(Block(1, a)),
                   Peer->Reply(Block(1, a)), // as if our ACK had been lost
                   Peer->Reply(Block(3, c)), // out of sequence: rejected
                   Peer->Reply(Block(2, b)), Peer->Reply(EOT)};
    });
    TYModemRX rx("", false, 0, H.Status());
    H.Run(rx);
    peer.Join();
    EXPECT_TRUE(rx.Done());
    EXPECT_EQ(rx.RxData(), a + b);
    EXPECT_EQ(replies, (std::vector<int>{ACK, ACK, NAK, ACK, ACK}));
    EXPECT_EQ(H.Count(skError), 1); // only the rejected block
}

TEST_P(Engine, ReceiveDamagedBlockIsRejectedAndResent) {
    const std::string a = Pattern(128, 4);
    TPeerThread peer([&] {
        ASSERT_EQ(Peer->ReadByte(5000), NAK);
        std::string damaged = Block(1, a);
        damaged[40] ^= 0x10;
        EXPECT_EQ(Peer->Reply(damaged), NAK);
        if (!IsUsbKind(GetParam())) {
            // A short block times out (on USB that silence would end the connection).
            EXPECT_EQ(Peer->Reply(Block(1, a).substr(0, 100), 8000), NAK);
        }
        EXPECT_EQ(Peer->Reply(Block(1, a)), ACK);
        EXPECT_EQ(Peer->Reply(EOT), ACK);
    });
    TYModemRX rx("", false, 0, H.Status());
    H.Run(rx);
    EXPECT_TRUE(rx.Done());
    EXPECT_EQ(rx.RxData(), a);
    EXPECT_TRUE(H.HasError(ConnectionErrorText));
}

TEST_P(Engine, ReceiveSilentHeader) {
    // A serial read times out after 3 s and counts as one bad header byte; on USB 2.5 s
    // without a byte while no dialog is up ends the connection.
    int second = -1;
    TPeerThread peer([&] {
        ASSERT_EQ(Peer->ReadByte(5000), NAK);
        second = Peer->ReadByte(6000);
        if (second == NAK) {
            EXPECT_EQ(Peer->Reply(Block(1, Pattern(128))), ACK);
            EXPECT_EQ(Peer->Reply(EOT), ACK);
        }
    });
    TYModemRX rx("", false, 0, H.Status());
    H.Run(rx);
    peer.Join();
    if (!IsUsbKind(GetParam())) {
        EXPECT_EQ(second, NAK);
        EXPECT_TRUE(rx.Done());
        EXPECT_EQ(rx.RxData(), Pattern(128));
    } else {
        EXPECT_EQ(second, CAN);
        EXPECT_FALSE(rx.Done());
        EXPECT_TRUE(H.HasError(ConnectionErrorText));
    }
}

// File size x start byte x link.
class TxBlocks : public EngineBase,
                 public ::testing::TestWithParam<std::tuple<size_t, uint8_t, TLinkKind>> {
protected:
    void SetUp() override { Open(std::get<2>(GetParam())); }
};

TEST_P(TxBlocks, FileGoesInTheRightBlocksWithTheAskedCheck) {
    const auto [size, start, kind] = GetParam();
    const auto got = Send(File(size), [&] { return PeerReceiveObject(*Peer, start); });
    ASSERT_TRUE(got.Ok);
    EXPECT_EQ(got.Data.substr(0, size), Pattern(size));

    // 1024-byte blocks while a whole one remains, then 128-byte blocks.
    std::string headers;
    for (const auto& b : got.Blocks) headers += b[0] == char(STX) ? 'L' : 'S';
    const std::map<size_t, std::string> expected = {
        {100, "S"}, {900, "SSSSSSSS"}, {1100, "LS"}, {2048, "LL"}};
    EXPECT_EQ(headers, expected.at(size));

    // The last progress report shows the whole file.
    ASSERT_GE(H.Records.size(), 2u);
    EXPECT_EQ(H.Records[H.Records.size() - 2].Kind, skProgress);
    EXPECT_EQ(H.Records[H.Records.size() - 2].Position, int(size));
    EXPECT_EQ(H.Records[H.Records.size() - 2].Max, int(size));
    EXPECT_EQ(H.Records.front().Msg, "Copying " + Dir.File("send-" + std::to_string(size)));
}

INSTANTIATE_TEST_SUITE_P(
    Files, TxBlocks,
    ::testing::Combine(::testing::Values(size_t(100), size_t(900), size_t(1100), size_t(2048)),
                       ::testing::Values(NAK, CRC_ARC_START, CRC_KERMIT_START),
                       ::testing::Values(TLinkKind::MemorySerial, TLinkKind::MemoryUsb)),
    [](const auto& info) {
        const uint8_t s = std::get<1>(info.param);
        return std::to_string(std::get<0>(info.param)) +
               (s == NAK             ? "Sum"
                : s == CRC_ARC_START ? "Arc"
                                     : "Kermit") +
               KindName(std::get<2>(info.param));
    });

TEST_P(Engine, SendSmallBlocksAfterAKnownStartByteAndAnEmptyFile) {
    // The start byte was read by the caller: the engine begins at once.
    auto got = Send(
        File(2048), [&] { return PeerReceiveObject(*Peer, CRC_ARC_START, false); }, "C");
    EXPECT_EQ(got.Blocks.size(), 16u);
    EXPECT_EQ(got.Data, Pattern(2048));
    got = Send(File(0), [&] { return PeerReceiveObject(*Peer, NAK); });
    EXPECT_TRUE(got.Ok);
    EXPECT_TRUE(got.Blocks.empty()); // only the EOT
}

TEST_P(Engine, SendMissingReplyWaitsAndResends) {
    if (IsUsbKind(GetParam())) GTEST_SKIP() << "on USB that silence ends the connection";
    const auto got = Send(File(100), [&] {
        Peer->WriteByte(NAK);
        Peer->Read(132, 4000); // no answer: the engine waits its time-out and 800 ms
        return PeerReceiveObject(*Peer, NAK, false, 6000);
    });
    EXPECT_TRUE(got.Ok);
    EXPECT_EQ(got.Blocks.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Links, Engine,
                         ::testing::Values(TLinkKind::MemorySerial, TLinkKind::MemoryUsb),
                         [](const auto& info) { return KindName(info.param); });

struct TFault {
    const char* Name;
    bool Send;        // the PC sends the file (else it receives into it)
    const char* File; // in the scratch folder
    int Size;         // the file's size before the transfer; -1: no such file
    std::function<void(TPeerLink&, TFakeUi&)> Script; // the calculator's part until the PC gives up
    size_t CanBytes;                                  // then read this many bytes
    int Cans;                                         // holding at least this many CANs
    TModalResult Result;
    int Errors;             // error reports in all
    bool FileError = false; // the PC's file would not open (else the connection error)
};

void PrintTo(const TFault& f, std::ostream* os) {
    *os << f.Name;
}

const TFault Faults[] = {
    {"ReceiveCanKeepsThePreviousFile", false, "keep.zq", 17,
     [](TPeerLink& p, TFakeUi&) {
         ASSERT_EQ(p.ReadByte(5000), NAK);
         EXPECT_EQ(p.Reply(Block(1)), ACK);
         p.WriteByte(CAN);
     },
     4, 4, TModalResult::Ok, 1},
    {"ReceiveSixBadHeaderBytes", false, "bad", -1,
     [](TPeerLink& p, TFakeUi&) {
         ASSERT_EQ(p.ReadByte(5000), NAK);
         for (int i = 0; i < 6; ++i) EXPECT_EQ(p.Reply('x'), NAK);
     },
     4, 4, TModalResult::Ok, 1},
    {"ReceiveUserCancel", false, "cancelled", -1,
     [](TPeerLink& p, TFakeUi& ui) {
         ASSERT_EQ(p.ReadByte(5000), NAK);
         EXPECT_EQ(p.Reply(Block(1)), ACK);
         ui.Progress.Cancel(); // the dialog's Cancel button
         SleepMs(200);         // the owner has set the termination flag by now
         // The engine looks at the flag before each header; it may already have.
         p.Write(Block(2));
     },
     8, 4, TModalResult::Cancel, 1},
    {"ReceiveIntoAMissingFolder", false, "no/such/folder/x.zq", -1,
     [](TPeerLink& p, TFakeUi&) { p.Drain(500); }, 0, 0, TModalResult::Ok, 1, true},
    {"SendSixNaks", true, "send", 300,
     [](TPeerLink& p, TFakeUi&) {
         int blocks = 0; // each block refused
         for (int b = p.Reply(NAK, 4000); b == SOH; b = p.Reply(NAK, 4000))
             blocks += p.Read(131, 4000).size() == 131;
         EXPECT_EQ(blocks, 6); // the first CAN ended the loop
     },
     2, 2, TModalResult::Ok, 6}, // five resends reported, then the connection error
    {"SendCanAfterBadStartBytes", true, "send", 300,
     [](TPeerLink& p, TFakeUi&) {
         p.Write("xyz"); // not start bytes: each counts
         p.WriteByte(NAK);
         p.Read(132, 4000);
         p.WriteByte(CAN);
     },
     3, 3, TModalResult::Ok, 1},
    {"SendUnansweredEot", true, "send", 0,
     [](TPeerLink& p, TFakeUi&) {
         int eots = 0; // each EOT refused
         for (int b = p.Reply(NAK, 3000); b == EOT; b = p.Reply(NAK, 3000)) ++eots;
         EXPECT_EQ(eots, 5);
     },
     0, 0, TModalResult::Ok, 1},
    {"SendUserCancel", true, "send", 5000,
     [](TPeerLink& p, TFakeUi& ui) {
         p.WriteByte(NAK);
         p.Read(1028, 4000);
         ui.Progress.Cancel();
         SleepMs(200);
         p.WriteByte(ACK);
     },
     3, 3, TModalResult::Cancel, 1},
    {"SendAMissingFile", true, "absent.zq", -1,
     [](TPeerLink& p, TFakeUi&) {
         p.WriteByte(NAK);
         p.Drain(500);
     },
     0, 0, TModalResult::Ok, 1, true},
};

class EngineFault : public EngineBase,
                    public ::testing::TestWithParam<std::tuple<TFault, TLinkKind>> {
protected:
    void SetUp() override { Open(std::get<1>(GetParam())); }
};

TEST_P(EngineFault, EndsTheTransferAndLeavesTheFilesAsTheyWere) {
    const TFault& f = std::get<0>(GetParam());
    const std::string path = Dir.File(f.File);
    if (f.Size >= 0) WriteTestFile(path, Pattern(f.Size, 7));
    int cans = 0;
    TPeerThread script([&] {
        f.Script(*Peer, H.Ui);
        cans = CansFrom(*Peer, f.CanBytes);
    });
    const auto run = [&](auto&& engine) {
        EXPECT_EQ(H.Run(engine), f.Result);
        script.Join();
        EXPECT_FALSE(engine.Done());
    };
    if (f.Send)
        run(TYModemTX(path, false, "", H.Status()));
    else
        run(TYModemRX(path, true, 0, H.Status()));
    EXPECT_GE(cans, f.Cans);
    EXPECT_EQ(H.Count(skError), f.Errors);
    EXPECT_TRUE(H.HasError(f.FileError ? "Error (Unable to open file " + path +
                                             " - No such file or directory)"
                                       : std::string(ConnectionErrorText)));
    EXPECT_EQ(H.Ui.Main.Connected, f.FileError); // a PC file's failure keeps the link
    EXPECT_TRUE(SendFileHandle.Empty());
    EXPECT_TRUE(ReceiveFileHandle.Empty());
    EXPECT_EQ(ReadTestFile(path), f.Size >= 0 ? Pattern(f.Size, 7) : "<missing>");
    EXPECT_EQ(Dir.Entries(), f.Size >= 0 ? 1 : 0) << "no temporary file left";
}

INSTANTIATE_TEST_SUITE_P(Both, EngineFault,
                         ::testing::Combine(::testing::ValuesIn(Faults),
                                            ::testing::Values(TLinkKind::MemorySerial,
                                                              TLinkKind::MemoryUsb)),
                         [](const auto& info) {
                             return std::get<0>(info.param).Name +
                                    KindName(std::get<1>(info.param));
                         });

TEST(RawImage, StreamIsLengthThenBytesAndThePortCloses) {
    TEngineHarness h;
    TTempDir dir;
    TMemoryPeer peer(true);
    OpenPort(peer.PortName(), 9600);
    const std::string image = Pattern(70000, 11);
    WriteTestFile(dir.File("rom.bin"), image);
    std::string got;
    TPeerThread script([&] { got = peer.Read(image.size() + 4, 10000); });
    TSTX stx(dir.File("rom.bin"), h.Status());
    EXPECT_EQ(h.Run(stx), TModalResult::Ok);
    script.Join();
    EXPECT_TRUE(stx.ImageSent());
    EXPECT_EQ(got.substr(0, 4), std::string("\x70\x11\x01\x00", 4)); // 70000 little-endian
    EXPECT_EQ(got.substr(4), image);
    EXPECT_EQ(h.Records.front().Msg, "Connecting ...");
    EXPECT_FALSE(CalcPort.IsOpen());

    OpenPort(peer.PortName(), 9600);
    TSTX missing(dir.File("none.bin"), h.Status());
    EXPECT_EQ(h.Run(missing), TModalResult::Ok); // the dialog still closes
    EXPECT_FALSE(missing.ImageSent());
    EXPECT_FALSE(CalcPort.IsOpen());
}

} // namespace
} // namespace lw::test
