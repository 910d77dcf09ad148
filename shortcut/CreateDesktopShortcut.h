#pragma once

class LauncherStore;
class MessageBoxes;
class ProgramLocation;
class TextTable;

struct ShortcutContext
{
    MessageBoxes &messages;
    LauncherStore &store;
    const ProgramLocation &location;
    const TextTable &texts;
    int languageIndex;
};

// Asks, then writes a launcher for the program onto the desktop (replacing an
// earlier one) and confirms. A launcher that cannot be written is reported with
// the folder it was meant for; nothing half-written is left.
void CreateDesktopShortcut(const ShortcutContext &context);
