#include "window/win32/Form1.h"

#include "platform/win32/SystemLibrary.h"
#include "platform/win32/Utf8.h"
#include "platform/win32/WindowObject.h"
#include "texts/ProductTexts.h"
#include "window/Form1Behaviour.h"
#include "window/ReaderRoles.h"
#include "window/win32/Dpi.h"
#include "window/win32/Form1Parts.h"
#include "window/win32/FrmGraphics.h"
#include "window/win32/Pictures.h"
#include "window/win32/resource.h"

#include <commctrl.h>

using namespace Form1Parts;

namespace {

constexpr wchar_t ClassName[] = L"StartprogramForm1";
constexpr DWORD WindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD WindowExStyle = 0;

enum MenuId : WORD {
    IdMnuStart = 2001,
    IdMnuAfslut,
    IdMnuMakeShortcut,
    IdMnuOm,
    IdMnuAboutUse,
    IdMnuMailVarnholt,
    IdMnuMailContactA,
    IdMnuMailContactB,
    IdMnuInfoVarnholt,
    IdMnuVarnholtCom,
    IdMnuOnlineStoej,
};

constexpr UINT_PTR Label4ToolId = 1;

struct MenuMap
{
    Menu menu;
    WORD id;
};
constexpr MenuMap MenuIds[] = {
    {Menu::mnuStart, IdMnuStart},
    {Menu::mnuAfslut, IdMnuAfslut},
    {Menu::mnuMakeShortcut, IdMnuMakeShortcut},
    {Menu::mnuOm, IdMnuOm},
    {Menu::mnuAboutUse, IdMnuAboutUse},
    {Menu::mnuMailVarnholt, IdMnuMailVarnholt},
    {Menu::mnuMailContactA, IdMnuMailContactA},
    {Menu::mnuMailContactB, IdMnuMailContactB},
};

std::wstring wide(const char *utf8)
{
    return Utf8::toWide(utf8);
}

int CALLBACK fontFound(const LOGFONTW *, const TEXTMETRICW *, DWORD, LPARAM found)
{
    *reinterpret_cast<bool *>(found) = true;
    return 0;
}

bool fontExists(const wchar_t *face)
{
    ScopedGetDC screen(nullptr);
    LOGFONTW query {};
    query.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(query.lfFaceName, face, LF_FACESIZE);
    bool found = false;
    EnumFontFamiliesExW(screen, &query, fontFound, reinterpret_cast<LPARAM>(&found), 0);
    return found;
}

HFONT makeFont(const wchar_t *face, int centiPoints, bool bold, int dpi)
{
    LOGFONTW font {};
    font.lfHeight = Dpi::fontHeight(centiPoints, dpi);
    font.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfQuality = DEFAULT_QUALITY;
    font.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
    lstrcpynW(font.lfFaceName, face, LF_FACESIZE);
    return CreateFontIndirectW(&font);
}

// The desktop's message font, the "default window font" of controls without one of their own.
HFONT makeDefaultFont(int dpi)
{
    NONCLIENTMETRICSW metrics {};
    metrics.cbSize = sizeof metrics;
    using ForDpiFn = BOOL(WINAPI *)(UINT, UINT, PVOID, UINT, UINT);
    static const auto forDpi
        = SystemLibrary::function<ForDpiFn>(GetModuleHandleW(L"user32.dll"), "SystemParametersInfoForDpi");
    if (forDpi && forDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, static_cast<UINT>(dpi)))
        return CreateFontIndirectW(&metrics.lfMessageFont);
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
        metrics.lfMessageFont.lfHeight = MulDiv(metrics.lfMessageFont.lfHeight, dpi, Dpi::forSystem());
        return CreateFontIndirectW(&metrics.lfMessageFont);
    }
    return makeFont(L"Arial", 825, false, dpi);
}

// Without visual styles, so that the colours of WM_CTLCOLOR* show (navy caption, navy list).
void unthemed(HWND control)
{
    using SetWindowThemeFn = HRESULT(WINAPI *)(HWND, LPCWSTR, LPCWSTR);
    static HMODULE uxtheme = SystemLibrary::load(L"uxtheme.dll"); // kept for the program's life
    static const auto setWindowTheme = SystemLibrary::function<SetWindowThemeFn>(uxtheme, "SetWindowTheme");
    if (setWindowTheme)
        setWindowTheme(control, L"", L"");
}

} // namespace

