#include "tests/support/Fakes.h"
#include "tools/check/CheckCommand.h"
#include "tools/check/ListWriter.h"
#include "tools/check/MediumCheck.h"
#include "tools/check/StartPage.h"
#include "tools/check/StartPageHtml.h"

#include <gtest/gtest.h>

#include <regex>

namespace {

using Link = StartPageEntry::Link;

class Output : public CheckOutput
{
public:
    void out(const std::string &text) override { written += text; }
    void err(const std::string &text) override { written += text; }
    std::string written;
};

// One entry of the test medium: its info.txt fields, and what the page makes of it.
struct Row
{
    const char *name;
    std::string field;
    std::string description;
    Link link;
    std::string href;
    std::string word;
};

// A quoted field cannot hold a double quote; escapedHtml's own row below shows it.
const char Hostile[] = "<script>document.title='ran'</script> & more";

const std::vector<Row> &rows()
{
    static const std::vector<Row> table {
        {"space and Danish letters in a sub-folder", "Dokumenter\\Søren Ærø.pdf", "Manual", Link::File,
         "./Dokumenter/S%C3%B8ren%20%C3%86r%C3%B8.pdf", ""},
        {"hash, percent, question mark and colon", "noter/#1 100% klar? ja: nej.txt", "Notes", Link::File,
         "./noter/%231%20100%25%20klar%3F%20ja%3A%20nej.txt", ""},
        {"letter case and a disc's version mark", "LAES.TXT", "Read me", Link::File, "./laes.txt%3B1", ""},
        {"a folder", "Billeder", "Pictures", Link::Folder, "./Billeder/", "folder"},
        {"a web address", "https://www.varnholt.example/a?b=1&c=2", "Web", Link::Web,
         "https://www.varnholt.example/a?b=1&c=2", ""},
        {"javascript is a missing file", "javascript:alert(1)", "Script", Link::None, "", "missing from this medium"},
        {"data is a missing file", "data:text/html,<b>x</b>", "Data", Link::None, "", "missing from this medium"},
        {"httpx is no web address", "httpx:evil", "Httpx", Link::None, "", "not a web address a browser can open"},
        {"http without a host", "http:///x", "No host", Link::None, "", "not a web address a browser can open"},
        {"missing file", "mangler.pdf", "Gone", Link::None, "", "missing from this medium"},
        {"above the medium", "..\\up.htm", "Above", Link::None, "", "missing from this medium"},
        {"Windows program", "setup.EXE", "Setup", Link::File, "./setup.EXE", "a program for Windows"},
        {"Windows installer", "pakke.msi", "Package", Link::File, "./pakke.msi", "a program for Windows"},
        {"Linux ELF program", "linux/tool", "Tool", Link::File, "./linux/tool", "a program for Linux"},
        {"Linux script", "run.sh", "Run", Link::File, "./run.sh", "a program for Linux"},
        {"office document", "rapport.docx", "Report", Link::File, "./rapport.docx", ""},
        {"hostile description", "index.htm", Hostile, Link::File, "./index.htm", ""},
        {"blank description shows the field", "index.htm", " ", Link::File, "./index.htm", ""},
    };
    return table;
}

std::string infoText()
{
    std::string info = std::to_string(rows().size()) + "\r\n";
    for (const Row &row : rows())
        info += "\"" + row.field + "\",\"" + row.description + "\"\r\n";
    return info;
}

FakeMediumFiles medium()
{
    return FakeMediumFiles({{"/m/info.txt", infoText()},
                            {"/m/Presumptions.htm", "<p>usage"},
                            {"/m/index.htm", "<p>welcome"},
                            {"/m/Dokumenter/Søren Ærø.pdf", "%PDF-1.4"},
                            {"/m/noter/#1 100% klar? ja: nej.txt", "notes"},
                            {"/m/laes.txt;1", "read me"},
                            {"/m/Billeder/a.png", "png"},
                            {"/m/setup.EXE", "MZ"},
                            {"/m/pakke.msi", "msi"},
                            {"/m/linux/tool",
                             "\x7F"
                             "ELF\x02"},
                            {"/m/run.sh", "#!/bin/sh\n"},
                            {"/m/rapport.docx", "PK"},
                            {"/up.htm", "above"}});
}

} // namespace

TEST(StartPage, EntriesLinksAndWords)
{
    const FakeMediumFiles files = medium();
    const StartPageFacts facts = StartPage::factsOf("/m", infoText(), files);
    ASSERT_EQ(facts.entries.size(), rows().size());
    for (std::size_t i = 0; i < rows().size(); ++i) {
        const Row &row = rows()[i];
        const StartPageEntry &entry = facts.entries[i];
        SCOPED_TRACE(row.name);
        EXPECT_EQ(entry.link, row.link);
        EXPECT_EQ(entry.href, row.href);
        EXPECT_EQ(entry.word, row.word);
        EXPECT_EQ(entry.description, row.description == " " ? row.field : row.description);
    }
    EXPECT_EQ(facts.title, "Zezuzav Quillmere");
    EXPECT_EQ(facts.choose, "Choose:");
    EXPECT_EQ(facts.usageHref, "./Presumptions.htm");
    EXPECT_EQ(facts.copyright, "\u00A9 Varnholt Danmark A/S 2003. All rights reserved.");
    EXPECT_FALSE(facts.downloadNote.empty()) << "the .docx is saved, not shown";
}

