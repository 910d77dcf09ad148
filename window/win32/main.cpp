// The composition root of the Windows edition: the real services, the core's
// start-up, the window and its behaviour, and the message loop.
#include "app/ProgramState.h"
#include "app/Services.h"
#include "app/StartUp.h"
#include "platform/win32/RegistrySettingsStore.h"
#include "platform/win32/ScopedWin.h"
#include "platform/win32/ShortcutLauncherStore.h"
#include "platform/win32/SystemLibrary.h"
#include "platform/win32/Win32Ending.h"
#include "platform/win32/Win32FileReader.h"
#include "platform/win32/Win32MessageBoxes.h"
#include "platform/win32/Win32ProgramLocation.h"
#include "platform/win32/Win32Shell.h"
#include "platform/win32/Win32Ticker.h"
#include "window/Form1Behaviour.h"
#include "window/win32/Form1.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand)
{
    // Before anything is loaded at run time: never a DLL from the medium's folder.
    SystemLibrary::restrictSearchToSystemFolder();
    // A medium that has gone away is our "Command aborted", not the system's "There is
    // no disk in the drive" box.
    SetErrorMode(GetErrorMode() | SEM_FAILCRITICALERRORS);
    ScopedCom com; // the shell and the shortcut use COM on this thread

    RegistrySettingsStore settings;
    Win32MessageBoxes messages;
    Win32Shell shell;
    Win32ProgramLocation location;
    Win32Ending ending;
    Win32Ticker countdown;
    ShortcutLauncherStore launchers;
    Win32FileReader files;
    const Services services {settings, messages, shell, location, ending, countdown, launchers, files};

    ProgramState state;
    StartUp(state, services);

    Form1 form(instance);
    if (!form.create())
        return 1;
    messages.setOwner(form.hwnd());
    Form1Behaviour behaviour(state, services, form);
    form.setBehaviour(&behaviour);
    behaviour.load();
    if (!ending.hasEnded())
        form.show(showCommand);

    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (form.preTranslate(msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    form.setBehaviour(nullptr);
    return 0;
}
