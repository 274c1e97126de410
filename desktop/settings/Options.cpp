#include "settings/Options.h"

#include "server/CalcState.h"
#include "settings/FileChooser.h"
#include "settings/WindowPlacement.h"

#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace lw::gui {

void BrowseIntoEdit(QLineEdit& edit, const QString& title, const QString& filter) {
    const QString file = ChooseFile(edit.window(), {TFileRequest::Open, title, {filter}, {}});
    if (!file.isEmpty()) edit.setText(QDir::toNativeSeparators(file));
}

TFOptions::TFOptions(QWidget* parent) : QDialog(parent) {
    setObjectName("TFOptions");
    setWindowTitle(tr("File Options"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint);
    const auto named = [](auto* w, const char* name, const QString& hint = {}) {
        w->setObjectName(name);
        if (!hint.isEmpty()) w->setToolTip(hint);
        return w;
    };
    GroupBox1 = named(new QGroupBox(tr("Translate Calculator Text Files"), this), "GroupBox1");
    rbtnTrans1 = named(new QRadioButton(tr("1: No Translation"), GroupBox1), "rbtnTrans1",
                       tr("Do not translate ZQ characters"));
    rbtnTrans2 = named(new QRadioButton(tr("2: Translate Codes 128-159"), GroupBox1), "rbtnTrans2",
                       tr("Translate ZQ characters 128-159 to tri-graphs or \\nnn form"));
    rbtnTrans3 = named(new QRadioButton(tr("3: Translate Codes 128-255"), GroupBox1), "rbtnTrans3",
                       tr("Translate ZQ characters 128-255 to tri-graphs or \\nnn form"));
    rbtnTrans3->setChecked(true);
    chb031 =
        named(new QCheckBox(tr("Translate Codes 0-31, 127 But Not LF (10)"), GroupBox1), "chb031",
              tr("Also translate codes 0 to 31, 127 to \\nnn form.  Line Feed (10) will not be "
                 "translated."));
    chbAddCR = named(new QCheckBox(tr("Add C/R to Line Feeds"), GroupBox1), "chbAddCR",
                     tr("Add a carriage return (x0D) after each line feed."));
    auto* translate = new QVBoxLayout(GroupBox1);
    for (QWidget* w : {static_cast<QWidget*>(rbtnTrans1), static_cast<QWidget*>(rbtnTrans2),
                       static_cast<QWidget*>(rbtnTrans3), static_cast<QWidget*>(chb031),
                       static_cast<QWidget*>(chbAddCR)})
        translate->addWidget(w);

    GroupBox2 = named(new QGroupBox(tr("Editor for Calculator Text Files"), this), "GroupBox2");
    edtEditor =
        named(new QLineEdit(GroupBox2), "edtEditor",
              tr("Command line for text editor.  Use \" if there are spaces in file path."));
    btnBrowseEditor = named(new QPushButton(tr("Browse"), GroupBox2), "btnBrowseEditor");
    auto* editorLabel = new QLabel(tr("&Command:"), GroupBox2);
    editorLabel->setBuddy(edtEditor);
    auto* editor = new QHBoxLayout(GroupBox2);
    editor->addWidget(editorLabel);
    editor->addWidget(edtEditor, 1);
    editor->addWidget(btnBrowseEditor);
    edtEditor->setMinimumWidth(fontMetrics().averageCharWidth() * 36);

    GroupBox3 = named(new QGroupBox(tr("Other Options"), this), "GroupBox3");
    chbAddExtension = named(new QCheckBox(tr("Add .zq Extension to File Names"), GroupBox3),
                            "chbAddExtension", tr("Use .zq file extension for binary files"));
    (new QVBoxLayout(GroupBox3))->addWidget(chbAddExtension);

    btnOK = named(new QPushButton(tr("OK"), this), "btnOK");
    btnOK->setDefault(true);
    btnCancel = named(new QPushButton(tr("Cancel"), this), "btnCancel");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(GroupBox1);
    layout->addWidget(GroupBox2);
    layout->addWidget(GroupBox3);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnBrowseEditor, &QPushButton::clicked, this,
            [this] { BrowseIntoEdit(*edtEditor, tr("Editor Program"), tr("Programs (*)")); });
}

int TFOptions::ShowOptions(TCalcState& state, std::string& editor) {
    chbAddCR->setChecked(state.AddCR);
    edtEditor->setText(QString::fromStdString(editor));
    chb031->setChecked(state.Trans031);
    chbAddExtension->setChecked(state.AddExtension);
    // A level outside 0..3 leaves the buttons as they were.
    if (state.TransIO == 0 || state.TransIO == 1)
        rbtnTrans1->setChecked(true);
    else if (state.TransIO == 2)
        rbtnTrans2->setChecked(true);
    else if (state.TransIO == 3)
        rbtnTrans3->setChecked(true);
    const int result = exec();
    if (result == QDialog::Accepted) Store(state, editor);
    return result;
}

void TFOptions::Store(TCalcState& state, std::string& editor) const {
    state.AddCR = chbAddCR->isChecked();
    editor = edtEditor->text().toStdString();
    state.Trans031 = chb031->isChecked();
    state.AddExtension = chbAddExtension->isChecked();
    state.TransIO = rbtnTrans2->isChecked() ? 2 : rbtnTrans3->isChecked() ? 3 : 0;
    state.CoupleTransIO();
}

void TFOptions::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    CentreOver(*this, TOwnerForm<TFOptions>::Get());
}

} // namespace lw::gui
