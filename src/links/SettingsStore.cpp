#include "SettingsStore.h"

#include "platform/ExecutableName.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QSettings>
#include <QTemporaryDir>

#include <cerrno>
#include <climits>
#include <deque>
#include <fcntl.h>
#include <functional>
#include <optional>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

// The configuration folder: $XDG_CONFIG_HOME, else ~/.config. Relative
// values are ignored, and without $HOME the account's home is taken from the
// password database. Nothing when no home can be found: the store then never
// guesses a folder (as root, "/.config" would be made).
QString configHome()
{
    const QString xdg = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (QDir::isAbsolutePath(xdg))
        return xdg;
    QString home = qEnvironmentVariable("HOME");
    if (!QDir::isAbsolutePath(home)) {
        const passwd *account = ::getpwuid(::geteuid());
        home = account && account->pw_dir ? QFile::decodeName(account->pw_dir) : QString();
    }
    if (!QDir::isAbsolutePath(home))
        return QString();
    return home + QStringLiteral("/.config");
}

QString userStoreFile()
{
    const QString config = configHome();
    if (config.isEmpty())
        return QString();
    const QString name = executableName();
    return config + QLatin1Char('/') + name + QLatin1Char('/') + name + QStringLiteral(".ini");
}

class Fd
{
public:
    explicit Fd(int fd = -1)
        : m_fd(fd)
    { }
    ~Fd() { reset(); }
    Fd(Fd &&other) noexcept
        : m_fd(std::exchange(other.m_fd, -1))
    { }
    Fd &operator=(Fd &&other) noexcept
    {
        if (this != &other) {
            reset();
            m_fd = std::exchange(other.m_fd, -1);
        }
        return *this;
    }
    void reset()
    {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = -1;
    }
    int get() const { return m_fd; }
    bool valid() const { return m_fd >= 0; }

private:
    int m_fd;
};

// Where the store's file lies: the folder, open, and the file's name in it.
struct Place {
    Fd folder;
    QByteArray name;
    bool exists = false;
    mode_t mode = 0;
};

