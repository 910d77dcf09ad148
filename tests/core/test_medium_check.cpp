#include "tests/support/Fakes.h"
#include "tools/check/CheckCommand.h"
#include "tools/check/CheckWindowBehaviour.h"
#include "tools/check/CountFix.h"
#include "tools/check/ListWriter.h"
#include "tools/check/MediumCheck.h"
#include "tools/check/Names.h"
#include "tools/check/StartPage.h"

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
        {"/m/qt.conf", ""},
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
        "info.txt:1: warning: the medium lacks startprogram, linux/, THIRD-PARTY-NOTICES.txt and licenses/: copy "
        "them from the kit's medium folder; every medium handed out must carry them",
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
    files.files["/m/info.txt"] = "4\n\"a.htm\",\"A\",\"b.htm\",\"B\"\n\"a.htm\",\"A\",\"b.htm\",\"B\"\n";
    const MediumReport report = inspect(files);
    EXPECT_EQ(lines(report.findings), std::vector<std::string>());
    EXPECT_EQ(summaryLine(report), "Ready: 4 entries, no problems found.");
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
        {"/m/qt.conf", ""},
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
        {{"a", "b"}, 2, ""},
    };
    for (const auto &row : refusals) {
        output = {};
        EXPECT_EQ(RunCheckCommand(row.arguments, "/", files, output), row.status);
        if (!row.err.empty()) {
            EXPECT_EQ(output.stderr_, row.err);
        }
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
