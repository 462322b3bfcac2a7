#pragma once

#include "Forms.h"
#include "links/modHelp.h"
#include "links/modTellAFriend.h"
#include "symbols/modGoodLuckSymbol.h"

class Desktop;
class SettingsStore;

// One run of the program: the desktop it talks to, the settings store, the
// module data and the loaded windows. Tests build a fresh one per case.
class App
{
public:
    App(Desktop &desktop, SettingsStore &settings);
    ~App();
    App(const App &) = delete;
    App &operator=(const App &) = delete;

    Desktop &desktop() { return m_desktop; }
    SettingsStore &settings() { return m_settings; }
    modHelp &help() { return m_help; }
    modGoodLuckSymbol &symbols() { return m_symbols; }
    modTellAFriend &tellAFriend() { return m_tellAFriend; }
    Forms &forms() { return m_forms; }

    // The one way the program ends: unloads every loaded window in load
    // order, then ends the process with status 0.
    void UnloadAllAndEnd();
    bool hasEnded() const { return m_ended; }

private:
    Desktop &m_desktop;
    SettingsStore &m_settings;
    modHelp m_help;
    modGoodLuckSymbol m_symbols;
    modTellAFriend m_tellAFriend;
    bool m_ended = false;
    Forms m_forms; // last: windows go before the modules they use
};
