#include "prompts/CoreTexts.h"

#include "link/PromptTexts.h"

#include <QCoreApplication>

namespace lw::gui {

namespace {

// The series stands in for the first "%s" only, as in the core.
QString FillSeries(QString text) {
    const qsizetype at = text.indexOf(QLatin1String("%s"));
    if (at >= 0) text.replace(at, 2, TrCore(PromptSeriesUiText()));
    return text;
}

} // namespace

QString TrCore(const TUiText& text) {
    return QCoreApplication::translate("CoreTexts", text.Text, text.Key);
}

QString TrPromptText(TPromptKind kind, bool rpn) {
    return FillSeries(TrCore(PromptTextTemplate(kind, rpn)));
}

QString TrPromptTitle(TPromptKind kind) {
    return TrCore(PromptTitleText(kind));
}

QString TrPromptOkCaption(TPromptKind kind) {
    return TrCore(PromptOkText(kind));
}

QString TrCoreText(const std::string& text) {
    const auto keyed = FindPromptText(text);
    if (!keyed) return QString::fromStdString(text);
    // Handed over with its "%s" filled in: fill in the translation too.
    const bool filled = text.find("%s") == std::string::npos;
    return filled ? FillSeries(TrCore(*keyed)) : TrCore(*keyed);
}

} // namespace lw::gui
