#include "prompts/QuestionDialog.h"

#include "prompts/MessageMemo.h"

#include <QBoxLayout>
#include <QPushButton>

namespace lw::gui {

TQuestionDialog::TQuestionDialog(QWidget* parent, const char* name, const QString& caption,
                                 int memoWidth)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName(name);
    setWindowTitle(caption);
    Memo1 = new TMessageMemo(memoWidth, this);
    Memo1->setObjectName("Memo1");
}

QPushButton* TQuestionDialog::AddButton(const QString& caption, const char* name, int answer) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(name);
    connect(button, &QPushButton::clicked, this, [this, answer] {
        FAnswer = answer;
        accept();
    });
    return button;
}

void TQuestionDialog::Arrange(QBoxLayout* buttons) {
    auto* root = new QVBoxLayout(this);
    root->addWidget(Memo1);
    root->addLayout(buttons);
    root->setSizeConstraint(QLayout::SetFixedSize);
}

int TQuestionDialog::Exec(int otherwise) {
    layout()->activate();
    return exec() == QDialog::Accepted ? FAnswer : otherwise;
}

} // namespace lw::gui
