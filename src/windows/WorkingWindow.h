#pragma once

#include "FormWindow.h"

#include <QHash>

class QAction;

// What the main window and the result window have in common: the Help and
// Donate commands of their menu bars, the promotional link labels, and the
// unload step that hands over to the farewell window.
class WorkingWindow : public FormWindow
{
    Q_OBJECT
public:
    WorkingWindow(App &app, const Options &options, std::span<const design::Control> table,
                  std::span<const design::MenuEntry> menu);

    // Shows the farewell window; the closing window goes all the same.
    void Form_Unload() override;

    void mnuExit_Click();
    void mnuOnline_Click();
    void mnuVisit_Click();
    void mnuUpdate_Click();
    void mnuAbout_Click();
    void mnuDonate_Click();
    void mkmoney_Click();
    void Label61_Click();
    void lblCobrand_Click();
    void lblFullBrand_Click();

    QAction *menuItem(const QString &name) const { return m_menu.value(name); }

protected:
    // Runs the handler when the named menu item is chosen.
    template<class Window>
    void onMenu(const char *name, void (Window::*handler)())
    {
        connect(menuItem(QString::fromLatin1(name)), &QAction::triggered, static_cast<Window *>(this), handler);
    }

private:
    QHash<QString, QAction *> m_menu;
};

// The two promotional offers at the foot of both working windows.
inline constexpr const char *kFullBrandText = "Home Business Opportunity. Start your own Internet business and make "
                                              "money online. Get this software fully branded for your website. Click "
                                              "here for more details.";
inline constexpr const char *kCobrandText =
    "Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site's name &&  "
    "link here. See \"Help\" for details.    Click Here for more info on co-branding.";

// The advertisement for the maker's discussion board that heads both working
// windows; the main window's longer one ends with an invitation to visit.
QString boardAdvertisement(bool invitation);
