#include "shortcut/CreateDesktopShortcut.h"
#include "shortcut/DesktopEntry.h"
#include "tests/support/DesktopEntryParser.h"
#include "tests/support/Fakes.h"
#include "texts/TextTable.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Runs the flow with the given answer to the question.
struct Flow
{
    FakeMessageBoxes messages;
    FakeLauncherStore store;
    FakeProgramLocation location;
    TextTable texts;

    void run(MessageBoxes::Answer answer)
    {
        FillTextTable(texts);
        messages.answerToQuestions = answer;
        CreateDesktopShortcut({messages, store, location, texts, TextTable::English});
    }
};

} // namespace

TEST(CreateDesktopShortcut, NoWritesNothing)
{
    Flow flow;
    flow.run(MessageBoxes::Answer::No);
    ASSERT_EQ(flow.messages.shown.size(), 1u);
    EXPECT_EQ(flow.messages.shown[0].icon, MessageBoxes::Icon::Question);
    EXPECT_EQ(flow.messages.shown[0].buttons, MessageBoxes::Buttons::YesNo);
    EXPECT_EQ(flow.messages.shown[0].title, "Please confirm");
    EXPECT_EQ(flow.messages.shown[0].text, "Do you wish to make a shortcut to this startup-program on your desktop?");
    EXPECT_TRUE(flow.store.written.empty());
}

TEST(CreateDesktopShortcut, YesWritesOneLauncherAndConfirms)
{
    struct Row
    {
        std::string name, dir, fileName;
        char separator;
        std::string program;
    };
    const std::vector<Row> rows {
        {"medium", "/media/cdrom", "startprogram", '/', "/media/cdrom/startprogram"},
        {"root", "/", "startprogram", '/', "/startprogram"},
        {"drive root", "D:\\", "START.EXE", '\\', "D:\\START.EXE"},
        {"folder on a drive", "D:\\Media\\CD", "Start.exe", '\\', "D:\\Media\\CD\\Start.exe"},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.name);
        Flow flow;
        flow.location.dir = r.dir;
        flow.location.fileName = r.fileName;
        flow.location.sep = r.separator;
        flow.run(MessageBoxes::Answer::Yes);

        ASSERT_EQ(flow.store.written.size(), 1u);
        const Launcher &launcher = flow.store.written[0];
        EXPECT_EQ(launcher.name, "Zezuzav - Quillmere");
        EXPECT_EQ(launcher.description, "Zezuzav Quillmere - StartupProgram");
        EXPECT_EQ(launcher.program, r.program);
        EXPECT_EQ(launcher.workingDirectory, r.dir);
        ASSERT_EQ(flow.messages.shown.size(), 2u);
        EXPECT_EQ(flow.messages.shown[1].icon, MessageBoxes::Icon::Information);
        EXPECT_EQ(flow.messages.shown[1].buttons, MessageBoxes::Buttons::Ok);
        EXPECT_EQ(flow.messages.shown[1].title, "Command performed");
        EXPECT_EQ(flow.messages.shown[1].text,
                  "A shortcut for the startup-program has now been added to your desktop!");
    }
}

TEST(CreateDesktopShortcut, FailureNamesTheDesktopFolder)
{
    Flow flow;
    flow.store.failWrites = true;
    flow.store.desktop = "/home/user/Skrivebord";
    flow.run(MessageBoxes::Answer::Yes);
    ASSERT_EQ(flow.messages.shown.size(), 2u); // the question, then the failure; no confirmation
    EXPECT_EQ(flow.messages.shown[1].icon, MessageBoxes::Icon::Stop);
    EXPECT_EQ(flow.messages.shown[1].buttons, MessageBoxes::Buttons::Ok);
    EXPECT_EQ(flow.messages.shown[1].title, "Command failed");
    EXPECT_EQ(flow.messages.shown[1].text,
              "The shortcut could not be created. The desktop folder could not be written:\n/home/user/Skrivebord");
}

TEST(DesktopEntry, TextAndEscapes)
{
    DesktopEntry::Launcher launcher;
    launcher.name = "Zezuzav - Quillmere";
    launcher.comment = "Zezuzav Quillmere - StartupProgram";
    launcher.program = "/media/cdrom/startprogram";
    launcher.workingDirectory = "/media/cdrom";
    launcher.icon = "/home/user/.local/share/icons/hicolor/32x32/apps/zezuzav-quillmere.png";
    EXPECT_EQ(DesktopEntry::text(launcher),
              "[Desktop Entry]\n"
              "Type=Application\n"
              "Name=Zezuzav - Quillmere\n"
              "Comment=Zezuzav Quillmere - StartupProgram\n"
              "Exec=\"/media/cdrom/startprogram\"\n"
              "Path=/media/cdrom\n"
              "Icon=/home/user/.local/share/icons/hicolor/32x32/apps/zezuzav-quillmere.png\n"
              "Terminal=false\n");

    EXPECT_EQ(DesktopEntry::escapeString(" a b\\c\nd\te\rf"), "\\sa b\\\\c\\nd\\te\\rf");
    EXPECT_EQ(DesktopEntry::execArgument("a\"b`c$d\\e%f g"), "\"a\\\\\"b\\\\`c\\\\$d\\\\\\\\e%%f g\"");
    EXPECT_EQ(DesktopEntry::execLine("/m/50%/sp"), "/usr/bin/env \"/m/50%%/sp\"");
    EXPECT_EQ(DesktopEntry::execLine("/m/a=50%/sp"), "\"/m/a=50%%/sp\"");
}

// Whatever the program's folder is called, the launcher parses back to exactly it.
TEST(DesktopEntry, AwkwardFoldersParseBack)
{
    struct Row
    {
        std::string name, dir;
        std::vector<std::string> exec;
    };
    const std::string everything = "/m/a \"q\" 'p' %f %% $HOME `id` \\x; #c\nExec=evil\tTab ær";
    const std::vector<Row> rows {
        {"root", "/", {"/startprogram"}},
        {"spaces", "/media/user/My CD", {"/media/user/My CD/startprogram"}},
        {"everything, \"=\" too", everything, {everything + "/startprogram"}},
        {"leading blank", " lead", {" lead/startprogram"}},
        {"percent: started through env", "/media/50% off", {"/usr/bin/env", "/media/50% off/startprogram"}},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.name);
        Flow flow;
        flow.location.dir = r.dir;
        flow.run(MessageBoxes::Answer::Yes);
        ASSERT_EQ(flow.store.written.size(), 1u);
        const Launcher &written = flow.store.written[0];
        const std::string text = DesktopEntry::text(
            {written.name, written.description, written.program, written.workingDirectory, "zezuzav-quillmere"});

        DesktopEntryParser::Parsed parsed = DesktopEntryParser::parse(text);
        EXPECT_TRUE(parsed.wellFormed);
        EXPECT_EQ(parsed.groups, std::vector<std::string> {"Desktop Entry"});
        EXPECT_EQ(parsed.keys,
                  (std::vector<std::string> {"Type", "Name", "Comment", "Exec", "Path", "Icon",
                                             "Terminal"})); // no folder can add a key
        EXPECT_EQ(DesktopEntryParser::execArguments(parsed.values["Exec"]), r.exec);
        EXPECT_EQ(parsed.values["Path"], r.dir);
        EXPECT_EQ(parsed.values["Name"], "Zezuzav - Quillmere");
        EXPECT_EQ(parsed.values["Terminal"], "false");
    }
}
