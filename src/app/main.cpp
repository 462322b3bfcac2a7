#include "app/App.h"
#include "app/CommandLine.h"
#include "app/LostWindowWatcher.h"
#include "app/Startup.h"
#include "links/SettingsStore.h"
#include "platform/QtDesktop.h"
#include "windows/FormWindow.h"
#include "windows/frmLauncher.h"

#include <QApplication>

#include <vector>

int main(int argc, char *argv[])
{
    // A closed stderr (or stdout, for --help) must never end the program.
    surviveClosedOutput();
    // Before QApplication, which needs a display: --help and --version work
    // anywhere, and a second copy's message is not shown for them.
    if (const std::optional<int> status = handleCommandLine(argc, argv))
        return *status;

    // The platform goes on the command line rather than into the environment,
    // so that the browser and whatever else the program starts choose their
    // own.
    QByteArray platform = preferredPlatform(argc, argv);
    QByteArray platformOption("-platform");
    std::vector<char *> arguments(argv, argv + argc);
    if (!platform.isEmpty())
        arguments.insert(arguments.begin() + 1, {platformOption.data(), platform.data()});
    int count = static_cast<int>(arguments.size());
    arguments.push_back(nullptr);
    QApplication application(count, arguments.data());
#ifdef QVO_DESKTOP_ID
    // One name for the desktop entry, the Wayland app id and the class of the
    // X11 windows (Qt takes WM_CLASS's class from the application name), so
    // that docks and task switchers match the windows to the entry.
    QGuiApplication::setDesktopFileName(QStringLiteral(QVO_DESKTOP_ID));
    QCoreApplication::setApplicationName(QStringLiteral(QVO_DESKTOP_ID));
#endif
    installFontSubstitutes();
    installStyle();
    // Message boxes carry the program's icon too.
    QApplication::setWindowIcon(applicationIcon());
    // Closing the last window does not end the run; the farewell window does.
    QApplication::setQuitOnLastWindowClosed(false);

    QtDesktop desktop;
    SettingsStore settings;
    App app(desktop, settings);
    // Ends the run should another program destroy the last of our windows.
    LostWindowWatcher watcher(app);
    app.forms().launcher();
    return QApplication::exec();
}
