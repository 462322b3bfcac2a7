#include "TestSupport.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QSettings>
#include <QThread>

#include <atomic>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <grp.h>
#include <pwd.h>
#include <signal.h>
#include <sys/wait.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

namespace {

const QString kQuestion =
    QStringLiteral("There maybe an update to this software available\rDo you want to check for an update?");
const QString kDownload = QStringLiteral("https://www.velmoraware.example/orbalpath/ssd.php?page=download-web-page");

QString stored(TestRun &run)
{
    return run.settings.value(QStringLiteral("Settings"), QStringLiteral("Duration"));
}

enum Place {
    LinkToFile,
    LinkToLinkToFile,
    Fifo,
    LinkToFifo,
    Socket,
    Directory,
    LinkToDirectory,
    LinkToDevice,
    DanglingLink,
    Oversized,
};

// Users the store meets as root: one that a user's session runs as, and one
// that is another user to it and has no account at all.
constexpr uid_t kUser = 65534;
constexpr uid_t kOtherUser = 4242;

bool runningAsRoot() { return ::geteuid() == 0; }

// Runs body in a child process, as the given user, and gives its exit
// status: -1 when it has not ended within ten seconds (it is killed then),
// so that a store that waits for ever fails the test instead of stopping it.
int inChild(const std::function<int()> &body, uid_t user = ::geteuid())
{
    const pid_t pid = ::fork();
    if (pid == 0) {
        if (user != ::geteuid() && (::setgroups(0, nullptr) != 0 || ::setgid(user) != 0 || ::setuid(user) != 0))
            ::_exit(126);
        ::_exit(body());
    }
    if (pid < 0)
        return -2;
    int status = 0;
    QDeadlineTimer deadline(10000);
    while (::waitpid(pid, &status, WNOHANG) == 0) {
        if (deadline.hasExpired()) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, &status, 0);
            return -1;
        }
        QThread::msleep(10);
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -3;
}

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// The kind of thing at a path, links not followed: "file", "link", "fifo"...
QString kindOf(const QString &path)
{
    struct stat status{};
    if (::lstat(QFile::encodeName(path).constData(), &status) != 0)
        return QStringLiteral("nothing");
    switch (status.st_mode & S_IFMT) {
    case S_IFREG:
        return QStringLiteral("file");
    case S_IFLNK:
        return QStringLiteral("link");
    case S_IFIFO:
        return QStringLiteral("fifo");
    case S_IFSOCK:
        return QStringLiteral("socket");
    case S_IFDIR:
        return QStringLiteral("directory");
    case S_IFCHR:
        return QStringLiteral("device");
    default:
        return QStringLiteral("other");
    }
}

QStringList kindsIn(const QString &folder)
{
    QStringList kinds;
    const QStringList names = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                                     QDir::Name);
    for (const QString &name : names)
        kinds.append(name + QLatin1Char('=') + kindOf(folder + QLatin1Char('/') + name));
    return kinds;
}

// Watches a FIFO from another thread and tells whether anyone opened it for
// reading. A reader that would block for ever is let go, so that a store
// that hangs on the FIFO fails the test instead of stopping it.
class FifoWatch
{
public:
    explicit FifoWatch(const QString &fifo)
        : m_fifo(QFile::encodeName(fifo))
        , m_thread([this] { watch(); })
    {
    }
    ~FifoWatch() { stop(); }

