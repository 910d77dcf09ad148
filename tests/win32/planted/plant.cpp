// A stand-in for a system DLL, planted beside the program on a medium: when anything
// loads it, it leaves a marker "<its name>.loaded" in the folder named by
// SP_PLANT_MARKER, so a test can tell that a file beside the exe was loaded.
#include <windows.h>

#include <string>

extern "C" {

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason != DLL_PROCESS_ATTACH)
        return TRUE;
    wchar_t folder[MAX_PATH] = {};
    wchar_t self[MAX_PATH] = {};
    if (!GetEnvironmentVariableW(L"SP_PLANT_MARKER", folder, MAX_PATH) || !GetModuleFileNameW(instance, self, MAX_PATH))
        return TRUE;
    std::wstring name = self;
    name = name.substr(name.find_last_of(L"\\/") + 1);
    const std::wstring marker = std::wstring(folder) + L"\\" + name + L".loaded";
    HANDLE file = CreateFileW(marker.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file != INVALID_HANDLE_VALUE)
        CloseHandle(file);
    return TRUE;
}

// What a program importing comctl32 statically asks for; the others find nothing.
__declspec(dllexport) void WINAPI InitCommonControls()
{ }
__declspec(dllexport) BOOL WINAPI InitCommonControlsEx(const void *)
{
    return FALSE;
}
}
