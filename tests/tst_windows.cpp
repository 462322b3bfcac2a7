#include "TestSupport.h"
#include "platform/QtDesktop.h"
#include "windows/Design.h"
#include "windows/LinkLabel.h"
#include "windows/WrapButton.h"
#include "windows/frmAbout.h"
#include "windows/frmDisplay.h"
#include "windows/frmFarewell.h"
#include "windows/frmMain.h"

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QTimer>
#include <QWindow>

namespace {

// The menu bar as a person reads it: visible top-level items, and each menu's
// items in brackets, separators as "-".
QString menuOutline(QMenuBar *bar)
{
    QStringList items;
    for (QAction *action : bar->actions()) {
        if (!action->isVisible())
            continue;
        QString item = action->text();
        if (QMenu *menu = action->menu()) {
            QStringList entries;
            for (QAction *entry : menu->actions())
                entries.append(entry->isSeparator() ? QStringLiteral("-") : entry->text());
            item += QLatin1Char('[') + entries.join(QLatin1Char('|')) + QLatin1Char(']');
        }
        items.append(item);
    }
    return items.join(QLatin1Char(' '));
}

QString containerOf(QWidget *widget)
{
    const QString parent = widget->parentWidget()->objectName();
    return parent == QLatin1String("client") ? QString() : parent;
}

// Presses the keys of a sequence one combination after another, each into the
// window that has the keyboard at that moment, as a keyboard does.
void pressKeys(QWidget *window, const QKeySequence &keys)
{
    for (int i = 0; i < keys.count(); ++i) {
        QWindow *target = QGuiApplication::focusWindow();
        QTest::keyClick(target ? target : window->windowHandle(), keys[i].key(), keys[i].keyboardModifiers());
    }
}

// Waits for the modal window that the keys should close (an access key
// presses its button a moment later), and closes it if they did not, so that
// a key that does nothing fails the test instead of hanging it.
bool closedByKeys(QWidget *modal)
{
    if (QTest::qWaitFor([modal] { return QApplication::activeModalWidget() != modal; }, 2000))
        return true;
    modal->close();
    return false;
}

void focusOn(QWidget *window, const QString &name)
{
    if (name.isEmpty())
        return;
    auto *control = window->findChild<QWidget *>(name);
    QVERIFY2(control, qPrintable(name));
    control->setFocus(Qt::OtherFocusReason);
    QCOMPARE(QApplication::focusWidget(), control);
}

// What the program did, as a person would notice first.
QString noticed(const FakeDesktop &desktop)
{
    if (desktop.endStatus)
        return QStringLiteral("end");
    if (!desktop.messages.isEmpty())
        return QStringLiteral("message: ") + desktop.messages.last().text;
    if (!desktop.urls.isEmpty())
        return QStringLiteral("page: ") + desktop.urls.last().section(QLatin1Char('='), 1);
    return QString();
}

// The accessible children of a control by object name, in the order a
// screen reader is given them.
QStringList accessibleChildren(QWidget *container)
{
    QAccessibleInterface *parent = QAccessible::queryAccessibleInterface(container);
    QStringList names;
    for (int i = 0; i < parent->childCount(); ++i) {
        QAccessibleInterface *child = parent->child(i);
        names.append(child->object()->objectName());
        // The child finds its way back to the same place.
        if (parent->indexOfChild(child) != i || child->parent()->object() != container)
            names.append(QStringLiteral("(misplaced)"));
    }
    return names;
}


} // namespace

class TestWindows : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { m_run = std::make_unique<TestRun>(); }
    void cleanup()
    {
        delete m_about; // before the run it belongs to
        m_run.reset();
    }

    void controls_data();
    void controls();
    void fonts();
    void textsFitTheirBoxes_data();
    void textsFitTheirBoxes();
    void windowFrames_data();
    void windowFrames();
    void menus();
    void mainTabOrder();
    void stackingOfTheOffers();
    void mainSurvivesDrawAndBack();
    void aboutWindow();
    void coloursUnderADarkScheme_data();
    void coloursUnderADarkScheme();
    void autoSizeLabelKeepsToOneLine_data();
    void autoSizeLabelKeepsToOneLine();
    void aboutBlocksTheMainWindow();
    void keys_data();
    void keys();
    void defaultButtons_data();
    void defaultButtons();
    void accessibleNames_data();
    void accessibleNames();
    void namesFollowWhatIsShown_data();
    void namesFollowWhatIsShown();
    void readingOrder_data();
    void readingOrder();
    void onlyWhatLiesOnTopIsShown();

private:
    QWidget *window(const QString &name);
    QWidget *shownWithEverythingDrawn(const QString &name);
    std::unique_ptr<TestRun> m_run;
    QPointer<frmAbout> m_about;
};

QWidget *TestWindows::window(const QString &name)
{
    Forms &forms = m_run->app.forms();
    if (name == QLatin1String("frmMain"))
        return forms.main();
    if (name == QLatin1String("frmDisplay"))
        return forms.display();
    if (name == QLatin1String("frmFarewell"))
        return forms.farewell();
    delete m_about; // one about window at a time, as in the program
    m_about = new frmAbout(m_run->app);
    m_about->setAttribute(Qt::WA_DeleteOnClose);
    return m_about;
}

// The window on view; the result window after a draw of every tradition.
QWidget *TestWindows::shownWithEverythingDrawn(const QString &name)
{
    if (name == QLatin1String("frmDisplay")) {
        frmMain *main = m_run->app.forms().main();
        for (int i = 0; i < kSymbolTypeCount; ++i)
            main->chkGoodLuck(i)->setChecked(true);
        main->cmdNext_Click();
    }
    QWidget *form = window(name);
    form->show();
    return form;
}

