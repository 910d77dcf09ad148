// The Windows-side driver of the check's tests: starts startprogram-check.exe as
// Windows would and reads what it shows. One command per run; output in UTF-8:
//   console-screen CODEPAGE CHECK.exe ARGS...  runs the check in a new console whose output code page
//                                              is CODEPAGE; prints its exit status, then the screen's
//                                              lines as the console holds them
//   start-alone CHECK.exe ARGS...              starts the check in a new console that holds it alone,
//                                              as Explorer does, and leaves it running; prints its id
//   read TITLE                                 the check's window: "summary: ...", "summary-name: ..."
//                                              (its accessible name), "row: LINE|KIND|TEXT" for each
//                                              finding, "button: ID TEXT" for each button offered
//   click TITLE ID                             presses the window's button with that id
//   f5 TITLE                                   gives the window the keyboard and presses F5
//   hide PATH                                  gives the file the hidden and system attributes
// Exit status 0 on success, 1 when what was looked for did not come, 2 on bad usage.
#include "tools/check/win32/checkresource.h"

#include <windows.h>

#include <commctrl.h>
#include <objbase.h>
#include <oleacc.h>

#include <string>
#include <vector>

namespace {

HANDLE g_out = nullptr; // where the results go; kept before the console is changed

void print(const std::wstring &text)
{
    const std::wstring line = text + L"\n";
    const int length
        = WideCharToMultiByte(CP_UTF8, 0, line.c_str(), static_cast<int>(line.size()), nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, line.c_str(), static_cast<int>(line.size()), utf8.data(), length, nullptr, nullptr);
    DWORD written = 0;
    WriteFile(g_out, utf8.data(), static_cast<DWORD>(utf8.size()), &written, nullptr);
}

std::wstring windowText(HWND hwnd)
{
    const LRESULT length = SendMessageW(hwnd, WM_GETTEXTLENGTH, 0, 0);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(
        static_cast<std::size_t>(SendMessageW(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
    return text;
}

HWND waitWindow(const std::wstring &title, DWORD milliseconds)
{
    const ULONGLONG end = GetTickCount64() + milliseconds;
    do {
        HWND hwnd = FindWindowW(nullptr, title.c_str());
        if (hwnd && IsWindowVisible(hwnd))
            return hwnd;
        Sleep(20);
    } while (GetTickCount64() < end);
    return nullptr;
}

std::wstring commandLine(int first, int argc, wchar_t **argv)
{
    std::wstring line;
    for (int i = first; i < argc; ++i)
        line += (i > first ? L" \"" : L"\"") + std::wstring(argv[i]) + L"\"";
    return line;
}

int consoleScreen(UINT codePage, std::wstring line)
{
    // A console of our own with the code page of a Western European Windows.
    FreeConsole();
    if (!AllocConsole() || !SetConsoleOutputCP(codePage)) {
        print(L"no console with code page " + std::to_wstring(codePage));
        return 1;
    }
    SECURITY_ATTRIBUTES inherit {sizeof inherit, nullptr, TRUE};
    HANDLE screen = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                                OPEN_EXISTING, 0, nullptr);
    HANDLE input = CreateFileW(L"CONIN$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                               OPEN_EXISTING, 0, nullptr);
    STARTUPINFOW startup {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = input;
    startup.hStdOutput = screen;
    startup.hStdError = screen;
    PROCESS_INFORMATION process {};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process)) {
        print(L"could not start " + line);
        return 1;
    }
    DWORD status = 1;
    if (WaitForSingleObject(process.hProcess, 60000) != WAIT_OBJECT_0)
        TerminateProcess(process.hProcess, 99);
    GetExitCodeProcess(process.hProcess, &status);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    print(L"status " + std::to_wstring(status));

    CONSOLE_SCREEN_BUFFER_INFO info {};
    GetConsoleScreenBufferInfo(screen, &info);
    for (SHORT row = 0; row <= info.dwCursorPosition.Y; ++row) {
        std::wstring text(static_cast<std::size_t>(info.dwSize.X), L' ');
        DWORD read = 0;
        ReadConsoleOutputCharacterW(screen, text.data(), static_cast<DWORD>(text.size()), COORD {0, row}, &read);
        text.resize(read);
        text.erase(text.find_last_not_of(L' ') + 1);
        print(text);
    }
    return 0;
}

int startAlone(std::wstring line)
{
    STARTUPINFOW startup {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process {};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, CREATE_NEW_CONSOLE, nullptr, nullptr, &startup,
                        &process)) {
        print(L"could not start " + line);
        return 1;
    }
    print(std::to_wstring(process.dwProcessId));
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return 0;
}

// IAccessible's interface id, spelled out: mingw-w64's oleacc and uuid libraries both define it.
const IID AccessibleIid = {0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

std::wstring accessibleName(HWND hwnd)
{
    IAccessible *object = nullptr;
    if (FAILED(AccessibleObjectFromWindow(hwnd, static_cast<DWORD>(OBJID_CLIENT), AccessibleIid,
                                          reinterpret_cast<void **>(&object))))
        return L"(no accessible object)";
    VARIANT self {};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    std::wstring out;
    if (SUCCEEDED(object->get_accName(self, &name)) && name) {
        out = name;
        SysFreeString(name);
    }
    object->Release();
    return out;
}

// A list view cell of another process: the item and its text buffer live in that process.
class RemoteCells
{
public:
    explicit RemoteCells(HWND list)
        : m_list(list)
    {
        DWORD id = 0;
        GetWindowThreadProcessId(list, &id);
        m_process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, id);
        if (m_process)
            m_memory = static_cast<char *>(VirtualAllocEx(m_process, nullptr, sizeof(LVITEMW) + Chars * sizeof(wchar_t),
                                                          MEM_COMMIT, PAGE_READWRITE));
    }
    ~RemoteCells()
    {
        if (m_memory)
            VirtualFreeEx(m_process, m_memory, 0, MEM_RELEASE);
        if (m_process)
            CloseHandle(m_process);
    }
    RemoteCells(const RemoteCells &) = delete;
    RemoteCells &operator=(const RemoteCells &) = delete;
    bool ok() const { return m_memory != nullptr; }

    std::wstring text(int row, int column)
    {
        LVITEMW item {};
        item.iSubItem = column;
        item.pszText = reinterpret_cast<wchar_t *>(m_memory + sizeof(LVITEMW));
        item.cchTextMax = Chars;
        std::wstring text(Chars, L'\0');
        if (!WriteProcessMemory(m_process, m_memory, &item, sizeof item, nullptr))
            return {};
        const LRESULT length
            = SendMessageW(m_list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(m_memory));
        ReadProcessMemory(m_process, m_memory + sizeof(LVITEMW), text.data(), Chars * sizeof(wchar_t), nullptr);
        text.resize(static_cast<std::size_t>(length));
        return text;
    }

private:
    static constexpr int Chars = 1024;
    HWND m_list;
    HANDLE m_process = nullptr;
    char *m_memory = nullptr;
};

int readWindow(const std::wstring &title)
{
    HWND window = waitWindow(title, 10000);
    if (!window) {
        print(L"no window: " + title);
        return 1;
    }
    HWND summary = GetDlgItem(window, IDC_CHECK_SUMMARY);
    print(L"summary: " + windowText(summary));
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    print(L"summary-name: " + accessibleName(summary));
    CoUninitialize();

    HWND list = GetDlgItem(window, IDC_CHECK_FINDINGS);
    RemoteCells cells(list);
    if (!cells.ok()) {
        print(L"cannot read the findings");
        return 1;
    }
    const int rows = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; row < rows; ++row)
        print(L"row: " + cells.text(row, 0) + L"|" + cells.text(row, 1) + L"|" + cells.text(row, 2));

    for (int id : {IDC_CHECK_AGAIN, IDC_CHECK_OPEN, IDC_CHECK_COPY, IDC_CHECK_MAKE_LIST, IDC_CHECK_SET_COUNT,
                   IDC_CHECK_MAKE_START_PAGE}) {
        HWND button = GetDlgItem(window, id);
        if (button && IsWindowVisible(button) && IsWindowEnabled(button))
            print(L"button: " + std::to_wstring(id) + L" " + windowText(button));
    }
    return 0;
}

} // namespace

