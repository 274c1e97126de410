// The main window's fields that the server client reads and writes. The desktop program
// shows them; linkwell-cli prints them.
#pragma once
#include <string>

namespace lw {

struct TCalcState {
    std::string ModelCode;  // "KA" or "KB" (from the object header); empty before identifying
    std::string ModelName;  // the model code, or "Calcualtor" for the newer models
    std::string RomVersion; // one letter (KA) or six characters (KB)
    std::string CalcFlags;  // flag digits: [0] flag -36, [1] flag -51
    int RequiredSpeed = 0;  // 0 = no requirement
    bool Connected = false; // kept by the front end's SetConnected
    bool Busy = false;

    // Text transfer settings.
    bool TextMode = false;    // text transfer mode on
    int TransIO = 3;          // translation level written as the T value
    bool Trans031 = false;    // escape control characters on the way out
    bool AddCR = false;       // text files end lines with CR LF
    bool AddExtension = true; // binary files get ".zq"
    bool RpnPrompts = true;

    // Storing a model code also names the model by its code.
    void SetModel(const std::string& code) {
        ModelCode = code;
        SetModelName("");
    }
    // An empty name names the model by its code. The tree's root reads "HOME (ZQ-" + ModelName
    // + ")".
    void SetModelName(const std::string& name) { ModelName = name.empty() ? ModelCode : name; }
    void SetTextMode(bool on) { TextMode = on; }
};

} // namespace lw
