// One connected session against the in-process simulated calculator: the simulator on a
// pseudo-terminal (or the USB pipes), the scripted windows, a server client, and a private
// folder for the PC files of the test.
#pragma once
#include "support/FakeUi.h"

#include "objects/BadFile.h"
#include "server/CalcState.h"
#include "server/ServerUi.h"
#include "server/XModemServer.h"
#include "sim/SimCalculator.h"
#include "sim/link/Simulator.h"

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace lw::test {

class TScriptedBadFile : public IBadFileDialog {
public:
    TBadFileAnswer Ask(const std::string& fileName, const std::string& kind,
                       bool allowText) override {
        Asked.push_back(ExtractName(fileName) + "|" + kind + "|" + (allowText ? "text" : "bin"));
        if (Answers.empty()) return TBadFileAnswer::No;
        const TBadFileAnswer a = Answers.front();
        Answers.pop_front();
        return a;
    }
    std::deque<TBadFileAnswer> Answers;
    std::vector<std::string> Asked;

private:
    static std::string ExtractName(const std::string& path) {
        const auto slash = path.rfind('/');
        return slash == std::string::npos ? path : path.substr(slash + 1);
    }
};

class TScriptedReplace : public IReplaceDialog {
public:
    TModalResult AskReplace(const std::string& name, int count) override {
        Asked.push_back(name + "|" + std::to_string(count));
        if (Answers.empty()) return TModalResult::Cancel;
        const TModalResult a = Answers.front();
        Answers.pop_front();
        return a;
    }
    std::deque<TModalResult> Answers;
    std::vector<std::string> Asked;
};

struct TSessionOptions {
    sim::TModel Model = sim::TModel::KB;
    bool Empty = false; // an empty HOME instead of the sample memory
    bool Usb = false;   // the USB pipes instead of a pseudo-terminal
    std::string Speed = "115200";
    std::string StartByte = "random";
    std::vector<std::string> Faults = {}; // control lines applied before the start
};

class TSimSession {
public:
    explicit TSimSession(TSessionOptions options = {});
    ~TSimSession();
    TSimSession(const TSimSession&) = delete;
    TSimSession& operator=(const TSimSession&) = delete;

    // Connects the server client (and lists the memory); the port only for OpenComm work.
    void Connect();
    void OpenPortOnly();
    // Test hook: shortens the pauses the protocol makes after packets, receives and
    // completion waits (the time-outs stay), for tests that make many transfers.
    void UseQuickTiming();
    // Control line to the simulator; fails the test unless it answers "OK".
    void Control(const std::string& line);

    // A path in the session's private folder.
    std::string File(const std::string& name) const { return Folder + "/" + name; }
    // Every entry of the listed tree, one line each: path, size, type name.
    std::string ListingText();
    // The record at a path such as "HOME WORK PROJ" (the root for "HOME"); null if none.
    TXPObject* Find(const std::string& path);

    TFakeUi Ui;
    TCalcState State;
    TScriptedBadFile BadFile;
    TScriptedReplace Replace;
    std::unique_ptr<sim::TSimulator> Sim;
    std::unique_ptr<TXModemServer> Server;
    std::string Port;   // what the server client opens
    std::string Folder; // the session's private folder
    TSessionOptions Options;

    // Calls `fn` with every progress report (after recording it), on the UI thread while the
    // engine waits for the report to be taken.
    void OnProgress(std::function<void(const TFakeUi::TReport&)> fn);
    // Calls `fn` with the caption whenever the progress dialog opens.
    void OnShow(std::function<void(const std::string&)> fn) { Ui.Progress.OnShow = std::move(fn); }

    // What the program left in the temporary folder (the test's own folders aside).
    std::vector<std::string> LeftInTempFolder() const;

private:
    std::string UsbRoot;
    std::string Base;     // the session's temporary path
    std::string OuterTmp; // the temporary path before the session
};

// Makes `dir` a fresh private folder below the test's temporary path.
std::string MakeTempFolder(const std::string& tag);
void RemoveFolder(const std::string& dir);
// The bytes of a file, or "<missing>" when it cannot be read.
std::string FileBytes(const std::string& path);
// Every report of Kind 0 (errors) the progress dialog received.
std::vector<std::string> ErrorReports(const TFakeUi& ui);

} // namespace lw::test
