#include "QtDesktop.h"

#include "ExecutableName.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QMessageBox>
#include <QStandardPaths>
#include <QUrl>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <unistd.h>

QtDesktop::QtDesktop()
{
    seedFromClock();
}

QtDesktop::~QtDesktop() = default;

Desktop::Answer QtDesktop::messageBox(const QString &text, Icon icon, Buttons buttons, const QString &caption)
{
    // The box belongs to the window the user is working in, so that it opens
    // above that window even when the window is kept above all others.
    QMessageBox box(icon == Icon::Critical ? QMessageBox::Critical : QMessageBox::Information, caption, text,
                    QMessageBox::NoButton, QApplication::activeWindow());
    if (buttons == Buttons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    const int answer = box.exec();
    if (buttons == Buttons::Ok)
        return Answer::Ok;
    return answer == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

void QtDesktop::openUrl(const QString &address)
{
    // The desktop starts the browser on its own; whether it managed is not our
    // business, and nothing waits for it.
    QDesktopServices::openUrl(QUrl(address));
}

QDate QtDesktop::today()
{
    return QDate::currentDate();
}

void QtDesktop::seedFromClock()
{
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    m_engine.seed(static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
}

double QtDesktop::nextRandom()
{
    // generate_canonical may round up to exactly 1.0; the callers rely on r < 1.
    const double r = std::generate_canonical<double, 53>(m_engine);
    return r < 1.0 ? r : std::nextafter(1.0, 0.0);
}

QString QtDesktop::lockFilePath()
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    return dir + QLatin1Char('/') + executableName() + QStringLiteral(".lock");
}

bool QtDesktop::anotherCopyRunning()
{
    if (m_lock && m_lock->isLocked())
        return false;
    m_lock = std::make_unique<QLockFile>(lockFilePath());
    // A lock left behind by a copy that was killed names a process that no
    // longer exists; QLockFile takes such a lock over at once.
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0))
        return false;
    return m_lock->error() == QLockFile::LockFailedError;
}

void QtDesktop::endProcess(int status)
{
    if (m_lock)
        m_lock->unlock();
    std::fflush(nullptr);
    ::_exit(status);
}
