#include "TestSupport.h"
#include "links/SiteAddress.h"
#include "windows/frmFarewell.h"

#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QUrlQuery>

#include <cmath>

namespace {

// Every text box of the form can be reached by name; the message box is the
// only multi-line one and speaks in CR LF like the others' senders do.
QString boxText(QWidget *box)
{
    if (auto *line = qobject_cast<QLineEdit *>(box))
        return line->text();
    return static_cast<QPlainTextEdit *>(box)->toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

void setBoxText(QWidget *box, const QString &text)
{
    if (auto *line = qobject_cast<QLineEdit *>(box))
        line->setText(text);
    else
        static_cast<QPlainTextEdit *>(box)->setPlainText(
            QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

const char *const kBoxes[] = {"txtName", "txtEmail", "txtMessage", "txtFriendName", "txtFriendEmail"};

} // namespace

class TestFarewell : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { m_run = std::make_unique<TestRun>(); }
    void cleanup() { m_run.reset(); }

    void loadStep_data();
    void loadStep();
    void tabOrder();
    void submission_data();
    void submission();
    void address_data();
    void address();
    void submitsAgainAndKeepsTheForm();
    void placeholders_data();
    void placeholders();
    void otherWindowsLeaveTheBoxesAlone();
    void spaceKey_data();
    void spaceKey();
    void check1NeverStaysTicked();
    void goToHome();
    void textsFit_data();
    void textsFit();
    void supportingTextsFit();
    void boxLimit_data();
    void boxLimit();
    void longestForm();

private:
    frmFarewell *farewell() { return m_run->app.forms().farewell(); }
    frmFarewell *shownFarewell()
    {
        frmFarewell *window = farewell();
        window->show();
        if (!QTest::qWaitForWindowActive(window))
            qWarning("the farewell window did not become active");
        return window;
    }
    QWidget *box(const QString &name) { return farewell()->findChild<QWidget *>(name); }
    std::unique_ptr<TestRun> m_run;
};

void TestFarewell::loadStep_data()
{
    QTest::addColumn<double>("r");
    QTest::addColumn<int>("text");

    QTest::newRow("0") << 0.0 << 0;
    QTest::newRow("just below a quarter") << 0.2499 << 0;
    QTest::newRow("a quarter") << 0.25 << 1;
    QTest::newRow("a half") << 0.5 << 2;
    QTest::newRow("just below three quarters") << 0.7499 << 2;
    QTest::newRow("three quarters") << 0.75 << 3;
    QTest::newRow("just below 1") << std::nextafter(1.0, 0.0) << 3;
}

void TestFarewell::loadStep()
{
    QFETCH(double, r);
    QFETCH(int, text);
    FakeDesktop &desktop = m_run->desktop;
    desktop.randoms = {r};

    frmFarewell *window = farewell();
    QCOMPARE(desktop.log, QStringList({QStringLiteral("seed"), QStringLiteral("random")}));
    QCOMPARE(window->Label2()->text(), frmFarewell::supportingTexts().at(text));
    QCOMPARE(window->windowTitle(), QStringLiteral("QV Orbalin v1.15"));
    QCOMPARE(window->findChild<QLabel *>(QStringLiteral("lblFarewellCaption"))->text(),
             QStringLiteral("QV Orbalin v1.15"));
    const QLabel *icon = window->findChild<QLabel *>(QStringLiteral("picFarewellIcon"));
    QCOMPARE(icon->pixmap().size(), QSize(32, 32));
    QCOMPARE(icon->geometry(), QRect(24, 8, 36, 36)); // the designed box, not the icon's size
    QVERIFY(!window->windowIcon().isNull());

    // A top-level window of its own, kept above other windows, yet loading
    // alone shows nothing.
    QCOMPARE(window->windowType(), Qt::Window);
    QVERIFY(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(!window->isVisible());
    QCOMPARE(window->client()->size(), QSize(741, 315));

    // Asking for the window again neither reloads nor redraws it.
    QCOMPARE(farewell(), window);
    QCOMPARE(desktop.seeds, 1);
    QCOMPARE(desktop.randomsTaken, 1);
}

void TestFarewell::tabOrder()
{
    frmFarewell *window = shownFarewell();
    QCOMPARE(window->focusWidget(), window->cmdClose());

    QStringList visited;
    for (int i = 0; i < 10; ++i) {
        visited.append(QApplication::focusWidget()->objectName());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(visited,
             QStringList({QStringLiteral("cmdClose"), QStringLiteral("Check1"), QStringLiteral("picFarewellIcon"),
                          QStringLiteral("txtName"), QStringLiteral("cmdSubmit"), QStringLiteral("txtEmail"),
                          QStringLiteral("txtFriendEmail"), QStringLiteral("txtFriendName"),
                          QStringLiteral("txtMessage"), QStringLiteral("cmdClose")}));
    // Passing through left every box as it was, the message box included.
    QCOMPARE(window->txtName()->text(), QStringLiteral("Your Name"));
    QCOMPARE(boxText(window->txtMessage()), QStringLiteral("Your Message\r\n"));
    // The message box lies below the frame's lower edge, out of sight.
    const QWidget *frame = window->findChild<QWidget *>(QStringLiteral("Frame2"));
    QVERIFY(window->txtMessage()->y() >= frame->height());
}

void TestFarewell::submission_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("email");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("friendName");
    QTest::addColumn<QString>("friendEmail");
    QTest::addColumn<QString>("complaint"); // empty: the page opens

    const QString untouched = QStringLiteral("Your Message\r\n");
    const QString distinct = QStringLiteral("Please Enter Distinct Email Addresses");
    const QString proper = QStringLiteral("Please Enter Proper Email Address");
    auto row = [&](const char *name, const QString &n, const QString &e, const QString &m, const QString &fn,
                   const QString &fe,
                   const QString &complaint) { QTest::newRow(name) << n << e << m << fn << fe << complaint; };
    const QString ann = QStringLiteral("Ann");
    const QString bob = QStringLiteral("Bob");
    const QString annMail = QStringLiteral("ann@example.org");
    const QString bobMail = QStringLiteral("bob@example.net");

    row("untouched form", QStringLiteral("Your Name"), QStringLiteral("Your Email Address"), untouched,
        QStringLiteral("Friend's Name"), QStringLiteral("Friend's Email Address"), proper);
    row("both e-mail boxes empty, before the names", QString(), QString(), QString(), QString(), QString(), distinct);
    row("same address", ann, annMail, untouched, bob, annMail, distinct);
    row("same address once trimmed", QString(), QStringLiteral("  ann@example.org"), untouched, bob,
        QStringLiteral("ann@example.org   "), distinct);
    row("addresses differing in case only", ann, QStringLiteral("Ann@Example.org"), untouched, bob, annMail, QString());
    row("no at sign in the first", ann, QStringLiteral("ann.example.org"), untouched, bob, bobMail, proper);
    row("no at sign in the second", ann, annMail, untouched, bob, QStringLiteral("bob.example.net"), proper);
    row("no full stop in the first", ann, QStringLiteral("ann@example"), untouched, bob, bobMail, proper);
    row("no full stop in the second, names empty", QString(), annMail, untouched, QString(),
        QStringLiteral("bob@example"), proper);
    row("full stop before the at sign", ann, QStringLiteral("ann.b@x"), untouched, bob, QStringLiteral(".@"),
        QString());
    row("tab around an address is kept", ann, QStringLiteral("\tann@example.org"), untouched, bob, annMail, QString());
    row("name of spaces only", QStringLiteral("   "), annMail, untouched, bob, bobMail,
        QStringLiteral("Please Enter Your Name"));
    row("name is the placeholder", QStringLiteral("Your Name"), annMail, untouched, bob, bobMail,
        QStringLiteral("Please Enter Your Name"));
    row("name is the placeholder with spaces", QStringLiteral("  Your Name "), annMail, untouched, bob, bobMail,
        QStringLiteral("Please Enter Your Name"));
    row("placeholder words in lower case", QStringLiteral("your name"), annMail, untouched, bob, bobMail, QString());
    row("name of a tab", QStringLiteral("\t"), annMail, untouched, bob, bobMail, QString());
    row("name before message", QString(), annMail, QString(), QString(), bobMail,
        QStringLiteral("Please Enter Your Name"));
    row("message empty", ann, annMail, QString(), QString(), bobMail, QStringLiteral("Please Enter Your Message"));
    row("message of spaces", ann, annMail, QStringLiteral("    "), bob, bobMail,
        QStringLiteral("Please Enter Your Message"));
    row("message is the bare placeholder", ann, annMail, QStringLiteral(" Your Message "), bob, bobMail,
        QStringLiteral("Please Enter Your Message"));
    row("friend's name empty", ann, annMail, untouched, QStringLiteral(" "), bobMail,
        QStringLiteral("Please Enter Your Friend's Name"));
    row("friend's name is the placeholder", ann, annMail, untouched, QStringLiteral("Friend's Name"), bobMail,
        QStringLiteral("Please Enter Your Friend's Name"));
    row("valid", ann, annMail, QStringLiteral("Try it!"), bob, bobMail, QString());
}

void TestFarewell::submission()
{
    QFETCH(QString, name);
    QFETCH(QString, email);
    QFETCH(QString, message);
    QFETCH(QString, friendName);
    QFETCH(QString, friendEmail);
    QFETCH(QString, complaint);

    frmFarewell *window = shownFarewell();
    const QStringList texts = {name, email, message, friendName, friendEmail};
    for (int i = 0; i < 5; ++i)
        setBoxText(box(QLatin1String(kBoxes[i])), texts[i]);
    modTellAFriend &module = m_run->app.tellAFriend();
    module.ReferralUrl = QStringLiteral("left from before");
    QTest::mouseClick(window->cmdSubmit(), Qt::LeftButton);

    FakeDesktop &desktop = m_run->desktop;
    // Whatever the outcome, the boxes are as the user left them.
    for (int i = 0; i < 5; ++i)
        QCOMPARE(boxText(box(QLatin1String(kBoxes[i]))), texts[i]);
    QCOMPARE(module.ReferrerName, modTellAFriend::trimSpaces(name));
    QCOMPARE(module.FriendEmail, modTellAFriend::trimSpaces(friendEmail));
    if (complaint.isEmpty()) {
        QVERIFY2(desktop.messages.isEmpty(), qPrintable(desktop.messages.value(0).text));
        QCOMPARE(desktop.urls, QStringList(module.ReferralUrl));
        QVERIFY(module.ReferralUrl.startsWith(SiteAddress()
                                              + QStringLiteral("/orbalpath/ssd.php?page=kqws-refer-a-friend&taf1=")));
        return;
    }
    QCOMPARE(desktop.messages.size(), 1);
    QCOMPARE(desktop.messages[0].text, complaint);
    QCOMPARE(desktop.messages[0].icon, Desktop::Icon::Critical);
    QCOMPARE(desktop.messages[0].buttons, Desktop::Buttons::Ok);
    QCOMPARE(desktop.messages[0].caption, QStringLiteral("QV Orbalin"));
    QVERIFY(desktop.urls.isEmpty());
    QCOMPARE(module.ReferralUrl, QStringLiteral("left from before"));
    QVERIFY(window->isVisible());
}

void TestFarewell::address_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("email");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("friendName");
    QTest::addColumn<QString>("friendEmail");
    QTest::addColumn<QString>("fields"); // taf1 to taf5 as they appear in the address

    const QString annMail = QStringLiteral("ann@example.org");
    const QString bobMail = QStringLiteral("bob@example.net");
    QTest::newRow("untouched message box")
        << QStringLiteral(" Ann ") << annMail << QStringLiteral("Your Message\r\n") << QStringLiteral("Bob") << bobMail
        << QStringLiteral("&taf1=Ann&taf2=ann%40example.org&taf3=Your%20Message%0D%0A&taf4=Bob"
                          "&taf5=bob%40example.net");
    QTest::newRow("ampersand and equals sign cannot make a field")
        << QStringLiteral("Ann&taf2=x@y.z") << annMail << QStringLiteral("a=b&c") << QStringLiteral("Bob") << bobMail
        << QStringLiteral("&taf1=Ann%26taf2%3Dx%40y.z&taf2=ann%40example.org&taf3=a%3Db%26c&taf4=Bob"
                          "&taf5=bob%40example.net");
    QTest::newRow("hash, plus and percent")
        << QStringLiteral("No #1") << QStringLiteral("ann+news@example.org") << QStringLiteral("100% + more")
        << QStringLiteral("Bob") << bobMail
        << QStringLiteral("&taf1=No%20%231&taf2=ann%2Bnews%40example.org&taf3=100%25%20%2B%20more&taf4=Bob"
                          "&taf5=bob%40example.net");
    QTest::newRow("line breaks") << QStringLiteral("Ann") << annMail << QStringLiteral("Hello\r\nBob\r\n")
                                 << QStringLiteral("Bob") << bobMail
                                 << QStringLiteral("&taf1=Ann&taf2=ann%40example.org&taf3=Hello%0D%0ABob%0D%0A&taf4=Bob"
                                                   "&taf5=bob%40example.net");
    QTest::newRow("letters beyond ASCII")
        << QStringLiteral("José Müller") << annMail << QStringLiteral("Ελπίδα") << QStringLiteral("Zoë")
        << QStringLiteral("zoë@例え.jp")
        << QStringLiteral("&taf1=Jos%C3%A9%20M%C3%BCller&taf2=ann%40example.org&taf3=%CE%95%CE%BB%CF%80%CE%AF%CE%B4"
                          "%CE%B1&taf4=Zo%C3%AB&taf5=zo%C3%AB%40%E4%BE%8B%E3%81%88.jp");
    QTest::newRow("unreserved characters stay")
        << QStringLiteral("A-Z_a.z~0") << annMail << QStringLiteral("ok") << QStringLiteral("B") << bobMail
        << QStringLiteral("&taf1=A-Z_a.z~0&taf2=ann%40example.org&taf3=ok&taf4=B&taf5=bob%40example.net");
}

void TestFarewell::address()
{
    QFETCH(QString, name);
    QFETCH(QString, email);
    QFETCH(QString, message);
    QFETCH(QString, friendName);
    QFETCH(QString, friendEmail);
    QFETCH(QString, fields);
    if (SiteAddress() != QLatin1String("https://www.velmoraware.example"))
        QSKIP("the expected addresses are written for the default site");

    frmFarewell *window = shownFarewell();
    const QStringList texts = {name, email, message, friendName, friendEmail};
    for (int i = 0; i < 5; ++i)
        setBoxText(box(QLatin1String(kBoxes[i])), texts[i]);
    window->cmdSubmit_Click();

    const QString expected
        = QStringLiteral("https://www.velmoraware.example/orbalpath/ssd.php?page=kqws-refer-a-friend") + fields
        + QStringLiteral("&taf6=https%3A%2F%2Fwww.velmoraware.example%2Forbalpath%2F");
    QCOMPARE(m_run->desktop.messages.size(), 0);
    QCOMPARE(m_run->desktop.urls, QStringList(expected));
    QCOMPARE(m_run->app.tellAFriend().ReferralUrl, expected);

    // Read back as a browser would: the same seven fields in the same order,
    // each carrying exactly the trimmed text.
    const QList<std::pair<QString, QString>> items
        = QUrlQuery(QUrl(expected, QUrl::StrictMode)).queryItems(QUrl::FullyDecoded);
    QStringList keys;
    for (const auto &item : items)
        keys.append(item.first);
    QCOMPARE(
        keys,
        QStringList({QStringLiteral("page"), QStringLiteral("taf1"), QStringLiteral("taf2"), QStringLiteral("taf3"),
                     QStringLiteral("taf4"), QStringLiteral("taf5"), QStringLiteral("taf6")}));
    for (int i = 0; i < 5; ++i)
        QCOMPARE(items[i + 1].second, modTellAFriend::trimSpaces(texts[i]));
    QCOMPARE(items[6].second, ProductBaseAddress());
}

void TestFarewell::submitsAgainAndKeepsTheForm()
{
    frmFarewell *window = shownFarewell();
    window->txtName()->setText(QStringLiteral("Ann"));
    window->txtEmail()->setText(QStringLiteral("ann@example.org"));
    window->txtFriendName()->setText(QStringLiteral("Bob"));
    window->txtFriendEmail()->setText(QStringLiteral("bob@example.net"));
    QTest::mouseClick(window->cmdSubmit(), Qt::LeftButton);
    QCOMPARE(m_run->desktop.urls.size(), 1);
    QVERIFY(window->isVisible());
    QCOMPARE(window->txtFriendName()->text(), QStringLiteral("Bob"));

    window->txtFriendName()->setText(QStringLiteral("Carol"));
    window->txtFriendEmail()->setText(QStringLiteral("carol@example.com"));
    QTest::mouseClick(window->cmdSubmit(), Qt::LeftButton);
    QCOMPARE(m_run->desktop.urls.size(), 2);
    QVERIFY(m_run->desktop.urls[1].contains(QLatin1String("&taf4=Carol&taf5=carol%40example.com&")));
    QCOMPARE(m_run->app.tellAFriend().FriendName, QStringLiteral("Carol"));
    QVERIFY(m_run->desktop.messages.isEmpty());
}

void TestFarewell::placeholders_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("onEntering");
    QTest::addColumn<QString>("typed"); // what the box holds when the user leaves it
    QTest::addColumn<QString>("onLeaving");

    QTest::newRow("name: placeholder cleared, restored") << "txtName"
                                                         << "Your Name"
                                                         << ""
                                                         << ""
                                                         << "Your Name";
    QTest::newRow("name: placeholder in spaces cleared, spaces restored") << "txtName"
                                                                          << "  Your Name "
                                                                          << ""
                                                                          << "    "
                                                                          << "Your Name";
    QTest::newRow("name: other case kept") << "txtName"
                                           << "your name"
                                           << "your name"
                                           << "your name"
                                           << "your name";
    QTest::newRow("name: a tab is not a space") << "txtName"
                                                << "Your Name\t"
                                                << "Your Name\t"
                                                << "\t"
                                                << "\t";
    QTest::newRow("name: typed text kept") << "txtName"
                                           << "Your Name"
                                           << ""
                                           << " Ann "
                                           << " Ann ";
    QTest::newRow("e-mail") << "txtEmail"
                            << " Your Email Address"
                            << ""
                            << ""
                            << "Your Email Address";
    QTest::newRow("friend's name") << "txtFriendName"
                                   << "Friend's Name "
                                   << ""
                                   << " "
                                   << "Friend's Name";
    QTest::newRow("friend's e-mail") << "txtFriendEmail"
                                     << "Friend's Email Address"
                                     << ""
                                     << ""
                                     << "Friend's Email Address";
    QTest::newRow("message: initial text with its line break stays") << "txtMessage"
                                                                     << "Your Message\r\n"
                                                                     << "Your Message\r\n"
                                                                     << "Your Message\r\n"
                                                                     << "Your Message\r\n";
    QTest::newRow("message: bare placeholder cleared and put back") << "txtMessage"
                                                                    << " Your Message"
                                                                    << ""
                                                                    << "  "
                                                                    << "Your Message";
}

void TestFarewell::placeholders()
{
    QFETCH(QString, name);
    QFETCH(QString, before);
    QFETCH(QString, onEntering);
    QFETCH(QString, typed);
    QFETCH(QString, onLeaving);

    frmFarewell *window = shownFarewell();
    QWidget *target = box(name);
    setBoxText(target, before);
    // The way in: by mouse for the boxes on view, by Tab for the hidden one.
    if (target->isVisibleTo(window) && target->y() + target->height() <= target->parentWidget()->height())
        QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(5, 5));
    else
        target->setFocus(Qt::TabFocusReason);
    QCOMPARE(QApplication::focusWidget(), target);
    QCOMPARE(boxText(target), onEntering);

