#include "TestSupport.h"
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


} // namespace

class TestWindows : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { m_run = std::make_unique<TestRun>(); }
    void cleanup() { m_run.reset(); }

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
    void aboutKeys_data();
    void aboutKeys();
    void aboutBlocksTheMainWindow();
    void accessibleNames_data();
    void accessibleNames();

private:
    QWidget *window(const QString &name);
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
    if (m_about)
        delete m_about;
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
    if (m_about)
        delete m_about;
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
    if (m_about)
        delete m_about;
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

void TestWindows::aboutKeys_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::newRow("Enter on OK") << QStringLiteral("cmdOK") << int(Qt::Key_Return);
    QTest::newRow("Esc on OK") << QStringLiteral("cmdOK") << int(Qt::Key_Escape);
    QTest::newRow("Enter on the icon") << QStringLiteral("picIcon") << int(Qt::Key_Return);
    QTest::newRow("Esc on the icon") << QStringLiteral("picIcon") << int(Qt::Key_Escape);
}

void TestWindows::aboutKeys()
{
    QFETCH(QString, focus);
    QFETCH(int, key);
    frmMain *main = m_run->app.forms().main();
    main->show();
    bool pressed = false;
    QTimer::singleShot(0, this, [&] {
        auto *about = qobject_cast<frmAbout *>(QApplication::activeModalWidget());
        QVERIFY(about);
        QVERIFY(QTest::qWaitForWindowActive(about));
        // Tab moves between the two controls that take the focus.
        QTest::keyClick(about->focusWidget(), Qt::Key_Tab);
        QCOMPARE(about->focusWidget()->objectName(), QStringLiteral("picIcon"));
        QTest::keyClick(about->focusWidget(), Qt::Key_Tab);
        QCOMPARE(about->focusWidget()->objectName(), QStringLiteral("cmdOK"));
        about->findChild<QWidget *>(focus)->setFocus();
        pressed = true;
        QTest::keyClick(about->focusWidget(), Qt::Key(key));
    });
    main->menuItem(QStringLiteral("mnuAbout"))->trigger();
    QVERIFY(pressed);
    QVERIFY(!QApplication::activeModalWidget());
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

void TestWindows::accessibleNames_data()
{
    textsFitTheirBoxes_data();
}

void TestWindows::accessibleNames()
{
    QFETCH(QString, window);
    if (window == QLatin1String("frmDisplay")) {
        frmMain *main = m_run->app.forms().main();
        for (int i = 0; i < kSymbolTypeCount; ++i)
            main->chkGoodLuck(i)->setChecked(true);
        main->cmdNext_Click();
    }
    QWidget *form = this->window(window);
    form->show();
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
    if (m_about)
        delete m_about;
}

QVO_TEST_MAIN(TestWindows)
#include "tst_windows.moc"
