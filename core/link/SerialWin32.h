// A serial port on Windows: CreateFile on \\.\COMn, SetCommState and SetCommTimeouts,
// ReadFile and WriteFile with time-outs, PurgeComm. Only Windows builds have it.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace lw::port {

// The port's name as the user knows it ("COM3") for "com3", "COM3" and "\\.\COM3"; "" for a
// name that is no COM port.
std::string ComPortName(const std::string& name);
// The device path CreateFile takes ("\\.\COM3"; the prefix is needed from COM10 on).
std::string ComDevicePath(const std::string& name);
// Why a COM port could not be opened, for the user, naming the port: "COM7 does not exist",
// "COM3 is in use by another program", "Access to COM3 is denied", else the name and the
// system's text.
std::string ComOpenFailureText(const std::string& name, unsigned long error);
// The serial ports of this machine: the registry's SERIALCOMM values and the COM devices
// QueryDosDevice knows, without repeats, by number (COM2 before COM10).
std::vector<std::string> ComPorts();
// Orders COM port names by their number.
bool ComPortBefore(const std::string& a, const std::string& b);

class TComPort {
public:
    TComPort() = default;
    ~TComPort();
    TComPort(const TComPort&) = delete;
    TComPort& operator=(const TComPort&) = delete;

    // Opens the port for this program alone, raw 8N1 without flow control, DTR and RTS on,
    // at `speed`. False on failure, with Failure() saying why.
    bool Open(const std::string& name, int speed);
    void Close();
    bool IsOpen() const { return FHandle != nullptr; }
    // The port's name for messages ("COM3").
    const std::string& Name() const { return FName; }
    // Why the last Open failed; "" after a success.
    const std::string& Failure() const { return FFailure; }

    bool SetSpeed(int speed);
    // Takes what has arrived, up to n bytes, waiting at most waitMs for the first: the count
    // (0: nothing came in time), -1 when the port failed (gone, unplugged).
    long Read(char* buf, size_t n, uint32_t waitMs);
    // Writes what the port takes within waitMs: the count, -1 when the port failed.
    long Write(const char* data, size_t size, uint32_t waitMs);
    // The last failure of Read or Write in words.
    const std::string& LastError() const { return FLastError; }
    // Drops what arrived and is not read yet.
    void PurgeInput();
    // The port is still there (a USB adapter can be pulled out while open).
    bool Present() const;
    // The open port's handle (HANDLE), for those who wait on it themselves; null when closed.
    void* Handle() const { return FHandle; }

private:
    bool SetTimeouts(uint32_t readMs, uint32_t writeMs);
    long Failed();

    void* FHandle = nullptr;
    std::string FName;
    std::string FFailure;
    std::string FLastError;
    uint32_t FReadTimeout = UINT32_MAX;
    uint32_t FWriteTimeout = UINT32_MAX;
};

} // namespace lw::port
