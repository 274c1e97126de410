// The borderless "Looking for Calculator" notice shown while the program connects.
#pragma once
#include <QDialog>

class QLabel;
class QProgressBar;

namespace lw::gui {

class TFCnctStatus : public QDialog {
    Q_OBJECT
public:
    explicit TFCnctStatus(QWidget* parent = nullptr);

    QProgressBar* Animate1; // a busy indicator: the notice has no progress to show
    QLabel* Label1;

protected:
    void showEvent(QShowEvent* event) override;
};

} // namespace lw::gui
