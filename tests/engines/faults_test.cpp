// Failed transfers in both directions over both links: the calculator cancels, refuses or says
// nothing, the user cancels, or the PC's own file fails. Each must end the transfer, answer
// with CANs where the link is still up, report the error, and leave the PC's files as they were.
#include "support/EngineHarness.h"
#include "support/TempDir.h"
#include "support/XModemPeer.h"

#include <gtest/gtest.h>
#include <tuple>

namespace lw::test {
namespace {

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

std::string Block(uint32_t number) {
    return BuildBlock(number, Pattern(128), TCheckMethod::Checksum);
}

const TFault Faults[] = {
    {"ReceiveCanKeepsThePreviousFile", false, "keep.zq", 17,
     [](TPeerLink& p, TFakeUi&) {
         ASSERT_EQ(p.ReadByte(5000), NAK);
         p.Write(Block(1));
         EXPECT_EQ(p.ReadByte(5000), ACK);
         p.WriteByte(CAN);
     },
     4, 4, TModalResult::Ok, 1},
    {"ReceiveSixBadHeaderBytes", false, "bad", -1,
     [](TPeerLink& p, TFakeUi&) {
         ASSERT_EQ(p.ReadByte(5000), NAK);
         for (int i = 0; i < 6; ++i) {
             p.WriteByte('x');
             EXPECT_EQ(p.ReadByte(5000), NAK);
         }
     },
     4, 4, TModalResult::Ok, 1},
    {"ReceiveUserCancel", false, "cancelled", -1,
     [](TPeerLink& p, TFakeUi& ui) {
         ASSERT_EQ(p.ReadByte(5000), NAK);
         p.Write(Block(1));
         EXPECT_EQ(p.ReadByte(5000), ACK);
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
         p.WriteByte(NAK);
         int blocks = 0;
         while (p.ReadByte(4000) == SOH) {
             p.Read(131, 4000);
             ++blocks;
             p.WriteByte(NAK);
         }
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
         p.WriteByte(NAK);
         int eots = 0;
         while (p.ReadByte(3000) == EOT) {
             ++eots;
             p.WriteByte(NAK);
         }
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

class EngineFault : public ::testing::TestWithParam<std::tuple<TFault, TLinkKind>> {
protected:
    void TearDown() override { ClosePorts(CalcPort); }
    TEngineHarness H;
    TTempDir Dir;
};

TEST_P(EngineFault, EndsTheTransferAndLeavesTheFilesAsTheyWere) {
    const auto& [f, kind] = GetParam();
    const std::unique_ptr<TPeerLink> peer = MakePeer(kind);
    OpenPort(peer->PortName(), 115200);
    const std::string path = Dir.File(f.File);
    if (f.Size >= 0) WriteTestFile(path, Pattern(f.Size, 7));
    int cans = 0;
    TPeerThread script([&] {
        f.Script(*peer, H.Ui);
        cans = CansFrom(*peer, f.CanBytes);
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
                                            ::testing::Values(TLinkKind::Serial, TLinkKind::Usb)),
                         [](const auto& info) {
                             return std::get<0>(info.param).Name +
                                    KindName(std::get<1>(info.param));
                         });

} // namespace
} // namespace lw::test
