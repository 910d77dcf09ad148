// The Windows-side test driver: runs inside the Wine prefix beside the program and
// looks at it and acts on it as a person would. One command per run:
//   wait-window TITLE SECONDS      waits for a visible top-level window; prints its handle
//   wait-gone TITLE SECONDS        waits until no such window exists
//   client TITLE                   prints the client area: "W H"
//   controls TITLE                 one line per child window: CLASS ID LEFT TOP WIDTH HEIGHT TEXT (client coordinates)
//   list TITLE                     the list's lines, the chosen one marked "*"
//   text TITLE ID                  the text of the child with that id
//   focus TITLE                    the class and id of the control that has the keyboard
//   box SECONDS [TITLE]            waits for a message box (#32770), with that title if given;
//                                  prints its title, then its text
//   press-box TITLE ok|yes|no      presses a button of the message box with that title
//   keys TITLE KEY...              gives the window the keyboard and types: return, escape, tab, down, up,
//                                  space, alt+escape, alt+LETTER, or a single letter
//   reg-get SUBKEY VALUE           prints a REG_SZ value under HKEY_CURRENT_USER
//   reg-set SUBKEY VALUE TEXT      writes a REG_SZ value under HKEY_CURRENT_USER
//   reg-delete SUBKEY              removes a key under HKEY_CURRENT_USER with all it holds
//   desktop                        prints the user's desktop folder
//   close TITLE                    asks the window to close, as its close box does
//   rect TITLE                     prints the window's frame on the screen: "X Y W H"
//   accessible TITLE               as a screen reader reads the window: one line per child window in
//                                  window order, the name of its accessible object (AccessibleObjectFromWindow)
//   press-accessible TITLE NAME    presses the child whose accessible object has that name, as a reader
//                                  does: through accDoDefaultAction where the object offers a default
//                                  action ("default-action NAME"; exit 1 when it fails); where the system
//                                  offers none, through the click path alone, BM_CLICK ("click-path ...")
//   lnk PATH                       prints a shell link's path, icon, description and working folder
//   time-window TITLE COMMAND...   starts the program, prints the milliseconds until its window is
//                                  visible, then closes it and waits for its end
// Exit status 0 on success, 1 when what was looked for did not come, 2 on bad usage.
#include <windows.h>

#include <objbase.h>
#include <oleacc.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

