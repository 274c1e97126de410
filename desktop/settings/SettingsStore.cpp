#include "settings/SettingsStore.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace lw::gui {
namespace {

TSettingsStore::TFailureSink& FailureSink() {
    static TSettingsStore::TFailureSink sink;
    return sink;
}

// A failure is reported once; a successful write re-arms the report.
bool& FailureReported() {
    static bool reported = false;
    return reported;
}

void ReportFailure(const QString& location) {
    if (FailureReported()) return;
    FailureReported() = true;
    const QString text =
        QCoreApplication::translate("lw::gui::TSettingsStore",
                                    "Settings could not be saved: %1 cannot be written (read-only "
                                    "folder or disk full). The previous settings file was kept.")
            .arg(location);
    if (FailureSink())
        FailureSink()(text);
    else
        qWarning().noquote() << text;
}

} // namespace

void ApplySettingsNames() {
    QCoreApplication::setOrganizationName(SettingsOrganisation);
    QCoreApplication::setApplicationName(SettingsApplication);
}

bool ParseSettingsInteger(const QString& text, int& value) {
    const qsizetype start = text.startsWith('-') ? 1 : 0;
    if (text.size() == start) return false;
    for (qsizetype i = start; i < text.size(); ++i)
        if (text[i] < '0' || text[i] > '9') return false;
    bool ok = false;
    const int v = text.toInt(&ok, 10);
    if (ok) value = v;
    return ok;
}

TSettingsStore::TSettingsStore(const QString& section)
    : FSettings(QSettings::NativeFormat, QSettings::UserScope, SettingsOrganisation,
                SettingsApplication) {
    if (!section.isEmpty()) FSettings.beginGroup(section);
}

TSettingsStore::~TSettingsStore() {
    Close();
}

QString TSettingsStore::ReadString(const QString& name, const QString& def) const {
    for (auto it = FPending.crbegin(); it != FPending.crend(); ++it)
        if (it->first == name) return it->second;
    const QVariant v = FSettings.value(name);
    if (!v.isValid() || v.typeId() != QMetaType::QString) return def;
    return v.toString();
}

int TSettingsStore::ReadInteger(const QString& name, int def) const {
    int value = def;
    return ParseSettingsInteger(ReadString(name, QString()), value) ? value : def;
}

bool TSettingsStore::ReadBool(const QString& name, bool def) const {
    return ReadInteger(name, def ? 1 : 0) != 0;
}

void TSettingsStore::WriteString(const QString& name, const QString& value) {
    FPending.append({name, value});
}

void TSettingsStore::WriteInteger(const QString& name, int value) {
    WriteString(name, QString::number(value));
}

void TSettingsStore::WriteBool(const QString& name, bool value) {
    WriteString(name, value ? QStringLiteral("1") : QStringLiteral("0"));
}

bool TSettingsStore::Close() {
    if (FClosed) return true;
    FClosed = true;
    if (FPending.isEmpty()) return true;
    if (!ClaimRoom()) {
        ReportFailure(FSettings.fileName());
        return false;
    }
    for (const auto& [name, value] : FPending) FSettings.setValue(name, value);
    FSettings.sync();
    if (FSettings.status() == QSettings::AccessError) {
        ReportFailure(FSettings.fileName());
        return false;
    }
    FailureReported() = false;
    return true;
}

bool TSettingsStore::ClaimRoom() const {
#ifdef Q_OS_WIN
    return true; // the registry
#else
    const QFileInfo file(FSettings.fileName());
    if (!QDir().mkpath(file.absolutePath())) return false;
    // An upper bound of the new file: the old one plus every written value escaped at worst
    // (six bytes per character) on a line of its own below a section line.
    qint64 size = file.exists() ? file.size() : 0;
    const qint64 group = FSettings.group().size();
    for (const auto& [name, value] : FPending)
        size += 6 * (group + name.size() + value.size()) + 16;
    QFile scratch(file.absolutePath() + "/." + file.fileName() + ".room");
    if (!scratch.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
        return false;
    const QByteArray block(4096, ' ');
    bool ok = true;
    for (qint64 left = size; ok && left > 0; left -= block.size()) {
        const qint64 n = std::min<qint64>(left, block.size());
        ok = scratch.write(block.constData(), n) == n;
    }
    ok = ok && scratch.flush();
    scratch.close();
    scratch.remove();
    return ok;
#endif
}

void TSettingsStore::SetFailureSink(TFailureSink sink) {
    FailureSink() = std::move(sink);
}

QString TSettingsStore::Location() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, SettingsOrganisation,
                     SettingsApplication)
        .fileName();
}

} // namespace lw::gui
