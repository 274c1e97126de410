// The main window's speed: filling the directory tree and the variable list from a listing of
// 5,000 variables in 50 directories (goal: under 100 ms), and the demo from the start to the
// filled list (goal: under 3 s). Prints one line per case; runs offscreen by default.
#include "bench/BenchApplication.h"
#include "mainwin/ZQDir.h"
#include "objects/ObjectTypes.h"
#include "server/XModemServer.h"
#include "settings/SettingsStore.h"
#include "sim/demo/Demo.h"
#include "support/gui/WindowParts.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTreeView>

#include <cstdio>
#include <cstdlib>

using namespace lw;
using namespace lw::gui;

namespace {

// One listing entry: name length, name, prolog, size in nibbles (5 bytes).
void Entry(std::string& list, const std::string& name, uint32_t prolog, uint32_t nibbles) {
    list += char(name.size());
    list += name;
    list += char(prolog & 0xFF);
    list += char(prolog >> 8);
    for (int i = 0; i < 5; ++i) list += char(i < 3 ? (nibbles >> (8 * i)) & 0xFF : 0);
}

// 50 directories of 100 variables each, in HOME.
std::string Listing() {
    std::string list;
    for (int d = 0; d < 50; ++d) {
        Entry(list, "DIR" + std::to_string(d), DirectoryProlog, 20);
        for (int v = 0; v < 100; ++v)
            Entry(list, "VAR" + std::to_string(v), ObjectTypes[v % 20].Prolog, 21 + 2 * v);
        list += '\0';
    }
    return list;
}

double Ms(QElapsedTimer& t) {
    return double(t.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char** argv) {
    const bench::TBenchApplication app(argc, argv);
    const std::string list = Listing();
    {
        TFZQDir w;
        w.show();
        QApplication::processEvents();
        double best = 1e9;
        for (int round = 0; round < 5; ++round) {
            QElapsedTimer t;
            t.start();
            test::Parts(w).ListModel.Detach();
            test::Parts(w).TreeModel.Detach();
            size_t pos = 0;
            w.Server().ParseDirList(w.Server().Root(), list, pos);
            test::Parts(w).TreeModel.Attach(&w.Server().Root());
            test::Parts(w).TreeView1->expandAll();
            test::Parts(w).TreeView1->setCurrentIndex(w.FindNodeForPath("HOME DIR49"));
            QApplication::processEvents();
            best = std::min(best, Ms(t));
            if (test::Parts(w).ListModel.rowCount() != 100) std::printf("list not filled\n");
            test::Parts(w).ListModel.Detach();
            test::Parts(w).TreeModel.Detach();
            w.Server().Root().ClearChildren();
            test::Parts(w).TreeModel.Attach(&w.Server().Root());
        }
        std::printf("fill tree + list, 5000 variables in 50 directories: %8.1f ms (best of 5)\n",
                    best);
    }
    {
        QElapsedTimer t;
        t.start();
        sim::TDemo demo;
        TFZQDir w(QString::fromStdString(demo.Port()));
        w.show();
        w.tbtnConnectClick(false);
        while (test::Parts(w).ListModel.rowCount() == 0 && t.elapsed() < 30000)
            QApplication::processEvents();
        std::printf("demo: start to filled list (%d entries):            %8.1f ms\n",
                    test::Parts(w).ListModel.rowCount(), Ms(t));
    }
    return 0;
}
