// The file names the windows' commands ask the user for. Every command asks through one
// replaceable chooser: the desktop's file dialog in the program, a scripted answer in tests.
#pragma once
#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

namespace lw::gui {

struct TFileRequest {
    enum TMode { Open, Save, Folder };
    TMode Mode = Open;
    QString Title;
    // Name filters in Qt's form, the first one chosen at the start:
    // {"ZQ Archives (*.zqbackup)", "All Files (*)"}.
    QStringList Filters;
    // The proposed file name (Save), or the folder to start in (Folder).
    QString Name;
};

// The chosen path; "" when the user cancelled.
using TFileChooser = std::function<QString(QWidget* parent, const TFileRequest& request)>;

QString ChooseFile(QWidget* parent, const TFileRequest& request);
// Replaces the chooser and returns the one in use before; an empty chooser puts the file
// dialog back.
TFileChooser SetFileChooser(TFileChooser chooser);

// The extension a name filter gives a name typed without one ("ZQ Files (*.zq)" gives "zq";
// "All Files (*)" gives none).
QString FilterSuffix(const QString& filter);

} // namespace lw::gui
