#include "platform/win32/Win32Ending.h"

#include <windows.h>

#include <vector>

namespace {

BOOL CALLBACK collect(HWND hwnd, LPARAM windows)
{
    reinterpret_cast<std::vector<HWND> *>(windows)->push_back(hwnd);
    return TRUE;
}

} // namespace

void Win32Ending::endProgram()
{
    if (m_ended)
        return;
    m_ended = true; // first, so that no handler acts while the windows go
    std::vector<HWND> windows;
    EnumThreadWindows(GetCurrentThreadId(), collect, reinterpret_cast<LPARAM>(&windows));
    // Owned windows (a message box, the artwork window) go with their owner; the rest one by one.
    for (HWND hwnd : windows)
        if (IsWindow(hwnd))
            DestroyWindow(hwnd);
    PostQuitMessage(0);
}
