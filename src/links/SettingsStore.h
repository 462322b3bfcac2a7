#pragma once

#include <QHash>
#include <QString>

// The per-user store of the program's few remembered values: an INI file
// under the user's configuration directory, named after the executable.
// Reading a value that was never written gives the empty text; a store that
// cannot be written is not an error anyone hears about.
//
// The store reads and writes only a regular file, and never waits for
// anything on the way there. It follows a link (to the file, to its folder or
// anywhere on the path) only when the link belongs to the user the program
// runs as, or to root: a program run as root with a user's home must not
// write wherever that user's links lead. A link to a regular file is written
// through and stays a link. Anything else (a FIFO, a socket, a device, a
// directory, a link to one of them or to nothing, a link of another user, a
// file larger than any this program writes) is never opened for writing: the
// run then keeps its values in memory only, and the file stays as it is.
//
// A write replaces the file at once with a complete new one, so that a
// process that ends during it leaves the old file or the new one. Two copies
// of the program never run at once, so the store takes no lock of its own
// and leaves alone whatever lies beside the file.
class SettingsStore
{
public:
    // The user's own store: <config dir>/<exe name>/<exe name>.ini. Without
    // a home folder to find it in, the store lives in memory only.
    SettingsStore();
    // A store kept in the given file.
    explicit SettingsStore(const QString &iniFile);
    SettingsStore(const SettingsStore &) = delete;
    SettingsStore &operator=(const SettingsStore &) = delete;

    QString value(const QString &section, const QString &key) const;
    void setValue(const QString &section, const QString &key, const QString &value);

    // The path the store goes by, links not followed; empty for a store
    // that has no file.
    QString fileName() const { return m_path; }

    // The largest file the store reads; it writes far smaller ones.
    static constexpr qint64 kMaxFileSize = 64 * 1024;

private:
    QString m_path;
    bool m_onDisk = false; // false once the file turned out unusable: memory only
    QHash<QString, QString> m_values; // "section/key" -> value
};
