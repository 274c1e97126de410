// The log and status dialogs. The progress dialog is taken during a real transfer from the
// in-process simulated calculator, slowed to a serial line's pace.
#include "Screenshots.h"

#include "server/Commands.h"
#include "support/gui/GuiFixture.h"

#include <QProgressBar>
#include <QPushButton>

namespace lw::shots {

void LogScene(TShot& shot) {
    gui::TFLogForm log;
    for (const char* line : {"0/128 bytes", "(0%)", "0 bytes/s", "", "1024/70008 bytes", "(1%)",
                             "1019 bytes/s", "35840/70008 bytes", "(51%)", "5403 bytes/s",
                             "70008/70008 bytes", "(100%)", "5498 bytes/s", ""})
        log.AddLine(line);
    log.SavePositionOnClose = false;
    log.show();
    shot.Save(log, "log-window");
}

void ProgressScene(TShot& shot) {
    test::TGuiFixture f;
    f.Log.SavePositionOnClose = false;
    f.Connect();
    f.Control("throttle 38400");
    bool taken = false;
    QObject::connect(&f.CmStatus, &gui::TFCmStatus::Reported, [&](const QString&, int kind) {
        const QProgressBar& bar = *f.CmStatus.ProgressBar1;
        if (taken || kind != skProgress || bar.value() * 3 < bar.maximum()) return;
        taken = true;
        shot.Save(f.CmStatus, "progress-dialog");
        f.CmStatus.btnCancel->click();
    });
    CopyEntryToFolder(*f.Server, "BIG", 17, 70000, f.File(""));
}

void BusyScene(TShot& shot) {
    gui::TFCmndStatus busy;
    busy.show();
    shot.Save(busy, "busy-dialog");
}

void ConnectingScene(TShot& shot) {
    gui::TFCnctStatus connecting;
    connecting.show();
    shot.Save(connecting, "connecting-notice");
}

} // namespace lw::shots
