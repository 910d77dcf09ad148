#pragma once

#include <windows.h>

#include <string>

// Libraries that are not imported statically are taken from the system folder only,
// so that a file of the same name lying beside the program on the medium is never loaded.
namespace SystemLibrary {

// Drops the program's own folder (and the current folder) from the DLL search
// where the system offers SetDefaultDllDirectories; call it first thing in wWinMain.
void restrictSearchToSystemFolder();

// The system folder, "C:\Windows\System32", without a trailing separator.
std::wstring systemFolder();

// Loads the named DLL by its full path in the system folder; nullptr when it is missing.
HMODULE load(const wchar_t *name);

// comctl32: the Common Controls 6 assembly that the manifest asks for where the
// activation context supplies it, otherwise the system folder's copy.
HMODULE loadCommonControls();

// A function of a loaded library, nullptr when the library or the function is missing.
template <typename F> F function(HMODULE module, const char *name)
{
    if (!module)
        return nullptr;
    // Casting a FARPROC to the function's real type is how GetProcAddress is used.
    return reinterpret_cast<F>(reinterpret_cast<void *>(GetProcAddress(module, name)));
}

} // namespace SystemLibrary
