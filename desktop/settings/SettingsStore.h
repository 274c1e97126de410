// The settings store: every setting of the desktop program lives in one per-user store
// (QSettings in the platform's native format: the registry on Windows, an INI file under the
// user's config folder on Linux). Sections are groups below the root; every value is written
// as text and read back with fixed rules, so a value edited by hand can never stop a window
// from applying its remaining settings.
#pragma once
#include <QList>
#include <QPair>
#include <QSettings>
#include <QString>

#include <functional>

namespace lw::gui {

// The one place that names the store: organisation and application of the root. Nothing else
// in the program spells them.
inline constexpr char SettingsOrganisation[] = "Quorvane";
inline constexpr char SettingsApplication[] = "Linkwell";
// Gives the application these names (the program does it at start; tests too).
void ApplySettingsNames();

// Whole decimal number with an optional minus sign, in int range; nothing else.
bool ParseSettingsInteger(const QString& text, int& value);

// One use of the store: opened on a section (empty: the root itself), read or written, closed.
// Nothing is kept between uses. Reads never create anything. UI thread only.
class TSettingsStore {
public:
    explicit TSettingsStore(const QString& section = QString());
    ~TSettingsStore(); // Close()
    TSettingsStore(const TSettingsStore&) = delete;
    TSettingsStore& operator=(const TSettingsStore&) = delete;

    // Missing value (or a value that is no text) -> def.
    QString ReadString(const QString& name, const QString& def) const;
    // Missing, or not a whole decimal number -> def.
    int ReadInteger(const QString& name, int def) const;
    // An integer with the default 1 or 0; any number other than 0 is true.
    bool ReadBool(const QString& name, bool def) const;

    void WriteString(const QString& name, const QString& value);
    void WriteInteger(const QString& name, int value);
    void WriteBool(const QString& name, bool value);

    // Writes what was changed to the file. False when the file could not be written: that is
    // reported through the failure sink (once, until a later write succeeds again) and the
    // file on disk stays as it was. The file is replaced whole (written beside it, then
    // renamed over it); since a short write while the new file is written can go unnoticed
    // by QSettings, the room for it is claimed first with a scratch file of at least its size,
    // and nothing is written when that fails (disk full, file size limit).
    bool Close();

    // Where write failures are reported (the log window installs itself). Without a sink they
    // go to Qt's warning output.
    using TFailureSink = std::function<void(const QString& text)>;
    static void SetFailureSink(TFailureSink sink);
    // The file (or registry path) of the store.
    static QString Location();

private:
    bool ClaimRoom() const;

    mutable QSettings FSettings;
    QList<QPair<QString, QString>> FPending; // written values, applied by Close
    bool FClosed = false;
};

} // namespace lw::gui
