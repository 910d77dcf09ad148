#pragma once

#include <string>

// What a desktop launcher for the program carries, whatever form the desktop gives it.
struct Launcher
{
    std::string name; // its file name on the desktop, without the desktop's own extension
    std::string description;
    std::string program; // the program file, its full path
    std::string workingDirectory; // the folder it starts in
};

// Writes launchers onto the user's desktop.
class LauncherStore
{
public:
    virtual ~LauncherStore() = default;
    // The user's desktop folder, as it is shown to the user.
    virtual std::string desktopFolder() const = 0;
    // Writes the launcher whole or not at all, replacing an earlier one of the same
    // name (making the desktop folder when it does not exist yet); false on failure.
    virtual bool writeLauncher(const Launcher &launcher) = 0;
};
