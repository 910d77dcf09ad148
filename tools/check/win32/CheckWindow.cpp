#include "tools/check/win32/CheckWindow.h"

#include "platform/win32/SystemLibrary.h"
#include "platform/win32/Utf8.h"
#include "platform/win32/WindowObject.h"
#include "tools/check/CheckTexts.h"
#include "tools/check/CheckWindowBehaviour.h"
#include "tools/check/win32/checkresource.h"
#include "window/win32/Dpi.h"

#include <commctrl.h>
#include <shellapi.h>
#include <shobjidl.h>

#include <algorithm>

#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif

namespace {

constexpr wchar_t ClassName[] = L"StartprogramCheck";
constexpr DWORD WindowStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
constexpr DWORD WindowExStyle = WS_EX_CONTROLPARENT;

// The layout in pixels at 96 DPI, in the steps of a dialog's units.
constexpr int Margin = 11;
constexpr int Gap = 7;
constexpr int ButtonGap = 6;
constexpr int ButtonHeight = 23;
constexpr int ButtonMinWidth = 75;
constexpr int ButtonPadding = 10;
constexpr int LabelGap = 3;
constexpr int SectionGap = 14;
constexpr int LineColumnWidth = 48;
constexpr int KindColumnWidth = 72;
constexpr int ListMinHeight = 96;
constexpr int ClientWidth = 760;
constexpr int ClientHeight = 400;

std::wstring wide(const std::string &text)
{
    return Utf8::toWide(text);
}

// The caption as drawn: "&&" is one "&", a single "&" marks the access key.
std::wstring shownCaption(const std::wstring &caption)
{
    std::wstring out;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == L'&' && i + 1 < caption.size())
            ++i;
        out += caption[i];
    }
    return out;
}

std::wstring windowText(HWND hwnd)
{
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
    return text;
}

HMODULE commonControls()
{
    static HMODULE comctl32 = SystemLibrary::loadCommonControls(); // kept: its windows live as long as ours
    return comctl32;
}

bool initCommonControls()
{
    using InitFn = BOOL(WINAPI *)(const INITCOMMONCONTROLSEX *);
    const auto init = SystemLibrary::function<InitFn>(commonControls(), "InitCommonControlsEx");
    INITCOMMONCONTROLSEX icc {sizeof icc, ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
    return init && init(&icc);
}

// The message font of the system at a DPI, where the system can say it per DPI.
LOGFONTW messageFont(int dpi)
{
    NONCLIENTMETRICSW metrics {};
    metrics.cbSize = sizeof metrics;
    using ForDpiFn = BOOL(WINAPI *)(UINT, UINT, PVOID, UINT, UINT);
    static const auto forDpi
        = SystemLibrary::function<ForDpiFn>(GetModuleHandleW(L"user32.dll"), "SystemParametersInfoForDpi");
    if (forDpi && forDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, static_cast<UINT>(dpi)))
        return metrics.lfMessageFont;
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
        LOGFONTW font = metrics.lfMessageFont;
        font.lfHeight = MulDiv(font.lfHeight, dpi, Dpi::forSystem());
        return font;
    }
    LOGFONTW font {};
    font.lfHeight = Dpi::fontHeight(900, dpi);
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(font.lfFaceName, L"Segoe UI", LF_FACESIZE);
    return font;
}

} // namespace

CheckWindow::CheckWindow(HINSTANCE instance)
    : m_instance(instance)
{ }

CheckWindow::~CheckWindow()
{
    if (m_hwnd && IsWindow(m_hwnd)) {
        SetWindowLongPtrW(m_hwnd, GWLP_USERDATA, 0);
        DestroyWindow(m_hwnd);
    }
    if (m_accelerators)
        DestroyAcceleratorTable(m_accelerators);
    if (m_bigIcon)
        DestroyIcon(m_bigIcon);
    if (m_smallIcon)
        DestroyIcon(m_smallIcon);
}

