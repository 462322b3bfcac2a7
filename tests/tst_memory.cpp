#include "TestSupport.h"
#include "windows/frmDisplay.h"
#include "windows/frmMain.h"

#include <QCheckBox>
#include <QFile>

#include <malloc.h>

namespace {

// Bytes the program has taken from the heap and not given back.
qint64 heapInUse() { return qint64(mallinfo2().uordblks); }

qint64 residentBytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong() * 1024;
    }
    return -1;
}

} // namespace

// Draw after draw the program's memory stays where it was. Each draw makes a
// new result window and Back destroys it; on a real X display every window
// also brings native resources and asks Qt for its icon's pictures, which
// under offscreen never happens. Run by tests/smoke/under-x.sh.
class TestMemory : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void drawAndBackLeaveNothingBehind();
};

void TestMemory::drawAndBackLeaveNothingBehind()
{
#if defined(__SANITIZE_ADDRESS__)
    QSKIP("the address sanitizer holds on to freed memory; the release build measures");
#endif
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
    TestRun run;
    frmMain *main = run.app.forms().main();
    main->show();
    QVERIFY(QTest::qWaitForWindowExposed(main));
    for (int i = 0; i < kSymbolTypeCount; ++i)
        main->chkGoodLuck(i)->setChecked(true);
    // Each window on screen and painted before the next step, as a person
    // clicking would see them.
    const auto cycles = [&run, main](int count) {
        for (int i = 0; i < count; ++i) {
            main->cmdNext_Click();
            frmDisplay *display = run.app.forms().display();
            if (!QTest::qWaitForWindowExposed(display))
                return false;
            QCoreApplication::processEvents();
            display->cmdOK_Click();
            flushDeletes();
            if (!QTest::qWaitForWindowExposed(main))
                return false;
            QCoreApplication::processEvents();
        }
        return true;
    };

    QVERIFY(cycles(10));
    const qint64 heap = heapInUse();
    const qint64 resident = residentBytes();
    QVERIFY(cycles(1000));
    const qint64 heapGrowth = heapInUse() - heap;
    const qint64 residentGrowth = residentBytes() - resident;
    qInfo("after 10 and 1,010 draw/Back cycles: heap in use %+lld KiB, resident %+lld KiB", heapGrowth / 1024,
          residentGrowth / 1024);
    QVERIFY2(heapGrowth < 1024 * 1024, "the heap grew by a MiB or more");
    QVERIFY2(residentGrowth < 2 * 1024 * 1024, "resident memory grew by two MiB or more");
}

QVO_TEST_MAIN(TestMemory)
#include "tst_memory.moc"
