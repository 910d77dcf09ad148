// startprogram-check.exe: a console program for scripts and the Command Prompt, and a
// window for the author who double-clicks it or drops a medium's folder on its icon.
#include "platform/win32/ScopedWin.h"
#include "platform/win32/SystemLibrary.h"
#include "platform/win32/Utf8.h"
#include "platform/win32/Win32ProgramLocation.h"
#include "tools/check/CheckCommand.h"
#include "tools/check/CheckWindowBehaviour.h"
#include "tools/check/win32/CheckWindow.h"
#include "tools/check/win32/ConsoleCheckOutput.h"
#include "tools/check/win32/Win32MediumFiles.h"

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

std::string withSlashes(std::string path)
{
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

std::string currentFolder()
{
    std::wstring folder(GetCurrentDirectoryW(0, nullptr), L'\0');
    folder.resize(GetCurrentDirectoryW(static_cast<DWORD>(folder.size()), folder.data()));
    return withSlashes(Utf8::fromWide(folder));
}

// "D:" is the drive's current folder (normally its root), not a folder named "D:" in
// the current one: a path that starts with a drive is resolved as Windows resolves it.
std::string resolvedDrive(const std::string &argument)
{
    const bool drive = argument.size() >= 2 && argument[1] == ':'
        && ((argument[0] >= 'A' && argument[0] <= 'Z') || (argument[0] >= 'a' && argument[0] <= 'z'));
    if (!drive)
        return argument;
    const std::wstring wide = Utf8::toWide(argument);
    std::wstring full(GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr), L'\0');
    if (full.empty())
        return argument;
    full.resize(GetFullPathNameW(wide.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr));
    return full.empty() ? argument : Utf8::fromWide(full);
}

// Started from Explorer, a shortcut or a drop on the icon: Windows made a console for
// this process alone, and standard output is that console. From a Command Prompt or
// a script the console is shared, or the output goes to a file or a pipe.
bool consoleOfItsOwn()
{
    DWORD processes[2] = {};
    if (GetConsoleProcessList(processes, 2) != 1)
        return false;
    HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    return out && out != INVALID_HANDLE_VALUE && GetFileType(out) == FILE_TYPE_CHAR;
}

int runWindow(const std::string &argument)
{
    ScopedCom com; // the folder picker
    CheckWindow window(GetModuleHandleW(nullptr));
    if (!window.create())
        return 2;
    Win32MediumFiles files;
    CheckWindowBehaviour behaviour(window, files, '\\');
    window.setBehaviour(&behaviour);
    const Win32ProgramLocation location;
    behaviour.start(argument, location.programDir());

    STARTUPINFOW startup {};
    startup.cb = sizeof startup;
    GetStartupInfoW(&startup);
    window.show(startup.dwFlags & STARTF_USESHOWWINDOW ? startup.wShowWindow : SW_SHOWNORMAL);

    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (window.preTranslate(msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    window.setBehaviour(nullptr);
    return 0;
}

} // namespace

int wmain(int argc, wchar_t *argv[])
{
    // Before anything is loaded at run time: never a DLL from the medium's folder.
    SystemLibrary::restrictSearchToSystemFolder();
    // A drive without a disc is a finding, not the system's "There is no disk" box.
    SetErrorMode(GetErrorMode() | SEM_FAILCRITICALERRORS);

    std::vector<std::string> arguments;
    for (int i = 1; i < argc; ++i)
        arguments.push_back(Utf8::fromWide(argv[i]));
    const bool console = std::find(arguments.begin(), arguments.end(), "--console") != arguments.end();
    if (console || !consoleOfItsOwn()) {
        // The core takes "/" paths; the standard library on Windows takes them too.
        for (std::string &argument : arguments)
            argument = withSlashes(resolvedDrive(argument));
        Win32MediumFiles files;
        ConsoleCheckOutput output;
        return RunCheckCommand(arguments, currentFolder(), files, output);
    }
    // The console Windows made for us would only stand empty behind the window.
    FreeConsole();
    return runWindow(arguments.empty() ? std::string() : resolvedDrive(arguments.front()));
}