bool CheckWindow::create()
{
    if (!initCommonControls())
        return false; // no list view without comctl32

    WNDCLASSEXW wc {};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = windowProc;
    wc.hInstance = m_instance;
    wc.hIcon = LoadIconW(m_instance, MAKEINTRESOURCEW(IDI_CHECK));
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
    wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    wc.lpszClassName = ClassName;
    if (!RegisterClassExW(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        return false;

    ACCEL refresh {FVIRTKEY, VK_F5, IDC_CHECK_AGAIN};
    m_accelerators = CreateAcceleratorTableW(&refresh, 1);

    m_dpi = Dpi::forSystem();
    const std::wstring title = wide(CheckTexts::WindowTitle);
    if (!CreateWindowExW(WindowExStyle, ClassName, title.c_str(), WindowStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                         CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, m_instance, this))
        return false;
    // The window's own monitor may have another DPI than the system's.
    m_dpi = Dpi::forWindow(m_hwnd);
    createControls();
    makeFonts();
    loadIcons();

    const SIZE minimum = minimumClientSize();
    RECT rect {0, 0, std::max<int>(Dpi::pixels(ClientWidth, m_dpi), minimum.cx),
               std::max<int>(Dpi::pixels(ClientHeight, m_dpi), minimum.cy)};
    Dpi::adjustWindowRect(rect, WindowStyle, WindowExStyle, false, m_dpi);
    // Centred on its monitor's work area, and never larger than it.
    MONITORINFO monitor {};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(m_hwnd, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT &work = monitor.rcWork;
    const int w = std::min<int>(rect.right - rect.left, work.right - work.left);
    const int h = std::min<int>(rect.bottom - rect.top, work.bottom - work.top);
    SetWindowPos(m_hwnd, nullptr, work.left + (work.right - work.left - w) / 2,
                 work.top + (work.bottom - work.top - h) / 2, w, h, SWP_NOZORDER | SWP_NOACTIVATE);
    layout();
    DragAcceptFiles(m_hwnd, TRUE);
    return true;
}

HWND CheckWindow::child(const wchar_t *cls, const std::string &text, DWORD style, int id, DWORD exStyle)
{
    return CreateWindowExW(exStyle, cls, wide(text).c_str(), WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, m_hwnd,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), m_instance, nullptr);
}

void CheckWindow::createControls()
{
    // Made in the Tab order; each label comes right before the control its access key reaches.
    m_folderLabel = child(L"STATIC", CheckTexts::FolderLabel, SS_LEFT, IDC_CHECK_FOLDER_LABEL);
    m_folder = child(L"EDIT", "", ES_READONLY | ES_AUTOHSCROLL | WS_TABSTOP, IDC_CHECK_FOLDER, WS_EX_CLIENTEDGE);
    m_choose = child(L"BUTTON", CheckTexts::ChooseFolder, BS_PUSHBUTTON | WS_TABSTOP, IDC_CHECK_CHOOSE);
    // The summary: a plain static, so that a screen reader reads it as the window's text.
    m_summary = child(L"STATIC", "", SS_LEFT | SS_NOPREFIX, IDC_CHECK_SUMMARY);
    m_findingsLabel = child(L"STATIC", CheckTexts::FindingsLabel, SS_LEFT, IDC_CHECK_FINDINGS_LABEL);
    m_findings = child(WC_LISTVIEWW, "", LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | WS_TABSTOP,
                       IDC_CHECK_FINDINGS, WS_EX_CLIENTEDGE);
    m_checkAgain = child(L"BUTTON", CheckTexts::CheckAgain, BS_PUSHBUTTON | WS_TABSTOP, IDC_CHECK_AGAIN);
    m_open = child(L"BUTTON", CheckTexts::OpenInformationFile, BS_PUSHBUTTON | WS_TABSTOP, IDC_CHECK_OPEN);
    m_copy = child(L"BUTTON", CheckTexts::Copy, BS_PUSHBUTTON | WS_TABSTOP, IDC_CHECK_COPY);
    m_makeList = child(L"BUTTON", CheckTexts::MakeList, BS_PUSHBUTTON | WS_TABSTOP, IDC_CHECK_MAKE_LIST);
    m_setCount = child(L"BUTTON", CheckTexts::SetCount, BS_PUSHBUTTON | WS_TABSTOP, IDC_CHECK_SET_COUNT);
    m_makeStartPage
        = child(L"BUTTON", CheckTexts::MakeStartPage, BS_PUSHBUTTON | WS_TABSTOP, IDC_CHECK_MAKE_START_PAGE);
    m_close = child(L"BUTTON", CheckTexts::Close, BS_PUSHBUTTON | WS_TABSTOP, IDCANCEL);

    SendMessageW(m_findings, LVM_SETEXTENDEDLISTVIEWSTYLE, 0,
                 LVS_EX_FULLROWSELECT | LVS_EX_LABELTIP | LVS_EX_DOUBLEBUFFER);
    const char *columns[] = {CheckTexts::LineColumn, CheckTexts::KindColumn, CheckTexts::TextColumn};
    for (int i = 0; i < 3; ++i) {
        std::wstring caption = wide(columns[i]);
        LVCOLUMNW column {};
        column.mask = LVCF_TEXT | LVCF_SUBITEM | LVCF_FMT;
        column.fmt = LVCFMT_LEFT;
        column.pszText = caption.data();
        column.iSubItem = i;
        SendMessageW(m_findings, LVM_INSERTCOLUMNW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&column));
    }
    ShowWindow(m_makeList, SW_HIDE);
    ShowWindow(m_setCount, SW_HIDE);
    ShowWindow(m_makeStartPage, SW_HIDE);
    for (HWND button : {m_checkAgain, m_open, m_copy, m_makeList, m_setCount, m_makeStartPage})
        EnableWindow(button, FALSE);
}

void CheckWindow::makeFonts()
{
    LOGFONTW font = messageFont(m_dpi);
    m_font.reset(CreateFontIndirectW(&font));
    // The summary stands out: bold and a fifth larger.
    font.lfWeight = FW_BOLD;
    font.lfHeight = MulDiv(font.lfHeight, 6, 5);
    m_summaryFont.reset(CreateFontIndirectW(&font));
    for (HWND control = GetWindow(m_hwnd, GW_CHILD); control; control = GetWindow(control, GW_HWNDNEXT))
        SendMessageW(control, WM_SETFONT,
                     reinterpret_cast<WPARAM>(control == m_summary ? m_summaryFont.get() : m_font.get()), FALSE);
}

void CheckWindow::loadIcons()
{
    const auto load = [&](int size) {
        return static_cast<HICON>(
            LoadImageW(m_instance, MAKEINTRESOURCEW(IDI_CHECK), IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
    };
    HICON big = load(Dpi::pixels(32, m_dpi));
    HICON small = load(Dpi::pixels(16, m_dpi));
    SendMessageW(m_hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
    SendMessageW(m_hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
    if (m_bigIcon)
        DestroyIcon(m_bigIcon);
    if (m_smallIcon)
        DestroyIcon(m_smallIcon);
    m_bigIcon = big;
    m_smallIcon = small;
}

int CheckWindow::textWidth(HFONT font, HWND control) const
{
    const std::wstring text = shownCaption(windowText(control));
    ScopedGetDC dc(m_hwnd);
    ScopedSelectObject select(dc, font);
    SIZE size {};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    return size.cx;
}

namespace {

int lineHeight(HWND hwnd, HFONT font)
{
    ScopedGetDC dc(hwnd);
    ScopedSelectObject select(dc, font);
    TEXTMETRICW metrics {};
    GetTextMetricsW(dc, &metrics);
    return metrics.tmHeight;
}

} // namespace

SIZE CheckWindow::minimumClientSize() const
{
    const auto px = [&](int value) { return Dpi::pixels(value, m_dpi); };
    int buttons = 0;
    for (HWND button : {m_checkAgain, m_open, m_copy, m_makeList, m_setCount, m_makeStartPage, m_close})
        buttons
            += std::max(px(ButtonMinWidth), textWidth(m_font.get(), button) + 2 * px(ButtonPadding)) + px(ButtonGap);
    const int height = lineHeight(m_hwnd, m_font.get());
    const int controlHeight = std::max(px(ButtonHeight), height + px(8));
    return SIZE {2 * px(Margin) + buttons + px(Gap),
                 2 * px(Margin) + 2 * controlHeight + 2 * lineHeight(m_hwnd, m_summaryFont.get()) + height
                     + px(ListMinHeight) + 2 * px(SectionGap) + px(LabelGap) + px(Gap)};
}

void CheckWindow::layout()
{
    if (!m_hwnd || !m_font)
        return;
    RECT client {};
    GetClientRect(m_hwnd, &client);
    const auto px = [&](int value) { return Dpi::pixels(value, m_dpi); };
    const int width = client.right;
    const int height = client.bottom;
    const int textHeight = lineHeight(m_hwnd, m_font.get());
    const int controlHeight = std::max(px(ButtonHeight), textHeight + px(8));
    const auto buttonWidth = [&](HWND button) {
        return std::max(px(ButtonMinWidth), textWidth(m_font.get(), button) + 2 * px(ButtonPadding));
    };

    HDWP batch = BeginDeferWindowPos(13);
    const auto place = [&](HWND control, int x, int y, int w, int h) {
        if (batch)
            batch = DeferWindowPos(batch, control, nullptr, x, y, std::max(w, 0), std::max(h, 0),
                                   SWP_NOZORDER | SWP_NOACTIVATE);
    };

    // The folder: label, box, picker, on one line.
    int y = px(Margin);
    const int labelWidth = textWidth(m_font.get(), m_folderLabel);
    const int chooseWidth = buttonWidth(m_choose);
    place(m_folderLabel, px(Margin), y + (controlHeight - textHeight) / 2, labelWidth, textHeight);
    const int boxLeft = px(Margin) + labelWidth + px(Gap);
    place(m_folder, boxLeft, y, width - px(Margin) - chooseWidth - px(Gap) - boxLeft, controlHeight);
    place(m_choose, width - px(Margin) - chooseWidth, y, chooseWidth, controlHeight);
    y += controlHeight + px(SectionGap);

    // The summary, as many lines as it needs.
    const std::wstring summary = windowText(m_summary);
    RECT summaryBox {0, 0, width - 2 * px(Margin), 0};
    {
        ScopedGetDC dc(m_hwnd);
        ScopedSelectObject select(dc, m_summaryFont.get());
        DrawTextW(dc, summary.empty() ? L" " : summary.c_str(), -1, &summaryBox,
                  DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    }
    place(m_summary, px(Margin), y, width - 2 * px(Margin), summaryBox.bottom);
    y += summaryBox.bottom + px(SectionGap);

    // The findings take what is left above the buttons.
    place(m_findingsLabel, px(Margin), y, textWidth(m_font.get(), m_findingsLabel), textHeight);
    y += textHeight + px(LabelGap);
    const int buttonsTop = height - px(Margin) - controlHeight;
    place(m_findings, px(Margin), y, width - 2 * px(Margin), buttonsTop - px(Gap) - y);

    // The buttons that apply, left to right; Close on the right.
    int x = px(Margin);
    for (HWND button : {m_checkAgain, m_open, m_copy, m_makeList, m_setCount, m_makeStartPage}) {
        if (!(GetWindowLongW(button, GWL_STYLE) & WS_VISIBLE))
            continue; // hidden: not offered for this medium
        const int w = buttonWidth(button);
        place(button, x, buttonsTop, w, controlHeight);
        x += w + px(ButtonGap);
    }
    const int closeWidth = buttonWidth(m_close);
    place(m_close, width - px(Margin) - closeWidth, buttonsTop, closeWidth, controlHeight);
    if (batch)
        EndDeferWindowPos(batch);

    // Line and kind as wide as they need; the finding fills the rest.
    SendMessageW(m_findings, LVM_SETCOLUMNWIDTH, 0, px(LineColumnWidth));
    SendMessageW(m_findings, LVM_SETCOLUMNWIDTH, 1, px(KindColumnWidth));
    SendMessageW(m_findings, LVM_SETCOLUMNWIDTH, 2, LVSCW_AUTOSIZE_USEHEADER);
}

void CheckWindow::show(int showCommand)
{
    ShowWindow(m_hwnd, showCommand);
    UpdateWindow(m_hwnd);
    SetFocus(GetWindowTextLengthW(m_folder) > 0 ? m_findings : m_choose);
}

bool CheckWindow::preTranslate(MSG &msg)
{
    if (!m_hwnd || !(msg.hwnd == m_hwnd || IsChild(m_hwnd, msg.hwnd)))
        return false;
    if (m_accelerators && TranslateAcceleratorW(m_hwnd, m_accelerators, &msg))
        return true;
    return IsDialogMessageW(m_hwnd, &msg);
}

// CheckView

void CheckWindow::showFolder(const std::string &folder)
{
    SetWindowTextW(m_folder, wide(folder).c_str());
}

void CheckWindow::showSummary(const std::string &summary)
{
    SetWindowTextW(m_summary, wide(summary).c_str());
    layout(); // it may take another line
}

void CheckWindow::showFindings(const std::vector<FindingRow> &rows)
{
    SendMessageW(m_findings, WM_SETREDRAW, FALSE, 0);
    SendMessageW(m_findings, LVM_DELETEALLITEMS, 0, 0);
    int index = 0;
    for (const FindingRow &row : rows) {
        std::wstring line = wide(row.line), kind = wide(row.kind), text = wide(row.text);
        LVITEMW item {};
        item.mask = LVIF_TEXT;
        item.iItem = index;
        item.pszText = line.data();
        index = static_cast<int>(SendMessageW(m_findings, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
        if (index < 0)
            break;
        item.iItem = index;
        item.iSubItem = 1;
        item.pszText = kind.data();
        SendMessageW(m_findings, LVM_SETITEMTEXTW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
        item.iSubItem = 2;
        item.pszText = text.data();
        SendMessageW(m_findings, LVM_SETITEMTEXTW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
        ++index;
    }
    if (!rows.empty()) {
        // The keyboard starts at the first finding.
        LVITEMW focus {};
        focus.stateMask = LVIS_FOCUSED;
        focus.state = LVIS_FOCUSED;
        SendMessageW(m_findings, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&focus));
    }
    SendMessageW(m_findings, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(m_findings, nullptr, TRUE);
}

void CheckWindow::showActions(const CheckActions &actions)
{
    EnableWindow(m_checkAgain, actions.checkAgain);
    EnableWindow(m_open, actions.openInformationFile);
    EnableWindow(m_copy, actions.copy);
    for (auto [button, offered] : {std::pair {m_makeList, actions.makeList}, std::pair {m_setCount, actions.setCount},
                                   std::pair {m_makeStartPage, actions.makeStartPage}}) {
        EnableWindow(button, offered);
        ShowWindow(button, offered ? SW_SHOWNA : SW_HIDE);
    }
    // A button that went away takes the keyboard with it: hand it to the findings.
    HWND focus = GetFocus();
    if (m_hwnd && (focus == nullptr || (IsChild(m_hwnd, focus) && (!IsWindowEnabled(focus) || !IsWindowVisible(focus))))
        && GetActiveWindow() == m_hwnd)
        SetFocus(m_findings);
    layout();
}

void CheckWindow::showMessage(const std::string &text, bool failed)
{
    MessageBoxW(m_hwnd, wide(text).c_str(), wide(CheckTexts::WindowTitle).c_str(),
                MB_OK | (failed ? MB_ICONSTOP : MB_ICONINFORMATION));
}

void CheckWindow::openDocument(const std::string &path)
{
    // The desktop's application for the file, never through a command interpreter.
    const std::wstring file = wide(path);
    SHELLEXECUTEINFOW info {};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_NOASYNC;
    info.hwnd = m_hwnd;
    info.lpVerb = L"open";
    info.lpFile = file.c_str();
    info.nShow = SW_SHOWNORMAL;
    ShellExecuteExW(&info);
}

void CheckWindow::copyText(const std::string &text)
{
    // The clipboard's text has Windows' line ends.
    std::wstring lines;
    for (wchar_t c : wide(text)) {
        if (c == L'\n')
            lines += L'\r';
        lines += c;
    }
    if (!OpenClipboard(m_hwnd))
        return;
    EmptyClipboard();
    const std::size_t bytes = (lines.size() + 1) * sizeof(wchar_t);
    if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes)) {
        if (void *target = GlobalLock(memory)) {
            std::copy_n(lines.c_str(), lines.size() + 1, static_cast<wchar_t *>(target));
            GlobalUnlock(memory);
            if (!SetClipboardData(CF_UNICODETEXT, memory))
                GlobalFree(memory);
        } else {
            GlobalFree(memory);
        }
    }
    CloseClipboard();
}

// Events

void CheckWindow::onCommand(WORD id)
{
    if (id == IDCANCEL) {
        DestroyWindow(m_hwnd);
        return;
    }
    if (id == IDC_CHECK_CHOOSE) {
        chooseFolder();
        return;
    }
    HWND control = GetDlgItem(m_hwnd, id);
    // F5 comes here too, and does what its button does only while the button is offered.
    if (!m_behaviour || !control || !IsWindowEnabled(control))
        return;
    switch (id) {
    case IDC_CHECK_AGAIN:
        m_behaviour->checkAgain();
        break;
    case IDC_CHECK_OPEN:
        m_behaviour->openInformationFile();
        break;
    case IDC_CHECK_COPY:
        m_behaviour->copyReport();
        break;
    case IDC_CHECK_MAKE_LIST:
        m_behaviour->makeList();
        break;
    case IDC_CHECK_SET_COUNT:
        m_behaviour->setCount();
        break;
    case IDC_CHECK_MAKE_START_PAGE:
        m_behaviour->makeStartPage();
        break;
    default:
        break;
    }
}

void CheckWindow::chooseFolder()
{
    ScopedComPtr<IFileOpenDialog> dialog;
    if (FAILED(CoCreateInstance(CLSID_FileOpenDialog, nullptr, CLSCTX_INPROC_SERVER, IID_IFileOpenDialog,
                                dialog.outVoid())))
        return;
    FILEOPENDIALOGOPTIONS options = 0;
    dialog->GetOptions(&options);
    dialog->SetOptions(options | FOS_PICKFOLDERS | FOS_FORCEFILESYSTEM | FOS_PATHMUSTEXIST);
    const std::wstring current = windowText(m_folder);
    ScopedComPtr<IShellItem> start;
    if (!current.empty()
        && SUCCEEDED(SHCreateItemFromParsingName(current.c_str(), nullptr, IID_IShellItem, start.outVoid())))
        dialog->SetFolder(start.get());
    if (FAILED(dialog->Show(m_hwnd)))
        return; // cancelled
    ScopedComPtr<IShellItem> result;
    PWSTR path = nullptr;
    if (FAILED(dialog->GetResult(reinterpret_cast<IShellItem **>(result.outVoid())))
        || FAILED(result->GetDisplayName(SIGDN_FILESYSPATH, &path)))
        return;
    const std::string folder = Utf8::fromWide(path);
    CoTaskMemFree(path);
    if (m_behaviour)
        m_behaviour->folderChosen(folder);
}

void CheckWindow::onDropFiles(HDROP drop)
{
    // The first of what was dropped: a folder, or an info.txt.
    const UINT length = DragQueryFileW(drop, 0, nullptr, 0);
    std::wstring path(length + 1, L'\0');
    path.resize(DragQueryFileW(drop, 0, path.data(), length + 1));
    DragFinish(drop);
    SetForegroundWindow(m_hwnd);
    if (m_behaviour && !path.empty())
        m_behaviour->dropped(Utf8::fromWide(path));
}

void CheckWindow::onDpiChanged(int dpi, const RECT &suggested)
{
    m_dpi = dpi;
    makeFonts();
    loadIcons();
    SetWindowPos(m_hwnd, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    layout();
}

// Messages

LRESULT CALLBACK CheckWindow::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    return WindowObject::dispatch(hwnd, message, wParam, lParam, &CheckWindow::m_hwnd, &CheckWindow::handle);
}

LRESULT CheckWindow::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        onCommand(LOWORD(wParam));
        return 0;
    case WM_SIZE:
        layout();
        return 0;
    case WM_GETMINMAXINFO:
        if (m_font) {
            const SIZE minimum = minimumClientSize();
            RECT rect {0, 0, minimum.cx, minimum.cy};
            Dpi::adjustWindowRect(rect, WindowStyle, WindowExStyle, false, m_dpi);
            auto *info = reinterpret_cast<MINMAXINFO *>(lParam);
            info->ptMinTrackSize = POINT {rect.right - rect.left, rect.bottom - rect.top};
        }
        return 0;
    case WM_DROPFILES:
        onDropFiles(reinterpret_cast<HDROP>(wParam));
        return 0;
    case WM_ACTIVATE:
        // The keyboard comes back to the control that had it.
        if (LOWORD(wParam) == WA_INACTIVE) {
            HWND focus = GetFocus();
            if (focus && IsChild(m_hwnd, focus))
                m_lastFocus = focus;
        } else if (m_lastFocus && IsWindow(m_lastFocus) && IsWindowEnabled(m_lastFocus)
                   && IsWindowVisible(m_lastFocus)) {
            SetFocus(m_lastFocus);
            return 0;
        }
        break;
    case WM_DPICHANGED:
        onDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT *>(lParam));
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return DefWindowProcW(m_hwnd, message, wParam, lParam);
}