    bool stop()
    {
        m_stop = true;
        if (m_thread.joinable())
            m_thread.join();
        return m_opened;
    }

private:
    void watch()
    {
        while (!m_stop) {
            // Opening the writing end without blocking succeeds only while a
            // reader has the FIFO open.
            const int fd = ::open(m_fifo.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
            if (fd >= 0) {
                m_opened = true;
                ::close(fd);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    }

    QByteArray m_fifo;
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_opened{false};
    std::thread m_thread;
};

} // namespace

class TestReminder : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void reminder_data();
    void reminder();
    void dateIsWrittenBeforeThePageOpens();
    void fourteenDaysThenFifteen();
    void unwritableStore();
    void storeLocation();
    void storeAtPath_data();
    void storeAtPath();
    void storeWithoutHome_data();
    void storeWithoutHome();
    void lockBesideTheFile_data();
    void lockBesideTheFile();
    void linkOwner_data();
    void linkOwner();
};

void TestReminder::reminder_data()
{
    QTest::addColumn<QString>("before");  // stored text; "" for none
    QTest::addColumn<int>("answer");      // Desktop::Answer given if asked
    QTest::addColumn<bool>("asks");
    QTest::addColumn<QString>("after");   // stored text afterwards
    QTest::addColumn<bool>("opensPage");

    const int yes = int(Desktop::Answer::Yes);
    const int no = int(Desktop::Answer::No);
    // Today is 2026-12-10 for every case.
    QTest::newRow("first run") << "" << yes << false << "2026-12-10" << false;
    QTest::newRow("today") << "2026-12-10" << yes << false << "2026-12-10" << false;
    QTest::newRow("14 days ago") << "2026-11-26" << yes << false << "2026-11-26" << false;
    QTest::newRow("15 days ago, Yes") << "2026-11-25" << yes << true << "2026-12-10" << true;
    QTest::newRow("15 days ago, No") << "2026-11-25" << no << true << "2026-12-10" << false;
    QTest::newRow("14 days ahead") << "2026-12-24" << yes << false << "2026-12-24" << false;
    QTest::newRow("15 days ahead, Yes") << "2026-12-25" << yes << true << "2026-12-10" << true;
    QTest::newRow("15 days ahead, No") << "2026-12-25" << no << true << "2026-12-10" << false;
    QTest::newRow("a year ago") << "2025-12-10" << no << true << "2026-12-10" << false;
    QTest::newRow("unreadable text is a first run") << "12/1/26" << yes << false << "2026-12-10" << false;
    QTest::newRow("garbage is a first run") << "next Tuesday" << yes << false << "2026-12-10" << false;
}

void TestReminder::reminder()
{
    QFETCH(QString, before);
    QFETCH(int, answer);
    QFETCH(bool, asks);
    QFETCH(QString, after);
    QFETCH(bool, opensPage);

    TestRun run;
    if (!before.isEmpty())
        run.settings.setValue(QStringLiteral("Settings"), QStringLiteral("Duration"), before);
    run.desktop.answers = {Desktop::Answer(answer)};
    run.app.help().CheckUpdateReminder();

    QCOMPARE(run.desktop.messages.size(), asks ? 1 : 0);
    if (asks) {
        const FakeDesktop::Message &question = run.desktop.messages.first();
        QCOMPARE(question.text, kQuestion);
        QCOMPARE(question.icon, Desktop::Icon::Information);
        QCOMPARE(question.buttons, Desktop::Buttons::YesNo);
        QCOMPARE(question.caption, QStringLiteral("QV Orbalin"));
    }
    QCOMPARE(stored(run), after);
    QCOMPARE(run.desktop.urls, opensPage ? QStringList{kDownload} : QStringList{});

    // Whatever happened, a second check straight after asks nothing more.
    run.app.help().CheckUpdateReminder();
    QCOMPARE(run.desktop.messages.size(), asks ? 1 : 0);
}

void TestReminder::dateIsWrittenBeforeThePageOpens()
{
    TestRun run;
    run.settings.setValue(QStringLiteral("Settings"), QStringLiteral("Duration"), QStringLiteral("2026-01-01"));
    run.desktop.answers = {Desktop::Answer::Yes};
    const auto onDisk = [&run] {
        return QSettings(run.settingsFile(), QSettings::IniFormat).value(QStringLiteral("Settings/Duration"));
    };
    QVariant whileAsking;
    QVariant whenOpening;
    run.desktop.onMessage = [&](const FakeDesktop::Message &) { whileAsking = onDisk(); };
    run.desktop.onUrl = [&](const QString &) { whenOpening = onDisk(); };
    run.app.help().CheckUpdateReminder();
    QCOMPARE(run.desktop.log, QStringList({QStringLiteral("message"), QStringLiteral("url")}));
    QCOMPARE(whileAsking, QVariant(QStringLiteral("2026-01-01")));
    QCOMPARE(whenOpening, QVariant(QStringLiteral("2026-12-10")));
}

void TestReminder::fourteenDaysThenFifteen()
{
    TestRun run;
    run.app.help().CheckUpdateReminder(); // first run: remembers 2026-12-10
    run.desktop.todayDate = QDate(2026, 12, 24);
    run.app.help().CheckUpdateReminder();
    QVERIFY(run.desktop.messages.isEmpty());
    run.desktop.todayDate = QDate(2026, 12, 25);
    run.app.help().CheckUpdateReminder();
    QCOMPARE(run.desktop.messages.size(), 1);
    QCOMPARE(stored(run), QStringLiteral("2026-12-25"));
}

void TestReminder::unwritableStore()
{
    // A store whose folder can never be made (a file stands in its way, which
    // holds even for root) must neither stop the program nor say anything.
    QTemporaryDir dir;
    const QString blocker = dir.filePath(QStringLiteral("not-a-folder"));
    QFile file(blocker);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();

    FakeDesktop desktop;
    SettingsStore settings(blocker + QStringLiteral("/settings.ini"));
    App app(desktop, settings);
    app.help().CheckUpdateReminder();
    app.help().CheckUpdateReminder();
    QVERIFY(desktop.messages.isEmpty());
    QVERIFY(!QFile::exists(blocker + QStringLiteral("/settings.ini")));
    // Within the run the value still counts, so the check does not repeat.
    QCOMPARE(settings.value(QStringLiteral("Settings"), QStringLiteral("Duration")), QStringLiteral("2026-12-10"));
}

void TestReminder::storeLocation()
{
    // The user's store is the INI file named after the executable under the
    // configuration directory.
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    SettingsStore store;
    const QString name = QCoreApplication::applicationName();
    QCOMPARE(store.fileName(), config.filePath(name + QLatin1Char('/') + name + QStringLiteral(".ini")));
    QCOMPARE(store.value(QStringLiteral("Settings"), QStringLiteral("Duration")), QString());
    store.setValue(QStringLiteral("Settings"), QStringLiteral("Duration"), QStringLiteral("2026-12-10"));
    QFile file(store.fileName());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll().trimmed(), QByteArray("[Settings]\nDuration=2026-12-10"));
}

