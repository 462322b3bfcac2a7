#include "FormWindow.h"

#include "Accessibility.h"
#include "app/App.h"
#include "app/Startup.h"
#include "links/modHelp.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <QVBoxLayout>

QIcon applicationIcon()
{
    // One icon for the whole run. An icon made afresh from the file is a new
    // icon to Qt's pixmap cache, which keeps its pictures under a key of their
    // own; with a new result window on every draw that cache grew by one icon
    // per draw until it was full. It holds every size drawn for it, so that
    // neither a dock nor a picture box at twice the scale blows up a small one.
    static const QIcon icon = [] {
        QIcon sizes(QStringLiteral(":/icon/qv-orbalin-32.png"));
        for (int size : {16, 24, 48, 64, 128, 256})
            sizes.addFile(QStringLiteral(":/icon/hicolor/%1x%1/apps/qv-orbalin.png").arg(size), QSize(size, size));
        return sizes;
    }();
    return icon;
}

FormWindow::FormWindow(App &app, const Options &options, std::span<const design::Control> table)
    : QDialog(nullptr,
              (options.normalWindow ? Qt::Window : Qt::Dialog) | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                  | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , Form(app)
{
    accessibility::install();
    setWindowTitle(kWindowTitle);
    setWindowIcon(applicationIcon());
    setFont(design::font(design::kRegular));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    if (options.menuBar) {
        m_menuBar = new QMenuBar(this);
        m_menuBar->setObjectName(QStringLiteral("menuBar"));
        layout->setMenuBar(m_menuBar);
    }
    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("client"));
    m_client->setFixedSize(design::pixels(options.clientTwips.width()), design::pixels(options.clientTwips.height()));
    // The form is the design's own colour, and so is everything on it: the
    // texts, faces and boxes the design gives no colour take the classic
    // ones that go with a white or purple form, never a scheme's white text.
    // The menu bar outside it follows the scheme.
    QPalette palette = design::classicPalette();
    palette.setColor(QPalette::Window, design::colour(options.background));
    m_client->setPalette(palette);
    m_client->setAutoFillBackground(true);
    layout->addWidget(m_client);

    m_controls = design::build(m_client, table);
    m_tabOrder = TabOrder(m_controls, table);
    // A dialog makes every push button a default button while it has the
    // focus, and the last one focused stays the default: Enter in a check box
    // or a text box would press it. Here only the button a window names as
    // its default is one; keyPressEvent() lets a focused button take Enter.
    for (QPushButton *button : m_client->findChildren<QPushButton *>())
        button->setAutoDefault(false);
}

namespace {

// An X11 window on a Wayland desktop, shown through XWayland.
bool onXWayland() { return QGuiApplication::platformName() == QLatin1String("xcb") && waylandSession(); }

// Some compositors (weston among them) now and then place an X11 window that
// maps before they are ready for it where they like, ignoring the position
// it asked for; a position asked for again once the window is on screen is
// honoured. The pause lets the compositor put the window up first.
constexpr int kPlacementSettleMs = 250;

// The window manager's frame around our windows, as last seen on one of
// them. Until a window is on screen nobody knows how big the frame will be;
// every window after the first is placed with the frame the first one got.
QMargins s_frame;

} // namespace

QPoint FormWindow::centredPosition(const QMargins &frame) const
{
    // A window's position is where its frame begins; the frame, title bar
    // included, is what the user sees centred.
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return pos();
    const QRect available = screen->availableGeometry();
    const QSize outer = size().grownBy(frame);
    return available.topLeft()
        + QPoint((available.width() - outer.width()) / 2, (available.height() - outer.height()) / 2);
}

void FormWindow::setVisible(bool visible)
{
    const bool placing = visible && !m_placed;
    if (placing) {
        m_placed = true;
        adjustSize();
        m_centredAt = centredPosition(s_frame);
        move(m_centredAt);
    }
    // The window opens with the focus on the first control in tab order, and
    // opens again with it where it was when the window was hidden: hiding a
    // window moves its focus on to the next control, which would otherwise
    // hold it when the window comes back.
    if (visible && !isVisible()) {
        QWidget *focus = m_focusWhenHidden ? m_focusWhenHidden.data() : focusWidget();
        if (!focus || !focus->isEnabled() || focus->focusPolicy() == Qt::NoFocus)
            focus = m_tabOrder.firstFocusable();
        if (focus)
            focus->setFocus();
    } else if (!visible && isVisible()) {
        m_focusWhenHidden = focusWidget();
    }
    QDialog::setVisible(visible);
    if (placing && windowHandle())
        windowHandle()->installEventFilter(this);
}

bool FormWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == windowHandle() && event->type() == QEvent::Expose && windowHandle()->isExposed()) {
        windowHandle()->removeEventFilter(this);
        // Now the frame is known. Should it differ from the one the window
        // was placed for, the window moves once to be centred with it.
        const QMargins frame = windowHandle()->frameMargins();
        if (frame != s_frame) {
            s_frame = frame;
            if (pos() == m_centredAt) {
                m_centredAt = centredPosition(frame);
                move(m_centredAt);
            }
        }
        if (!onXWayland())
            return QDialog::eventFilter(watched, event);
        QTimer::singleShot(kPlacementSettleMs, this, [this] {
            // Once, and only where the window still is where it was put: a
            // window the user has moved stays where the user left it. The
            // same position again would be no request at all.
            if (!isVisible() || pos() != m_centredAt)
                return;
            move(m_centredAt + QPoint(1, 0));
            move(m_centredAt);
        });
    }
    return QDialog::eventFilter(watched, event);
}

void FormWindow::keyPressEvent(QKeyEvent *event)
{
    // Enter on a focused push button presses it, as Space does; anywhere else
    // it presses the window's default button, if it has one. A button drawn as
    // a check box is a check box: Enter leaves it alone.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (enter && modifiers == Qt::NoModifier) {
        auto *button = qobject_cast<QPushButton *>(focusWidget());
        if (button && button->isEnabled() && !button->isCheckable() && button->window() == this) {
            button->click();
            return;
        }
    }
    QDialog::keyPressEvent(event);
}

void FormWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    closeBox();
}

void FormWindow::reject()
{
}

void FormWindow::closeBox()
{
    m_app.forms().unload(this);
}