// Where the designs put each control, in pixels, written out independently of
// the tables the windows are built from. Auto-sized controls give only their
// position (width and height -1).
void TestWindows::controls_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("container");
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<QString>("text");

    const auto row = [](const char *window, const char *control, const char *container, QRect rect,
                        const QString &text = QString()) {
        QTest::addRow("%s %s", window, control) << QString::fromLatin1(window) << QString::fromLatin1(control)
                                                << QString::fromLatin1(container) << rect << text;
    };
    row("frmMain", "Frame2", "", {1, 0, 564, 41});
    row("frmMain", "Label61", "Frame2", {1, 8, 560, 31});
    row("frmMain", "Frame1", "", {0, 40, 564, 289});
    row("frmMain", "Frame3", "Frame1", {5, 64, 553, 177});
    const char *boxes[] = {"Indian", "Chinese", "Japanese", "Egyptian", "English", "Arabian", "Native American"};
    for (int i = 0; i < 7; ++i) {
        const QByteArray name = "chkGoodLuck(" + QByteArray::number(i) + ')';
        row("frmMain", name.constData(), "Frame3", {i < 4 ? 8 : 280, 16 + 40 * (i % 4), 265, 33},
            QString::fromLatin1(boxes[i]) + QStringLiteral(" Good Luck Symbols"));
    }
    row("frmMain", "cmdNext", "Frame1", {5, 248, 553, 33}, QStringLiteral("Find My Good luck Symbol"));
    row("frmMain", "Label1", "Frame1", {8, 16, 545, 49},
        QStringLiteral("Good Luck symbols are considered to be auspicious all over the world. Start your day with the "
                       "good luck symbols in QV Orbalin. This can help you attain happiness and prosperity in your "
                       "life."));
    row("frmMain", "Frame5", "", {0, 328, 564, 52});
    const QString cobrand = QStringLiteral(
        "Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site's name &  "
        "link here. See \"Help\" for details.    Click Here for more info on co-branding.");
    const QString fullBrand = QStringLiteral(
        "Home Business Opportunity. Start your own Internet business and make money online. Get this software fully "
        "branded for your website. Click here for more details.");
    row("frmMain", "lblCobrand", "Frame5", {6, 8, 551, 41}, cobrand);
    row("frmMain", "lblFullBrand", "Frame5", {6, 8, 551, 41}, fullBrand);

    row("frmDisplay", "Frame2", "", {0, 0, 593, 40});
    row("frmDisplay", "Label61", "Frame2", {8, 8, 560, 39});
    row("frmDisplay", "Frame3", "", {0, 40, 185, 361});
    for (int i = 0; i < 7; ++i) {
        const QByteArray name = "cmdGoodLuck(" + QByteArray::number(i) + ')';
        row("frmDisplay", name.constData(), "Frame3", {8, 40 + 40 * i, 169, 33},
            QString::fromLatin1(boxes[i]) + QStringLiteral(" Good Luck Symbols"));
    }
    row("frmDisplay", "Frame5", "", {0, 400, 593, 57});
    row("frmDisplay", "cmdOK", "Frame5", {416, 16, 84, 31}, QStringLiteral("&Back"));
    row("frmDisplay", "cmdExit", "Frame5", {504, 16, 84, 31}, QStringLiteral("&Exit"));
    row("frmDisplay", "lblFullBrand", "Frame5", {8, 11, 407, 41}, fullBrand);
    row("frmDisplay", "lblCobrand", "Frame5", {8, 11, 407, 41}, cobrand);
    const char *panels[] = {"Indian", "Chinese", "Japanese", "Egyptian", "English", "Arabian", "NativeAmerican"};
    const int nameLeft[] = {148, 144, 142, 139, 146, 144, 118};
    const int descHeight[] = {145, 153, 153, 153, 161, 145, 137};
    for (int i = 0; i < 7; ++i) {
        const QByteArray p(panels[i]);
        row("frmDisplay", ("fra" + p).constData(), "", {184, 40, 409, 361},
            QString::fromLatin1(boxes[i]) + QStringLiteral(" Good Luck Symbols"));
        row("frmDisplay", ("pic" + p).constData(), ("fra" + p).constData(), {144, 24, -1, -1});
        row("frmDisplay", ("lbl" + p + "Name").constData(), ("fra" + p).constData(), {nameLeft[i], 136, -1, -1});
        row("frmDisplay", ("lbl" + p + "Desc").constData(), ("fra" + p).constData(), {8, 176, 393, descHeight[i]});
    }

    row("frmAbout", "picIcon", "", {10, 10, 34, 34});
    row("frmAbout", "cmdOK", "", {312, 241, 84, 23}, QStringLiteral("&OK"));
    row("frmAbout", "lblHomePage", "", {88, 136, -1, -1},
        QStringLiteral("Click here to visit https://www.velmoraware.example"));
    row("frmAbout", "Label3", "", {16, 168, 371, 45},
        QStringLiteral("Home Business Opportunity. Start your own Internet business and make money online. Get this "
                       "software fully branded for your website."));
    row("frmAbout", "lblCobrand", "", {224, 216, -1, -1}, QStringLiteral("Click here for more details"));
    row("frmAbout", "Line2", "", {0, 232, 410, 1});
    row("frmAbout", "Label2", "", {52, 16, -1, -1}, QStringLiteral("QV Orbalin v1.15"));
    row("frmAbout", "Label1", "", {16, 64, 373, 57});
}

void TestWindows::controls()
{
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(QString, container);
    QFETCH(QRect, rect);
    QFETCH(QString, text);

    QWidget *form = this->window(window);
    auto *widget = form->findChild<QWidget *>(control);
    QVERIFY(widget);
    QCOMPARE(containerOf(widget), container);
    if (rect.width() < 0)
        QCOMPARE(widget->pos(), rect.topLeft());
    else
        QCOMPARE(widget->geometry(), rect);

    if (auto *label = qobject_cast<QLabel *>(widget); label && !text.isEmpty())
        QCOMPARE(label->text(), text);
    else if (auto *button = qobject_cast<QAbstractButton *>(widget))
        QCOMPARE(button->text(), text);
    else if (auto *frame = qobject_cast<QGroupBox *>(widget))
        QCOMPARE(frame->title(), text);
}

void TestWindows::fonts()
{
    // The designs name Verdana; on Linux it is drawn with DejaVu Sans.
    const struct {
        const char *window;
        const char *control;
        int pixels;
        bool bold;
        bool underline;
    } expected[] = {
        {"frmMain", "Label61", 11, true, true},        {"frmMain", "chkGoodLuck(6)", 11, true, false},
        {"frmMain", "cmdNext", 11, true, false},       {"frmMain", "Label1", 11, true, false},
        {"frmMain", "lblCobrand", 11, true, true},     {"frmDisplay", "cmdGoodLuck(0)", 11, true, false},
        {"frmDisplay", "fraChinese", 11, true, false}, {"frmDisplay", "lblChineseName", 11, true, false},
        {"frmDisplay", "lblChineseDesc", 11, true, false}, {"frmDisplay", "cmdExit", 11, true, false},
        {"frmAbout", "Label2", 13, true, false},       {"frmAbout", "Label1", 11, false, false},
        {"frmAbout", "lblHomePage", 11, true, true},   {"frmAbout", "cmdOK", 11, true, false},
    };
    for (const auto &e : expected) {
        auto *widget = window(QString::fromLatin1(e.window))->findChild<QWidget *>(QString::fromLatin1(e.control));
        QVERIFY2(widget, e.control);
        const QFont font = widget->font();
        QCOMPARE(font.pixelSize(), e.pixels);
        QCOMPARE(font.bold(), e.bold);
        QCOMPARE(font.underline(), e.underline);
        QCOMPARE(QFontInfo(font).family(), QStringLiteral("DejaVu Sans"));
    }
    QCOMPARE(m_run->app.forms().main()->font().pixelSize(), 11);
}

