// The read-only message area of the prompt and question dialogs: borderless, in the dialog's
// background colour, word-wrapping, never a tab stop, and as tall as its text needs, so that
// the dialog around it grows or shrinks with the message.
#pragma once
#include <QPlainTextEdit>

#include <string>

namespace lw::gui {

class TMessageMemo : public QPlainTextEdit {
    Q_OBJECT
public:
    // `widthChars`: the memo's fixed width, in average characters of its font.
    explicit TMessageMemo(int widthChars, QWidget* parent = nullptr);
    // Shows `text` (line ends "\r\n" or "\n"; one final line end is not a further line) and
    // fits the height to it.
    void SetMessage(const std::string& text);
    void SetMessage(QString text);
    // The lines the text takes once wrapped at the memo's width.
    int WrappedLineCount() const;
    // Height := (wrapped lines + 1) line spacings plus the margins: the whole text and a spare
    // line, with no scroll bar.
    void FitHeight();
};

} // namespace lw::gui
