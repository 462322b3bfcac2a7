#pragma once

#include "FormWindow.h"

class QPushButton;

// A small modal window naming the program, with two links to the maker's
// site. Made afresh each time it is opened.
class frmAbout : public FormWindow
{
    Q_OBJECT
public:
    explicit frmAbout(App &app);

    void cmdOK_Click();
    void lblHomePage_Click();
    void lblCobrand_Click();

    QPushButton *cmdOK() const { return m_cmdOK; }

    static std::span<const design::Control> designTable();

protected:
    void reject() override;

private:
    QPushButton *m_cmdOK = nullptr;
};
