#pragma once

#include <windows.h>

namespace WindowObject {

// The window procedure of a window that is an object: the object given as
// CreateWindowExW's last argument is kept in GWLP_USERDATA, learns its handle at
// WM_NCCREATE and loses it at WM_NCDESTROY, and every other message goes to its handler.
template <class T>
LRESULT dispatch(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, HWND T::*window,
                 LRESULT (T::*handler)(UINT, WPARAM, LPARAM))
{
    if (message == WM_NCCREATE) {
        auto *self = static_cast<T *>(reinterpret_cast<CREATESTRUCTW *>(lParam)->lpCreateParams);
        self->*window = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto *self = reinterpret_cast<T *>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self)
        return DefWindowProcW(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->*window = nullptr;
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    return (self->*handler)(message, wParam, lParam);
}

} // namespace WindowObject
