// Transfers the calculator starts itself: XRECV and XSEND, the operating-system download over
// the USB pipes, and the screen capture.
#include "support/SimSession.h"

#include "server/Commands.h"
#include "util/Files.h"

#include <gtest/gtest.h>

namespace lw::test {
namespace {

class XRecv : public ::testing::TestWithParam<const char*> {};

TEST_P(XRecv, FileArrivesInTheNamedVariable) {
    TSimSession s;
    const std::string file = s.File("send.zq");
    WriteStringToFile(s.Var("LST"), file);
    s.OpenPortOnly();
    s.Ui.Prompt.ShowPrompt(TPromptKind::FileXRecv,
                           ""); // "start XRECV on the calculator", shown while waiting
    s.Control(std::string("xrecv COPY ") + GetParam());
    ASSERT_TRUE(SendToXRecv(*s.Server, file));
    EXPECT_FALSE(s.Ui.Prompt.Visible);
    EXPECT_FALSE(s.Ui.Main.Connected);
    EXPECT_NE(s.Sim->WaitEvent("xrecv COPY stored", 5000), "");
    EXPECT_EQ(s.Var("COPY"), s.Var("LST"));
}

INSTANTIATE_TEST_SUITE_P(CheckModes, XRecv, ::testing::Values("nak", "crc", "kermit"));

TEST(XRecvWait, ClosedPromptSendsNothing) {
    TSimSession s;
    const std::string file = s.File("send.zq");
    WriteStringToFile(s.Var("X"), file);
    s.OpenPortOnly();
    EXPECT_FALSE(SendToXRecv(*s.Server, file)); // no prompt shown: one short look, then give up
}

TEST(XSend, ReceivedObjectIsWrittenWithoutPadding) {
    TSimSession s;
    const std::string file = s.File("got.zq");
    WriteStringToFile("previous", file);
    s.OpenPortOnly();
    s.Control("xsend MSG");
    ASSERT_TRUE(ReceiveXSendToFile(*s.Server, file));
    EXPECT_EQ(ReadTestFile(file), s.Var("MSG"));
    EXPECT_TRUE(s.Server->Data.empty());
    EXPECT_FALSE(s.Ui.Main.Busy);
    EXPECT_TRUE(s.Ui.Main.Messages.empty());
}

TEST(Rom, ImageGoesOverTheUsbPipesAnUnreadableFileNot) {
    TSimSession s({.Usb = true});
    const std::string image = Pattern(10000);
    const std::string file = s.File("os.bin");
    WriteStringToFile(image, file);
    s.OpenPortOnly();
    s.Control("rom");
    // A file that cannot be read fails before anything is sent.
    EXPECT_ANY_THROW(s.Server->SendRom(s.File("missing.bin")));
    EXPECT_EQ(s.Sim->Stats().RomLength, 0u);
    ASSERT_TRUE(s.Server->SendRom(file));
    EXPECT_NE(s.Sim->WaitEvent("rom received", 5000), "");
    const sim::TSimStats stats = s.Sim->Stats();
    EXPECT_TRUE(stats.RomComplete);
    EXPECT_EQ(stats.RomLength, image.size());
    EXPECT_TRUE(stats.RomImage == image);
    EXPECT_FALSE(s.Ui.Main.Busy);
}

struct TLayout {
    const char* Name;
    size_t Size;
    unsigned char First;
};

class Capture : public ::testing::TestWithParam<TLayout> {};

TEST_P(Capture, LayoutArrivesWhole) {
    TSimSession s({.Usb = false, .Speed = "115200"});
    s.OpenPortOnly();
    s.Ui.Prompt.ShowPrompt(TPromptKind::CaptureFirst, "");
    s.Control(std::string("capture ") + GetParam().Name);
    std::string image;
    ASSERT_EQ(s.Server->CaptureScreen(image), TCaptureOutcome::Received);
    ASSERT_EQ(image.size(), GetParam().Size);
    EXPECT_EQ(static_cast<unsigned char>(image[0]), GetParam().First);
    EXPECT_FALSE(s.Ui.Prompt.Visible);
    EXPECT_FALSE(s.Ui.Main.Busy);
}

INSTANTIATE_TEST_SUITE_P(Layouts, Capture,
                         ::testing::Values(TLayout{"band", 1081, 27}, TLayout{"w", 1094, 0},
                                           TLayout{"header", 1 + 5 + 64 * 17, 0}),
                         [](const auto& info) { return std::string(info.param.Name); });

} // namespace
} // namespace lw::test
