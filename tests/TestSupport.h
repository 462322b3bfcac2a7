#pragma once

#include "FakeDesktop.h"
#include "app/App.h"
#include "app/Startup.h"
#include "links/SettingsStore.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QWindow>
#include <QTest>
#include <memory>

// One run of the program against a fake desktop and a settings file of its
// own; a fresh one per test case, so nothing leaks from case to case.
struct TestRun {
    QTemporaryDir dir;
    FakeDesktop desktop;
    SettingsStore settings{dir.filePath(QStringLiteral("settings.ini"))};
    App app{desktop, settings};

    QString settingsFile() const { return dir.filePath(QStringLiteral("settings.ini")); }
};

// Destroys the windows that were unloaded, as the event loop would.
inline void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// A real click in the middle of a control, routed by its window to whichever
// control lies on top there.
inline void clickAt(QWidget *control)
{
    QWidget *window = control->window();
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, control->mapTo(window, control->rect().center()));
}

// A QTest main that draws the program's fonts as the program itself does.
#define QVO_TEST_MAIN(TestClass)                                                                                       \
    int main(int argc, char *argv[])                                                                                   \
    {                                                                                                                  \
        QApplication app(argc, argv);                                                                                  \
        QApplication::setQuitOnLastWindowClosed(false);                                                                \
        installFontSubstitutes();                                                                                      \
        installStyle();                                                                                                \
        TestClass test;                                                                                                \
        return QTest::qExec(&test, argc, argv);                                                                        \
    }
