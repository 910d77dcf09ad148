#pragma once

class Ending;
class FileReader;
class LauncherStore;
class MessageBoxes;
class ProgramLocation;
class SettingsStore;
class Shell;
class Ticker;

// The desktop services the program uses, handed to the behaviour at start-up
// (the real ones of a desktop) or by a test (fakes).
struct Services
{
    SettingsStore &settings;
    MessageBoxes &messages;
    Shell &shell;
    ProgramLocation &location;
    Ending &ending;
    Ticker &countdown;
    LauncherStore &launchers;
    FileReader &files;
};
