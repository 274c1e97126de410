#include "capture/ScreenCapt.h"

#include "link/UiHooks.h"
#include "prompts/CoreTexts.h"
#include "prompts/DownLd.h"
#include "settings/SettingsStore.h"
#include "settings/windowsPosSave.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPixmap>
#include <QScreen>
#include <QStatusBar>

#include <exception>
#include <string_view>

namespace lw::gui {

namespace {

const char* const SectionName = "ScreenCapture";
constexpr int NoStoredZoom = 999;
const int ZoomFactors[] = {1, 2, 3, 4, 8, 16};

TFCapture* TheWindow = nullptr;

QImage ToImage(const TCaptureBitmap& bitmap) {
    QImage image(bitmap.Width, bitmap.Height, QImage::Format_RGB32);
    for (int y = 0; y < bitmap.Height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < bitmap.Width; ++x)
            line[x] = bitmap.Black(x, y) ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
    }
    return image;
}

// The save dialog's file types; a name typed without an extension gets the chosen type's.
struct TFileType {
    const char* Filter;
    const char* Suffix;
};
const TFileType SaveTypes[] = {
    {QT_TRANSLATE_NOOP("lw::gui::TFCapture", "JPEG Files (*.jpg *.jpeg)"), "jpg"},
    {QT_TRANSLATE_NOOP("lw::gui::TFCapture", "Bitmaps (*.bmp)"), "bmp"},
    {QT_TRANSLATE_NOOP("lw::gui::TFCapture", "PNG Files (*.png)"), "png"},
    {QT_TRANSLATE_NOOP("lw::gui::TFCapture", "All Files (*)"), ""}};

// The save dialog: the extension of the file type chosen when the user confirms is added to a
// name typed without one (before the overwrite question, which then asks about the right file).
class TSaveDialog : public QFileDialog {
public:
    using QFileDialog::QFileDialog;
    void accept() override {
        for (const TFileType& t : SaveTypes)
            if (selectedNameFilter() == TFCapture::tr(t.Filter)) setDefaultSuffix(t.Suffix);
        QFileDialog::accept();
    }
};

} // namespace

TFCapture::TFCapture(QWidget* parent) : QMainWindow(parent) {
    setObjectName("FCapture");
    setWindowTitle(tr("Screen capture"));
    setMinimumSize(100, 100);
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_QuitOnClose, false);
    auto* client = new QWidget(this);
    client->setObjectName("ClientArea");
    setCentralWidget(client);
    Image1 = new QLabel(client);
    Image1->setObjectName("Image1");
    Image1->move(0, 0);
    Image1->setStatusTip(tr("Captured Screen"));
    sbCapture = statusBar();
    sbCapture->setObjectName("sbCapture");
    CreateMenus();

    // FormCreate: bounds from the last window, then the options; hidden until a picture.
    WindowPosSave1 = new TWindowPosSave(this, SectionName);
    WindowPosSave1->RestoreWindowPos(true, true);
    setVisible(false);
    ReadSettings();
    if (!TheWindow) TheWindow = this;
    sbCapture->clearMessage();
    ImageReady = false;
    // The program's end closes the window, so its options are stored like at any close.
    connect(qApp, &QCoreApplication::aboutToQuit, this, &QWidget::close);
}

TFCapture::~TFCapture() {
    if (TheWindow == this) TheWindow = nullptr;
}

TFCapture* TFCapture::Current() {
    return TheWindow;
}

TFCapture& TFCapture::Obtain() {
    if (!TheWindow) new TFCapture; // registers itself; released when closed
    return *TheWindow;
}

