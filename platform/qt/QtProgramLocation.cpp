#include "platform/qt/QtProgramLocation.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

// The program's file. Started through the dynamic loader (from a medium mounted
// without execute bits), the running executable is the loader itself; the program is
// then the loader's first argument, which the loader hands on as the program's argv[0].
QFileInfo programFile()
{
    const QFileInfo running(QCoreApplication::applicationFilePath());
    if (!running.fileName().startsWith(QStringLiteral("ld-linux")))
        return running;
    const QString first = QCoreApplication::arguments().value(0);
    const QFileInfo named(first);
    return first.isEmpty() || !named.exists() ? running : QFileInfo(named.canonicalFilePath());
}

} // namespace

std::string QtProgramLocation::programDir() const
{
    // absolutePath() has no trailing "/" except at the root.
    return programFile().absolutePath().toStdString();
}

std::string QtProgramLocation::programFileName() const
{
    return programFile().fileName().toStdString();
}
