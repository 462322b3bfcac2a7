#include "frmFarewell.h"

#include "LinkLabel.h"
#include "TextLimit.h"
#include "app/App.h"
#include "frmLauncher.h"
#include "links/SiteAddress.h"
#include "platform/Desktop.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <cmath>

using namespace design;

namespace {

constexpr Font kCaptionFont{1800, false, false, "MS Sans Serif"};
constexpr Font kFrameFont{975, true};
constexpr Font kSupportFont{975, true};
constexpr Font kCheckFont{1425};
constexpr Font kPanelFont{900};
constexpr Font kPanelLinkFont{900, true, true};

constexpr Control kDesign[] = {
    {"picFarewellIcon", Kind::Picture, nullptr, {360, 120, 540, 540}, "", kNoColour, kWhite, kRegular, 2},
    {"lblFarewellCaption", Kind::Label, nullptr, {1080, 240, 2000, 435}, "", kNoColour, kNoColour, kCaptionFont, kNoTab,
     AutoSize},
    {"Label2", Kind::Label, nullptr, {120, 840, 6975, 1095}, "", kNoColour, kNoColour, kSupportFont, kNoTab, WordWrap},
    {"Check1", Kind::GraphicalCheckBox, nullptr, {30, 2040, 7185, 555}, "", 0x0000C0, kNoColour, kCheckFont, 1},
    {"cmdClose", Kind::Button, nullptr, {6000, 2760, 1245, 375}, "E&xit", kNoColour, kNoColour, kRegular, 0},
    {"Frame2", Kind::Frame, nullptr, {120, 3240, 7065, 1455}, "Refer A Friend", kWhite, kNavy, kFrameFont},
    {"txtName", Kind::TextBox, "Frame2", {85, 360, 3375, 285}, "Your Name", kNoColour, kNoColour, kRegular, 9},
    {"txtEmail", Kind::TextBox, "Frame2", {3600, 360, 3375, 285}, "Your Email Address", kNoColour, kNoColour, kRegular,
     11},
    {"txtMessage", Kind::MultiLineTextBox, "Frame2", {4800, 3600, 1815, 495}, "Your Message\r\n", kNoColour,
     kNoColour, kRegular, 14},
    {"txtFriendName", Kind::TextBox, "Frame2", {85, 720, 3375, 285}, "Friend's Name", kNoColour, kNoColour, kRegular,
     13},
    {"txtFriendEmail", Kind::TextBox, "Frame2", {3600, 720, 3375, 285}, "Friend's Email Address", kNoColour,
     kNoColour, kRegular, 12},
    {"cmdSubmit", Kind::Button, "Frame2", {1920, 1080, 3375, 285}, "Refer A Friend &Now", kNoColour, kNoColour, kBold,
     10},
    {"Frame6", Kind::Frame, nullptr, {7320, 120, 3735, 4575}, "Download Velmoraware", kWhite, kNavy, kFrameFont},
    {"Label3", Kind::Label, "Frame6", {120, 360, 3495, 3855},
     "Enjoyed QV Orbalin? It belongs to a large family of Velmoraware programs on astrology, psychic readings, tarot, "
     "numerology and the occult, every one of them simple, fun and informative. Try them for yourself, and share the "
     "experience with your friends and family.",
     kWhite, kNoColour, kPanelFont, kNoTab, WordWrap},
    {"lblGoToHome", Kind::LinkLabel, "Frame6", {75, 4250, 3000, 225}, "Click Here To Visit Velmoraware", 0xFFFF00,
     kNoColour, kPanelLinkFont, kNoTab, AutoSize},
};

QString siteHost()
{
    return QUrl(SiteAddress()).host();
}

bool isFocusMoveInsideWindow(const QEvent *event)
{
    // Another window taking the keyboard (a message box, another program) is
    // not the user leaving the box.
    const auto reason = static_cast<const QFocusEvent *>(event)->reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

} // namespace

std::span<const Control> frmFarewell::designTable()
{
    return kDesign;
}

QStringList frmFarewell::supportingTexts()
{
    const QString site = siteHost();
    return {
        QStringLiteral("Programs of the Velmoraware family, like this one, can only be made and kept up with your "
                       "support. The best support is to visit our discussion board at %1 regularly and join in its "
                       "discussions and other activities.")
            .arg(site),
        QStringLiteral("Please visit %1 regularly and support it by taking part in its discussions and activities. "
                       "Without your regular visits we cannot support and maintain these programs.")
            .arg(site),
        QStringLiteral("%1 is a free online discussion forum on occult and spiritual topics. Please visit it "
                       "regularly to help us develop and maintain this program.")
            .arg(site),
        QStringLiteral("%1 needs your help: your regular visits and your part in its discussions and activities help "
                       "us maintain this program and develop more programs of the family.")
            .arg(site),
    };
}

frmFarewell::frmFarewell(App &app)
    // A window of its own rather than a dialog: it is often the only window of
    // the program on view, so it needs its own entry in the task bar.
    : FormWindow(app, {QSize(11115, 4725), false, true}, kDesign)
{
    setObjectName(QStringLiteral("frmFarewell"));
    m_picFarewellIcon = controls().get<QLabel>(QStringLiteral("picFarewellIcon"));
    m_lblFarewellCaption = controls().get<QLabel>(QStringLiteral("lblFarewellCaption"));
    m_label2 = controls().get<QLabel>(QStringLiteral("Label2"));
    m_check1 = controls().get<QPushButton>(QStringLiteral("Check1"));
    m_cmdClose = controls().get<QPushButton>(QStringLiteral("cmdClose"));
    m_cmdSubmit = controls().get<QPushButton>(QStringLiteral("cmdSubmit"));
    m_txtName = controls().get<QLineEdit>(QStringLiteral("txtName"));
    m_txtEmail = controls().get<QLineEdit>(QStringLiteral("txtEmail"));
    m_txtMessage = controls().get<QPlainTextEdit>(QStringLiteral("txtMessage"));
    m_txtFriendName = controls().get<QLineEdit>(QStringLiteral("txtFriendName"));
    m_txtFriendEmail = controls().get<QLineEdit>(QStringLiteral("txtFriendEmail"));

    // Every box has its limit, so that the address the form makes stays far
    // below what the browser launch takes.
    limitLength(m_txtName, modTellAFriend::kNameMaxLength);
    limitLength(m_txtEmail, modTellAFriend::kEmailMaxLength);
    limitLength(m_txtMessage, modTellAFriend::kMessageMaxLength);
    limitLength(m_txtFriendName, modTellAFriend::kNameMaxLength);
    limitLength(m_txtFriendEmail, modTellAFriend::kEmailMaxLength);

    m_check1->setText(QStringLiteral("Visit %1 Now!").arg(siteHost()));

    m_boxes = {{
        {m_txtName, modTellAFriend::kNamePlaceholder},
        {m_txtEmail, modTellAFriend::kEmailPlaceholder},
        {m_txtMessage, modTellAFriend::kMessagePlaceholder},
        {m_txtFriendName, modTellAFriend::kFriendNamePlaceholder},
        {m_txtFriendEmail, modTellAFriend::kFriendEmailPlaceholder},
    }};
    // A box says what it is for: that is its name; the placeholder it shows
    // while it is empty describes it.
    for (const TextBox &box : m_boxes) {
        box.widget->installEventFilter(this);
        box.widget->setAccessibleDescription(box.placeholder);
    }
    m_txtName->setAccessibleName(QStringLiteral("Your name"));
    m_txtEmail->setAccessibleName(QStringLiteral("Your e-mail address"));
    m_txtMessage->setAccessibleName(QStringLiteral("Your message"));
    m_txtFriendName->setAccessibleName(QStringLiteral("Your friend's name"));
    m_txtFriendEmail->setAccessibleName(QStringLiteral("Your friend's e-mail address"));
    // Tab leaves the message box as it leaves every other box; the box lies
    // out of sight, and a user who tabs into it must be able to tab out.
    m_txtMessage->setTabChangesFocus(true);

    connect(m_cmdClose, &QPushButton::clicked, this, &frmFarewell::cmdClose_Click);
    connect(m_cmdSubmit, &QPushButton::clicked, this, &frmFarewell::cmdSubmit_Click);
    connect(m_check1, &QPushButton::clicked, this, &frmFarewell::Check1_Click);
    connect(controls().get<LinkLabel>(QStringLiteral("lblGoToHome")), &LinkLabel::clicked, this,
            &frmFarewell::lblGoToHome_Click);
}

void frmFarewell::Show(App &app)
{
    frmFarewell *farewell = app.forms().farewell();
    farewell->show();
    // The window the user was working in has just gone: this one takes the
    // keyboard, so that Exit or Enter reach it at once. Asked for once the
    // handler that showed it is over, and only if it is still on view: Back
    // shows it and hides it again straight away, and a request for a window
    // already hidden would reach the window manager after the main window
    // came back, and leave Qt and a screen reader in a window nobody sees.
    QTimer::singleShot(0, farewell, [farewell] {
        if (farewell->isVisible())
            farewell->activateWindow();
    });
}

void frmFarewell::Hide(App &app)
{
    app.forms().farewell()->hide();
}

void frmFarewell::showForShutdown(App &app)
{
    Show(app);
    const frmFarewell *farewell = app.forms().farewellIfLoaded();
    if (!farewell || !farewell->isVisible())
        app.UnloadAllAndEnd();
}

void frmFarewell::Form_Load()
{
    setWindowTitle(kWindowTitle);
    m_lblFarewellCaption->setText(kWindowTitle);
    m_lblFarewellCaption->adjustSize();

    const frmLauncher *launcher = m_app.forms().launcherIfLoaded();
    const QIcon icon = launcher ? launcher->IMGIcon().value(0) : applicationIcon();
    setWindowIcon(icon);
    // The box keeps its designed size; the icon sits in its top-left corner,
    // drawn for the screen's scale.
    m_picFarewellIcon->setPixmap(icon.pixmap(QSize(32, 32), m_picFarewellIcon->devicePixelRatioF()));
    m_picFarewellIcon->setAccessibleName(kApplicationIconName);

    Desktop &desktop = m_app.desktop();
    desktop.seedFromClock();
    const int n = std::clamp(static_cast<int>(std::floor(desktop.nextRandom() * 4)), 0, 3);
    m_label2->setText(supportingTexts().at(n));

    // Above ordinary windows from now on; it becomes visible only when it is
    // shown, not while it is merely loaded.
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    // It takes the keyboard only when it asks for it (Show): a window manager
    // that gives the keyboard to every window it maps would otherwise hand it
    // to this one when Back shows it and hides it again at once.
    setAttribute(Qt::WA_ShowWithoutActivating);
}

void frmFarewell::Form_Unload()
{
    m_app.UnloadAllAndEnd();
}

void frmFarewell::cmdClose_Click()
{
    m_app.UnloadAllAndEnd();
}

void frmFarewell::Check1_Click()
{
    if (!m_check1->isChecked())
        return;
    m_check1->setChecked(false);
    m_app.help().OpenHomePage();
}

void frmFarewell::lblGoToHome_Click()
{
    m_app.help().OpenVelmorawarePage();
}

void frmFarewell::cmdSubmit_Click()
{
    m_app.tellAFriend().Submit(textOf(m_boxes[0]), textOf(m_boxes[1]), textOf(m_boxes[2]), textOf(m_boxes[3]),
                               textOf(m_boxes[4]));
}

QString frmFarewell::textOf(const TextBox &box) const
{
    if (auto *line = qobject_cast<QLineEdit *>(box.widget))
        return line->text();
    // A multi-line box keeps its line breaks as CR LF, the way they are sent.
    return static_cast<QPlainTextEdit *>(box.widget)->toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

void frmFarewell::setTextOf(const TextBox &box, const QString &text)
{
    if (auto *line = qobject_cast<QLineEdit *>(box.widget))
        line->setText(text);
    else
        static_cast<QPlainTextEdit *>(box.widget)->setPlainText(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

void frmFarewell::ClearPlaceholder(const TextBox &box)
{
    if (modTellAFriend::trimSpaces(textOf(box)) == box.placeholder)
        setTextOf(box, QString());
}

void frmFarewell::ShowPlaceholder(const TextBox &box)
{
    if (modTellAFriend::trimSpaces(textOf(box)).isEmpty())
        setTextOf(box, box.placeholder);
}

void frmFarewell::GotFocus(const TextBox &box)
{
    ClearPlaceholder(box);
}

void frmFarewell::LostFocus(const TextBox &box)
{
    ShowPlaceholder(box);
}

bool frmFarewell::txtEmail_KeyPress(const QKeyEvent *event)
{
    return refuseSpace(m_txtEmail, event);
}

bool frmFarewell::txtFriendEmail_KeyPress(const QKeyEvent *event)
{
    return refuseSpace(m_txtFriendEmail, event);
}

bool frmFarewell::refuseSpace(QWidget *box, const QKeyEvent *event)
{
    if (event->text() != QLatin1String(" "))
        return false;
    m_app.desktop().messageBox(QStringLiteral("Email Address Cannot Contain Space"), Desktop::Icon::Critical,
                               Desktop::Buttons::Ok, kAppTitle);
    box->setFocus();
    return true; // the space goes nowhere
}

bool frmFarewell::eventFilter(QObject *watched, QEvent *event)
{
    const auto box = std::find_if(m_boxes.cbegin(), m_boxes.cend(),
                                  [watched](const TextBox &b) { return b.widget == watched; });
    if (box == m_boxes.cend())
        return FormWindow::eventFilter(watched, event);

    switch (event->type()) {
    case QEvent::FocusIn:
        if (isFocusMoveInsideWindow(event))
            GotFocus(*box);
        break;
    case QEvent::FocusOut:
        if (isFocusMoveInsideWindow(event))
            LostFocus(*box);
        break;
    case QEvent::KeyPress:
        if (watched == m_txtEmail && txtEmail_KeyPress(static_cast<QKeyEvent *>(event)))
            return true;
        if (watched == m_txtFriendEmail && txtFriendEmail_KeyPress(static_cast<QKeyEvent *>(event)))
            return true;
        break;
    default:
        break;
    }
    return FormWindow::eventFilter(watched, event);
}