void TestWindows::textsFitTheirBoxes_data()
{
    QTest::addColumn<QString>("window");
    QTest::newRow("main") << QStringLiteral("frmMain");
    QTest::newRow("result") << QStringLiteral("frmDisplay");
    QTest::newRow("about") << QStringLiteral("frmAbout");
    QTest::newRow("farewell") << QStringLiteral("frmFarewell");
}

void TestWindows::textsFitTheirBoxes()
{
    QFETCH(QString, window);
    QWidget *form = this->window(window);
    const auto labels = form->findChildren<QLabel *>();
    for (QLabel *label : labels) {
        if (label->text().isEmpty() || label->objectName().endsWith(QLatin1String("Desc")))
            continue; // descriptions have a test of their own
        const QFontMetrics metrics(label->font());
        const QRect needed = metrics.boundingRect(QRect(0, 0, label->width(), 10000),
                                                  int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0),
                                                  label->text());
        QVERIFY2(needed.height() <= label->height() && needed.width() <= label->width(),
                 qPrintable(QStringLiteral("%1 needs %2x%3, has %4x%5")
                                .arg(label->objectName())
                                .arg(needed.width())
                                .arg(needed.height())
                                .arg(label->width())
                                .arg(label->height())));
        // ... and no label runs past the edge of what holds it.
        QVERIFY2(label->geometry().right() < label->parentWidget()->width(), qPrintable(label->objectName()));
    }
    for (QAbstractButton *button : form->findChildren<QAbstractButton *>()) {
        if (qobject_cast<WrapButton *>(button)) {
            const QRect needed = button->fontMetrics().boundingRect(QRect(0, 0, button->width() - 8, 1000),
                                                                    Qt::AlignCenter | Qt::TextWordWrap, button->text());
            QVERIFY2(needed.height() <= button->height() - 4, qPrintable(button->objectName()));
            continue;
        }
        QVERIFY2(button->sizeHint().width() <= button->width() || button->sizeHint().width() <= 90,
                 qPrintable(button->objectName()));
        const int textWidth = button->fontMetrics().horizontalAdvance(button->text().remove(QLatin1Char('&')));
        const int room = qobject_cast<QCheckBox *>(button) ? button->width() - 24 : button->width() - 8;
        QVERIFY2(textWidth <= room, qPrintable(button->objectName()));
    }
}

void TestWindows::windowFrames_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QSize>("client");
    QTest::addColumn<bool>("menuBar");
    QTest::newRow("main") << QStringLiteral("frmMain") << QSize(563, 379) << true;
    QTest::newRow("result") << QStringLiteral("frmDisplay") << QSize(592, 456) << true;
    QTest::newRow("about") << QStringLiteral("frmAbout") << QSize(401, 273) << false;
    QTest::newRow("farewell") << QStringLiteral("frmFarewell") << QSize(741, 315) << false;
}

void TestWindows::windowFrames()
{
    QFETCH(QString, window);
    QFETCH(QSize, client);
    QFETCH(bool, menuBar);

    auto *form = static_cast<FormWindow *>(this->window(window));
    form->show();
    QCOMPARE(form->client()->size(), client);
    QCOMPARE(form->formMenuBar() != nullptr, menuBar);
    QCOMPARE(form->windowTitle(), QStringLiteral("QV Orbalin v1.15"));
    QVERIFY(!form->windowIcon().isNull());
    const Qt::WindowFlags flags = form->windowFlags();
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QCOMPARE(form->minimumSize(), form->maximumSize());
    QCOMPARE(form->size(), form->minimumSize());
}

void TestWindows::menus()
{
    QCOMPARE(menuOutline(m_run->app.forms().main()->formMenuBar()),
             QStringLiteral("&File[Find My Good luck Symbol|E&xit] "
                            "&Help[&Online Help|&Visit Us Online|-|Check for Software &Update|-|&About Software] "
                            "&Donate"));
    QCOMPARE(menuOutline(m_run->app.forms().display()->formMenuBar()),
             QStringLiteral("&File[&Back|E&xit] "
                            "&Help[&Online Help|&Visit Us Online|-|&Check for Software Update|-|&About Software] "
                            "&Donate"));
    // The money-making offer is kept off both menu bars.
    for (WorkingWindow *form : std::initializer_list<WorkingWindow *>{m_run->app.forms().main(),
                                                                      m_run->app.forms().display()}) {
        QAction *mkmoney = form->menuItem(QStringLiteral("mkmoney"));
        QCOMPARE(mkmoney->text(), QStringLiteral("Make Money &Online"));
        QVERIFY(!mkmoney->isVisible());
        QVERIFY(form->menuItem(QStringLiteral("mnuHelp1")) || form->menuItem(QStringLiteral("mnuFileSep1")));
    }
}

void TestWindows::mainTabOrder()
{
    frmMain *main = m_run->app.forms().main();
    main->show();
    QVERIFY(QTest::qWaitForWindowActive(main));
    QCOMPARE(QApplication::focusWidget(), main->cmdNext());
    QStringList visited;
    for (int i = 0; i < 8; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.append(QApplication::focusWidget()->objectName());
    }
    QCOMPARE(visited,
             QStringList({QStringLiteral("chkGoodLuck(6)"), QStringLiteral("chkGoodLuck(5)"),
                          QStringLiteral("chkGoodLuck(4)"), QStringLiteral("chkGoodLuck(3)"),
                          QStringLiteral("chkGoodLuck(2)"), QStringLiteral("chkGoodLuck(1)"),
                          QStringLiteral("chkGoodLuck(0)"), QStringLiteral("cmdNext")}));
    // Space ticks the focused box; frames and labels never take the focus.
    QTest::keyClick(main->cmdNext(), Qt::Key_Tab);
    QTest::keyClick(main->chkGoodLuck(6), Qt::Key_Space);
    QVERIFY(main->chkGoodLuck(6)->isChecked());
    for (QWidget *widget : main->findChildren<QWidget *>()) {
        if (qobject_cast<QLabel *>(widget) || qobject_cast<QGroupBox *>(widget))
            QCOMPARE(widget->focusPolicy(), Qt::NoFocus);
    }
}

void TestWindows::stackingOfTheOffers()
{
    frmMain *main = m_run->app.forms().main();
    main->show();
    const auto onTop = [main] {
        const QPoint centre = main->lblCobrand()->geometry().center();
        return main->lblCobrand()->parentWidget()->childAt(centre);
    };
    QCOMPARE(onTop(), main->lblCobrand()); // the design puts the co-branding offer in front
    main->lblFullBrand()->raise();
    QCOMPARE(onTop(), main->lblFullBrand());
    QVERIFY(main->lblCobrand()->autoFillBackground() && main->lblFullBrand()->autoFillBackground());
}

