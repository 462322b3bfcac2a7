#pragma once

#include <QAbstractNativeEventFilter>
#include <QList>
#include <QObject>
#include <QPointer>

class App;
class QWidget;

// Another program on the X server may destroy one of our windows outright
// (xdotool windowclose does), or unmap it (xdotool windowunmap). Qt does not
// notice: the window stays "visible" to it and the run would go on with
// nothing on screen. This watcher notices, and makes sure the run never goes
// on without a window a person can see or reach:
//
// - a window unmapped by someone else, and not minimised, is mapped again;
//   a modal box or dialog taken off the screen so is dismissed instead, as
//   if it had been destroyed;
// - a window lost while hidden gets a new native window the next time it is
//   shown, so that it can still come back (the main window after Back);
// - a modal box or dialog that is lost is dismissed, as its close box would,
//   so that the windows below it can be used again;
// - once no window of ours is left on screen, the run ends, the one way it
//   ends (App::UnloadAllAndEnd).
class LostWindowWatcher final : public QObject, public QAbstractNativeEventFilter
{
    Q_OBJECT
public:
    explicit LostWindowWatcher(App &app);
    ~LostWindowWatcher() override;

    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void windowLost(QWidget *window);
    void lookAtUnmapped();
    void checkSoon();
    void check();

    App &m_app;
    QList<QPointer<QWidget>> m_lostInView; // lost while on screen: no longer seen
    QList<quint32> m_lostIds; // X errors about these windows are expected
    QList<QPointer<QWidget>> m_unmapped; // unmapped while Qt shows them, not yet looked at
    bool m_checkQueued = false;
};
