#include "platform/win32/SystemLibrary.h"

#include <vector>

#ifndef LOAD_LIBRARY_SEARCH_SYSTEM32
#define LOAD_LIBRARY_SEARCH_SYSTEM32 0x00000800
#endif

namespace SystemLibrary {

void restrictSearchToSystemFolder()
{
    // Windows 8 and later, and Windows 7 with KB2533623; older systems go on as they are.
    using SetDefaultDllDirectoriesFn = BOOL(WINAPI *)(DWORD);
    const auto set
        = function<SetDefaultDllDirectoriesFn>(GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories");
    if (set)
        set(LOAD_LIBRARY_SEARCH_SYSTEM32);
    // Never the current folder either (the medium's folder when started from Explorer).
    SetDllDirectoryW(L"");
}

std::wstring systemFolder()
{
    std::vector<wchar_t> buffer(MAX_PATH);
    UINT length = GetSystemDirectoryW(buffer.data(), static_cast<UINT>(buffer.size()));
    if (length >= buffer.size()) {
        buffer.resize(length + 1);
        length = GetSystemDirectoryW(buffer.data(), static_cast<UINT>(buffer.size()));
    }
    if (length == 0 || length >= buffer.size())
        return {};
    return std::wstring(buffer.data(), length);
}

HMODULE load(const wchar_t *name)
{
    const std::wstring folder = systemFolder();
    if (folder.empty())
        return nullptr;
    const std::wstring path = folder + L'\\' + name;
    // With a full path the library's own imports are looked up beside it, in the system folder.
    return LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

HMODULE loadCommonControls()
{
    // A name without a folder is what lets the activation context redirect to the
    // side-by-side Common Controls 6; the search itself is limited to the system folder.
    if (HMODULE module = LoadLibraryExW(L"comctl32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32))
        return module;
    return load(L"comctl32.dll"); // a system without the LOAD_LIBRARY_SEARCH_* flags
}

} // namespace SystemLibrary
