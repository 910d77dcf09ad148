// startprogram-check [DIR]: tells a medium's author what will go wrong on the
// recipient's machine, one line per finding in the form editors jump to.
#include "entries/LoadEntryList.h"
#include "tools/check/MediumCheck.h"
#include "tools/check/StdFolderListing.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <string>

namespace {

std::string toUtf8(const std::filesystem::path &path)
{
    const std::u8string text = path.generic_u8string();
    return std::string(text.begin(), text.end());
}

// At most as much of the file as the start program reads; nothing when it is no plain file.
std::optional<std::string> readInformationFile(const std::filesystem::path &path)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return std::nullopt;
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return std::nullopt;
    std::string bytes(MaxInformationFileBytes, '\0');
    file.read(bytes.data(), std::streamsize(bytes.size()));
    bytes.resize(static_cast<std::size_t>(file.gcount()));
    return bytes;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc > 2 || (argc == 2 && (std::string(argv[1]) == "-h" || std::string(argv[1]) == "--help"))) {
        std::cerr << "usage: startprogram-check [DIR]\n"
                     "Checks DIR's info.txt (default: the current folder) as the start program reads it.\n"
                     "Exit status: 0 clean, 1 warnings only, 2 errors.\n";
        return argc > 2 ? 2 : 0;
    }
    std::error_code error;
    const std::filesystem::path dir
        = std::filesystem::absolute(argc == 2 ? std::filesystem::path(argv[1]) : std::filesystem::path("."), error);
    if (error || !std::filesystem::is_directory(dir, error)) {
        std::cerr << "startprogram-check: " << (argc == 2 ? argv[1] : ".") << " is not a folder\n";
        return 2;
    }
    const std::filesystem::path medium = dir.lexically_normal();
    std::string mediumText = toUtf8(medium);
    if (mediumText.size() > 1 && mediumText.back() == '/')
        mediumText.pop_back();
    const std::optional<std::string> bytes = readInformationFile(medium / InformationFileName);
    const StdFolderListing folders;
    const std::vector<Finding> findings = CheckMedium(mediumText, bytes ? &*bytes : nullptr, folders);
    for (const Finding &finding : findings)
        std::cout << formatFinding(finding) << '\n';
    return exitStatus(findings);
}
