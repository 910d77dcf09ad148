// The Win32 front end, thin: its controls sit at the layout's boxes, and every event
// reaches the behaviour (the core's own, over recording fakes). What the behaviour
// then decides is the core's tests' business.
#include "tests/support/FakeServices.h"
#include "window/Form1Behaviour.h"
#include "window/win32/Form1.h"

#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr int IdCombo1 = 1001, IdCheck1 = 1002, IdCommand1 = 1003, IdCmdAfslut = 1004;

struct Harness : FakeServices
{
    ProgramState state;
    Form1 form {GetModuleHandleW(nullptr)};
    std::unique_ptr<Form1Behaviour> behaviour;

    Harness()
    {
        location.dir = "D:\\media";
        location.sep = '\\';
        fillState(state, {{"index.htm", "First entry"}, {"second.htm", "Second entry"}}, /*closeAfterLaunch=*/false);
        if (!form.create())
            return;
        behaviour = std::make_unique<Form1Behaviour>(state, services(), form);
        form.setBehaviour(behaviour.get());
        behaviour->load();
        form.show(SW_SHOWNORMAL);
        pump();
    }
    ~Harness() { form.setBehaviour(nullptr); }

    HWND hwnd() const { return form.hwnd(); }
    HWND control(int id) const { return GetDlgItem(form.hwnd(), id); }
    static void pump()
    {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    RECT childRect(int id) const
    {
        RECT r {};
        GetWindowRect(control(id), &r);
        MapWindowPoints(nullptr, hwnd(), reinterpret_cast<POINT *>(&r), 2);
        return r;
    }
    void mouse(UINT message, int x, int y) { SendMessageW(hwnd(), message, 0, MAKELPARAM(x, y)); }
    bool key(WPARAM vk, HWND target)
    {
        MSG msg {target, WM_KEYDOWN, vk, 0, 0, {}};
        return form.preTranslate(msg);
    }
};

::testing::AssertionResult at(const RECT &r, int x, int y, int w, int h)
{
    if (r.left == x && r.top == y && r.right - r.left == w && r.bottom - r.top == h)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "at " << r.left << "," << r.top << " " << r.right - r.left << "x"
                                         << r.bottom - r.top << ", not " << x << "," << y << " " << w << "x" << h;
}

std::wstring menuText(HMENU menu, UINT position)
{
    wchar_t text[256] = {};
    GetMenuStringW(menu, position, text, 256, MF_BYPOSITION);
    return text;
}

} // namespace

TEST(Win32Form1, ControlsAtTheirBoxes)
{
    Harness h;
    ASSERT_TRUE(h.hwnd());
    RECT client {};
    GetClientRect(h.hwnd(), &client);
    EXPECT_EQ(client.right, 592);
    EXPECT_EQ(client.bottom, 304);
    EXPECT_TRUE(at(h.childRect(IdCombo1), 88, 48, 449, 21));
    EXPECT_TRUE(at(h.childRect(IdCheck1), 352, 272, 177, 17));
    EXPECT_TRUE(at(h.childRect(IdCommand1), 536, 248, 41, 43));
    EXPECT_TRUE(at(h.childRect(IdCmdAfslut), 16, 248, 41, 43));
    // The drawn ones, in the stacking order: the photograph over the bar, Label4 over Label1.
    EXPECT_EQ(h.form.drawnControlAt({10, 10}), Control::Image2);
    EXPECT_EQ(h.form.drawnControlAt({10, 100}), Control::Label3);
    EXPECT_EQ(h.form.drawnControlAt({90, 90}), Control::Label4);
    EXPECT_EQ(h.form.drawnControlAt({300, 90}), Control::Label1);
    EXPECT_EQ(h.form.drawnControlAt({300, 200}), Control::Label2);
    EXPECT_EQ(h.form.drawnControlAt({300, 248}), Control::Label8);
    EXPECT_EQ(h.form.drawnControlAt({500, 248}), Control::Line1);
    EXPECT_EQ(h.form.drawnControlAt({100, 30}), Control::Label6);
    EXPECT_EQ(h.form.drawnControlAt({500, 20}), Control::Image1);
    EXPECT_EQ(h.form.drawnControlAt({300, 290}), Control::Form1);
    const DWORD style = static_cast<DWORD>(GetWindowLongPtrW(h.hwnd(), GWL_STYLE));
    EXPECT_FALSE(style & WS_THICKFRAME) << "fixed border";
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    // The check box's caption sits right-justified against its box at the right end.
    const LONG_PTR check = GetWindowLongPtrW(GetDlgItem(h.hwnd(), IdCheck1), GWL_STYLE);
    EXPECT_TRUE((check & BS_LEFTTEXT) && (check & BS_RIGHT) == BS_RIGHT);
}