    setBoxText(target, typed);
    QTest::mouseClick(window->findChild<QWidget *>(QStringLiteral("picFarewellIcon")), Qt::LeftButton);
    QVERIFY(QApplication::focusWidget() != target);
    QCOMPARE(boxText(target), onLeaving);
}

void TestFarewell::otherWindowsLeaveTheBoxesAlone()
{
    // A message box or another program taking the keyboard is not the user
    // leaving the box: an emptied box stays empty until the user moves on.
    frmFarewell *window = shownFarewell();
    QTest::mouseClick(window->txtEmail(), Qt::LeftButton);
    QCOMPARE(window->txtEmail()->text(), QString());

    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    QCOMPARE(window->txtEmail()->text(), QString());

    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QCOMPARE(QApplication::focusWidget(), window->txtEmail());
    QCOMPARE(window->txtEmail()->text(), QString());
    QTest::keyClicks(window->txtEmail(), QStringLiteral("a@b.c"));
    QCOMPARE(window->txtEmail()->text(), QStringLiteral("a@b.c"));
}

void TestFarewell::spaceKey_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<bool>("refused");

    QTest::newRow("e-mail") << "txtEmail" << Qt::KeyboardModifiers() << true;
    QTest::newRow("friend's e-mail") << "txtFriendEmail" << Qt::KeyboardModifiers() << true;
    QTest::newRow("friend's e-mail, shift") << "txtFriendEmail" << Qt::KeyboardModifiers(Qt::ShiftModifier) << true;
    QTest::newRow("name") << "txtName" << Qt::KeyboardModifiers() << false;
    QTest::newRow("friend's name") << "txtFriendName" << Qt::KeyboardModifiers() << false;
}

