#include "TestSupport.h"
#include "platform/QtDesktop.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace {

// Starts a copy of the probe and returns what it found: "held" or "refused".
QString probe(QProcess &process, const QStringList &arguments = {})
{
    process.start(QStringLiteral(QVO_GUARD_PROBE), arguments);
    if (!process.waitForStarted(10000) || !process.waitForReadyRead(10000))
        return QStringLiteral("no answer");
    return QString::fromLatin1(process.readLine().trimmed());
}

} // namespace

class TestGuard : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void lockLivesInTheRuntimeDirectory();
    void oneCopyAtATime();
};

void TestGuard::lockLivesInTheRuntimeDirectory()
{
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    QVERIFY(!runtime.isEmpty());
    QCOMPARE(QtDesktop::lockFilePath(), runtime + QStringLiteral("/tst_guard.lock"));
}

void TestGuard::oneCopyAtATime()
{
    QProcess holder;
    QCOMPARE(probe(holder, {QStringLiteral("hold")}), QStringLiteral("held"));

    QProcess second;
    QCOMPARE(probe(second), QStringLiteral("refused"));
    QVERIFY(second.waitForFinished(10000));

    // A holder killed outright leaves its lock file behind; the next start
    // takes the place at once all the same.
    holder.kill(); // SIGKILL
    QVERIFY(holder.waitForFinished(10000));
    QProcess third;
    QCOMPARE(probe(third, {QStringLiteral("hold")}), QStringLiteral("held"));
    third.kill();
    QVERIFY(third.waitForFinished(10000));
}

QVO_TEST_MAIN(TestGuard)
#include "tst_guard.moc"
