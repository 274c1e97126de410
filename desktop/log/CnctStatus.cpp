#include "log/CnctStatus.h"

#include "settings/WindowPlacement.h"

#include <QBoxLayout>
#include <QLabel>
#include <QProgressBar>

namespace lw::gui {

TFCnctStatus::TFCnctStatus(QWidget* parent) : QDialog(parent, Qt::FramelessWindowHint) {
    setObjectName("FCnctStatus");
    setWindowTitle(tr("Looking for Calculator"));
    Animate1 = new QProgressBar(this);
    Animate1->setObjectName("Animate1");
    Animate1->setRange(0, 0);
    Animate1->setTextVisible(false);
    Label1 = new QLabel(tr("Looking for Calculator"), this);
    Label1->setObjectName("Label1");
    Label1->setAlignment(Qt::AlignCenter);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Animate1);
    layout->addWidget(Label1);
    // A translation longer than the design width grows the notice rather than being cut.
    setFixedSize(QSize(201, 88).expandedTo(sizeHint()));
}

void TFCnctStatus::showEvent(QShowEvent* event) {
    // Shifted left of centre, so that it does not hide the owner's middle.
    CentreOver(*this, TOwnerForm<TFCnctStatus>::Get(), 20);
    QDialog::showEvent(event);
    setFocus();
}

} // namespace lw::gui