void TestWindows::mainSurvivesDrawAndBack()
{
    frmMain *main = m_run->app.forms().main();
    main->show();
    main->lblFullBrand()->raise();
    main->chkGoodLuck(1)->setChecked(true);
    main->chkGoodLuck(4)->setChecked(true);
    main->cmdNext_Click();
    QVERIFY(!main->isVisible());
    m_run->app.forms().displayIfLoaded()->cmdOK_Click();
    flushDeletes();

    QCOMPARE(m_run->app.forms().mainIfLoaded(), main);
    QVERIFY(main->isVisible());
    for (int i = 0; i < kSymbolTypeCount; ++i)
        QCOMPARE(main->chkGoodLuck(i)->isChecked(), i == 1 || i == 4);
    const QPoint centre = main->lblCobrand()->geometry().center();
    QCOMPARE(main->lblCobrand()->parentWidget()->childAt(centre), main->lblFullBrand());
    // The window was not loaded again: one reminder check, at the first load.
    QCOMPARE(m_run->settings.value(QStringLiteral("Settings"), QStringLiteral("Duration")),
             QStringLiteral("2026-12-10"));
}

void TestWindows::aboutWindow()
{
    frmMain *main = m_run->app.forms().main();
    main->show();
    QPointer<frmAbout> first;
    QTimer::singleShot(0, this, [&] {
        first = qobject_cast<frmAbout *>(QApplication::activeModalWidget());
        QVERIFY(first);
        QVERIFY(first->isModal());
        QVERIFY(!first->parentWidget()); // no owner window
        QCOMPARE(first->windowModality(), Qt::ApplicationModal);
        QCOMPARE(first->focusWidget(), first->cmdOK());
        QCOMPARE(first->client()->palette().color(QPalette::Window), QColor(0x80, 0x00, 0x80));
        // Tab moves between the two controls that take the focus.
        QVERIFY(QTest::qWaitForWindowActive(first));
        QTest::keyClick(first->focusWidget(), Qt::Key_Tab);
        QCOMPARE(first->focusWidget()->objectName(), QStringLiteral("picIcon"));
        QTest::keyClick(first->focusWidget(), Qt::Key_Tab);
        QCOMPARE(first->focusWidget(), first->cmdOK());
        first->cmdOK()->click();
    });
    main->menuItem(QStringLiteral("mnuAbout"))->trigger();
    flushDeletes();
    QVERIFY(first.isNull()); // gone once closed

    // From the result window it is a new window, with the same content.
    main->chkGoodLuck(0)->setChecked(true);
    main->cmdNext_Click();
    frmDisplay *display = m_run->app.forms().displayIfLoaded();
    bool shown = false;
    QTimer::singleShot(0, this, [&] {
        auto *second = qobject_cast<frmAbout *>(QApplication::activeModalWidget());
        QVERIFY(second);
        shown = true;
        QCOMPARE(second->findChild<QLabel *>(QStringLiteral("lblHomePage"))->text(),
                 QStringLiteral("Click here to visit https://www.velmoraware.example"));
        second->close();
    });
    display->menuItem(QStringLiteral("mnuAbout"))->trigger();
    QVERIFY(shown);
    QVERIFY(display->isVisible());
    QVERIFY(m_run->app.forms().displayIfLoaded() == display);
}

namespace {

// A dark scheme such as a desktop's platform theme hands the program:
// white text on dark grey.
QPalette darkScheme()
{
    QPalette dark(QColor(0x5A, 0x5A, 0x5D), QColor(0x42, 0x42, 0x45));
    for (auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text, QPalette::BrightText})
        dark.setColor(role, Qt::white);
    dark.setColor(QPalette::Base, QColor(0x30, 0x2F, 0x2E));
    return dark;
}

} // namespace

void TestWindows::coloursUnderADarkScheme_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("role");
    QTest::addColumn<QColor>("expected"); // invalid: the classic colour; black: the scheme's
    const auto row = [](const char *window, const char *control, QPalette::ColorRole role, QColor expected) {
        QTest::addRow("%s %s %d", window, control, int(role)) << QString::fromLatin1(window)
                                                              << QString::fromLatin1(control) << int(role) << expected;
    };
    const QColor classic;
    const QColor scheme(Qt::black);
    // Text the design leaves to the system, on a designed form: the classic
    // dark text, on the classic face where the design names none.
    row("frmFarewell", "Label2", QPalette::WindowText, classic);
    row("frmFarewell", "lblFarewellCaption", QPalette::WindowText, classic);
    row("frmFarewell", "cmdClose", QPalette::ButtonText, classic);
    row("frmFarewell", "cmdClose", QPalette::Button, classic);
    row("frmFarewell", "Check1", QPalette::Button, classic);
    row("frmMain", "cmdNext", QPalette::ButtonText, classic);
    row("frmDisplay", "cmdExit", QPalette::ButtonText, classic);
    row("frmAbout", "cmdOK", QPalette::ButtonText, classic);
    // The designed colours.
    row("frmFarewell", "Check1", QPalette::ButtonText, QColor(0x00, 0x00, 0xC0));
    row("frmMain", "cmdNext", QPalette::Button, QColor(0xE0, 0xE0, 0xE0));
    row("frmMain", "Label1", QPalette::WindowText, QColor(0xFF, 0x80, 0x00));
    // A text box the design gives no colours follows the scheme, background
    // and text together.
    row("frmFarewell", "txtName", QPalette::Base, scheme);
    row("frmFarewell", "txtName", QPalette::Text, scheme);
}

// The windows made on a desktop that runs a dark scheme.
void TestWindows::coloursUnderADarkScheme()
{
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(int, role);
    QFETCH(QColor, expected);
    const QPalette original = QApplication::palette();
    const QPalette dark = darkScheme();
    QApplication::setPalette(dark);
    QWidget *form = this->window(window);
    QWidget *widget = form->findChild<QWidget *>(control);
    const auto colourRole = static_cast<QPalette::ColorRole>(role);
    const QColor seen = widget ? widget->palette().color(QPalette::Active, colourRole) : QColor();
    QApplication::setPalette(original);
    QVERIFY(widget);
    if (!expected.isValid())
        expected = design::classicPalette().color(QPalette::Active, colourRole);
    else if (expected == QColor(Qt::black))
        expected = dark.color(QPalette::Active, colourRole);
    QCOMPARE(seen.name(), expected.name());
}

