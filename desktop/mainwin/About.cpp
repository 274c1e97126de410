#include "mainwin/About.h"

#include "prompts/CoreTexts.h"
#include "settings/WindowPlacement.h"
#include "util/Version.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>

namespace lw::gui {

QPixmap LinkwellPicture(int size) {
    QPixmap picture(size, size);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);
    // The link: a cable from the calculator's top edge curving off to the right.
    QPainterPath cable(QPointF(26, 6));
    cable.cubicTo(QPointF(26, -2), QPointF(52, -2), QPointF(58, 14));
    p.setPen(QPen(QColor(0xe0, 0x8a, 0x1e), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(cable);
    p.setBrush(QColor(0xe0, 0x8a, 0x1e));
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(54, 13, 8, 10), 2, 2);
    // The calculator: body, screen, keys.
    p.setBrush(QColor(0x2f, 0x3b, 0x4c));
    p.drawRoundedRect(QRectF(10, 6, 32, 54), 5, 5);
    p.setBrush(QColor(0xb8, 0xd8, 0xb0));
    p.drawRoundedRect(QRectF(14, 11, 24, 14), 2, 2);
    p.setPen(QPen(QColor(0x2f, 0x3b, 0x4c), 1.2));
    p.drawLine(QPointF(17, 21), QPointF(35, 15));
    p.setPen(Qt::NoPen);
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col < 3; ++col) {
            p.setBrush(row == 3 && col == 2 ? QColor(0xe0, 0x8a, 0x1e) : QColor(0xd6, 0xdc, 0xe4));
            p.drawRoundedRect(QRectF(14.5 + col * 8, 29 + row * 7.5, 6, 5), 1.2, 1.2);
        }
    return picture;
}

TFAboutForm::TFAboutForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName("TFAboutForm");
    setWindowTitle("Linkwell");
    Image1 = new QLabel(this);
    Image1->setObjectName("Image1");
    Image1->setPixmap(LinkwellPicture(64));
    Label1 = new QLabel(this);
    Label1->setObjectName("Label1");
    btnOK = new QPushButton(tr("OK"), this);
    btnOK->setObjectName("btnOK");
    btnOK->setDefault(true);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);

    auto* top = new QHBoxLayout;
    top->addWidget(Image1);
    top->addSpacing(12);
    top->addWidget(Label1);
    top->addStretch();
    auto* root = new QVBoxLayout(this);
    root->addLayout(top);
    root->addWidget(btnOK, 0, Qt::AlignHCenter);
    root->setSizeConstraint(QLayout::SetFixedSize);

    FSplashTimer.setSingleShot(true);
    connect(&FSplashTimer, &QTimer::timeout, this, [this] {
        if (FSplash) reject();
    });
}

void TFAboutForm::ShowSplash(int ms) {
    if (isVisible()) return; // already open from the Help menu
    FSplash = true;
    open();
    FSplashTimer.start(ms);
}

void TFAboutForm::showEvent(QShowEvent* event) {
    QWidget* owner = TOwnerForm<TFAboutForm>::Get();
    if (owner) setWindowTitle(owner->windowTitle());
    Label1->setText(TrCoreText(FileVersionText()));
    layout()->activate();
    QDialog::showEvent(event);
    CentreOver(*this, owner);
    btnOK->setFocus();
}

void TFAboutForm::hideEvent(QHideEvent* event) {
    // Whatever closed it, a later showing is no splash.
    FSplash = false;
    FSplashTimer.stop();
    QDialog::hideEvent(event);
}

TStartupAbout::TStartupAbout(QWidget& mainWindow, TFAboutForm& about)
    : QObject(&mainWindow), FAbout(about) {
    mainWindow.installEventFilter(this);
}

bool TStartupAbout::eventFilter(QObject* watched, QEvent* event) {
    if (!FStarted && (event->type() == QEvent::Show || event->type() == QEvent::WindowActivate)) {
        FStarted = true;
        watched->removeEventFilter(this);
        QTimer::singleShot(100, &FAbout, [about = &FAbout] { about->ShowSplash(500); });
    }
    return false;
}

} // namespace lw::gui
