#pragma once

#include "Desktop.h"
#include "SingleCopyGuard.h"

#include <random>

class QtDesktop final : public Desktop
{
public:
    QtDesktop();
    ~QtDesktop() override;

    Answer messageBox(const QString &text, Icon icon, Buttons buttons, const QString &caption) override;
    void openUrl(const QString &address) override;
    QDate today() override;
    void seedFromClock() override;
    double nextRandom() override;
    bool anotherCopyRunning() override;
    void endProcess(int status) override;

    // Where the single-copy lock lives: the user's runtime folder, named after
    // the executable. Empty when there is no runtime folder to be had.
    static QString lockFilePath();

private:
    std::mt19937_64 m_engine;
    SingleCopyGuard m_guard;
};
