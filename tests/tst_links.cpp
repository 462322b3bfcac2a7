#include "TestSupport.h"
#include "links/SiteAddress.h"
#include "windows/LinkLabel.h"
#include "windows/frmAbout.h"
#include "windows/frmDisplay.h"
#include "windows/frmMain.h"

#include <QAction>
#include <QCheckBox>
#include <QMenuBar>
#include <QTimer>
#include <QWindow>

using PageCommand = void (modHelp::*)();
Q_DECLARE_METATYPE(PageCommand)

namespace {

const QString kSite = QStringLiteral("https://www.velmoraware.example");

QString page(const char *key)
{
    return kSite + QStringLiteral("/orbalpath/ssd.php?page=") + QLatin1String(key);
}


} // namespace

class TestLinks : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { m_run = std::make_unique<TestRun>(); }
    void cleanup() { m_run.reset(); }

    void addresses();
    void pageCommands_data();
    void pageCommands();
    void workingWindowCommands_data();
    void workingWindowCommands();
    void onlyTheLabelInFrontTakesTheClick();
    void aboutWindowLinks();
    void clickingTwiceAsksTwice();

private:
    QWidget *workingWindow(const QString &name);
    std::unique_ptr<TestRun> m_run;
};

void TestLinks::addresses()
{
    QCOMPARE(SiteAddress(), kSite);
    QCOMPARE(ProductBaseAddress(), kSite + QStringLiteral("/orbalpath/"));
    QCOMPARE(PageUrl(QStringLiteral("donate")), page("donate"));
}

void TestLinks::pageCommands_data()
{
    QTest::addColumn<PageCommand>("command");
    QTest::addColumn<QString>("address");
    QTest::newRow("OpenHomePage") << &modHelp::OpenHomePage << page("home-page");
    QTest::newRow("OpenHelpPage") << &modHelp::OpenHelpPage << page("help-web-page");
    QTest::newRow("OpenDownloadPage") << &modHelp::OpenDownloadPage << page("download-web-page");
    QTest::newRow("OpenDonatePage") << &modHelp::OpenDonatePage << page("donate");
    QTest::newRow("OpenCoBrandPage") << &modHelp::OpenCoBrandPage << page("co-brand");
    QTest::newRow("OpenFullBrandPage") << &modHelp::OpenFullBrandPage << page("fully-branded");
    QTest::newRow("OpenVelmorawarePage") << &modHelp::OpenVelmorawarePage << page("velmoraware");
}

void TestLinks::pageCommands()
{
    QFETCH(PageCommand, command);
    QFETCH(QString, address);
    (m_run->app.help().*command)();
    QCOMPARE(m_run->desktop.urls, QStringList{address});
    QVERIFY(m_run->desktop.messages.isEmpty());
}

QWidget *TestLinks::workingWindow(const QString &name)
{
    frmMain *main = m_run->app.forms().main();
    main->show();
    if (name == QLatin1String("frmMain"))
        return main;
    main->chkGoodLuck(0)->setChecked(true);
    main->cmdNext_Click();
    return m_run->app.forms().displayIfLoaded();
}

void TestLinks::workingWindowCommands_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("address");

    for (const QString window : {QStringLiteral("frmMain"), QStringLiteral("frmDisplay")}) {
        const auto row = [&](const char *control, const char *key) {
            QTest::addRow("%s %s", qPrintable(window), control) << window << QString::fromLatin1(control) << page(key);
        };
        row("mnuOnline", "help-web-page");
        row("mnuVisit", "home-page");
        row("mnuUpdate", "download-web-page");
        row("mnuDonate", "donate");
        row("mkmoney", "fully-branded");
        row("Label61", "home-page");
        row("lblCobrand", "co-brand");
        row("lblFullBrand", "fully-branded");
    }
}

void TestLinks::workingWindowCommands()
{
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(QString, address);

    QWidget *form = workingWindow(window);
    QVERIFY(form);
    if (auto *action = form->findChild<QAction *>(control)) {
        action->trigger();
    } else {
        QWidget *label = form->findChild<QWidget *>(control);
        QVERIFY(label);
        label->raise(); // the offers share one place: click the one brought forward
        QCOMPARE(label->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(label->focusPolicy(), Qt::NoFocus);
        QVERIFY(label->font().underline() && label->font().bold());
        clickAt(label);
    }
    QCOMPARE(m_run->desktop.urls, QStringList{address});
    QVERIFY(form->isVisible());
}

void TestLinks::onlyTheLabelInFrontTakesTheClick()
{
    frmMain *main = m_run->app.forms().main();
    main->show();
    // As designed, the co-branding offer lies in front.
    clickAt(main->lblCobrand());
    main->lblFullBrand()->raise();
    clickAt(main->lblCobrand()); // the same place, now showing the other offer
    QCOMPARE(m_run->desktop.urls, QStringList({page("co-brand"), page("fully-branded")}));
}

void TestLinks::aboutWindowLinks()
{
    frmMain *main = m_run->app.forms().main();
    main->show();
    bool checked = false;
    QTimer::singleShot(0, this, [&] {
        auto *about = qobject_cast<frmAbout *>(QApplication::activeModalWidget());
        QVERIFY(about);
        clickAt(about->findChild<QWidget *>(QStringLiteral("lblHomePage")));
        clickAt(about->findChild<QWidget *>(QStringLiteral("lblCobrand")));
        // Both leave the about window open and modal.
        QCOMPARE(QApplication::activeModalWidget(), about);
        QVERIFY(about->isVisible());
        checked = true;
        about->cmdOK_Click();
    });
    main->menuItem(QStringLiteral("mnuAbout"))->trigger();
    QVERIFY(checked);
    QCOMPARE(m_run->desktop.urls, QStringList({page("home-page"), page("fully-branded")}));
}

void TestLinks::clickingTwiceAsksTwice()
{
    frmMain *main = m_run->app.forms().main();
    main->show();
    clickAt(main->Label61());
    clickAt(main->Label61());
    QCOMPARE(m_run->desktop.urls, QStringList({page("home-page"), page("home-page")}));
}

QVO_TEST_MAIN(TestLinks)
#include "tst_links.moc"
