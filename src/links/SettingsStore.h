#pragma once

#include <QHash>
#include <QString>
#include <memory>

class QSettings;

// The per-user store of the program's few remembered values: an INI file
// under the user's configuration directory, named after the executable.
// Reading a value that was never written gives the empty text; a store that
// cannot be written is not an error anyone hears about.
//
// The store reads and writes only a regular file. A link to one is written
// through and stays a link. Anything else at the path (a FIFO, a socket, a
// device, a directory, a link to one of them or to nothing) is never opened:
// the run then keeps its values in memory only.
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

    // The path the store goes by, links not followed.
    QString fileName() const { return m_path; }

private:
    QString m_path;
    QString m_file; // the regular file behind the path
    std::unique_ptr<QSettings> m_settings; // none while the path holds no regular file
    QHash<QString, QString> m_unsaved; // what this run wrote while it had no file
};
