#pragma once

#include "platform/LauncherStore.h"

// Launchers in the XDG desktop folder, icons in the user's hicolor icon theme.
class FileLauncherStore : public LauncherStore
{
public:
    QString desktopFolder() const override;
    QString iconFolder() const override;
    bool makeFolder(const QString &path) override;
    bool writeFile(const QString &path, const QByteArray &content, bool executable) override;
    void markTrusted(const QString &path) override;
};
