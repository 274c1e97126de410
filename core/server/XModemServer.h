// The client of the calculator's XModem server: connecting and identifying, command bytes and
// command packets, the directory listing, variable transfers and calculator-side operations.
// Runs on the UI thread; transfers wait in the modal progress dialog while an engine works.
#pragma once
#include "link/CaptureOutcome.h"
#include "server/CalcState.h"
#include "server/ServerUi.h"
#include "server/XPObject.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace lw {

// How a put ended: sent; left alone because the user chose not to replace the variable;
// refused by the user (the improper-name question, the wrong-file question, the replace
// question's Cancel) or because the file is a backup archive; or failed.
enum class TPutOutcome : int { Sent, NotReplaced, Refused, Failed };

class TXModemServer {
public:
    // `state`: the main window's fields; the dialogs are optional (null: answered no/cancel).
    TXModemServer(TCalcState& state, IBadFileDialog* badFile = nullptr,
                  IReplaceDialog* replace = nullptr);
    ~TXModemServer(); // Connect("")
    TXModemServer(const TXModemServer&) = delete;
    TXModemServer& operator=(const TXModemServer&) = delete;

    // --- connection
    // A port name has been set (by Connect or OpenComm); the port itself may have failed
    // since, which only the main window's connected state tells.
    bool IsConnected() const { return !FPort.empty(); }
    void CheckConnected() const;
    void SetStatus(const std::string& text);
    std::function<void(const std::string&)> OnStatus;
    const std::string& StatusText() const { return FStatus; }
    void SetSpeed(const std::string& speed);
    std::string GetSpeed() const;
    const std::string& Port() const { return FPort; }
    void Connect(const std::string& port);
    bool OpenComm(const std::string& port);
    void Disconnect();
    bool WaitForStart(std::string& first);
    std::string Ident;
    std::string Data; // bytes of the last object received into memory

    // --- command packets
    void SendCommand(char cmd);
    void SendCommandPacket(const std::string& text);
    void ReceiveCommandPacket(std::string& data); // raw calculator bytes
    void Execute(const std::string& script, bool showBusy, bool wait);
    void Pulse();
    void CheckCancel();

    // --- listing
    TXPObject& Root() { return *FRoot; }
    // Re-reads the whole listing into the tree under Root(). Root() itself stays; every record
    // below it is freed and built anew, so pointers to entries a view held are invalid
    // afterwards (keep paths and find them again with TXPObject::FindDir / FindChild).
    void GetFileList();
    void ParseDirList(TXPObject& dir, const std::string& list, size_t& pos); // pos 0-based
    void ChangeDir(const std::string& path);
    void GetFreeMemory(std::string& text);

    // --- object files
    bool CheckFileMatches(const std::string& fileName, bool& isText);

    // --- variable transfer
    bool GetVar(const std::string& name, const std::string& fileName, bool toFile, int size);
    bool CopyFromCalc(const std::string& name, const std::string& fileName, int typeIndex,
                      int size);
    // True when the variable was sent or the user chose not to replace it.
    bool PutVar(const std::string& name, const std::string& fileName, int replaceInfo,
                bool& replaceAll, bool queryReplace, const std::string& displayName);
    // PutVar, telling how it ended.
    TPutOutcome PutVarOutcome(const std::string& name, const std::string& fileName, int replaceInfo,
                              bool& replaceAll, bool queryReplace, const std::string& displayName);
    bool PutVarAsText(const std::string& name, const std::string& fileName);
    bool ReceiveFile(const std::string& fileName, int size);
    bool SendFile(const std::string& fileName);
    bool SendRom(const std::string& fileName);
    // Receives one screen capture into `image` (left empty unless it was received).
    TCaptureOutcome CaptureScreen(std::string& image);
    static std::string ShortName(const std::string& name, const std::string& fileName,
                                 const std::string& displayName);

    // --- calculator-side operations
    void Purge(const std::string& name, bool isDir);
    void CreateDir(const std::string& name);
    void Rename(const std::string& oldName, const std::string& newName, bool isDir);
    void EvalVar(const std::string& path, const std::string& name);
    bool Backup(const std::string& fileName, int size);
    bool Restore(const std::string& fileName);

    TCalcState& State() { return FState; }

private:
    void AutoConnect();
    // The open (or last opened) port is the USB device.
    bool UsbPort() const;
    void Identify();
    void PulseSerial(uint64_t base);
    void PulseUsb(uint64_t base);
    void PollDue(uint64_t& due, uint32_t interval, uint64_t base);
    // Runs one engine under the modal progress dialog; returns its success flag.
    template <class TEngine> bool RunEngine(TEngine& engine, const std::string& caption);

    TCalcState& FState;
    IBadFileDialog* FBadFile;
    IReplaceDialog* FReplace;
    std::string FStatus;
    std::string FPort;
    std::string FSpeed = "9600";
    std::unique_ptr<TXPObject> FRoot;
};

} // namespace lw
