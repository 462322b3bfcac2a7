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

    // The most text each box takes, in UTF-16 code units as Qt counts it: a
    // name fits in 100, an e-mail address in 254 (the longest the mail
    // standards allow), a note to a friend in 1,000. Percent-encoded as UTF-8,
    // one unit becomes at most nine characters of address (a character of
    // three bytes; one of four bytes takes two units and twelve characters),
    // so the longest address is about 15.5 KB: small enough for the browser
    // launch, which takes one argument of up to 128 KiB, and for what the
    // browser hands on to the site.
    static constexpr int kNameMaxLength = 100;
    static constexpr int kEmailMaxLength = 254;
    static constexpr int kMessageMaxLength = 1000;

private:
    void complain(const QString &text);

    Desktop &m_desktop;
    modHelp &m_help;
};