void TFCapture::CreateMenus() {
    const auto action = [this](QMenu* menu, const char* name, const QString& text,
                               const QString& hint) {
        QAction* a = menu->addAction(text);
        a->setObjectName(name);
        a->setStatusTip(hint);
        return a;
    };
    mnuFile = menuBar()->addMenu(tr("&File"));
    mnuFile->setObjectName("mnuFile");
    mnuSaveAs = action(mnuFile, "mnuSaveAs", tr("Save &As..."), tr("Save the image to a file"));
    mnuAutoSave = action(mnuFile, "mnuAutoSave", tr("Save each capture to folder\u2026"),
                         tr("Save every further capture as a numbered PNG file in a folder"));
    mnuAutoSave->setCheckable(true);
    mnuClose = action(mnuFile, "mnuClose", tr("Close"), tr("Close the capture window"));
    mnuClose->setShortcut(QKeySequence("Alt+F4"));
    mnuEdit = menuBar()->addMenu(tr("Edit"));
    mnuEdit->setObjectName("mnuEdit");
    mnuCopy = action(mnuEdit, "mnuCopy", tr("Copy"), tr("Copy image to clipboard"));
    mnuCopy->setShortcut(QKeySequence("Ctrl+C"));
    mnuView = menuBar()->addMenu(tr("View"));
    mnuView->setObjectName("mnuView");
    mnuShowBorder = action(mnuView, "mnuShowBorder", tr("Show Border"),
                           tr("Apply/remove the frame and space options"));
    mnuShowBorder->setCheckable(true);
    mnuShowBorder->setChecked(true);

    const auto radioMenu = [&](const QString& title, const char* prefix, QAction** items,
                               const QString& hint, int* field) {
        QMenu* menu = mnuView->addMenu(title);
        auto* group = new QActionGroup(menu);
        for (int i = 0; i < 10; ++i) {
            items[i] = action(menu, "", QString::number(i), hint);
            items[i]->setObjectName(prefix + QString::number(i));
            items[i]->setCheckable(true);
            items[i]->setData(i);
            group->addAction(items[i]);
            connect(items[i], &QAction::triggered, this, [this, field, i] {
                *field = i;
                RefreshImage();
            });
        }
    };
    radioMenu(tr("Frame"), "mnuFrame", mnuFrame, tr("Size of added black frame"), &Frame);
    radioMenu(tr("Add Space"), "mnuSpace", mnuSpace,
              tr("White space between frame and screen capture"), &Space);
    mnuView->addSeparator();
    QMenu* zoom = mnuView->addMenu(tr("&Zoom"));
    zoom->setObjectName("mnuZoom");
    ZoomGroup = new QActionGroup(zoom);
    for (int factor : ZoomFactors) {
        QAction* a = action(zoom, "", tr("x%1").arg(factor), tr("Set size of the capture window"));
        a->setObjectName("mnuZoom" + QString::number(factor));
        a->setCheckable(true);
        a->setData(factor);
        ZoomGroup->addAction(a);
        connect(a, &QAction::triggered, this, [this, factor] {
            Zoom = factor;
            RefreshImage();
        });
    }
    mnuFitWindow = action(mnuView, "mnuFitWindow", tr("Fit &Window to Image"),
                          tr("Adjust the window size to match the captured image"));

    connect(mnuShowBorder, &QAction::triggered, this, [this] { RefreshImage(); });
    connect(mnuFitWindow, &QAction::triggered, this, [this] { FitWindowToImage(); });
    connect(mnuCopy, &QAction::triggered, this, [this] { mnuCopyClick(); });
    connect(mnuSaveAs, &QAction::triggered, this, [this] { mnuSaveAsClick(); });
    connect(mnuAutoSave, &QAction::triggered, this, [this] { mnuAutoSaveClick(); });
    connect(mnuClose, &QAction::triggered, this, &QWidget::close);
}

// A value outside 0..9 leaves the field as it was; its item is checked either way.
void TFCapture::SetFrame(int value) {
    if (value >= 0 && value <= 9) Frame = value;
    mnuFrame[Frame]->setChecked(true);
}

void TFCapture::SetSpace(int value) {
    if (value >= 0 && value <= 9) Space = value;
    mnuSpace[Space]->setChecked(true);
}

void TFCapture::SetZoom(int value) {
    Zoom = std::find(std::begin(ZoomFactors), std::end(ZoomFactors), value) != std::end(ZoomFactors)
               ? value
               : 2;
    for (QAction* a : ZoomGroup->actions()) a->setChecked(a->data().toInt() == Zoom);
}

void TFCapture::ReadSettings() {
    TSettingsStore s(SectionName);
    mnuShowBorder->setChecked(s.ReadBool("BorderShow", true));
    SetSpace(s.ReadInteger("BorderSpace", 1));
    SetFrame(s.ReadInteger("BorderFrame", 2));
    const int zoom = s.ReadInteger("Zoom", NoStoredZoom);
    FitOnFirstImage = zoom == NoStoredZoom;
    SetZoom(FitOnFirstImage ? 2 : zoom);
}

void TFCapture::SaveCaptureSettings() {
    WindowPosSave1->SaveWindowPos(true);
    TSettingsStore s(SectionName);
    s.WriteBool("BorderShow", mnuShowBorder->isChecked());
    s.WriteInteger("BorderSpace", Space);
    s.WriteInteger("BorderFrame", Frame);
    s.WriteInteger("Zoom", Zoom);
}

void TFCapture::ShowCapture(const std::string& data) {
    sbCapture->showMessage(tr("Processing Image"));
    FData = data;
    RefreshImage();
    if (!FAutoSaveFolder.isEmpty()) AutoSave();
}

void TFCapture::RefreshImage() {
    const bool fitted = width() == maximumWidth() && height() == maximumHeight();
    const bool fit = FitOnFirstImage || fitted;
    FitOnFirstImage = false;
    RenderCapture();
    // The fitted window is the maximum size the picture now allows (the image fills the client
    // area's width; menu and status bar add to its height). One that would pass the right or
    // bottom edge of the screen is not fitted.
    const QSize screen = QGuiApplication::primaryScreen()->size();
    if (fit && x() + maximumWidth() <= screen.width() && y() + maximumHeight() <= screen.height())
        FitWindowToImage();
    SaveCaptureSettings();
}

