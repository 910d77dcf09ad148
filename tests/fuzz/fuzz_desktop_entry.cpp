// libFuzzer target: a program folder in, the launcher text out and parsed back.
#include "tests/fuzz/FuzzChecks.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string problem = FuzzChecks::desktopEntry(std::string_view(reinterpret_cast<const char *>(data), size));
    if (!problem.empty()) {
        std::fprintf(stderr, "desktop entry: %s\n", problem.c_str());
        std::abort();
    }
    return 0;
}
