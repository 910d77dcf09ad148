#include "window/win32/FrmGraphics.h"

#include "window/win32/Dpi.h"
#include "window/win32/Pictures.h"
#include "window/win32/resource.h"

namespace {
constexpr wchar_t ClassName[] = L"StartprogramFrmGraphics";
constexpr int ClientWidthTwips = 9210;
constexpr int ClientHeightTwips = 5745;
} // namespace

FrmGraphics::FrmGraphics(HINSTANCE instance, HWND owner)
{
    WNDCLASSEXW wc {};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = windowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = ClassName;
    RegisterClassExW(&wc);

    const int dpi = Dpi::forWindow(owner);
    RECT rect {0, 0, Dpi::twips(ClientWidthTwips, dpi), Dpi::twips(ClientHeightTwips, dpi)};
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
    Dpi::adjustWindowRect(rect, style, 0, false, dpi);
    // Owned by the main window, so it goes when that goes; never shown, no taskbar button.
    m_hwnd = CreateWindowExW(WS_EX_TOOLWINDOW, ClassName, L"Form2", style, CW_USEDEFAULT, CW_USEDEFAULT,
                             rect.right - rect.left, rect.bottom - rect.top, owner, nullptr, instance, nullptr);
    if (m_hwnd)
        SetWindowLongPtrW(m_hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    m_image13.reset(Pictures::decode(instance, IDR_BANNER, RGB(255, 255, 255)));
}

FrmGraphics::~FrmGraphics()
{
    if (m_hwnd && IsWindow(m_hwnd)) {
        SetWindowLongPtrW(m_hwnd, GWLP_USERDATA, 0);
        DestroyWindow(m_hwnd);
    }
}

LRESULT CALLBACK FrmGraphics::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCDESTROY)
        if (auto *self = reinterpret_cast<FrmGraphics *>(GetWindowLongPtrW(hwnd, GWLP_USERDATA)))
            self->m_hwnd = nullptr;
    return DefWindowProcW(hwnd, message, wParam, lParam);
}
