#include "prompts/MessageMemo.h"

#include <QTextBlock>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace lw::gui {

TMessageMemo::TMessageMemo(int widthChars, QWidget* parent) : QPlainTextEdit(parent) {
    setReadOnly(true);
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::NoFocus);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    QPalette p = palette();
    p.setColor(QPalette::Base, p.color(QPalette::Window));
    setPalette(p);
    setFixedWidth(fontMetrics().averageCharWidth() * widthChars);
    FitHeight();
}

void TMessageMemo::SetMessage(const std::string& text) {
    SetMessage(QString::fromStdString(text));
}

void TMessageMemo::SetMessage(QString s) {
    s.remove(QLatin1Char('\r'));
    if (s.endsWith(QLatin1Char('\n'))) s.chop(1);
    setPlainText(s);
    FitHeight();
}

int TMessageMemo::WrappedLineCount() const {
    // The width the document wraps at, less a little for the cursor, so that the count never
    // falls short of what the widget shows.
    const qreal width = contentsRect().width() - 2 * document()->documentMargin() - 4;
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    int lines = 0;
    for (QTextBlock b = document()->begin(); b.isValid(); b = b.next()) {
        QTextLayout layout(b.text(), font());
        layout.setTextOption(option);
        layout.beginLayout();
        int n = 0;
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            ++n;
        }
        layout.endLayout();
        lines += std::max(n, 1);
    }
    return lines;
}

void TMessageMemo::FitHeight() {
    const int margins = int(std::ceil(2 * document()->documentMargin())) + 2 * frameWidth();
    setFixedHeight((WrappedLineCount() + 1) * fontMetrics().lineSpacing() + margins);
}

} // namespace lw::gui
