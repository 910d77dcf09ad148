#pragma once

// Owners for the handles this program takes from Windows: each releases its handle
// when it goes out of scope, so no early return leaks one.

#include <windows.h>

#include <objbase.h>

#include <utility>

// A kernel handle (file, process): CloseHandle.
class ScopedHandle
{
public:
    explicit ScopedHandle(HANDLE handle = INVALID_HANDLE_VALUE)
        : m_handle(handle)
    { }
    ~ScopedHandle() { reset(); }
    ScopedHandle(const ScopedHandle &) = delete;
    ScopedHandle &operator=(const ScopedHandle &) = delete;
    HANDLE get() const { return m_handle; }
    bool valid() const { return m_handle != nullptr && m_handle != INVALID_HANDLE_VALUE; }
    void reset(HANDLE handle = INVALID_HANDLE_VALUE)
    {
        if (valid())
            CloseHandle(m_handle);
        m_handle = handle;
    }

private:
    HANDLE m_handle;
};

// An open registry key: RegCloseKey.
class ScopedRegKey
{
public:
    ScopedRegKey() = default;
    ~ScopedRegKey()
    {
        if (m_key)
            RegCloseKey(m_key);
    }
    ScopedRegKey(const ScopedRegKey &) = delete;
    ScopedRegKey &operator=(const ScopedRegKey &) = delete;
    HKEY get() const { return m_key; }
    HKEY *out() { return &m_key; } // for RegOpenKeyExW and RegCreateKeyExW
    explicit operator bool() const { return m_key != nullptr; }

private:
    HKEY m_key = nullptr;
};

// A GDI object (font, brush, pen, bitmap): DeleteObject.
template <typename T> class ScopedGdiObj
{
public:
    explicit ScopedGdiObj(T object = nullptr)
        : m_object(object)
    { }
    ~ScopedGdiObj() { reset(); }
    ScopedGdiObj(const ScopedGdiObj &) = delete;
    ScopedGdiObj &operator=(const ScopedGdiObj &) = delete;
    ScopedGdiObj(ScopedGdiObj &&other) noexcept
        : m_object(std::exchange(other.m_object, nullptr))
    { }
    ScopedGdiObj &operator=(ScopedGdiObj &&other) noexcept
    {
        if (this != &other)
            reset(std::exchange(other.m_object, nullptr));
        return *this;
    }
    T get() const { return m_object; }
    explicit operator bool() const { return m_object != nullptr; }
    void reset(T object = nullptr)
    {
        if (m_object)
            DeleteObject(m_object);
        m_object = object;
    }

private:
    T m_object;
};

// A window's device context: GetDC / ReleaseDC.
class ScopedGetDC
{
public:
    explicit ScopedGetDC(HWND hwnd)
        : m_hwnd(hwnd)
        , m_dc(GetDC(hwnd))
    { }
    ~ScopedGetDC()
    {
        if (m_dc)
            ReleaseDC(m_hwnd, m_dc);
    }
    ScopedGetDC(const ScopedGetDC &) = delete;
    ScopedGetDC &operator=(const ScopedGetDC &) = delete;
    operator HDC() const { return m_dc; }

private:
    HWND m_hwnd;
    HDC m_dc;
};

// A memory device context: CreateCompatibleDC / DeleteDC.
class ScopedMemoryDC
{
public:
    explicit ScopedMemoryDC(HDC compatibleWith)
        : m_dc(CreateCompatibleDC(compatibleWith))
    { }
    ~ScopedMemoryDC()
    {
        if (m_dc)
            DeleteDC(m_dc);
    }
    ScopedMemoryDC(const ScopedMemoryDC &) = delete;
    ScopedMemoryDC &operator=(const ScopedMemoryDC &) = delete;
    operator HDC() const { return m_dc; }

private:
    HDC m_dc;
};

// An object selected into a DC for a while: SelectObject back on the way out.
class ScopedSelectObject
{
public:
    ScopedSelectObject(HDC dc, HGDIOBJ object)
        : m_dc(dc)
        , m_previous(object ? SelectObject(dc, object) : nullptr)
    { }
    ~ScopedSelectObject()
    {
        if (m_previous)
            SelectObject(m_dc, m_previous);
    }
    ScopedSelectObject(const ScopedSelectObject &) = delete;
    ScopedSelectObject &operator=(const ScopedSelectObject &) = delete;

private:
    HDC m_dc;
    HGDIOBJ m_previous;
};

// A COM interface pointer: Release.
template <typename T> class ScopedComPtr
{
public:
    ScopedComPtr() = default;
    ~ScopedComPtr() { reset(); }
    ScopedComPtr(const ScopedComPtr &) = delete;
    ScopedComPtr &operator=(const ScopedComPtr &) = delete;
    T *get() const { return m_ptr; }
    T *operator->() const { return m_ptr; }
    explicit operator bool() const { return m_ptr != nullptr; }
    void **outVoid()
    {
        reset();
        return reinterpret_cast<void **>(&m_ptr);
    }
    void reset()
    {
        if (m_ptr)
            m_ptr->Release();
        m_ptr = nullptr;
    }
    // Takes over a pointer that already carries a reference.
    void attach(T *ptr)
    {
        reset();
        m_ptr = ptr;
    }

private:
    T *m_ptr = nullptr;
};

// COM for this thread, single-threaded apartment: CoInitializeEx / CoUninitialize.
class ScopedCom
{
public:
    ScopedCom()
        : m_hr(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))
    { }
    ~ScopedCom()
    {
        if (SUCCEEDED(m_hr))
            CoUninitialize();
    }
    ScopedCom(const ScopedCom &) = delete;
    ScopedCom &operator=(const ScopedCom &) = delete;
    // S_FALSE (already initialised on this thread) counts as success.
    bool ok() const { return SUCCEEDED(m_hr); }

private:
    HRESULT m_hr;
};

// A library loaded at run time: FreeLibrary.
class ScopedLibrary
{
public:
    explicit ScopedLibrary(HMODULE module = nullptr)
        : m_module(module)
    { }
    ~ScopedLibrary()
    {
        if (m_module)
            FreeLibrary(m_module);
    }
    ScopedLibrary(const ScopedLibrary &) = delete;
    ScopedLibrary &operator=(const ScopedLibrary &) = delete;
    ScopedLibrary(ScopedLibrary &&other) noexcept
        : m_module(std::exchange(other.m_module, nullptr))
    { }
    HMODULE get() const { return m_module; }
    explicit operator bool() const { return m_module != nullptr; }

private:
    HMODULE m_module;
};
