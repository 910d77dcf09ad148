// libFuzzer target: information-file bytes in, an entry list out.
#include "tests/fuzz/FuzzChecks.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString problem
        = FuzzChecks::entryReader(QByteArray(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size)));
    if (!problem.isEmpty()) {
        std::fprintf(stderr, "entry reader: %s\n", qPrintable(problem));
        std::abort();
    }
    return 0;
}
