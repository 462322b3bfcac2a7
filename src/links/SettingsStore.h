#pragma once

#include <QString>
#include <memory>

class QSettings;

// The per-user store of the program's few remembered values: an INI file
// under the user's configuration directory, named after the executable.
// Reading a value that was never written gives the empty text; a store that
// cannot be written is not an error anyone hears about.
class SettingsStore
{
public:
    // The user's own store: <config dir>/<exe name>/<exe name>.ini
    SettingsStore();
    // A store kept in the given file.
    explicit SettingsStore(const QString &iniFile);
    ~SettingsStore();
    SettingsStore(const SettingsStore &) = delete;
    SettingsStore &operator=(const SettingsStore &) = delete;

    QString value(const QString &section, const QString &key) const;
    void setValue(const QString &section, const QString &key, const QString &value);

    QString fileName() const;

private:
    std::unique_ptr<QSettings> m_settings;
};
