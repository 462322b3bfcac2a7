#include "TestSupport.h"
#include "platform/QtDesktop.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <fcntl.h>
#include <grp.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

// Root may write where the permission bits say no. When the tests run as
// root, the copies that must meet a lock or a folder they may not write run
// as this unprivileged user instead, as a user's desktop session would.
constexpr uid_t kUnprivileged = 65534;

bool runningAsRoot() { return ::geteuid() == 0; }

enum Lock {
    NoLock,
    EmptyFile,
    Garbage,
    ReadOnlyFile,
    Directory,
    LinkToMakeableFile,
    LinkIntoNowhere,
    Fifo,
    RuntimeNotWritable,
    UnreadableFile,
    RelativeRuntime,
};

bool needsUnprivilegedCopies(int lock)
{
    return lock == ReadOnlyFile || lock == RuntimeNotWritable || lock == UnreadableFile;
}

// What one copy said: its verdict ("started", "refused" or "ready") and the
// lines it wrote before it, its own and Qt's diagnostics.
struct Answer {
    QString word;
    QStringList notes;

    // The lines in which the copy itself explains why it could not check.
    QStringList ownNotes() const { return notes.filter(QRegularExpression(QStringLiteral("^guardprobe: "))); }
};

// The copies of one case: started in one session's environment, killed and
// reaped when the case ends, passed or failed.
class Copies
{
public:
    Copies(const QString &probe, const QProcessEnvironment &environment, bool unprivileged)
        : m_probe(probe)
        , m_environment(environment)
        , m_unprivileged(unprivileged)
    { }
    ~Copies()
    {
        for (auto &process : m_processes) {
            process->kill();
            process->waitForFinished(10000);
        }
    }

    QProcess *start(const QStringList &arguments)
    {
        auto process = std::make_unique<QProcess>();
        process->setProcessEnvironment(m_environment);
        process->setProcessChannelMode(QProcess::MergedChannels);
        if (!m_folders.isEmpty())
            process->setWorkingDirectory(m_folders.at(m_processes.size() % m_folders.size()));
        if (m_unprivileged) {
            process->setChildProcessModifier([] {
                if (::setgroups(0, nullptr) != 0 || ::setgid(kUnprivileged) != 0 || ::setuid(kUnprivileged) != 0)
                    ::_exit(126);
            });
        }
        process->start(m_probe, arguments);
        m_processes.push_back(std::move(process));
        return m_processes.back().get();
    }

    static Answer answerOf(QProcess *process)
    {
        Answer answer;
        for (;;) {
            while (!process->canReadLine()) {
                if (!process->waitForReadyRead(10000)) {
                    answer.word = QStringLiteral("no answer");
                    return answer;
                }
            }
            const QString line = QString::fromLocal8Bit(process->readLine()).trimmed();
            if (line == QLatin1String("started") || line == QLatin1String("refused")
                || line == QLatin1String("ready")) {
                answer.word = line;
                return answer;
            }
            answer.notes.append(line);
        }
    }

    Answer run(const QStringList &arguments = {}) { return answerOf(start(arguments)); }

    // Each copy starts in the next of these folders.
    void startIn(const QStringList &folders) { m_folders = folders; }

private:
    QStringList m_folders;
    QString m_probe;
    QProcessEnvironment m_environment;
    bool m_unprivileged;
    std::vector<std::unique_ptr<QProcess>> m_processes;
};

