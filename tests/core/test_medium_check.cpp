#include "entries/LoadEntryList.h"
#include "tests/support/Fakes.h"
#include "tools/check/CheckCommand.h"
#include "tools/check/CheckWindowBehaviour.h"
#include "tools/check/CountFix.h"
#include "tools/check/FileSystems.h"
#include "tools/check/ListWriter.h"
#include "tools/check/MediumCheck.h"
#include "tools/check/Names.h"
#include "tools/check/StartPage.h"

#include <gtest/gtest.h>

#include <optional>
#include <set>

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

namespace {

// UTF-8 text as UTF-16 bytes, as Notepad's "Unicode" saves it (the texts here stay in
// the Basic Multilingual Plane).
std::string utf16(const std::string &utf8, bool bigEndian, bool mark = true)
{
    std::string bytes = mark ? (bigEndian ? "\xFE\xFF" : "\xFF\xFE") : "";
    for (std::size_t i = 0; i < utf8.size();) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        const std::size_t length = b < 0x80 ? 1 : b < 0xE0 ? 2 : 3;
        unsigned unit = length == 1 ? b : length == 2 ? b & 0x1Fu : b & 0x0Fu;
        for (std::size_t k = 1; k < length; ++k)
            unit = unit << 6 | (static_cast<unsigned char>(utf8[i + k]) & 0x3Fu);
        const char high = static_cast<char>(unit >> 8);
        const char low = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? std::string {high, low} : std::string {low, high};
        i += length;
    }
    return bytes;
}

std::string entries(int first, int last)
{
    std::string text;
    for (int i = first; i <= last; ++i)
        text += "\"a.htm\",\"Entry " + std::to_string(i) + "\"\r\n";
    return text;
}

// A folder as Windows shows one laid out elsewhere: it lists a name kept for a device, and
// that file cannot be opened.
class WindowsFolders : public FakeFolders
{
public:
    using FakeFolders::FakeFolders;
    bool exists(const std::string &path) const override
    {
        return Names::reservedDevice(path.substr(path.rfind('/') + 1)).empty() && FakeFolders::exists(path);
    }
};

} // namespace

