#pragma once
// Texts and text conversions the main window's units share.
#include "prompts/CoreTexts.h"

#include <QCoreApplication>
#include <QString>

#include <string>

namespace lw::gui {

// The error a command raises when the person cancels one of its questions.
inline QString CanceledByUser() {
    return QCoreApplication::translate("TFZQDir", "Canceled by user");
}

// A path the person chose, as the core's file routines take it (back from LocalText).
inline std::string LocalString(const QString& s) {
    return s.toLocal8Bit().toStdString();
}

// The directory tree's root: "HOME (ZQ-<model name>)", or "ZQ ?" before a calculator is known.
inline constexpr const char* UnknownRootCaption = "ZQ ?";
inline QString RootCaption(const QString& modelName) {
    return "HOME (ZQ-" + modelName + ")";
}

} // namespace lw::gui
