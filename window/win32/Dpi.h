#pragma once

#include <windows.h>

// DPI in one place: the layout is in twips and the pictures in pixels at 96 DPI;
// everything on screen is scaled for the DPI of the window it is shown in.
namespace Dpi {

constexpr int Standard = 96; // 100 %: 15 twips per pixel, the layout's pixel table
constexpr int TwipsPerInch = 1440;

// The DPI of a window (of its monitor, for a per-monitor aware program).
int forWindow(HWND hwnd);
// The DPI a new window gets on the primary monitor.
int forSystem();

inline int twips(int value, int dpi)
{
    return MulDiv(value, dpi, TwipsPerInch);
}
inline int pixels(int value, int dpi)
{
    return MulDiv(value, dpi, Standard);
}
// A font height (negative: the character height) for a size in hundredths of a point.
inline int fontHeight(int centiPoints, int dpi)
{
    return -MulDiv(centiPoints, dpi, 7200);
}

// A box given in twips, as a pixel rectangle at the DPI.
RECT box(int left, int top, int width, int height, int dpi);

// The side of the system's pointers at the DPI (SM_CXCURSOR for the DPI where the system has it).
int cursorSize(int dpi);

// AdjustWindowRectExForDpi where the system has it.
void adjustWindowRect(RECT &rect, DWORD style, DWORD exStyle, bool menu, int dpi);

} // namespace Dpi