Form1::Form1(HINSTANCE instance)
    : m_instance(instance)
{ }

Form1::~Form1()
{
    if (m_hwnd && IsWindow(m_hwnd)) {
        SetWindowLongPtrW(m_hwnd, GWLP_USERDATA, 0);
        DestroyWindow(m_hwnd);
    }
}

bool Form1::create()
{
    m_bigIcon = static_cast<HICON>(LoadImageW(m_instance, MAKEINTRESOURCEW(IDI_STARTPROGRAM), IMAGE_ICON,
                                              GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), LR_SHARED));
    m_smallIcon
        = static_cast<HICON>(LoadImageW(m_instance, MAKEINTRESOURCEW(IDI_STARTPROGRAM), IMAGE_ICON,
                                        GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), LR_SHARED));

    WNDCLASSEXW wc {};
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS; // so that a double click on Label4 is one click, not two
    wc.lpfnWndProc = windowProc;
    wc.hInstance = m_instance;
    wc.hIcon = m_bigIcon;
    wc.hIconSm = m_smallIcon;
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
    wc.hbrBackground = nullptr; // WM_PAINT draws the whole client area
    wc.lpszClassName = ClassName;
    if (!RegisterClassExW(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        return false;

    m_navyBrush.reset(CreateSolidBrush(Navy));
    m_whiteBrush.reset(CreateSolidBrush(White));
    m_photo.reset(Pictures::decode(m_instance, IDR_PHOTO, White));

    createMenus();
    m_dpi = Dpi::forSystem();
    RECT rect {0, 0, Dpi::twips(ClientWidthTwips, m_dpi), Dpi::twips(ClientHeightTwips, m_dpi)};
    Dpi::adjustWindowRect(rect, WindowStyle, WindowExStyle, true, m_dpi);
    const std::wstring caption = wide(ProductTexts::WindowCaption);
    if (!CreateWindowExW(WindowExStyle, ClassName, caption.c_str(), WindowStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                         rect.right - rect.left, rect.bottom - rect.top, nullptr, m_menuBar, m_instance, this))
        return false;
    m_dpi = Dpi::forWindow(m_hwnd);
    choosePictures();
    createControls();
    createToolTips();
    layout();
    centreOnScreen();
    return true;
}

void Form1::createControls()
{
    const auto child = [this](const wchar_t *cls, const wchar_t *text, DWORD style, WORD id) {
        return CreateWindowExW(0, cls, text, WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_GROUP | style, 0, 0, 0, 0, m_hwnd,
                               reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), m_instance, nullptr);
    };
    // Made in tab order: Go, Exit, the check box, the list. The windowed controls do
    // not overlap one another, and all lie above the drawn ones.
    m_command1 = child(L"BUTTON", L"", BS_OWNERDRAW, IdCommand1);
    m_cmdAfslut = child(L"BUTTON", L"", BS_OWNERDRAW, IdCmdAfslut);
    // BS_LEFTTEXT (the same bit as BS_RIGHTBUTTON): the box at the right, beside Go;
    // BS_RIGHT: the caption right-justified against it.
    m_check1 = child(L"BUTTON", L"Leave this program running", BS_AUTOCHECKBOX | BS_LEFTTEXT | BS_RIGHT, IdCheck1);
    // The banner and the prompt come just before the list, so that a reader names the
    // list by the prompt; then the link, the instruction text and the notice line. The
    // window order is also the stacking order: Go, Exit and the check box lie above every
    // reader window, the list above those after it (the prompt is cut around it).
    m_image1Window = readerWindow(Control::Image1, IdImage1);
    m_label6Window = readerWindow(Control::Label6, IdLabel6);
    m_combo1 = child(L"COMBOBOX", L"", CBS_DROPDOWNLIST | WS_VSCROLL, IdCombo1);
    m_label4Window = readerWindow(Control::Label4, IdLabel4);
    m_label2Window = readerWindow(Control::Label2, IdLabel2);
    m_label8Window = readerWindow(Control::Label8, IdLabel8);
    unthemed(m_check1);
    unthemed(m_combo1);
    // The pictures' buttons are named as a reader hears them; the text is never drawn.
    SetWindowTextW(m_command1, wide(readerEntry(Control::Command1).name).c_str());
    SetWindowTextW(m_cmdAfslut, wide(readerEntry(Control::cmdAfslut).name).c_str());
}

