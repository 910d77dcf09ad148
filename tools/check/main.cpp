// startprogram-check: tells a medium's author what will go wrong on the recipient's
// machine, one line per finding in the form editors jump to, and writes the list or
// its count for them. The Linux edition; the rules are the core's.
#include "tools/check/CheckCommand.h"
#include "tools/check/posix/PosixMediumFiles.h"

#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

namespace {

class StreamOutput : public CheckOutput
{
public:
    void out(const std::string &text) override { std::cout << text << std::flush; }
    void err(const std::string &text) override { std::cerr << text << std::flush; }
};

} // namespace

int main(int argc, char *argv[])
{
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    std::error_code error;
    const std::u8string current = std::filesystem::current_path(error).generic_u8string();
    PosixMediumFiles files;
    StreamOutput output;
    return RunCheckCommand(arguments, std::string(current.begin(), current.end()), files, output);
}
