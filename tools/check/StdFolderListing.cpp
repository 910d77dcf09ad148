#include "tools/check/StdFolderListing.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <system_error>

namespace {

std::filesystem::path fromUtf8(const std::string &text)
{
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

std::string toUtf8(const std::filesystem::path &path)
{
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

} // namespace

bool StdFolderListing::exists(const std::string &path) const
{
    std::error_code error;
    return std::filesystem::exists(fromUtf8(path), error);
}

std::vector<std::string> StdFolderListing::entries(const std::string &folder) const
{
    std::vector<std::string> names;
    std::error_code error;
    for (std::filesystem::directory_iterator it(fromUtf8(folder), error), end; !error && it != end; it.increment(error))
        names.push_back(toUtf8(it->path().filename()));
    return names;
}

bool StdFolderListing::isFolder(const std::string &path) const
{
    std::error_code error;
    return std::filesystem::is_directory(fromUtf8(path), error);
}

bool StdFolderListing::isLink(const std::string &path) const
{
    std::error_code error;
    return std::filesystem::is_symlink(std::filesystem::symlink_status(fromUtf8(path), error));
}

std::string StdFolderListing::fileSystemType(const std::string &) const
{
    return {}; // the standard library cannot tell; each desktop's files can
}

bool StdFolderListing::isHidden(const std::string &) const
{
    return false; // the standard library knows no hidden attribute
}

std::optional<std::string> StdFolderListing::read(const std::string &path, std::size_t maxBytes) const
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(fromUtf8(path), error))
        return std::nullopt;
    std::ifstream file(fromUtf8(path), std::ios::binary);
    if (!file)
        return std::nullopt;
    std::string bytes(maxBytes, '\0');
    file.read(bytes.data(), std::streamsize(bytes.size()));
    bytes.resize(static_cast<std::size_t>(file.gcount()));
    return bytes;
}

std::string StdFolderListing::temporaryBeside(const std::string &path)
{
    static std::random_device random;
    char mark[9];
    std::snprintf(mark, sizeof mark, "%08x", static_cast<unsigned>(random()));
    const std::size_t slash = path.find_last_of('/');
    const std::size_t name = slash == std::string::npos ? 0 : slash + 1;
    return path.substr(0, name) + '.' + path.substr(name) + '.' + mark + ".tmp";
}

bool StdFolderListing::holds(const std::string &path, const std::string &bytes) const
{
    const std::optional<std::string> now = read(path, bytes.size() + 1);
    return now && *now == bytes;
}
