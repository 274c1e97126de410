#pragma once
// Texts and text conversions the main window's units share.
#include <QString>

#include <string>

namespace lw::gui {

// The error a command raises when the person cancels one of its questions.
inline constexpr const char* CanceledByUserText = "Canceled by user";

// Names and listing texts come in the calculator's 8-bit character set, one byte a character.
inline QString CalcText(const std::string& s) {
    return QString::fromLatin1(s.data(), qsizetype(s.size()));
}

// PC paths and the system's own texts are in the local encoding.
inline QString LocalText(const std::string& s) {
    return QString::fromLocal8Bit(s.data(), qsizetype(s.size()));
}
// And back: a path the person chose, as the core's file routines take it.
inline std::string LocalString(const QString& s) {
    return s.toLocal8Bit().toStdString();
}

// The directory tree's root: "HOME (ZQ-<model name>)", or "ZQ ?" before a calculator is known.
inline constexpr const char* UnknownRootCaption = "ZQ ?";
inline QString RootCaption(const QString& modelName) {
    return "HOME (ZQ-" + modelName + ")";
}

} // namespace lw::gui