void TestWindows::autoSizeLabelKeepsToOneLine_data()
{
    QTest::addColumn<QString>("address");
    QTest::newRow("short") << QStringLiteral("https://a.example");
    QTest::newRow("the site's") << QStringLiteral("https://www.velmoraware.example");
    QTest::newRow("longer") << QStringLiteral("https://www.velmoraware-programs.example");
}

// However long the address, the about window's link is one line that starts
// where the design puts it, shows all of its text and stays in the window.
void TestWindows::autoSizeLabelKeepsToOneLine()
{
    QFETCH(QString, address);
    frmAbout about(m_run->app);
    auto *label = about.findChild<QLabel *>(QStringLiteral("lblHomePage"));
    QVERIFY(label);
    label->setText(QStringLiteral("Click here to visit ") + address);
    design::fitToText(label);
    const QFontMetrics metrics(label->font());
    QCOMPARE(label->pos(), QPoint(88, 136));
    QVERIFY(!label->wordWrap());
    QCOMPARE(label->height(), label->sizeHint().height());
    QVERIFY(label->height() < 2 * metrics.height());
    QVERIFY2(metrics.horizontalAdvance(label->text()) <= label->width(),
             qPrintable(QStringLiteral("needs %1 px, has %2").arg(metrics.horizontalAdvance(label->text())).arg(label->width())));
    QVERIFY(label->geometry().right() < label->parentWidget()->width());
}

void TestWindows::aboutBlocksTheMainWindow()
{
    frmMain *main = m_run->app.forms().main();
    main->show();
    QVERIFY(QTest::qWaitForWindowExposed(main));
    bool tried = false;
    QTimer::singleShot(0, this, [&] {
        auto *about = qobject_cast<frmAbout *>(QApplication::activeModalWidget());
        QVERIFY(about);
        clickAt(main->cmdNext());
        clickAt(main->chkGoodLuck(0));
        clickAt(main->Label61());
        tried = true;
        about->cmdOK_Click();
    });
    main->menuItem(QStringLiteral("mnuAbout"))->trigger();
    QVERIFY(tried);
    QVERIFY(m_run->desktop.messages.isEmpty());
    QVERIFY(m_run->desktop.urls.isEmpty());
    QVERIFY(!main->chkGoodLuck(0)->isChecked());
    // Once it is closed the main window answers again.
    clickAt(main->chkGoodLuck(0));
    QVERIFY(main->chkGoodLuck(0)->isChecked());
}

// Every window's keys as a person presses them, into the window that has the
// keyboard: which control has the focus, which key, and what happens.
void TestWindows::keys_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("tick");
    QTest::addColumn<QKeySequence>("keys");
    QTest::addColumn<QString>("happens");

    const auto row = [](const char *what, const char *window, const char *focus, int tick, const char *keys,
                        const char *happens) {
        QTest::newRow(what) << QString::fromLatin1(window) << QString::fromLatin1(focus) << tick
                            << QKeySequence(QString::fromLatin1(keys)) << QString::fromLatin1(happens);
    };
    const char *noTick = "message: Please Select A Type of Good Luck Symbol";
    const char *proper = "message: Please Enter Proper Email Address";
    // The main window has neither a default nor a cancel button.
    row("main: Enter on a ticked box", "main", "chkGoodLuck(0)", 0, "Return", "nothing");
    row("main: keypad Enter on a ticked box", "main", "chkGoodLuck(0)", 0, "Num+Enter", "nothing");
    row("main: Enter on an unticked box", "main", "chkGoodLuck(6)", -1, "Return", "nothing");
    row("main: Esc on a box", "main", "chkGoodLuck(6)", 6, "Esc", "nothing");
    row("main: Enter on Find My Good luck Symbol", "main", "cmdNext", 2, "Return", "draw");
    row("main: Space on Find My Good luck Symbol", "main", "cmdNext", -1, "Space", noTick);
    row("main: Enter on Find My Good luck Symbol, nothing ticked", "main", "cmdNext", -1, "Return", noTick);
    row("main: Esc on Find My Good luck Symbol", "main", "cmdNext", 2, "Esc", "nothing");
    row("main: File, Find My Good luck Symbol", "main", "chkGoodLuck(3)", 3, "Alt+F, Return", "draw");
    row("main: File, Exit", "main", "cmdNext", -1, "Alt+F, X", "farewell");
    row("main: Help, Visit Us Online", "main", "cmdNext", -1, "Alt+H, V", "page: home-page");
    row("main: Donate", "main", "chkGoodLuck(0)", -1, "Alt+D", "page: donate");
    // The result window: Exit is its default and its cancel button; English
    // lies on top.
    row("result: Enter on a tradition button", "result", "cmdGoodLuck(3)", -1, "Return", "panel 3");
    row("result: Space on a tradition button", "result", "cmdGoodLuck(3)", -1, "Space", "panel 3");
    row("result: Esc on a tradition button", "result", "cmdGoodLuck(3)", -1, "Esc", "farewell");
    row("result: Enter on Back", "result", "cmdOK", -1, "Return", "back");
    row("result: Space on Back", "result", "cmdOK", -1, "Space", "back");
    row("result: Esc on Back", "result", "cmdOK", -1, "Esc", "farewell");
    row("result: Enter on Exit", "result", "cmdExit", -1, "Return", "farewell");
    row("result: Alt+B", "result", "cmdGoodLuck(3)", -1, "Alt+B", "back");
    row("result: Alt+E", "result", "cmdGoodLuck(3)", -1, "Alt+E", "farewell");
    row("result: File, Back", "result", "cmdGoodLuck(4)", -1, "Alt+F, B", "back");
    row("result: Help, Online Help", "result", "cmdGoodLuck(4)", -1, "Alt+H, O", "page: help-web-page");
    // The about window: OK is its default and its cancel button.
    row("about: Enter on OK", "about", "cmdOK", -1, "Return", "closed");
    row("about: Space on OK", "about", "cmdOK", -1, "Space", "closed");
    row("about: Esc on OK", "about", "cmdOK", -1, "Esc", "closed");
    row("about: Enter on the icon", "about", "picIcon", -1, "Return", "closed");
    row("about: Esc on the icon", "about", "picIcon", -1, "Esc", "closed");
    row("about: Alt+O", "about", "picIcon", -1, "Alt+O", "closed");
    // The farewell window has neither a default nor a cancel button.
    row("farewell: Enter in the name box", "farewell", "txtName", -1, "Return", "nothing");
    row("farewell: Enter in the friend's e-mail box", "farewell", "txtFriendEmail", -1, "Return", "nothing");
    row("farewell: Esc in the name box", "farewell", "txtName", -1, "Esc", "nothing");
    row("farewell: Enter on Refer A Friend Now", "farewell", "cmdSubmit", -1, "Return", proper);
    row("farewell: Space on Refer A Friend Now", "farewell", "cmdSubmit", -1, "Space", proper);
    row("farewell: Alt+N", "farewell", "txtName", -1, "Alt+N", proper);
    row("farewell: Enter on Exit", "farewell", "cmdClose", -1, "Return", "end");
    row("farewell: Space on Exit", "farewell", "cmdClose", -1, "Space", "end");
    row("farewell: Esc on Exit", "farewell", "cmdClose", -1, "Esc", "nothing");
    row("farewell: Alt+X", "farewell", "txtFriendName", -1, "Alt+X", "end");
    row("farewell: Space on the visit box", "farewell", "Check1", -1, "Space", "page: home-page");
    row("farewell: Enter on the visit box", "farewell", "Check1", -1, "Return", "nothing");
    // The update question: Yes is its default button.
    row("question: Enter", "question", "", -1, "Return", "Yes");
    row("question: Space", "question", "", -1, "Space", "Yes");
    row("question: Esc", "question", "", -1, "Esc", "No");
    row("question: Tab, Enter", "question", "", -1, "Tab, Return", "No");
}