void TestFarewell::spaceKey()
{
    QFETCH(QString, name);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(bool, refused);

    frmFarewell *window = shownFarewell();
    auto *target = window->findChild<QLineEdit *>(name);
    QTest::mouseClick(target, Qt::LeftButton);
    QCOMPARE(target->text(), QString());
    QTest::keyClicks(target, QStringLiteral("ab"));
    QTest::keyClick(target, Qt::Key_Space, modifiers);
    QTest::keyClicks(target, QStringLiteral("c"));

    FakeDesktop &desktop = m_run->desktop;
    QCOMPARE(QApplication::focusWidget(), target);
    if (!refused) {
        QCOMPARE(target->text(), QStringLiteral("ab c"));
        QVERIFY(desktop.messages.isEmpty());
        return;
    }
    QCOMPARE(target->text(), QStringLiteral("abc"));
    QCOMPARE(desktop.messages.size(), 1);
    QCOMPARE(desktop.messages[0].text, QStringLiteral("Email Address Cannot Contain Space"));
    QCOMPARE(desktop.messages[0].icon, Desktop::Icon::Critical);
    QCOMPARE(desktop.messages[0].caption, QStringLiteral("QV Orbalin"));

    // Pasted text is not looked at.
    target->insert(QStringLiteral(" d"));
    QCOMPARE(target->text(), QStringLiteral("abc d"));
    QCOMPARE(desktop.messages.size(), 1);
}

