#include "platform/qt/QtProgramLocation.h"

#include <QCoreApplication>
#include <QFileInfo>

std::string QtProgramLocation::programDir() const
{
    return QCoreApplication::applicationDirPath().toStdString();
}

std::string QtProgramLocation::programFileName() const
{
    return QFileInfo(QCoreApplication::applicationFilePath()).fileName().toStdString();
}
