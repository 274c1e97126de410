#include "mainwin/DeleteQuestion.h"

#include "mainwin/WindowTexts.h"
#include "server/XPObject.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QStringList>

namespace lw::gui {

QString DeleteQuestionText(const std::vector<const TXPObject*>& entries) {
    std::vector<const TXPObject*> vars, dirs;
    for (const TXPObject* e : entries) (e->IsDirectory() ? dirs : vars).push_back(e);
    // Whole sentences for one kind of entry; two noun phrases joined for both.
    QString variables, folders;
    if (vars.size() == 1)
        variables = QCoreApplication::translate("lw::gui::DeleteQuestion", "the variable %1")
                        .arg(CalcText(vars.front()->Name));
    else if (vars.size() > 1)
        variables = QCoreApplication::translate("lw::gui::DeleteQuestion", "%n variables", nullptr,
                                                int(vars.size()));
    if (dirs.size() == 1)
        folders = QCoreApplication::translate("lw::gui::DeleteQuestion",
                                              "the folder %1 with everything in it")
                      .arg(CalcText(dirs.front()->Name));
    else if (dirs.size() > 1)
        folders = QCoreApplication::translate("lw::gui::DeleteQuestion",
                                              "%n folders with everything in them", nullptr,
                                              int(dirs.size()));
    if (variables.isEmpty() && folders.isEmpty()) return {};
    if (variables.isEmpty() || folders.isEmpty())
        return QCoreApplication::translate("lw::gui::DeleteQuestion",
                                           "Delete %1 from the calculator?")
            .arg(variables + folders);
    return QCoreApplication::translate("lw::gui::DeleteQuestion",
                                       "Delete %1 and %2 from the calculator?")
        .arg(variables, folders);
}

std::unique_ptr<QMessageBox> DeleteQuestionBox(QWidget* parent,
                                               const std::vector<const TXPObject*>& entries) {
    return std::make_unique<QMessageBox>(
        QMessageBox::Question,
        QCoreApplication::translate("lw::gui::DeleteQuestion", "Confirm Delete"),
        DeleteQuestionText(entries), QMessageBox::Yes | QMessageBox::No, parent);
}

bool ConfirmDelete(QWidget* parent, const std::vector<const TXPObject*>& entries) {
    return DeleteQuestionBox(parent, entries)->exec() == QMessageBox::Yes;
}

} // namespace lw::gui
