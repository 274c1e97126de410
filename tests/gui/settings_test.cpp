// The settings store: the read rules for values edited by hand, values stored as text, and
// a file that cannot be written reported once while the good file on disk stays untouched.
// Remembered window positions: saved and restored, fixed-border windows without a size, a
// window stored on a screen that is gone comes back into view, the capture window's
// visibility stored as hidden when it closes.
#include "settings/SettingsStore.h"
#include "settings/windowsPosSave.h"

#include <QtTest>
#include <QtWidgets>

#include <csignal>
#include <sys/resource.h>

using lw::gui::TSettingsStore;
using lw::gui::TWindowPosSave;

namespace {

QByteArray FileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

} // namespace

class TSettingsTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir FDir;
    QStringList FReports;
    int FCase = 0;

    // A fresh store folder.
    QString UseFreshFolder(const QString& name) {
        const QString path = FDir.filePath(name);
        QDir().mkpath(path);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, path);
        return path;
    }

private Q_SLOTS:
    void initTestCase() {
        lw::gui::ApplySettingsNames();
        TSettingsStore::SetFailureSink([this](const QString& t) { FReports << t; });
    }
    void init() { UseFreshFolder(QString::number(++FCase)); }

    void ReadRulesForTextEditedByHand() {
        // Integers: decimal digits with an optional minus only, within range; else the default.
        const struct {
            const char* Key;
            const char* Stored; // null: never written
            int Default, Expected;
        } ints[] = {{"Zoom", "abc", 2, 2},     {"BorderSpace", "-7", 1, -7},  {"Plus", "+5", 1, 1},
                    {"Blank", " 5", 1, 1},     {"Huge", "99999999999", 1, 1}, {"Empty", "", 4, 4},
                    {"Missing", nullptr, 9, 9}};
        {
            TSettingsStore store("ScreenCapture");
            for (const auto& c : ints)
                if (c.Stored) store.WriteString(c.Key, c.Stored);
            store.WriteString("BorderShow", "2");
            store.WriteString("BorderFrame", "0");
            QVERIFY(store.Close());
        }
        TSettingsStore store("ScreenCapture");
        for (const auto& c : ints) QCOMPARE(store.ReadInteger(c.Key, c.Default), c.Expected);
        QCOMPARE(store.ReadBool("Zoom", true), true);
        QCOMPARE(store.ReadBool("BorderShow", false), true);
        QCOMPARE(store.ReadBool("BorderFrame", true), false);
        QCOMPARE(store.ReadBool("Missing", true), true);
        QCOMPARE(store.ReadString("Missing", "x"), QString("x"));
        QCOMPARE(store.ReadString("Zoom", "x"), QString("abc"));
        // Other sections and the root are apart.
        QCOMPARE(TSettingsStore().ReadInteger("BorderSpace", 1), 1);
    }

    void EveryValueIsStoredAsText() {
        const QString folder = UseFreshFolder("text");
        {
            TSettingsStore root;
            root.WriteInteger("FontSize", -11);
            root.WriteBool("ToolBarVis", false);
            root.WriteString("Editor", "my editor, with comma");
        }
        TSettingsStore root;
        QCOMPARE(root.ReadInteger("FontSize", 0), -11);
        QCOMPARE(root.ReadBool("ToolBarVis", true), false);
        QCOMPARE(root.ReadString("Editor", ""), QString("my editor, with comma"));
        const QByteArray file = FileBytes(TSettingsStore::Location());
        QVERIFY(TSettingsStore::Location().startsWith(folder));
        QVERIFY2(file.contains("FontSize=-11") && file.contains("ToolBarVis=0"), file);
    }

    // A folder that cannot be created: the failure is reported once, nothing crashes, and a
    // later successful write re-arms the report.
    void UnwritableFolderIsReportedOnce() {
        const QString blocker = FDir.filePath("blocker");
        QFile f(blocker);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, blocker + "/config");
        FReports.clear();
        for (int i = 0; i < 3; ++i) {
            TSettingsStore store("LogForm");
            store.WriteInteger("Top", i);
            QVERIFY(!store.Close());
        }
        QCOMPARE(FReports.size(), 1);
        QVERIFY(FReports[0].contains(blocker));
        UseFreshFolder("rearmed");
        QVERIFY(TSettingsStore("LogForm").ReadInteger("Top", 5) == 5);
        {
            TSettingsStore store;
            store.WriteInteger("Top", 1);
            QVERIFY(store.Close());
        }
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, blocker + "/config");
        {
            TSettingsStore store;
            store.WriteInteger("Top", 2);
            QVERIFY(!store.Close());
        }
        QCOMPARE(FReports.size(), 2);
    }

    // A disk that fills while the file is written (a file size limit stands in for it, as
    // it holds for root too): the good file stays as it was, no temporary file is left.
    void FullDiskKeepsTheGoodFile() {
        const QString folder = UseFreshFolder("full");
        {
            TSettingsStore store;
            store.WriteString("Port", "Auto");
        }
        const QByteArray good = FileBytes(TSettingsStore::Location());
        QVERIFY(good.contains("Port=Auto"));
        FReports.clear();
        rlimit old{};
        QCOMPARE(::getrlimit(RLIMIT_FSIZE, &old), 0);
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = old;
        small.rlim_cur = 512;
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &small), 0);
        bool closed = true;
        {
            TSettingsStore store;
            store.WriteString("Editor", QString(4096, 'e'));
            closed = store.Close();
        }
        ::setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, oldHandler);
        QVERIFY(!closed);
        QCOMPARE(FReports.size(), 1);
        QCOMPARE(FileBytes(TSettingsStore::Location()), good);
        QStringList left = QDir(folder + "/" + lw::gui::SettingsOrganisation)
                               .entryList(QDir::Files | QDir::Hidden);
        left.removeIf([](const QString& n) { return n.endsWith(".lock"); });
        QCOMPARE(left, QStringList{"Linkwell.conf"});
    }

    void SizeableWindowSavedAndRestored() {
        {
            QWidget form;
            TWindowPosSave pos(&form, "VorlCmd");
            form.setGeometry(40, 50, 300, 200);
            QFont font("DejaVu Sans");
            font.setPixelSize(11);
            form.setFont(font);
            QPushButton button(&form);
            button.setObjectName("btnSend");
            button.setGeometry(5, 6, 70, 20);
            pos.ImportantComponents = {"BTNSEND"};
            pos.SaveWindowPos(false);
        }
        TSettingsStore store("VorlCmd");
        QCOMPARE(store.ReadString("Visible", ""), QString("0"));
        QCOMPARE(store.ReadString("FontSize", ""), QString("-11"));
        QCOMPARE(store.ReadString("btnSendLeft", ""), QString("5"));
        store.WriteString("Visible", "1");
        store.Close();

        QWidget form;
        QPushButton button(&form);
        button.setObjectName("btnSend");
        TWindowPosSave pos(&form, "VorlCmd");
        pos.ImportantComponents = {"btnsend"};
        pos.RestoreWindowPos(true, true);
        QCOMPARE(form.pos(), QPoint(40, 50));
        QCOMPARE(form.size(), QSize(300, 200));
        QVERIFY(form.isVisible());
        QCOMPARE(form.font().pixelSize(), 11);
        QCOMPARE(button.geometry(), QRect(5, 6, 70, 20));
    }

    void FixedBorderWindowKeepsItsSize() {
        QWidget form;
        form.setFixedSize(208, 110);
        TWindowPosSave pos(&form, "Fixed");
        form.move(30, 20);
        pos.SaveWindowPos(false);
        {
            TSettingsStore store("Fixed");
            QCOMPARE(store.ReadString("Width", "none"), QString("none"));
            QCOMPARE(store.ReadString("Height", "none"), QString("none"));
            QCOMPARE(store.ReadInteger("Left", 0), 30);
            store.WriteInteger("Width", 999);
            store.WriteInteger("Height", 999);
        }
        QWidget other;
        other.setFixedSize(208, 110);
        TWindowPosSave otherPos(&other, "Fixed");
        otherPos.RestoreWindowPos(true, true);
        QCOMPARE(other.size(), QSize(208, 110));
        QCOMPARE(other.pos(), QPoint(30, 20));
    }

    void WindowOnAVanishedScreenComesBack() {
        {
            TSettingsStore store("VorlCmd");
            store.WriteInteger("Left", 50000);
            store.WriteInteger("Top", -40000);
            store.WriteInteger("Width", 200);
            store.WriteInteger("Height", 100);
        }
        QWidget form;
        TWindowPosSave pos(&form, "VorlCmd");
        pos.RestoreWindowPos(true, true);
        QVERIFY(
            QGuiApplication::primaryScreen()->availableGeometry().intersects(form.frameGeometry()));
        QCOMPARE(form.size(), QSize(200, 100));
    }

    void ClosingStoresTheWindowAsHidden() {
        QWidget form;
        TWindowPosSave pos(&form, "ScreenCapture");
        form.show();
        pos.SaveWindowPos(true);
        QCOMPARE(TSettingsStore("ScreenCapture").ReadString("Visible", ""), QString("0"));
        pos.SaveWindowPos(false);
        QCOMPARE(TSettingsStore("ScreenCapture").ReadString("Visible", ""), QString("1"));
        // Not a form: nothing happens.
        QWidget child(&form);
        TWindowPosSave childPos(&child, "Child");
        childPos.SaveWindowPos(false);
        QCOMPARE(TSettingsStore("Child").ReadString("Visible", "none"), QString("none"));
    }
};

QTEST_MAIN(TSettingsTest)
#include "settings_test.moc"