void TestReminder::storeAtPath_data()
{
    // A regular file, also one reached through links, is read and written
    // through, and the links stay. Anything else at the path is a store that
    // can be neither read nor written: it is not opened, nothing on disk
    // changes, and the run keeps its value in memory.
    QTest::addColumn<int>("place");
    QTest::addColumn<bool>("usable");
    QTest::newRow("link to a file") << int(LinkToFile) << true;
    QTest::newRow("link to a link to a file") << int(LinkToLinkToFile) << true;
    QTest::newRow("fifo") << int(Fifo) << false;
    QTest::newRow("link to a fifo") << int(LinkToFifo) << false;
    QTest::newRow("socket") << int(Socket) << false;
    QTest::newRow("directory") << int(Directory) << false;
    QTest::newRow("link to a directory") << int(LinkToDirectory) << false;
    QTest::newRow("link to a device") << int(LinkToDevice) << false;
    // A link to a file that is not there may lead anywhere; it is left alone.
    QTest::newRow("dangling link") << int(DanglingLink) << false;
    // Larger than anything the store writes: not read, and kept as it is.
    QTest::newRow("file larger than 64 KiB") << int(Oversized) << false;
}

void TestReminder::storeAtPath()
{
    QFETCH(int, place);
    QFETCH(bool, usable);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("settings.ini"));
    const QString target = dir.filePath(QStringLiteral("kept/target"));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("kept")));
    const QByteArray targetName = QFile::encodeName(target);
    const auto linkTo = [&](const char *to) { return ::symlink(to, QFile::encodeName(path).constData()) == 0; };

    QString fifo;
    QByteArray kept; // what the file at the path holds and must go on holding
    switch (place) {
    case LinkToFile:
    case LinkToLinkToFile: {
        QFile file(target);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[Settings]\nDuration=2026-12-01\n");
        file.close();
        if (place == LinkToFile) {
            QVERIFY(linkTo("kept/target"));
        } else {
            QVERIFY(QFile::link(QStringLiteral("target"), dir.filePath(QStringLiteral("kept/middle"))));
            QVERIFY(linkTo("kept/middle"));
        }
        break;
    }
    case Fifo:
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        fifo = path;
        break;
    case LinkToFifo:
        QCOMPARE(::mkfifo(targetName.constData(), 0600), 0);
        QVERIFY(linkTo("kept/target"));
        fifo = target;
        break;
    case Socket: {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        QVERIFY(fd >= 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray name = QFile::encodeName(path);
        QVERIFY(size_t(name.size()) < sizeof(address.sun_path));
        std::memcpy(address.sun_path, name.constData(), name.size());
        QCOMPARE(::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof(address)), 0);
        ::close(fd);
        break;
    }
    case Directory:
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("settings.ini")));
        break;
    case LinkToDirectory:
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("kept/target")));
        QVERIFY(linkTo("kept/target"));
        break;
    case LinkToDevice:
        // A null device of our own, so that a store that wrote through would
        // replace nothing of the system's.
        if (::mknod(targetName.constData(), S_IFCHR | 0666, makedev(1, 3)) == 0) {
            QVERIFY(linkTo("kept/target"));
        } else if (::geteuid() != 0) {
            QVERIFY(linkTo("/dev/null")); // where only root could replace it
        } else {
            QSKIP("no device node can be made here, and the system's /dev/null is not put at risk");
        }
        break;
    case DanglingLink:
        QVERIFY(linkTo("kept/target"));
        break;
    case Oversized:
        kept = "[Settings]\nDuration=2026-12-01\n" + QByteArray(64 * 1024, ';');
        writeFile(path, kept);
        break;
    }
    const QStringList before = kindsIn(dir.path()) + kindsIn(dir.filePath(QStringLiteral("kept")));
    const QString linkBefore = QFileInfo(path).symLinkTarget();
    std::unique_ptr<FifoWatch> watch;
    if (!fifo.isEmpty())
        watch = std::make_unique<FifoWatch>(fifo);

    {
        FakeDesktop desktop;
        SettingsStore settings(path);
        App app(desktop, settings);
        app.help().CheckUpdateReminder();
        app.help().CheckUpdateReminder();
        QVERIFY(desktop.messages.isEmpty());
        // The run keeps what it wrote, on disk or in memory.
        QCOMPARE(settings.value(QStringLiteral("Settings"), QStringLiteral("Duration")),
                 usable ? QStringLiteral("2026-12-01") : QStringLiteral("2026-12-10"));
        settings.setValue(QStringLiteral("Settings"), QStringLiteral("Duration"), QStringLiteral("2026-12-11"));
        QCOMPARE(settings.value(QStringLiteral("Settings"), QStringLiteral("Duration")), QStringLiteral("2026-12-11"));
    }

    if (watch)
        QVERIFY2(!watch->stop(), "the store opened the FIFO");
    QCOMPARE(kindsIn(dir.path()) + kindsIn(dir.filePath(QStringLiteral("kept"))), before);
    QCOMPARE(QFileInfo(path).symLinkTarget(), linkBefore);
    if (!kept.isEmpty())
        QVERIFY(contentOf(path) == kept);
    if (usable) {
        QCOMPARE(QSettings(target, QSettings::IniFormat).value(QStringLiteral("Settings/Duration")).toString(),
                 QStringLiteral("2026-12-11"));
    }
}