int wmain(int argc, wchar_t **argv)
{
    g_out = GetStdHandle(STD_OUTPUT_HANDLE);
    const std::wstring command = argc > 1 ? argv[1] : L"";
    if (command == L"console-screen" && argc >= 4)
        return consoleScreen(static_cast<UINT>(_wtoi(argv[2])), commandLine(3, argc, argv));
    if (command == L"start-alone" && argc >= 3)
        return startAlone(commandLine(2, argc, argv));
    if (command == L"read" && argc == 3)
        return readWindow(argv[2]);
    if (command == L"click" && argc == 4) {
        HWND window = waitWindow(argv[2], 10000);
        HWND button = window ? GetDlgItem(window, _wtoi(argv[3])) : nullptr;
        if (!button || !IsWindowEnabled(button) || !IsWindowVisible(button))
            return 1;
        PostMessageW(button, BM_CLICK, 0, 0);
        return 0;
    }
    if (command == L"f5" && argc == 3) {
        HWND window = waitWindow(argv[2], 10000);
        if (!window)
            return 1;
        for (int attempt = 0; attempt < 20 && GetForegroundWindow() != window; ++attempt) {
            SetForegroundWindow(window);
            Sleep(50);
        }
        INPUT keys[2] = {};
        for (INPUT &key : keys) {
            key.type = INPUT_KEYBOARD;
            key.ki.wVk = VK_F5;
            key.ki.wScan = static_cast<WORD>(MapVirtualKeyW(VK_F5, MAPVK_VK_TO_VSC));
        }
        keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
        return SendInput(2, keys, sizeof(INPUT)) == 2 ? 0 : 1;
    }
    if (command == L"hide" && argc == 3) {
        const DWORD hidden = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
        return SetFileAttributesW(argv[2], hidden) && (GetFileAttributesW(argv[2]) & hidden) == hidden ? 0 : 1;
    }
    print(L"usage: checkdriver COMMAND ARGS (see the source)");
    return 2;
}
