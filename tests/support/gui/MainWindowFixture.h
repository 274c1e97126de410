// The main window on the simulated calculator, for GUI tests and screenshot scenes: opened on
// the simulator's port as at a first start (stored settings cleared), shown, and connected on
// request, with the moves tests make on it.
#pragma once
#include "support/gui/GuiFixture.h"

#include "mainwin/ZQDir.h"

#include <QStringList>

#include <thread>

namespace lw::test {

class TMainWindowFixture : public TGuiFixture {
public:
    // `morePorts`: further lines of the window's port list after the simulator's port.
    explicit TMainWindowFixture(bool connect = true, TGuiOptions options = {},
                                const std::string& morePorts = {});
    // Closes the window and opens a new one on the same ports, as at the next start.
    void Reopen();
    // Opens `path` in the tree; false when the window shows another directory.
    bool Select(const QString& path);
    // Selects the list entries named (the list gets the focus); false when one is missing.
    bool SelectEntries(const QStringList& names);
    // Waits (20 s at most) until a refresh asked for after `before` refreshes has ended.
    bool WaitRefresh(int before);
    // Whether the calculator's directory `dir` ("HOME WORK") holds `name`.
    bool Has(const std::string& dir, const std::string& name);
    // Hangs up the simulated line once it has sent `blocks` blocks (or after 30 s).
    std::jthread HangUpAfterBlocks(uint32_t blocks);

    std::unique_ptr<gui::TFZQDir> W;

private:
    QString FPorts;
};

} // namespace lw::test
