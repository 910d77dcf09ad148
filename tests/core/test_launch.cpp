#include "entries/ProgramPath.h"
#include "launch/ResolveTarget.h"
#include "launch/RunTarget.h"
#include "tests/support/Fakes.h"
#include "texts/TextTable.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(ResolveTarget, WebAddressesStayAndEverythingElseJoinsTheProgramFolder)
{
    struct Row
    {
        std::string name, dir;
        char separator;
        std::string field;
        bool web;
        std::string target;
    };
    const std::vector<Row> rows {
        {"http address", "/media/cd", '/', "http://varnholt.example/a b", true, "http://varnholt.example/a b"},
        {"HTTPS in capitals", "/media/cd", '/', "HTTPS://VARNHOLT.EXAMPLE", true, "HTTPS://VARNHOLT.EXAMPLE"},
        {"HTTP and a scheme of its own", "/media/cd", '/', "HTTP:x", true, "HTTP:x"},
        {"web address on a desktop using \\", "D:\\", '\\', "http://varnholt.example/", true,
         "http://varnholt.example/"},
        {"httpdocs without a scheme is a file", "/media/cd", '/', "httpdocs\\a.htm", false, "/media/cd/httpdocs/a.htm"},
        {"a blank ends the scheme", "/media/cd", '/', "http docs:a.htm", false, "/media/cd/http docs:a.htm"},
        {"exactly HTTP is a file", "/media/cd", '/', "Http", false, "/media/cd/Http"},
        {"exactly http is a file", "/media/cd", '/', "http", false, "/media/cd/http"},
        {"shorter than four", "/media/cd", '/', "htt", false, "/media/cd/htt"},
        {"mailto is joined like a file", "/media/cd", '/', "mailto:a@b.example", false, "/media/cd/mailto:a@b.example"},
        {"drive letter is not a scheme", "/media/cd", '/', "C:\\x", false, "/media/cd/C:/x"},
        {"page in the program folder", "/media/cd", '/', "index.htm", false, "/media/cd/index.htm"},
        {"program at the root", "/", '/', "index.htm", false, "/index.htm"},
        {"backslashes become slashes", "/media/cd", '/', "Docs\\Sub dir\\Manual.PDF", false,
         "/media/cd/Docs/Sub dir/Manual.PDF"},
        {"empty field", "/media/cd", '/', "", false, "/media/cd/"},
        {"drive root keeps its separator", "D:\\", '\\', "index.htm", false, "D:\\index.htm"},
        {"folder on a drive", "D:\\media", '\\', "Docs\\a.htm", false, "D:\\media\\Docs\\a.htm"},
        {"a slash stays where \\ separates", "D:\\media", '\\', "Docs/a.htm", false, "D:\\media\\Docs/a.htm"},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(isWebAddressField(r.field), r.web);
        EXPECT_EQ(ResolveTarget(r.dir, r.separator, r.field), r.target);
        if (!r.web) {
            EXPECT_EQ(ProgramPath::join(r.dir, r.field, r.separator), r.target);
        }
    }
}

TEST(ResolveTarget, HasScheme)
{
    struct Row
    {
        std::string target;
        bool scheme;
    };
    const std::vector<Row> rows {
        {"http://a.example", true},
        {"HTTPS://A.EXAMPLE", true},
        {"mailto:info@varnholt.example", true},
        {"a+b-c.d9:x", true},
        {"ab:", true},
        {"/media/cd/mailto:x", false},
        {"C:\\index.htm", false},
        {"httpdocs\\a.htm", false},
        {"9ab:x", false},
        {":x", false},
        {"ab", false},
        {"", false},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.target);
        EXPECT_EQ(hasScheme(r.target), r.scheme);
    }
}

TEST(RunTarget, OnlyAMissingFileIsReported)
{
    struct Row
    {
        std::string name;
        Shell::Result result;
        int language;
        std::string title, text; // empty: no box
    };
    const std::string target = "/media/cd/my docs/a \"b\".pdf";
    const std::vector<Row> rows {
        {"started", Shell::Result::Started, TextTable::English, "", ""},
        {"other failure is silent", Shell::Result::Failed, TextTable::English, "", ""},
        {"missing file", Shell::Result::FileNotFound, TextTable::English, "Command aborted",
         "The program was not able to run the specified file.\n\nPlease check that the following file exists:\n"
             + target + "\n\nIf so: Ensure that the computer has the right associations with the file-type involved"},
        {"missing file in Danish", Shell::Result::FileNotFound, TextTable::Danish, "Kommando afsluttet",
         "Programmet var ikke i stand til at afvikle den specificrede fil.\n\nVenligst tjek af følgende fil findes:\n"
             + target
             + "\n\nHvis den gør: Kontrollér at computeren har de korrekte associationer knytte til den pågældende "
               "filtype"},
    };
    TextTable texts;
    FillTextTable(texts);
    for (const Row &r : rows) {
        SCOPED_TRACE(r.name);
        FakeShell shell;
        shell.result = r.result;
        FakeMessageBoxes boxes;

        RunTarget({shell, boxes, texts, r.language}, target);

        EXPECT_EQ(shell.targets, std::vector<std::string> {target}); // one argument, unquoted, unchanged
        EXPECT_EQ(boxes.shown.size(), r.text.empty() ? 0u : 1u);
        if (r.text.empty() || boxes.shown.size() != 1)
            continue;
        EXPECT_EQ(boxes.shown[0].icon, MessageBoxes::Icon::Information);
        EXPECT_EQ(boxes.shown[0].buttons, MessageBoxes::Buttons::Ok);
        EXPECT_EQ(boxes.shown[0].title, r.title);
        EXPECT_EQ(boxes.shown[0].text, r.text);
    }
}
