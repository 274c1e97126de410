#include "mainwin/DeleteQuestion.h"

#include "mainwin/WindowTexts.h"
#include "server/XPObject.h"

#include <QMessageBox>
#include <QStringList>

namespace lw::gui {

QString DeleteQuestionText(const std::vector<const TXPObject*>& entries) {
    std::vector<const TXPObject*> vars, dirs;
    for (const TXPObject* e : entries) (e->IsDirectory() ? dirs : vars).push_back(e);
    QStringList parts;
    if (vars.size() == 1)
        parts << "the variable " + CalcText(vars.front()->Name);
    else if (vars.size() > 1)
        parts << QString::number(vars.size()) + " variables";
    if (dirs.size() == 1)
        parts << "the folder " + CalcText(dirs.front()->Name) + " with everything in it";
    else if (dirs.size() > 1)
        parts << QString::number(dirs.size()) + " folders with everything in them";
    if (parts.isEmpty()) return {};
    return "Delete " + parts.join(" and ") + " from the calculator?";
}

std::unique_ptr<QMessageBox> DeleteQuestionBox(QWidget* parent,
                                               const std::vector<const TXPObject*>& entries) {
    return std::make_unique<QMessageBox>(QMessageBox::Question, "Confirm Delete",
                                         DeleteQuestionText(entries),
                                         QMessageBox::Yes | QMessageBox::No, parent);
}

bool ConfirmDelete(QWidget* parent, const std::vector<const TXPObject*>& entries) {
    return DeleteQuestionBox(parent, entries)->exec() == QMessageBox::Yes;
}

} // namespace lw::gui
