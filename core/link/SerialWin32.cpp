#include "link/SerialWin32.h"

#include "util/MessageTexts.h"
#include "util/WinText.h"

#include <algorithm>
#include <cctype>
#include <windows.h>

namespace lw::port {

namespace {

constexpr const char* DevicePrefix = "\\\\.\\";

// The port number of "COMn" (upper case), 0 for anything else.
unsigned ComNumber(const std::string& upper) {
    if (upper.size() < 4 || upper.compare(0, 3, "COM") != 0 || upper.size() > 6) return 0;
    unsigned n = 0;
    for (size_t i = 3; i < upper.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(upper[i]))) return 0;
        n = n * 10 + unsigned(upper[i] - '0');
    }
    return n >= 1 && n <= 256 ? n : 0;
}

void AddPort(std::vector<std::string>& ports, const std::string& name) {
    const std::string port = ComPortName(name);
    if (!port.empty() && std::find(ports.begin(), ports.end(), port) == ports.end())
        ports.push_back(port);
}

} // namespace

std::string ComPortName(const std::string& name) {
    std::string upper = name;
    if (upper.compare(0, 4, DevicePrefix) == 0) upper.erase(0, 4);
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return char(std::toupper(c)); });
    return ComNumber(upper) ? upper : std::string();
}

std::string ComDevicePath(const std::string& name) {
    const std::string port = ComPortName(name);
    return port.empty() ? std::string() : DevicePrefix + port;
}

std::string ComOpenFailureText(const std::string& name, unsigned long error) {
    const std::string port = ComPortName(name).empty() ? name : ComPortName(name);
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_BAD_UNIT:
    case ERROR_DEV_NOT_EXIST:
        return msg::Fill(msg::PortMissing, {port});
    case ERROR_SHARING_VIOLATION:
    case ERROR_BUSY:
        return msg::Fill(msg::PortInUse, {port});
    case ERROR_ACCESS_DENIED:
        // Windows answers so for a port another program holds open as well.
        return "Access to " + port + " is denied (is it in use by another program?)";
    case ERROR_INVALID_NAME:
        return port + " is not a serial port";
    default:
        return port + ": " + SystemErrorText(error);
    }
}

bool ComPortBefore(const std::string& a, const std::string& b) {
    const unsigned na = ComNumber(a), nb = ComNumber(b);
    return na != nb ? na < nb : a < b;
}

std::vector<std::string> ComPorts() {
    std::vector<std::string> ports;
    HKEY key = nullptr;
    if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, KEY_READ,
                        &key) == ERROR_SUCCESS) {
        for (DWORD i = 0;; ++i) {
            wchar_t valueName[256];
            wchar_t data[256];
            DWORD nameSize = 256, dataSize = sizeof data, type = 0;
            const LONG r = ::RegEnumValueW(key, i, valueName, &nameSize, nullptr, &type,
                                           reinterpret_cast<BYTE*>(data), &dataSize);
            if (r == ERROR_NO_MORE_ITEMS) break;
            if (r != ERROR_SUCCESS || type != REG_SZ) continue;
            AddPort(ports, Utf8Text(std::wstring(data, wcsnlen(data, dataSize / sizeof(wchar_t)))));
        }
        ::RegCloseKey(key);
    }
    // Every DOS device name, each ended by a zero; the list by a second zero.
    std::wstring names(65536, L'\0');
    const DWORD n = ::QueryDosDeviceW(nullptr, names.data(), DWORD(names.size()));
    for (size_t start = 0; start < n && names[start] != L'\0';) {
        const size_t end = names.find(L'\0', start);
        AddPort(ports, Utf8Text(names.substr(start, end - start)));
        start = end + 1;
    }
    std::sort(ports.begin(), ports.end(), ComPortBefore);
    return ports;
}

TComPort::~TComPort() {
    Close();
}

