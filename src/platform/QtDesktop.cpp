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
    QWidget *owner = QApplication::activeWindow();
    QMessageBox box(icon == Icon::Critical ? QMessageBox::Critical : QMessageBox::Information, caption, text,
                    QMessageBox::NoButton, owner);
    // A box of no window of ours (a second copy's refusal, the question
    // before the first window) may have to show above windows kept above
    // everything, such as the running copy's farewell window: it asks to be
    // kept above too, and the newest of those lies on top.
    if (!owner)
        box.setWindowFlag(Qt::WindowStaysOnTopHint, true);
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
    // Qt hands back no folder when neither the user's runtime folder nor the
    // one it would make in its place can be used; the guard then cannot check.
    // A relative XDG_RUNTIME_DIR is to be ignored: it would put the lock in
    // whatever folder the program was started from.
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    const bool relative = !runtime.isEmpty() && !runtime.startsWith('/');
    if (relative)
        qunsetenv("XDG_RUNTIME_DIR");
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (relative)
        qputenv("XDG_RUNTIME_DIR", runtime);
    if (dir.isEmpty())
        return QString();
    return dir + QLatin1Char('/') + executableName() + QStringLiteral(".lock");
}

bool QtDesktop::anotherCopyRunning()
{
    switch (m_guard.claim(lockFilePath())) {
    case SingleCopyGuard::Outcome::Held:
        return false;
    case SingleCopyGuard::Outcome::Refused:
        return true;
    case SingleCopyGuard::Outcome::Unchecked:
        break;
    }
    // No copy is known to run, so this one starts; the user may want to know
    // why a second copy could start beside it.
    std::fprintf(stderr, "%s: could not check whether another copy is running (%s); starting all the same\n",
                 qPrintable(executableName()), qPrintable(m_guard.problem()));
    return false;
}

void QtDesktop::endProcess(int status)
{
    // The kernel lets go of the single-copy lock as the process ends.
    std::fflush(nullptr);
    ::_exit(status);
}
