// Questions the server client asks through windows of the main program.
#pragma once
#include "link/UiHooks.h"
#include "objects/BadFile.h"

#include <string>

namespace lw {

// The "Wrong File Type?" dialog (texts and answers in objects/BadFile.h).
class IBadFileDialog {
public:
    virtual ~IBadFileDialog() = default;
    virtual TBadFileAnswer Ask(const std::string& fileName, const std::string& kind,
                               bool allowText) = 0;
};

// The "Confirm File Replace" dialog (texts in objects/ReplaceFile.h). Returns Yes, No, All
// (yes to all) or Cancel.
class IReplaceDialog {
public:
    virtual ~IReplaceDialog() = default;
    virtual TModalResult AskReplace(const std::string& name, int count) = 0;
};

} // namespace lw
