#include "Forms.h"

#include "App.h"
#include "Form.h"
#include "windows/frmAbout.h"
#include "windows/frmDisplay.h"
#include "windows/frmFarewell.h"
#include "windows/frmLauncher.h"
#include "windows/frmMain.h"

#include <QWidget>

Forms::Forms(App &app)
    : m_app(app)
{
}

Forms::~Forms()
{
    // The run is over: destroy what is left without running unload steps.
    const QList<Form *> left = m_loaded;
    m_loaded.clear();
    m_launcher = nullptr;
    m_main = nullptr;
    m_display = nullptr;
    m_farewell = nullptr;
    for (Form *form : left)
        delete form->widget();
    for (const QPointer<QObject> &dying : std::as_const(m_dying))
        delete dying.data();
}

template<class T>
T *Forms::load(T *&slot)
{
    if (!slot) {
        slot = new T(m_app);
        m_loaded.append(slot);
        slot->Form_Load();
    }
    return slot;
}

frmLauncher *Forms::launcher()
{
    return load(m_launcher);
}

frmMain *Forms::main()
{
    return load(m_main);
}

frmDisplay *Forms::display()
{
    return load(m_display);
}

frmFarewell *Forms::farewell()
{
    return load(m_farewell);
}

frmLauncher *Forms::launcherIfLoaded() const
{
    return m_launcher;
}

frmMain *Forms::mainIfLoaded() const
{
    return m_main;
}

frmDisplay *Forms::displayIfLoaded() const
{
    return m_display;
}

frmFarewell *Forms::farewellIfLoaded() const
{
    return m_farewell;
}

void Forms::showAbout()
{
    // The about window is made afresh each time and gone once closed.
    auto *about = new frmAbout(m_app);
    m_loaded.append(about);
    about->exec();
    if (m_loaded.contains(about)) {
        forget(about);
        delete about;
    }
}

bool Forms::unload(Form *form)
{
    if (!m_loaded.contains(form) || m_unloading.contains(form))
        return false;
    m_unloading.append(form);
    form->Form_Unload();
    if (m_app.hasEnded())
        return true; // the process has ended inside the unload step
    QWidget *window = form->widget();
    forget(form);
    window->hide();
    // A handler of this very window may still be running: destroy it once
    // control is back in the event loop.
    m_dying.removeAll(nullptr);
    m_dying.append(window);
    window->deleteLater();
    return true;
}

void Forms::forget(Form *form)
{
    m_loaded.removeAll(form);
    m_unloading.removeAll(form);
    if (form == m_launcher)
        m_launcher = nullptr;
    if (form == m_main)
        m_main = nullptr;
    if (form == m_display)
        m_display = nullptr;
    if (form == m_farewell)
        m_farewell = nullptr;
}
