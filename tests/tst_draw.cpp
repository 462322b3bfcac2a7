#include "TestSupport.h"
#include "symbols/Draw.h"
#include "symbols/SymbolCatalog.h"
#include "windows/frmDisplay.h"
#include "windows/frmFarewell.h"
#include "windows/frmMain.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include <cmath>

Q_DECLARE_METATYPE(SymbolType)

namespace {

void tick(frmMain *main, std::initializer_list<SymbolType> types)
{
    for (SymbolType type : types)
        main->chkGoodLuck(indexOf(type))->setChecked(true);
}

// The panel that lies on top of the others: the last of them in stacking order.
SymbolType topPanel(frmDisplay *display)
{
    const QObjectList children = display->client()->children();
    for (auto it = children.crbegin(); it != children.crend(); ++it) {
        for (SymbolType type : kAllSymbolTypes) {
            if (*it == display->panel(type).frame)
                return type;
        }
    }
    return SymbolType::Indian;
}

// The focusable controls from the first tab stop on, as Tab visits them.
QStringList tabChain(frmDisplay *display)
{
    QStringList chain;
    for (QWidget *widget : display->tabOrder().order())
        chain.append(widget->objectName());
    return chain;
}

} // namespace

class TestDraw : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { m_run = std::make_unique<TestRun>(); }
    void cleanup() { m_run.reset(); }

    void position_data();
    void position();
    void nothingTicked_data();
    void nothingTicked();
    void oneValuePerTickInIndexOrder();
    void allSevenTraditions();
    void pictureNameAndDescriptionBelongTogether();
    void backThenFewerTicks();
    void traditionButtons();
    void exitLeavesTheFarewellWindow();
    void descriptionsFitTheirLabels();
    void longNamesGrowToTheRight();
    void centredWhenCreated();

private:
    frmMain *shownMain()
    {
        frmMain *main = m_run->app.forms().main();
        main->show();
        return main;
    }
    std::unique_ptr<TestRun> m_run;
};

void TestDraw::position_data()
{
    QTest::addColumn<double>("r");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("expected");

    const double justBelowOne = std::nextafter(1.0, 0.0);
    QTest::newRow("r = 0 gives the first") << 0.0 << 12 << 1;
    QTest::newRow("Arabian lower half") << 0.4999 << 2 << 1;
    QTest::newRow("Arabian upper half") << 0.5 << 2 << 2;
    QTest::newRow("Arabian, r just below 1") << justBelowOne << 2 << 2;
    QTest::newRow("Egyptian, r just below 1") << justBelowOne << 8 << 8;
    QTest::newRow("Chinese, r just below 1") << justBelowOne << 18 << 18;
    QTest::newRow("Chinese second") << 1.0 / 18 << 18 << 2;
    QTest::newRow("Japanese middle") << 0.55 << 10 << 6;
}

void TestDraw::position()
{
    QFETCH(double, r);
    QFETCH(int, count);
    QFETCH(int, expected);
    QCOMPARE(drawPosition(r, count), expected);
}

void TestDraw::nothingTicked_data()
{
    QTest::addColumn<bool>("fromMenu");
    QTest::newRow("button") << false;
    QTest::newRow("File menu") << true;
}

void TestDraw::nothingTicked()
{
    QFETCH(bool, fromMenu);
    frmMain *main = shownMain();
    if (fromMenu)
        main->menuItem(QStringLiteral("mnuNext"))->trigger();
    else
        QTest::mouseClick(main->cmdNext(), Qt::LeftButton);

    FakeDesktop &desktop = m_run->desktop;
    QCOMPARE(desktop.messages.size(), 1);
    QCOMPARE(desktop.messages[0].text, QStringLiteral("Please Select A Type of Good Luck Symbol"));
    QCOMPARE(desktop.messages[0].icon, Desktop::Icon::Information);
    QCOMPARE(desktop.messages[0].buttons, Desktop::Buttons::Ok);
    QCOMPARE(desktop.messages[0].caption, QStringLiteral("QV Orbalin"));
    QCOMPARE(desktop.randomsTaken, 0);
    QVERIFY(main->isVisible());
    QVERIFY(!m_run->app.forms().displayIfLoaded());
    QVERIFY(!m_run->app.forms().farewellIfLoaded());
    for (SymbolType type : kAllSymbolTypes)
        QVERIFY(m_run->app.symbols().table(type).at(1).isEmpty());

    // Ticking a box afterwards draws as usual.
    tick(main, {SymbolType::Egyptian});
    main->cmdNext_Click();
    QVERIFY(m_run->app.forms().displayIfLoaded());
    QCOMPARE(desktop.messages.size(), 1);
}

