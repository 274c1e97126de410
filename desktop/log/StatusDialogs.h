// The core's status dialogs interface over the two windows that stand for it: the
// "Looking for Calculator" notice and the "Calculator is Working" busy dialog.
#pragma once
#include "link/UiHooks.h"

namespace lw::gui {

class TFCnctStatus;
class TFCmndStatus;

class TStatusDialogs : public IStatusDialogs {
public:
    TStatusDialogs(TFCnctStatus& connecting, TFCmndStatus& busy)
        : FConnecting(connecting), FBusy(busy) {}

    void ShowConnecting() override;
    void CloseConnecting() override;
    bool IsConnectingVisible() override;
    void ShowBusy() override;
    void CloseBusy() override;
    bool IsBusyVisible() override;
    void FocusBusy() override;
    bool CancelRequested() override;
    void ClearCancel() override;

private:
    TFCnctStatus& FConnecting;
    TFCmndStatus& FBusy;
};

} // namespace lw::gui
