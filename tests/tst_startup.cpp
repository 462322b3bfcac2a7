#include "TestSupport.h"
#include "windows/LinkLabel.h"
#include "windows/frmDisplay.h"
#include "windows/frmFarewell.h"
#include "windows/frmLauncher.h"
#include "windows/frmMain.h"

#include <QCheckBox>
#include <QPushButton>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

QStringList visibleWindows()
{
    QStringList names;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible())
            names.append(widget->objectName());
    }
    return names;
}

QStringList loadedWindows(App &app)
{
    QStringList names;
    for (Form *form : app.forms().loaded())
        names.append(form->widget()->objectName());
    return names;
}

QWidget *frontOffer(frmMain *main)
{
    return main->lblCobrand()->parentWidget()->childAt(main->lblCobrand()->geometry().center());
}

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { m_run = std::make_unique<TestRun>(); }
    void cleanup()
    {
        m_run.reset();
        flushDeletes();
    }

    void startup_data();
    void startup();
    void secondCopy();
    void coBrand_data();
    void coBrand();
    void closingWindowsDoesNotEndTheRun();
    void unloadAllAndEnd();
    void platform_data();
    void platform();

private:
    std::unique_ptr<TestRun> m_run;
};

void TestStartup::startup_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("asks");
    QTest::newRow("first start") << QString() << false;
    QTest::newRow("checked a week ago") << QStringLiteral("2026-12-03") << false;
    QTest::newRow("reminder due") << QStringLiteral("2026-10-01") << true;
}

void TestStartup::startup()
{
    QFETCH(QString, stored);
    QFETCH(bool, asks);
    if (!stored.isEmpty())
        m_run->settings.setValue(QStringLiteral("Settings"), QStringLiteral("Duration"), stored);
    m_run->desktop.randoms = {0.0};
    QStringList visibleAtQuestion{QStringLiteral("not asked")};
    m_run->desktop.onMessage = [&](const FakeDesktop::Message &) { visibleAtQuestion = visibleWindows(); };

    frmLauncher *launcher = m_run->app.forms().launcher();

    // The question, when due, comes before any window is on view, once.
    QCOMPARE(m_run->desktop.messages.size(), asks ? 1 : 0);
    if (asks)
        QCOMPARE(visibleAtQuestion, QStringList());
    QCOMPARE(m_run->desktop.log,
             asks ? QStringList({QStringLiteral("seed"), QStringLiteral("message"), QStringLiteral("random")})
                  : QStringList({QStringLiteral("seed"), QStringLiteral("random")}));
    QCOMPARE(m_run->settings.value(QStringLiteral("Settings"), QStringLiteral("Duration")),
             asks || stored.isEmpty() ? QStringLiteral("2026-12-10") : stored);

    frmMain *main = m_run->app.forms().mainIfLoaded();
    QVERIFY(main);
    QCOMPARE(visibleWindows(), QStringList{QStringLiteral("frmMain")});
    QVERIFY(!launcher->isVisible());
    QCOMPARE(loadedWindows(m_run->app), QStringList({QStringLiteral("frmLauncher"), QStringLiteral("frmMain")}));
    QCOMPARE(main->focusWidget(), main->cmdNext());
    for (int i = 0; i < kSymbolTypeCount; ++i)
        QVERIFY(!main->chkGoodLuck(i)->isChecked());
    QCOMPARE(launcher->IMGIcon().size(), 1);
    QVERIFY(launcher->IMGIcon().first().availableSizes().contains(QSize(32, 32)));
    QVERIFY(!m_run->desktop.endStatus);
}

void TestStartup::secondCopy()
{
    m_run->desktop.otherCopy = true;
    m_run->desktop.onMessage = [](const FakeDesktop::Message &) { QCOMPARE(visibleWindows(), QStringList()); };
    m_run->app.forms().launcher();

    QCOMPARE(m_run->desktop.messages.size(), 1);
    const FakeDesktop::Message &message = m_run->desktop.messages.first();
    QCOMPARE(message.text, QStringLiteral("Application is already running"));
    QCOMPARE(message.icon, Desktop::Icon::Information);
    QCOMPARE(message.buttons, Desktop::Buttons::Ok);
    QCOMPARE(message.caption, QStringLiteral("QV Orbalin"));
    // Dismissing it ends this copy, before anything else of the start-up.
    QCOMPARE(m_run->desktop.log, QStringList({QStringLiteral("message"), QStringLiteral("end")}));
    QCOMPARE(m_run->desktop.endStatus, std::optional<int>(0));
    QVERIFY(!m_run->app.forms().mainIfLoaded());
    QVERIFY(m_run->settings.value(QStringLiteral("Settings"), QStringLiteral("Duration")).isEmpty());
}

void TestStartup::coBrand_data()
{
    QTest::addColumn<double>("r");
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("front");

    QTest::newRow("r = 0 gives 1") << 0.0 << 1 << "lblCobrand";
    QTest::newRow("1.4 gives 1") << 0.4 / 6 << 1 << "lblCobrand";
    QTest::newRow("1.5 rounds to even 2") << 0.5 / 6 << 2 << "lblFullBrand";
    QTest::newRow("2.5 rounds to even 2") << 1.5 / 6 << 2 << "lblFullBrand";
    QTest::newRow("3.5 rounds to even 4") << 2.5 / 6 << 4 << "lblFullBrand";
    QTest::newRow("3.2 gives 3") << 2.2 / 6 << 3 << "lblCobrand";
    QTest::newRow("5 gives 5") << 4.0 / 6 << 5 << "lblCobrand";
    QTest::newRow("6.5 rounds to even 6") << 5.5 / 6 << 6 << "lblFullBrand";
    QTest::newRow("6.6 gives 7: design order") << 5.6 / 6 << 7 << "lblCobrand";
    QTest::newRow("r just below 1 gives 7") << std::nextafter(1.0, 0.0) << 7 << "lblCobrand";
}

