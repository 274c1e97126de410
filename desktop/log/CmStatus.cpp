#include "log/CmStatus.h"

#include "log/LogIt.h"
#include "prompts/CoreTexts.h"
#include "settings/WindowPlacement.h"

#include <QBoxLayout>
#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include <algorithm>

namespace lw::gui {

TFCmStatus::TFCmStatus(TFLogForm* log, QWidget* parent) : QDialog(parent), FLog(log) {
    setObjectName("FCmStatus");
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    Label1 = new QLabel(this);
    Label1->setObjectName("Label1");
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setWordWrap(true);
    Label1->setFixedSize(161, 57);
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName("ProgressBar1");
    ProgressBar1->setTextVisible(false);
    btnCancel = new QPushButton(tr("Cancel    "), this);
    btnCancel->setObjectName("btnCancel");
    connect(btnCancel, &QPushButton::clicked, this, &TFCmStatus::reject);
    tmrCmStat = new QTimer(this);
    tmrCmStat->setObjectName("tmrCmStat");
    tmrCmStat->setInterval(250);
    // Keeps the dialog drawn while the UI thread is busy between reports.
    connect(tmrCmStat, &QTimer::timeout, this, [this] { repaint(); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1, 0, Qt::AlignHCenter);
    layout->addWidget(ProgressBar1);
    layout->addWidget(btnCancel, 0, Qt::AlignHCenter);
    // 208 x 110 at the design font; taller when the font needs it for the label's three
    // lines (bytes, percentage, rate), wider when a translated Cancel needs it.
    setFixedSize(QSize(208, 110).expandedTo(sizeHint()));
}

TModalResult TFCmStatus::ShowProgress(const std::string& caption, bool showCancel) {
    setWindowTitle(TrCoreText(caption, CalcText));
    Label1->clear();
    ProgressBar1->setRange(0, 1);
    ProgressBar1->setValue(0);
    btnCancel->setVisible(showCancel);
    btnCancel->setEnabled(true);
    CentreOver(*this, TOwnerForm<TFCmStatus>::Get());
    tmrCmStat->start();
    return exec() == QDialog::Accepted ? TModalResult::Ok : TModalResult::Cancel;
}

void TFCmStatus::Progress(const std::string& text, TStatusKind kind, int position, int max,
                          int /*extra*/) {
    if (!isVisible()) return;
    const QString line = TrCoreText(text, CalcText);
    if (FLog) FLog->AddLine(line);
    if (kind == skFinished) {
        ProgressBar1->setValue(ProgressBar1->maximum());
        Q_EMIT Reported(line, kind);
        done(QDialog::Accepted);
        return;
    }
    Label1->setText(line);
    if (kind == skProgress) {
        const int top = std::max(max, 1);
        ProgressBar1->setRange(0, top);
        ProgressBar1->setValue(std::clamp(position, 0, top));
    } else if (kind == skCancelButton) {
        btnCancel->setEnabled(text == "1");
    }
    Q_EMIT Reported(line, kind);
}

void TFCmStatus::reject() {
    if (btnCancel->isEnabled()) QDialog::reject();
}

void TFCmStatus::closeEvent(QCloseEvent* event) {
    if (btnCancel->isEnabled())
        QDialog::closeEvent(event);
    else
        event->ignore();
}

void TFCmStatus::done(int result) {
    tmrCmStat->stop();
    QDialog::done(result);
}

} // namespace lw::gui
