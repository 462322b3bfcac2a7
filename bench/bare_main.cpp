// The yardstick for the start-up benchmark: the least a Qt Widgets program
// does to put a window with a line of text on screen, the size of the
// program's main window.

#include <QApplication>
#include <QLabel>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QLabel window(QStringLiteral("Good luck"));
    window.setWindowTitle(QStringLiteral("Bare Qt Widgets"));
    window.resize(563, 397);
    window.show();
    return QApplication::exec();
}