bool TComPort::Open(const std::string& name, int speed) {
    Close();
    FName = ComPortName(name).empty() ? name : ComPortName(name);
    FFailure.clear();
    const std::string path = ComDevicePath(name);
    if (path.empty()) {
        FFailure = ComOpenFailureText(name, ERROR_INVALID_NAME);
        return false;
    }
    // No sharing: the port is this program's alone while it is open.
    HANDLE h = ::CreateFileW(WideText(path).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                             OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        FFailure = ComOpenFailureText(name, ::GetLastError());
        return false;
    }
    FHandle = h;
    DCB dcb{};
    dcb.DCBlength = sizeof dcb;
    if (!::GetCommState(h, &dcb)) {
        FFailure = ComOpenFailureText(name, ::GetLastError());
        Close();
        return false;
    }
    dcb.BaudRate = DWORD(speed);
    dcb.fBinary = TRUE;
    dcb.fParity = FALSE;
    dcb.ByteSize = 8;
    dcb.Parity = NOPARITY;
    dcb.StopBits = ONESTOPBIT;
    dcb.fOutxCtsFlow = FALSE;
    dcb.fOutxDsrFlow = FALSE;
    dcb.fDsrSensitivity = FALSE;
    dcb.fOutX = FALSE;
    dcb.fInX = FALSE;
    dcb.fNull = FALSE;
    dcb.fAbortOnError = FALSE;
    dcb.fDtrControl = DTR_CONTROL_ENABLE;
    dcb.fRtsControl = RTS_CONTROL_ENABLE;
    if (!::SetCommState(h, &dcb) || !SetTimeouts(0, 0)) {
        FFailure = ComOpenFailureText(name, ::GetLastError());
        Close();
        return false;
    }
    ::PurgeComm(h, PURGE_RXCLEAR | PURGE_TXCLEAR); // what an earlier user left
    return true;
}

void TComPort::Close() {
    if (FHandle) ::CloseHandle(static_cast<HANDLE>(FHandle));
    FHandle = nullptr;
    FReadTimeout = FWriteTimeout = UINT32_MAX;
}

bool TComPort::SetSpeed(int speed) {
    if (!FHandle || speed <= 0) return false;
    DCB dcb{};
    dcb.DCBlength = sizeof dcb;
    if (!::GetCommState(static_cast<HANDLE>(FHandle), &dcb)) return false;
    dcb.BaudRate = DWORD(speed);
    return ::SetCommState(static_cast<HANDLE>(FHandle), &dcb) != 0;
}

bool TComPort::SetTimeouts(uint32_t readMs, uint32_t writeMs) {
    if (readMs == FReadTimeout && writeMs == FWriteTimeout) return true;
    // A read takes what has arrived at once; with nothing there it waits up to readMs for the
    // first byte (the interval and multiplier both MAXDWORD with a constant say so), with no
    // time at all it returns empty.
    COMMTIMEOUTS t{};
    t.ReadIntervalTimeout = MAXDWORD;
    if (readMs > 0) {
        t.ReadTotalTimeoutMultiplier = MAXDWORD;
        t.ReadTotalTimeoutConstant = readMs;
    }
    t.WriteTotalTimeoutConstant = writeMs;
    if (!::SetCommTimeouts(static_cast<HANDLE>(FHandle), &t)) return false;
    FReadTimeout = readMs;
    FWriteTimeout = writeMs;
    return true;
}

long TComPort::Read(char* buf, size_t n, uint32_t waitMs) {
    if (!FHandle) return -1;
    if (n == 0) return 0;
    if (!SetTimeouts(waitMs, FWriteTimeout == UINT32_MAX ? 0 : FWriteTimeout)) return Failed();
    DWORD got = 0;
    if (!::ReadFile(static_cast<HANDLE>(FHandle), buf, DWORD(n), &got, nullptr)) return Failed();
    return long(got);
}

long TComPort::Write(const char* data, size_t size, uint32_t waitMs) {
    if (!FHandle) return -1;
    if (!SetTimeouts(FReadTimeout == UINT32_MAX ? 0 : FReadTimeout, waitMs)) return Failed();
    DWORD written = 0;
    if (!::WriteFile(static_cast<HANDLE>(FHandle), data, DWORD(size), &written, nullptr) &&
        ::GetLastError() != ERROR_TIMEOUT)
        return Failed();
    return long(written);
}

long TComPort::Failed() {
    FLastError = FName + ": " + SystemErrorText(::GetLastError());
    return -1;
}

void TComPort::PurgeInput() {
    if (FHandle) ::PurgeComm(static_cast<HANDLE>(FHandle), PURGE_RXCLEAR | PURGE_RXABORT);
}

bool TComPort::Present() const {
    if (!FHandle) return false;
    DWORD errors = 0;
    COMSTAT status{};
    return ::ClearCommError(static_cast<HANDLE>(FHandle), &errors, &status) != 0;
}

} // namespace lw::port
