#include "support/gui/MainWindowFixture.h"
#include "support/gui/WindowParts.h"

#include "support/gui/SimCalc.h"

#include <QListView>
#include <QSettings>
#include <QTest>
#include <QTreeView>

#include <algorithm>

namespace lw::test {

TMainWindowFixture::TMainWindowFixture(bool connect, TGuiOptions options,
                                       const std::string& morePorts) {
    QSettings().clear(); // a first start
    StartSimulator(options);
    FPorts = QString::fromStdString(morePorts.empty() ? Port : Port + "\n" + morePorts);
    Reopen();
    if (connect) W->tbtnConnectClick(false); // as the program does at start
}

void TMainWindowFixture::Reopen() {
    if (W && W->isVisible()) W->close();
    W.reset();
    W = std::make_unique<gui::TFZQDir>(FPorts);
    InstallHooks(W.get());
    W->show();
}

bool TMainWindowFixture::Select(const QString& path) {
    test::Parts(W).TreeView1->setCurrentIndex(W->FindNodeForPath(path));
    return test::Parts(W).CurrentPath == path;
}

bool TMainWindowFixture::SelectEntries(const QStringList& names) {
    test::Parts(W).FocusedControl = test::Parts(W).ListView1;
    auto* selection = test::Parts(W).ListView1->selectionModel();
    selection->clearSelection();
    for (const QString& name : names) {
        const int row = test::Parts(W).ListModel.RowNamed(name);
        if (row < 0) return false;
        selection->setCurrentIndex(test::Parts(W).ListModel.index(row, 0),
                                   QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
    return true;
}

bool TMainWindowFixture::WaitRefresh(int before) {
    return QTest::qWaitFor([&] { return test::Parts(W).RefreshCount > before && W->Idle(); },
                           20000);
}

bool TMainWindowFixture::Has(const std::string& dir, const std::string& name) {
    const auto entries = SimMemory(*Sim).at(dir);
    return std::any_of(entries.begin(), entries.end(),
                       [&](const TSimEntry& e) { return e.Name == name; });
}

std::jthread TMainWindowFixture::HangUpAfterBlocks(uint32_t blocks) {
    return std::jthread([this, blocks] {
        for (int i = 0; i < 3000 && Sim->Stats().BlocksSent < blocks; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        Sim->Control("hangup");
    });
}

} // namespace lw::test
