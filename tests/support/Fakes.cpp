#include "tests/support/Fakes.h"

#include <algorithm>

std::string FakeSettingsStore::value(const std::string &section, const std::string &key) const
{
    const auto found = values.find(section + '/' + key);
    return found == values.end() ? std::string() : found->second;
}

void FakeSettingsStore::setValue(const std::string &section, const std::string &key, const std::string &value)
{
    values[section + '/' + key] = value;
    writes.push_back({section, key, value});
}

MessageBoxes::Answer FakeMessageBoxes::show(Icon icon, Buttons buttons, const std::string &title,
                                            const std::string &text)
{
    shown.push_back({icon, buttons, title, text});
    return buttons == Buttons::Ok ? Answer::Ok : answerToQuestions;
}

Shell::Result FakeShell::run(const std::string &target)
{
    targets.push_back(target);
    return result;
}

void FakeTicker::start(int interval, std::function<void()> handler)
{
    ++starts;
    active = true;
    intervalMs = interval;
    onTick = std::move(handler);
}

void FakeTicker::tick()
{
    if (active && onTick)
        onTick();
}

bool FakeLauncherStore::writeLauncher(const Launcher &launcher)
{
    if (failWrites)
        return false;
    written.push_back(launcher);
    return true;
}

std::optional<std::string> FakeFileReader::read(const std::string &path, std::size_t maxBytes) const
{
    reads.push_back(path);
    const auto found = files.find(path);
    if (found == files.end())
        return std::nullopt;
    return found->second.substr(0, maxBytes);
}

FakeFolders::FakeFolders(const std::set<std::string> &paths)
{
    for (const std::string &path : paths) {
        for (std::size_t slash = path.find('/', 1); slash != std::string::npos; slash = path.find('/', slash + 1))
            m_paths.insert(path.substr(0, slash));
        m_paths.insert(path);
    }
}

bool FakeFolders::exists(const std::string &path) const
{
    return path == "/" || m_paths.count(path) > 0;
}

std::vector<std::string> FakeFolders::entries(const std::string &folder) const
{
    const std::string prefix = folder == "/" ? folder : folder + '/';
    std::vector<std::string> names;
    for (const std::string &path : m_paths) {
        if (path.size() > prefix.size() && path.compare(0, prefix.size(), prefix) == 0
            && path.find('/', prefix.size()) == std::string::npos)
            names.push_back(path.substr(prefix.size()));
    }
    return names;
}

FakeMediumFiles::FakeMediumFiles(std::map<std::string, std::string> files_, std::set<std::string> folders_)
    : files(std::move(files_))
    , folders(std::move(folders_))
{
    for (const auto &[path, bytes] : files)
        for (std::size_t slash = path.find('/', 1); slash != std::string::npos; slash = path.find('/', slash + 1))
            folders.insert(path.substr(0, slash));
    folders.insert("/");
}

bool FakeMediumFiles::exists(const std::string &path) const
{
    return files.count(path) > 0 || folders.count(path) > 0;
}

std::vector<std::string> FakeMediumFiles::entries(const std::string &folder) const
{
    const std::string prefix = folder == "/" ? folder : folder + '/';
    std::set<std::string> names;
    const auto add = [&](const std::string &path) {
        if (path.size() > prefix.size() && path.compare(0, prefix.size(), prefix) == 0
            && path.find('/', prefix.size()) == std::string::npos)
            names.insert(path.substr(prefix.size()));
    };
    for (const auto &[path, bytes] : files)
        add(path);
    for (const std::string &path : folders)
        add(path);
    return {names.begin(), names.end()};
}

bool FakeMediumFiles::isFolder(const std::string &path) const
{
    return folders.count(path) > 0;
}

bool FakeMediumFiles::isLink(const std::string &path) const
{
    return links.count(path) > 0;
}

bool FakeMediumFiles::isHidden(const std::string &path) const
{
    return hidden.count(path) > 0;
}

std::optional<std::string> FakeMediumFiles::read(const std::string &path, std::size_t maxBytes) const
{
    const auto it = files.find(path);
    if (it == files.end())
        return std::nullopt;
    return it->second.substr(0, maxBytes);
}

std::string FakeMediumFiles::write(const std::string &path, const std::string &bytes,
                                   const std::optional<std::string> &current)
{
    if (!failWrites.empty())
        return failWrites;
    if (!current && exists(path))
        return "it exists";
    if (current && read(path, current->size() + 1) != current)
        return "it was changed";
    files[path] = bytes;
    return {};
}
