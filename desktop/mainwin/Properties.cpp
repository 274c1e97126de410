#include "mainwin/Properties.h"

#include "settings/WindowPlacement.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include <algorithm>
#include <charconv>

namespace lw::gui {

std::string PropertySizeText(int64_t totalBytes) {
    const auto text = [](const char* unit, int64_t n) {
        return QCoreApplication::translate("lw::gui::TFProperty", unit).arg(n).toStdString();
    };
    if (totalBytes < 1025)
        return text(QT_TRANSLATE_NOOP("lw::gui::TFProperty", "%1 B"), totalBytes);
    return text(QT_TRANSLATE_NOOP("lw::gui::TFProperty", "%1 KB"), totalBytes / 1024);
}

std::string PropertyTimeText(int64_t seconds) {
    const int64_t t = std::max<int64_t>(seconds, 2);
    return QCoreApplication::translate("lw::gui::TFProperty", "%1min : %2s")
        .arg(t / 60)
        .arg(t % 60)
        .toStdString();
}

int64_t PropertySeconds(int64_t totalBytes, const std::string& speed, bool wholeMemory) {
    int64_t baud = 0;
    const auto [end, ec] = std::from_chars(speed.data(), speed.data() + speed.size(), baud);
    // A speed that is not a positive number would divide by zero.
    if (ec != std::errc() || end != speed.data() + speed.size() || baud <= 0) baud = 9600;
    const int64_t seconds = (totalBytes * 125) / (baud * 10);
    return wholeMemory ? 2 * seconds : seconds;
}

TFProperty::TFProperty(QWidget* parent) : QDialog(parent) {
    setObjectName("TFProperty");
    setWindowTitle(tr("Properties"));
    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName("ListBox1");
    Size = new QLabel(this);
    Size->setObjectName("Size");
    Time = new QLabel(this);
    Time->setObjectName("Time");
    Button1 = new QPushButton(tr("Close"), this);
    Button1->setObjectName("Button1");
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);

    auto* names = new QLabel(tr("File name(s)"), this);
    names->setBuddy(ListBox1);
    auto* grid = new QGridLayout(this);
    grid->addWidget(names, 0, 0, 1, 2);
    grid->addWidget(ListBox1, 1, 0, 1, 2);
    grid->addWidget(new QLabel(tr("Total File size"), this), 2, 0);
    grid->addWidget(Size, 2, 1);
    grid->addWidget(new QLabel(tr("Estimated download time"), this), 3, 0);
    grid->addWidget(Time, 3, 1);
    grid->addWidget(Button1, 4, 0, 1, 2, Qt::AlignHCenter);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    ListBox1->setFixedSize(fontMetrics().averageCharWidth() * 40, fontMetrics().lineSpacing() * 8);
}

void TFProperty::SetProperties(const std::vector<std::string>& names, int64_t totalBytes,
                               int64_t seconds) {
    ListBox1->clear();
    for (const std::string& name : names) ListBox1->addItem(QString::fromStdString(name));
    Size->setText(QString::fromStdString(PropertySizeText(totalBytes)));
    Time->setText(QString::fromStdString(PropertyTimeText(seconds)));
}

void TFProperty::ShowProperties(const std::vector<std::string>& names, int64_t totalBytes,
                                int64_t seconds) {
    SetProperties(names, totalBytes, seconds);
    exec();
}

void TFProperty::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    CentreOver(*this, TOwnerForm<TFProperty>::Get());
    Button1->setFocus();
}

} // namespace lw::gui
