// The question Delete asks before it removes entries from the calculator, built in one place
// for the command and for anything that shows the question without asking it.
#pragma once
#include <QString>

#include <memory>
#include <vector>

class QMessageBox;
class QWidget;

namespace lw {
class TXPObject;
}

namespace lw::gui {

// "Delete the variable X and 2 folders with everything in them from the calculator?"; empty
// when nothing would be deleted.
QString DeleteQuestionText(const std::vector<const TXPObject*>& entries);
// The Yes/No question box over `parent`, not yet shown.
std::unique_ptr<QMessageBox> DeleteQuestionBox(QWidget* parent,
                                               const std::vector<const TXPObject*>& entries);
// Asks modally: true for Yes.
bool ConfirmDelete(QWidget* parent, const std::vector<const TXPObject*>& entries);

} // namespace lw::gui
