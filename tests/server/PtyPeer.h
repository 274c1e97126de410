// A scripted calculator end of a pseudo-terminal: the test's script runs on a thread of its
// own and reads and writes the bytes the server client exchanges. Every read has a bound.
#pragma once
#include <atomic>
#include <chrono>
#include <functional>
#include <string>
#include <thread>

namespace lw::test {

class TPtyPeer {
public:
    TPtyPeer();
    ~TPtyPeer(); // waits for the script
    TPtyPeer(const TPtyPeer&) = delete;
    TPtyPeer& operator=(const TPtyPeer&) = delete;

    // The PC end's path, to be opened as a serial port.
    const std::string& Path() const { return FPath; }

    // Starts the script on its own thread.
    void Run(std::function<void(TPtyPeer&)> script);
    // Waits for the script to end (at most `bound`); false when it did not.
    bool Join(std::chrono::milliseconds bound = std::chrono::seconds(30));

    // Script side. Read: up to `n` bytes, returning early with what arrived when `ms` passed.
    std::string Read(size_t n, int ms = 4000);
    // One byte, or -1 when none came within `ms`.
    int ReadByte(int ms = 4000);
    // Reads one command packet (length, data, checksum); "" data and false when incomplete.
    bool ReadPacket(std::string& data, int ms = 4000);
    void Write(const std::string& bytes);
    // Reads and drops whatever arrives until the line has been quiet for `quietMs`.
    std::string Drain(int quietMs = 300);

    std::atomic<bool> Failed{false};
    std::string Problem; // what went wrong in the script (read after Join)
    void Fail(const std::string& problem) {
        Problem = problem;
        Failed = true;
    }

private:
    int FMaster = -1;
    int FSlave = -1; // kept open so that the PC end's closing never hangs the line up
    std::string FPath;
    std::thread FThread;
    std::atomic<bool> FDone{true};
};

} // namespace lw::test
