#include "app/ProgramState.h"
#include "app/Settings.h"
#include "tests/support/Fakes.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

TEST(Settings, ParseBoolean)
{
    struct Row
    {
        std::string name, text;
        std::optional<bool> expected;
    };
    const std::vector<Row> rows {
        {"True", "True", true},
        {"False", "False", false},
        {"upper", "TRUE", true},
        {"mixed with blanks", "\t fAlSe  ", false},
        {"zero", "0", false},
        {"minus one", "-1", true},
        {"many zeros", "0000", false},
        {"huge number", "123456789012345678901234567890", true},
        {"empty", "", std::nullopt},
        {"blank", "   ", std::nullopt},
        {"Danish word", "Sand", std::nullopt},
        {"yes", "yes", std::nullopt},
        {"decimal", "1.5", std::nullopt},
        {"True with tail", "Truex", std::nullopt},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(parseBoolean(r.text), r.expected);
    }
}

TEST(Settings, BooleanTextAndStoringTheChoice)
{
    EXPECT_EQ(booleanText(true), "True");
    EXPECT_EQ(booleanText(false), "False");

    FakeSettingsStore store;
    StoreCloseAfterLaunch(store, false);
    ASSERT_EQ(store.writes.size(), 1u);
    EXPECT_EQ(store.values["Zezuzav/LukVedStart"], "False");
}

TEST(Settings, LoadSettingsReadsAndRepairs)
{
    struct Row
    {
        std::string name;
        std::optional<std::string> startPage, close; // as stored; nothing for no key
        std::string startTarget;
        bool closeAfterLaunch;
        std::vector<std::string> writes; // "key=value" in order
    };
    const std::vector<std::string> repair {"StartSide=Presumptions.htm", "LukVedStart=True"};
    const std::vector<Row> rows {
        {"first run", std::nullopt, std::nullopt, "Presumptions.htm", true, repair},
        {"invalid boolean overwrites another page", "manual.pdf", "perhaps", "Presumptions.htm", true, repair},
        {"empty boolean is not a boolean", "manual.pdf", "", "Presumptions.htm", true, repair},
        {"empty start page with True", "", "True", "index.htm", true, {"StartSide=index.htm"}},
        {"missing start page with False", std::nullopt, "False", "index.htm", false, {"StartSide=index.htm"}},
        {"both valid: nothing written", "manual.pdf", "False", "manual.pdf", false, {}},
        {"other case and blanks are valid", "index.htm", " tRUE ", "index.htm", true, {}},
        {"number is a boolean", "index.htm", "0", "index.htm", false, {}},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.name);
        FakeSettingsStore store;
        if (r.startPage)
            store.values["Zezuzav/StartSide"] = *r.startPage;
        if (r.close)
            store.values["Zezuzav/LukVedStart"] = *r.close;

        ProgramState state;
        state.tickCount = 7;
        LoadSettings(state, store);

        EXPECT_EQ(state.programVersion, "1.11UK");
        EXPECT_EQ(state.tickCount, 0);
        EXPECT_EQ(state.startTarget, r.startTarget);
        EXPECT_EQ(state.closeAfterLaunch, r.closeAfterLaunch);
        std::vector<std::string> seen;
        for (const FakeSettingsStore::Write &w : store.writes) {
            EXPECT_EQ(w.section, "Zezuzav");
            seen.push_back(w.key + '=' + w.value);
        }
        EXPECT_EQ(seen, r.writes);
    }
}
