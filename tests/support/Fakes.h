#pragma once

#include "platform/Ending.h"
#include "platform/FileReader.h"
#include "platform/FolderListing.h"
#include "platform/LauncherStore.h"
#include "platform/MessageBoxes.h"
#include "platform/ProgramLocation.h"
#include "platform/SettingsStore.h"
#include "platform/Shell.h"
#include "platform/Ticker.h"
#include "tools/check/MediumFiles.h"

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

// Recording stand-ins for the desktop services. Each test makes its own.

class FakeSettingsStore : public SettingsStore
{
public:
    struct Write
    {
        std::string section, key, value;
    };
    std::string value(const std::string &section, const std::string &key) const override;
    void setValue(const std::string &section, const std::string &key, const std::string &value) override;

    std::map<std::string, std::string> values; // "section/key" -> value
    std::vector<Write> writes;
};

class FakeMessageBoxes : public MessageBoxes
{
public:
    struct Shown
    {
        Icon icon;
        Buttons buttons;
        std::string title, text;
    };
    Answer show(Icon icon, Buttons buttons, const std::string &title, const std::string &text) override;

    std::vector<Shown> shown;
    Answer answerToQuestions = Answer::No; // what Yes/No boxes answer
};

class FakeShell : public Shell
{
public:
    Result run(const std::string &target) override;

    std::vector<std::string> targets;
    Result result = Result::Started;
};

class FakeProgramLocation : public ProgramLocation
{
public:
    std::string programDir() const override { return dir; }
    std::string programFileName() const override { return fileName; }
    char separator() const override { return sep; }

    std::string dir = "/media/cdrom";
    std::string fileName = "startprogram";
    char sep = '/';
};

class FakeEnding : public Ending
{
public:
    void endProgram() override { ++calls; }
    bool hasEnded() const override { return calls > 0; }

    int calls = 0;
};

class FakeTicker : public Ticker
{
public:
    void start(int intervalMs, std::function<void()> onTick) override;
    bool isActive() const override { return active; }
    int interval() const override { return intervalMs; }
    // One tick, as the timer would give it; a stopped ticker does not tick.
    void tick();

    bool active = false;
    int intervalMs = 1000;
    int starts = 0;
    std::function<void()> onTick;
};

class FakeLauncherStore : public LauncherStore
{
public:
    std::string desktopFolder() const override { return desktop; }
    bool writeLauncher(const Launcher &launcher) override;

    std::string desktop = "/home/user/Desktop";
    std::vector<Launcher> written;
    bool failWrites = false;
};

// Files by path; a path not in the map cannot be read.
class FakeFileReader : public FileReader
{
public:
    std::optional<std::string> read(const std::string &path, std::size_t maxBytes) const override;

    std::map<std::string, std::string> files;
    mutable std::vector<std::string> reads;
};

// A file system of absolute paths: every path listed exists, and so does each folder above one.
class FakeFolders : public FolderListing
{
public:
    explicit FakeFolders(const std::set<std::string> &paths);
    bool exists(const std::string &path) const override;
    std::vector<std::string> entries(const std::string &folder) const override;

private:
    std::set<std::string> m_paths;
};

// A medium in memory: files by path with their bytes (each folder above one exists too),
// folders of their own, names the desktop hides, and writes that can be made to fail.
class FakeMediumFiles : public MediumFiles
{
public:
    explicit FakeMediumFiles(std::map<std::string, std::string> files, std::set<std::string> folders = {});
    bool exists(const std::string &path) const override;
    std::vector<std::string> entries(const std::string &folder) const override;
    bool isFolder(const std::string &path) const override;
    bool isLink(const std::string &path) const override;
    bool isHidden(const std::string &path) const override;
    std::string fileSystemType(const std::string &) const override { return fileSystem; }
    std::optional<std::string> read(const std::string &path, std::size_t maxBytes) const override;
    std::string write(const std::string &path, const std::string &bytes,
                      const std::optional<std::string> &current) override;

    std::map<std::string, std::string> files;
    std::set<std::string> folders;
    std::set<std::string> hidden;
    std::set<std::string> links; // files or folders that are links to elsewhere
    std::string fileSystem; // what fileSystemType() says of every path
    std::string failWrites; // not empty: every write fails with this reason and changes nothing
};
