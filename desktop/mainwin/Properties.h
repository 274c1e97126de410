// The "Properties" dialog of the selected calculator entries: their names, their total size
// and an estimate of the time a download of them takes at the current speed.
#pragma once
#include <QDialog>

#include <cstdint>
#include <string>
#include <vector>

class QLabel;
class QListWidget;
class QPushButton;

namespace lw::gui {

// "1024 B" up to 1024 bytes, whole kilobytes above ("1 KB" for 1025).
std::string PropertySizeText(int64_t totalBytes);
// "<m>min : <s>s" for at least 2 seconds.
std::string PropertyTimeText(int64_t seconds);
// The estimated download time of `totalBytes` at `speed` (baud; "130000" on USB): about 10
// bits a byte, plus a quarter for the protocol; doubled for the whole memory (the root).
// A speed that is no positive number estimates at 9600.
int64_t PropertySeconds(int64_t totalBytes, const std::string& speed, bool wholeMemory);

class TFProperty : public QDialog {
    Q_OBJECT
public:
    explicit TFProperty(QWidget* parent = nullptr);
    // Fills the dialog and shows it modally.
    void ShowProperties(const std::vector<std::string>& names, int64_t totalBytes, int64_t seconds);
    // Fills the dialog without showing it.
    void SetProperties(const std::vector<std::string>& names, int64_t totalBytes, int64_t seconds);

    QListWidget* ListBox1;
    QLabel* Size;
    QLabel* Time;
    QPushButton* Button1;

protected:
    void showEvent(QShowEvent* event) override;
};

} // namespace lw::gui