// The start program's reader and the check on the same bytes: every line on which the
// reader fails (its error box) carries an error of the check.
TEST(MediumCheck, TheReaderAndTheCheckAgree)
{
    const WindowsFolders folders({"/m/Presumptions.htm", "/m/a.htm", "/m/CON.txt"});
    const std::string oneEntry = "1\r\n\"a.htm\",\"\u00C6blegr\u00F8d \u03A9\"\r\n";
    const std::string unmarked = "info.txt:1: error: the file looks like UTF-16 text without a byte-order mark, "
                                 "which the start program cannot read: save it as UTF-8 (in Notepad: File > Save As, "
                                 "Encoding UTF-8)";
    const struct
    {
        const char *name;
        std::optional<std::string> info; // nothing: no readable info.txt
        std::vector<std::string> expected;
        int status;
        std::vector<int> readerFails; // the lines of the start program's error boxes
        bool mendOffered = false;
    } rows[] = {
        {"no info.txt", std::nullopt, {"info.txt:1: error: there is no readable info.txt in /m"}, 2, {}},
        {"empty", "", {"info.txt:1: error: the file is empty: it needs the count of entries first"}, 2, {1}},
        {"count not a number",
         "\n\nthree\n",
         {"info.txt:3: error: the count \"three\" is not a whole number from 0 to 32767"},
         2,
         {3},
         true},
        {"fewer entries than the count",
         "3\r\n\"a.htm\",\"A\"\r\n\"a.htm\"",
         {"info.txt:3: error: the count is 3 but the file holds 1 entries and a half"},
         2,
         {3}},
        {"only warnings",
         "1\r\n\"a.htm\",\"" + std::string(81, 'd') + "\"\r\n",
         {"info.txt:2: warning: the description has 81 characters: the list shows about 80"},
         1,
         {}},
        {"UTF-16 LE with a mark", utf16(oneEntry, false), {}, 0, {}},
        {"UTF-16 BE with a mark, the count one too many",
         utf16("2\r\n" + oneEntry.substr(3), true),
         {"info.txt:2: error: the count is 2 but the file holds 1 entries"},
         2,
         {2},
         true},
        {"UTF-16 LE without a mark", utf16(oneEntry, false, false), {unmarked}, 2, {1}},
        {"UTF-16 BE without a mark, after a blank line", utf16("\r\n" + oneEntry, true, false), {unmarked}, 2, {1}},
        {"UTF-16 ending in an odd byte",
         utf16("\r\n\r\n1\r\n\"a.htm\",\"A", false) + "\x22",
         {"info.txt:4: warning: the UTF-16 text ends in half a character (an odd last byte): the start program "
          "shows \uFFFD in its place; save the file again"},
         1,
         {}},
        {"UTF-16 with half a surrogate pair",
         utf16("2\r\n\"a.htm\",\"A\"\r\n\"a.htm\",\"B", true) + "\xD8\x3D" + utf16("\"\r\n", true, false),
         {"info.txt:3: warning: the UTF-16 text holds half of a surrogate pair: the start program shows \uFFFD in "
          "its place; save the file again"},
         1,
         {}},
        {"a count of 1,200",
         "1200\r\n" + entries(1, 1200),
         {"info.txt:1: error: the count is 1200: the list shows at most 1000 entries; the start program shows an "
          "error at every start"},
         2,
         {1}},
        {"1,200 entries under a count of 1000: no count mends it",
         "1000\r\n" + entries(1, 1200),
         {"info.txt:1002: error: the count is 1000 but more entries follow: the start program never shows them"},
         2,
         {}},
        {"a repeated and an empty description",
         "3\r\n\"a.htm\",\"Manual\"\r\n\"a.htm\",\" \"\r\n\"a.htm\",\" MANUAL\"\r\n",
         {"info.txt:3: warning: the description is empty: the list shows a blank line for this entry",
          "info.txt:4: warning: line 4 has the same description as line 2: a recipient cannot tell them apart"},
         1,
         {}},
        {"a name Windows reserves, on a medium laid out elsewhere",
         "1\r\n\"CON.txt\",\"Device\"\r\n",
         {"info.txt:2: error: \"CON.txt\": Windows reserves the name CON for a device, so the file cannot be opened "
          "there: rename it"},
         2,
         {}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const MediumReport report = InspectMedium("/m", row.info ? &*row.info : nullptr, folders);
        EXPECT_EQ(lines(report.findings), row.expected);
        EXPECT_EQ(exitStatus(report.findings), row.status);
        EXPECT_EQ(report.countIsTheOnlyError, row.mendOffered);
        std::vector<int> readerFails;
        if (row.info)
            ReadEntryList(*row.info, [&](int line) { readerFails.push_back(line); });
        EXPECT_EQ(readerFails, row.readerFails);
    }
}

// The newer rules, the summary, the list writer, the count mend, the console command and
// the window's behaviour, on a medium in memory.
namespace {

using Files = std::map<std::string, std::string>;

MediumReport inspect(const FakeMediumFiles &files, const std::string &dir = "/m")
{
    const auto bytes = files.read(dir + "/info.txt", 1 << 20);
    return InspectMedium(dir, bytes ? &*bytes : nullptr, files);
}

class Output : public CheckOutput
{
public:
    void out(const std::string &text) override { stdout_ += text; }
    void err(const std::string &text) override { stderr_ += text; }
    std::string stdout_;
    std::string stderr_;
};

} // namespace

TEST(CheckRules, NamesHintsFieldsQuotesAndTheMediumsParts)
{
    const std::string longName = std::string(61, 'n') + ".pdf"; // 65 characters
    const std::string deepFolder = std::string(60, 'f') + '/' + std::string(60, 'g') + '/' + std::string(60, 'h');
    FakeMediumFiles files(Files {
        {"/m/Presumptions.htm", ""},
        {"/m/startprogram.exe", ""},
        {"/m/a:b.pdf", ""},
        {"/m/CON.txt", ""},
        {"/m/Trailing.", ""},
        {"/m/" + longName, ""},
        {"/m/" + deepFolder + '/' + std::string(60, 'i') + ".pdf", ""},
        {"/m/Manual.pdf", ""},
        {"/m/MANUAL.pdf", ""},
        {"/m/Brugsanvisning.pdf", ""},
        {"/m/Brugsanvisning.DOC", ""},
        {"/m/Brugsanvisning.htm", ""},
        {"/m/Brugsanvisning.txt", ""},
    });
    files.files["/m/info.txt"] = "10\r\n"
                                 "\"a:b.pdf\",\"Colon\"\r\n" // 2
                                 "\"CON.txt\",\"Device\"\r\n" // 3
                                 "\"Trailing.\",\"Dot\"\r\n" // 4
                                 "\""
        + longName
        + "\",\"Long name\"\r\n" // 5
          "\""
        + deepFolder + '/' + std::string(60, 'i')
        + ".pdf\",\"Deep\"\r\n" // 6
          "\"Manual.pdf\",\"Twin\"\r\n" // 7
          "\"Brugsanvisning\",\"Hint\"\r\n" // 8
          "\"www.varnholt.example\",\"Web\"\r\n" // 9
          "Manual.pdf,Manual, printed\r\n" // 10: three fields
          "\"Manual.pdf\",\"The \"best\" one\"\r\n"; // 11: a quote inside
    // NOLINTBEGIN(bugprone-suspicious-missing-comma)
    const std::vector<std::string> expected {
        "info.txt:1: warning: the medium lacks startprogram, THIRD-PARTY-NOTICES.txt and licenses/: copy them "
        "from the kit's medium folder; every medium handed out must carry them",
        "info.txt:2: warning: \"a:b.pdf\" holds \":\", which Windows, FAT sticks and discs cannot hold in a name: "
        "rename it",
        "info.txt:3: warning: \"CON.txt\": Windows reserves the name CON for a device, with any extension: rename it",
        "info.txt:4: warning: \"Trailing.\" ends in a dot or a space, which Windows drops: rename it",
        "info.txt:5: warning: \"" + longName + "\" has 65 characters and a disc holds 64 in a name: shorten it",
        "info.txt:6: warning: \"" + deepFolder + '/' + std::string(60, 'i')
            + ".pdf\" has a path of 247 characters: with a recipient's drive and folder it must fit in Windows' "
              "260, so keep it to 240",
        "info.txt:7: warning: the folder holds \"MANUAL.pdf\" and \"Manual.pdf\", which differ only in letter case: "
        "Windows and discs keep only one of them",
        "info.txt:8: error: \"Brugsanvisning\" is missing from the medium; did you mean Brugsanvisning.DOC, "
        "Brugsanvisning.htm or Brugsanvisning.pdf?",
        "info.txt:9: error: \"www.varnholt.example\" is missing from the medium; did you mean "
        "https://www.varnholt.example?",
        "info.txt:10: warning: the line holds 3 fields where an entry has two: put a field that holds a comma in "
        "double quotes",
        "info.txt:10: warning: the folder holds \"MANUAL.pdf\" and \"Manual.pdf\", which differ only in letter case: "
        "Windows and discs keep only one of them",
        "info.txt:10: error: \"printed\" is missing from the medium", // the comma's doing
        "info.txt:11: warning: a double quote ends the field \"The \" early: the start program reads \"The \" and "
        "drops best\" one\"; write the quote as ' or \u201C \u201D instead",
        "info.txt:11: error: the count is 10 but more entries follow: the start program never shows them",
    };
    // NOLINTEND(bugprone-suspicious-missing-comma)
    EXPECT_EQ(lines(inspect(files).findings), expected);
}

TEST(CheckRules, SeveralEntriesOnALineAndAFolderOfDocumentsDrawNone)
{
    // Entries two a line: no comma warning. No start program: nothing it must carry.
    FakeMediumFiles files(Files {{"/m/Presumptions.htm", ""}, {"/m/a.htm", ""}, {"/m/b.htm", ""}});
    files.files["/m/info.txt"] = "4\n\"a.htm\",\"A\",\"b.htm\",\"B\"\n\"a.htm\",\"C\",\"b.htm\",\"D\"\n";
    const MediumReport report = inspect(files);
    EXPECT_EQ(lines(report.findings), std::vector<std::string>());
    EXPECT_EQ(summaryLine(report), "Ready: 4 entries, no problems found.");
}

// Today's medium carries one Linux program; an older medium's Qt beside it is an error that
// neither the count's mend nor the start page waits for.
TEST(CheckRules, TheMediumsPartsAndAnOlderMediumsQt)
{
    const auto qtLibraries = [](const std::string &folder) {
        return "info.txt:1: error: " + folder
            + "/ holds the Qt libraries of an older medium: the start program no longer uses them; delete the folder "
            + folder;
    };
    const struct
    {
        const char *name;
        bool programs;
        std::vector<std::string> added;
        std::vector<std::string> expected;
    } rows[] = {
        {"today's medium, with a library it may carry", true, {"linux/lib/libxkbcommon-x11.so.0"}, {}},
        {"an older qt.conf",
         true,
         {"QT.CONF"},
         {"info.txt:1: error: QT.CONF is left from an older medium: the start program no longer reads it; delete it"}},
        {"an older medium's libraries", true, {"linux/lib/libQt6Core.so.6"}, {qtLibraries("linux")}},
        {"its plugins, from a disc", true, {"LINUX/PLUGINS/PLATFORMS/LIBQXCB.SO;1"}, {qtLibraries("LINUX")}},
        {"documents alone", false, {"QT.CONF", "linux/lib/libQt6Core.so.6"}, {}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        Files layout {{"/m/Presumptions.htm", ""}, {"/m/info.txt", "1\r\n\"Presumptions.htm\",\"Usage\"\r\n"}};
        for (const char *part : {"startprogram.exe", "startprogram", "THIRD-PARTY-NOTICES.txt", "licenses/LGPL-3"})
            if (row.programs)
                layout["/m/" + std::string(part)] = "";
        for (const std::string &path : row.added)
            layout["/m/" + path] = "";
        FakeMediumFiles files(layout);
        EXPECT_EQ(lines(inspect(files).findings), row.expected);
        const MendResult page = WriteStartPage("/m", files);
        EXPECT_TRUE(page.done) << page.message;
        files.files["/m/info.txt"] = "2\r\n\"Presumptions.htm\",\"Usage\"\r\n";
        EXPECT_TRUE(inspect(files).countIsTheOnlyError);
    }
}

TEST(CheckRules, AFatStickIsToldFromTheMountTableAndWarnedOfOnlyWithTheLinuxProgram)
{
    // As Linux writes its mount table: a blank in a mount point as \040, a mount inside
    // another, a stick through fusefat.
    const std::string table
        = "27 1 254:0 / / rw,relatime - ext4 /dev/vda rw,discard\n"
          "45 27 0:40 / /media/ole/Min\\040stick rw,nosuid,nodev,relatime - fuse.fusefat fusefat rw,user_id=0\n"
          "46 45 0:41 / /media/ole/Min\\040stick/Film rw shared:5 - exfat /dev/sdc1 rw\n"
          "47 27 8:17 / /media/ole/USB rw,nosuid shared:7 master:2 - vfat /dev/sdb1 rw,showexec\n"
          "48 27 8:18 / /media/ole/USB rw,nosuid - ntfs3 /dev/sdb2 rw\n";
    const struct
    {
        const char *path;
        const char *type;
        bool fat;
    } mounts[] = {
        {"/media/ole/Min stick", "fuse.fusefat", true}, {"/media/ole/Min stick/Docs/a.pdf", "fuse.fusefat", true},
        {"/media/ole/Min stick/Film", "exfat", false},  {"/media/ole/Min sticks", "ext4", false},
        {"/media/ole/USB/x", "ntfs3", false}, // mounted over the FAT one: the later mount is seen
    };
    for (const auto &row : mounts) {
        EXPECT_EQ(FileSystems::typeFromMountInfo(table, row.path), row.type) << row.path;
        EXPECT_EQ(FileSystems::isFat(row.type), row.fat) << row.type;
    }
    EXPECT_TRUE(FileSystems::isFat("FAT32")); // as Windows names its volumes
    EXPECT_FALSE(FileSystems::isFat("exFAT"));

    FakeMediumFiles files(Files {{"/m/Presumptions.htm", ""}, {"/m/a.htm", ""}});
    files.files["/m/info.txt"] = "1\n\"a.htm\",\"A\"\n";
    const auto fatWarnings = [&](const std::string &type) {
        const MediumReport report = InspectMedium("/m", &files.files["/m/info.txt"], files, type);
        return std::count_if(report.findings.begin(), report.findings.end(),
                             [](const Finding &f) { return f.text.find("FAT file system") != std::string::npos; });
    };
    EXPECT_EQ(fatWarnings("vfat"), 0) << "a folder of documents alone draws nothing";
    files.files["/m/startprogram"] = "";
    EXPECT_EQ(fatWarnings("vfat"), 1);
    EXPECT_EQ(fatWarnings("FAT"), 1);
    EXPECT_EQ(fatWarnings("exfat"), 0);
    EXPECT_EQ(fatWarnings(""), 0);
}

TEST(CheckRules, SummaryInAnAuthorsWords)
{
    const Finding error {2, Finding::Kind::Error, "e"};
    const Finding warning {3, Finding::Kind::Warning, "w"};
    const struct
    {
        std::vector<Finding> findings;
        int entries;
        const char *expected;
    } rows[] = {
        {{}, 40, "Ready: 40 entries, no problems found."},
        {{}, 1, "Ready: 1 entry, no problems found."},
        {{error, error, warning}, 3, "2 errors and 1 warning: mend the errors before you hand the medium out."},
        {{error}, 3, "1 error: mend the error before you hand the medium out."},
        {{warning}, 3, "1 warning: the medium works, but read it before you hand it out."},
        {{warning, warning}, 3, "2 warnings: the medium works, but read them before you hand it out."},
    };
    for (const auto &row : rows) {
        MediumReport report;
        report.findings = row.findings;
        report.entries = row.entries;
        EXPECT_EQ(summaryLine(report), row.expected);
    }
}

TEST(CheckNames, FoldingAndNaturalOrderInEveryAlphabet)
{
    const struct
    {
        const char *a;
        const char *b;
    } same[] = {{"ÆBLEGRØD.PDF", "æblegrød.pdf"},
                {"ŁÓDŹ Ą Ę Ś Ż", "łódź ą ę ś ż"},
                {"ΩΜΈΓΑ", "ωμέγα"},
                {"МЕДИА Ё", "медиа ё"},
                {"Ÿ", "ÿ"}};
    for (const auto &row : same)
        EXPECT_EQ(Names::folded(row.a), Names::folded(row.b)) << row.a;
    std::vector<std::string> names
        = {"10 b.pdf", "2 b.pdf", "Ærø", "æble", "b", "A", "Ωmega", "alpha", "Жук", "аист", "file02", "file1"};
    std::sort(names.begin(), names.end(), Names::naturalLess);
    EXPECT_EQ(names,
              (std::vector<std::string> {"2 b.pdf", "10 b.pdf", "A", "alpha", "b", "file1", "file02", "æble", "Ærø",
                                         "Ωmega", "аист", "Жук"}));
}

TEST(ListWriter, EveryDocumentInNaturalOrderWithWhatTheMediumCarriesLeftOut)
{
    FakeMediumFiles files(Files {
        {"/m/startprogram.exe", ""},
        {"/m/startprogram", ""},
        {"/m/QT.CONF", ""},
        {"/m/autorun.inf", ""},
        {"/m/autorun.sh", ""},
        {"/m/THIRD-PARTY-NOTICES.txt", ""},
        {"/m/licenses/GPL-3", ""},
        {"/m/linux/lib/libQt6Core.so.6", ""},
        {"/m/Presumptions.htm", ""},
        {"/m/.hidden.pdf", ""},
        {"/m/Skjult.pdf", ""},
        {"/m/Kapitel 10.pdf", ""},
        {"/m/kapitel 2.pdf", ""},
        {"/m/Æblegrød.pdf", ""},
        {"/m/Øvelser/Manual.pdf", ""},
        {"/m/Dansk/Manual.pdf", ""},
        {"/m/Dansk/Manual.htm", ""},
        {"/m/Łódź, Ωμέγα.pdf", ""},
        {"/m/Say \"hi\".pdf", ""},
        {"/m/" + std::string(50, 'a') + ' ' + std::string(40, 'b') + ".pdf", ""},
    });
    files.hidden.insert("/m/Skjult.pdf");
    const WrittenList list = MakeEntryList("/m", files);
    const std::string expected = "\xEF\xBB\xBF"
                                 "8\r\n"
                                 "\"Dansk\\Manual.htm\",\"Manual.htm\"\r\n"
                                 "\"Dansk\\Manual.pdf\",\"Manual.pdf\"\r\n"
                                 "\"Øvelser\\Manual.pdf\",\"Manual (Øvelser)\"\r\n"
                                 "\""
        + std::string(50, 'a') + ' ' + std::string(40, 'b') + ".pdf\",\"" + std::string(50, 'a')
        + "\"\r\n"
          "\"kapitel 2.pdf\",\"kapitel 2\"\r\n"
          "\"Kapitel 10.pdf\",\"Kapitel 10\"\r\n"
          "\"Æblegrød.pdf\",\"Æblegrød\"\r\n"
          "\"Łódź, Ωμέγα.pdf\",\"Łódź, Ωμέγα\"\r\n";
    EXPECT_EQ(list.entries, 8);
    EXPECT_EQ(list.bytes, expected);
    EXPECT_EQ(list.notes,
              std::vector<std::string> {"left out \"Say \"hi\".pdf\": a double quote cannot stand in a "
                                        "name in info.txt; rename the file"});
}

TEST(ListWriter, WrittenOnceAndChecksClean)
{
    FakeMediumFiles files(Files {{"/m/Presumptions.htm", ""}, {"/m/Docs/Sheet 1.pdf", ""}, {"/m/Læs mig.htm", "x"}});
    const MendResult written = WriteEntryList("/m", files);
    EXPECT_TRUE(written.done) << written.message;
    EXPECT_EQ(written.message, "Wrote info.txt with 2 entries.");
    const MediumReport report = inspect(files);
    EXPECT_EQ(lines(report.findings), std::vector<std::string>());
    EXPECT_EQ(report.entries, 2);

    const std::string before = files.files["/m/info.txt"];
    const MendResult again = WriteEntryList("/m", files);
    EXPECT_FALSE(again.done);
    EXPECT_EQ(again.message,
              "info.txt already exists in /m: it was left as it is. Move it away first to make a new list.");
    EXPECT_EQ(files.files["/m/info.txt"], before);
}

// Every name that once broke the list, in one folder, and beside it a folder of more
// documents than the list shows.
TEST(ListWriter, EveryHardNameLeavesAListTheProgramReadsAndTheRecipientTellsApart)
{
    const std::string longName = std::string(40, 'a') + ' ' + std::string(45, 'b') + " part "; // 92 characters
    const std::string longFolder = std::string(40, 'f') + ' ' + std::string(37, 'g'); // 78 characters
    FakeMediumFiles files(Files {
        {"/m/Presumptions.htm", ""},
        {"/m/INFO.TXT", "0\r\n"},
        {"/m/V\xE6lg.pdf", ""}, // Latin-1, from a zip made on an older Windows
        {"/m/Q\\A.pdf", ""}, // a Linux name that info.txt would read as a folder
        {"/m/" + longName + "1.pdf", ""},
        {"/m/" + longName + "2.pdf", ""},
        {"/m/" + longFolder + "/Manual.pdf", ""},
        {"/m/Manual.pdf", ""},
        {"/m/Report.pdf", ""},
        {"/m/report.PDF", ""},
        {"/m/self/Manual.pdf", ""}, // what a link to "." shows, and so on
        {"/m/System Volume Information/IndexerVolumeGuid", ""},
        {"/m/$RECYCLE.BIN/S-1-5-21/desktop.ini", ""},
        {"/m/recycler/old.pdf", ""},
    });
    files.links.insert("/m/self");
    for (int i = 1; i <= 1001; ++i)
        files.files["/n/" + std::to_string(i) + ".pdf"] = "";
    files.folders.insert("/n");

    MendResult result = WriteEntryList("/m", files);
    EXPECT_EQ(result.message,
              "INFO.TXT already exists in /m: it was left as it is. Move it away first to make a new list.");
    files.files.erase("/m/INFO.TXT");
    result = WriteEntryList("/m", files);
    EXPECT_TRUE(result.done);
    EXPECT_EQ(
        result.message,
        "Wrote info.txt with 6 entries.\n"
        "left out \"Q\\A.pdf\": a backslash in info.txt separates folders, so it cannot stand in a name; rename it\n"
        "left out \"V\u00e6lg.pdf\": its name is not UTF-8 text (as in a zip made on an older Windows); rename it\n"
        "left out \"self\\\": it is a link to a folder, which is not followed; list the folder where it lies");

    int failures = 0;
    const EntryList list = ReadEntryList(files.files["/m/info.txt"], [&] { ++failures; });
    EXPECT_EQ(failures, 0);
    ASSERT_EQ(list.count(), 6);
    const std::string cutLong = std::string(40, 'a') + "\u2026" + std::string(28, 'b') + " part ";
    const std::vector<std::pair<std::string, std::string>> expected {
        {longFolder + "\\Manual.pdf", "Manual (" + std::string(20, 'f') + "\u2026" + std::string(19, 'g') + ")"},
        {longName + "1.pdf", cutLong + "1.pdf"},
        {longName + "2.pdf", cutLong + "2.pdf"},
        {"Manual.pdf", "Manual (top folder)"},
        {"Report.pdf", "Report.pdf"},
        {"report.PDF", "report.PDF (2)"},
    };
    std::set<std::u32string> seen;
    for (int position = 1; position <= list.count(); ++position) {
        const std::string &description = list.description(position);
        EXPECT_EQ(std::make_pair(list.file(position), description), expected.at(position - 1));
        EXPECT_LE(Names::windowsLength(description), 80U) << description;
        EXPECT_TRUE(seen.insert(Names::folded(description)).second) << description;
    }

    result = WriteEntryList("/n", files);
    EXPECT_FALSE(result.done);
    EXPECT_EQ(result.message,
              "/n holds 1001 documents, but the list shows at most 1000 entries (the start program shows an error "
              "at every start for more): put some on a medium of their own. Nothing was written.");
    EXPECT_EQ(files.files.count("/n/info.txt"), 0U);
}

TEST(CountFix, OnlyTheCountChangesInEveryEncodingAndLineEnd)
{
    const struct
    {
        const char *name;
        std::string before;
        std::optional<std::string> after;
    } rows[] = {
        {"UTF-8, CR LF", "5\r\n\"a.htm\",\"Å\"\r\n", "1\r\n\"a.htm\",\"Å\"\r\n"},
        {"UTF-8 with BOM, LF", "\xEF\xBB\xBF 12 \n\"a\",\"b\"\n\"c\",\"d\"\n",
         "\xEF\xBB\xBF 2 \n\"a\",\"b\"\n\"c\",\"d\"\n"},
        {"Windows-1252, CR", "\n\n0\r\"\xE6\xF8\xE5.htm\",\"V\xE6lg\"\r", "\n\n1\r\"\xE6\xF8\xE5.htm\",\"V\xE6lg\"\r"},
        {"quoted count, on one line", "\"three\",a,b,c,d", "\"2\",a,b,c,d"},
        {"a negative count", "-1\n\"a\",\"b\"", "1\n\"a\",\"b\""},
        {"UTF-16 LE, blanks kept", utf16(" 12 \r\n\"\u00C6\",\"b\"\r\n", false),
         utf16(" 1 \r\n\"\u00C6\",\"b\"\r\n", false)},
        {"UTF-16 BE, quoted count, an odd last byte", utf16("\"7\",a,b,c,d", true) + "\x0A",
         utf16("\"2\",a,b,c,d", true) + "\x0A"},
        {"UTF-16 without a mark", utf16("5\r\n\"a\",\"b\"\r\n", false, false), std::nullopt},
        {"1,001 entries", "1000\r\n" + entries(1, 1001), std::nullopt},
        {"half an entry", "1\n\"a\",\"b\"\n\"c\"\n", std::nullopt},
        {"empty", "", std::nullopt},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(WithCountOfEntries(row.before), row.after);
    }
}

TEST(CountFix, OfferedOnlyWhenTheCountIsTheOnlyErrorAndAFailedWriteLosesNothing)
{
    FakeMediumFiles files(Files {{"/m/Presumptions.htm", ""}, {"/m/a.htm", ""}});
    files.files["/m/info.txt"] = "3\r\n\"a.htm\",\"A\"\r\n";
    EXPECT_TRUE(inspect(files).countIsTheOnlyError);
    files.failWrites = "Read-only file system";
    MendResult result = WriteCountOfEntries("/m", files);
    EXPECT_FALSE(result.done);
    EXPECT_EQ(result.message, "info.txt could not be written: Read-only file system. The file is as it was.");
    EXPECT_EQ(files.files["/m/info.txt"], "3\r\n\"a.htm\",\"A\"\r\n");
    files.failWrites.clear();
    result = WriteCountOfEntries("/m", files);
    EXPECT_TRUE(result.done);
    EXPECT_EQ(files.files["/m/info.txt"], "1\r\n\"a.htm\",\"A\"\r\n");
    EXPECT_FALSE(inspect(files).countIsTheOnlyError);

    files.files["/m/info.txt"] = "2\r\n\"a.htm\",\"A\"\r\n\"gone.htm\",\"B\"\r\n\"a.htm\",\"C\"\r\n";
    EXPECT_FALSE(inspect(files).countIsTheOnlyError); // a missing file is an error of its own
    files.files["/m/info.txt"] = "2\r\n\"a.htm\",\"A\"\r\n\"a.htm\"\r\n";
    EXPECT_FALSE(inspect(files).countIsTheOnlyError); // half an entry: no count mends it

    // Asked for all the same (--set-count), the mend says why not and writes nothing.
    files.files["/m/info.txt"] = "1000\r\n" + entries(1, 1001);
    EXPECT_EQ(WriteCountOfEntries("/m", files).message,
              "info.txt holds 1001 entries and the list shows at most 1000: leave out entries first. Nothing was "
              "changed.");
    files.files["/m/info.txt"] = utf16("5\r\n\"a.htm\",\"A\"\r\n", true, false);
    EXPECT_EQ(WriteCountOfEntries("/m", files).message,
              "info.txt looks like UTF-16 text without a byte-order mark: save it as UTF-8 (in Notepad: File > Save "
              "As, Encoding UTF-8), then set the count. Nothing was changed.");
    EXPECT_EQ(files.files["/m/info.txt"], utf16("5\r\n\"a.htm\",\"A\"\r\n", true, false));
}

TEST(CheckCommand, ArgumentsOutputAndStatus)
{
    FakeMediumFiles files(Files {{"/w/Ω medie/Presumptions.htm", ""}, {"/w/Ω medie/Æblegrød.htm", ""}}, {"/w/empty"});
    Output output;
    EXPECT_EQ(RunCheckCommand({"--make-list", "Ω medie"}, "/w", files, output), 0);
    EXPECT_EQ(output.stdout_, "");
    EXPECT_EQ(output.stderr_, "startprogram-check: Wrote info.txt with 1 entry.\nReady: 1 entry, no problems found.\n");

    files.files["/w/Ω medie/info.txt"] = "2\r\n\"Æblegrød.htm\",\"Æ\"\r\n";
    output = {};
    EXPECT_EQ(RunCheckCommand({"--console", "/w/Ω medie/info.txt"}, "/", files, output), 2);
    EXPECT_EQ(output.stdout_, "info.txt:2: error: the count is 2 but the file holds 1 entries\n");
    EXPECT_EQ(output.stderr_, "1 error: mend the error before you hand the medium out.\n");

    output = {};
    EXPECT_EQ(RunCheckCommand({"-h"}, "/", files, output), 0);
    const std::string usage = output.stderr_;
    EXPECT_EQ(usage.substr(0, 32), "usage: startprogram-check [DIR]\n");

    const struct
    {
        std::vector<std::string> arguments;
        int status;
        std::string err;
    } refusals[] = {
        {{"nowhere"}, 2, "startprogram-check: nowhere is not a folder\n"},
        {{"--make-list", "/w/Ω medie"},
         2,
         "startprogram-check: info.txt already exists in /w/Ω medie: it was left as it is. "
         "Move it away first to make a new list.\n"},
        {{"--make-list", "/w/empty"},
         2,
         "startprogram-check: /w/empty holds no documents to list: nothing was written.\n"},
        {{"a", "b"}, 2, usage},
    };
    for (const auto &row : refusals) {
        output = {};
        EXPECT_EQ(RunCheckCommand(row.arguments, "/", files, output), row.status);
        EXPECT_EQ(output.stderr_, row.err);
    }
}

namespace {

class FakeCheckView : public CheckView
{
public:
    void showFolder(const std::string &folder) override { this->folder = folder; }
    void showSummary(const std::string &summary) override { this->summary = summary; }
    void showFindings(const std::vector<FindingRow> &rows) override { this->rows = rows; }
    void showActions(const CheckActions &actions) override { this->actions = actions; }
    void showMessage(const std::string &text, bool failed) override { messages.push_back((failed ? "! " : "") + text); }
    void openDocument(const std::string &path) override { opened.push_back(path); }
    void copyText(const std::string &text) override { copied = text; }

    std::string folder;
    std::string summary;
    std::vector<FindingRow> rows;
    CheckActions actions;
    std::vector<std::string> messages;
    std::vector<std::string> opened;
    std::string copied;
};

} // namespace

TEST(CheckWindow, FindsTheKitsMediumOffersTheMendsAndShowsDesktopPaths)
{
    FakeMediumFiles files(Files {{"/K/kit/medium/Presumptions.htm", ""},
                                 {"/K/kit/medium/a.htm", ""},
                                 {"/K/kit/tools/startprogram-check.exe", ""}});
    FakeCheckView view;
    CheckWindowBehaviour window(view, files, '\\');
    window.start("", "\\K\\kit\\tools");
    EXPECT_EQ(view.folder, "\\K\\kit\\medium");
    EXPECT_EQ(view.summary, "1 error: mend the error before you hand the medium out.");
    EXPECT_TRUE(view.actions.makeList);
    EXPECT_FALSE(view.actions.openInformationFile);

    window.makeList();
    EXPECT_EQ(view.messages,
              std::vector<std::string> {"Wrote info.txt with 1 entry." + std::string(StartPage::OfferAfterList)});
    EXPECT_EQ(view.summary, "Ready: 1 entry, no problems found.");
    EXPECT_FALSE(view.actions.makeList);
    window.openInformationFile();
    EXPECT_EQ(view.opened, std::vector<std::string> {"\\K\\kit\\medium\\info.txt"});

    files.files["/K/kit/medium/info.txt"] = "4\r\n\"a.htm\",\"A\"\r\n";
    window.checkAgain();
    ASSERT_EQ(view.rows.size(), 1U);
    EXPECT_EQ(view.rows[0].line, "2");
    EXPECT_EQ(view.rows[0].kind, "error");
    EXPECT_TRUE(view.actions.setCount);
    window.copyReport();
    EXPECT_EQ(view.copied,
              "info.txt:2: error: the count is 4 but the file holds 1 entries\n"
              "1 error: mend the error before you hand the medium out.\n");
    window.setCount();
    EXPECT_EQ(view.summary, "Ready: 1 entry, no problems found.");
    ASSERT_TRUE(view.actions.makeStartPage);
    window.makeStartPage();
    EXPECT_EQ(view.messages.back(), "Wrote Start here.htm for computers the start program cannot run on.");
    EXPECT_TRUE(StartPage::isOwnPageAt("/K/kit/medium/Start here.htm", files));

    window.dropped("\\K\\kit\\tools\\startprogram-check.exe");
    EXPECT_EQ(view.messages.back().substr(0, 2), "! ");
    EXPECT_EQ(view.folder, "\\K\\kit\\medium"); // the medium shown before stays
    window.dropped("\\K\\kit\\medium\\info.txt");
    EXPECT_EQ(window.folder(), "/K/kit/medium");
}

// A mend acts on the file as it is when it writes, not on the verdict of the last
// check, and writes into the information file the start program reads (here a disc's).
TEST(CheckWindow, SetTheCountChecksTheFileAsItIsNowAndKeepsItsName)
{
    FakeMediumFiles files(
        Files {{"/m/Presumptions.htm", ""}, {"/m/a.htm", ""}, {"/m/INFO.TXT;1", "3\r\n\"a.htm\",\"A\"\r\n"}});
    FakeCheckView view;
    CheckWindowBehaviour window(view, files, '/');
    window.dropped("/m/INFO.TXT;1");
    EXPECT_EQ(view.summary, "1 error: mend the error before you hand the medium out.");
    EXPECT_TRUE(view.actions.setCount);
    EXPECT_FALSE(view.actions.makeList);
    window.openInformationFile();
    EXPECT_EQ(view.opened, std::vector<std::string> {"/m/INFO.TXT;1"});

    // Edited through "Open info.txt", not checked again: the count is no longer the only error.
    const std::string edited = "3\r\n\"a.htm\",\"A\"\r\n\"gone.htm\",\"B\"\r\n";
    files.files["/m/INFO.TXT;1"] = edited;
    window.setCount();
    EXPECT_EQ(view.messages.back(),
              "! the count is not the only error in info.txt as it is now: mend the others first (check it again "
              "to see them). Nothing was changed.");
    EXPECT_EQ(files.files["/m/INFO.TXT;1"], edited);

    files.files["/m/INFO.TXT;1"] = "3\r\n\"a.htm\",\"A\"\r\n\"a.htm\",\"B\"\r\n";
    window.setCount();
    EXPECT_EQ(view.messages.back(), "The count in info.txt now says how many entries it holds.");
    EXPECT_EQ(files.files["/m/INFO.TXT;1"], "2\r\n\"a.htm\",\"A\"\r\n\"a.htm\",\"B\"\r\n");
    EXPECT_EQ(files.files.count("/m/info.txt"), 0U);
    EXPECT_EQ(view.summary, "Ready: 2 entries, no problems found.");
}
