#pragma once

#include "Design.h"
#include "TabOrder.h"
#include "app/Form.h"

#include <QDialog>
#include <QPointer>
#include <span>

class QMenuBar;

// A window of the program built from its design: a fixed-size client area
// (below an optional menu bar) holding the controls of one design table, the
// application icon and title, a frame that cannot be resized, centred on the
// screen when it is first shown. Closing it with the title bar unloads it.
class FormWindow : public QDialog, public Form
{
    Q_OBJECT
public:
    struct Options {
        QSize clientTwips;
        bool menuBar = false;
        bool normalWindow = false; // a main window rather than a dialog
        int background = 0xFFFFFF;
    };

    FormWindow(App &app, const Options &options, std::span<const design::Control> table);

    QWidget *widget() override { return this; }

    QWidget *client() const { return m_client; }
    QMenuBar *formMenuBar() const { return m_menuBar; }
    const design::Widgets &controls() const { return m_controls; }
    TabOrder &tabOrder() { return m_tabOrder; }

    void setVisible(bool visible) override;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    // Esc; does nothing unless the window has a cancel button.
    void reject() override;

    // The title bar's close box: unload, as the window's own Exit would.
    virtual void closeBox();

private:
    QPoint centredPosition(const QMargins &frame) const;

    QWidget *m_client = nullptr;
    QMenuBar *m_menuBar = nullptr;
    design::Widgets m_controls;
    TabOrder m_tabOrder;
    bool m_placed = false;
    // Where the focus was when the window was last hidden.
    QPointer<QWidget> m_focusWhenHidden;
    QPoint m_centredAt;
};

// The application icon every window carries, and what it shows, for those
// who cannot see it.
QIcon applicationIcon();
inline const QString kApplicationIconName = QStringLiteral("QV Orbalin icon: a white thumbs-up on a green square");
