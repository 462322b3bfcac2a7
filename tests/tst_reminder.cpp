#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QSettings>

namespace {

const QString kQuestion =
    QStringLiteral("There maybe an update to this software available\rDo you want to check for an update?");
const QString kDownload = QStringLiteral("https://www.velmoraware.example/orbalpath/ssd.php?page=download-web-page");

QString stored(TestRun &run)
{
    return run.settings.value(QStringLiteral("Settings"), QStringLiteral("Duration"));
}

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

QVO_TEST_MAIN(TestReminder)
#include "tst_reminder.moc"
