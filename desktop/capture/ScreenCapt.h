// The screen capture window: shows the last picture received from the calculator with an
// optional black frame and white space around it, magnified 1 to 16 times with sharp pixels,
// and copies, saves or (while the capture loop runs) files away the unmagnified picture. The
// pixels come from the core's picture code, the same the command-line program saves.
// There is at most one window: it is created for the first capture and released when closed.
#pragma once
#include "objects/CaptureImage.h"

#include <QImage>
#include <QMainWindow>

#include <string>

class QAction;
class QActionGroup;
class QLabel;
class QMenu;
class QStatusBar;

namespace lw::gui {

class TWindowPosSave;

class TFCapture : public QMainWindow {
    Q_OBJECT
public:
    explicit TFCapture(QWidget* parent = nullptr);
    ~TFCapture() override;

    // The registered capture window (null: none).
    static TFCapture* Current();
    // The registered window, created (hidden) when there is none.
    static TFCapture& Obtain();

    // Shows one capture: renders it, puts it on the clipboard, files it away when a folder is
    // chosen, and brings the window to the front.
    void ShowCapture(const std::string& data);
    void RefreshImage();
    void RenderCapture();
    void FitWindowToImage();
    void SaveCaptureSettings();
    // Writes the unmagnified picture in the format of the name's extension; false (nothing
    // written) for an extension of no picture format. Raises when the file cannot be written.
    bool SaveImageToFile(const QString& fileName);
    // While not empty, every capture is also written as a numbered PNG file into this folder.
    void SetAutoSaveFolder(const QString& folder);
    QString AutoSaveFolder() const { return FAutoSaveFolder; }
    // The file the next capture is saved to in `folder`: "capture-<date>-<nnn>.png" with the
    // lowest number from `from` on that names no file yet.
    static QString AutoSaveFileName(const QString& folder, int& from);

    // The picture as copied and saved (W x H, not magnified).
    QImage Bitmap() const { return FImage; }
    int Frame = 2;
    int Space = 4;
    int Zoom = 2;
    bool ImageReady = false;
    bool FitOnFirstImage = false;
    void SetFrame(int value);
    void SetSpace(int value);
    void SetZoom(int value);

    // Handlers, named as the menu items they serve.
    void mnuCopyClick();
    void mnuSaveAsClick();
    void mnuAutoSaveClick();

    // Components.
    QLabel* Image1 = nullptr;
    QStatusBar* sbCapture = nullptr;
    QMenu *mnuFile = nullptr, *mnuEdit = nullptr, *mnuView = nullptr;
    QAction *mnuSaveAs = nullptr, *mnuAutoSave = nullptr, *mnuClose = nullptr, *mnuCopy = nullptr,
            *mnuShowBorder = nullptr, *mnuFitWindow = nullptr;
    QAction* mnuFrame[10] = {};
    QAction* mnuSpace[10] = {};
    QActionGroup* ZoomGroup = nullptr; // mnuZoom1 .. mnuZoom16, the factor as data
    TWindowPosSave* WindowPosSave1 = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void CreateMenus();
    void ReadSettings();
    void ApplyResizeRule();
    void AutoSave();

    std::string FData; // the last capture shown
    TCaptureBitmap FBitmap;
    QImage FImage;
    QString FAutoSaveFolder;
    int FAutoSaveNumber = 1;
};

} // namespace lw::gui
