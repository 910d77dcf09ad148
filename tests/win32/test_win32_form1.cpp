// The Win32 front end, thin: its controls sit at the layout's boxes, and every event
// reaches the behaviour (the core's own, over recording fakes). What the behaviour
// then decides is the core's tests' business.
#include "platform/win32/ScopedWin.h"
#include "tests/support/FakeServices.h"
#include "window/Form1Behaviour.h"
#include "window/win32/Dpi.h"
#include "window/win32/Form1.h"
#include "window/win32/resource.h"

#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
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

// What the screen shows in a box of the window's client area, one COLORREF a pixel.
struct Capture
{
    int width = 0, height = 0;
    std::vector<COLORREF> pixels;
    COLORREF at(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
    bool operator==(const Capture &) const = default;
};

Capture capture(HWND hwnd, const RECT &box)
{
    Capture out;
    out.width = box.right - box.left;
    out.height = box.bottom - box.top;
    POINT origin {box.left, box.top};
    ClientToScreen(hwnd, &origin);
    ScopedGetDC screen(nullptr);
    ScopedMemoryDC memory(screen);
    BITMAPINFO info {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = out.width;
    info.bmiHeader.biHeight = -out.height; // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void *bits = nullptr;
    ScopedGdiObj<HBITMAP> dib(CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!dib || !bits)
        return out;
    {
        ScopedSelectObject selected(memory, dib.get());
        BitBlt(memory, 0, 0, out.width, out.height, screen, origin.x, origin.y, SRCCOPY);
    }
    const auto *p = static_cast<const DWORD *>(bits);
    for (int i = 0; i < out.width * out.height; ++i)
        out.pixels.push_back(RGB(p[i] >> 16 & 0xFF, p[i] >> 8 & 0xFF, p[i] & 0xFF));
    return out;
}

// Lets the window paint everything that is waiting.
void paintNow(HWND hwnd)
{
    RedrawWindow(hwnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    Harness::pump();
}

// A bitmap's pixels, top row first.
Capture pixelsOf(HBITMAP bitmap)
{
    Capture out;
    BITMAP info {};
    if (!bitmap || !GetObjectW(bitmap, sizeof info, &info))
        return out;
    out.width = info.bmWidth;
    out.height = info.bmHeight;
    BITMAPINFO header {};
    header.bmiHeader.biSize = sizeof header.bmiHeader;
    header.bmiHeader.biWidth = out.width;
    header.bmiHeader.biHeight = -out.height;
    header.bmiHeader.biPlanes = 1;
    header.bmiHeader.biBitCount = 32;
    std::vector<DWORD> bits(static_cast<std::size_t>(out.width * out.height));
    ScopedGetDC screen(nullptr);
    if (!GetDIBits(screen, bitmap, 0, static_cast<UINT>(out.height), bits.data(), &header, DIB_RGB_COLORS))
        return Capture {};
    for (const DWORD p : bits)
        out.pixels.push_back(RGB(p >> 16 & 0xFF, p >> 8 & 0xFF, p & 0xFF));
    return out;
}

Capture resourcePicture(int id)
{
    ScopedGdiObj<HBITMAP> bitmap(static_cast<HBITMAP>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    return pixelsOf(bitmap.get());
}

// A control as it paints itself, wherever it lies (a window at 192 DPI is larger than the screen).
Capture printed(HWND control)
{
    RECT r {};
    GetClientRect(control, &r);
    ScopedGetDC screen(nullptr);
    ScopedMemoryDC memory(screen);
    ScopedGdiObj<HBITMAP> canvas(CreateCompatibleBitmap(screen, r.right, r.bottom));
    {
        ScopedSelectObject selected(memory, canvas.get());
        SendMessageW(control, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(static_cast<HDC>(memory)), PRF_CLIENT);
    }
    return pixelsOf(canvas.get());
}

// Mean absolute difference per channel between the shot and a picture placed at `at`,
// over the part of the picture inside `inside`.
double meanDifference(const Capture &shot, const Capture &picture, POINT at, const RECT &inside)
{
    const RECT placed {at.x, at.y, at.x + picture.width, at.y + picture.height};
    RECT area {};
    if (!IntersectRect(&area, &placed, &inside) || shot.pixels.empty() || picture.pixels.empty())
        return 255.0;
    double sum = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x) {
            const COLORREF a = shot.at(x, y);
            const COLORREF b = picture.at(x - at.x, y - at.y);
            sum += std::abs(GetRValue(a) - GetRValue(b)) + std::abs(GetGValue(a) - GetGValue(b))
                + std::abs(GetBValue(a) - GetBValue(b));
        }
    return sum / (3.0 * (area.right - area.left) * (area.bottom - area.top));
}

Capture doubled(const Capture &picture)
{
    Capture out {picture.width * 2, picture.height * 2, {}};
    for (int y = 0; y < out.height; ++y)
        for (int x = 0; x < out.width; ++x)
            out.pixels.push_back(picture.at(x / 2, y / 2));
    return out;
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
    // The check box: its box at the right end, the caption right-justified against it
    // (BS_CENTER is BS_LEFT | BS_RIGHT, so the alignment bits are compared as a whole).
    const LONG_PTR check = GetWindowLongPtrW(GetDlgItem(h.hwnd(), IdCheck1), GWL_STYLE);
    EXPECT_TRUE(check & BS_LEFTTEXT);
    EXPECT_EQ(check & BS_CENTER, BS_RIGHT);
}

TEST(Win32Form1, CheckBoxCaptionDrawnAgainstTheBoxOnTheRight)
{
    Harness h;
    paintNow(h.hwnd());
    const Capture shot = capture(h.hwnd(), h.childRect(IdCheck1));
    ASSERT_EQ(static_cast<int>(shot.pixels.size()), shot.width * shot.height);
    // The caption is navy ink; the box is drawn in greys and black at the right end.
    const auto column = [&shot](int x, auto is) {
        for (int y = 0; y < shot.height; ++y)
            if (is(shot.at(x, y)))
                return true;
        return false;
    };
    const auto navy = [](COLORREF c) { return GetBValue(c) > 90 && GetRValue(c) < 60 && GetGValue(c) < 60; };
    const auto frame = [](COLORREF c) { return GetRValue(c) == GetBValue(c) && GetRValue(c) < 200; };
    int inkLeft = -1, inkRight = -1, boxLeft = -1;
    for (int x = 0; x < shot.width; ++x)
        if (column(x, navy)) {
            inkRight = x;
            if (inkLeft < 0)
                inkLeft = x;
        }
    for (int x = shot.width - 1; x > inkRight && x >= 0; --x)
        if (column(x, frame))
            boxLeft = x;
    ASSERT_GE(inkLeft, 0) << "no caption drawn";
    ASSERT_GT(boxLeft, inkRight) << "no box to the right of the caption";
    EXPECT_GE(boxLeft, shot.width - 16) << "the box is not at the right end";
    EXPECT_LE(boxLeft - inkRight, 8) << "the caption ends at " << inkRight << ", the box begins at " << boxLeft;
    EXPECT_GT(inkLeft, 8) << "the caption starts at the left edge";
}

TEST(Win32Form1, OneLineLabelsDrawOneLine)
{
    // What is drawn: a one-word caption gives the first line's lowest ink ("g" reaches as
    // low as any letter here); a long caption must draw nothing below it. The notice
    // line's box holds most of a second line, so a label that wrapped would show it.
    Harness h;
    const std::string words = "Words that go on well past the right edge of every one of these boxes, the notice "
                              "line too, which is the widest of them and holds a small font";
    const COLORREF ground[] = {RGB(255, 255, 255), RGB(0, 0, 128), RGB(255, 128, 0)}; // white, the bars, the line
    const RECT windowed[] = {h.childRect(IdCombo1), h.childRect(IdCheck1), h.childRect(IdCommand1)};
    const auto lowestInk = [&h, &ground, &windowed](Control control) {
        paintNow(h.hwnd());
        const RECT box = h.form.controlRect(control);
        const Capture shot = capture(h.hwnd(), box);
        int lowest = -1;
        for (int y = 0; y < shot.height; ++y)
            for (int x = 0; x < shot.width; ++x) {
                const POINT at {box.left + x, box.top + y};
                const bool covered = std::any_of(std::begin(windowed), std::end(windowed),
                                                 [&at](const RECT &r) { return PtInRect(&r, at) != FALSE; });
                if (!covered && std::find(std::begin(ground), std::end(ground), shot.at(x, y)) == std::end(ground))
                    lowest = y;
            }
        return lowest;
    };
    // The link is drawn white over its bar: away from the mouse.
    h.mouse(WM_MOUSEMOVE, 300, 90);
    for (const Control control : {Control::Label4, Control::Label6, Control::Label8}) {
        SCOPED_TRACE(static_cast<int>(control));
        h.form.setCaption(control, "Wg");
        const int oneLine = lowestInk(control);
        ASSERT_GE(oneLine, 0) << "nothing drawn";
        h.form.setCaption(control, words);
        EXPECT_GE(lowestInk(control), 0) << "nothing drawn";
        EXPECT_LE(lowestInk(control), oneLine) << "ink below the first line";
    }
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

TEST(Win32Form1, ReaderWindowsLieUnderTheWindowedControls)
{
    Harness h;
    paintNow(h.hwnd());
    const auto zIndex = [&h](HWND child) {
        int i = 0;
        for (HWND at = GetWindow(h.hwnd(), GW_CHILD); at && at != child; at = GetWindow(at, GW_HWNDNEXT))
            ++i;
        return i;
    };
    const std::pair<Control, bool> readers[] = {
        // The reader window, and whether it comes after the list: the banner and the
        // prompt come before it, for a reader, and their regions leave it out.
        {Control::Image1, false}, {Control::Label6, false}, {Control::Label4, true},
        {Control::Label2, true},  {Control::Label8, true},
    };
    for (const auto &[control, afterList] : readers) {
        SCOPED_TRACE(static_cast<int>(control));
        HWND reader = h.form.readerWindowOf(control);
        ASSERT_TRUE(reader);
        EXPECT_TRUE(GetWindowLongPtrW(reader, GWL_STYLE) & WS_CLIPSIBLINGS);
        for (const int id : {IdCommand1, IdCmdAfslut, IdCheck1})
            EXPECT_LT(zIndex(h.control(id)), zIndex(reader)) << id << " lies under the reader window";
        EXPECT_EQ(zIndex(h.control(IdCombo1)) < zIndex(reader), afterList);

        // Where the reader window may draw on the screen: never over a windowed control.
        ScopedGetDC dc(reader);
        // And it erases nothing first: a repaint is one copy, with no step between.
        ScopedMemoryDC probe(dc);
        ScopedGdiObj<HBITMAP> probed(CreateCompatibleBitmap(dc, 4, 4));
        ScopedSelectObject selected(probe, probed.get());
        SetPixel(probe, 1, 1, RGB(1, 2, 3));
        EXPECT_TRUE(SendMessageW(reader, WM_ERASEBKGND, reinterpret_cast<WPARAM>(static_cast<HDC>(probe)), 0));
        EXPECT_EQ(GetPixel(probe, 1, 1), RGB(1, 2, 3)) << "the reader window erases before it draws";
        ScopedGdiObj<HRGN> visible(CreateRectRgn(0, 0, 0, 0));
        ASSERT_EQ(GetRandomRgn(dc, visible.get(), SYSRGN), 1);
        RECT bounds {};
        EXPECT_NE(GetRgnBox(visible.get(), &bounds), NULLREGION) << "the reader window is not shown";
        for (const int id : {IdCommand1, IdCombo1, IdCheck1}) {
            RECT r {};
            GetWindowRect(h.control(id), &r); // SYSRGN is in screen coordinates
            EXPECT_FALSE(RectInRegion(visible.get(), &r)) << "the reader window may draw over control " << id;
        }
    }
}

TEST(Win32Form1, WindowedControlsKeepTheirPixels)
{
    // The reader windows overlap the Go button (the instruction text), the list (the
    // prompt) and the check box (the notice line): repainting them must leave those be.
    Harness h;
    paintNow(h.hwnd());
    const int ids[] = {IdCommand1, IdCombo1, IdCheck1};
    std::vector<Capture> before;
    for (const int id : ids)
        before.push_back(capture(h.hwnd(), h.childRect(id)));
    for (const int line : {1, 0}) {
        SendMessageW(h.control(IdCombo1), CB_SETCURSEL, line, 0);
        SendMessageW(h.hwnd(), WM_COMMAND, MAKEWPARAM(IdCombo1, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(h.control(IdCombo1)));
        paintNow(h.hwnd());
    }
    h.mouse(WM_MOUSEMOVE, 90, 90); // over Label4
    paintNow(h.hwnd());
    ASSERT_EQ(h.behaviour->linkColour(), Form1Behaviour::LinkHighlight);
    for (std::size_t i = 0; i < std::size(ids); ++i) {
        const Capture after = capture(h.hwnd(), h.childRect(ids[i]));
        int changed = 0, firstRow = -1;
        for (int y = 0; y < after.height; ++y)
            for (int x = 0; x < after.width; ++x)
                if (after.pixels.size() == before[i].pixels.size() && after.at(x, y) != before[i].at(x, y)) {
                    ++changed;
                    if (firstRow < 0)
                        firstRow = y;
                }
        EXPECT_FALSE(before[i].pixels.empty());
        EXPECT_TRUE(after == before[i]) << "control " << ids[i] << ": " << changed << " pixels changed, from row "
                                        << firstRow;
    }
}

TEST(Win32Form1, ButtonPicturesAndPointerFollowTheDpi)
{
    // At 100 % the pictures are the artwork's pixels; at 200 % the 200 % drawing, not the
    // small one doubled. The window starts at the prefix's DPI (96, or 192 in a prefix of
    // its own), then the DPI changes as when the window moves to another monitor, and back.
    struct Row
    {
        int button, small, twice;
    };
    const Row rows[] = {{IdCommand1, IDB_GO, IDB_GO_2X}, {IdCmdAfslut, IDB_EXIT, IDB_EXIT_2X}};
    Harness h;
    ASSERT_TRUE(h.hwnd());
    const int start = Dpi::forWindow(h.hwnd());
    ASSERT_TRUE(start == 96 || start == 192) << start;
    int dpi = start;
    for (const int next : {start, 288 - start, start}) {
        if (next != dpi) {
            RECT suggested {};
            GetWindowRect(h.hwnd(), &suggested);
            SendMessageW(h.hwnd(), WM_DPICHANGED, MAKEWPARAM(next, next), reinterpret_cast<LPARAM>(&suggested));
            dpi = next;
        }
        SetFocus(h.control(IdCombo1)); // no focus frame over a picture
        paintNow(h.hwnd());
        for (const Row &row : rows) {
            const Capture shot = printed(h.control(row.button));
            const Capture small = resourcePicture(row.small);
            ASSERT_FALSE(shot.pixels.empty());
            ASSERT_FALSE(small.pixels.empty());
            const int scale = dpi / 96;
            // Centred, cut at the 2-pixel border.
            const POINT at {(shot.width - small.width * scale) / 2, (shot.height - small.height * scale) / 2};
            const RECT inside {2, 2, shot.width - 2, shot.height - 2};
            if (scale == 1) {
                EXPECT_EQ(meanDifference(shot, small, at, inside), 0.0) << "button " << row.button;
                continue;
            }
            const double fromTwice = meanDifference(shot, resourcePicture(row.twice), at, inside);
            const double fromDoubled = meanDifference(shot, doubled(small), at, inside);
            EXPECT_LT(fromTwice, 1.0) << "button " << row.button << " differs from the 200 % drawing";
            EXPECT_GT(fromDoubled, 2.0) << "button " << row.button << " shows the 100 % picture blown up";
        }
        // The hand has the system's pointer size at the DPI, its hot spot on the finger's tip.
        ICONINFO info {};
        ASSERT_TRUE(GetIconInfo(h.form.handCursor(), &info));
        ScopedGdiObj<HBITMAP> mask(info.hbmMask), colour(info.hbmColor);
        BITMAP bits {};
        GetObjectW(info.hbmMask, sizeof bits, &bits);
        const int side = Dpi::cursorSize(dpi);
        EXPECT_EQ(bits.bmWidth, side) << "at " << dpi << " DPI";
        EXPECT_EQ(info.hbmColor ? bits.bmHeight : bits.bmHeight / 2, side) << "at " << dpi << " DPI";
        EXPECT_EQ(static_cast<int>(info.xHotspot), 12 * side / 32);
    }
}