void TestReminder::storeWithoutHome_data()
{
    // Without a usable HOME the store is the one in the account's home; with
    // no account either, it lives in memory and makes no folder anywhere.
    QTest::addColumn<QByteArray>("home"); // null for unset
    QTest::addColumn<bool>("account");
    QTest::newRow("HOME unset") << QByteArray() << true;
    QTest::newRow("HOME empty") << QByteArray("") << true;
    QTest::newRow("HOME relative") << QByteArray("home") << true;
    QTest::newRow("HOME unset, no account") << QByteArray() << false;
}

void TestReminder::storeWithoutHome()
{
    QFETCH(QByteArray, home);
    QFETCH(bool, account);
    if (!account && (!runningAsRoot() || ::getpwuid(kOtherUser)))
        QSKIP("needs root and a user id without an account");
    const QByteArray savedHome = qgetenv("HOME");
    const QByteArray savedConfig = qgetenv("XDG_CONFIG_HOME");
    const auto restore = qScopeGuard([&] {
        qputenv("HOME", savedHome);
        qputenv("XDG_CONFIG_HOME", savedConfig);
    });
    qunsetenv("XDG_CONFIG_HOME");
    if (home.isNull())
        qunsetenv("HOME");
    else
        qputenv("HOME", home);
    const QString name = QCoreApplication::applicationName();

    if (account) {
        const passwd *entry = ::getpwuid(::geteuid());
        QVERIFY(entry);
        SettingsStore store;
        QCOMPARE(store.fileName(), QFile::decodeName(entry->pw_dir) + QStringLiteral("/.config/") + name
                     + QLatin1Char('/') + name + QStringLiteral(".ini"));
        return;
    }
    const int status = inChild(
        [] {
            SettingsStore store;
            if (!store.fileName().isEmpty())
                return 1;
            store.setValue(QStringLiteral("Settings"), QStringLiteral("Duration"), QStringLiteral("2026-12-10"));
            return store.value(QStringLiteral("Settings"), QStringLiteral("Duration")) == QLatin1String("2026-12-10")
                ? 0
                : 2;
        },
        kOtherUser);
    QCOMPARE(status, 0);
}

