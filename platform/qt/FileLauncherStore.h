#pragma once

#include "platform/LauncherStore.h"

#include <QByteArray>
#include <QString>

#include <functional>

// Launchers as freedesktop desktop entries in the XDG desktop folder, with the
// program's icon in the user's hicolor icon theme.
class FileLauncherStore : public LauncherStore
{
public:
    // iconPng: the program's icon as PNG, written beside the user's other icons.
    explicit FileLauncherStore(QByteArray iconPng);
    // The icon made only when a launcher is written, so that start-up does not pay for it.
    explicit FileLauncherStore(std::function<QByteArray()> iconPng);

    // XDG_DESKTOP_DIR from user-dirs.dirs, or ~/Desktop.
    std::string desktopFolder() const override;
    // Writes "<desktop>/<name>.desktop" whole, mode 0755, and has it marked trusted.
    bool writeLauncher(const Launcher &launcher) override;

    // $XDG_DATA_HOME/icons/hicolor/32x32/apps/zezuzav-quillmere.png.
    static QString iconPath();

private:
    std::function<QByteArray()> m_iconPng;
};