HWND Form1::readerWindow(Control control, WORD id)
{
    // Owner-drawn: each shows the window's own painting of its box, so nothing looks
    // different. A link is a button a reader can press; a label or picture is static
    // text. No tab stop. SS_NOPREFIX: an "&" in a path is no access key. WS_CLIPSIBLINGS:
    // the windows above it in the stacking order keep their pixels.
    const ReaderEntry entry = readerEntry(control);
    if (entry.role == ReaderRole::Hidden || entry.role == ReaderRole::Own)
        return nullptr;
    const bool button = entry.role == ReaderRole::Link;
    const DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | (button ? BS_OWNERDRAW : SS_OWNERDRAW | SS_NOPREFIX);
    const std::wstring text = entry.name ? wide(entry.name) : std::wstring();
    HWND hwnd = CreateWindowExW(0, button ? L"BUTTON" : L"STATIC", text.c_str(), style, 0, 0, 0, 0, m_hwnd,
                                reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), m_instance, nullptr);
    if (hwnd) {
        const LONG_PTR original = SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&readerProc));
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, original);
    }
    return hwnd;
}

LRESULT CALLBACK Form1::readerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    // The mouse goes through to the window, so hover, click and pointer stay the window's.
    if (message == WM_NCHITTEST)
        return HTTRANSPARENT;
    // WM_DRAWITEM covers the whole window at once: erasing first would flicker.
    if (message == WM_ERASEBKGND)
        return 1;
    const auto original = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    return CallWindowProcW(original, hwnd, message, wParam, lParam);
}

void Form1::cutOutWindowed(HWND reader, Control control)
{
    // What a windowed control covers is never a reader window's, whatever their order.
    const RECT box = controlRect(control);
    HRGN region = CreateRectRgn(0, 0, box.right - box.left, box.bottom - box.top);
    if (!region)
        return;
    for (const Control windowed : {Control::Combo1, Control::Check1, Control::Command1, Control::cmdAfslut}) {
        RECT r = controlRect(windowed);
        OffsetRect(&r, -box.left, -box.top);
        ScopedGdiObj<HRGN> part(CreateRectRgnIndirect(&r));
        if (part)
            CombineRgn(region, region, part.get(), RGN_DIFF);
    }
    if (!SetWindowRgn(reader, region, TRUE))
        DeleteObject(region); // taken by the system only on success
}

HWND Form1::readerWindowOf(Control control) const
{
    switch (control) {
    case Control::Image1:
        return m_image1Window;
    case Control::Label6:
        return m_label6Window;
    case Control::Label4:
        return m_label4Window;
    case Control::Label2:
        return m_label2Window;
    case Control::Label8:
        return m_label8Window;
    default:
        return nullptr;
    }
}

