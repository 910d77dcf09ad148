#include "platform/QtProgramLocation.h"

#include <QCoreApplication>
#include <QFileInfo>

QString QtProgramLocation::programDir() const
{
    // applicationDirPath() has no trailing "/" except at the root.
    return QCoreApplication::applicationDirPath();
}

QString QtProgramLocation::programFileName() const
{
    return QFileInfo(QCoreApplication::applicationFilePath()).fileName();
}
