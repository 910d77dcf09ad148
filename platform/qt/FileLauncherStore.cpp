#include "platform/FileLauncherStore.h"

#include <QDir>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>

QString FileLauncherStore::desktopFolder() const
{
    return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
}

QString FileLauncherStore::iconFolder() const
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
        + QStringLiteral("/icons/hicolor/32x32/apps");
}

bool FileLauncherStore::makeFolder(const QString &path)
{
    return QDir().mkpath(path);
}

bool FileLauncherStore::writeFile(const QString &path, const QByteArray &content, bool executable)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(content) != content.size()) {
        file.cancelWriting();
        return false;
    }
    QFileDevice::Permissions mode
        = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
    if (executable)
        mode |= QFileDevice::ExeOwner | QFileDevice::ExeGroup | QFileDevice::ExeOther;
    if (!file.setPermissions(mode)) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

void FileLauncherStore::markTrusted(const QString &path)
{
    const QString gio = QStandardPaths::findExecutable(QStringLiteral("gio"));
    if (gio.isEmpty())
        return;
    QProcess process;
    process.start(gio, {QStringLiteral("set"), path, QStringLiteral("metadata::trusted"), QStringLiteral("true")});
    // Without a desktop session gio may wait for a bus that never answers: bound it.
    if (!process.waitForFinished(3000)) {
        process.kill();
        process.waitForFinished(1000);
    }
}