void Form1::createMenus()
{
    const auto item = [](HMENU menu, WORD id, const char *caption, UINT flags = 0) {
        AppendMenuW(menu, MF_STRING | flags, id, wide(caption).c_str());
    };
    const auto popup = [](HMENU parent, HMENU menu, const char *caption, UINT flags = 0) {
        AppendMenuW(parent, MF_POPUP | flags, reinterpret_cast<UINT_PTR>(menu), wide(caption).c_str());
    };

    m_menuBar = CreateMenu();
    HMENU mnuFiler = CreatePopupMenu();
    item(mnuFiler, IdMnuStart, "&Go!");
    AppendMenuW(mnuFiler, MF_SEPARATOR, 0, nullptr); // mnuSS
    item(mnuFiler, IdMnuAfslut, "&Exit");
    popup(m_menuBar, mnuFiler, "&Files");

    HMENU mnuFeatures = CreatePopupMenu();
    item(mnuFeatures, IdMnuMakeShortcut, "Create shortcut on desktop");
    popup(m_menuBar, mnuFeatures, "F&eatures");

    HMENU mnuInformation = CreatePopupMenu();
    item(mnuInformation, IdMnuOm, "&About this start-program");
    item(mnuInformation, IdMnuAboutUse, "About &using the start-program");
    AppendMenuW(mnuInformation, MF_SEPARATOR, 0, nullptr); // mnuS
    // The online submenu is switched off: shown greyed, nothing in it can be chosen.
    HMENU mnuVarnholt = CreatePopupMenu();
    item(mnuVarnholt, IdMnuInfoVarnholt, ProductTexts::NationalHostCaption);
    item(mnuVarnholt, IdMnuVarnholtCom, ProductTexts::InternationalHostCaption);
    AppendMenuW(mnuVarnholt, MF_SEPARATOR | MF_GRAYED, 0, nullptr); // s
    item(mnuVarnholt, IdMnuOnlineStoej, ProductTexts::DepartmentMenuCaption, MF_GRAYED);
    popup(mnuInformation, mnuVarnholt, "&Varnholt Online", MF_GRAYED);
    HMENU mnuKontakt = CreatePopupMenu();
    item(mnuKontakt, IdMnuMailVarnholt, ProductTexts::GeneralMailCaption);
    AppendMenuW(mnuKontakt, MF_SEPARATOR, 0, nullptr); // sssss
    item(mnuKontakt, IdMnuMailContactA, ProductTexts::ContactACaption);
    item(mnuKontakt, IdMnuMailContactB, ProductTexts::ContactBCaption);
    popup(mnuInformation, mnuKontakt, "E-mail");
    popup(m_menuBar, mnuInformation, "&Information");
}

void Form1::createToolTips()
{
    using InitFn = BOOL(WINAPI *)(const INITCOMMONCONTROLSEX *);
    static HMODULE comctl32 = SystemLibrary::loadCommonControls(); // kept: its windows live as long as ours
    const auto init = SystemLibrary::function<InitFn>(comctl32, "InitCommonControlsEx");
    if (!init)
        return; // no comctl32: the window works without tooltips
    INITCOMMONCONTROLSEX icc {sizeof icc, ICC_WIN95_CLASSES};
    init(&icc);
    m_toolTip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, m_hwnd, nullptr, m_instance,
                                nullptr);
    if (!m_toolTip)
        return;
    const auto add = [this](UINT flags, UINT_PTR id, const wchar_t *text) {
        TTTOOLINFOW tool {};
        tool.cbSize = TTTOOLINFOW_V2_SIZE; // understood by Common Controls 5 and 6
        tool.uFlags = flags | TTF_SUBCLASS;
        tool.hwnd = m_hwnd;
        tool.uId = id;
        tool.lpszText = const_cast<wchar_t *>(text);
        SendMessageW(m_toolTip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    };
    add(TTF_IDISHWND, reinterpret_cast<UINT_PTR>(m_command1), wide(ProductTexts::GoButtonName).c_str());
    add(TTF_IDISHWND, reinterpret_cast<UINT_PTR>(m_cmdAfslut), wide(ProductTexts::ExitButtonName).c_str());
    add(0, Label4ToolId, L"");
}

void Form1::makeFonts()
{
    static const bool unicodeArial = fontExists(L"Arial Unicode MS");
    m_fontLabel6.reset(makeFont(L"Arial", 1425, false, m_dpi));
    m_fontLabel8.reset(makeFont(unicodeArial ? L"Arial Unicode MS" : L"Arial", 825, false, m_dpi));
    m_fontLabel4.reset(makeFont(L"Arial", 1125, true, m_dpi));
    m_fontLabel2.reset(makeFont(L"Arial", 975, false, m_dpi));
    m_fontCheck1.reset(makeFont(L"Arial", 825, false, m_dpi));
    m_fontDefault.reset(makeDefaultFont(m_dpi));
}

