#include "modTellAFriend.h"

#include "SiteAddress.h"
#include "modHelp.h"
#include "platform/Desktop.h"

#include <QUrl>

namespace {

// Each value is percent-encoded as UTF-8, so that no name or message can add,
// replace or cut off a field of the address.
QString field(const char *name, const QString &value)
{
    return QStringLiteral("&") + QLatin1String(name) + QLatin1Char('=')
        + QString::fromLatin1(QUrl::toPercentEncoding(value));
}

} // namespace

modTellAFriend::modTellAFriend(Desktop &desktop, modHelp &help)
    : m_desktop(desktop)
    , m_help(help)
{
}

QString modTellAFriend::trimSpaces(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin) == QLatin1Char(' '))
        ++begin;
    while (end > begin && text.at(end - 1) == QLatin1Char(' '))
        --end;
    return text.mid(begin, end - begin);
}

void modTellAFriend::complain(const QString &text)
{
    m_desktop.messageBox(text, Desktop::Icon::Critical, Desktop::Buttons::Ok, kAppTitle);
}

bool modTellAFriend::Submit(const QString &name, const QString &email, const QString &message,
                            const QString &friendName, const QString &friendEmail)
{
    ReferrerName = trimSpaces(name);
    ReferrerEmail = trimSpaces(email);
    ReferralMessage = trimSpaces(message);
    FriendName = trimSpaces(friendName);
    FriendEmail = trimSpaces(friendEmail);

    if (ReferrerEmail == FriendEmail) {
        complain(QStringLiteral("Please Enter Distinct Email Addresses"));
        return false;
    }
    const auto proper = [this](QChar c) { return ReferrerEmail.contains(c) && FriendEmail.contains(c); };
    if (!proper(QLatin1Char('@')) || !proper(QLatin1Char('.'))) {
        complain(QStringLiteral("Please Enter Proper Email Address"));
        return false;
    }
    return SendReferral();
}

bool modTellAFriend::SendReferral()
{
    const struct {
        const QString &value;
        const QString &placeholder;
        const char *message;
    } checks[] = {
        {ReferrerName, kNamePlaceholder, "Please Enter Your Name"},
        {ReferrerEmail, kEmailPlaceholder, "Please Enter Your Email"},
        {ReferralMessage, kMessagePlaceholder, "Please Enter Your Message"},
        {FriendName, kFriendNamePlaceholder, "Please Enter Your Friend's Name"},
        {FriendEmail, kFriendEmailPlaceholder, "Please Enter Your Friend's Email"},
    };
    for (const auto &check : checks) {
        const QString value = trimSpaces(check.value);
        if (value.isEmpty() || value == check.placeholder) {
            complain(QString::fromLatin1(check.message));
            return false;
        }
    }

    ReferralUrl = SiteAddress() + QStringLiteral("/orbalpath/ssd.php?page=kqws-refer-a-friend")
        + field("taf1", ReferrerName) + field("taf2", ReferrerEmail) + field("taf3", ReferralMessage)
        + field("taf4", FriendName) + field("taf5", FriendEmail) + field("taf6", ProductBaseAddress());
    OpenReferralPage();
    return true;
}

void modTellAFriend::OpenReferralPage()
{
    m_help.OpenWebPage(ReferralUrl);
}
