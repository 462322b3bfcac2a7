#include "TestSupport.h"
#include "windows/frmDisplay.h"
#include "windows/frmFarewell.h"
#include "windows/frmLauncher.h"
#include "windows/frmMain.h"

#include <QAction>
#include <QCheckBox>
#include <QPushButton>
#include <QWindow>

namespace {

// The title bar's close box: the window system asks the window to close.
void closeBox(QWidget *window)
{
    QVERIFY(window && window->windowHandle());
    window->windowHandle()->close();
}

QStringList sorted(QStringList list)
{
    list.sort();
    return list;
}

// Counts how often the farewell window is put on screen.
class ShowCounter : public QObject
{
public:
    int shows = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && watched->objectName() == QLatin1String("frmFarewell")
            && watched->isWidgetType() && static_cast<QWidget *>(watched)->isWindow())
            ++shows;
        return false;
    }
};

} // namespace

class TestShutdown : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { m_run = std::make_unique<TestRun>(); }
    void cleanup() { m_run.reset(); }

    void transitions_data();
    void transitions();

private:
    void act(const QString &action);
    QStringList visibleWindows() const;
    QStringList hiddenWindows() const;
    std::unique_ptr<TestRun> m_run;
};

void TestShutdown::act(const QString &action)
{
    Forms &forms = m_run->app.forms();
    if (action == QLatin1String("draw")) {
        forms.mainIfLoaded()->chkGoodLuck(4)->setChecked(true);
        QTest::mouseClick(forms.mainIfLoaded()->cmdNext(), Qt::LeftButton);
    } else if (action == QLatin1String("back")) {
        QTest::mouseClick(forms.displayIfLoaded()->cmdOK(), Qt::LeftButton);
    } else if (action == QLatin1String("File Back")) {
        forms.displayIfLoaded()->menuItem(QStringLiteral("mnuFileBack"))->trigger();
    } else if (action == QLatin1String("main close box")) {
        closeBox(forms.mainIfLoaded());
    } else if (action == QLatin1String("main File Exit")) {
        forms.mainIfLoaded()->menuItem(QStringLiteral("mnuExit"))->trigger();
    } else if (action == QLatin1String("result Exit")) {
        QTest::mouseClick(forms.displayIfLoaded()->cmdExit(), Qt::LeftButton);
    } else if (action == QLatin1String("result File Exit")) {
        forms.displayIfLoaded()->menuItem(QStringLiteral("mnuExit"))->trigger();
    } else if (action == QLatin1String("result close box")) {
        closeBox(forms.displayIfLoaded());
    } else if (action == QLatin1String("farewell Exit")) {
        QTest::mouseClick(forms.farewellIfLoaded()->cmdClose(), Qt::LeftButton);
    } else if (action == QLatin1String("farewell close box")) {
        closeBox(forms.farewellIfLoaded());
    } else {
        QFAIL(qPrintable(QStringLiteral("unknown action ") + action));
    }
    flushDeletes();
}

QStringList TestShutdown::visibleWindows() const
{
    QStringList names;
    for (const QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible())
            names.append(widget->objectName());
    }
    return sorted(names);
}

QStringList TestShutdown::hiddenWindows() const
{
    QStringList names;
    for (Form *form : m_run->app.forms().loaded()) {
        if (!form->widget()->isVisible())
            names.append(form->widget()->objectName());
    }
    return sorted(names);
}