void TestFarewell::check1NeverStaysTicked()
{
    frmFarewell *window = shownFarewell();
    QPushButton *check = window->Check1();
    QVERIFY(check->isCheckable());
    QCOMPARE(check->cursor().shape(), Qt::PointingHandCursor);
    const QString home = PageUrl(QStringLiteral("home-page"));

    QTest::mouseClick(check, Qt::LeftButton);
    QVERIFY(!check->isChecked());
    QCOMPARE(m_run->desktop.urls, QStringList({home}));
    QTest::mouseClick(check, Qt::LeftButton);
    QVERIFY(!check->isChecked());
    check->setFocus();
    QTest::keyClick(check, Qt::Key_Space);
    QVERIFY(!check->isChecked());
    QCOMPARE(m_run->desktop.urls, QStringList({home, home, home}));
    QVERIFY(window->isVisible());
    QVERIFY(!m_run->desktop.endStatus);
}

void TestFarewell::goToHome()
{
    frmFarewell *window = shownFarewell();
    auto *link = window->findChild<QLabel *>(QStringLiteral("lblGoToHome"));
    QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseClick(link, Qt::LeftButton);
    QCOMPARE(m_run->desktop.urls, QStringList(PageUrl(QStringLiteral("velmoraware"))));
}

void TestFarewell::textsFit_data()
{
    QTest::addColumn<QString>("name");
    const char *const names[] = {"lblFarewellCaption", "Label3",        "lblGoToHome", "Check1",  "cmdClose",
                                 "cmdSubmit",          "Frame2",        "Frame6",      "txtName", "txtEmail",
                                 "txtFriendName",      "txtFriendEmail"};
    for (const char *name : names)
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestFarewell::textsFit()
{
    QFETCH(QString, name);
    frmFarewell *window = shownFarewell();
    QWidget *widget = window->findChild<QWidget *>(name);
    QVERIFY(widget);
    const QFontMetrics metrics(widget->font());
    const QRect inParent(QPoint(0, 0), widget->parentWidget()->size());

    if (auto *label = qobject_cast<QLabel *>(widget)) {
        QVERIFY(!label->text().isEmpty());
        if (label->wordWrap()) {
            QVERIFY2(label->heightForWidth(label->width()) <= label->height(),
                     qPrintable(QStringLiteral("needs %1 px of %2")
                                    .arg(label->heightForWidth(label->width()))
                                    .arg(label->height())));
        } else {
            // A label that sizes itself must show all of its text and stay
            // inside its container, clear of the panel on the right.
            QVERIFY(label->width() >= metrics.horizontalAdvance(label->text()));
            QVERIFY(inParent.contains(label->geometry()));
            if (label->parentWidget() == window->client())
                QVERIFY(label->geometry().right() < window->findChild<QWidget *>(QStringLiteral("Frame6"))->x());
        }
    } else if (auto *button = qobject_cast<QPushButton *>(widget)) {
        const int margin = button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
        const QString shown = QString(button->text()).remove(QLatin1Char('&'));
        QVERIFY2(metrics.horizontalAdvance(shown) + 2 * margin <= button->width(), qPrintable(shown));
        QVERIFY(metrics.height() + 4 <= button->height());
    } else if (auto *frame = qobject_cast<QGroupBox *>(widget)) {
        QVERIFY(metrics.horizontalAdvance(frame->title()) <= frame->width());
    } else if (auto *line = qobject_cast<QLineEdit *>(widget)) {
        QVERIFY2(metrics.horizontalAdvance(line->text()) + 8 <= line->width(), qPrintable(line->text()));
        QVERIFY(metrics.height() + 4 <= line->height());
    } else {
        QFAIL("no rule for this control");
    }
}

void TestFarewell::supportingTextsFit()
{
    QLabel *label = farewell()->Label2();
    const QStringList texts = frmFarewell::supportingTexts();
    QCOMPARE(texts.size(), 4);
    for (const QString &text : texts) {
        QVERIFY(text.contains(QUrl(SiteAddress()).host()));
        label->setText(text);
        QVERIFY2(label->heightForWidth(label->width()) <= label->height(), qPrintable(text));
    }
}

namespace {

// The text a box holds as the box counts it, line breaks as typed.
QString plainText(QWidget *box)
{
    if (auto *line = qobject_cast<QLineEdit *>(box))
        return line->text();
    return static_cast<QPlainTextEdit *>(box)->toPlainText();
}

int caretOf(QWidget *box)
{
    if (auto *line = qobject_cast<QLineEdit *>(box))
        return line->cursorPosition();
    return static_cast<QPlainTextEdit *>(box)->textCursor().position();
}

// Into the box with the keyboard's focus, emptied with real keys.
void focusAndEmpty(QWidget *box)
{
    box->setFocus(Qt::TabFocusReason);
    QTest::keySequence(box, QKeySequence::SelectAll);
    QTest::keyClick(box, Qt::Key_Delete);
    QCOMPARE(plainText(box), QString());
}

void paste(QWidget *box, const QString &text)
{
    QGuiApplication::clipboard()->setText(text);
    QTest::keySequence(box, QKeySequence::Paste);
}

const QString kEuro = QStringLiteral("\u20AC"); // three bytes of UTF-8, one unit
const QString kFace = QString::fromUtf8("\xF0\x9F\x98\x80"); // four bytes, two units

} // namespace

void TestFarewell::boxLimit_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("limit");
    QTest::addColumn<QString>("way");
    const std::pair<const char *, int> limits[] = {
        {"txtName", modTellAFriend::kNameMaxLength},         {"txtEmail", modTellAFriend::kEmailMaxLength},
        {"txtMessage", modTellAFriend::kMessageMaxLength},   {"txtFriendName", modTellAFriend::kNameMaxLength},
        {"txtFriendEmail", modTellAFriend::kEmailMaxLength},
    };
    for (const auto &[name, limit] : limits) {
        for (const char *way : {"typed", "pasted", "pasted between", "pasted in halves"})
            QTest::addRow("%s, %s", name, way) << QString::fromLatin1(name) << limit << QString::fromLatin1(way);
    }
}

