// The capture window: both layouts pixel for pixel, border and zoom sizes, the stored options
// with their fall-backs, copy and save of the unmagnified picture; the main window's capture
// loop against the simulated calculator, with auto-save, a failed capture, Cancel and hang-up.
#include "capture/ScreenCapt.h"
#include "mainwin/ZQDir.h"
#include "prompts/DownLd.h"
#include "settings/SettingsStore.h"
#include "support/gui/CaptureScenes.h"
#include "support/gui/MainWindowFixture.h"
#include "support/gui/WindowParts.h"

#include <QtTest>
#include <QtWidgets>

#include <deque>
#include <functional>

using namespace lw;
using namespace lw::gui;
using sim::TCaptureLayout;

namespace {

// 64 rows of 17 bytes drawing `black`; `tail` fills the bits beyond column 130.
std::string Rows(const std::function<bool(int x, int y)>& black, bool tail = false) {
    std::string rows(64 * 17, '\0');
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 131; ++x)
            if (black(x, y)) rows[size_t(y * 17 + x / 8)] |= char(1 << (x % 8));
        if (tail) rows[size_t(y * 17 + 16)] |= char(0xF8);
    }
    return rows;
}

bool Pattern(int x, int y) {
    return (x * 7 + y * 3) % 5 == 0 || x == 130 || y == 63;
}

bool IsBlack(const QImage& image, int x, int y) {
    return qGray(image.pixel(x, y)) < 128;
}

// The picture of `rows` (only its first `rowsWithData` rows; the rest white) inside a frame of
// f and a space of s pixels.
void ComparePicture(const QImage& image, int f, int s, int rowsWithData = 64) {
    const int edge = f + s;
    QCOMPARE(image.size(), QSize(131 + 2 * edge, 64 + 2 * edge));
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const bool frame = x < f || y < f || x >= image.width() - f || y >= image.height() - f;
            const int px = x - edge, py = y - edge;
            const bool inside = px >= 0 && py >= 0 && px < 131 && py < 64;
            const bool black = frame || (inside && py < rowsWithData && Pattern(px, py));
            if (IsBlack(image, x, y) != black)
                QFAIL(qPrintable(QString("pixel %1,%2").arg(x).arg(y)));
        }
}

QImage Decoded(const QString& file) {
    return QImage(file).convertToFormat(QImage::Format_RGB32);
}

QAction* Item(TFCapture& w, const char* name) {
    return w.findChild<QAction*>(name);
}

} // namespace

class TCaptureTest : public QObject {
    Q_OBJECT
    std::unique_ptr<test::TMainWindowFixture> F; // its window is connected by the capture loop
    TFZQDir* W = nullptr;
    std::unique_ptr<TFDownLd> Prompt;

    // Runs the main window's capture loop with `steps` answering its prompts; `messages`: the
    // number of messages shown meanwhile. Each new showing of the prompt takes the next step;
    // one still showing after the last step, or after 30 s, is cancelled so the loop ends.
    void RunLoop(std::deque<std::function<void()>> steps, int& messages) {
        const size_t seen = F->Script.Seen.size();
        bool wasVisible = false, timedOut = false;
        QElapsedTimer clock;
        clock.start();
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&] {
            const bool visible = Prompt->isVisible();
            if (visible && !wasVisible && !steps.empty()) {
                const auto step = std::move(steps.front());
                steps.pop_front();
                step();
            } else if (visible && clock.elapsed() > 30000) {
                timedOut = true;
                Prompt->btnCancel->click();
            }
            wasVisible = visible;
        });
        poll.start(20);
        test::Parts(W).tbtnScrnCapture->click(); // returns when the loop has ended
        messages = int(F->Script.Seen.size() - seen);
        QVERIFY(!timedOut);
        QVERIFY2(!Prompt->isVisible(), "the loop ended with its prompt showing");
        QVERIFY(!W->Connected());
    }
    std::function<void()> Send(const std::string& layout) {
        return [this, layout] { QCOMPARE(F->Control("capture " + layout), "OK capture started"); };
    }

