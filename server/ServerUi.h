// Questions the server client asks through windows of the main program.
#pragma once
#include <string>

namespace lw {

// The "Wrong File Type?" dialog (texts and answers in objects/BadFile.h). Returns -1 (Text),
// -2 (Binary), 1 (Yes) or 2 (No/Cancel).
class IBadFileDialog {
public:
    virtual ~IBadFileDialog() = default;
    virtual int Ask(const std::string& fileName, const std::string& kind, bool allowText) = 0;
};

// The "Confirm File Replace" dialog. Returns mrYes, mrNo, mrAll (yes to all) or mrCancel.
class IReplaceDialog {
public:
    static constexpr int mrCancel = 2;
    static constexpr int mrYes = 6;
    static constexpr int mrNo = 7;
    static constexpr int mrAll = 8;
    virtual ~IReplaceDialog() = default;
    virtual int AskReplace(const std::string& name, int count) = 0;
};

} // namespace lw
