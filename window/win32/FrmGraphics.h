#pragma once

#include "platform/win32/ScopedWin.h"

#include <windows.h>

// The artwork store: a window that is never shown (caption "Form2") and holds the
// pictures; only Image13, the title banner, is used. Made on first use.
class FrmGraphics
{
public:
    FrmGraphics(HINSTANCE instance, HWND owner);
    ~FrmGraphics();
    FrmGraphics(const FrmGraphics &) = delete;
    FrmGraphics &operator=(const FrmGraphics &) = delete;

    HWND hwnd() const { return m_hwnd; }
    // Image13's picture, composed on the main window's white; nullptr without GDI+.
    HBITMAP image13() const { return m_image13.get(); }

private:
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    HWND m_hwnd = nullptr;
    ScopedGdiObj<HBITMAP> m_image13;
};
