#include "ExecutableName.h"

#include <QCoreApplication>
#include <QFileInfo>

QString executableName()
{
    const QString name = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    return name.isEmpty() ? QStringLiteral("qv-orbalin") : name;
}
