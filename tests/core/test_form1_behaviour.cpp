#include "app/ProgramState.h"
#include "tests/support/FakeForm1View.h"
#include "tests/support/FakeServices.h"
#include "texts/ProductTexts.h"
#include "window/FirstLine.h"
#include "window/Form1Behaviour.h"
#include "window/ReaderRoles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>
#include <utility>

namespace {

struct Entry
{
    std::string file, description;
};

const std::vector<Entry> Entries {
    {"index.htm", "Welcome page"},
    {"http://www.varnholt.example/", "Varnholt on the web"},
    {"HTTPS://WWW.VARNHOLT.EXAMPLE/SUPPORT", "Support"},
    {"Http", "Four letters"},
    {"Product sheets\\Overview.htm", "Overview"},
    {"httpdocs\\a.htm", "HTTP without a scheme"},
};

std::string instruction(const std::string &target)
{
    return "This program serves as an entry-point for calling specified files or webpages.\n\n"
           "If the command doesn't execute, you can execute it manually by running:\n\""
        + target + "\".\n\nPress the Accept-sign at the bottom to the right to go!";
}

// The behaviour wired to fakes, with the state start-up would give it.
struct Harness : FakeServices
{
    FakeForm1View view;
    ProgramState state;
    std::unique_ptr<Form1Behaviour> form;

    explicit Harness(const std::vector<Entry> &entries = Entries, bool closeAfterLaunch = true)
    {
        std::vector<std::pair<std::string, std::string>> pairs;
        pairs.reserve(entries.size());
        for (const Entry &e : entries)
            pairs.emplace_back(e.file, e.description);
        fillState(state, pairs, closeAfterLaunch);
    }

    Form1Behaviour &make()
    {
        form = std::make_unique<Form1Behaviour>(state, services(), view);
        form->load();
        return *form;
    }
};

} // namespace

TEST(Form1Behaviour, LoadFillsTheWindowAndLaunchesNothing)
{
    Harness h;
    h.make();
    ASSERT_EQ(h.view.list.size(), Entries.size());
    EXPECT_EQ(h.view.list[0], "Welcome page");
    EXPECT_EQ(h.view.list[4], "Overview");
    EXPECT_EQ(h.view.selected, 0);
    EXPECT_EQ(h.state.startTarget, "/media/cdrom/index.htm");
    EXPECT_EQ(h.view.caption(Control::Label2), instruction("/media/cdrom/index.htm"));
    EXPECT_EQ(h.view.caption(Control::Label6), "Choose:");
    EXPECT_EQ(h.view.caption(Control::Label4), "Introduction:");
    EXPECT_EQ(h.view.toolTips[Control::Label4], "About using this program...");
    EXPECT_EQ(h.view.caption(Control::Label8), "\xC2\xA9 Varnholt Danmark A/S 2003. All rights reserved.");
    EXPECT_EQ(h.view.caption(Control::Check1), "Leave this program running");
    EXPECT_EQ(h.view.bannerShown, 1);
    const std::map<Menu, std::string> menus {
        {Menu::mnuFiler, "&Files"},
        {Menu::mnuFeatures, "F&eatures"},
        {Menu::mnuInformation, "&Information"},
        {Menu::mnuOm, "About this StartupProgram"},
        {Menu::mnuAboutUse, "About using the StartupProgram"},
        {Menu::mnuMakeShortcut, "Create shortcut on desktop"},
    };
    EXPECT_EQ(h.view.menuCaptions, menus);
    EXPECT_TRUE(h.shell.targets.empty());
    EXPECT_TRUE(h.view.linkColours.empty());
}

TEST(Form1Behaviour, ProgramFolderWithSpacesAndAtTheRoot)
{
    Harness spaces;
    spaces.location.dir = "/media/user/My CD";
    spaces.make();
    EXPECT_EQ(spaces.view.caption(Control::Label2), instruction("/media/user/My CD/index.htm"));

    Harness root;
    root.location.dir = "/";
    root.make();
    EXPECT_EQ(root.state.startTarget, "/index.htm");

    // On a desktop whose separator is "\", a drive root keeps its own.
    Harness drive;
    drive.location.dir = "D:\\";
    drive.location.sep = '\\';
    drive.make();
    EXPECT_EQ(drive.state.startTarget, "D:\\index.htm");
    Harness media;
    media.location.dir = "D:\\media";
    media.location.sep = '\\';
    media.make();
    EXPECT_EQ(media.view.caption(Control::Label2), instruction("D:\\media\\index.htm"));
}

