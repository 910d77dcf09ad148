// libFuzzer target: the same information-file bytes to the start program's reader and to
// the author's check, which must agree; and the count mend's result read back.
#include "tests/fuzz/FuzzChecks.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string problem
        = FuzzChecks::checkAgreesWithReader(std::string_view(reinterpret_cast<const char *>(data), size));
    if (!problem.empty()) {
        std::fprintf(stderr, "check and reader: %s\n", problem.c_str());
        std::abort();
    }
    return 0;
}
