#pragma once

#include "platform/Desktop.h"

#include <cmath>

// A desktop that never blocks: message boxes answer at once, addresses go
// nowhere, and the random numbers walk evenly round [0, 1) so that the draws
// visit every position of every tradition.
class StubDesktop final : public Desktop
{
public:
    Answer messageBox(const QString &, Icon, Buttons buttons, const QString &) override
    {
        return buttons == Buttons::YesNo ? Answer::No : Answer::Ok;
    }
    void openUrl(const QString &) override { }
    QDate today() override { return QDate(2026, 12, 10); }
    void seedFromClock() override { }
    double nextRandom() override
    {
        // The golden ratio's fractional part spreads the values evenly.
        m_value = std::fmod(m_value + 0.6180339887498949, 1.0);
        return m_value;
    }
    bool anotherCopyRunning() override { return false; }
    void endProcess(int) override { }

private:
    double m_value = 0.0;
};
