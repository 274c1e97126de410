#include "log/StatusDialogs.h"

#include "log/CmndStatus.h"
#include "log/CnctStatus.h"

#include <QCoreApplication>

namespace lw::gui {

void TStatusDialogs::ShowConnecting() {
    FConnecting.show();
    // The notice is drawn before the UI thread goes into the connection's waits.
    QCoreApplication::processEvents();
}

void TStatusDialogs::CloseConnecting() {
    FConnecting.hide();
}

bool TStatusDialogs::IsConnectingVisible() {
    return FConnecting.isVisible();
}

void TStatusDialogs::ShowBusy() {
    FBusy.show();
}

void TStatusDialogs::CloseBusy() {
    FBusy.hide();
}

bool TStatusDialogs::IsBusyVisible() {
    return FBusy.isVisible();
}

void TStatusDialogs::FocusBusy() {
    FBusy.activateWindow();
}

bool TStatusDialogs::CancelRequested() {
    return FBusy.CancelRequested();
}

void TStatusDialogs::ClearCancel() {
    FBusy.ClearCancel();
}

} // namespace lw::gui
