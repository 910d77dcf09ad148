#include "tools/check/FileSystems.h"

#include <algorithm>
#include <vector>

namespace {

// The mount table writes a blank, a tab, a line end and a backslash in a path as
// three octal digits after a backslash.
std::string unescaped(std::string_view field)
{
    std::string out;
    for (std::size_t i = 0; i < field.size(); ++i) {
        const auto octal = [&](std::size_t k) { return field[k] >= '0' && field[k] <= '7'; };
        if (field[i] == '\\' && i + 3 < field.size() && octal(i + 1) && octal(i + 2) && octal(i + 3)) {
            out += static_cast<char>(((field[i + 1] - '0') << 6) | ((field[i + 2] - '0') << 3) | (field[i + 3] - '0'));
            i += 3;
        } else {
            out += field[i];
        }
    }
    return out;
}

std::vector<std::string_view> words(std::string_view line)
{
    std::vector<std::string_view> out;
    std::size_t at = 0;
    while (at < line.size()) {
        const std::size_t start = line.find_first_not_of(' ', at);
        if (start == std::string_view::npos)
            break;
        const std::size_t end = std::min(line.find(' ', start), line.size());
        out.push_back(line.substr(start, end - start));
        at = end;
    }
    return out;
}

// True when the mount point holds the path: equal to it, or a folder above it.
bool holds(const std::string &mountPoint, const std::string &path)
{
    if (mountPoint == "/")
        return !path.empty() && path.front() == '/';
    return path.compare(0, mountPoint.size(), mountPoint) == 0
        && (path.size() == mountPoint.size() || path[mountPoint.size()] == '/');
}

std::string lowered(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    return text;
}

} // namespace

std::string FileSystems::typeFromMountInfo(std::string_view mountInfo, const std::string &path)
{
    std::string best;
    std::size_t bestLength = 0;
    bool found = false;
    while (!mountInfo.empty()) {
        const std::size_t end = std::min(mountInfo.find('\n'), mountInfo.size());
        const std::vector<std::string_view> fields = words(mountInfo.substr(0, end));
        mountInfo.remove_prefix(std::min(end + 1, mountInfo.size()));
        // ID PARENT MAJOR:MINOR ROOT MOUNT-POINT OPTIONS [OPTIONAL...] - TYPE SOURCE SUPER-OPTIONS
        const auto dash = std::find(fields.begin(), fields.end(), std::string_view("-"));
        if (fields.size() < 6 || dash == fields.end() || dash - fields.begin() < 6 || dash + 1 == fields.end())
            continue;
        const std::string mountPoint = unescaped(fields[4]);
        if (!holds(mountPoint, path) || (found && mountPoint.size() < bestLength))
            continue;
        best = unescaped(*(dash + 1));
        bestLength = mountPoint.size();
        found = true;
    }
    return best;
}

bool FileSystems::isFat(const std::string &type)
{
    static const char *const fat[] = {"vfat", "msdos", "umsdos", "fat", "fat12", "fat16", "fat32", "fuse.fusefat"};
    const std::string name = lowered(type);
    return std::any_of(std::begin(fat), std::end(fat), [&](const char *f) { return name == f; });
}
