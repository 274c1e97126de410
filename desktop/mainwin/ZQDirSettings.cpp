// The main window's stored settings in the root of the settings store: read once when it is
// created, written when it closes. A value that is missing or not a number takes its default,
// and the others still apply.
#include "mainwin/ZQDir.h"

#include "prompts/CoreTexts.h"
#include "prompts/DownLd.h"
#include "server/XModemServer.h"
#include "settings/SettingsStore.h"

#include <QHeaderView>
#include <QSplitter>
#include <QStatusBar>
#include <QToolBar>
#include <QTreeView>

#include <algorithm>

namespace lw::gui {
namespace {

// The type column's first width: 80, or wider where the names of the types most variables
// have are longer in the user's language.
int DefaultTypeWidth(const QFontMetrics& metrics) {
    int width = 80;
    for (const char* type : {"Directory", "Real", "Complex", "String", "List"})
        width = std::max(width, metrics.horizontalAdvance(TrTypeName(type)) + 12);
    return width;
}

} // namespace

void TFZQDir::ReadSettings(TSettingsStore& s) {
    const int port = cmboPort->findText(s.ReadString("Port", "Auto"));
    cmboPort->setCurrentIndex(port >= 0 ? port : (cmboPort->count() > 0 ? 0 : -1));
    int speed = cmboSpeed->findText(s.ReadString("Speed", "115200"));
    if (speed < 0) speed = cmboSpeed->findText("9600");
    cmboSpeed->setCurrentIndex(speed);
    Server().SetSpeed(cmboSpeed->currentText().toStdString());
    ToolBar->setVisible(s.ReadBool("ToolBarVis", true));
    statusBar()->setVisible(s.ReadBool("StatusBarVis", true));
    const int split = s.ReadInteger("DirWidthSplit", 150);
    Splitter1->setSizes({split, qMax(1, width() - split)});
    ListModel.SetSizeSecond(s.ReadInteger("DirColSize", 3) == 2);
    QHeaderView* header = ListView1->header();
    header->resizeSection(ListModel.ColumnOf(ctFiles), s.ReadInteger("DirWidthFiles", 160));
    header->resizeSection(ListModel.ColumnOf(ctSize), s.ReadInteger("DirWidthSize", 60));
    header->resizeSection(
        ListModel.ColumnOf(ctType),
        s.ReadInteger("DirWidthType", DefaultTypeWidth(ListView1->fontMetrics())));
    SetViewStyle(s.ReadInteger("DirViewStyle", 3));
    SortColumn = s.ReadInteger("DirSortCol", 0);
    if (SortColumn < 0 || SortColumn > 2) SortColumn = 0;
    SortReverse = s.ReadBool("DirSortReverse", false);
    ListModel.SortBy(SortColumn, SortReverse);
    header->setSortIndicator(SortColumn, SortReverse ? Qt::DescendingOrder : Qt::AscendingOrder);
    State.AddExtension = s.ReadBool("AddExtension", true);
    State.AddCR = s.ReadBool("AddCR", true);
    State.Trans031 = s.ReadBool("TRANS031", true);
    Editor = s.ReadString("Editor", "").toStdString();
    State.TransIO = s.ReadInteger("TRANSIO", 3);
    State.RpnPrompts = s.ReadBool("RPNPrompts", true);
    State.CoupleTransIO();
}

void TFZQDir::WriteSettings(TSettingsStore& s) {
    s.WriteString("Port", cmboPort->currentText());
    s.WriteString("Speed", QString::fromStdString(Server().GetSpeed()));
    s.WriteBool("ToolBarVis", !ToolBar->isHidden());
    s.WriteBool("StatusBarVis", !statusBar()->isHidden());
    s.WriteInteger("DirWidthSplit", Splitter1->sizes().value(0, 150));
    s.WriteInteger("DirColSize", ListModel.SizeSecond() ? 2 : 3);
    const QHeaderView* header = ListView1->header();
    s.WriteInteger("DirWidthFiles", header->sectionSize(ListModel.ColumnOf(ctFiles)));
    s.WriteInteger("DirWidthSize", header->sectionSize(ListModel.ColumnOf(ctSize)));
    s.WriteInteger("DirWidthType", header->sectionSize(ListModel.ColumnOf(ctType)));
    s.WriteInteger("DirViewStyle", ViewStyle());
    s.WriteInteger("DirSortCol", SortColumn);
    s.WriteBool("DirSortReverse", SortReverse);
    s.WriteBool("AddExtension", State.AddExtension);
    s.WriteBool("AddCR", State.AddCR);
    s.WriteBool("TRANS031", State.Trans031);
    s.WriteString("Editor", QString::fromStdString(Editor));
    s.WriteInteger("TRANSIO", State.TransIO);
    if (DownLd) State.RpnPrompts = DownLd->RpnPrompts();
    s.WriteBool("RPNPrompts", State.RpnPrompts);
}

} // namespace lw::gui
