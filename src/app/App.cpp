#include "App.h"

#include "Form.h"
#include "platform/Desktop.h"

App::App(Desktop &desktop, SettingsStore &settings)
    : m_desktop(desktop)
    , m_settings(settings)
    , m_help(desktop, settings)
    , m_tellAFriend(desktop, m_help)
    , m_forms(*this)
{
}

App::~App() = default;

void App::UnloadAllAndEnd()
{
    // Unload steps may call back in here (the launcher's and the farewell
    // window's do); the innermost call finishes the job and the outer walks
    // stop where they are.
    const QList<Form *> windows = m_forms.loaded();
    for (Form *form : windows) {
        if (m_ended)
            return;
        m_forms.unload(form); // a window already on its way out is passed over
    }
    if (m_ended)
        return;
    m_ended = true;
    m_desktop.endProcess(0);
}