enum LockPlace { LockFifo, LockLinkToFifo, LockDirectory };

void TestReminder::lockBesideTheFile_data()
{
    // What lies at the lock's usual place beside the settings file: the
    // store neither waits for it nor touches it, and writes all the same.
    QTest::addColumn<int>("lock");
    QTest::newRow("fifo") << int(LockFifo);
    QTest::newRow("link to a fifo") << int(LockLinkToFifo);
    QTest::newRow("directory that cannot be removed") << int(LockDirectory);
}

void TestReminder::lockBesideTheFile()
{
    QFETCH(int, lock);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("settings.ini"));
    const QByteArray lockName = QFile::encodeName(path + QStringLiteral(".lock"));
    switch (lock) {
    case LockFifo:
        QCOMPARE(::mkfifo(lockName.constData(), 0600), 0);
        break;
    case LockLinkToFifo:
        QCOMPARE(::mkfifo(QFile::encodeName(dir.filePath(QStringLiteral("fifo"))).constData(), 0600), 0);
        QCOMPARE(::symlink("fifo", lockName.constData()), 0);
        break;
    case LockDirectory:
        QVERIFY(QDir().mkpath(QFile::decodeName(lockName) + QStringLiteral("/inside")));
        break;
    }
    const QStringList before = kindsIn(dir.path());

    const int status = inChild([&path] {
        SettingsStore store(path);
        store.setValue(QStringLiteral("Settings"), QStringLiteral("Duration"), QStringLiteral("2026-12-10"));
        return 0;
    });
    QCOMPARE(status, 0); // -1: it waited
    QCOMPARE(QSettings(path, QSettings::IniFormat).value(QStringLiteral("Settings/Duration")).toString(),
             QStringLiteral("2026-12-10"));
    QStringList after = kindsIn(dir.path());
    QVERIFY(after.removeOne(QStringLiteral("settings.ini=file")));
    QCOMPARE(after, before);
}

enum LinkPlace { FileLink, FolderLink };

