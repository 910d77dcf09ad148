#pragma once

#include "platform/LauncherStore.h"

#include <string>

// Shell links ("<name>.lnk") on the user's desktop, written with IShellLinkW.
class ShortcutLauncherStore : public LauncherStore
{
public:
    // folder: where to write instead of the user's desktop (tests); empty: the desktop.
    explicit ShortcutLauncherStore(std::string folder = {});

    std::string desktopFolder() const override;
    bool writeLauncher(const Launcher &launcher) override;

private:
    std::string m_folder;
};
