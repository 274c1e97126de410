#include "settings/FileChooser.h"

#include <QFileDialog>
#include <QRegularExpression>

namespace lw::gui {
namespace {

// A save dialog adds the extension of the filter chosen at the moment of saving, so a name
// typed without one gets the file type the user picked.
QString FileDialog(QWidget* parent, const TFileRequest& request) {
    QFileDialog dialog(parent, request.Title);
    dialog.setObjectName("FileDialog");
    dialog.setNameFilters(request.Filters);
    if (request.Mode == TFileRequest::Save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        if (!request.Filters.isEmpty()) dialog.setDefaultSuffix(FilterSuffix(request.Filters[0]));
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                         [&dialog](const QString& f) { dialog.setDefaultSuffix(FilterSuffix(f)); });
        dialog.selectFile(request.Name);
    } else if (request.Mode == TFileRequest::Folder) {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::Directory);
        dialog.setOption(QFileDialog::ShowDirsOnly);
        if (!request.Name.isEmpty()) dialog.setDirectory(request.Name);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

TFileChooser& Chooser() {
    static TFileChooser chooser;
    return chooser;
}

} // namespace

QString ChooseFile(QWidget* parent, const TFileRequest& request) {
    return Chooser() ? Chooser()(parent, request) : FileDialog(parent, request);
}

TFileChooser SetFileChooser(TFileChooser chooser) {
    TFileChooser previous = std::move(Chooser());
    Chooser() = std::move(chooser);
    return previous;
}

QString FilterSuffix(const QString& filter) {
    static const QRegularExpression pattern(R"(\(\*\.([^ *?)]+))");
    const QRegularExpressionMatch m = pattern.match(filter);
    return m.hasMatch() ? m.captured(1) : QString();
}

} // namespace lw::gui