TEST(Win32Form1, OneLineLabelsShowTheirFirstLine)
{
    Harness h;
    const std::string words
        = "Words that go on well past the right edge of every one of these boxes, the notice line\x27s "
          "too, which is the widest of them and holds a small font";
    const std::wstring wide(words.begin(), words.end());
    for (const Control control : {Control::Label4, Control::Label6, Control::Label8}) {
        SCOPED_TRACE(static_cast<int>(control));
        h.form.setCaption(control, words);
        const std::wstring shown = h.form.shownText(control);
        ASSERT_FALSE(shown.empty());
        EXPECT_LT(shown.size(), wide.size());
        EXPECT_EQ(wide.compare(0, shown.size(), shown), 0);
        EXPECT_EQ(wide[shown.size()], L' ') << "cut inside a word";
    }
    // The instruction text breaks into its box: all of it is drawn.
    h.form.setCaption(Control::Label2, words);
    EXPECT_EQ(h.form.shownText(Control::Label2), wide);
}

TEST(Win32Form1, ShowsWhatTheLoadTellsIt)
{
    Harness h;
    wchar_t text[256] = {};
    GetWindowTextW(h.control(IdCheck1), text, 256);
    EXPECT_STREQ(text, L"Leave this program running");
    EXPECT_EQ(SendMessageW(h.control(IdCheck1), BM_GETCHECK, 0, 0), BST_CHECKED) << "CloseAfterLaunch is false";
    EXPECT_EQ(SendMessageW(h.control(IdCombo1), CB_GETCOUNT, 0, 0), 2);
    EXPECT_EQ(SendMessageW(h.control(IdCombo1), CB_GETCURSEL, 0, 0), 0);
    HMENU bar = GetMenu(h.hwnd());
    EXPECT_EQ(menuText(bar, 0), L"&Files");
    HMENU information = GetSubMenu(bar, 2);
    EXPECT_TRUE(GetMenuState(information, 3, MF_BYPOSITION) & MF_GRAYED) << "the online submenu is switched off";
    GetWindowTextW(h.hwnd(), text, 256);
    EXPECT_STREQ(text, L"Startprogram");
}

TEST(Win32Form1, TabOrderAndFocus)
{
    Harness h;
    EXPECT_EQ(GetFocus(), h.control(IdCommand1)) << "Go has the focus at start";
    HWND go = h.control(IdCommand1);
    HWND next = GetNextDlgTabItem(h.hwnd(), go, FALSE);
    EXPECT_EQ(next, h.control(IdCmdAfslut));
    next = GetNextDlgTabItem(h.hwnd(), next, FALSE);
    EXPECT_EQ(next, h.control(IdCheck1));
    next = GetNextDlgTabItem(h.hwnd(), next, FALSE);
    EXPECT_EQ(next, h.control(IdCombo1));
    EXPECT_EQ(GetNextDlgTabItem(h.hwnd(), next, FALSE), go);
}

