#include "platform/win32/Win32Ticker.h"

namespace {
constexpr wchar_t ClassName[] = L"StartprogramTicker";
constexpr UINT_PTR TimerId = 3; // Timer3
} // namespace

Win32Ticker::Win32Ticker()
{
    WNDCLASSEXW wc {};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = windowProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = ClassName;
    RegisterClassExW(&wc); // a second ticker finds the class registered already
    m_hwnd = CreateWindowExW(0, ClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
    if (m_hwnd)
        SetWindowLongPtrW(m_hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

Win32Ticker::~Win32Ticker()
{
    if (m_hwnd && IsWindow(m_hwnd)) {
        KillTimer(m_hwnd, TimerId);
        SetWindowLongPtrW(m_hwnd, GWLP_USERDATA, 0);
        DestroyWindow(m_hwnd);
    }
}

void Win32Ticker::start(int intervalMs, std::function<void()> onTick)
{
    m_interval = intervalMs;
    m_onTick = std::move(onTick);
    m_active = m_hwnd && SetTimer(m_hwnd, TimerId, static_cast<UINT>(intervalMs), nullptr) != 0;
}

LRESULT CALLBACK Win32Ticker::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto *self = reinterpret_cast<Win32Ticker *>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (message == WM_TIMER && wParam == TimerId && self && self->m_onTick) {
        self->m_onTick();
        return 0;
    }
    if (message == WM_NCDESTROY && self) {
        self->m_hwnd = nullptr;
        self->m_active = false;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}
