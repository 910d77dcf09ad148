#pragma once

#include <QByteArray>
#include <QString>

// Where desktop launchers and their icons are written.
class LauncherStore
{
public:
    virtual ~LauncherStore() = default;
    // The user's desktop folder.
    virtual QString desktopFolder() const = 0;
    // The folder for the user's 32 x 32 application icons.
    virtual QString iconFolder() const = 0;
    // Makes a folder and its parents; false when it cannot be made.
    virtual bool makeFolder(const QString &path) = 0;
    // Writes the file whole or not at all, replacing an earlier one; false on failure.
    virtual bool writeFile(const QString &path, const QByteArray &content, bool executable) = 0;
    // Marks a launcher as trusted for file managers that ask; failure is not an error.
    virtual void markTrusted(const QString &path) = 0;
};