void TestWindows::keys()
{
    QFETCH(QString, window);
    QFETCH(QString, focus);
    QFETCH(int, tick);
    QFETCH(QKeySequence, keys);
    QFETCH(QString, happens);

    Forms &forms = m_run->app.forms();
    frmMain *main = forms.main();
    QString seen;
    bool stillOpen = false;
    QObject timers; // nothing scheduled here outlives the test
    const auto pressInModal = [&] {
        QTimer::singleShot(0, &timers, [&] {
            QWidget *modal = QApplication::activeModalWidget();
            QVERIFY(modal);
            QVERIFY(QTest::qWaitForWindowActive(modal));
            focusOn(modal, focus);
            pressKeys(modal, keys);
            stillOpen = !closedByKeys(modal);
        });
    };

    if (window == QLatin1String("question")) {
        QtDesktop desktop;
        pressInModal();
        const Desktop::Answer answer = desktop.messageBox(QStringLiteral("Do you want to check for an update?"),
                                                          Desktop::Icon::Information, Desktop::Buttons::YesNo,
                                                          kAppTitle);
        seen = stillOpen ? QStringLiteral("nothing") : answer == Desktop::Answer::Yes ? QStringLiteral("Yes")
                                                                                      : QStringLiteral("No");
    } else if (window == QLatin1String("about")) {
        main->show();
        pressInModal();
        main->menuItem(QStringLiteral("mnuAbout"))->trigger();
        seen = stillOpen ? QStringLiteral("nothing") : QStringLiteral("closed");
    } else {
        QWidget *target = nullptr;
        if (window == QLatin1String("main")) {
            target = main;
        } else if (window == QLatin1String("result")) {
            main->chkGoodLuck(3)->setChecked(true);
            main->chkGoodLuck(4)->setChecked(true);
            main->cmdNext_Click();
            target = forms.displayIfLoaded();
        } else {
            target = forms.farewell();
        }
        if (tick >= 0)
            main->chkGoodLuck(tick)->setChecked(true);
        target->show();
        QVERIFY(QTest::qWaitForWindowActive(target));
        focusOn(target, focus);
        const auto topPanel = [](frmDisplay *display) {
            const QObjectList stack = display->client()->children();
            for (auto it = stack.crbegin(); it != stack.crend(); ++it) {
                for (int i = 0; i < kSymbolTypeCount; ++i) {
                    if (*it == display->panel(SymbolType(i)).frame)
                        return i;
                }
            }
            return -1;
        };
        const int topBefore = forms.displayIfLoaded() ? topPanel(forms.displayIfLoaded()) : -1;
        pressKeys(target, keys);
        QVERIFY(!QApplication::activeModalWidget());

        const auto observed = [&]() -> QString {
            if (!noticed(m_run->desktop).isEmpty())
                return noticed(m_run->desktop);
            frmDisplay *shown = forms.displayIfLoaded();
            if (window == QLatin1String("main") && shown && shown->isVisible())
                return QStringLiteral("draw");
            const bool farewell = forms.farewellIfLoaded() && forms.farewellIfLoaded()->isVisible();
            if (window == QLatin1String("main") && !forms.mainIfLoaded() && farewell)
                return QStringLiteral("farewell");
            if (window == QLatin1String("result") && !shown)
                return main->isVisible() ? QStringLiteral("back") : QStringLiteral("farewell");
            if (shown && topPanel(shown) != topBefore)
                return QStringLiteral("panel %1").arg(topPanel(shown));
            return QStringLiteral("nothing");
        };
        // An access key presses its button a moment later.
        QTRY_COMPARE(observed(), happens);
        return;
    }
    QCOMPARE(seen, happens);
    if (window == QLatin1String("about") || window == QLatin1String("question"))
        QCOMPARE(noticed(m_run->desktop), QString());
}

// Only a window's own default button is one, and looks like one, wherever the
// focus is.
void TestWindows::defaultButtons_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("defaultButton");
    QTest::newRow("main") << QStringLiteral("frmMain") << QString();
    QTest::newRow("result") << QStringLiteral("frmDisplay") << QStringLiteral("cmdExit");
    QTest::newRow("about") << QStringLiteral("frmAbout") << QStringLiteral("cmdOK");
    QTest::newRow("farewell") << QStringLiteral("frmFarewell") << QString();
}

void TestWindows::defaultButtons()
{
    QFETCH(QString, window);
    QFETCH(QString, defaultButton);
    QWidget *form = shownWithEverythingDrawn(window);
    QVERIFY(QTest::qWaitForWindowActive(form));
    const QList<QPushButton *> buttons = form->findChildren<QPushButton *>();
    QList<QWidget *> stops = {nullptr};
    for (QWidget *widget : form->findChildren<QWidget *>()) {
        if (widget->focusPolicy() & Qt::TabFocus)
            stops.append(widget);
    }
    for (QWidget *stop : std::as_const(stops)) {
        if (stop)
            stop->setFocus(Qt::TabFocusReason);
        for (QPushButton *button : buttons) {
            const bool expected = button->objectName() == defaultButton;
            // A default button is drawn as one; an auto-default one would
            // become the default whenever it has the focus.
            QVERIFY2(button->isDefault() == expected && !button->autoDefault(),
                     qPrintable(QStringLiteral("%1 with the focus on %2")
                                    .arg(button->objectName(), stop ? stop->objectName() : QStringLiteral("nothing"))));
        }
    }
}

void TestWindows::accessibleNames_data()
{
    textsFitTheirBoxes_data();
}