TEST(Form1Behaviour, EmptyListOffersTheStartPage)
{
    Harness h(std::vector<Entry> {});
    h.state.startTarget = "Presumptions.htm";
    h.make();
    EXPECT_TRUE(h.view.list.empty());
    EXPECT_EQ(h.view.selected, -1);
    EXPECT_EQ(h.view.caption(Control::Label2), instruction("/media/cdrom/Presumptions.htm"));
    h.form->goPressed();
    EXPECT_EQ(h.shell.targets, std::vector<std::string> {"/media/cdrom/Presumptions.htm"});
}

TEST(Form1Behaviour, MoreEntriesThanTheListHolds)
{
    Harness h(std::vector<Entry> {});
    h.state.entryList.setCount(32767);
    for (int i = 1; i <= EntryList::Capacity; ++i)
        h.state.entryList.setEntry(i, "f" + std::to_string(i), "d" + std::to_string(i));
    h.make();
    EXPECT_EQ(h.view.list.size(), 1000u);
    h.form->selectionChanged(999);
    h.form->goPressed();
    EXPECT_EQ(h.shell.targets, std::vector<std::string> {"/media/cdrom/f1000"});
}

TEST(Form1Behaviour, GoRunsWhatTheWindowShows)
{
    const struct
    {
        int position;
        std::string target;
    } rows[] = {
        {0, "/media/cdrom/index.htm"},
        {1, "http://www.varnholt.example/"},
        {2, "HTTPS://WWW.VARNHOLT.EXAMPLE/SUPPORT"},
        {3, "/media/cdrom/Http"}, // four letters: always a file
        {4, "/media/cdrom/Product sheets/Overview.htm"},
        {5, "/media/cdrom/httpdocs/a.htm"}, // "HTTP" without a scheme: a file on the medium
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.target);
        Harness h;
        h.make();
        h.form->selectionChanged(row.position);
        EXPECT_EQ(h.view.caption(Control::Label2), instruction(row.target));
        h.form->goPressed();
        h.form->menuChosen(Menu::mnuStart);
        EXPECT_EQ(h.shell.targets, (std::vector<std::string> {row.target, row.target}));
        EXPECT_TRUE(h.messages.shown.empty());

        // A missing file: the launch error, and the countdown starts all the same.
        Harness missing;
        missing.shell.result = Shell::Result::FileNotFound;
        missing.make();
        missing.form->selectionChanged(row.position);
        missing.form->goPressed();
        ASSERT_EQ(missing.messages.shown.size(), 1u);
        EXPECT_EQ(missing.messages.shown[0].title, "Command aborted");
        EXPECT_EQ(missing.messages.shown[0].icon, MessageBoxes::Icon::Information);
        EXPECT_NE(missing.messages.shown[0].text.find("\n" + row.target + "\n"), std::string::npos);
        EXPECT_TRUE(missing.countdown.isActive());
    }
}

TEST(Form1Behaviour, CountdownEndsOnTheTenthTick)
{
    Harness h(Entries, /*closeAfterLaunch=*/true);
    h.make();
    EXPECT_FALSE(h.view.checked);
    EXPECT_FALSE(h.countdown.isActive());

    h.form->goPressed();
    EXPECT_TRUE(h.countdown.isActive());
    EXPECT_EQ(h.countdown.interval(), 1000);
    for (int i = 1; i <= 5; ++i)
        h.countdown.tick();
    h.form->goPressed(); // a second Go neither restarts nor extends it
    EXPECT_EQ(h.countdown.starts, 1);
    h.form->checkClicked(true); // "Leave this program running" now does not stop a countdown that runs
    for (int i = 6; i <= 9; ++i)
        h.countdown.tick();
    EXPECT_EQ(h.ending.calls, 0); // not on tick 9
    h.countdown.tick();
    EXPECT_EQ(h.ending.calls, 1); // on tick 10
    h.countdown.tick();
    h.form->goPressed();
    EXPECT_EQ(h.ending.calls, 1); // nothing runs after the end
    EXPECT_EQ(h.shell.targets.size(), 2u);

    // With the box set, Go launches and no countdown starts.
    Harness keep(Entries, /*closeAfterLaunch=*/false);
    keep.make();
    EXPECT_TRUE(keep.view.checked);
    keep.form->goPressed();
    EXPECT_EQ(keep.shell.targets.size(), 1u);
    EXPECT_FALSE(keep.countdown.isActive());
}

