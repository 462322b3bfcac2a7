#pragma once

#include "platform/Desktop.h"

#include <QList>
#include <QStringList>
#include <functional>
#include <optional>

// A desktop whose answers the test writes beforehand and which remembers what
// the program asked of it.
class FakeDesktop final : public Desktop
{
public:
    struct Message {
        QString text;
        Icon icon;
        Buttons buttons;
        QString caption;
    };

    // Scripted answers, taken in order; an unscripted question is answered
    // OK, or No when it is a Yes/No question.
    QList<Answer> answers;
    // Values handed out by nextRandom, in order; 0 once they run out.
    QList<double> randoms;
    QDate todayDate = QDate(2026, 12, 10);
    bool otherCopy = false;

    QList<Message> messages;
    QStringList urls;
    int seeds = 0;
    int randomsTaken = 0;
    std::optional<int> endStatus;
    // Called while a message box is up, before it is answered.
    std::function<void(const Message &)> onMessage;
    // Called as an address is handed over.
    std::function<void(const QString &)> onUrl;
    // Everything in the order it happened: "message", "url", "seed",
    // "random", "end".
    QStringList log;

    Answer messageBox(const QString &text, Icon icon, Buttons buttons, const QString &caption) override
    {
        messages.append({text, icon, buttons, caption});
        log.append(QStringLiteral("message"));
        if (onMessage)
            onMessage(messages.last());
        if (!answers.isEmpty())
            return answers.takeFirst();
        return buttons == Buttons::YesNo ? Answer::No : Answer::Ok;
    }
    void openUrl(const QString &address) override
    {
        urls.append(address);
        log.append(QStringLiteral("url"));
        if (onUrl)
            onUrl(address);
    }
    QDate today() override { return todayDate; }
    void seedFromClock() override
    {
        ++seeds;
        log.append(QStringLiteral("seed"));
    }
    double nextRandom() override
    {
        ++randomsTaken;
        log.append(QStringLiteral("random"));
        return randoms.isEmpty() ? 0.0 : randoms.takeFirst();
    }
    bool anotherCopyRunning() override { return otherCopy; }
    void endProcess(int status) override
    {
        endStatus = status;
        log.append(QStringLiteral("end"));
    }
};
