// libFuzzer target: information-file bytes in, an entry list out.
#include "tests/fuzz/FuzzChecks.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string problem = FuzzChecks::entryReader(std::string_view(reinterpret_cast<const char *>(data), size));
    if (!problem.empty()) {
        std::fprintf(stderr, "entry reader: %s\n", problem.c_str());
        std::abort();
    }
    return 0;
}