void TestShutdown::transitions_data()
{
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<QStringList>("states"); // the state after each action

    auto row = [](const char *name, std::initializer_list<const char *> actions,
                  std::initializer_list<const char *> states) {
        QStringList a, s;
        for (const char *action : actions)
            a.append(QString::fromLatin1(action));
        for (const char *state : states)
            s.append(QString::fromLatin1(state));
        QTest::newRow(name) << a << s;
    };
    row("main close box, farewell Exit", {"main close box", "farewell Exit"}, {"Farewell", "Ended"});
    row("main File Exit, farewell close box", {"main File Exit", "farewell close box"}, {"Farewell", "Ended"});
    row("result Exit, farewell Exit", {"draw", "result Exit", "farewell Exit"}, {"Result", "Farewell", "Ended"});
    row("result File Exit, farewell close box", {"draw", "result File Exit", "farewell close box"},
        {"Result", "Farewell", "Ended"});
    row("result close box, farewell close box", {"draw", "result close box", "farewell close box"},
        {"Result", "Farewell", "Ended"});
    row("back, then main close box", {"draw", "back", "main close box", "farewell Exit"},
        {"Result", "Main", "Farewell", "Ended"});
    row("File Back, draw again, result close box", {"draw", "File Back", "draw", "result close box", "farewell Exit"},
        {"Result", "Main", "Result", "Farewell", "Ended"});
    row("back twice, then main File Exit", {"draw", "back", "draw", "back", "main File Exit", "farewell close box"},
        {"Result", "Main", "Result", "Main", "Farewell", "Ended"});
}

void TestShutdown::transitions()
{
    QFETCH(QStringList, actions);
    QFETCH(QStringList, states);
    QCOMPARE(actions.size(), states.size());

    FakeDesktop &desktop = m_run->desktop;
    Forms &forms = m_run->app.forms();
    ShowCounter counter;
    qApp->installEventFilter(&counter);
    auto removeFilter = qScopeGuard([&counter] { qApp->removeEventFilter(&counter); });

    forms.launcher(); // the start-up sequence
    QCOMPARE(visibleWindows(), QStringList(QStringLiteral("frmMain")));
    QCOMPARE(desktop.seeds, 1);

    QString state = QStringLiteral("Main");
    QPointer<frmFarewell> farewell; // the one instance, once loaded
    for (qsizetype step = 0; step < actions.size(); ++step) {
        const QString previous = state;
        const int showsBefore = counter.shows;
        act(actions[step]);
        state = states[step];
        const QString where = QStringLiteral("after %1 (step %2)").arg(actions[step]).arg(step + 1);

        if (!farewell)
            farewell = forms.farewellIfLoaded();
        QVERIFY2(farewell, qPrintable(where));
        QCOMPARE(forms.farewellIfLoaded(), farewell.data());
        // Loaded once: the start-up seed and the farewell window's own.
        QCOMPARE(desktop.seeds, 2);

        if (state == QLatin1String("Ended")) {
            QCOMPARE(desktop.endStatus, std::optional<int>(0));
            QCOMPARE(desktop.log.count(QStringLiteral("end")), 1);
            QCOMPARE(desktop.log.last(), QStringLiteral("end"));
            // The final walk unloaded the main window too.
            QVERIFY2(!forms.mainIfLoaded(), qPrintable(where));
            continue;
        }
        QVERIFY2(!desktop.endStatus, qPrintable(where));

        QStringList visible, hidden = {QStringLiteral("frmLauncher")};
        if (state == QLatin1String("Main")) {
            visible = {QStringLiteral("frmMain")};
            hidden.append(QStringLiteral("frmFarewell"));
            QVERIFY2(!forms.displayIfLoaded(), qPrintable(where));
        } else if (state == QLatin1String("Result")) {
            visible = {QStringLiteral("frmDisplay")};
            hidden << QStringLiteral("frmMain") << QStringLiteral("frmFarewell");
            // The draw loads the farewell window, or finds it, but never shows it.
            QVERIFY2(counter.shows == showsBefore, qPrintable(where));
        } else if (state == QLatin1String("Farewell")) {
            visible = {QStringLiteral("frmFarewell")};
            if (previous == QLatin1String("Result"))
                hidden.append(QStringLiteral("frmMain"));
            QVERIFY(farewell->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        }
        QCOMPARE(visibleWindows(), visible);
        QCOMPARE(hiddenWindows(), sorted(hidden));
    }
    QCOMPARE(state, QStringLiteral("Ended"));
}

QVO_TEST_MAIN(TestShutdown)
#include "tst_shutdown.moc"
