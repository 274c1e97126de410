// The frame the question dialogs share: a title without window buttons, the message memo over
// a row of answer buttons, a size fixed to the content. A click on an answer button ends the
// dialog as accepted and keeps that button's answer.
#pragma once
#include <QDialog>

class QBoxLayout;
class QPushButton;

namespace lw::gui {

class TMessageMemo;

class TQuestionDialog : public QDialog {
    Q_OBJECT
public:
    TMessageMemo* Memo1;

protected:
    // `memoWidth`: the message memo's width in average characters.
    TQuestionDialog(QWidget* parent, const char* name, const QString& caption, int memoWidth);
    // A button that ends the dialog with `answer` (any enum of the dialog's answers).
    template <class TAnswer>
    QPushButton* AddAnswer(const QString& caption, const char* name, TAnswer answer) {
        return AddButton(caption, name, static_cast<int>(answer));
    }
    // Puts the memo over `buttons`.
    void Arrange(QBoxLayout* buttons);
    // Shows the question modally: the clicked button's answer, or `otherwise` after Escape or
    // a closed dialog.
    template <class TAnswer> TAnswer AskModal(TAnswer otherwise) {
        return static_cast<TAnswer>(Exec(static_cast<int>(otherwise)));
    }

private:
    QPushButton* AddButton(const QString& caption, const char* name, int answer);
    int Exec(int otherwise);
    int FAnswer = 0;
};

} // namespace lw::gui
