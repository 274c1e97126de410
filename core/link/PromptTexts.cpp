#include "link/PromptTexts.h"

#include <array>

namespace lw {

namespace {

// "ZQKAGII ZQKBg and ZQKCg series": what the "%s" of the prompt texts stands for.
constexpr TUiText PromptSeries = LW_UI_TEXT("CoreTexts", "ZQKAGII ZQKBg and ZQKCg series", "65165");

constexpr TUiText Text65152 = LW_UI_TEXT(
    "CoreTexts",
    "To Start Xsrvr on the Calculator:\r\n\r\nOn the %s:\r\n   Press right-shift, release, then "
    "right-arrow\r\n   then ENTER\r\n\r\nOn the ZQKAG(X):\r\n   Press right-shift then LIB then "
    "Xsrvr (lib)\r\n   Press Xsrvr (command)\r\n\r\nPress OK below to start the connection.\r\n",
    "65152");
constexpr TUiText Text65153 = LW_UI_TEXT(
    "CoreTexts",
    "On the %s:\r\n1.  Press XRECV or type XRECV left-shift ()\r\n2.  Type  '  ALPHA  X  (or any "
    "other name)\r\n3.  Press  ENTER\r\n\r\nOn the ZQKAG(X):\r\n1.  Type  '  ALPHA  X  (or any "
    "other name)\r\n2.  Press Left-Shift   I/O   NXT   XRECV\r\n\r\nThe receive command should "
    "start.\r\nTransfer begins when Calculator sends a start.\r\n",
    "65153");
constexpr TUiText Text65154 = LW_UI_TEXT(
    "CoreTexts",
    "On the %s:\r\n1.  Press XSEND or type XSEND left-shift ()\r\n2.  Type ' and the name of the "
    "item to send\r\n3.  Press  ENTER\r\n\r\nOn the ZQKAG(X):\r\n1.  Type ' and the name of the "
    "item to send\r\n2.  Press: XSEND\r\n\r\nThe send command should start.\r\nPress OK below.\r\n",
    "65154");
constexpr TUiText Text65155 = LW_UI_TEXT(
    "CoreTexts",
    "On the ZQKAG(X):\r\n\r\n1.  Type ' ALPHA  X   (or any other name)\r\n2.  Press: Left-Shift   "
    "I/O   NXT   XRECV\r\n3.  The receive command should start.\r\n\r\n\r\nTransfer begins when "
    "Calculator sends a start.\r\n",
    "65155");
constexpr TUiText Text65156 = LW_UI_TEXT(
    "CoreTexts",
    "On the ZQKAG(X):\r\n\r\n1.  The server should now be in the 'X' variable \r\n     (or name "
    "that you used)\r\n2.  Press VAR  then  X to place the library on the \r\n     stack\r\n3.  "
    "Type 0 (or 1)  STO  to store into port 0 (or 1)\r\n4.  Turn the ZQ-KA off then on\r\n5.  "
    "Press:  right-shift   LIBRARY\r\n6.  The menu labeled XSRVR contains the \r\n     XModem "
    "Server\r\n",
    "65156");
constexpr TUiText Text65157 = LW_UI_TEXT(
    "CoreTexts",
    "Setup Calculator Screen, then\r\n\r\nOn the %s: \r\n   Press ON plus up-arrow\r\n\r\nOn the "
    "ZQKAG(X):\r\n   Press ON plus 1\r\n\r\n\r\nCapture begins when Calculator starts sending.\r\n",
    "65157");
constexpr TUiText Text65158 = LW_UI_TEXT(
    "CoreTexts",
    "On the %s:\r\n1.  Type  '  ALPHA  X  (or any other name)\r\n2.  Press XRECV\r\n\r\nOn the "
    "ZQKAG(X):\r\n1.  Type  '  ALPHA  X  (or any other name)\r\n2.  Press Left-Shift   I/O   NXT   "
    "XRECV\r\n\r\nThe receive command should start.\r\nTransfer begins when Calculator sends a "
    "start.\r\n",
    "65158");
constexpr TUiText Text65159 =
    LW_UI_TEXT("CoreTexts",
               "On the Calculator:\r\n\r\n1.  The file should now be in the 'X' "
               "variable \r\n     (or name that you used)\r\n",
               "65159");
constexpr TUiText Text65160 = LW_UI_TEXT(
    "CoreTexts",
    "On the %s:\r\n1.  Type ' and the name of the item to send\r\n2.  Press XSEND\r\n\r\nOn the "
    "ZQKAG(X):\r\n1.  Type ' and the name of the item to send\r\n2.  Press: XSEND\r\n\r\nThe send "
    "command should start.\r\nPress OK below.\r\n",
    "65160");
constexpr TUiText Text65161 = LW_UI_TEXT(
    "CoreTexts",
    "On the Calculator:\r\n\r\n1.  Hold + and - (3 secs.) while pressing RESET\r\n2.  Press 1 to "
    "load OS/ROM\r\n3.  Press 1 for USB\r\n4.  Unplug then plug USB cable\r\n5.  Press OK "
    "below.\r\n",
    "65161");
constexpr TUiText Text65162 = LW_UI_TEXT(
    "CoreTexts",
    "To Start Xsrvr on the Calculator:\r\n\r\nOn the %s:\r\n   Press right-shift, release, then "
    "right-arrow\r\n\r\nOn the ZQKAG(X):\r\n   Press right-shift then LIB then Xsrvr (lib)\r\n   "
    "Press Xsrvr (command)\r\n\r\nPress OK below to start the connection.\r\n",
    "65162");
constexpr TUiText Text65163 = LW_UI_TEXT(
    "CoreTexts",
    "The Calculator memory has been restored\r\nbut it may take a few minutes to reorganize\r\nand "
    "be ready for commands.\r\n\r\nOn the Calculator:\r\n  Press VAR then run FLAG to restore all "
    "flags.\r\n\r\nTo connect to the Calculator:\r\n  On the Calculator, restart the server "
    "(XSrvr)\r\n  Press the \"Connect\" button below.\r\n\r\nOtherwise, press CANCEL.\r\n",
    "65163");
constexpr TUiText Text65164 =
    LW_UI_TEXT("CoreTexts", "Another Capture begins when Calculator starts sending.", "65164");

constexpr TUiText Title65245 = LW_UI_TEXT("CoreTexts", "Set the Calculator", "65245");
constexpr TUiText Title65204 = LW_UI_TEXT("CoreTexts", "Wait for the Calculator", "65204");
constexpr TUiText Button65205 = LW_UI_TEXT("CoreTexts", "OK", "65205");
constexpr TUiText Button65224 = LW_UI_TEXT("CoreTexts", "Connect...", "65224");

constexpr std::array AllTexts = {Text65152,   Text65153,   Text65154,   Text65155,  Text65156,
                                 Text65157,   Text65158,   Text65159,   Text65160,  Text65161,
                                 Text65162,   Text65163,   Text65164,   Title65245, Title65204,
                                 Button65205, Button65224, PromptSeries};

std::string FillSeries(const char* text) {
    std::string s = text;
    const auto at = s.find("%s");
    if (at != std::string::npos) s.replace(at, 2, PromptSeries.Text);
    return s;
}

} // namespace

const char* const PromptSeriesText = PromptSeries.Text;

TUiText PromptSeriesUiText() {
    return PromptSeries;
}

TUiText PromptTextTemplate(TPromptKind kind, bool rpn) {
    switch (kind) {
    case TPromptKind::ServerXRecv:
        return Text65155;
    case TPromptKind::ServerSent:
        return Text65156;
    case TPromptKind::CaptureFirst:
        return Text65157;
    case TPromptKind::FileXRecv:
        return rpn ? Text65158 : Text65153;
    case TPromptKind::FileSent:
        return Text65159;
    case TPromptKind::FileXSend:
        return rpn ? Text65160 : Text65154;
    case TPromptKind::RomDownload:
        return Text65161;
    case TPromptKind::Connect:
        return rpn ? Text65162 : Text65152;
    case TPromptKind::Reconnect:
        return Text65163;
    case TPromptKind::CaptureNext:
        return Text65164;
    case TPromptKind::Custom:
        break;
    }
    return {"", ""};
}

std::string PromptText(TPromptKind kind, bool rpn) {
    return FillSeries(PromptTextTemplate(kind, rpn).Text);
}

bool HasAlgWording(TPromptKind kind) {
    return kind == TPromptKind::FileXRecv || kind == TPromptKind::FileXSend ||
           kind == TPromptKind::Connect;
}

TUiText PromptTitleText(TPromptKind kind) {
    return kind == TPromptKind::Reconnect ? Title65204 : Title65245;
}

std::string PromptTitle(TPromptKind kind) {
    return PromptTitleText(kind).Text;
}

TUiText PromptOkText(TPromptKind kind) {
    return kind == TPromptKind::Reconnect ? Button65224 : Button65205;
}

std::string PromptOkCaption(TPromptKind kind) {
    return PromptOkText(kind).Text;
}

bool IsModelessPrompt(TPromptKind kind) {
    return kind == TPromptKind::ServerXRecv || kind == TPromptKind::CaptureFirst ||
           kind == TPromptKind::FileXRecv || kind == TPromptKind::CaptureNext;
}

bool IsAcknowledgePrompt(TPromptKind kind) {
    return kind == TPromptKind::ServerSent || kind == TPromptKind::FileSent;
}

std::optional<TUiText> FindPromptText(std::string_view text) {
    for (const TUiText& t : AllTexts)
        if (text == t.Text || text == FillSeries(t.Text)) return t;
    return std::nullopt;
}

} // namespace lw
