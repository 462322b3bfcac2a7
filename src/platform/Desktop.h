#pragma once

#include <QDate>
#include <QString>

// Everything the program asks of the desktop goes through this one seam: the
// message boxes, the browser, the calendar, the random generator, the
// single-copy question and the end of the process. The real implementation
// talks to Qt; the tests put a scripted one in its place.
class Desktop
{
public:
    enum class Icon { Information, Critical };
    enum class Buttons { Ok, YesNo };
    enum class Answer { Ok, Yes, No };

    virtual ~Desktop() = default;

    // A modal message box. With Yes/No, Yes is the default button.
    virtual Answer messageBox(const QString &text, Icon icon, Buttons buttons, const QString &caption) = 0;

    // Hands the address to the default browser and returns at once; a launch
    // that fails is silent.
    virtual void openUrl(const QString &address) = 0;

    virtual QDate today() = 0;

    // The one random generator of the run: seeded from the clock, values
    // uniform in [0, 1).
    virtual void seedFromClock() = 0;
    virtual double nextRandom() = 0;

    // Whether another copy of the program already runs for this user. The
    // first call that finds none claims the place for this process.
    virtual bool anotherCopyRunning() = 0;

    // Ends the process at once with the given status. A test double may
    // return; callers stop working once it has been called.
    virtual void endProcess(int status) = 0;
};
