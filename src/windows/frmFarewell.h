#pragma once

#include "FormWindow.h"

#include <QStringList>
#include <array>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QKeyEvent;
class QPushButton;
class LinkLabel;

// The last window of a run: a word of thanks, links to the maker's site, a
// form that recommends the program to a friend, and Exit, which ends the run.
class frmFarewell : public FormWindow
{
    Q_OBJECT
public:
    explicit frmFarewell(App &app);

    // The run's one farewell window, shown modeless or hidden; either loads it
    // first when it is not loaded yet, which runs its load step.
    static void Show(App &app);
    static void Hide(App &app);

    // The working windows' unload step: shows this window. When it cannot be
    // shown the run ends here rather than go on with no window at all.
    static void showForShutdown(App &app);

    void Form_Load() override;
    void Form_Unload() override;

    void cmdClose_Click();
    void cmdSubmit_Click();
    void Check1_Click();
    void lblGoToHome_Click();

    QLabel *Label2() const { return m_label2; }
    QPushButton *Check1() const { return m_check1; }
    QPushButton *cmdClose() const { return m_cmdClose; }
    QPushButton *cmdSubmit() const { return m_cmdSubmit; }
    QLineEdit *txtName() const { return m_txtName; }
    QLineEdit *txtEmail() const { return m_txtEmail; }
    QPlainTextEdit *txtMessage() const { return m_txtMessage; }
    QLineEdit *txtFriendName() const { return m_txtFriendName; }
    QLineEdit *txtFriendEmail() const { return m_txtFriendEmail; }

    // The four texts asking the user's support; the load step shows one.
    static QStringList supportingTexts();

    static std::span<const design::Control> designTable();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct TextBox {
        QWidget *widget;
        QString placeholder;
    };
    QString textOf(const TextBox &box) const;
    void setTextOf(const TextBox &box, const QString &text);
    void ClearPlaceholder(const TextBox &box);
    void ShowPlaceholder(const TextBox &box);
    void GotFocus(const TextBox &box);
    void LostFocus(const TextBox &box);
    // Whether the key is refused: an e-mail address holds no space.
    bool txtEmail_KeyPress(const QKeyEvent *event);
    bool txtFriendEmail_KeyPress(const QKeyEvent *event);
    bool refuseSpace(QWidget *box, const QKeyEvent *event);

    QLabel *m_label2 = nullptr;
    QLabel *m_picFarewellIcon = nullptr;
    QLabel *m_lblFarewellCaption = nullptr;
    QPushButton *m_check1 = nullptr;
    QPushButton *m_cmdClose = nullptr;
    QPushButton *m_cmdSubmit = nullptr;
    QLineEdit *m_txtName = nullptr;
    QLineEdit *m_txtEmail = nullptr;
    QPlainTextEdit *m_txtMessage = nullptr;
    QLineEdit *m_txtFriendName = nullptr;
    QLineEdit *m_txtFriendEmail = nullptr;
    std::array<TextBox, 5> m_boxes{};
};
