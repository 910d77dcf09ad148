#include "platform/DesktopShell.h"

#include "platform/MediaPath.h"

#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QUrl>

bool DesktopShell::hasScheme(const QString &target)
{
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.\\-]+:"));
    return scheme.match(target).hasMatch();
}

QStringList DesktopShell::interpreterLine(const QByteArray &firstBytes)
{
    if (!firstBytes.startsWith("#!"))
        return {};
    QByteArray line = firstBytes.mid(2);
    const qsizetype end = line.indexOf('\n');
    if (end >= 0)
        line.truncate(end);
    line = line.trimmed();
    if (line.isEmpty())
        return {};
    // As the kernel reads it: the interpreter, then the rest of the line as one argument.
    qsizetype blank = 0;
    while (blank < line.size() && line[blank] != ' ' && line[blank] != '\t')
        ++blank;
    QStringList result {QString::fromLocal8Bit(line.left(blank))};
    const QByteArray rest = line.mid(blank).trimmed();
    if (!rest.isEmpty())
        result << QString::fromLocal8Bit(rest);
    return result;
}

Shell::Result DesktopShell::run(const QString &target)
{
    if (hasScheme(target))
        return QDesktopServices::openUrl(QUrl(target, QUrl::TolerantMode)) ? Result::Started : Result::Failed;

    const QString path = MediaPath::locate(target);
    if (path.isEmpty())
        return Result::FileNotFound;

    const QFileInfo info(path);
    if (!info.isDir()) {
        QFile file(path);
        QByteArray head;
        if (file.open(QIODevice::ReadOnly))
            head = file.read(256);
        const QString folder = info.absolutePath();

        // A script runs through the interpreter its first line names, so that it
        // also runs from media mounted without execute permission.
        QStringList interpreter = interpreterLine(head);
        if (!interpreter.isEmpty()) {
            const QString program = interpreter.takeFirst();
            return QProcess::startDetached(program, interpreter << path, folder) ? Result::Started : Result::Failed;
        }
        // Only a real program is started: media mounted with every file executable
        // must still open their documents with the associated application.
        if (head.startsWith("\x7f"
                            "ELF")
            && info.isExecutable())
            return QProcess::startDetached(path, {}, folder) ? Result::Started : Result::Failed;
    }
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path)) ? Result::Started : Result::Failed;
}