void TestReminder::linkOwner_data()
{
    // A link is followed only when it is the user's own or root's; root
    // never writes where a user's link leads, and a user keeps settings
    // under links of their own.
    QTest::addColumn<int>("link");
    QTest::addColumn<uint>("owner"); // of the link
    QTest::addColumn<uint>("runAs"); // who runs the program and owns what the link leads to
    QTest::addColumn<bool>("usable");
    QTest::newRow("as root, the file a user's link to root's") << int(FileLink) << uint(kUser) << 0u << false;
    QTest::newRow("as root, the folder a user's link to root's") << int(FolderLink) << uint(kUser) << 0u << false;
    QTest::newRow("as the user, the file their own link") << int(FileLink) << uint(kUser) << uint(kUser) << true;
    QTest::newRow("as the user, the folder their own link")
        << int(FolderLink) << uint(kUser) << uint(kUser) << true;
    QTest::newRow("as the user, the file a link of root's") << int(FileLink) << 0u << uint(kUser) << true;
    QTest::newRow("as the user, the file another user's link")
        << int(FileLink) << uint(kOtherUser) << uint(kUser) << false;
}

void TestReminder::linkOwner()
{
    QFETCH(int, link);
    QFETCH(uint, owner);
    QFETCH(uint, runAs);
    QFETCH(bool, usable);
    if (!runningAsRoot())
        QSKIP("links of other users can be made only as root");
    QTemporaryDir base;
    const auto own = [](const QString &path, uid_t user, mode_t mode) {
        const QByteArray name = QFile::encodeName(path);
        return ::lchown(name.constData(), user, user) == 0 && ::chmod(name.constData(), mode) == 0;
    };
    QVERIFY(own(base.path(), 0, 0755));
    const QString home = base.filePath(QStringLiteral("home"));
    const QString kept = base.filePath(QStringLiteral("kept"));
    QVERIFY(QDir().mkdir(home) && QDir().mkdir(kept));
    QVERIFY(own(home, kUser, 0755));
    QVERIFY(own(kept, runAs, 0755));
    const QString target = kept + QStringLiteral("/target.ini");
    const QByteArray content("[Settings]\nDuration=2026-12-01\n");
    writeFile(target, content);
    QVERIFY(own(target, runAs, 0640));

    const QString config = home + QStringLiteral("/config");
    const QByteArray linkName = QFile::encodeName(link == FileLink ? config + QStringLiteral("/settings.ini") : config);
    const char *linkTarget = link == FileLink ? "../../kept/target.ini" : "../kept";
    if (link == FileLink) {
        QVERIFY(QDir().mkdir(config));
        QVERIFY(own(config, kUser, 0755));
    }
    QCOMPARE(::symlink(linkTarget, linkName.constData()), 0);
    QCOMPARE(::lchown(linkName.constData(), owner, owner), 0);
    // Through the folder link the store makes a new file in the folder.
    const QString path = link == FileLink ? config + QStringLiteral("/settings.ini") : config + QStringLiteral("/new.ini");
    const QString behind = link == FileLink ? target : kept + QStringLiteral("/new.ini");
    const QStringList before = kindsIn(kept);

    const int status = inChild(
        [&path] {
            SettingsStore store(path);
            const QString first = store.value(QStringLiteral("Settings"), QStringLiteral("Duration"));
            store.setValue(QStringLiteral("Settings"), QStringLiteral("Duration"), QStringLiteral("2026-12-11"));
            if (store.value(QStringLiteral("Settings"), QStringLiteral("Duration")) != QLatin1String("2026-12-11"))
                return 13;
            return first == QLatin1String("2026-12-01") ? 10 : first.isEmpty() ? 11 : 12;
        },
        runAs);
    // What the store read first: the file behind a link it followed.
    QCOMPARE(status, usable && link == FileLink ? 10 : 11);
    QCOMPARE(kindOf(QFile::decodeName(linkName)), QStringLiteral("link"));
    if (usable) {
        QCOMPARE(QSettings(behind, QSettings::IniFormat).value(QStringLiteral("Settings/Duration")).toString(),
                 QStringLiteral("2026-12-11"));
        return;
    }
    QCOMPARE(kindsIn(kept), before);
    QCOMPARE(contentOf(target), content);
    struct stat status2 {
    };
    QCOMPARE(::stat(QFile::encodeName(target).constData(), &status2), 0);
    QCOMPARE(status2.st_uid, uid_t(runAs));
}

QVO_TEST_MAIN(TestReminder)
#include "tst_reminder.moc"