// Walks the path one name at a time, as the kernel would, but follows a link
// only when it belongs to us or to root, and never opens anything but
// folders on the way. With makeFolders, missing folders on the way are made
// (not where a link leads to nothing). Nothing when the path cannot be used.
std::optional<Place> findPlace(const QString &path, bool makeFolders)
{
    if (!QDir::isAbsolutePath(path))
        return std::nullopt;
    const auto openRoot = [] { return Fd(::open("/", O_PATH | O_DIRECTORY | O_CLOEXEC)); };
    struct Name {
        QByteArray text;
        bool fromLink;
    };
    const auto split = [](const QByteArray &text, bool fromLink) {
        std::deque<Name> names;
        for (const QByteArray &part : text.split('/')) {
            if (!part.isEmpty() && part != ".")
                names.push_back({part, fromLink});
        }
        return names;
    };

    Fd folder = openRoot();
    std::deque<Name> names = split(QFile::encodeName(path), false);
    bool lastFromLink = false; // the file's own name came from a link
    int links = 0;
    while (folder.valid() && !names.empty()) {
        const Name name = names.front();
        names.pop_front();
        const bool last = names.empty();
        struct stat status {
        };
        if (::fstatat(folder.get(), name.text.constData(), &status, AT_SYMLINK_NOFOLLOW) != 0) {
            if (errno != ENOENT || name.fromLink || (last && lastFromLink))
                return std::nullopt;
            if (last)
                return Place{std::move(folder), name.text};
            if (!makeFolders)
                return Place{Fd(), name.text}; // no file yet: it comes with the first write
            if (::mkdirat(folder.get(), name.text.constData(), 0777) != 0 && errno != EEXIST)
                return std::nullopt;
            names.push_front(name);
            continue;
        }
        if (S_ISLNK(status.st_mode)) {
            if ((status.st_uid != ::geteuid() && status.st_uid != 0) || ++links > 40)
                return std::nullopt;
            QByteArray target(PATH_MAX, Qt::Uninitialized);
            const ssize_t length = ::readlinkat(folder.get(), name.text.constData(), target.data(), target.size());
            if (length <= 0 || length >= target.size())
                return std::nullopt;
            target.truncate(length);
            if (last)
                lastFromLink = true;
            std::deque<Name> leadsTo = split(target, true);
            names.insert(names.begin(), leadsTo.begin(), leadsTo.end());
            if (target.startsWith('/'))
                folder = openRoot();
            continue;
        }
        if (last) {
            if (!S_ISREG(status.st_mode))
                return std::nullopt;
            return Place{std::move(folder), name.text, true, status.st_mode};
        }
        if (!S_ISDIR(status.st_mode))
            return std::nullopt;
        folder = Fd(::openat(folder.get(), name.text.constData(), O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    }
    return std::nullopt;
}

// The file's bytes; empty for a file not there yet. Nothing for a file that
// is no regular file by the time it is opened, or larger than the store ever
// writes: that file holds nothing of ours, and it is left as it is.
std::optional<QByteArray> readPlace(const Place &place)
{
    if (!place.exists)
        return QByteArray();
    const Fd fd(::openat(place.folder.get(), place.name.constData(),
                         O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat status {
    };
    if (!fd.valid() || ::fstat(fd.get(), &status) != 0 || !S_ISREG(status.st_mode)
        || status.st_size > SettingsStore::kMaxFileSize)
        return std::nullopt;
    QByteArray bytes(SettingsStore::kMaxFileSize + 1, Qt::Uninitialized);
    qsizetype filled = 0;
    while (filled < bytes.size()) {
        const ssize_t got = ::read(fd.get(), bytes.data() + filled, bytes.size() - filled);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return std::nullopt;
        if (got == 0)
            break;
        filled += got;
    }
    if (filled > SettingsStore::kMaxFileSize)
        return std::nullopt;
    bytes.truncate(filled);
    return bytes;
}

// Replaces the file with a complete new one: written beside it under a name
// nobody else uses, then renamed over it. The new file keeps the old one's
// permissions.
bool writePlace(const Place &place, const QByteArray &bytes)
{
    const QByteArray temporary = '.' + place.name + '.'
        + QByteArray::number(QRandomGenerator::system()->generate64(), 36);
    const Fd fd(::openat(place.folder.get(), temporary.constData(),
                         O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC, 0666));
    if (!fd.valid())
        return false;
    bool written = !place.exists || ::fchmod(fd.get(), place.mode & 07777) == 0;
    for (qsizetype done = 0; written && done < bytes.size();) {
        const ssize_t put = ::write(fd.get(), bytes.constData() + done, bytes.size() - done);
        if (put < 0 && errno == EINTR)
            continue;
        written = put > 0;
        done += put;
    }
    written = written && ::fsync(fd.get()) == 0
        && ::renameat(place.folder.get(), temporary.constData(), place.folder.get(), place.name.constData()) == 0;
    if (!written)
        ::unlinkat(place.folder.get(), temporary.constData(), 0);
    return written;
}

// QSettings reads and writes the INI text, on a copy in a private folder of
// our own, where nobody else can put anything in the way of its lock.
std::optional<QByteArray> withSettings(const QByteArray &bytes, const std::function<void(QSettings &)> &use)
{
    const QTemporaryDir scratch;
    if (!scratch.isValid())
        return std::nullopt;
    const QString file = scratch.filePath(QStringLiteral("store.ini"));
    QFile copy(file);
    if (!copy.open(QIODevice::WriteOnly) || copy.write(bytes) != bytes.size())
        return std::nullopt;
    copy.close();
    {
        QSettings settings(file, QSettings::IniFormat);
        use(settings);
        settings.sync();
        if (settings.status() != QSettings::NoError)
            return std::nullopt;
    }
    if (!copy.open(QIODevice::ReadOnly))
        return std::nullopt;
    return copy.readAll();
}

} // namespace

SettingsStore::SettingsStore()
    : SettingsStore(userStoreFile())
{ }

SettingsStore::SettingsStore(const QString &iniFile)
    : m_path(iniFile)
{
    if (m_path.isEmpty())
        return;
    const std::optional<Place> place = findPlace(m_path, false);
    const std::optional<QByteArray> bytes = place ? readPlace(*place) : std::nullopt;
    if (!bytes)
        return;
    m_onDisk = true;
    withSettings(*bytes, [this](QSettings &settings) {
        const QStringList keys = settings.allKeys();
        for (const QString &key : keys)
            m_values.insert(key, settings.value(key).toString());
    });
}

QString SettingsStore::value(const QString &section, const QString &key) const
{
    return m_values.value(section + QLatin1Char('/') + key);
}

void SettingsStore::setValue(const QString &section, const QString &key, const QString &value)
{
    const QString name = section + QLatin1Char('/') + key;
    m_values.insert(name, value);
    if (!m_onDisk)
        return;
    // Written through now: the process may end at any moment without
    // unwinding. What else the file holds by now stays; whatever lies at the
    // path must still be a file the store may open.
    const std::optional<Place> place = findPlace(m_path, true);
    const std::optional<QByteArray> bytes = place ? readPlace(*place) : std::nullopt;
    if (!bytes) {
        m_onDisk = false;
        return;
    }
    const std::optional<QByteArray> updated
        = withSettings(*bytes, [&](QSettings &settings) { settings.setValue(name, value); });
    // A store that cannot be written keeps the value for this run only.
    if (updated)
        writePlace(*place, *updated);
}
