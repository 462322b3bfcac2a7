#include "FormWindow.h"

#include "app/App.h"
#include "links/modHelp.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QVBoxLayout>

QIcon applicationIcon()
{
    // One icon for the whole run. An icon made afresh from the file is a new
    // icon to Qt's pixmap cache, which keeps its pictures under a key of their
    // own; with a new result window on every draw that cache grew by one icon
    // per draw until it was full.
    static const QIcon icon(QStringLiteral(":/icon/qv-orbalin-32.png"));
    return icon;
}

FormWindow::FormWindow(App &app, const Options &options, std::span<const design::Control> table)
    : QDialog(nullptr,
              (options.normalWindow ? Qt::Window : Qt::Dialog) | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                  | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , Form(app)
{
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
    QPalette palette = m_client->palette();
    palette.setColor(QPalette::Window, design::colour(options.background));
    m_client->setPalette(palette);
    m_client->setAutoFillBackground(true);
    layout->addWidget(m_client);

    m_controls = design::build(m_client, table);
    m_tabOrder = TabOrder(m_controls, table);
}

void FormWindow::setVisible(bool visible)
{
    if (visible && !m_placed) {
        m_placed = true;
        adjustSize();
        if (const QScreen *screen = QGuiApplication::primaryScreen()) {
            const QRect available = screen->availableGeometry();
            move(available.center() - rect().center());
        }
    }
    // The window opens with the focus on the first control in tab order.
    if (visible && !isVisible() && !focusWidget()) {
        if (QWidget *first = m_tabOrder.firstFocusable())
            first->setFocus();
    }
    QDialog::setVisible(visible);
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
