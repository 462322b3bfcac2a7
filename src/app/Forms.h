#pragma once

#include <QList>
#include <QPointer>
#include <QObject>

class App;
class Form;
class frmLauncher;
class frmMain;
class frmDisplay;
class frmFarewell;

// The loaded windows of one run. A window is created from its design the
// first time it is asked for, and its load step runs then; the registry keeps
// the windows in load order for the end of the run, and unloading runs the
// window's unload step and destroys it once the current handler is finished.
class Forms
{
public:
    explicit Forms(App &app);
    ~Forms();
    Forms(const Forms &) = delete;
    Forms &operator=(const Forms &) = delete;

    frmLauncher *launcher();
    frmMain *main();
    frmDisplay *display();
    frmFarewell *farewell();

    // The same windows without creating them: nullptr when not loaded.
    frmLauncher *launcherIfLoaded() const;
    frmMain *mainIfLoaded() const;
    frmDisplay *displayIfLoaded() const;
    frmFarewell *farewellIfLoaded() const;

    // Shows a fresh about window modally and returns once it is closed.
    void showAbout();

    QList<Form *> loaded() const { return m_loaded; }

    // Runs the unload step and destroys the window. Returns false when the
    // window is not loaded or is already being unloaded.
    bool unload(Form *form);

private:
    template<class T>
    T *load(T *&slot);
    void forget(Form *form);

    App &m_app;
    QList<Form *> m_loaded;
    QList<Form *> m_unloading;
    QList<QPointer<QObject>> m_dying;
    frmLauncher *m_launcher = nullptr;
    frmMain *m_main = nullptr;
    frmDisplay *m_display = nullptr;
    frmFarewell *m_farewell = nullptr;
};