// A user's session of its own: a runtime folder with, at the lock's place,
// whatever the case puts there.
class Session
{
public:
    Session(const QString &probe, int lock)
        : m_unprivileged(needsUnprivilegedCopies(lock) && runningAsRoot())
        , m_probe(probe)
    {
        QFile::setPermissions(m_base.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup
                                  | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
        QDir(m_base.path()).mkpath(QStringLiteral("runtime"));
        QDir(m_base.path()).mkpath(QStringLiteral("tmp"));
        QFile::setPermissions(runtime(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        prepare(lock);
    }

    QString runtime() const { return m_base.filePath(QStringLiteral("runtime")); }
    QString lockPath() const { return runtime() + QStringLiteral("/guardprobe.lock"); }
    QString path(const QString &name) const { return m_base.filePath(name); }

    std::unique_ptr<Copies> copies() const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_relative ? QStringLiteral("runtime") : runtime());
        environment.insert(QStringLiteral("TMPDIR"), m_base.filePath(QStringLiteral("tmp")));
        auto copies = std::make_unique<Copies>(m_probe, environment, m_unprivileged);
        if (m_relative) {
            // Started from two folders, a relative runtime folder would be
            // two folders.
            copies->startIn({m_base.filePath(QStringLiteral("here")), m_base.filePath(QStringLiteral("there"))});
        }
        return copies;
    }

private:
    void prepare(int lock)
    {
        const QByteArray path = QFile::encodeName(lockPath());
        QFile file(lockPath());
        switch (lock) {
        case NoLock:
            break;
        case EmptyFile:
            // What a copy leaves that died while writing it, or on a full disk.
            QVERIFY(file.open(QIODevice::WriteOnly));
            break;
        case Garbage:
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QByteArray("\x7f\x00\xfe not a lock \n-17\n\n", 20));
            break;
        case ReadOnlyFile:
            // Left by a copy that ran under umask 0222: nobody may write it.
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.close();
            QVERIFY(file.setPermissions(QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
            break;
        case Directory:
            QVERIFY(QDir().mkdir(lockPath()));
            break;
        case LinkToMakeableFile:
            QVERIFY(QDir(runtime()).mkdir(QStringLiteral("state")));
            QCOMPARE(::symlink("state/guardprobe.lock", path.constData()), 0);
            break;
        case LinkIntoNowhere:
            QCOMPARE(::symlink("missing/guardprobe.lock", path.constData()), 0);
            break;
        case Fifo:
            QCOMPARE(::mkfifo(path.constData(), 0600), 0);
            break;
        case UnreadableFile:
            // Left by a copy that ran under umask 0777.
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.close();
            QVERIFY(file.setPermissions({}));
            break;
        case RelativeRuntime:
            m_relative = true;
            for (const char *folder : {"here", "there"}) {
                QVERIFY(QDir(m_base.path()).mkpath(QLatin1String(folder) + QStringLiteral("/runtime")));
                QVERIFY(QFile::setPermissions(m_base.filePath(QLatin1String(folder) + QStringLiteral("/runtime")),
                                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
            }
            break;
        case RuntimeNotWritable:
            // Neither the runtime folder nor the fallback Qt would make in
            // the temporary folder can be written.
            QVERIFY(QFile::setPermissions(runtime(), QFile::ReadOwner | QFile::ExeOwner));
            if (!m_unprivileged) {
                QVERIFY(QFile::setPermissions(m_base.filePath(QStringLiteral("tmp")),
                                              QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther));
            }
            break;
        }
        if (m_unprivileged) {
            QCOMPARE(::lchown(QFile::encodeName(runtime()).constData(), kUnprivileged, kUnprivileged), 0);
            if (QFileInfo(lockPath()).exists())
                QCOMPARE(::lchown(path.constData(), kUnprivileged, kUnprivileged), 0);
        }
    }

    QTemporaryDir m_base;
    bool m_unprivileged;
    bool m_relative = false;
    QString m_probe;
};

} // namespace

class TestGuard : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void lockLivesInTheRuntimeDirectory();
    void holderKilledOutright();
    void badLock_data();
    void badLock();
    void simultaneousStarts_data();
    void simultaneousStarts();

private:
    // The probe program, where an unprivileged user may run it too.
    QString m_probe;
    QTemporaryDir m_probeDir;
};

void TestGuard::initTestCase()
{
    m_probe = QStringLiteral(QVO_GUARD_PROBE);
    if (runningAsRoot()) {
        // The build folder may be closed to other users.
        QFile::setPermissions(m_probeDir.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther
                                  | QFile::ExeOther);
        const QString copy = m_probeDir.filePath(QStringLiteral("guardprobe"));
        QVERIFY(QFile::copy(m_probe, copy));
        QVERIFY(QFile::setPermissions(
            copy, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther));
        m_probe = copy;
    }
}

void TestGuard::lockLivesInTheRuntimeDirectory()
{
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    QVERIFY(!runtime.isEmpty());
    QCOMPARE(QtDesktop::lockFilePath(), runtime + QStringLiteral("/tst_guard.lock"));
}

void TestGuard::holderKilledOutright()
{
    Session session(m_probe, NoLock);
    auto copies = session.copies();
    QProcess *holder = copies->start({QStringLiteral("hold")});
    QCOMPARE(Copies::answerOf(holder).word, QStringLiteral("started"));
    QCOMPARE(copies->run().word, QStringLiteral("refused"));

    // Killed outright, the holder leaves its lock file behind; the next start
    // takes the place at once all the same.
    holder->kill(); // SIGKILL
    QVERIFY(holder->waitForFinished(10000));
    QVERIFY(QFileInfo::exists(session.lockPath()));
    QCOMPARE(copies->run({QStringLiteral("hold")}).word, QStringLiteral("started"));
    QCOMPARE(copies->run().word, QStringLiteral("refused"));
}

void TestGuard::badLock_data()
{
    // Whatever lies at the lock's place, only a living copy refuses a second
    // start. Where the place cannot be used at all, every copy starts and
    // says why it could not check.
    QTest::addColumn<int>("lock");
    QTest::addColumn<bool>("guarded");
    QTest::newRow("empty file") << int(EmptyFile) << true;
    QTest::newRow("garbage") << int(Garbage) << true;
    QTest::newRow("file nobody may write (umask 0222)") << int(ReadOnlyFile) << true;
    QTest::newRow("link to a file that can be made") << int(LinkToMakeableFile) << true;
    QTest::newRow("file nobody may read (umask 0777)") << int(UnreadableFile) << true;
    // Ignored, as a relative XDG_RUNTIME_DIR is to be: not a lock per folder.
    QTest::newRow("relative runtime folder") << int(RelativeRuntime) << true;
    QTest::newRow("directory") << int(Directory) << false;
    QTest::newRow("link into a missing folder") << int(LinkIntoNowhere) << false;
    QTest::newRow("fifo") << int(Fifo) << false;
    QTest::newRow("runtime folder not writable") << int(RuntimeNotWritable) << false;
}

void TestGuard::badLock()
{
    QFETCH(int, lock);
    QFETCH(bool, guarded);
    Session session(m_probe, lock);
    auto copies = session.copies();

    QProcess *first = copies->start({QStringLiteral("hold")});
    const Answer holder = Copies::answerOf(first);
    QCOMPARE(holder.word, QStringLiteral("started"));
    const Answer second = copies->run();

    if (guarded) {
        QVERIFY2(holder.ownNotes().isEmpty(), qPrintable(holder.notes.join(QLatin1Char('\n'))));
        QCOMPARE(second.word, QStringLiteral("refused"));
        first->kill();
        QVERIFY(first->waitForFinished(10000));
        QCOMPARE(copies->run({QStringLiteral("hold")}).word, QStringLiteral("started"));
        return;
    }
    QCOMPARE(second.word, QStringLiteral("started"));
    for (const Answer &answer : {holder, second}) {
        // One clear line each, naming what stood in the way.
        const QStringList own = answer.ownNotes();
        QVERIFY2(own.size() == 1, qPrintable(answer.notes.join(QLatin1Char('\n'))));
        QVERIFY2(own.first().contains(QLatin1String("another copy")), qPrintable(own.first()));
    }
}

void TestGuard::simultaneousStarts_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("lock");
    QTest::newRow("two at once") << 2 << int(NoLock);
    QTest::newRow("three at once") << 3 << int(NoLock);
    QTest::newRow("three at once over an empty lock file") << 3 << int(EmptyFile);
}

void TestGuard::simultaneousStarts()
{
    QFETCH(int, count);
    QFETCH(int, lock);
    Session session(m_probe, lock);
    const QString gate = session.path(QStringLiteral("gate"));
    QCOMPARE(::mkfifo(QFile::encodeName(gate).constData(), 0600), 0);

    // From the second round on, each round starts over the lock file the
    // killed holder of the round before left behind.
    for (int round = 0; round < 10; ++round) {
        auto copies = session.copies();
        QList<QProcess *> waiting;
        for (int i = 0; i < count; ++i) {
            waiting.append(copies->start({QStringLiteral("hold"), QStringLiteral("--gate"), gate}));
            QCOMPARE(Copies::answerOf(waiting.last()).word, QStringLiteral("ready"));
        }
        const int release = ::open(QFile::encodeName(gate).constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
        QVERIFY(release >= 0);
        ::close(release);

        QStringList words;
        for (QProcess *process : waiting)
            words.append(Copies::answerOf(process).word);
        QCOMPARE(words.count(QStringLiteral("started")), 1);
        QCOMPARE(words.count(QStringLiteral("refused")), count - 1);
    }
}

QVO_TEST_MAIN(TestGuard)
#include "tst_guard.moc"
