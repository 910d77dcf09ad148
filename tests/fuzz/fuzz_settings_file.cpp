// libFuzzer target: a settings file as any program may have left it, and a value
// written into it and read back.
#include "tests/fuzz/SettingsFileCheck.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string problem = FuzzChecks::settingsFile(std::string_view(reinterpret_cast<const char *>(data), size));
    if (!problem.empty()) {
        std::fprintf(stderr, "settings file: %s\n", problem.c_str());
        std::abort();
    }
    return 0;
}
