#include "tests/support/Fakes.h"
#include "tools/check/MediumCheck.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

std::vector<std::string> lines(const std::vector<Finding> &findings)
{
    std::vector<std::string> out;
    out.reserve(findings.size());
    for (const Finding &f : findings)
        out.push_back(formatFinding(f));
    return out;
}

} // namespace

TEST(MediumCheck, CleanMediumSaysNothing)
{
    const FakeFolders folders({"/m/info.txt", "/m/index.htm", "/m/Presumptions.htm", "/m/Docs/a b.pdf"});
    const std::string info = "3\r\n\"index.htm\",\"Welcome\"\r\n\"Docs\\a b.pdf\",\"A, with a comma\"\r\n"
                             "\"https://www.varnholt.example/\",\"Web\"\r\n";
    const auto findings = CheckMedium("/m", &info, folders);
    EXPECT_TRUE(findings.empty()) << ::testing::PrintToString(lines(findings));
    EXPECT_EQ(exitStatus(findings), 0);
}

TEST(MediumCheck, FindsEveryFaultOnItsLine)
{
    const FakeFolders folders({"/m/info.txt", "/m/INDEX.HTM", "/m/readme.txt;1", "/m/Http", "/up.htm"});
    // Windows-1252 with an undefined byte (0x81) on line 9; one entry's description spans two lines.
    const std::string info = "7\n"
                             "\"index.htm\",\"Welcome\"\n" // line 2: found only without regard to case
                             "\"readme.txt\",\"Read me\"\n" // line 3: found only without ";1"
                             "\"missing.pdf\",\"Gone\"\n" // line 4: missing
                             "\"..\\up.htm\",\"Above\"\n" // line 5: leaves the medium
                             "\"Http\",\"Four\r\nletters\"\n" // lines 6-7: four characters, a file (there)
                             "\"httpdocs\\a.htm\",\"No scheme\"\n" // line 8: no scheme, and missing
                             "\"http://nohost\",\""
        + std::string(90, 'x')
        + "\x81\"\n" // line 9: no host, too long, the odd byte
          "\"extra.htm\",\"One more than the count\"\n"; // line 10
    // Long findings are written in two literals that the compiler joins.
    // NOLINTBEGIN(bugprone-suspicious-missing-comma)
    const std::vector<std::string> expected {
        "info.txt:1: warning: the usage page Presumptions.htm is missing: Information > About using and the "
        "Introduction link will fail",
        "info.txt:2: warning: \"index.htm\" is found only when letter case or a disc's \";1\" is ignored (INDEX.HTM): "
        "the start program finds it, other programs may not",
        "info.txt:3: warning: \"readme.txt\" is found only when letter case or a disc's \";1\" is ignored "
        "(readme.txt;1): the start program finds it, other programs may not",
        "info.txt:4: error: \"missing.pdf\" is missing from the medium",
        "info.txt:5: error: \"..\\up.htm\" leaves the medium: its \"..\" climbs above the start program's folder",
        "info.txt:6: warning: \"Http\" has four characters: it is taken as a file, not a web address",
        "info.txt:8: warning: \"httpdocs\\a.htm\" starts with \"HTTP\" but has no scheme: it is taken as a file",
        "info.txt:8: error: \"httpdocs\\a.htm\" is missing from the medium",
        "info.txt:9: warning: neither UTF-8 nor Windows-1252 text: byte 0x81; the start program may show it as a "
        "different character",
        "info.txt:9: warning: \"http://nohost\" is not a valid web address (http:// or https:// and a host)",
        "info.txt:9: warning: the description has 91 characters: the list shows about 80",
        "info.txt:10: error: the count is 7 but more entries follow: the start program never shows them",
    };
    // NOLINTEND(bugprone-suspicious-missing-comma)
    const auto findings = CheckMedium("/m", &info, folders);
    EXPECT_EQ(lines(findings), expected);
    EXPECT_EQ(exitStatus(findings), 2);
}

TEST(MediumCheck, CountAndFileProblems)
{
    const FakeFolders folders({"/m/Presumptions.htm", "/m/a.htm"});
    const struct
    {
        const char *name;
        std::optional<std::string> info; // nothing: no readable info.txt
        std::vector<std::string> expected;
        int status;
    } rows[] = {
        {"no info.txt", std::nullopt, {"info.txt:1: error: there is no readable info.txt in /m"}, 2},
        {"empty", "", {"info.txt:1: error: the file is empty: it needs the count of entries first"}, 2},
        {"count not a number",
         "\n\nthree\n",
         {"info.txt:3: error: the count \"three\" is not a whole number from 0 to 32767"},
         2},
        {"fewer entries than the count",
         "3\r\n\"a.htm\",\"A\"\r\n\"a.htm\"",
         {"info.txt:3: error: the count is 3 but the file holds 1 entries and a half"},
         2},
        {"only warnings",
         "1\r\n\"a.htm\",\"" + std::string(81, 'd') + "\"\r\n",
         {"info.txt:2: warning: the description has 81 characters: the list shows about 80"},
         1},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const auto findings = CheckMedium("/m", row.info ? &*row.info : nullptr, folders);
        EXPECT_EQ(lines(findings), row.expected);
        EXPECT_EQ(exitStatus(findings), row.status);
    }
}