void TestWindows::accessibleNames()
{
    QFETCH(QString, window);
    QWidget *form = shownWithEverythingDrawn(window);
    // Everything a person can reach by keyboard or mouse tells a screen reader
    // what it is: its caption, or for a picture what it shows.
    int checked = 0;
    for (QWidget *widget : form->findChildren<QWidget *>()) {
        auto *picture = qobject_cast<QLabel *>(widget);
        const bool reachable = widget->focusPolicy() != Qt::NoFocus || qobject_cast<LinkLabel *>(widget)
            || (picture && !picture->pixmap().isNull());
        if (!reachable || !widget->isVisibleTo(form) || qobject_cast<QMenuBar *>(widget))
            continue;
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
        QVERIFY(accessible);
        QVERIFY2(!accessible->text(QAccessible::Name).trimmed().isEmpty(), qPrintable(widget->objectName()));
        ++checked;
    }
    QVERIFY(checked >= 3);
    if (auto *display = qobject_cast<frmDisplay *>(form)) {
        const frmDisplay::Panel &panel = display->panel(SymbolType::NativeAmerican);
        QCOMPARE(QAccessible::queryAccessibleInterface(panel.picture)->text(QAccessible::Name), panel.name->text());
    }
}

// What a screen reader is told of a control: its role, its name, which follows
// what the control shows, and its description.
void TestWindows::namesFollowWhatIsShown_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("role");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("description");

    const auto row = [](const char *window, const char *control, QAccessible::Role role, const QString &name,
                        const QString &description = QString()) {
        QTest::addRow("%s %s", window, control) << QString::fromLatin1(window) << QString::fromLatin1(control)
                                                << int(role) << name << description;
    };
    const QString icon = QStringLiteral("QV Orbalin icon: a white thumbs-up on a green square");
    row("frmMain", "Label61", QAccessible::Link,
        QStringLiteral("Talk about luck, lore and the mysteries of life on our free discussion board at "
                       "www.velmoraware.example/forum. Visit www.velmoraware.example now!"));
    row("frmMain", "Label1", QAccessible::StaticText,
        QStringLiteral("Good Luck symbols are considered to be auspicious all over the world. Start your day with the "
                       "good luck symbols in QV Orbalin. This can help you attain happiness and prosperity in your "
                       "life."));
    row("frmMain", "lblCobrand", QAccessible::Link,
        QStringLiteral("Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your "
                       "site's name &  link here. See \"Help\" for details.    Click Here for more info on "
                       "co-branding."));
    row("frmMain", "chkGoodLuck(5)", QAccessible::CheckBox, QStringLiteral("Arabian Good Luck Symbols"));
    row("frmMain", "cmdNext", QAccessible::Button, QStringLiteral("Find My Good luck Symbol"));
    row("frmMain", "Frame3", QAccessible::Grouping, QString());
    // After a draw of the Arabian tradition that picked its first symbol.
    row("frmDisplay", "fraArabian", QAccessible::Grouping, QStringLiteral("Arabian Good Luck Symbols"));
    row("frmDisplay", "picArabian", QAccessible::Graphic, QStringLiteral("Dolphins"));
    row("frmDisplay", "lblArabianName", QAccessible::StaticText, QStringLiteral("Dolphins"));
    row("frmDisplay", "lblArabianDesc", QAccessible::StaticText,
        QStringLiteral("This is a symbol of intelligence. This brings in good luck. These strong and happy animals "
                       "inspire people to strive harder and fight against all odds."));
    row("frmDisplay", "picIndian", QAccessible::Graphic, QString()); // nothing drawn into it
    row("frmDisplay", "cmdGoodLuck(6)", QAccessible::Button, QStringLiteral("Native American Good Luck Symbols"));
    row("frmDisplay", "cmdOK", QAccessible::Button, QStringLiteral("Back"));
    row("frmDisplay", "Label61", QAccessible::Link,
        QStringLiteral("Join the free discussion board at www.velmoraware.example/forum"));
    row("frmAbout", "picIcon", QAccessible::Graphic, icon);
    row("frmAbout", "Label2", QAccessible::StaticText, QStringLiteral("QV Orbalin v1.15"));
    row("frmAbout", "lblHomePage", QAccessible::Link,
        QStringLiteral("Click here to visit https://www.velmoraware.example"));
    row("frmAbout", "lblCobrand", QAccessible::Link, QStringLiteral("Click here for more details"));
    row("frmAbout", "Line2", QAccessible::Separator, QString());
    row("frmAbout", "cmdOK", QAccessible::Button, QStringLiteral("OK"));
    row("frmFarewell", "picFarewellIcon", QAccessible::Graphic, icon);
    row("frmFarewell", "lblFarewellCaption", QAccessible::StaticText, QStringLiteral("QV Orbalin v1.15"));
    row("frmFarewell", "Check1", QAccessible::CheckBox, QStringLiteral("Visit www.velmoraware.example Now!"));
    row("frmFarewell", "cmdClose", QAccessible::Button, QStringLiteral("Exit"));
    row("frmFarewell", "Frame2", QAccessible::Grouping, QStringLiteral("Refer A Friend"));
    row("frmFarewell", "txtName", QAccessible::EditableText, QStringLiteral("Your name"), QStringLiteral("Your Name"));
    row("frmFarewell", "txtEmail", QAccessible::EditableText, QStringLiteral("Your e-mail address"),
        QStringLiteral("Your Email Address"));
    row("frmFarewell", "txtMessage", QAccessible::EditableText, QStringLiteral("Your message"),
        QStringLiteral("Your Message"));
    row("frmFarewell", "txtFriendName", QAccessible::EditableText, QStringLiteral("Your friend's name"),
        QStringLiteral("Friend's Name"));
    row("frmFarewell", "txtFriendEmail", QAccessible::EditableText, QStringLiteral("Your friend's e-mail address"),
        QStringLiteral("Friend's Email Address"));
    row("frmFarewell", "cmdSubmit", QAccessible::Button, QStringLiteral("Refer A Friend Now"));
    row("frmFarewell", "lblGoToHome", QAccessible::Link, QStringLiteral("Click Here To Visit Velmoraware"));
}