void TFCapture::RenderCapture() {
    ImageReady = false;
    FBitmap = lw::RenderCapture(FData, {mnuShowBorder->isChecked(), Frame, Space});
    FImage = ToImage(FBitmap);
    // Nearest-neighbour magnification keeps every calculator pixel a sharp square.
    const QSize shown = FImage.size() * Zoom;
    Image1->setPixmap(FImage.isNull() ? QPixmap()
                                      : QPixmap::fromImage(FImage.scaled(
                                            shown, Qt::IgnoreAspectRatio, Qt::FastTransformation)));
    Image1->resize(shown);
    ImageReady = true;
    ApplyResizeRule();
    mnuCopyClick();
    show();
    raise();
    activateWindow();
}

void TFCapture::ApplyResizeRule() {
    if (TheWindow != this || !ImageReady) return;
    // The window never grows beyond the whole magnified image with the menu and status bars.
    setMaximumSize(qMax(minimumWidth(), Image1->width()),
                   qMax(minimumHeight(), menuBar()->sizeHint().height() + Image1->height() +
                                             sbCapture->sizeHint().height()));
}

void TFCapture::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    ApplyResizeRule();
}

void TFCapture::FitWindowToImage() {
    resize(maximumSize());
}

void TFCapture::mnuCopyClick() {
    QGuiApplication::clipboard()->setImage(FImage);
    sbCapture->showMessage(tr("Copied to clipboard"));
}

bool TFCapture::SaveImageToFile(const QString& fileName) {
    return lw::SaveImageToFile(FBitmap, QFile::encodeName(fileName).toStdString());
}

void TFCapture::mnuSaveAsClick() {
    TSaveDialog dialog(this, tr("Save Captured Screen"));
    dialog.setObjectName("SaveDialog1");
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    QStringList filters;
    for (const TFileType& t : SaveTypes)
        if (std::string_view(t.Suffix) != "jpg" || JpegAvailable()) filters << tr(t.Filter);
    dialog.setNameFilters(filters);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    const QString file = dialog.selectedFiles().constFirst();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QCoreApplication::processEvents();
    try {
        SaveImageToFile(file);
        QApplication::restoreOverrideCursor();
    } catch (const std::exception& e) {
        QApplication::restoreOverrideCursor();
        QMessageBox::warning(this, tr("Save Captured Screen"), TrCoreText(e.what()));
    }
}

void TFCapture::SetAutoSaveFolder(const QString& folder) {
    FAutoSaveFolder = folder;
    FAutoSaveNumber = 1;
    mnuAutoSave->setChecked(!folder.isEmpty());
    sbCapture->showMessage(
        folder.isEmpty() ? QString()
                         : tr("Each capture is saved in %1").arg(QDir::toNativeSeparators(folder)));
}

void TFCapture::mnuAutoSaveClick() {
    if (!FAutoSaveFolder.isEmpty()) {
        SetAutoSaveFolder({});
        return;
    }
    QFileDialog dialog(this, tr("Save each capture to folder"));
    dialog.setObjectName("FolderDialog");
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    const bool chosen = dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty();
    SetAutoSaveFolder(chosen ? dialog.selectedFiles().constFirst() : QString());
}

QString TFCapture::AutoSaveFileName(const QString& folder, int& from) {
    const QString date = QDate::currentDate().toString("yyyy-MM-dd");
    for (;; ++from) {
        const QString name = QDir(folder).filePath(
            QString("capture-%1-%2.png").arg(date).arg(from, 3, 10, QChar('0')));
        if (!QFileInfo::exists(name)) return name;
    }
}

void TFCapture::AutoSave() {
    const QString file = AutoSaveFileName(FAutoSaveFolder, FAutoSaveNumber);
    try {
        SaveImageToFile(file);
        ++FAutoSaveNumber;
        sbCapture->showMessage(tr("Saved %1").arg(QDir::toNativeSeparators(file)));
    } catch (const std::exception& e) {
        // One message, then no further attempts: the folder is not writable.
        SetAutoSaveFolder({});
        QMessageBox::warning(this, tr("Save each capture to folder"), TrCoreText(e.what()));
    }
}

void TFCapture::closeEvent(QCloseEvent* event) {
    ImageReady = false;
    SaveCaptureSettings();
    if (TheWindow == this) TheWindow = nullptr;
    // A capture loop waiting for the next picture ends with the window.
    if (auto* prompt = dynamic_cast<TFDownLd*>(UiHooks().Prompt))
        prompt->HidePromptIfKind(TPromptKind::CaptureNext);
    event->accept();
}

} // namespace lw::gui
