#include "app/App.h"
#include "app/LostWindowWatcher.h"
#include "app/Startup.h"
#include "links/SettingsStore.h"
#include "platform/QtDesktop.h"
#include "windows/FormWindow.h"
#include "windows/frmLauncher.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
#ifdef QVO_DESKTOP_ID
    QGuiApplication::setDesktopFileName(QStringLiteral(QVO_DESKTOP_ID));
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