TEST(StartPage, HtmlEscapesEveryTextAndIsTheSameEachTime)
{
    const FakeMediumFiles files = medium();
    const std::string page = StartPageHtml(StartPage::factsOf("/m", infoText(), files));
    EXPECT_EQ(page, StartPageHtml(StartPage::factsOf("/m", infoText(), files))) << "the same facts, the same bytes";
    EXPECT_EQ(page.rfind("<!DOCTYPE html>\n" + std::string(StartPageMarker), 0), 0u);
    EXPECT_NE(page.find("<html lang=\"en\">"), std::string::npos);
    EXPECT_NE(page.find("<meta charset=\"utf-8\">"), std::string::npos);
    EXPECT_NE(page.find("<title>Zezuzav Quillmere</title>"), std::string::npos);
    EXPECT_EQ(std::regex_search(page, std::regex("<script", std::regex::icase)), false);
    EXPECT_NE(page.find("&lt;script&gt;document.title=&#39;ran&#39;&lt;/script&gt; &amp; more"), std::string::npos);
    EXPECT_NE(page.find("href=\"https://www.varnholt.example/a?b=1&amp;c=2\""), std::string::npos);
    EXPECT_EQ(std::regex_search(page, std::regex("href=\"(javascript|data|httpx):")), false);
    EXPECT_EQ(escapedHtml(std::string("\"a\x01z\t")), "&quot;a\uFFFDz\t");
}

TEST(StartPage, WrittenOnlyForACleanListAndNeverOverAnAuthorsPage)
{
    const std::string clean = "1\r\n\"index.htm\",\"Welcome\"\r\n";
    const std::string own = "<!DOCTYPE html>\n" + std::string(StartPageMarker) + "\n<p>old";
    const struct
    {
        const char *name;
        std::map<std::string, std::string> extra;
        std::string info;
        int status;
        std::string written; // the page's path, empty when nothing may be written
        std::string said;
    } cases[] = {
        {"a new page", {}, clean, 0, "/m/Start here.htm", "Wrote Start here.htm"},
        {"the check's own page in another case is replaced",
         {{"/m/start HERE.htm", own}},
         clean,
         0,
         "/m/start HERE.htm",
         "Wrote start HERE.htm"},
        {"an author's page in another case stays",
         {{"/m/START HERE.HTM", "<p>mine"}},
         clean,
         2,
         "",
         "START HERE.HTM on the medium is not a page the check wrote"},
        {"an author's page that quotes the marker stays",
         {{"/m/Start here.htm", "<p>" + own}},
         clean,
         2,
         "",
         "Start here.htm on the medium is not a page the check wrote"},
        {"a list with an error", {}, "2\r\n\"index.htm\",\"Welcome\"\r\n", 2, "", "info.txt has errors"},
        {"a missing file is shown unlinked",
         {},
         "2\r\n\"index.htm\",\"Welcome\"\r\n\"gone.pdf\",\"Gone\"\r\n",
         2,
         "/m/Start here.htm",
         "One entry's file is missing from the medium"},
        {"no info.txt", {}, "", 2, "", "there is no readable info.txt"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        std::map<std::string, std::string> start {{"/m/index.htm", "<p>welcome"}, {"/m/Presumptions.htm", "<p>"}};
        if (!c.info.empty())
            start["/m/info.txt"] = c.info;
        start.insert(c.extra.begin(), c.extra.end());
        FakeMediumFiles files(start);
        Output output;
        EXPECT_EQ(RunCheckCommand({"--make-start-page", "/m"}, "/", files, output), c.status) << output.written;
        EXPECT_NE(output.written.find(c.said), std::string::npos) << output.written;
        for (const auto &[path, bytes] : start) {
            if (path != c.written) {
                EXPECT_EQ(files.files[path], bytes) << path << " changed";
            }
        }
        EXPECT_EQ(files.files.size(), start.size() + (c.written.empty() || start.count(c.written) ? 0 : 1));
        if (!c.written.empty()) {
            EXPECT_TRUE(StartPage::isOwnPageAt(c.written, files));
            EXPECT_NE(files.files[c.written].find("href=\"./index.htm\">Welcome</a>"), std::string::npos);
        }
    }
}

TEST(StartPage, AnOlderOwnPageIsAWarningAndTheListWriterLeavesItOut)
{
    const std::string info = "1\r\n\"Docs\\Manual.pdf\",\"Manual\"\r\n";
    FakeMediumFiles files({{"/m/info.txt", info}, {"/m/Presumptions.htm", "<p>"}, {"/m/Docs/Manual.pdf", "%PDF"}});
    ASSERT_TRUE(WriteStartPage("/m", files).done);
    const std::string page = files.files["/m/Start here.htm"];
    EXPECT_TRUE(CheckMedium("/m", &info, files).empty());

    // A file renamed only in letter case: the program still finds it, the page's link is wrong.
    files.files.erase("/m/Docs/Manual.pdf");
    files.files["/m/Docs/MANUAL.PDF"] = "%PDF";
    const std::vector<Finding> findings = CheckMedium("/m", &info, files);
    ASSERT_FALSE(findings.empty());
    EXPECT_EQ(formatFinding(findings.front()),
              "info.txt:1: warning: Start here.htm is older than info.txt: make it again");

    // An author's page of another name is a document; the check's own page is not.
    files.files["/m/Velkommen.htm"] = "<p>hello";
    files.files.erase("/m/info.txt");
    const std::string list = MakeEntryList("/m", files).bytes;
    EXPECT_NE(list.find("Velkommen.htm"), std::string::npos) << list;
    EXPECT_EQ(list.find("Start here"), std::string::npos) << list;
    files.files["/m/Start here.htm"] = "<p>an author's own";
    EXPECT_NE(MakeEntryList("/m", files).bytes.find("Start here.htm"), std::string::npos);
}
