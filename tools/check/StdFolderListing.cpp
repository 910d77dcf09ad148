#include "tools/check/StdFolderListing.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
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

std::string StdFolderListing::write(const std::string &path, const std::string &bytes, bool mustBeNew)
{
    const std::filesystem::path target = fromUtf8(path);
    std::filesystem::path temporary = target;
    temporary += ".new";
    errno = 0;
    {
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        if (file) {
            file.write(bytes.data(), std::streamsize(bytes.size()));
            file.close(); // a full disk may tell only now
        }
        if (file.fail()) {
            std::string reason = errno != 0 ? std::strerror(errno) : "the folder cannot be written";
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            return reason;
        }
    }
    std::error_code error;
    if (mustBeNew && std::filesystem::exists(target, error)) {
        std::filesystem::remove(temporary, error);
        return toUtf8(target.filename()) + " exists";
    }
    std::filesystem::rename(temporary, target, error);
    if (error) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        return error.message();
    }
    return {};
}
