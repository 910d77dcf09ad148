#pragma once

#include "platform/Ticker.h"

#include <windows.h>

// SetTimer on a message-only window of its own.
class Win32Ticker : public Ticker
{
public:
    Win32Ticker();
    ~Win32Ticker() override;
    Win32Ticker(const Win32Ticker &) = delete;
    Win32Ticker &operator=(const Win32Ticker &) = delete;

    void start(int intervalMs, std::function<void()> onTick) override;
    bool isActive() const override { return m_active; }
    int interval() const override { return m_interval; }

private:
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    HWND m_hwnd = nullptr;
    bool m_active = false;
    int m_interval = 1000; // Timer3's design interval
    std::function<void()> m_onTick;
};
