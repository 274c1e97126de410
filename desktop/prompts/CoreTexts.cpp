#include "prompts/CoreTexts.h"

#include "link/PromptTexts.h"
#include "objects/ObjectTypes.h"
#include "util/MessageTexts.h"

#include <QCoreApplication>
#include <QHash>
#include <QRegularExpression>

#include <algorithm>
#include <optional>
#include <vector>

namespace lw::gui {

namespace {

// The series stands in for the first "%s" only, as in the core.
QString FillSeries(QString text) {
    const qsizetype at = text.indexOf(QLatin1String("%s"));
    if (at >= 0) text.replace(at, 2, TrCore(PromptSeriesUiText()));
    return text;
}

// A keyed text with "%1", "%2" ... as a pattern that a filled-in text matches: each argument
// a group (a repeated one must repeat its first value).
struct TMessagePattern {
    const TUiText* Text;
    QRegularExpression Pattern;
    std::vector<int> Args; // the argument number of each group
    qsizetype Fixed = 0;   // characters not taken by arguments: more are tried first
};

TMessagePattern MakePattern(const TUiText& t) {
    TMessagePattern p{&t, {}, {}, 0};
    const QString text = QString::fromLatin1(t.Text);
    QString re;
    QString literal;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar next = i + 1 < text.size() ? text[i + 1] : QChar();
        if (text[i] != '%' || next < '1' || next > '9') {
            literal += text[i];
            continue;
        }
        re += QRegularExpression::escape(literal);
        p.Fixed += literal.size();
        literal.clear();
        const int arg = next.digitValue();
        const auto group = std::find(p.Args.begin(), p.Args.end(), arg);
        if (group == p.Args.end()) {
            re += QStringLiteral("(.*?)");
            p.Args.push_back(arg);
        } else {
            re += QStringLiteral("\\%1").arg(group - p.Args.begin() + 1);
        }
        ++i;
    }
    re += QRegularExpression::escape(literal);
    p.Fixed += literal.size();
    p.Pattern.setPattern(QRegularExpression::anchoredPattern(re));
    p.Pattern.setPatternOptions(QRegularExpression::DotMatchesEverythingOption);
    return p;
}

// The core's messages: those without arguments by their text, the others as patterns, the most
// specific first.
struct TMessageIndex {
    QHash<QByteArray, const TUiText*> Plain;
    std::vector<TMessagePattern> Patterns;

    TMessageIndex() {
        for (const TUiText* t : msg::MessageTexts) {
            TMessagePattern p = MakePattern(*t);
            if (p.Args.empty())
                Plain.insert(t->Text, t);
            else
                Patterns.push_back(std::move(p));
        }
        std::stable_sort(
            Patterns.begin(), Patterns.end(),
            [](const TMessagePattern& a, const TMessagePattern& b) { return a.Fixed > b.Fixed; });
    }
};

const TMessageIndex& Messages() {
    static const TMessageIndex index;
    return index;
}

// `translation` with its "%1", "%2" ... replaced in one pass.
QString FillTranslation(const QString& translation, const std::vector<QString>& args) {
    std::vector<std::string> utf8;
    for (const QString& a : args) utf8.push_back(a.toStdString());
    const std::vector<std::string_view> views(utf8.begin(), utf8.end());
    return QString::fromStdString(FillUiText(translation.toStdString(), views));
}

std::optional<QString> TrMessage(const std::string& text, TTextDecoder decode) {
    const TMessageIndex& index = Messages();
    const QByteArray bytes = QByteArray::fromStdString(text);
    if (const TUiText* t = index.Plain.value(bytes)) return TrCore(*t);
    // Byte for byte as characters, so that each argument's bytes come back unchanged.
    const QString chars = QString::fromLatin1(bytes);
    for (const TMessagePattern& p : index.Patterns) {
        const QRegularExpressionMatch m = p.Pattern.match(chars);
        if (!m.hasMatch()) continue;
        std::vector<QString> args(9);
        for (size_t g = 0; g < p.Args.size(); ++g) {
            const std::string arg = m.captured(int(g) + 1).toLatin1().toStdString();
            // An object type's name, or a message inside the message: translated too.
            const bool typeName = p.Text == &msg::TypedObjectNotArchive && p.Args[g] == 2;
            const auto inner = typeName ? std::optional(TrTypeName(arg)) : TrMessage(arg, decode);
            args[size_t(p.Args[g] - 1)] = inner ? *inner : decode(arg);
        }
        return FillTranslation(TrCore(*p.Text), args);
    }
    return std::nullopt;
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

QString TrCoreText(const std::string& text, TTextDecoder decode) {
    if (const auto keyed = FindPromptText(text)) {
        // Handed over with its "%s" filled in: fill in the translation too.
        const bool filled = text.find("%s") == std::string::npos;
        return filled ? FillSeries(TrCore(*keyed)) : TrCore(*keyed);
    }
    if (auto message = TrMessage(text, decode)) return *message;
    return decode(text);
}

QString TrTypeName(const std::string& name) {
    for (const TObjectType& type : ObjectTypes)
        if (name == type.Name.Text) return TrCore(type.Name);
    return CalcText(name);
}

} // namespace lw::gui