void TestFarewell::boxLimit()
{
    QFETCH(QString, name);
    QFETCH(int, limit);
    QFETCH(QString, way);
    QVERIFY(limit >= 100 && limit <= 1000);
    shownFarewell();
    QWidget *target = box(name);
    focusAndEmpty(target);

    if (way == QLatin1String("typed")) {
        // Typing on past the limit adds nothing.
        QTest::keyClicks(target, QString(limit + 5, QLatin1Char('x')));
        QCOMPARE(plainText(target), QString(limit, QLatin1Char('x')));
    } else if (way == QLatin1String("pasted")) {
        paste(target, kEuro.repeated(limit + 50));
        QCOMPARE(plainText(target), kEuro.repeated(limit));
        QCOMPARE(caretOf(target), limit);
    } else if (way == QLatin1String("pasted between")) {
        // Of a paste into the middle only the head that fits goes in; the
        // text on both sides stays, and the caret follows what went in.
        QTest::keyClicks(target, QStringLiteral("[]"));
        QTest::keyClick(target, Qt::Key_Left);
        paste(target, QString(limit, QLatin1Char('y')));
        QCOMPARE(plainText(target), QLatin1Char('[') + QString(limit - 2, QLatin1Char('y')) + QLatin1Char(']'));
        QCOMPARE(caretOf(target), limit - 1);
        // One undo takes the whole paste back.
        QTest::keySequence(target, QKeySequence::Undo);
        QCOMPARE(plainText(target), QStringLiteral("[]"));
    } else {
        // A character of two units is never cut in half.
        QTest::keyClicks(target, QStringLiteral("z"));
        paste(target, kFace.repeated(limit));
        const QString text = plainText(target);
        QCOMPARE(text, QLatin1Char('z') + kFace.repeated((limit - 1) / 2));
    }
}

