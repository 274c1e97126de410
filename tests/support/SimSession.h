// One simulated calculator in-process and the PC side of a test: the simulator on a
// pseudo-terminal (or the USB pipes), the scripted windows, a server client, a raw client for
// the simulator's own tests, and a private folder for the test's PC files.
#pragma once
#include "support/EngineHarness.h"
#include "support/SimClient.h"
#include "support/TempDir.h"

#include "link/Port.h"
#include "objects/BadFile.h"
#include "server/CalcState.h"
#include "server/ServerUi.h"
#include "server/XModemServer.h"
#include "sim/calc/SimCalculator.h"
#include "sim/link/Simulator.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace lw::test {

// Answers a dialog from a queue of scripted answers (`Default` once it is empty) and records
// what was asked.
template <class TAnswer> struct TScriptedAnswers {
    TAnswer Next(std::string asked, TAnswer fallback) {
        Asked.push_back(std::move(asked));
        if (Answers.empty()) return fallback;
        const TAnswer a = Answers.front();
        Answers.pop_front();
        return a;
    }
    std::deque<TAnswer> Answers;
    std::vector<std::string> Asked;
};

class TScriptedBadFile : public IBadFileDialog, public TScriptedAnswers<TBadFileAnswer> {
public:
    TBadFileAnswer Ask(const std::string& fileName, const std::string& kind,
                       bool allowText) override {
        const std::string name = fileName.substr(fileName.rfind('/') + 1);
        return Next(name + "|" + kind + "|" + (allowText ? "text" : "bin"), TBadFileAnswer::No);
    }
};

class TScriptedReplace : public IReplaceDialog, public TScriptedAnswers<TModalResult> {
public:
    TModalResult AskReplace(const std::string& name, int count) override {
        return Next(name + "|" + std::to_string(count), TModalResult::Cancel);
    }
};

struct TSessionOptions {
    sim::TModel Model = sim::TModel::KB;
    bool Empty = false; // an empty HOME instead of the sample memory
    bool Usb = false;   // the USB pipes instead of a pseudo-terminal
    std::string Speed = "115200";
    std::string StartByte = "random";
    std::vector<std::string> Faults = {}; // control lines applied before the start
    bool Kermit = false;                  // start as the Kermit server
    uint32_t StartRepeatMs = 1000;
    std::string Link = ""; // serial: a symlink made here to the line (a later session may take it)
    // A real line (pseudo-terminal or FIFOs) on the real clock even in a program whose sessions
    // run over the in-memory link (UseMemoryLinks).
    bool RealLine = false;
};

class TSimSession {
public:
    // `calculator`: a calculator model of the test's own instead of the sample or empty one.
    explicit TSimSession(TSessionOptions options = {},
                         std::unique_ptr<sim::ISimCalculator> calculator = nullptr);
    ~TSimSession();
    TSimSession(const TSimSession&) = delete;
    // From now on, sessions without RealLine or Link run over the in-memory link on simulated
    // time: the protocol's waits cost no real time. A test program calls this once, before
    // its tests run.
    static bool UseMemoryLinks();
    // Whether this session runs over the in-memory link on simulated time.
    bool OnMemoryLink() const { return Link != nullptr; }
    TSimSession& operator=(const TSimSession&) = delete;

    // Connects the server client; Connect() lists the memory too. The port only, for the
    // transfers the calculator starts.
    void Open();
    void Connect();
    void OpenPortOnly();
    // Opens the raw client on the simulator's line (Pc).
    void OpenPc();
    // Test hook: shortens the pauses the protocol makes after packets, receives and
    // completion waits (the time-outs stay), for tests that make many transfers.
    void UseQuickTiming();
    // Control line to the simulator; fails the test unless it answers "OK".
    void Control(const std::string& line);
    // A copy of the calculator's variable ("" if none), taken on the simulator's thread.
    std::string Var(const std::string& name);

    // A path in the session's private folder.
    std::string File(const std::string& name) const { return Folder + "/" + name; }
    // Every entry of the listed tree, one line each: path, size, type name.
    std::string ListingText();
    // The record at a path such as "HOME WORK PROJ" (the root for "HOME"); null if none.
    TXPObject* Find(const std::string& path);

    // Calls `fn` with every progress report (after recording it), on the UI thread while the
    // engine waits for the report to be taken.
    void OnProgress(std::function<void(const TFakeUi::TReport&)> fn);
    // Calls `fn` with the caption whenever the progress dialog opens.
    void OnShow(std::function<void(const std::string&)> fn) { Ui.Progress.OnShow = std::move(fn); }

    // What the program left in its temporary folder.
    std::vector<std::string> LeftInTempFolder() const;

private:
    std::string OuterTmp;         // the temporary path before the session
    std::optional<TTempDir> Base; // the session's own temporary path
    std::optional<TTempDir> Files, UsbRoot;
    // The in-memory link and its simulated time (the test's thread is a party).
    std::unique_ptr<TSimulatedTime> Time;
    std::unique_ptr<TMemoryLink> Link;

public:
    TFakeUi Ui;
    TCalcState State;
    TScriptedBadFile BadFile;
    TScriptedReplace Replace;
    std::string Folder; // the session's private folder
    std::unique_ptr<sim::TSimulator> Sim;
    std::unique_ptr<TXModemServer> Server;
    std::unique_ptr<TSimClient> Pc;
    std::string Device; // the simulator's line: the pty's path or the USB device folder
    std::string Port;   // what the server client opens
    TSessionOptions Options;
};

// Every report of Kind 0 (errors) the progress dialog received.
std::vector<std::string> ErrorReports(const TFakeUi& ui);

} // namespace lw::test
