// Replays every input of the fuzz corpus through the checks the fuzz targets make.
#include "tests/fuzz/FuzzChecks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

TEST(FuzzCorpus, EveryInputBehaves)
{
    const std::filesystem::path root(FUZZ_CORPUS_DIR);
    int inputs = 0;
    const std::map<std::string, std::string (*)(std::string_view)> checks {
        {"entries", FuzzChecks::entryReader},
        {"desktop", FuzzChecks::desktopEntry},
        {"check-reader", FuzzChecks::checkAgreesWithReader},
    };
    for (const auto &[target, check] : checks) {
        std::vector<std::filesystem::path> files;
        for (const std::filesystem::directory_entry &entry : std::filesystem::directory_iterator(root / target))
            if (entry.is_regular_file())
                files.push_back(entry.path());
        std::sort(files.begin(), files.end());
        for (const std::filesystem::path &file : files) {
            SCOPED_TRACE(target + '/' + file.filename().string());
            std::ifstream in(file, std::ios::binary);
            ASSERT_TRUE(in) << file.string();
            const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
            EXPECT_EQ(check(bytes), "");
            ++inputs;
        }
    }
    EXPECT_GE(inputs, 10) << "the corpus at " << root.string() << " is nearly empty";
}
