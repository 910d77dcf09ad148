#include "platform/qt/DesktopShell.h"

#include "entries/MediaPath.h"
#include "launch/ResolveTarget.h"
#include "platform/qt/QtFileReader.h"
#include "platform/qt/QtFolderListing.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>
#include <utility>

namespace {

// For the length of a launch the process environment holds the desktop's values, as
// QDesktopServices and QProcess hand the program's own environment on. Launches happen
// on this thread; Qt's D-Bus thread reads the bus address only while connecting at start.
class DesktopEnvironment
{
public:
    explicit DesktopEnvironment(const std::vector<DesktopVariable> &desktop)
    {
        for (const DesktopVariable &variable : desktop) {
            const char *name = variable.name.c_str();
            m_own.push_back({variable.name,
                             qEnvironmentVariableIsSet(name) ? std::optional<std::string>(qgetenv(name).toStdString())
                                                             : std::nullopt});
            set(variable);
        }
    }
    ~DesktopEnvironment()
    {
        for (std::size_t i = m_own.size(); i-- > 0;)
            set(m_own[i]);
    }
    DesktopEnvironment(const DesktopEnvironment &) = delete;
    DesktopEnvironment &operator=(const DesktopEnvironment &) = delete;

private:
    static void set(const DesktopVariable &variable)
    {
        if (variable.value)
            qputenv(variable.name.c_str(), QByteArray::fromStdString(*variable.value));
        else
            qunsetenv(variable.name.c_str());
    }

    std::vector<DesktopVariable> m_own;
};

} // namespace

DesktopShell::DesktopShell(std::vector<DesktopVariable> desktopVariables)
    : m_desktopVariables(std::move(desktopVariables))
{ }

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

Shell::Result DesktopShell::run(const std::string &target)
{
    const DesktopEnvironment desktop(m_desktopVariables);
    return open(target);
}

Shell::Result DesktopShell::open(const std::string &target)
{
    if (hasScheme(target))
        return QDesktopServices::openUrl(QUrl(QString::fromStdString(target), QUrl::TolerantMode)) ? Result::Started
                                                                                                   : Result::Failed;
    if (target.empty())
        return Result::FileNotFound;

    const std::string absolute = QFileInfo(QString::fromStdString(target)).absoluteFilePath().toStdString();
    const QString path = QString::fromStdString(MediaPath::locate(absolute, QtFolderListing()));
    if (path.isEmpty())
        return Result::FileNotFound;

    const QFileInfo info(path);
    if (!info.isDir()) {
        // Only a plain file is peeked at: opening a pipe would wait for a writer.
        const std::optional<std::string> start = QtFileReader::readPlainFile(path, 256);
        const QByteArray head = start ? QByteArray::fromStdString(*start) : QByteArray();
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
