#include "Startup.h"

#include "windows/SharedPaletteStyle.h"

#include <QApplication>
#include <QFont>

void installFontSubstitutes()
{
#ifndef Q_OS_WIN
    // DejaVu Sans is close to Verdana in shape and width.
    QFont::insertSubstitution(QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"));
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans"));
#endif
}

void installStyle()
{
    // The application takes the style over and deletes it at the end.
    QApplication::setStyle(new SharedPaletteStyle);
}