void TestDraw::oneValuePerTickInIndexOrder()
{
    frmMain *main = shownMain();
    tick(main, {SymbolType::Arabian, SymbolType::Indian, SymbolType::Chinese});
    m_run->desktop.randoms = {0.0, std::nextafter(1.0, 0.0), 0.6, 0.3};
    m_run->desktop.log.clear();
    main->cmdNext_Click();

    frmDisplay *display = m_run->app.forms().displayIfLoaded();
    QVERIFY(display);
    QCOMPARE(display->panel(SymbolType::Indian).name->text(), QStringLiteral("Aum"));
    QCOMPARE(display->panel(SymbolType::Chinese).name->text(), QStringLiteral("Yin Yang"));
    QCOMPARE(display->panel(SymbolType::Arabian).name->text(), QStringLiteral("Hamsa Hand"));
    // Three values for the three ticks, then the farewell window loads: a new
    // seed and the one value for its supporting text.
    QCOMPARE(m_run->desktop.log,
             QStringList({QStringLiteral("random"), QStringLiteral("random"), QStringLiteral("random"),
                          QStringLiteral("seed"), QStringLiteral("random")}));
    QCOMPARE(topPanel(display), SymbolType::Arabian);
    QCOMPARE(tabChain(display).mid(0, 5),
             QStringList({QStringLiteral("cmdGoodLuck(5)"), QStringLiteral("cmdGoodLuck(1)"),
                          QStringLiteral("cmdGoodLuck(0)"), QStringLiteral("cmdOK"), QStringLiteral("cmdExit")}));
    QCOMPARE(display->focusWidget(), display->cmdGoodLuck(5));
}

void TestDraw::allSevenTraditions()
{
    frmMain *main = shownMain();
    for (int i = 0; i < kSymbolTypeCount; ++i)
        main->chkGoodLuck(i)->setChecked(true);
    QTest::mouseClick(main->cmdNext(), Qt::LeftButton);

    frmDisplay *display = m_run->app.forms().displayIfLoaded();
    QVERIFY(display && display->isVisible());
    QVERIFY(!main->isVisible());
    QVERIFY(main == m_run->app.forms().mainIfLoaded());
    frmFarewell *farewell = m_run->app.forms().farewellIfLoaded();
    QVERIFY(farewell && !farewell->isVisible());
    QCOMPARE(m_run->desktop.randomsTaken, 7 + 1);

    QCOMPARE(topPanel(display), SymbolType::NativeAmerican);
    QStringList expectedChain;
    for (int i = 6; i >= 0; --i)
        expectedChain.append(QStringLiteral("cmdGoodLuck(%1)").arg(i));
    expectedChain << QStringLiteral("cmdOK") << QStringLiteral("cmdExit");
    QCOMPARE(tabChain(display), expectedChain);
    QCOMPARE(display->focusWidget(), display->cmdGoodLuck(6));
    for (SymbolType type : kAllSymbolTypes) {
        QVERIFY(display->cmdGoodLuck(indexOf(type))->isEnabled());
        const frmDisplay::Panel &panel = display->panel(type);
        QCOMPARE(panel.picture->size(), QSize(111, 111));
        // On a high-density screen the picture comes from its sharper variant.
        const qreal ratio = display->devicePixelRatioF();
        QCOMPARE(panel.picture->pixmap().devicePixelRatio(), ratio > 1.0 ? 2.0 : 1.0);
        QCOMPARE(panel.picture->pixmap().width(), ratio > 1.0 ? 222 : 111);
        QVERIFY(!panel.name->text().isEmpty());
        QCOMPARE(panel.description->text(), m_run->app.symbols().description(type, 1));
    }
    // Tab walks the chain from the focused button on.
    QTest::keyClick(display->cmdGoodLuck(6), Qt::Key_Tab);
    QCOMPARE(display->focusWidget(), display->cmdGoodLuck(5));
}

void TestDraw::pictureNameAndDescriptionBelongTogether()
{
    frmMain *main = shownMain();
    tick(main, {SymbolType::Chinese});
    m_run->desktop.randoms = {1.5 / 18};
    main->cmdNext_Click();

    frmDisplay *display = m_run->app.forms().displayIfLoaded();
    const frmDisplay::Panel &panel = display->panel(SymbolType::Chinese);
    QCOMPARE(panel.name->text(), QStringLiteral("Bat"));
    QCOMPARE(panel.description->text(), m_run->app.symbols().description(SymbolType::Chinese, 2));
    QVERIFY(panel.description->text().startsWith(QLatin1String("Fu symbol : ")));
    QCOMPARE(panel.picture->pixmap().toImage(), SymbolCatalog::picture(SymbolType::Chinese, 2, display->devicePixelRatioF()).toImage());
    // Only the drawn tradition's table was filled.
    QVERIFY(m_run->app.symbols().table(SymbolType::Indian).at(1).isEmpty());
}

