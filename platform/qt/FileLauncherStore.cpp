#include "platform/qt/FileLauncherStore.h"

#include "shortcut/DesktopEntry.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

// What the desktop shows when our own icon could not be put in place.
constexpr char ThemedIcon[] = "application-x-executable";

// Writes the file whole or not at all.
bool writeWhole(const QString &path, const QByteArray &content, QFileDevice::Permissions mode)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(content) != content.size() || !file.setPermissions(mode)) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

// File managers that ask before starting a launcher from the desktop ask no more
// for a trusted one. gio may wait for a session bus that never answers, so it is
// left to run on its own and never waited for; its failure changes nothing.
void markTrusted(const QString &path)
{
    const QString gio = QStandardPaths::findExecutable(QStringLiteral("gio"));
    if (gio.isEmpty())
        return;
    QProcess process;
    process.setProgram(gio);
    process.setArguments({QStringLiteral("set"), path, QStringLiteral("metadata::trusted"), QStringLiteral("true")});
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.startDetached();
}

} // namespace

FileLauncherStore::FileLauncherStore(QByteArray iconPng)
    : m_iconPng([png = std::move(iconPng)] { return png; })
{ }

FileLauncherStore::FileLauncherStore(std::function<QByteArray()> iconPng)
    : m_iconPng(std::move(iconPng))
{ }

std::string FileLauncherStore::desktopFolder() const
{
    return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation).toStdString();
}

QString FileLauncherStore::iconPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
        + QStringLiteral("/icons/hicolor/32x32/apps/zezuzav-quillmere.png");
}

bool FileLauncherStore::writeLauncher(const Launcher &launcher)
{
    const QString desktop = QString::fromStdString(desktopFolder());
    if (desktop.isEmpty() || !QDir().mkpath(desktop))
        return false;

    // The icon is a nicety: without it the launcher still starts the program.
    const QString icon = iconPath();
    const QByteArray png = m_iconPng ? m_iconPng() : QByteArray();
    const bool iconWritten = !png.isEmpty() && QDir().mkpath(QFileInfo(icon).absolutePath())
        && writeWhole(icon, png,
                      QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup
                          | QFileDevice::ReadOther);

    DesktopEntry::Launcher entry;
    entry.name = launcher.name;
    entry.comment = launcher.description;
    entry.program = launcher.program;
    entry.workingDirectory = launcher.workingDirectory;
    entry.icon = iconWritten ? icon.toStdString() : std::string(ThemedIcon);

    const QString file = desktop + u'/' + QString::fromStdString(launcher.name) + QStringLiteral(".desktop");
    const QFileDevice::Permissions everyoneRuns = QFileDevice::ReadOwner | QFileDevice::WriteOwner
        | QFileDevice::ExeOwner | QFileDevice::ReadGroup | QFileDevice::ExeGroup | QFileDevice::ReadOther
        | QFileDevice::ExeOther;
    if (!writeWhole(file, QByteArray::fromStdString(DesktopEntry::text(entry)), everyoneRuns))
        return false;
    markTrusted(file);
    return true;
}
