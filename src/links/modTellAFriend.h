#pragma once

#include <QString>

class Desktop;
class modHelp;

// Recommending the program to a friend: the checks on what the user typed and
// the address of the maker's refer-a-friend page.
class modTellAFriend
{
public:
    modTellAFriend(Desktop &desktop, modHelp &help);

    // The trimmed texts of the last submission and the last address built.
    QString ReferrerName;
    QString ReferrerEmail;
    QString ReferralMessage;
    QString FriendName;
    QString FriendEmail;
    QString ReferralUrl;

    // Takes the five texts as the user left them, checks them and, when they
    // pass, opens the refer-a-friend page. Returns whether the page was opened.
    bool Submit(const QString &name, const QString &email, const QString &message, const QString &friendName,
                const QString &friendEmail);

    // Checks the five stored texts, builds ReferralUrl and opens it.
    bool SendReferral();
    void OpenReferralPage();

    // Leading and trailing blanks (the space character only) removed.
    static QString trimSpaces(const QString &text);

    static inline const QString kNamePlaceholder = QStringLiteral("Your Name");
    static inline const QString kEmailPlaceholder = QStringLiteral("Your Email Address");
    static inline const QString kMessagePlaceholder = QStringLiteral("Your Message");
    static inline const QString kFriendNamePlaceholder = QStringLiteral("Friend's Name");
    static inline const QString kFriendEmailPlaceholder = QStringLiteral("Friend's Email Address");

private:
    void complain(const QString &text);

    Desktop &m_desktop;
    modHelp &m_help;
};
