#include "SettingsStore.h"

#include "platform/ExecutableName.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <cerrno>
#include <optional>
#include <sys/stat.h>

namespace {

// Where QSettings keeps a user's INI store of this name on this system.
QString userStoreFile()
{
    const QString name = executableName();
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QLatin1Char('/') + name
        + QLatin1Char('/') + name + QStringLiteral(".ini");
}

// The file QSettings may read and write for the store at path: the path
// itself, or for a link the regular file it leads to, so that writing (a new
// file renamed into place) replaces the file and leaves the link alone.
// Nothing when the path holds anything else: opening a FIFO would wait for
// ever, and a file renamed over a device or a socket would replace it. Only
// the file's status is looked at; nothing is opened here.
std::optional<QString> storeFile(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat status {
    };
    if (::lstat(name.constData(), &status) != 0) {
        // Not there yet: QSettings makes it, as a regular file.
        return errno == ENOENT ? std::optional<QString>(path) : std::nullopt;
    }
    if (S_ISREG(status.st_mode))
        return path;
    if (!S_ISLNK(status.st_mode))
        return std::nullopt;
    // A link that leads nowhere is left alone too: where it points is the
    // user's business, and the store does not make files on a guess.
    if (::stat(name.constData(), &status) != 0 || !S_ISREG(status.st_mode))
        return std::nullopt;
    const QString target = QFileInfo(path).canonicalFilePath();
    return target.isEmpty() ? std::nullopt : std::optional<QString>(target);
}

} // namespace

SettingsStore::SettingsStore()
    : SettingsStore(userStoreFile())
{ }

SettingsStore::SettingsStore(const QString &iniFile)
    : m_path(iniFile)
{
    if (const std::optional<QString> file = storeFile(m_path)) {
        m_file = *file;
        m_settings = std::make_unique<QSettings>(m_file, QSettings::IniFormat);
    }
}

SettingsStore::~SettingsStore() = default;

QString SettingsStore::value(const QString &section, const QString &key) const
{
    const QString name = section + QLatin1Char('/') + key;
    if (!m_settings)
        return m_unsaved.value(name);
    return m_settings->value(name).toString();
}

void SettingsStore::setValue(const QString &section, const QString &key, const QString &value)
{
    const QString name = section + QLatin1Char('/') + key;
    // Writing reads the file again first; whatever now lies at the path must
    // still be a file the store may open.
    if (m_settings && storeFile(m_path) != m_file)
        m_settings.reset();
    if (!m_settings) {
        m_unsaved.insert(name, value);
        return;
    }
    m_settings->setValue(name, value);
    // Write through now: the process may end at any moment without unwinding.
    // A store that cannot be written keeps the value for this run only.
    m_settings->sync();
}