private Q_SLOTS:
    void initTestCase() {
        F = std::make_unique<test::TMainWindowFixture>(false);
        W = F->W.get();
    }
    void cleanup() {
        if (TFCapture* w = TFCapture::Current()) w->close();
        QSettings().clear();
    }
    void cleanupTestCase() {
        F.reset();
        Prompt.reset();
    }

    void DrawsBothLayoutsAndShortCapturesPixelForPixel() {
        TFCapture& w = TFCapture::Obtain(); // stored defaults: frame 2, space 1
        w.ShowCapture(sim::CaptureStream(TCaptureLayout::Band, Rows(Pattern)));
        ComparePicture(w.Bitmap(), 2, 1);
        QVERIFY(w.isVisible());
        // Width 131: 17 bytes a row, the 5 bits beyond the picture ignored.
        const std::string header = sim::CaptureStream(TCaptureLayout::Header, Rows(Pattern, true));
        QCOMPARE(header.size(), size_t(6 + 64 * 17));
        w.ShowCapture(header);
        ComparePicture(w.Bitmap(), 2, 1);
        // A short capture: the rows without data are white, nothing is read beyond the data.
        w.ShowCapture(header.substr(0, 6 + 20 * 17));
        ComparePicture(w.Bitmap(), 2, 1, 20);
        w.ShowCapture(sim::CaptureStream(TCaptureLayout::Band, Rows(Pattern)).substr(0, 3 * 135));
        ComparePicture(w.Bitmap(), 2, 1, 24);
    }

    void BorderAndZoomSizes() {
        TFCapture& w = TFCapture::Obtain();
        w.ShowCapture(test::SampleScreenCapture());
        Item(w, "mnuFrame2")->trigger();
        Item(w, "mnuSpace1")->trigger();
        Item(w, "mnuZoom16")->trigger();
        QCOMPARE(w.Image1->size(), QSize(2192, 1120));
        QCOMPARE(w.Bitmap().size(), QSize(137, 70));
        // Bigger than the screen: not fitted, and never beyond the whole image.
        QVERIFY(w.width() <= 2192 && w.height() < 1120 + 100);
        Item(w, "mnuShowBorder")->trigger();
        QCOMPARE(w.Bitmap().size(), QSize(131, 64));
        Item(w, "mnuShowBorder")->trigger();
        QCOMPARE(w.Bitmap().size(), QSize(137, 70));
        // Frame 0, space 3: a white margin and no black line.
        Item(w, "mnuFrame0")->trigger();
        Item(w, "mnuSpace3")->trigger();
        Item(w, "mnuZoom1")->trigger();
        const QImage image = w.Bitmap();
        QCOMPARE(image.size(), QSize(137, 70));
        for (int x = 0; x < image.width(); ++x)
            QVERIFY(!IsBlack(image, x, 0) && !IsBlack(image, x, 2) && !IsBlack(image, x, 69));
        QCOMPARE(w.Image1->size(), QSize(137, 70));
        // The options are stored for the next window.
        w.close();
        TFCapture& next = TFCapture::Obtain();
        QCOMPARE(next.Frame, 0);
        QCOMPARE(next.Space, 3);
        QCOMPARE(next.Zoom, 1);
    }

    void StoredOptionsOutOfRangeFallBack() {
        {
            TSettingsStore s("ScreenCapture");
            s.WriteInteger("Zoom", 5);
            s.WriteInteger("BorderFrame", 12);
            s.WriteInteger("BorderSpace", 12);
        }
        TFCapture& w = TFCapture::Obtain();
        QCOMPARE(w.Zoom, 2);
        QCOMPARE(w.Frame, 2);
        QCOMPARE(w.Space, 4);
        QVERIFY(Item(w, "mnuZoom2")->isChecked() && Item(w, "mnuFrame2")->isChecked());
        QVERIFY(!w.FitOnFirstImage);
        w.close();
        // Without a stored zoom the first picture sets x2 and fits the window to it.
        QSettings().clear();
        TFCapture& fresh = TFCapture::Obtain();
        QVERIFY(fresh.FitOnFirstImage);
        fresh.ShowCapture(test::SampleScreenCapture());
        QCOMPARE(fresh.Image1->size(), QSize(137 * 2, 70 * 2));
        QCOMPARE(fresh.size(), fresh.maximumSize());
    }

    void CopyAndSaveWriteTheUnmagnifiedPicture() {
        TFCapture& w = TFCapture::Obtain();
        Item(w, "mnuZoom4")->trigger();
        w.ShowCapture(sim::CaptureStream(TCaptureLayout::Band, Rows(Pattern)));
        const QImage picture = w.Bitmap();
        QCOMPARE(picture.size(), QSize(137, 70));
        QCOMPARE(QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32), picture);
        QApplication::clipboard()->clear();
        Item(w, "mnuCopy")->trigger();
        QCOMPARE(QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32), picture);

        // A name typed without an extension gets the chosen type's.
        const QString folder = QString::fromStdString(F->File(""));
        F->Script.Then([&](QWidget* d) {
            auto* dialog = qobject_cast<QFileDialog*>(d);
            QVERIFY(dialog);
            dialog->setDirectory(folder);
            dialog->selectNameFilter("PNG Files (*.png)");
            dialog->selectFile("shot");
            static_cast<QDialog*>(dialog)->accept(); // as the Save button does
        });
        Item(w, "mnuSaveAs")->trigger();
        QCOMPARE(Decoded(folder + "/shot.png"), picture);
        QVERIFY(w.SaveImageToFile(folder + "/shot.BMP"));
        QCOMPARE(Decoded(folder + "/shot.BMP"), picture);
        QVERIFY(w.SaveImageToFile(folder + "/shot.jpg"));
        const QImage jpeg = Decoded(folder + "/shot.jpg");
        QCOMPARE(jpeg.size(), picture.size());
        int wrong = 0;
        for (int y = 0; y < jpeg.height(); ++y)
            for (int x = 0; x < jpeg.width(); ++x)
                wrong += std::abs(qGray(jpeg.pixel(x, y)) - qGray(picture.pixel(x, y))) > 96;
        QCOMPARE(wrong, 0);
        QVERIFY(!w.SaveImageToFile(folder + "/shot.txt"));
        QVERIFY(!QFile::exists(folder + "/shot.txt"));
    }

    void CaptureLoopShowsAndSavesEachCaptureUntilCancel() {
        Prompt = std::make_unique<TFDownLd>(false);
        W->AttachPromptDialog(Prompt.get());
        F->InstallHooks(W, Prompt.get());
        const QString folder = QString::fromStdString(F->File("series"));
        QVERIFY(QDir().mkpath(folder));
        TFCapture::Obtain().SetAutoSaveFolder(folder);
        // A failed capture is reported and the next one awaited; Cancel ends the loop.
        int messages = -1;
        RunLoop({Send("oversize"), Send("band"), Send("header"),
                 [this] { Prompt->btnCancel->click(); }},
                messages);
        QCOMPARE(messages, 1);
        TFCapture* w = TFCapture::Current();
        QVERIFY(w && w->isVisible());
        QCOMPARE(Prompt->CurrentKind(), TPromptKind::CaptureNext);
        const QStringList files = QDir(folder).entryList({"capture-*.png"}, QDir::Files);
        QCOMPARE(files.size(), 2);
        QVERIFY(files[1].endsWith("-002.png"));
        QCOMPARE(Decoded(folder + "/" + files[1]), w->Bitmap());
        QCOMPARE(QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
                 w->Bitmap());
    }

    void SpeedQuestionDeclinedOrWindowClosedEndsTheLoop() {
        // A serial line below 115200: the speed question comes first; No ends it all.
        test::Parts(W).cmboSpeed->setCurrentText("9600");
        int messages = -1;
        RunLoop({}, messages);
        QCOMPARE(messages, 1);
        QCOMPARE(F->Script.Seen.back(), QString("Set the calculator"));
        test::Parts(W).cmboSpeed->setCurrentText("115200");
        // Closing the capture window while the next capture is awaited ends the loop.
        RunLoop({Send("band"), [] { TFCapture::Current()->close(); }}, messages);
        QCOMPARE(messages, 0);
        QVERIFY(!TFCapture::Current());
    }

    // Last: the simulator is gone afterwards.
    void HangUpEndsTheLoopWithOneMessage() {
        int messages = -1;
        // The line goes while the capture is received: the port cannot be opened again.
        QTimer hangUp;
        connect(&hangUp, &QTimer::timeout, this, [&] {
            if (!F->CmStatus.isVisible()) return;
            F->Control("hangup");
            hangUp.stop();
        });
        RunLoop({[&] {
                    Send("band")();
                    hangUp.start(5);
                }},
                messages);
        QCOMPARE(messages, 1);
    }
};

QTEST_MAIN(TCaptureTest)
#include "capture_test.moc"
