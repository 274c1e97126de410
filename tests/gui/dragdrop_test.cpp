// Dragging entries out of the main window, dropping PC files into it, and the clipboard's file
// lists with the file managers' copy/cut markers, against the in-process simulated calculator.
#include "mainwin/DragDrop.h"
#include "mainwin/ZQDir.h"
#include "server/Commands.h"
#include "server/XModemServer.h"
#include "server/XPObject.h"
#include "support/FakeUi.h"
#include "support/gui/DragEvents.h"
#include "support/gui/GapMeter.h"
#include "support/gui/MainWindowFixture.h"
#include "support/gui/SimCalc.h"
#include "support/gui/WindowParts.h"
#include "util/Files.h"

#include <QtTest>
#include <QtWidgets>

#include <ctime>
#include <filesystem>

using namespace lw;
using namespace lw::gui;
using lw::test::SendDragOver;
using lw::test::SendDrop;
using lw::test::SendMouse;

namespace {

QStringList LocalFiles(const QMimeData& mime) {
    QStringList files;
    for (const QUrl& url : mime.urls()) files << url.toLocalFile();
    return files;
}

} // namespace

class TDragDropTest : public QObject {
    Q_OBJECT
    std::unique_ptr<test::TMainWindowFixture> F;
    TFZQDir* W = nullptr;
    test::TFakePrompt Prompt; // answers no to every question
    std::unique_ptr<QMimeData> Dragged;
    int Drags = 0;

