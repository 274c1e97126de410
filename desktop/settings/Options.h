// The "File Options" dialog: how calculator text files are translated, which editor opens
// them, and whether binary files copied to the PC get the ".zq" extension. It edits the main
// window's settings, which keeps and stores them; the dialog lives as long as the program, so
// its controls keep their state between showings.
#pragma once
#include <QDialog>

#include <string>

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace lw {
struct TCalcState;
}

namespace lw::gui {

// Asks for an existing file (the file chooser, with `title` and `filter`); a chosen file
// replaces the text of `edit` with its full path, as it is (no quotes).
void BrowseIntoEdit(QLineEdit& edit, const QString& title, const QString& filter);

class TFOptions : public QDialog {
    Q_OBJECT
public:
    explicit TFOptions(QWidget* parent = nullptr);
    // Fills the controls from the settings and shows the dialog modally; OK stores the
    // controls back (the text settings in `state`, the editor command in `editor`), Cancel
    // changes nothing. Returns the dialog's result.
    int ShowOptions(TCalcState& state, std::string& editor);

    QGroupBox *GroupBox1, *GroupBox2, *GroupBox3;
    QRadioButton *rbtnTrans1, *rbtnTrans2, *rbtnTrans3;
    QCheckBox *chb031, *chbAddCR, *chbAddExtension;
    QLineEdit* edtEditor;
    QPushButton *btnBrowseEditor, *btnOK, *btnCancel;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Store(TCalcState& state, std::string& editor) const;
};

} // namespace lw::gui
