#pragma once

#include "WorkingWindow.h"
#include "symbols/SymbolCatalog.h"

#include <array>

class QGroupBox;
class QLabel;
class QPushButton;
class LinkLabel;

// The result window: one panel per tradition with the drawn symbol's
// picture, name and description, and a button per tradition that brings its
// panel to the front. It lives from a draw until Back or Exit.
class frmDisplay : public WorkingWindow
{
    Q_OBJECT
public:
    explicit frmDisplay(App &app);

    struct Panel {
        QGroupBox *frame = nullptr;
        QLabel *picture = nullptr;
        QLabel *name = nullptr;
        QLabel *description = nullptr;
    };

    void cmdGoodLuck_Click(int Index);
    void cmdOK_Click();
    void cmdExit_Click();
    void mnuFileBack_Click();

    QPushButton *cmdGoodLuck(int index) const { return m_cmdGoodLuck[index]; }
    QPushButton *cmdOK() const { return m_cmdOK; }
    QPushButton *cmdExit() const { return m_cmdExit; }
    const Panel &panel(SymbolType type) const { return m_panels[indexOf(type)]; }

    // Puts a drawn symbol into its tradition's panel.
    void showSymbol(SymbolType type, const SymbolEntry &entry);

    // The picture box and the name label size themselves to what they show.
    void setPicture(SymbolType type, const QPixmap &picture);
    void setSymbolName(SymbolType type, const QString &name);

    static std::span<const design::Control> designTable();
    static std::span<const design::MenuEntry> menuTable();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void reject() override;
    void closeBox() override;

private:
    void describeFrontPanel();

    std::array<QPushButton *, kSymbolTypeCount> m_cmdGoodLuck{};
    std::array<Panel, kSymbolTypeCount> m_panels{};
    QPushButton *m_cmdOK = nullptr;
    QPushButton *m_cmdExit = nullptr;
};
