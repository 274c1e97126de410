// The about box: the program's picture, the main window's caption as title, the version of
// this build and OK. At start it shows once as a splash that closes itself.
#pragma once
#include <QDialog>
#include <QPixmap>
#include <QTimer>

class QLabel;
class QPushButton;

namespace lw::gui {

// The program's picture, drawn in code: a calculator with a link to the PC. `size` pixels
// square.
QPixmap LinkwellPicture(int size);

class TFAboutForm : public QDialog {
    Q_OBJECT
public:
    explicit TFAboutForm(QWidget* parent = nullptr);
    // Shows the box without blocking and closes it after `ms` milliseconds, unless the user
    // closed it before.
    void ShowSplash(int ms);
    bool IsSplash() const { return FSplash; }

    QLabel* Image1;
    QLabel* Label1;
    QPushButton* btnOK;

protected:
    // Takes the owner's caption, fills in the version and centres over the owner.
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QTimer FSplashTimer;
    bool FSplash = false;
};

// The start-up about box: the first time `mainWindow` is shown or activated, the about box
// appears 100 ms later and closes itself about half a second after that.
class TStartupAbout : public QObject {
    Q_OBJECT
public:
    TStartupAbout(QWidget& mainWindow, TFAboutForm& about);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TFAboutForm& FAbout;
    bool FStarted = false;
};

} // namespace lw::gui