TEST(Win32Form1, ButtonsListCheckBoxAndCloseForward)
{
    Harness h;
    SendMessageW(h.control(IdCommand1), BM_CLICK, 0, 0);
    ASSERT_EQ(h.shell.targets.size(), 1u);
    EXPECT_EQ(h.shell.targets[0], "D:\\media\\index.htm");

    SendMessageW(h.control(IdCombo1), CB_SETCURSEL, 1, 0);
    SendMessageW(h.hwnd(), WM_COMMAND, MAKEWPARAM(IdCombo1, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(h.control(IdCombo1)));
    // Files > Go! is the first item of the first menu.
    const UINT go = GetMenuItemID(GetSubMenu(GetMenu(h.hwnd()), 0), 0);
    SendMessageW(h.hwnd(), WM_COMMAND, MAKEWPARAM(go, 0), 0);
    ASSERT_EQ(h.shell.targets.size(), 2u);
    EXPECT_EQ(h.shell.targets[1], "D:\\media\\second.htm");

    h.settings.writes.clear();
    SendMessageW(h.control(IdCheck1), BM_CLICK, 0, 0);
    ASSERT_EQ(h.settings.writes.size(), 1u);
    EXPECT_EQ(h.settings.writes[0].value, "True") << "the box cleared: close after launch";

    EXPECT_EQ(h.ending.calls, 0);
    SendMessageW(h.hwnd(), WM_CLOSE, 0, 0);
    EXPECT_EQ(h.ending.calls, 1);
}

TEST(Win32Form1, ExitButton)
{
    Harness h;
    SendMessageW(h.control(IdCmdAfslut), BM_CLICK, 0, 0);
    EXPECT_EQ(h.ending.calls, 1);
}

TEST(Win32Form1, HoverByTheControlUnderTheMouse)
{
    Harness h;
    h.mouse(WM_MOUSEMOVE, 90, 90); // Label4
    EXPECT_EQ(h.behaviour->linkColour(), Form1Behaviour::LinkHighlight);
    h.mouse(WM_MOUSEMOVE, 100, 30); // Label6 leaves it on
    EXPECT_EQ(h.behaviour->linkColour(), Form1Behaviour::LinkHighlight);
    // A windowed control: the list leaves it on, as the layout says.
    SendMessageW(h.hwnd(), WM_SETCURSOR, reinterpret_cast<WPARAM>(h.control(IdCombo1)),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(h.behaviour->linkColour(), Form1Behaviour::LinkHighlight);
    h.mouse(WM_MOUSEMOVE, 300, 90); // Label1
    EXPECT_EQ(h.behaviour->linkColour(), Form1Behaviour::LinkNormal);
    // The hand over the two buttons, not over the list.
    EXPECT_TRUE(SendMessageW(h.hwnd(), WM_SETCURSOR, reinterpret_cast<WPARAM>(h.control(IdCommand1)),
                             MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
    EXPECT_FALSE(SendMessageW(h.hwnd(), WM_SETCURSOR, reinterpret_cast<WPARAM>(h.control(IdCheck1)),
                              MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
}

TEST(Win32Form1, Label4ClickIsOneClickAlsoWhenDouble)
{
    Harness h;
    h.mouse(WM_LBUTTONDOWN, 90, 90);
    h.mouse(WM_LBUTTONUP, 90, 90);
    ASSERT_EQ(h.shell.targets.size(), 1u);
    EXPECT_EQ(h.shell.targets[0], "D:\\media\\Presumptions.htm");
    h.mouse(WM_LBUTTONDOWN, 90, 90);
    h.mouse(WM_LBUTTONUP, 90, 90);
    h.mouse(WM_LBUTTONDBLCLK, 90, 90);
    h.mouse(WM_LBUTTONUP, 90, 90);
    EXPECT_EQ(h.shell.targets.size(), 2u) << "a double click is one click";
    h.mouse(WM_LBUTTONDOWN, 300, 90); // Label1: nothing
    h.mouse(WM_LBUTTONUP, 300, 90);
    EXPECT_EQ(h.shell.targets.size(), 2u);
}

TEST(Win32Form1, EscapeThroughTheKeyPreview)
{
    Harness h;
    EXPECT_FALSE(h.key('A', h.control(IdCommand1)) && h.ending.calls) << "other keys go on";
    EXPECT_EQ(h.ending.calls, 0);
    // The opened list keeps its Esc.
    SendMessageW(h.control(IdCombo1), CB_SHOWDROPDOWN, TRUE, 0);
    if (SendMessageW(h.control(IdCombo1), CB_GETDROPPEDSTATE, 0, 0)) {
        h.key(VK_ESCAPE, h.control(IdCombo1));
        EXPECT_EQ(h.ending.calls, 0);
        SendMessageW(h.control(IdCombo1), CB_SHOWDROPDOWN, FALSE, 0);
    }
    EXPECT_TRUE(h.key(VK_ESCAPE, h.control(IdCombo1)));
    EXPECT_EQ(h.ending.calls, 1);
}

TEST(Win32Form1, EnterPressesOnlyTheFocusedPictureButton)
{
    Harness h;
    EXPECT_TRUE(h.key(VK_RETURN, h.control(IdCommand1)));
    EXPECT_EQ(h.shell.targets.size(), 1u) << "Enter on Go";
    SetFocus(h.control(IdCheck1));
    h.key(VK_RETURN, h.control(IdCheck1));
    EXPECT_EQ(h.shell.targets.size(), 1u) << "no default button";
    EXPECT_EQ(h.ending.calls, 0);
}

static BOOL CALLBACK matchToolTip(HWND hwnd, LPARAM found)
{
    wchar_t name[64] = {};
    GetClassNameW(hwnd, name, 64);
    if (lstrcmpiW(name, TOOLTIPS_CLASSW) == 0) {
        *reinterpret_cast<HWND *>(found) = hwnd;
        return FALSE;
    }
    return TRUE;
}

TEST(Win32Form1, ToolTips)
{
    Harness h;
    HWND tip = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), matchToolTip, reinterpret_cast<LPARAM>(&tip));
    ASSERT_TRUE(tip) << "comctl32 tooltips";
    EXPECT_EQ(SendMessageW(tip, TTM_GETTOOLCOUNT, 0, 0), 3);
    wchar_t text[80] = {};
    TTTOOLINFOW tool {};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.hwnd = h.hwnd();
    tool.uFlags = TTF_IDISHWND;
    tool.uId = reinterpret_cast<UINT_PTR>(h.control(IdCommand1));
    tool.lpszText = text;
    SendMessageW(tip, TTM_GETTEXTW, 80, reinterpret_cast<LPARAM>(&tool));
    EXPECT_STREQ(text, L"Go!");
    tool.uId = reinterpret_cast<UINT_PTR>(h.control(IdCmdAfslut));
    SendMessageW(tip, TTM_GETTEXTW, 80, reinterpret_cast<LPARAM>(&tool));
    EXPECT_STREQ(text, L"Exit");
}

TEST(Win32Form1, WhatAScreenReaderFinds)
{
    Harness h;
    // The children in window order, as a reader walks them: class and name.
    std::vector<std::pair<std::wstring, std::wstring>> children;
    for (HWND child = GetWindow(h.hwnd(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t cls[64] = {}, text[512] = {};
        GetClassNameW(child, cls, 64);
        GetWindowTextW(child, text, 512);
        if (GetParent(child) == h.hwnd() && lstrcmpiW(cls, TOOLTIPS_CLASSW) != 0)
            children.emplace_back(cls, text);
    }
    const std::wstring instruction = children.size() > 7 ? children[7].second : L"";
    const std::vector<std::pair<std::wstring, std::wstring>> expected {
        {L"Button", L"Go!"},
        {L"Button", L"Exit"},
        {L"Button", L"Leave this program running"},
        {L"Static", L"Zezuzav Quillmere"},
        {L"Static", L"Choose:"},
        {L"ComboBox", L"First entry"}, // the chosen line
        {L"Button", L"Introduction:"},
        {L"Static", instruction},
        {L"Static", L"\u00A9 Varnholt Danmark A/S 2003. All rights reserved."},
    };
    EXPECT_EQ(children, expected);
    EXPECT_NE(instruction.find(L"D:\\media\\index.htm"), std::wstring::npos) << "the instruction text";

    // The reader windows take no part in the tab order: Go, Exit, the check box, the list.
    HWND at = h.control(IdCommand1);
    for (const int id : {IdCmdAfslut, IdCheck1, IdCombo1, IdCommand1}) {
        at = GetNextDlgTabItem(h.hwnd(), at, FALSE);
        EXPECT_EQ(at, h.control(id)) << id;
    }

    // The instruction text's window follows the selection.
    SendMessageW(h.control(IdCombo1), CB_SETCURSEL, 1, 0);
    SendMessageW(h.hwnd(), WM_COMMAND, MAKEWPARAM(IdCombo1, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(h.control(IdCombo1)));
    wchar_t text[512] = {};
    GetWindowTextW(h.form.readerWindowOf(Control::Label2), text, 512);
    EXPECT_NE(std::wstring(text).find(L"second.htm"), std::wstring::npos) << text;

    // Pressing the link's window, as a reader does, opens the usage page once.
    HWND link = h.form.readerWindowOf(Control::Label4);
    EXPECT_FALSE(GetWindowLongPtrW(link, GWL_STYLE) & WS_TABSTOP);
    const std::size_t before = h.shell.targets.size();
    SendMessageW(link, BM_CLICK, 0, 0);
    Harness::pump();
    ASSERT_EQ(h.shell.targets.size(), before + 1);
    EXPECT_EQ(h.shell.targets.back(), "D:\\media\\Presumptions.htm");

    // The mouse goes through the reader windows to the window: Label4 still hovers.
    POINT over {150, 92};
    ClientToScreen(h.hwnd(), &over);
    EXPECT_EQ(SendMessageW(link, WM_NCHITTEST, 0, MAKELPARAM(over.x, over.y)), HTTRANSPARENT);
}
