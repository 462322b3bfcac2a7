#include "Startup.h"

#include "windows/SharedPaletteStyle.h"

#include <QApplication>
#include <QFont>

#include <csignal>
#include <cstring>

void installFontSubstitutes()
{
#ifndef Q_OS_WIN
    // DejaVu Sans is close to Verdana in shape and width.
    QFont::insertSubstitution(QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"));
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans"));
#endif
}

bool waylandSession()
{
    return !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        || qgetenv("XDG_SESSION_TYPE") == QByteArrayLiteral("wayland");
}

QByteArray preferredPlatform(int argc, const char *const *argv)
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            return {};
    }
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        return {};
    const bool x11 = !qEnvironmentVariableIsEmpty("DISPLAY");
    const bool wayland = waylandSession();
    if (wayland && x11)
        return QByteArrayLiteral("xcb;wayland");
    if (wayland)
        return QByteArrayLiteral("wayland");
#else
    Q_UNUSED(argc);
    Q_UNUSED(argv);
#endif
    return {};
}

void installStyle()
{
    // The application takes the style over and deletes it at the end.
    QApplication::setStyle(new SharedPaletteStyle);
}

void surviveClosedOutput()
{
#ifdef Q_OS_UNIX
    // A handler that does nothing rather than SIG_IGN: an ignored signal
    // stays ignored in the programs we start (the browser), a handler does not.
    struct sigaction action {
    };
    action.sa_handler = [](int) {};
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGPIPE, &action, nullptr);
#endif
}