TEST(Form1Behaviour, CheckBoxStoresTheChoice)
{
    // Stored False: the load sets the box, whose handler stores False again.
    Harness h(Entries, false);
    h.make();
    ASSERT_EQ(h.settings.writes.size(), 1u);
    EXPECT_EQ(h.settings.values["Zezuzav/LukVedStart"], "False");
    h.form->checkClicked(false);
    EXPECT_TRUE(h.state.closeAfterLaunch);
    EXPECT_EQ(h.settings.values["Zezuzav/LukVedStart"], "True");
    h.form->checkClicked(true);
    EXPECT_FALSE(h.state.closeAfterLaunch);
    EXPECT_EQ(h.settings.values["Zezuzav/LukVedStart"], "False");

    // Stored True: the box stays cleared and the load writes nothing.
    Harness first(Entries, true);
    first.make();
    EXPECT_TRUE(first.settings.writes.empty());
}

TEST(Form1Behaviour, WaysOut)
{
    const std::function<void(Form1Behaviour &)> ways[] = {
        [](Form1Behaviour &f) { f.exitPressed(); },
        [](Form1Behaviour &f) { f.menuChosen(Menu::mnuAfslut); },
        [](Form1Behaviour &f) { f.closeRequested(); },
        [](Form1Behaviour &f) { EXPECT_TRUE(f.keyPressed(Key::Escape, false, KeyTarget::Control)); },
    };
    for (const auto &way : ways) {
        Harness h;
        way(h.make());
        EXPECT_EQ(h.ending.calls, 1);
    }

    // An open menu or list keeps its Esc; other keys go on to the focused control;
    // Alt+Esc belongs to the desktop, wherever the keyboard is.
    Harness h;
    h.make();
    EXPECT_FALSE(h.form->keyPressed(Key::Escape, false, KeyTarget::Menu));
    EXPECT_FALSE(h.form->keyPressed(Key::Escape, false, KeyTarget::OpenList));
    EXPECT_FALSE(h.form->keyPressed(Key::Other, false, KeyTarget::Control));
    EXPECT_FALSE(h.form->keyPressed(Key::Escape, true, KeyTarget::Control));
    EXPECT_FALSE(h.form->keyPressed(Key::Escape, true, KeyTarget::Menu));
    EXPECT_EQ(h.ending.calls, 0);
}

TEST(Form1Behaviour, HoverHighlight)
{
    Harness h;
    h.make();
    const auto highlight = Form1Behaviour::LinkHighlight;
    const auto normal = Form1Behaviour::LinkNormal;

    h.form->mouseMovedOver(Control::Label4);
    h.form->mouseMovedOver(Control::Label4);
    EXPECT_EQ(h.view.linkColours, std::vector<Colour> {highlight}); // written only when it changes

    for (Control keeps : {Control::Combo1, Control::Check1, Control::Command1, Control::cmdAfslut, Control::Image1,
                          Control::Image2, Control::Line1, Control::Label6, Control::Label8}) {
        h.form->mouseMovedOver(keeps);
        EXPECT_EQ(h.form->linkColour(), highlight) << int(keeps);
    }
    EXPECT_EQ(h.view.linkColours.size(), 1u);

    for (Control off : {Control::Form1, Control::Label1, Control::Label2, Control::Label3}) {
        h.form->mouseMovedOver(Control::Label4);
        h.form->mouseMovedOver(off);
        h.form->mouseMovedOver(off);
        EXPECT_EQ(h.view.linkColours.back(), normal) << int(off);
    }
    EXPECT_EQ(h.view.linkColours.size(), 8u); // on and off four times, nothing in between
}

