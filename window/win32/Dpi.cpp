#include "window/win32/Dpi.h"

#include "platform/win32/ScopedWin.h"
#include "platform/win32/SystemLibrary.h"

namespace Dpi {

namespace {

HMODULE user32()
{
    return GetModuleHandleW(L"user32.dll"); // imported statically, so always loaded
}

} // namespace

int forSystem()
{
    using GetDpiForSystemFn = UINT(WINAPI *)();
    static const auto getDpiForSystem = SystemLibrary::function<GetDpiForSystemFn>(user32(), "GetDpiForSystem");
    if (getDpiForSystem)
        if (const UINT dpi = getDpiForSystem())
            return static_cast<int>(dpi);
    ScopedGetDC screen(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
    return dpi > 0 ? dpi : Standard;
}

int forWindow(HWND hwnd)
{
    using GetDpiForWindowFn = UINT(WINAPI *)(HWND);
    static const auto getDpiForWindow = SystemLibrary::function<GetDpiForWindowFn>(user32(), "GetDpiForWindow");
    if (getDpiForWindow && hwnd)
        if (const UINT dpi = getDpiForWindow(hwnd))
            return static_cast<int>(dpi);
    return forSystem();
}

RECT box(int left, int top, int width, int height, int dpi)
{
    const int x = twips(left, dpi);
    const int y = twips(top, dpi);
    return RECT {x, y, x + twips(width, dpi), y + twips(height, dpi)};
}

int cursorSize(int dpi)
{
    using ForDpiFn = int(WINAPI *)(int, UINT);
    static const auto forDpi = SystemLibrary::function<ForDpiFn>(user32(), "GetSystemMetricsForDpi");
    if (forDpi)
        if (const int side = forDpi(SM_CXCURSOR, static_cast<UINT>(dpi)); side > 0)
            return side;
    return GetSystemMetrics(SM_CXCURSOR);
}

void adjustWindowRect(RECT &rect, DWORD style, DWORD exStyle, bool menu, int dpi)
{
    using AdjustForDpiFn = BOOL(WINAPI *)(LPRECT, DWORD, BOOL, DWORD, UINT);
    static const auto adjustForDpi = SystemLibrary::function<AdjustForDpiFn>(user32(), "AdjustWindowRectExForDpi");
    if (adjustForDpi && adjustForDpi(&rect, style, menu, exStyle, static_cast<UINT>(dpi)))
        return;
    AdjustWindowRectEx(&rect, style, menu, exStyle);
}

} // namespace Dpi
