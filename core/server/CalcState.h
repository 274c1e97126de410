// The main window's fields that the server client reads and writes. The desktop program
// shows them; linkwell-cli prints them.
#pragma once
#include <functional>
#include <map>
#include <string>

namespace lw {

struct TCalcState {
    std::string ModelCode;  // "KA" or "KB" (from the object header); empty before identifying
    std::string ModelName;  // the model code, or "Calcualtor" for the newer models
    std::string RomVersion; // one letter (KA) or six characters (KB)
    std::string CalcFlags;  // flag digits: [0] flag -36, [1] flag -51
    int RequiredSpeed = 0;  // 0 = no requirement
    // The one record of the connection state; change it with SetConnected (the front end's
    // SetConnected does) so that the observers learn of it. Read it freely.
    bool Connected = false;
    bool Busy = false; // change with SetBusy

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
    // Levels 0 and 1 both leave the characters alone and differ only in the carriage returns:
    // between the two, the level follows AddCR.
    void CoupleTransIO() {
        if (TransIO == 0 && AddCR) TransIO = 1;
        if (TransIO == 1 && !AddCR) TransIO = 0;
    }

    // Observers of Connected and Busy: called (on the thread that changed it, the UI thread)
    // after each change, with the state. AddObserver returns the id RemoveObserver takes.
    using TObserver = std::function<void(const TCalcState&)>;
    int AddObserver(TObserver observer) {
        FObservers.emplace(++FLastObserver, std::move(observer));
        return FLastObserver;
    }
    void RemoveObserver(int id) { FObservers.erase(id); }
    void SetConnected(bool on) { Change(Connected, on); }
    void SetBusy(bool on) { Change(Busy, on); }

private:
    void Change(bool& field, bool on) {
        if (field == on) return;
        field = on;
        // A copy: an observer may remove itself or others while being told.
        const auto observers = FObservers;
        for (const auto& [id, observer] : observers) observer(*this);
    }
    std::map<int, TObserver> FObservers;
    int FLastObserver = 0;
};

} // namespace lw