TEST(Form1Behaviour, InformationAndMailCommands)
{
    Harness h;
    h.make();
    const std::string before = h.state.startTarget;

    h.form->menuChosen(Menu::mnuOm);
    ASSERT_EQ(h.messages.shown.size(), 1u);
    const auto &about = h.messages.shown[0];
    EXPECT_EQ(about.icon, MessageBoxes::Icon::Information);
    EXPECT_EQ(about.buttons, MessageBoxes::Buttons::Ok);
    EXPECT_EQ(about.title, "About...");
    EXPECT_EQ(about.text,
              "VARNHOLT DANMARK A/S\n"
              "Acoustics & Vibration Department\n"
              "\n"
              "Program for running specified files from Varnholt.\n"
              "\n"
              "CD-start-program - version 1.11UK\n"
              "\xc2\xa9 Varnholt Danmark A/S 2003. All rights reserved.\n"
              "Programmed by Jens Aabjerg, Varnholt Danmark");

    // The usage page, missing beside the program: the launch error names the joined path.
    h.shell.result = Shell::Result::FileNotFound;
    h.form->menuChosen(Menu::mnuAboutUse);
    EXPECT_EQ(h.shell.targets.back(), "/media/cdrom/Presumptions.htm");
    ASSERT_EQ(h.messages.shown.size(), 2u);
    EXPECT_NE(h.messages.shown[1].text.find("\n/media/cdrom/Presumptions.htm\n"), std::string::npos);

    // A click on the link label does the same; other labels and the banner do nothing.
    h.shell.result = Shell::Result::Started;
    h.form->clicked(Control::Label6);
    h.form->clicked(Control::Image1);
    h.form->clicked(Control::Label4);
    ASSERT_EQ(h.shell.targets.size(), 2u);
    EXPECT_EQ(h.shell.targets.back(), "/media/cdrom/Presumptions.htm");

    h.form->menuChosen(Menu::mnuMailVarnholt);
    h.form->menuChosen(Menu::mnuMailContactA);
    h.form->menuChosen(Menu::mnuMailContactB);
    EXPECT_EQ(std::vector<std::string>(h.shell.targets.begin() + 2, h.shell.targets.end()),
              (std::vector<std::string> {"mailto:info@varnholt.example", "mailto:mette.kjaer@varnholt.example",
                                         "mailto:soeren.dal@varnholt.example"}));
    // None of them touches the launch target or the countdown.
    EXPECT_EQ(h.state.startTarget, before);
    EXPECT_FALSE(h.countdown.isActive());
}

TEST(Form1Behaviour, ShortcutCommand)
{
    Harness h;
    h.make();
    h.form->menuChosen(Menu::mnuMakeShortcut);
    ASSERT_EQ(h.messages.shown.size(), 1u);
    EXPECT_EQ(h.messages.shown[0].icon, MessageBoxes::Icon::Question);
    EXPECT_TRUE(h.launchers.written.empty());

    h.messages.answerToQuestions = MessageBoxes::Answer::Yes;
    h.form->menuChosen(Menu::mnuMakeShortcut);
    ASSERT_EQ(h.launchers.written.size(), 1u);
    EXPECT_EQ(h.launchers.written[0].program, "/media/cdrom/startprogram");
}

TEST(FirstLine, WholeWordsWhileTheyFitAndNeverPastALineBreak)
{
    // Every byte one unit wide: what fits is what a fixed-pitch font would show.
    const auto bytes = [](std::string_view piece) { return static_cast<int>(piece.size()); };
    const struct
    {
        const char *name;
        std::string caption;
        int width;
        std::string shown;
    } rows[] = {
        {"fits whole", "Choose:", 20, "Choose:"},
        {"exactly the width", "one two", 7, "one two"},
        {"the last word goes to the hidden line", "one two three", 10, "one two"},
        {"a word wider than the box is cut at its edge", "Introduktion:", 5, "Introduktion:"},
        {"a long first word, then more", "Introduktion: om brugen", 5, "Introduktion:"},
        {"a line break ends the line", "one\r\ntwo", 20, "one"},
        {"a bare line feed too", "one two\nthree", 20, "one two"},
        {"leading spaces stay, trailing ones go", "  one two   three", 9, "  one two"},
        {"spaces only", "   ", 10, ""},
        {"empty", "", 10, ""},
        {"UTF-8 is never cut inside a character", "\xC2\xA9 Varnholt Danmark A/S", 12, "\xC2\xA9 Varnholt"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(firstLine(row.caption, row.width, bytes), row.shown);
    }
}

TEST(ReaderRoles, EachControlOnceAndOnlyPicturesNamedByTheCore)
{
    const std::pair<Control, const char *> pictures[] = {
        {Control::Command1, ProductTexts::GoButtonName},
        {Control::cmdAfslut, ProductTexts::ExitButtonName},
        {Control::Image1, ProductTexts::ProductName},
    };
    std::set<Control> seen;
    for (const ReaderEntry &entry : ReaderEntries) {
        SCOPED_TRACE(static_cast<int>(entry.control));
        EXPECT_TRUE(seen.insert(entry.control).second) << "listed twice";
        EXPECT_EQ(readerEntry(entry.control).role, entry.role);
        const auto picture = std::find_if(std::begin(pictures), std::end(pictures),
                                          [&entry](const auto &p) { return p.first == entry.control; });
        if (picture == std::end(pictures)) {
            EXPECT_NE(entry.role, ReaderRole::Picture);
            EXPECT_EQ(entry.name, nullptr);
        } else {
            EXPECT_EQ(entry.role, ReaderRole::Picture);
            EXPECT_STREQ(entry.name, picture->second);
        }
    }
    EXPECT_EQ(seen.size(), 13u) << "every control but the window itself";
    EXPECT_EQ(seen.count(Control::Form1), 0u);
}
