#include "link/PromptTexts.h"

namespace lw {

namespace {

constexpr const char* Text65152 =
    "To Start Xsrvr on the Calculator:\r\n\r\nOn the %s:\r\n   Press right-shift, release, then "
    "right-arrow\r\n   then ENTER\r\n\r\nOn the ZQKAG(X):\r\n   Press right-shift then LIB then "
    "Xsrvr (lib)\r\n   Press Xsrvr (command)\r\n\r\nPress OK below to start the connection.\r\n";
constexpr const char* Text65153 =
    "On the %s:\r\n1.  Press XRECV or type XRECV left-shift ()\r\n2.  Type  '  ALPHA  X  (or any "
    "other name)\r\n3.  Press  ENTER\r\n\r\nOn the ZQKAG(X):\r\n1.  Type  '  ALPHA  X  (or any "
    "other name)\r\n2.  Press Left-Shift   I/O   NXT   XRECV\r\n\r\nThe receive command should "
    "start.\r\nTransfer begins when Calculator sends a start.\r\n";
constexpr const char* Text65154 =
    "On the %s:\r\n1.  Press XSEND or type XSEND left-shift ()\r\n2.  Type ' and the name of the "
    "item to send\r\n3.  Press  ENTER\r\n\r\nOn the ZQKAG(X):\r\n1.  Type ' and the name of the "
    "item to send\r\n2.  Press: XSEND\r\n\r\nThe send command should start.\r\nPress OK below.\r\n";
constexpr const char* Text65155 =
    "On the ZQKAG(X):\r\n\r\n1.  Type ' ALPHA  X   (or any other name)\r\n2.  Press: Left-Shift   "
    "I/O   NXT   XRECV\r\n3.  The receive command should start.\r\n\r\n\r\nTransfer begins when "
    "Calculator sends a start.\r\n";
constexpr const char* Text65156 =
    "On the ZQKAG(X):\r\n\r\n1.  The server should now be in the 'X' variable \r\n     (or name "
    "that you used)\r\n2.  Press VAR  then  X to place the library on the \r\n     stack\r\n3.  "
    "Type 0 (or 1)  STO  to store into port 0 (or 1)\r\n4.  Turn the ZQ-KA off then on\r\n5.  "
    "Press:  right-shift   LIBRARY\r\n6.  The menu labeled XSRVR contains the \r\n     XModem "
    "Server\r\n";
constexpr const char* Text65157 =
    "Setup Calculator Screen, then\r\n\r\nOn the %s: \r\n   Press ON plus up-arrow\r\n\r\nOn the "
    "ZQKAG(X):\r\n   Press ON plus 1\r\n\r\n\r\nCapture begins when Calculator starts sending.\r\n";
constexpr const char* Text65158 =
    "On the %s:\r\n1.  Type  '  ALPHA  X  (or any other name)\r\n2.  Press XRECV\r\n\r\nOn the "
    "ZQKAG(X):\r\n1.  Type  '  ALPHA  X  (or any other name)\r\n2.  Press Left-Shift   I/O   NXT   "
    "XRECV\r\n\r\nThe receive command should start.\r\nTransfer begins when Calculator sends a "
    "start.\r\n";
constexpr const char* Text65159 = "On the Calculator:\r\n\r\n1.  The file should now be in the 'X' "
                                  "variable \r\n     (or name that you used)\r\n";
constexpr const char* Text65160 =
    "On the %s:\r\n1.  Type ' and the name of the item to send\r\n2.  Press XSEND\r\n\r\nOn the "
    "ZQKAG(X):\r\n1.  Type ' and the name of the item to send\r\n2.  Press: XSEND\r\n\r\nThe send "
    "command should start.\r\nPress OK below.\r\n";
constexpr const char* Text65161 =
    "On the Calculator:\r\n\r\n1.  Hold + and - (3 secs.) while pressing RESET\r\n2.  Press 1 to "
    "load OS/ROM\r\n3.  Press 1 for USB\r\n4.  Unplug then plug USB cable\r\n5.  Press OK "
    "below.\r\n";
constexpr const char* Text65162 =
    "To Start Xsrvr on the Calculator:\r\n\r\nOn the %s:\r\n   Press right-shift, release, then "
    "right-arrow\r\n\r\nOn the ZQKAG(X):\r\n   Press right-shift then LIB then Xsrvr (lib)\r\n   "
    "Press Xsrvr (command)\r\n\r\nPress OK below to start the connection.\r\n";
constexpr const char* Text65163 =
    "The Calculator memory has been restored\r\nbut it may take a few minutes to reorganize\r\nand "
    "be ready for commands.\r\n\r\nOn the Calculator:\r\n  Press VAR then run FLAG to restore all "
    "flags.\r\n\r\nTo connect to the Calculator:\r\n  On the Calculator, restart the server "
    "(XSrvr)\r\n  Press the \"Connect\" button below.\r\n\r\nOtherwise, press CANCEL.\r\n";
constexpr const char* Text65164 = "Another Capture begins when Calculator starts sending.";

std::string FillSeries(const char* text) {
    std::string s = text;
    const auto at = s.find("%s");
    if (at != std::string::npos) s.replace(at, 2, PromptSeriesText);
    return s;
}

} // namespace

const char* const PromptSeriesText = "ZQKAGII ZQKBg and ZQKCg series";

std::string PromptText(TPromptKind kind, bool rpn) {
    switch (kind) {
    case TPromptKind::ServerXRecv:
        return Text65155;
    case TPromptKind::ServerSent:
        return Text65156;
    case TPromptKind::CaptureFirst:
        return FillSeries(Text65157);
    case TPromptKind::FileXRecv:
        return FillSeries(rpn ? Text65158 : Text65153);
    case TPromptKind::FileSent:
        return Text65159;
    case TPromptKind::FileXSend:
        return FillSeries(rpn ? Text65160 : Text65154);
    case TPromptKind::RomDownload:
        return Text65161;
    case TPromptKind::Connect:
        return FillSeries(rpn ? Text65162 : Text65152);
    case TPromptKind::Reconnect:
        return Text65163;
    case TPromptKind::CaptureNext:
        return Text65164;
    case TPromptKind::Custom:
        break;
    }
    return "";
}

bool HasAlgWording(TPromptKind kind) {
    return kind == TPromptKind::FileXRecv || kind == TPromptKind::FileXSend ||
           kind == TPromptKind::Connect;
}

std::string PromptTitle(TPromptKind kind) {
    return kind == TPromptKind::Reconnect ? "Wait for the Calculator" : "Set the Calculator";
}

std::string PromptOkCaption(TPromptKind kind) {
    return kind == TPromptKind::Reconnect ? "Connect..." : "OK";
}

bool IsModelessPrompt(TPromptKind kind) {
    return kind == TPromptKind::ServerXRecv || kind == TPromptKind::CaptureFirst ||
           kind == TPromptKind::FileXRecv || kind == TPromptKind::CaptureNext;
}

bool IsAcknowledgePrompt(TPromptKind kind) {
    return kind == TPromptKind::ServerSent || kind == TPromptKind::FileSent;
}

} // namespace lw