void print(const std::wstring &text)
{
    const int length
        = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), utf8.data(), length, nullptr, nullptr);
    std::fwrite(utf8.data(), 1, utf8.size(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

std::wstring windowText(HWND hwnd)
{
    const LRESULT length = SendMessageW(hwnd, WM_GETTEXTLENGTH, 0, 0);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const LRESULT got = SendMessageW(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(got));
    return text;
}

std::wstring className(HWND hwnd)
{
    wchar_t name[256] = {};
    GetClassNameW(hwnd, name, 256);
    return name;
}

struct TitleSearch
{
    const std::wstring *title;
    HWND found;
};

BOOL CALLBACK matchTitle(HWND hwnd, LPARAM lParam)
{
    auto *s = reinterpret_cast<TitleSearch *>(lParam);
    if (IsWindowVisible(hwnd) && windowText(hwnd) == *s->title) {
        s->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

// Visible top-level windows with exactly this title.
HWND findVisible(const std::wstring &title)
{
    TitleSearch search {&title, nullptr};
    EnumWindows(matchTitle, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND waitVisible(const std::wstring &title, double seconds)
{
    const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(seconds * 1000);
    do {
        if (HWND hwnd = findVisible(title))
            return hwnd;
        Sleep(20);
    } while (GetTickCount64() < end);
    return nullptr;
}

BOOL CALLBACK matchMessageBox(HWND hwnd, LPARAM lParam)
{
    if (IsWindowVisible(hwnd) && className(hwnd) == L"#32770") {
        *reinterpret_cast<HWND *>(lParam) = hwnd;
        return FALSE;
    }
    return TRUE;
}

HWND findMessageBox()
{
    HWND found = nullptr;
    EnumWindows(matchMessageBox, reinterpret_cast<LPARAM>(&found));
    return found;
}

HWND required(const std::wstring &title)
{
    HWND hwnd = waitVisible(title, 5);
    if (!hwnd) {
        print(L"no window: " + title);
        std::exit(1);
    }
    return hwnd;
}

BOOL CALLBACK collectChild(HWND hwnd, LPARAM lParam)
{
    reinterpret_cast<std::vector<HWND> *>(lParam)->push_back(hwnd);
    return TRUE;
}

std::vector<HWND> children(HWND parent)
{
    std::vector<HWND> list;
    EnumChildWindows(parent, collectChild, reinterpret_cast<LPARAM>(&list));
    return list;
}

// IAccessible's interface id, spelled out: mingw-w64's oleacc and uuid libraries both
// define IID_IAccessible, and this driver needs both.
const IID AccessibleIid = {0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

// The accessible object of a window, as a reader in another process gets it.
IAccessible *accessibleOf(HWND hwnd)
{
    IAccessible *object = nullptr;
    if (FAILED(AccessibleObjectFromWindow(hwnd, static_cast<DWORD>(OBJID_CLIENT), AccessibleIid,
                                          reinterpret_cast<void **>(&object))))
        return nullptr;
    return object;
}

std::wstring accessibleName(IAccessible *object)
{
    VARIANT self {};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    std::wstring out;
    if (SUCCEEDED(object->get_accName(self, &name)) && name) {
        out = name;
        SysFreeString(name);
    }
    return out;
}

void sendKeys(const std::vector<INPUT> &inputs)
{
    SendInput(static_cast<UINT>(inputs.size()), const_cast<INPUT *>(inputs.data()), sizeof(INPUT));
    Sleep(150); // let the program take them before the next command looks
}

INPUT key(WORD vk, bool up)
{
    INPUT input {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

bool type(const std::wstring &name)
{
    std::vector<INPUT> inputs;
    const auto tap = [&](WORD vk) {
        inputs.push_back(key(vk, false));
        inputs.push_back(key(vk, true));
    };
    if (name == L"return")
        tap(VK_RETURN);
    else if (name == L"escape")
        tap(VK_ESCAPE);
    else if (name == L"tab")
        tap(VK_TAB);
    else if (name == L"down")
        tap(VK_DOWN);
    else if (name == L"up")
        tap(VK_UP);
    else if (name == L"space")
        tap(VK_SPACE);
    else if (name == L"f4")
        tap(VK_F4);
    else if (name == L"alt+escape") {
        inputs.push_back(key(VK_MENU, false));
        tap(VK_ESCAPE);
        inputs.push_back(key(VK_MENU, true));
    } else if (name.size() == 5 && name.rfind(L"alt+", 0) == 0) {
        inputs.push_back(key(VK_MENU, false));
        tap(static_cast<WORD>(towupper(name[4])));
        inputs.push_back(key(VK_MENU, true));
    } else if (name.size() == 1)
        tap(static_cast<WORD>(towupper(name[0])));
    else
        return false;
    sendKeys(inputs);
    return true;
}

void activate(HWND hwnd)
{
    // The test driver is the foreground process when it types; hand the foreground over.
    for (int attempt = 0; attempt < 20 && GetForegroundWindow() != hwnd; ++attempt) {
        SetForegroundWindow(hwnd);
        Sleep(50);
    }
}

int usage()
{
    print(L"usage: spdriver COMMAND ARGS (see the source)");
    return 2;
}

} // namespace

int wmain(int argc, wchar_t **argv)
{
    if (argc < 2)
        return usage();
    const std::wstring command = argv[1];
    const auto arg = [&](int i) { return i < argc ? std::wstring(argv[i]) : std::wstring(); };

    if (command == L"wait-window" && argc == 4) {
        HWND hwnd = waitVisible(arg(2), _wtof(argv[3]));
        if (!hwnd)
            return 1;
        wchar_t text[32];
        swprintf(text, 32, L"%p", static_cast<void *>(hwnd));
        print(text);
        return 0;
    }
    if (command == L"wait-gone" && argc == 4) {
        const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(_wtof(argv[3]) * 1000);
        while (FindWindowW(nullptr, argv[2])) {
            if (GetTickCount64() > end)
                return 1;
            Sleep(50);
        }
        return 0;
    }
    if (command == L"client" && argc == 3) {
        RECT r {};
        GetClientRect(required(arg(2)), &r);
        print(std::to_wstring(r.right - r.left) + L" " + std::to_wstring(r.bottom - r.top));
        return 0;
    }
    if (command == L"controls" && argc == 3) {
        HWND parent = required(arg(2));
        for (HWND child : children(parent)) {
            if (GetParent(child) != parent)
                continue;
            RECT r {};
            GetWindowRect(child, &r);
            MapWindowPoints(nullptr, parent, reinterpret_cast<POINT *>(&r), 2);
            print(className(child) + L" " + std::to_wstring(GetDlgCtrlID(child)) + L" " + std::to_wstring(r.left) + L" "
                  + std::to_wstring(r.top) + L" " + std::to_wstring(r.right - r.left) + L" "
                  + std::to_wstring(r.bottom - r.top) + L" " + windowText(child));
            if (className(child) == L"ComboBox")
                print(L"# field height "
                      + std::to_wstring(SendMessageW(child, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0))
                      + L", line height " + std::to_wstring(SendMessageW(child, CB_GETITEMHEIGHT, 0, 0)));
        }
        return 0;
    }
    if (command == L"accessible" && argc == 3) {
        HWND parent = required(arg(2));
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        for (HWND child : children(parent)) {
            if (GetParent(child) != parent || className(child) == L"tooltips_class32")
                continue;
            IAccessible *object = accessibleOf(child);
            if (!object) {
                print(className(child) + L" (no accessible object)");
                continue;
            }
            std::wstring name = accessibleName(object);
            for (wchar_t &c : name)
                if (c == L'\n' || c == L'\r')
                    c = L' '; // one line per object
            print(className(child) + L" " + name);
            object->Release();
        }
        return 0;
    }
    if (command == L"press-accessible" && argc == 4) {
        HWND parent = required(arg(2));
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        for (HWND child : children(parent)) {
            IAccessible *object = GetParent(child) == parent ? accessibleOf(child) : nullptr;
            if (!object)
                continue;
            const bool match = accessibleName(object) == arg(3);
            if (match) {
                VARIANT self {};
                self.vt = VT_I4;
                self.lVal = CHILDID_SELF;
                BSTR action = nullptr;
                const bool offered
                    = SUCCEEDED(object->get_accDefaultAction(self, &action)) && action && SysStringLen(action) > 0;
                const std::wstring actionName = action ? std::wstring(action) : std::wstring();
                SysFreeString(action);
                if (offered) {
                    // The reader's own action: its failure is the test's failure, with no other way in.
                    const HRESULT done = object->accDoDefaultAction(self);
                    object->Release();
                    print((SUCCEEDED(done) ? L"default-action " : L"default-action-failed ") + actionName);
                    return SUCCEEDED(done) ? 0 : 1;
                }
                object->Release();
                DWORD_PTR result = 0;
                SendMessageTimeoutW(child, BM_CLICK, 0, 0, SMTO_NORMAL, 5000, &result);
                print(L"click-path: the system offers no default action on this object; BM_CLICK sent");
                return 0;
            }
            object->Release();
        }
        print(L"no object named " + arg(3));
        return 1;
    }
    if (command == L"list" && argc == 3) {
        HWND parent = required(arg(2));
        for (HWND child : children(parent)) {
            if (className(child) != L"ComboBox")
                continue;
            const LRESULT count = SendMessageW(child, CB_GETCOUNT, 0, 0);
            const LRESULT chosen = SendMessageW(child, CB_GETCURSEL, 0, 0);
            for (LRESULT i = 0; i < count; ++i) {
                const LRESULT length = SendMessageW(child, CB_GETLBTEXTLEN, i, 0);
                std::wstring line(static_cast<std::size_t>(length) + 1, L'\0');
                SendMessageW(child, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(line.data()));
                line.resize(static_cast<std::size_t>(length));
                print((i == chosen ? L"* " : L"  ") + line);
            }
            return 0;
        }
        return 1;
    }
    if (command == L"text" && argc == 4) {
        HWND child = GetDlgItem(required(arg(2)), _wtoi(argv[3]));
        if (!child)
            return 1;
        print(windowText(child));
        return 0;
    }
    if (command == L"focus" && argc == 3) {
        HWND hwnd = required(arg(2));
        GUITHREADINFO info {};
        info.cbSize = sizeof info;
        if (!GetGUIThreadInfo(GetWindowThreadProcessId(hwnd, nullptr), &info) || !info.hwndFocus)
            return 1;
        print(className(info.hwndFocus) + L" " + std::to_wstring(GetDlgCtrlID(info.hwndFocus)));
        return 0;
    }
    if (command == L"box" && (argc == 3 || argc == 4)) {
        const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(_wtof(argv[2]) * 1000);
        HWND box = nullptr;
        // A box gets its title while it is made: wait for the one asked for.
        while (GetTickCount64() < end) {
            box = findMessageBox();
            if (box && (argc == 3 ? !windowText(box).empty() : windowText(box) == arg(3)))
                break;
            box = nullptr;
            Sleep(20);
        }
        if (!box)
            return 1;
        print(windowText(box));
        // The message is the static text with id 0xFFFF.
        HWND message = GetDlgItem(box, 0xFFFF);
        print(message ? windowText(message) : std::wstring());
        return 0;
    }
    if (command == L"press-box" && argc == 4) {
        HWND box = nullptr;
        const ULONGLONG end = GetTickCount64() + 5000;
        while (GetTickCount64() < end) {
            box = findMessageBox();
            if (box && windowText(box) == arg(2))
                break;
            box = nullptr;
            Sleep(20);
        }
        if (!box)
            return 1;
        const int id = arg(3) == L"yes" ? IDYES : arg(3) == L"no" ? IDNO : IDOK;
        HWND button = GetDlgItem(box, id);
        if (!button)
            return 1;
        PostMessageW(button, BM_CLICK, 0, 0);
        return 0;
    }
    if (command == L"keys" && argc >= 4) {
        HWND hwnd = required(arg(2));
        activate(hwnd);
        for (int i = 3; i < argc; ++i)
            if (!type(arg(i)))
                return usage();
        return 0;
    }
    if (command == L"reg-get" && argc == 4) {
        wchar_t value[4096] = {};
        DWORD bytes = sizeof value - sizeof(wchar_t);
        if (RegGetValueW(HKEY_CURRENT_USER, argv[2], argv[3], RRF_RT_REG_SZ, nullptr, value, &bytes) != ERROR_SUCCESS)
            return 1;
        print(value);
        return 0;
    }
    if (command == L"reg-set" && argc == 5) {
        const std::size_t size = (std::wcslen(argv[4]) + 1) * sizeof(wchar_t);
        const DWORD bytes = static_cast<DWORD>(size);
        return RegSetKeyValueW(HKEY_CURRENT_USER, argv[2], argv[3], REG_SZ, argv[4], bytes) == ERROR_SUCCESS ? 0 : 1;
    }
    if (command == L"reg-delete" && argc == 3) {
        const LSTATUS status = RegDeleteTreeW(HKEY_CURRENT_USER, argv[2]);
        return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND ? 0 : 1;
    }
    if (command == L"desktop" && argc == 2) {
        PWSTR path = nullptr;
        if (FAILED(SHGetKnownFolderPath(FOLDERID_Desktop, KF_FLAG_DONT_VERIFY, nullptr, &path)))
            return 1;
        print(path);
        CoTaskMemFree(path);
        return 0;
    }
    if (command == L"rect" && argc == 3) {
        RECT r {};
        GetWindowRect(required(arg(2)), &r);
        print(std::to_wstring(r.left) + L" " + std::to_wstring(r.top) + L" " + std::to_wstring(r.right - r.left) + L" "
              + std::to_wstring(r.bottom - r.top));
        return 0;
    }
    if (command == L"close" && argc == 3) {
        PostMessageW(required(arg(2)), WM_CLOSE, 0, 0);
        return 0;
    }
    if (command == L"lnk" && argc == 3) {
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        IShellLinkW *link = nullptr;
        IPersistFile *file = nullptr;
        int result = 1;
        if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                       reinterpret_cast<void **>(&link)))
            && SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void **>(&file)))
            && SUCCEEDED(file->Load(argv[2], STGM_READ))) {
            wchar_t text[MAX_PATH * 2] = {};
            int icon = -1;
            link->GetPath(text, MAX_PATH * 2, nullptr, SLGP_RAWPATH);
            print(L"path=" + std::wstring(text));
            text[0] = 0;
            link->GetIconLocation(text, MAX_PATH * 2, &icon);
            print(L"icon=" + std::wstring(text) + L"," + std::to_wstring(icon));
            text[0] = 0;
            link->GetDescription(text, MAX_PATH * 2);
            print(L"description=" + std::wstring(text));
            text[0] = 0;
            link->GetWorkingDirectory(text, MAX_PATH * 2);
            print(L"workdir=" + std::wstring(text));
            result = 0;
        }
        if (file)
            file->Release();
        if (link)
            link->Release();
        CoUninitialize();
        return result;
    }
    if (command == L"time-window" && argc >= 4) {
        std::wstring line;
        for (int i = 3; i < argc; ++i)
            line += (i > 3 ? L" \"" : L"\"") + arg(i) + L"\"";
        STARTUPINFOW startup {};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process {};
        LARGE_INTEGER frequency, begin, now;
        QueryPerformanceFrequency(&frequency);
        QueryPerformanceCounter(&begin);
        if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
            return 1;
        HWND hwnd = nullptr;
        const ULONGLONG end = GetTickCount64() + 30000;
        while (!(hwnd = findVisible(arg(2))) && GetTickCount64() < end)
            Sleep(1);
        QueryPerformanceCounter(&now);
        if (hwnd) {
            print(std::to_wstring(static_cast<double>(now.QuadPart - begin.QuadPart) * 1000.0
                                  / static_cast<double>(frequency.QuadPart)));
            PostMessageW(hwnd, WM_CLOSE, 0, 0);
        }
        if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0)
            TerminateProcess(process.hProcess, 1);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        return hwnd ? 0 : 1;
    }
    return usage();
}