void TestDraw::backThenFewerTicks()
{
    frmMain *main = shownMain();
    tick(main, {SymbolType::Indian, SymbolType::Japanese});
    main->cmdNext_Click();
    QPointer<frmDisplay> first = m_run->app.forms().displayIfLoaded();
    QTest::mouseClick(first->cmdOK(), Qt::LeftButton);
    flushDeletes();

    QVERIFY(first.isNull());
    QVERIFY(main->isVisible());
    QVERIFY(!m_run->app.forms().farewellIfLoaded()->isVisible());
    QVERIFY(main->chkGoodLuck(0)->isChecked() && main->chkGoodLuck(2)->isChecked());
    QVERIFY(!main->chkGoodLuck(1)->isChecked());

    main->chkGoodLuck(0)->setChecked(false);
    m_run->desktop.randoms = {0.95};
    main->menuItem(QStringLiteral("mnuNext"))->trigger();
    frmDisplay *second = m_run->app.forms().displayIfLoaded();
    QVERIFY(second);
    QVERIFY(!second->cmdGoodLuck(0)->isEnabled());
    QVERIFY(second->cmdGoodLuck(2)->isEnabled());
    QCOMPARE(second->panel(SymbolType::Japanese).name->text(), QStringLiteral("Tanuki"));
    QCOMPARE(topPanel(second), SymbolType::Japanese);
    // The design's tab order again, with only the one button moved forward.
    QCOMPARE(tabChain(second).mid(0, 4),
             QStringList({QStringLiteral("cmdGoodLuck(2)"), QStringLiteral("cmdOK"), QStringLiteral("cmdExit"),
                          QStringLiteral("cmdGoodLuck(6)")}));
}

void TestDraw::traditionButtons()
{
    frmMain *main = shownMain();
    tick(main, {SymbolType::Egyptian, SymbolType::English});
    main->cmdNext_Click();
    frmDisplay *display = m_run->app.forms().displayIfLoaded();
    QCOMPARE(topPanel(display), SymbolType::English);

    QTest::mouseClick(display->cmdGoodLuck(3), Qt::LeftButton);
    QCOMPARE(topPanel(display), SymbolType::Egyptian);
    QCOMPARE(display->focusWidget(), display->cmdGoodLuck(3));
    const QString shown = display->panel(SymbolType::Egyptian).name->text();
    QTest::mouseClick(display->cmdGoodLuck(3), Qt::LeftButton);
    QCOMPARE(topPanel(display), SymbolType::Egyptian);
    QCOMPARE(display->panel(SymbolType::Egyptian).name->text(), shown);

    // A tradition that was not drawn can never come forward.
    QTest::mouseClick(display->cmdGoodLuck(0), Qt::LeftButton);
    display->cmdGoodLuck_Click(7);
    QCOMPARE(topPanel(display), SymbolType::Egyptian);
}

void TestDraw::exitLeavesTheFarewellWindow()
{
    frmMain *main = shownMain();
    tick(main, {SymbolType::Indian});
    main->cmdNext_Click();
    m_run->app.forms().displayIfLoaded()->menuItem(QStringLiteral("mnuExit"))->trigger();
    flushDeletes();
    QVERIFY(!m_run->app.forms().displayIfLoaded());
    QVERIFY(!main->isVisible());
    QVERIFY(m_run->app.forms().farewellIfLoaded()->isVisible());
    QVERIFY(!m_run->desktop.endStatus);
}

void TestDraw::descriptionsFitTheirLabels()
{
    frmDisplay *display = m_run->app.forms().display();
    for (SymbolType type : kAllSymbolTypes) {
        m_run->app.symbols().fill(type);
        const QLabel *label = display->panel(type).description;
        const QFontMetrics metrics(label->font());
        for (int k = 1; k <= symbolCount(type); ++k) {
            const QString text = m_run->app.symbols().description(type, k);
            const QRect needed =
                metrics.boundingRect(QRect(0, 0, label->width(), 10000), Qt::AlignHCenter | Qt::TextWordWrap, text);
            QVERIFY2(needed.height() <= label->height(),
                     qPrintable(QStringLiteral("%1 %2 needs %3 px of %4")
                                    .arg(symbolTypeCaption(type))
                                    .arg(k)
                                    .arg(needed.height())
                                    .arg(label->height())));
        }
    }
}

void TestDraw::longNamesGrowToTheRight()
{
    frmDisplay *display = m_run->app.forms().display();
    const QLabel *label = display->panel(SymbolType::Indian).name;
    const int left = label->x();
    display->setSymbolName(SymbolType::Indian, QStringLiteral("Aum"));
    const int narrow = label->width();
    display->setSymbolName(SymbolType::Indian, QStringLiteral("Conch shells (Shankh)"));
    QCOMPARE(label->x(), left);
    QCOMPARE(left, 148);
    QVERIFY(label->width() > narrow);
    QVERIFY(label->width() >= QFontMetrics(label->font()).horizontalAdvance(label->text()));
}

void TestDraw::centredWhenCreated()
{
    frmMain *main = shownMain();
    tick(main, {SymbolType::Arabian});
    for (int round = 0; round < 2; ++round) {
        main->cmdNext_Click();
        frmDisplay *display = m_run->app.forms().displayIfLoaded();
        const QRect screen = display->screen()->availableGeometry();
        // Within the width of the window frame.
        QVERIFY(qAbs(display->geometry().center().x() - screen.center().x()) <= 4);
        QVERIFY(qAbs(display->geometry().center().y() - screen.center().y()) <= 4);
        display->move(0, 0); // the user moves it; the next one is centred again
        display->cmdOK_Click();
        flushDeletes();
    }
}

QVO_TEST_MAIN(TestDraw)
#include "tst_draw.moc"
