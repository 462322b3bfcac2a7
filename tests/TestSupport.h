#pragma once

#include "FakeDesktop.h"
#include "app/App.h"
#include "app/Startup.h"
#include "links/SettingsStore.h"

#include <QApplication>
#include <QTemporaryDir>
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

// A QTest main that draws the program's fonts as the program itself does.
#define QVO_TEST_MAIN(TestClass)                                                                                       \
    int main(int argc, char *argv[])                                                                                   \
    {                                                                                                                  \
        QApplication app(argc, argv);                                                                                  \
        QApplication::setQuitOnLastWindowClosed(false);                                                                \
        installFontSubstitutes();                                                                                      \
        TestClass test;                                                                                                \
        return QTest::qExec(&test, argc, argv);                                                                        \
    }