void TestStartup::coBrand()
{
    QFETCH(double, r);
    QFETCH(int, n);
    QFETCH(QString, front);

    QCOMPARE(frmLauncher::coBrandNumber(r), n);
    m_run->desktop.randoms = {r};
    frmLauncher *launcher = m_run->app.forms().launcher();
    QCOMPARE(int(launcher->intCoBrandRandomNumber), n);
    frmMain *main = m_run->app.forms().mainIfLoaded();
    QCOMPARE(frontOffer(main)->objectName(), front);
    QVERIFY(!frontOffer(main)->isHidden());
}

void TestStartup::closingWindowsDoesNotEndTheRun()
{
    m_run->app.forms().launcher();
    frmMain *main = m_run->app.forms().mainIfLoaded();
    main->close();
    flushDeletes();
    QVERIFY(!m_run->app.forms().mainIfLoaded());
    QCOMPARE(visibleWindows(), QStringList{QStringLiteral("frmFarewell")});
    QCOMPARE(loadedWindows(m_run->app), QStringList({QStringLiteral("frmLauncher"), QStringLiteral("frmFarewell")}));
    QVERIFY(!m_run->desktop.endStatus);
}

void TestStartup::unloadAllAndEnd()
{
    m_run->app.forms().launcher();
    frmMain *main = m_run->app.forms().mainIfLoaded();
    main->chkGoodLuck(2)->setChecked(true);
    main->cmdNext_Click();
    QCOMPARE(loadedWindows(m_run->app),
             QStringList({QStringLiteral("frmLauncher"), QStringLiteral("frmMain"), QStringLiteral("frmDisplay"),
                          QStringLiteral("frmFarewell")}));

    m_run->app.UnloadAllAndEnd();
    // The walk reaches the launcher first, whose unload step starts the walk
    // again; the innermost call ends the run, once, with status 0.
    QCOMPARE(m_run->desktop.endStatus, std::optional<int>(0));
    QCOMPARE(m_run->desktop.log.count(QStringLiteral("end")), 1);
    QVERIFY(m_run->app.hasEnded());
    // Nothing runs after the end, not even a second walk.
    m_run->app.UnloadAllAndEnd();
    QCOMPARE(m_run->desktop.log.count(QStringLiteral("end")), 1);
}

void TestStartup::platform_data()
{
    // The environment as the desktop session leaves it, the command line,
    // and the platform the program asks Qt for ("" leaves it to Qt).
    QTest::addColumn<QByteArray>("session"); // XDG_SESSION_TYPE
    QTest::addColumn<QByteArray>("wayland"); // WAYLAND_DISPLAY
    QTest::addColumn<QByteArray>("x11"); // DISPLAY
    QTest::addColumn<QByteArray>("chosen"); // QT_QPA_PLATFORM
    QTest::addColumn<QByteArrayList>("arguments");
    QTest::addColumn<QByteArray>("platform");
    const QByteArrayList none;
    QTest::newRow("Wayland desktop with XWayland") << "wayland"_ba << "wayland-0"_ba << ":0"_ba << ""_ba << none
                                                   << "xcb;wayland"_ba;
    QTest::newRow("Wayland display, no session type") << ""_ba << "wayland-0"_ba << ":1"_ba << ""_ba << none
                                                      << "xcb;wayland"_ba;
    QTest::newRow("Wayland without an X display") << "wayland"_ba << "wayland-0"_ba << ""_ba << ""_ba << none
                                                  << "wayland"_ba;
    QTest::newRow("X11 desktop") << "x11"_ba << ""_ba << ":0"_ba << ""_ba << none << ""_ba;
    QTest::newRow("the user's QT_QPA_PLATFORM") << "wayland"_ba << "wayland-0"_ba << ":0"_ba << "wayland"_ba << none
                                                << ""_ba;
    QTest::newRow("the user's -platform") << "wayland"_ba << "wayland-0"_ba << ":0"_ba << ""_ba
                                          << QByteArrayList{"-platform", "wayland"} << ""_ba;
}

void TestStartup::platform()
{
    QFETCH(QByteArray, session);
    QFETCH(QByteArray, wayland);
    QFETCH(QByteArray, x11);
    QFETCH(QByteArray, chosen);
    QFETCH(QByteArrayList, arguments);
    QFETCH(QByteArray, platform);

    // This process runs on its own platform already; only the answer changes.
    const char *names[] = {"XDG_SESSION_TYPE", "WAYLAND_DISPLAY", "DISPLAY", "QT_QPA_PLATFORM"};
    const QByteArray values[] = {session, wayland, x11, chosen};
    QByteArray saved[4];
    for (int i = 0; i < 4; ++i) {
        saved[i] = qgetenv(names[i]);
        values[i].isEmpty() ? qunsetenv(names[i]) : qputenv(names[i], values[i]);
    }
    auto restore = qScopeGuard([&] {
        for (int i = 0; i < 4; ++i)
            saved[i].isEmpty() ? qunsetenv(names[i]) : qputenv(names[i], saved[i]);
    });

    std::vector<const char *> argv{"qv-orbalin"};
    for (const QByteArray &argument : std::as_const(arguments))
        argv.push_back(argument.constData());
    QCOMPARE(preferredPlatform(static_cast<int>(argv.size()), argv.data()), platform);
}

QVO_TEST_MAIN(TestStartup)
#include "tst_startup.moc"
