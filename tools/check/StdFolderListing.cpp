#include "tools/check/StdFolderListing.h"

#include <filesystem>
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
