// The simulated calculator's memory and language, as its XModem server sees them. The
// protocol side (sim/link) drives this interface; the calculator model (sim/calc) implements
// it. Names and script texts here are calculator bytes (not the PC's escaped forms).
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace lw::sim {

enum class TModel { KA, KB };

// What running a script leaves the server to do.
struct TScriptOutcome {
    enum TAction {
        None,       // nothing: the server answers again after RunMs
        SendObject, // the calculator sends Payload (an object file) by XModem, as after the
                    // backup's "EVAL STOF"
        StopServer, // the server stops answering (after a restore, or an unknown fatal word)
    };
    uint32_t RunMs = 0; // how long the calculator stays busy (no answer to M meanwhile)
    TAction Action = None;
    std::string Payload;
};

class ISimCalculator {
public:
    virtual ~ISimCalculator() = default;

    virtual TModel Model() const = 0;
    // The 8-byte object file header of this model: "ZQZQ" + "KA"/"KB" + "-" + letter.
    virtual std::string ObjectFileHeader() const = 0;
    // The identification text answered to V.
    virtual std::string IdentText() const = 0;
    // The listing answered to l: every directory and variable of the tree from HOME.
    virtual std::string Listing() const = 0;
    // The free memory answered to M (a decimal text with a fraction part; the fraction mark
    // is a comma while flag -51 is set).
    virtual std::string FreeMemoryText() const = 0;
    // G: the named variable of the current directory as an object file (header + object
    // bytes, the last byte's high nibble 0 for an odd nibble count). False if there is none.
    virtual bool GetVariable(const std::string& name, std::string& objectFile) const = 0;
    // P: stores an object file's object under the name in the current directory (replacing
    // a variable of that name). False if the data is not a valid object file, the name is
    // a directory's, or memory is short.
    virtual bool PutVariable(const std::string& name, const std::string& objectFile) = 0;
    // E: runs a script (a command line in calculator bytes).
    virtual TScriptOutcome RunScript(const std::string& script) = 0;

    // Calculator-initiated work and the tests' view.
    virtual void SetFlag(int flag, bool set) = 0; // flags -36, -51, ...
    virtual bool Flag(int flag) const = 0;
    // The 131 x 64 screen picture, 64 rows of 17 bytes, bit 0 = leftmost pixel.
    virtual std::string ScreenRows() const = 0;
    // The stack as text, level 1 last, each in the calculator's own text form.
    virtual std::string StackText() const = 0;

    // --load / --save: a folder of object files (".zq" files are variables, subfolders are
    // directories; names in the file-name form). Throw std::runtime_error on failure.
    virtual void LoadFromFolder(const std::string& dir) = 0;
    virtual void SaveToFolder(const std::string& dir) const = 0;

    // How long scripts keep the calculator busy: a base time per script (30 ms unless set)
    // plus the seconds of WAIT; fixedMs > 0 replaces the base, so that every script takes
    // at least that long.
    virtual void SetScriptTiming(uint32_t /*baseMs*/, uint32_t /*fixedMs*/) {}
    // ZQ KB: whether the VERSION text names the older revision ("#1.1").
    virtual void SetVersion11(bool /*on*/) {}
    // What DISP left on the display since the last CLLCD (lines joined by LF), and the
    // error that ended the last script ("" when none).
    virtual std::string DisplayText() const { return {}; }
    virtual std::string LastError() const { return {}; }
    // The current directory as names from "HOME" down.
    virtual std::vector<std::string> CurrentPath() const { return {"HOME"}; }
    // The names (calculator bytes) of HOME's variables, directories left out, in memory
    // order (the most recently created first).
    virtual std::vector<std::string> HomeVariables() const { return {}; }
};

// The calculator model with the built-in sample memory (sim/calc).
std::unique_ptr<ISimCalculator> CreateSampleCalculator(TModel model);
// The calculator model with an empty HOME.
std::unique_ptr<ISimCalculator> CreateEmptyCalculator(TModel model);

} // namespace lw::sim
