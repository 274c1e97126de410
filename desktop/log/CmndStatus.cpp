#include "log/CmndStatus.h"

#include "settings/WindowPlacement.h"

#include <QBoxLayout>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTextDocument>

namespace lw::gui {

namespace {
constexpr int DesignWidth = 272;
} // namespace

TFCmndStatus::TFCmndStatus(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName("FCmndStatus");
    setWindowTitle(tr("Calculator is Working"));
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName("Memo1");
    Memo1->setReadOnly(true);
    Memo1->setFrameShape(QFrame::NoFrame);
    Memo1->setFocusPolicy(Qt::NoFocus);
    Memo1->viewport()->setAutoFillBackground(false);
    // Two paragraphs, wrapped to the memo's width whatever the font.
    Memo1->setPlainText(tr("The calculator is busy, please wait for it to complete the commands.\n"
                           "\n"
                           "You may press CANCEL to stop the PC side of the connection but the "
                           "calculator will continue on its own."));
    Animate1 = new QProgressBar(this);
    Animate1->setObjectName("Animate1");
    Animate1->setRange(0, 0);
    Animate1->setTextVisible(false);
    btnCancel = new QPushButton(tr("Cancel   "), this);
    btnCancel->setObjectName("btnCancel");
    btnCancel->setDefault(true);
    connect(btnCancel, &QPushButton::clicked, this, &TFCmndStatus::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Memo1);
    layout->addWidget(Animate1);
    layout->addWidget(btnCancel, 0, Qt::AlignHCenter);
    // The memo as tall as its text wrapped at the design width: a translation longer than the
    // English one grows the dialog rather than being cut.
    const QMargins outer = layout->contentsMargins();
    const int margin = int(Memo1->document()->documentMargin());
    const int textWidth = DesignWidth - outer.left() - outer.right() - 2 * margin - 4;
    const QRect text = Memo1->fontMetrics().boundingRect(QRect(0, 0, textWidth, 100000),
                                                         Qt::TextWordWrap, Memo1->toPlainText());
    Memo1->setMinimumHeight(text.height() + 2 * margin + 4);
    setFixedSize(QSize(DesignWidth, 211).expandedTo(sizeHint()));
}

void TFCmndStatus::showEvent(QShowEvent* event) {
    CentreOver(*this, TOwnerForm<TFCmndStatus>::Get());
    QDialog::showEvent(event);
    if (btnCancel->isVisible()) btnCancel->setFocus();
}

void TFCmndStatus::reject() {
    FCancel = true;
    QDialog::reject();
}

} // namespace lw::gui