void Form1::layout()
{
    // Fonts first: the controls keep the old ones until they are given the new.
    auto oldFonts = std::array {std::move(m_fontLabel6), std::move(m_fontLabel8), std::move(m_fontLabel4),
                                std::move(m_fontLabel2), std::move(m_fontCheck1), std::move(m_fontDefault)};
    makeFonts();
    SendMessageW(m_check1, WM_SETFONT, reinterpret_cast<WPARAM>(m_fontCheck1.get()), FALSE);
    SendMessageW(m_combo1, WM_SETFONT, reinterpret_cast<WPARAM>(m_fontDefault.get()), FALSE);

    const auto place = [this](HWND hwnd, Control control, int extraHeight = 0) {
        const RECT r = controlRect(control);
        SetWindowPos(hwnd, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top + extraHeight,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    };
    place(m_command1, Control::Command1);
    place(m_cmdAfslut, Control::cmdAfslut);
    place(m_check1, Control::Check1);
    place(m_combo1, Control::Combo1, Dpi::pixels(OpenListHeightPixels, m_dpi)); // the height of the opened list
    for (const Control control :
         {Control::Image1, Control::Label6, Control::Label4, Control::Label2, Control::Label8}) {
        place(readerWindowOf(control), control);
        cutOutWindowed(readerWindowOf(control), control);
    }
    fitComboHeight();

    if (m_toolTip) {
        TTTOOLINFOW tool {};
        tool.cbSize = TTTOOLINFOW_V2_SIZE;
        tool.hwnd = m_hwnd;
        tool.uId = Label4ToolId;
        tool.rect = controlRect(Control::Label4);
        SendMessageW(m_toolTip, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
    }

    // The client area, whatever the frame and menu bar take at this DPI.
    const int width = Dpi::twips(ClientWidthTwips, m_dpi);
    const int height = Dpi::twips(ClientHeightTwips, m_dpi);
    RECT rect {0, 0, width, height};
    Dpi::adjustWindowRect(rect, WindowStyle, WindowExStyle, true, m_dpi);
    SetWindowPos(m_hwnd, nullptr, 0, 0, rect.right - rect.left, rect.bottom - rect.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT client {};
    GetClientRect(m_hwnd, &client);
    if (client.right != width || client.bottom != height) {
        // A menu bar that wraps, or a frame the estimate missed: correct by what is there.
        RECT window {};
        GetWindowRect(m_hwnd, &window);
        SetWindowPos(m_hwnd, nullptr, 0, 0, window.right - window.left + width - client.right,
                     window.bottom - window.top + height - client.bottom, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    InvalidateRect(m_hwnd, nullptr, FALSE);
}

void Form1::fitComboHeight()
{
    // The closed list's height follows its font; set its selection field so that the
    // whole control is as high as its box. What the field's height adds up to differs
    // between systems (Wine counts two pixels more), so measure and correct.
    const RECT box = controlRect(Control::Combo1);
    const int target = box.bottom - box.top;
    const auto height = [this] {
        RECT now {};
        GetWindowRect(m_combo1, &now);
        return static_cast<int>(now.bottom - now.top);
    };
    const LRESULT item = SendMessageW(m_combo1, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0);
    if (item == CB_ERR)
        return;
    int field = static_cast<int>(item);
    for (int round = 0; round < 3 && height() != target; ++round) {
        field += target - height();
        if (field <= 0)
            return;
        SendMessageW(m_combo1, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), field);
        // The control takes its new height when it is sized again.
        SetWindowPos(m_combo1, nullptr, box.left, box.top, box.right - box.left,
                     target + Dpi::pixels(OpenListHeightPixels, m_dpi), SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void Form1::centreOnScreen()
{
    RECT window {};
    GetWindowRect(m_hwnd, &window);
    MONITORINFO monitor {};
    monitor.cbSize = sizeof monitor;
    if (!GetMonitorInfoW(MonitorFromWindow(m_hwnd, MONITOR_DEFAULTTOPRIMARY), &monitor))
        return;
    const RECT &area = monitor.rcWork;
    const int width = window.right - window.left;
    const int height = window.bottom - window.top;
    SetWindowPos(m_hwnd, nullptr, area.left + (area.right - area.left - width) / 2,
                 area.top + (area.bottom - area.top - height) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form1::show(int showCommand)
{
    if (!m_hwnd)
        return;
    ShowWindow(m_hwnd, showCommand);
    UpdateWindow(m_hwnd);
    SetForegroundWindow(m_hwnd);
    SetFocus(m_command1);
    m_lastFocus = m_command1;
}

bool Form1::preTranslate(MSG &msg)
{
    if (!m_hwnd)
        return false;
    const bool ours = msg.hwnd == m_hwnd || IsChild(m_hwnd, msg.hwnd);
    if (ours && (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN)) {
        // Key preview: the behaviour sees the key before the control that has the focus
        // (and before IsDialogMessageW turns Esc into IDCANCEL). A key with Alt held comes
        // as WM_SYSKEYDOWN.
        const bool altHeld = msg.message == WM_SYSKEYDOWN || GetKeyState(VK_MENU) < 0;
        if (m_behaviour
            && m_behaviour->keyPressed(msg.wParam == VK_ESCAPE ? Key::Escape : Key::Other, altHeld, keyTarget()))
            return true;
        if (!m_hwnd)
            return true;
        // Enter presses the focused picture button, and nothing else: no default button.
        if (msg.message == WM_KEYDOWN && msg.wParam == VK_RETURN) {
            HWND focus = GetFocus();
            if (focus == m_command1 || focus == m_cmdAfslut) {
                onCommand(static_cast<WORD>(GetDlgCtrlID(focus)), BN_CLICKED, focus);
                return true;
            }
        }
    }
    return m_hwnd && IsDialogMessageW(m_hwnd, &msg);
}

KeyTarget Form1::keyTarget() const
{
    if (m_inMenuLoop)
        return KeyTarget::Menu;
    if (m_combo1 && SendMessageW(m_combo1, CB_GETDROPPEDSTATE, 0, 0))
        return KeyTarget::OpenList;
    return KeyTarget::Control;
}

// Form1View

void Form1::setCaption(Control control, const std::string &text)
{
    std::wstring caption = Utf8::toWide(text);
    switch (control) {
    case Control::Label2:
        m_label2 = std::move(caption);
        break;
    case Control::Label4:
        m_label4 = std::move(caption);
        break;
    case Control::Label6:
        m_label6 = std::move(caption);
        break;
    case Control::Label8:
        m_label8 = std::move(caption);
        break;
    case Control::Check1:
        if (m_check1)
            SetWindowTextW(m_check1, caption.c_str());
        return;
    default:
        return;
    }
    // A reader hears the new text: the system announces a window's name change.
    if (HWND reader = readerWindowOf(control))
        SetWindowTextW(reader, this->caption(control)->c_str());
    invalidate(control);
}

void Form1::setToolTip(Control control, const std::string &text)
{
    if (!m_toolTip)
        return;
    const std::wstring tip = Utf8::toWide(text);
    TTTOOLINFOW tool {};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.hwnd = m_hwnd;
    switch (control) {
    case Control::Label4:
        tool.uId = Label4ToolId;
        break;
    case Control::Command1:
        tool.uFlags = TTF_IDISHWND;
        tool.uId = reinterpret_cast<UINT_PTR>(m_command1);
        break;
    case Control::cmdAfslut:
        tool.uFlags = TTF_IDISHWND;
        tool.uId = reinterpret_cast<UINT_PTR>(m_cmdAfslut);
        break;
    default:
        return;
    }
    tool.lpszText = const_cast<wchar_t *>(tip.c_str());
    SendMessageW(m_toolTip, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}

void Form1::setMenuCaption(Menu menu, const std::string &text)
{
    std::wstring caption = Utf8::toWide(text);
    MENUITEMINFOW info {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STRING;
    info.dwTypeData = caption.data();
    switch (menu) {
    case Menu::mnuFiler:
        SetMenuItemInfoW(m_menuBar, 0, TRUE, &info);
        break;
    case Menu::mnuFeatures:
        SetMenuItemInfoW(m_menuBar, 1, TRUE, &info);
        break;
    case Menu::mnuInformation:
        SetMenuItemInfoW(m_menuBar, 2, TRUE, &info);
        break;
    default:
        for (const MenuMap &entry : MenuIds)
            if (entry.menu == menu)
                SetMenuItemInfoW(m_menuBar, entry.id, FALSE, &info);
        break;
    }
    if (m_hwnd)
        DrawMenuBar(m_hwnd);
}

void Form1::showBanner()
{
    if (!m_graphics)
        m_graphics = std::make_unique<FrmGraphics>(m_instance, m_hwnd);
    m_banner = m_graphics->image13();
    invalidate(Control::Image1);
}

void Form1::fillList(const std::vector<std::string> &lines)
{
    if (!m_combo1)
        return;
    SendMessageW(m_combo1, WM_SETREDRAW, FALSE, 0);
    SendMessageW(m_combo1, CB_RESETCONTENT, 0, 0);
    for (const std::string &line : lines)
        SendMessageW(m_combo1, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Utf8::toWide(line).c_str()));
    SendMessageW(m_combo1, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(m_combo1, nullptr, TRUE);
}

void Form1::selectLine(int p)
{
    if (m_combo1)
        SendMessageW(m_combo1, CB_SETCURSEL, static_cast<WPARAM>(p), 0);
}

void Form1::setChecked(bool checked)
{
    if (m_check1)
        SendMessageW(m_check1, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void Form1::setLinkColour(Colour colour)
{
    m_linkColour = RGB(colour.red, colour.green, colour.blue);
    invalidate(Control::Label4);
}

// Geometry

RECT Form1::controlRect(Control control) const
{
    for (const Box &box : Boxes) {
        if (box.control != control)
            continue;
        if (control == Control::Line1) {
            const int left = Dpi::twips(box.left, m_dpi);
            const int top = Dpi::twips(box.top, m_dpi);
            // The end point is on the line too.
            return RECT {left, top, Dpi::twips(box.left + box.width, m_dpi) + Dpi::pixels(1, m_dpi),
                         top + Dpi::pixels(LineWidthPixels, m_dpi)};
        }
        return Dpi::box(box.left, box.top, box.width, box.height, m_dpi);
    }
    if (control == Control::Form1)
        return Dpi::box(0, 0, ClientWidthTwips, ClientHeightTwips, m_dpi);
    return RECT {};
}

Control Form1::drawnControlAt(POINT point) const
{
    for (const Box &box : Boxes) {
        switch (box.control) {
        case Control::Combo1:
        case Control::Check1:
        case Control::Command1:
        case Control::cmdAfslut:
            continue; // windowed: they get their own mouse messages
        default:
            break;
        }
        const RECT r = controlRect(box.control);
        if (PtInRect(&r, point))
            return box.control;
    }
    return Control::Form1;
}

Control Form1::controlOfWindow(HWND hwnd) const
{
    if (hwnd == m_combo1 || (hwnd && GetParent(hwnd) == m_combo1))
        return Control::Combo1;
    if (hwnd == m_check1)
        return Control::Check1;
    if (hwnd == m_command1)
        return Control::Command1;
    if (hwnd == m_cmdAfslut)
        return Control::cmdAfslut;
    return Control::Form1;
}

void Form1::invalidate(Control control)
{
    if (!m_hwnd)
        return;
    const RECT r = controlRect(control);
    // The reader windows over the box show the same painting: they are redrawn too.
    RedrawWindow(m_hwnd, &r, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

// Messages

LRESULT CALLBACK Form1::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    return WindowObject::dispatch(hwnd, message, wParam, lParam, &Form1::m_hwnd, &Form1::handle);
}

LRESULT Form1::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    HWND hwnd = m_hwnd;
    switch (message) {
    case WM_PAINT:
        onPaint();
        return 0;
    case WM_ERASEBKGND:
        return 1; // WM_PAINT covers everything
    case WM_DRAWITEM:
        onDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT *>(lParam));
        return TRUE;
    case WM_COMMAND:
        onCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
        return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
        return onCtlColor(message, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_SETCURSOR:
        if (onSetCursor(reinterpret_cast<HWND>(wParam), LOWORD(lParam), HIWORD(lParam)))
            return TRUE;
        break;
    case WM_MOUSEMOVE:
        onMouseMove(POINT {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
        return 0;
    case WM_LBUTTONDOWN:
        if (drawnControlAt(POINT {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))})
            == Control::Label4) {
            m_label4Pressed = true;
            SetCapture(hwnd);
        }
        return 0;
    case WM_LBUTTONUP:
        if (m_label4Pressed) {
            m_label4Pressed = false;
            ReleaseCapture();
            // A click is a press and a release on the label; the second press of a
            // double click comes as WM_LBUTTONDBLCLK and starts none.
            if (m_behaviour
                && drawnControlAt(POINT {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))})
                    == Control::Label4)
                m_behaviour->clicked(Control::Label4);
        }
        return 0;
    case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(lParam) != hwnd)
            m_label4Pressed = false;
        return 0;
    case WM_ENTERMENULOOP:
        m_inMenuLoop = true;
        return 0;
    case WM_EXITMENULOOP:
        m_inMenuLoop = false;
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            HWND focus = GetFocus();
            if (focus && IsChild(hwnd, focus))
                m_lastFocus = focus;
        } else if (m_lastFocus && IsWindow(m_lastFocus)) {
            SetFocus(m_lastFocus);
            return 0;
        }
        break;
    case WM_SETFOCUS:
        if (m_lastFocus && IsWindow(m_lastFocus))
            SetFocus(m_lastFocus);
        return 0;
    case WM_DPICHANGED:
        onDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT *>(lParam));
        return 0;
    case WM_CLOSE:
        if (m_behaviour)
            m_behaviour->closeRequested();
        else
            DestroyWindow(hwnd);
        return 0;
    case WM_DESTROY:
        // However the window goes, the program goes with it.
        PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

void Form1::onCommand(WORD id, WORD code, HWND control)
{
    if (!m_behaviour)
        return;
    if (!control) {
        if (code != 0)
            return; // not a menu
        for (const MenuMap &entry : MenuIds)
            if (entry.id == id)
                m_behaviour->menuChosen(entry.menu);
        return;
    }
    switch (id) {
    case IdCommand1:
        if (code == BN_CLICKED)
            m_behaviour->goPressed();
        break;
    case IdCmdAfslut:
        if (code == BN_CLICKED)
            m_behaviour->exitPressed();
        break;
    case IdLabel4:
        // Only a reader presses it (the mouse goes through to the window): its default
        // action is exactly the label's click.
        if (code == BN_CLICKED)
            m_behaviour->clicked(Control::Label4);
        break;
    case IdCheck1:
        if (code == BN_CLICKED)
            m_behaviour->checkClicked(SendMessageW(m_check1, BM_GETCHECK, 0, 0) == BST_CHECKED);
        break;
    case IdCombo1:
        if (code == CBN_SELCHANGE) {
            const LRESULT p = SendMessageW(m_combo1, CB_GETCURSEL, 0, 0);
            if (p != CB_ERR)
                m_behaviour->selectionChanged(static_cast<int>(p));
        }
        break;
    default:
        break;
    }
}

LRESULT Form1::onCtlColor(UINT message, HDC dc, HWND control)
{
    if (control == m_check1) {
        SetTextColor(dc, Navy);
        SetBkColor(dc, White);
        return reinterpret_cast<LRESULT>(m_whiteBrush.get());
    }
    // The list in its box and opened: yellow on navy.
    if (control == m_combo1 || message == WM_CTLCOLORLISTBOX || message == WM_CTLCOLOREDIT) {
        SetTextColor(dc, LightYellow);
        SetBkColor(dc, Navy);
        return reinterpret_cast<LRESULT>(m_navyBrush.get());
    }
    return DefWindowProcW(m_hwnd, message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control));
}

bool Form1::onSetCursor(HWND over, WORD hitTest, WORD mouseMessage)
{
    if (hitTest != HTCLIENT)
        return false;
    Control control = Control::Form1;
    if (over == m_hwnd) {
        POINT point {};
        GetCursorPos(&point);
        ScreenToClient(m_hwnd, &point);
        control = drawnControlAt(point);
    } else {
        control = controlOfWindow(over);
        // The window's own area reports through WM_MOUSEMOVE; a windowed control through here.
        if (mouseMessage == WM_MOUSEMOVE && control != Control::Form1 && m_behaviour)
            m_behaviour->mouseMovedOver(control);
    }
    if (m_hand && (control == Control::Command1 || control == Control::cmdAfslut || control == Control::Label4)) {
        SetCursor(m_hand);
        return true;
    }
    return false;
}

void Form1::onMouseMove(POINT point)
{
    if (m_behaviour)
        m_behaviour->mouseMovedOver(drawnControlAt(point));
}

void Form1::onDpiChanged(int dpi, const RECT &suggested)
{
    m_dpi = dpi;
    choosePictures();
    SetWindowPos(m_hwnd, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    layout();
}
