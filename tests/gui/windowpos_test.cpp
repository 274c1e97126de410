// Remembered window positions: saved and restored, fixed-border windows without a size, a
// window stored on a screen that is gone comes back into view, the capture window's
// visibility stored as hidden when it closes.
#include "settings/SettingsStore.h"
#include "settings/windowsPosSave.h"

#include <QtTest>
#include <QtWidgets>

using lw::gui::TSettingsStore;
using lw::gui::TWindowPosSave;

class TWindowPosTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir FDir;
    int FCase = 0;

private Q_SLOTS:
    void initTestCase() { lw::gui::ApplySettingsNames(); }
    void init() {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           FDir.filePath(QString::number(++FCase)));
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

QTEST_MAIN(TWindowPosTest)
#include "windowpos_test.moc"