void TestWindows::namesFollowWhatIsShown()
{
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(int, role);
    QFETCH(QString, name);
    QFETCH(QString, description);
    if (window == QLatin1String("frmDisplay")) {
        m_run->desktop.randoms = {0.0};
        frmMain *main = m_run->app.forms().main();
        main->chkGoodLuck(indexOf(SymbolType::Arabian))->setChecked(true);
        main->cmdNext_Click();
    }
    QWidget *form = this->window(window);
    form->show();
    auto *widget = form->findChild<QWidget *>(control);
    QVERIFY(widget);
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
    QCOMPARE(int(accessible->role()), role);
    QCOMPARE(accessible->text(QAccessible::Name), name);
    QCOMPARE(accessible->text(QAccessible::Description), description);

    // A label's name changes with its text, a picture's with the symbol drawn.
    auto *display = qobject_cast<frmDisplay *>(form);
    if (display && widget == display->panel(SymbolType::Arabian).picture) {
        display->setSymbolName(SymbolType::Arabian, QStringLiteral("Hamsa Hand"));
        QCOMPARE(accessible->text(QAccessible::Name), QStringLiteral("Hamsa Hand"));
    } else if (auto *label = qobject_cast<QLabel *>(widget); label && role != QAccessible::Graphic) {
        label->setText(QStringLiteral("Something else"));
        QCOMPARE(accessible->text(QAccessible::Name), QStringLiteral("Something else"));
    }
}

// A screen reader is given the controls of each container as a person reads
// them: top to bottom, then left to right. Of controls that lie on one another
// the one on top comes first.
void TestWindows::readingOrder_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("container");
    QTest::addColumn<QStringList>("children");

    const auto row = [](const char *window, const char *container, const QString &children) {
        QTest::addRow("%s %s", window, container)
            << QString::fromLatin1(window) << QString::fromLatin1(container) << children.split(QLatin1Char(' '));
    };
    row("frmMain", "client", QStringLiteral("Frame2 Frame1 Frame5"));
    row("frmMain", "Frame1", QStringLiteral("Label1 Frame3 cmdNext"));
    row("frmMain", "Frame3",
        QStringLiteral("chkGoodLuck(0) chkGoodLuck(4) chkGoodLuck(1) chkGoodLuck(5) chkGoodLuck(2) chkGoodLuck(6) "
                       "chkGoodLuck(3)"));
    row("frmMain", "Frame5", QStringLiteral("lblCobrand lblFullBrand"));
    row("frmDisplay", "client",
        QStringLiteral("Frame2 Frame3 fraIndian fraChinese fraJapanese fraEgyptian fraEnglish fraArabian "
                       "fraNativeAmerican Frame5"));
    row("frmDisplay", "Frame3",
        QStringLiteral("cmdGoodLuck(0) cmdGoodLuck(1) cmdGoodLuck(2) cmdGoodLuck(3) cmdGoodLuck(4) cmdGoodLuck(5) "
                       "cmdGoodLuck(6)"));
    row("frmDisplay", "Frame5", QStringLiteral("lblFullBrand lblCobrand cmdOK cmdExit"));
    row("frmDisplay", "fraEnglish", QStringLiteral("picEnglish lblEnglishName lblEnglishDesc"));
    row("frmAbout", "client", QStringLiteral("picIcon Label2 Label1 lblHomePage Label3 lblCobrand Line2 cmdOK"));
    // The frame down the right-hand side comes after the column on its left.
    row("frmFarewell", "client",
        QStringLiteral("picFarewellIcon lblFarewellCaption Label2 Check1 cmdClose Frame2 Frame6"));
    row("frmFarewell", "Frame2", QStringLiteral("txtName txtEmail txtFriendName txtFriendEmail cmdSubmit txtMessage"));
    row("frmFarewell", "Frame6", QStringLiteral("Label3 lblGoToHome"));
}

void TestWindows::readingOrder()
{
    QFETCH(QString, window);
    QFETCH(QString, container);
    QFETCH(QStringList, children);
    QWidget *form = this->window(window);
    form->show();
    auto *widget = form->findChild<QWidget *>(container);
    QVERIFY(widget);
    QCOMPARE(accessibleChildren(widget), children);
}

// Of controls that lie on one another, only the one on top is there for a
// screen reader, and the window looks just as it would with the others
// beneath it. Bringing another to the front changes which.
void TestWindows::onlyWhatLiesOnTopIsShown()
{
    const auto shown = [](const QList<QWidget *> &stacked) {
        QStringList names;
        for (QWidget *widget : stacked) {
            if (!QAccessible::queryAccessibleInterface(widget)->state().invisible)
                names.append(widget->objectName());
        }
        return names;
    };
    const auto looksTheSame = [](QWidget *window, const QList<QWidget *> &stacked) {
        const QImage seen = window->grab().toImage();
        QList<QWidget *> hidden;
        for (QWidget *widget : stacked) {
            if (widget->isHidden()) {
                hidden.append(widget);
                widget->show(); // in its place in the stack, under the one on top
            }
        }
        const QImage everything = window->grab().toImage();
        for (QWidget *widget : std::as_const(hidden))
            widget->hide();
        return !hidden.isEmpty() && seen == everything;
    };

    frmMain *main = m_run->app.forms().main();
    main->show();
    QVERIFY(QTest::qWaitForWindowExposed(main));
    const QList<QWidget *> offers = {main->lblCobrand(), main->lblFullBrand()};
    QCOMPARE(shown(offers), QStringList{QStringLiteral("lblCobrand")});
    QVERIFY(looksTheSame(main, offers));
    main->lblFullBrand()->raise();
    QCOMPARE(shown(offers), QStringList{QStringLiteral("lblFullBrand")});
    QVERIFY(looksTheSame(main, offers));

    for (SymbolType type : {SymbolType::Chinese, SymbolType::Egyptian, SymbolType::Arabian})
        main->chkGoodLuck(indexOf(type))->setChecked(true);
    main->cmdNext_Click();
    frmDisplay *display = m_run->app.forms().displayIfLoaded();
    QVERIFY(QTest::qWaitForWindowExposed(display));
    QList<QWidget *> panels;
    for (SymbolType type : kAllSymbolTypes)
        panels.append(display->panel(type).frame);
    QCOMPARE(shown(panels), QStringList{QStringLiteral("fraArabian")}); // drawn last
    QVERIFY(looksTheSame(display, panels));
    // What a hidden panel holds is hidden with it.
    QVERIFY(QAccessible::queryAccessibleInterface(display->panel(SymbolType::Egyptian).description)->state().invisible);
    display->cmdGoodLuck_Click(indexOf(SymbolType::Chinese));
    QCOMPARE(shown(panels), QStringList{QStringLiteral("fraChinese")});
    QVERIFY(looksTheSame(display, panels));
    const QList<QWidget *> resultOffers = {display->findChild<QWidget *>(QStringLiteral("lblFullBrand")),
                                           display->findChild<QWidget *>(QStringLiteral("lblCobrand"))};
    QCOMPARE(shown(resultOffers), QStringList{QStringLiteral("lblFullBrand")});
    QVERIFY(looksTheSame(display, resultOffers));
}

QVO_TEST_MAIN(TestWindows)
#include "tst_windows.moc"