void TestFarewell::longestForm()
{
    if (SiteAddress() != QLatin1String("https://www.velmoraware.example"))
        QSKIP("the expected address is written for the default site");
    // Every box filled to its limit, by paste, with characters of three UTF-8
    // bytes: each becomes nine characters of address, the most one unit can.
    frmFarewell *window = shownFarewell();
    const QString euros = kEuro.repeated(2000);
    const QString email = QStringLiteral("@.") + euros;
    const QString message = kEuro.repeated(499) + QLatin1Char('\n') + euros;
    const QString texts[] = {euros, email, message, euros, QLatin1Char('.') + email};
    for (int i = 0; i < 5; ++i) {
        QWidget *target = box(QLatin1String(kBoxes[i]));
        focusAndEmpty(target);
        paste(target, texts[i]);
    }
    clickAt(window->cmdSubmit());

    const QString e = QStringLiteral("%E2%82%AC");
    const QString expected
        = QStringLiteral("https://www.velmoraware.example/orbalpath/ssd.php?page=kqws-refer-a-friend")
        + QStringLiteral("&taf1=") + e.repeated(100) + QStringLiteral("&taf2=%40.") + e.repeated(252)
        + QStringLiteral("&taf3=") + e.repeated(499) + QStringLiteral("%0D%0A") + e.repeated(500)
        + QStringLiteral("&taf4=") + e.repeated(100) + QStringLiteral("&taf5=.%40.") + e.repeated(251)
        + QStringLiteral("&taf6=https%3A%2F%2Fwww.velmoraware.example%2Forbalpath%2F");
    QCOMPARE(m_run->desktop.messages.size(), 0);
    QCOMPARE(m_run->desktop.urls, QStringList(expected));
    // Far below the 128 KiB a single argument of the browser launch may have.
    QVERIFY(expected.size() < 16 * 1024);
}

QVO_TEST_MAIN(TestFarewell)
#include "tst_farewell.moc"