    QPoint ListPoint(const QString& name) const {
        const QModelIndex item =
            test::Parts(W).ListModel.index(test::Parts(W).ListModel.RowNamed(name), 0);
        test::Parts(W).ListView1->scrollTo(item);
        return test::Parts(W).ListView1->visualRect(item).center();
    }
    QPoint TreePoint(const QString& path) const {
        test::Parts(W).TreeView1->scrollTo(W->FindNodeForPath(path));
        return test::Parts(W).TreeView1->visualRect(W->FindNodeForPath(path)).center();
    }
    // Presses at `at`, moves by each offset in turn and releases; the drags that started.
    int Drag(QWidget* pane, const QPoint& at, std::initializer_list<QPoint> moves) {
        const int before = Drags;
        SendMouse(pane, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
        for (const QPoint& by : moves)
            SendMouse(pane, QEvent::MouseMove, at + by, Qt::NoButton, Qt::LeftButton);
        SendMouse(pane, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
        return Drags - before;
    }
    // Waits until the files dropped or pasted are on the calculator and shown.
    void WaitShown(const std::function<bool()>& done) {
        QTRY_VERIFY_WITH_TIMEOUT(done() && !W->Busy() && !test::Parts(W).Timer1.isActive(), 20000);
    }
    // What the core's own copy of an entry writes.
    std::string CoreCopy(const TXPObject& e, const std::string& dir) {
        const std::string folder = F->File("core");
        std::filesystem::create_directories(folder);
        W->Server().ChangeDir(dir);
        return ReadFileToString(
            CopyEntryToFolder(W->Server(), e.Name, e.TypeIndex, e.SizeBytes, folder));
    }
    QString PcFile(const std::string& name, const std::string& object) {
        WriteStringToFile(object, F->File(name));
        return QString::fromStdString(F->File(name));
    }

private Q_SLOTS:
    void initTestCase() {
        F = std::make_unique<test::TMainWindowFixture>();
        W = F->W.get();
        F->InstallHooks(W, &Prompt);
        QVERIFY(W->Connected());
        test::Parts(W).DragDrop->ExecDrag = [this](QWidget*, QMimeData* data) {
            Dragged.reset(data);
            ++Drags;
        };
    }
    void cleanupTestCase() {
        Dragged.reset();
        F.reset();
    }

    void DragStartsPastItsThresholdAndDoubleClickStillOpens() {
        QVERIFY(F->Select("HOME"));
        QWidget* list = test::Parts(W).ListView1->viewport();
        const QPoint p = ListPoint("X");
        QCOMPARE(Drag(list, p, {{1, 1}}), 0);
        QCOMPARE(Drag(list, p, {{1, 1}, {2, 0}}), 1);
        QCOMPARE(LocalFiles(*Dragged).size(), 1);
        QWidget* tree = test::Parts(W).TreeView1->viewport();
        const QPoint t = TreePoint("HOME EMPTY");
        QCOMPARE(Drag(tree, t, {{5, 5}}), 0);
        QCOMPARE(Drag(tree, t, {{5, 5}, {0, 6}}), 1);

        // A click that wanders a pixel is still a click: the double-click opens the folder.
        QVERIFY(F->Select("HOME"));
        const QPoint w = ListPoint("WORK");
        QCOMPARE(Drag(list, w, {{1, 0}}), 0);
        QTest::mouseDClick(list, Qt::LeftButton, {}, w);
        WaitShown([&] { return test::Parts(W).CurrentPath == "HOME WORK"; });
        QCOMPARE(Drags, 2);
    }

    void ListDragFetchesOnlyWhenTheFilesAreAskedFor() {
        for (const bool text : {false, true}) {
            W->SetTextMode(text);
            QVERIFY(F->Select("HOME"));
            QVERIFY(F->SelectEntries({"X", "MSG"}));
            std::unique_ptr<QMimeData> mime(test::Parts(W).DragDrop->ListMimeData());
            auto* calc = qobject_cast<TCalcMimeData*>(mime.get());
            QVERIFY(calc);
            QCOMPARE(mime->formats(), QStringList{"text/uri-list"});
            QVERIFY(mime->hasUrls());
            // Over its own window the drag is refused, and nothing is fetched for it.
            QVERIFY(
                !SendDragOver(test::Parts(W).ListView1->viewport(), mime.get(), ListPoint("X")));
            QCOMPARE(calc->FetchCount(), 0);
            const QStringList files = LocalFiles(*mime);
            QCOMPARE(files, LocalFiles(*mime));
            QCOMPARE(calc->FetchCount(), 1);
            QCOMPARE(files.size(), 2);
            for (const QString& f : files) {
                const std::string name = std::filesystem::path(f.toStdString()).stem().string();
                QCOMPARE(f.toStdString(),
                         TempFolder() +
                             CopyFileNameFor(name, text, test::Parts(W).State.AddExtension));
                const TXPObject* e = W->Server().Root().FindChild(name);
                QVERIFY(e && ReadFileToString(f.toStdString()) == CoreCopy(*e, "HOME"));
            }
        }
        W->SetTextMode(false);
    }

    // The files a drop target asks for are fetched under the progress dialog, whose Cancel
    // ends the fetch as it ends a copy; the window keeps answering, and a cancelled or failed
    // fetch offers no files and leaves none behind.
    void DragOutFetchShowsProgressAndEndsWithoutPartialFiles() {
        const struct {
            const char* Name;
            bool Text, Root;
            const char* Fault; // "" none, "cancel", "hangup"
        } rows[] = {
            {"whole", false, false, ""},
            {"cancelled", false, false, "cancel"},
            {"text, cancelled", true, false, "cancel"},
            {"backup, cancelled", false, true, "cancel"},
            {"hang-up", false, false, "hangup"},
        };
        for (const auto& row : rows) {
            if (!W->Connected()) {
                QCOMPARE(F->Control("server").substr(0, 2), std::string("OK"));
                W->tbtnConnectClick(false);
            }
            W->SetTextMode(row.Text);
            QVERIFY(W->Connected() && F->Select("HOME"));
            std::unique_ptr<QMimeData> mime;
            std::string file;
            if (row.Root) {
                test::Parts(W).FocusedControl = test::Parts(W).TreeView1;
                mime.reset(test::Parts(W).DragDrop->TreeMimeData());
                file = TempFolder() +
                       DefaultArchiveName(test::Parts(W).State.ModelCode, std::time(nullptr));
            } else {
                QVERIFY(F->SelectEntries({"BIG"}));
                mime.reset(test::Parts(W).DragDrop->ListMimeData());
                file = TempFolder() +
                       CopyFileNameFor("BIG", row.Text, test::Parts(W).State.AddExtension);
            }
            std::filesystem::remove(file);
            const std::string fault = row.Fault;
            int shown = 0;
            QTimer watch;
            connect(&watch, &QTimer::timeout, this, [&] {
                if (!F->CmStatus.isVisible() || F->CmStatus.ProgressBar1->value() < 4096) return;
                ++shown;
                watch.stop();
                if (fault == "cancel") F->CmStatus.btnCancel->click();
                if (fault == "hangup") F->Control("hangup");
            });
            watch.start(10);
            const size_t seen = F->Script.Seen.size();
            const test::TGapMeter gaps;
            const QStringList files = LocalFiles(*mime);
            QVERIFY2(shown == 1, row.Name);
            QVERIFY2(gaps.LongestMs() < 200, qPrintable(QString::number(gaps.LongestMs())));
            if (fault.empty()) {
                QCOMPARE(files, QStringList{QString::fromStdString(file)});
                QVERIFY(ReadFileToString(file) == test::SimObjectFile(*F->Sim, "HOME", "BIG"));
                continue;
            }
            QVERIFY2(files.isEmpty(), row.Name);
            QVERIFY2(!std::filesystem::exists(file), row.Name);
            // One message, once the target has its (empty) answer.
            QTRY_COMPARE(F->Script.Seen.size(), seen + 1);
        }
        W->SetTextMode(false);
        // The hung-up calculator is started again for the tests that follow.
        F.reset();
        F = std::make_unique<test::TMainWindowFixture>();
        W = F->W.get();
        F->InstallHooks(W, &Prompt);
        test::Parts(W).DragDrop->ExecDrag = [this](QWidget*, QMimeData* data) {
            Dragged.reset(data);
        };
        QVERIFY(W->Connected());
    }

    void TreeDragGivesTheFolderAndTheRootABackup() {
        QVERIFY(F->Select("HOME WORK"));
        test::Parts(W).FocusedControl = test::Parts(W).TreeView1;
        std::unique_ptr<QMimeData> mime(test::Parts(W).DragDrop->TreeMimeData());
        const QStringList files = LocalFiles(*mime);
        QCOMPARE(files.size(), 1);
        const TXPObject* work = W->Server().Root().FindChild("WORK");
        QVERIFY(ReadFileToString(files.first().toStdString()) == CoreCopy(*work, "HOME"));

        // The root: a backup archive of the connected calculator; meanwhile the window takes
        // no drops at all.
        QVERIFY(F->Select("HOME"));
        bool acceptedDrops = true;
        test::Parts(W).DragDrop->ExecDrag = [&](QWidget*, QMimeData* data) {
            Dragged.reset(data);
            acceptedDrops = test::Parts(W).ListView1->viewport()->acceptDrops() ||
                            test::Parts(W).TreeView1->viewport()->acceptDrops();
        };
        Drag(test::Parts(W).TreeView1->viewport(), TreePoint("HOME"), {{6, 0}});
        QVERIFY(Dragged && !acceptedDrops);
        QVERIFY(test::Parts(W).ListView1->viewport()->acceptDrops());
        auto* calc = qobject_cast<TCalcMimeData*>(Dragged.get());
        QCOMPARE(calc->FetchCount(), 0);
        const QStringList archive = LocalFiles(*Dragged);
        QCOMPARE(archive, QStringList{QString::fromStdString(
                              TempFolder() + DefaultArchiveName(test::Parts(W).State.ModelCode,
                                                                std::time(nullptr)))});
        QCOMPARE(RestoreFileRefusal(W->Server(), archive.first().toStdString()), std::string());
        test::Parts(W).DragDrop->ExecDrag = [this](QWidget*, QMimeData* data) {
            Dragged.reset(data);
        };
    }

    void DropsSendFilesWhereTheyLand() {
        const std::string x = test::SimObjectFile(*F->Sim, "HOME", "X");
        QVERIFY(F->Select("HOME"));
        int before = test::Parts(W).RefreshCount;
        test::Parts(W).DragDrop->DropOnList({PcFile("DROPA.zq", x)}, QPoint(-1, -1));
        QVERIFY(F->WaitRefresh(before));
        QVERIFY(test::SimObjectFile(*F->Sim, "HOME", "DROPA") == x);

        // Onto a folder item: into that folder, which is shown afterwards.
        QVERIFY(SendDrop(test::Parts(W).ListView1->viewport(),
                         test::UriListOf({PcFile("DROPB.zq", x)}).get(), ListPoint("WORK")));
        WaitShown([&] { return F->Has("HOME WORK", "DROPB"); });
        QCOMPARE(test::Parts(W).CurrentPath, QString("HOME WORK"));

        // Onto a tree node: highlighted while over it, then the files go there.
        QVERIFY(F->Select("HOME"));
        QWidget* tree = test::Parts(W).TreeView1->viewport();
        const auto c = test::UriListOf({PcFile("DROPC.zq", x)});
        QVERIFY(SendDragOver(tree, c.get(), TreePoint("HOME EMPTY")));
        QCOMPARE(test::Parts(W).DragDrop->DropHighlight(),
                 QModelIndex(W->FindNodeForPath("HOME EMPTY")));
        QVERIFY(SendDrop(tree, c.get(), TreePoint("HOME EMPTY")));
        WaitShown([&] { return F->Has("HOME EMPTY", "DROPC"); });
        QCOMPARE(test::Parts(W).CurrentPath, QString("HOME EMPTY"));
        QVERIFY(!test::Parts(W).DragDrop->DropHighlight().isValid());

        // A disabled window takes nothing.
        W->SetBusy(true);
        const auto d = test::UriListOf({PcFile("DROPD.zq", x)});
        QVERIFY(!SendDragOver(test::Parts(W).ListView1->viewport(), d.get(), QPoint(1, 1)));
        W->SetBusy(true);
        test::Parts(W).DragDrop->DropOnTree(LocalFiles(*d), TreePoint("HOME"));
        W->SetBusy(true);
        test::Parts(W).DragDrop->DropOnList(LocalFiles(*d), QPoint(-1, -1));
        QVERIFY(!W->Busy());
        QVERIFY(!F->Has("HOME EMPTY", "DROPD") && !F->Has("HOME", "DROPD"));

        // A backup archive in the batch is offered for restore and ends the batch there.
        Prompt.Texts.clear();
        before = test::Parts(W).RefreshCount;
        test::Parts(W).DragDrop->DropOnList(
            {PcFile("DROPE.zq", x), PcFile("all.zqbackup", "not read"), PcFile("DROPF.zq", x)},
            QPoint(-1, -1));
        QVERIFY(F->WaitRefresh(before));
        QVERIFY(F->Has("HOME EMPTY", "DROPE") && !F->Has("HOME EMPTY", "DROPF"));
        QCOMPARE(Prompt.Texts.size(), size_t(1));
        QVERIFY(Prompt.Texts.front().rfind("all.zqbackup", 0) == 0);
    }

    // While a drag hovers in the margin at a pane's edge the pane scrolls one line every
    // 100 ms, towards that edge; elsewhere, and once the drag has left, it stands still.
    void DragAtThePaneEdgesScrolls() {
        // Both panes too short for what they show; no refresh moves them meanwhile.
        WaitShown([] { return true; });
        QVERIFY(F->Select("HOME"));
        test::Parts(W).TreeView1->expandAll();
        test::Parts(W).TreeView1->setMaximumHeight(60);
        test::Parts(W).ListView1->setMaximumHeight(120);
        const auto pcFile = test::UriListOf({PcFile("SCROLL.zq", "not read")});
        for (QAbstractItemView* pane :
             {static_cast<QAbstractItemView*>(test::Parts(W).ListView1),
              static_cast<QAbstractItemView*>(test::Parts(W).TreeView1)}) {
            QScrollBar* bar = pane->verticalScrollBar();
            QWidget* port = pane->viewport();
            QTRY_VERIFY2(bar->maximum() >= 2, qPrintable(pane->objectName()));
            bar->setValue(0);
            QList<qint64> at;
            QList<int> values;
            QElapsedTimer clock;
            clock.start();
            const auto conn = connect(bar, &QScrollBar::valueChanged, this, [&](int v) {
                at << clock.elapsed();
                values << v;
            });
            // Where the drag hovers, from the viewport's size at that moment.
            const auto middle = [port] { return port->rect().center(); };
            // Dragged in over the middle: nothing moves.
            SendDragOver(port, pcFile.get(), middle());
            QTest::qWait(250);
            QCOMPARE(bar->value(), 0);
            // At the bottom edge: down, a line at a time, never faster than every 100 ms.
            QDragMoveEvent bottom(QPoint(middle().x(), port->height() - 2), Qt::CopyAction,
                                  pcFile.get(), Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(port, &bottom);
            QTRY_VERIFY_WITH_TIMEOUT(bar->value() >= 2, 5000);
            for (qsizetype i = 0; i < values.size(); ++i)
                QCOMPARE(values[i], int(i + 1) * bar->singleStep());
            QVERIFY2((at.last() - at.first()) / (at.size() - 1) >= 80,
                     qPrintable(QString::number(at.last() - at.first())));
            // Back in the middle: it stops.
            QDragMoveEvent still(middle(), Qt::CopyAction, pcFile.get(), Qt::LeftButton,
                                 Qt::NoModifier);
            QApplication::sendEvent(port, &still);
            const int stopped = bar->value();
            QTest::qWait(250);
            QVERIFY2(bar->value() == stopped,
                     qPrintable(pane->objectName() + QString(" %1 -> %2, viewport %3x%4")
                                                         .arg(stopped)
                                                         .arg(bar->value())
                                                         .arg(port->width())
                                                         .arg(port->height())));
            // At the top edge: up; and once the drag has left, it stops there too.
            QDragMoveEvent top(QPoint(middle().x(), 1), Qt::CopyAction, pcFile.get(),
                               Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(port, &top);
            QTRY_VERIFY_WITH_TIMEOUT(bar->value() < stopped, 5000);
            QDragLeaveEvent leave;
            QApplication::sendEvent(port, &leave);
            const int left = bar->value();
            QTest::qWait(250);
            QCOMPARE(bar->value(), left);
            disconnect(conn);
        }
        test::Parts(W).TreeView1->setMaximumHeight(QWIDGETSIZE_MAX);
        test::Parts(W).ListView1->setMaximumHeight(QWIDGETSIZE_MAX);
    }

    // Variables dragged from the list onto a folder of the tree are copied into that folder,
    // which is then shown; the list itself and the folder they come from take no such drop.
    void ListEntriesDraggedOntoATreeFolderAreCopiedThere() {
        QVERIFY(F->Select("HOME"));
        QVERIFY(F->SelectEntries({"X", "MSG"}));
        const std::string x = test::SimObjectFile(*F->Sim, "HOME", "X");
        const std::string msg = test::SimObjectFile(*F->Sim, "HOME", "MSG");
        QWidget* tree = test::Parts(W).TreeView1->viewport();
        bool overList = true, overHome = true, overEmpty = false, dropped = false;
        QModelIndex highlight;
        test::Parts(W).DragDrop->ExecDrag = [&](QWidget*, QMimeData* data) {
            overList = SendDragOver(test::Parts(W).ListView1->viewport(), data, ListPoint("N"));
            overHome = SendDragOver(tree, data, TreePoint("HOME"));
            overEmpty = SendDragOver(tree, data, TreePoint("HOME EMPTY"));
            highlight = test::Parts(W).DragDrop->DropHighlight();
            dropped = SendDrop(tree, data, TreePoint("HOME EMPTY"));
            delete data;
        };
        const int before = test::Parts(W).RefreshCount;
        QCOMPARE(Drag(test::Parts(W).ListView1->viewport(), ListPoint("X"), {{0, 3}}), 0);
        QVERIFY(!overList);
        QVERIFY(!overHome);
        QVERIFY(overEmpty);
        QVERIFY(dropped);
        QCOMPARE(highlight, QModelIndex(W->FindNodeForPath("HOME EMPTY")));
        QVERIFY(F->WaitRefresh(before));
        QVERIFY(test::SimObjectFile(*F->Sim, "HOME EMPTY", "X") == x);
        QVERIFY(test::SimObjectFile(*F->Sim, "HOME EMPTY", "MSG") == msg);
        QVERIFY(F->Has("HOME", "X") && F->Has("HOME", "MSG"));
        QCOMPARE(test::Parts(W).CurrentPath, QString("HOME EMPTY"));
        test::Parts(W).DragDrop->ExecDrag = [this](QWidget*, QMimeData* data) {
            Dragged.reset(data);
        };
    }

    void ClipboardCarriesTheFileManagersMarkers() {
        QClipboard* clip = QApplication::clipboard();
        QVERIFY(F->Select("HOME"));
        QVERIFY(F->SelectEntries({"X"}));
        W->RunCommand([&] { W->mnuCopyClick(); });
        QVERIFY(clip->mimeData());
        const QByteArray url = QUrl::fromLocalFile(test::Parts(W).LastCopiedFile).toEncoded();
        QCOMPARE(clip->mimeData()->data("x-special/gnome-copied-files"), "copy\n" + url);
        QCOMPARE(clip->mimeData()->data("application/x-kde-cutselection"), QByteArray("0"));

        // Cut copies, then deletes without asking.
        QVERIFY(F->SelectEntries({"SMALL"}));
        const std::string small = test::SimObjectFile(*F->Sim, "HOME", "SMALL");
        const size_t seen = F->Script.Seen.size();
        int before = test::Parts(W).RefreshCount;
        W->RunCommand([&] { W->mnuCutClick(); });
        QVERIFY(F->WaitRefresh(before));
        QCOMPARE(F->Script.Seen.size(), seen);
        const QString cutFile = test::Parts(W).LastCopiedFile;
        QVERIFY(ReadFileToString(cutFile.toStdString()) == small);
        QCOMPARE(clip->mimeData()->data("x-special/gnome-copied-files"),
                 "cut\n" + QUrl::fromLocalFile(cutFile).toEncoded());
        QCOMPARE(clip->mimeData()->data("application/x-kde-cutselection"), QByteArray("1"));
        QVERIFY(!F->Has("HOME", "SMALL"));

        // Pasting cut files moves them: sent, removed from the PC, gone from the clipboard.
        QVERIFY(F->Select("HOME WORK"));
        W->UpdateControls();
        QVERIFY(test::Parts(W).mnuPaste->isEnabled());
        before = test::Parts(W).RefreshCount;
        W->RunCommand([&] { W->mnuPasteClick(); });
        QVERIFY(F->WaitRefresh(before));
        QVERIFY(F->Has("HOME WORK", "SMALL"));
        QVERIFY(!QFile::exists(cutFile));
        QVERIFY(!clip->mimeData() || !clip->mimeData()->hasUrls());

        // A file manager's cut (KDE's marker alone) moves; its copy leaves the file.
        const std::string x = test::SimObjectFile(*F->Sim, "HOME", "X");
        const QString moved = PcFile("KDECUT.zq", x), kept = PcFile("KEPT.zq", x);
        auto cut = test::UriListOf({moved});
        cut->setData("application/x-kde-cutselection", "1");
        clip->setMimeData(cut.release()); // the clipboard owns it
        W->RunCommand([&] { W->mnuPasteClick(); });
        WaitShown([&] { return F->Has("HOME WORK", "KDECUT"); });
        QVERIFY(!QFile::exists(moved));
        clip->setMimeData(FileListMimeData({kept}, false));
        W->RunCommand([&] { W->mnuPasteClick(); });
        WaitShown([&] { return F->Has("HOME WORK", "KEPT"); });
        QVERIFY(QFile::exists(kept));
    }
};

QTEST_MAIN(TDragDropTest)
#include "dragdrop_test.moc"
