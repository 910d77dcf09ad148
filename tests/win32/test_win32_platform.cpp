// The Windows platform services against the Windows API itself (Wine's, in the test
// run's own prefix): the registry store, the shell, the shortcut store, the program
// location, the file reader, the ticker and the UTF-8 pair.
#include "app/ProgramState.h"
#include "app/Settings.h"
#include "launch/RunTarget.h"
#include "platform/MessageBoxes.h"
#include "platform/win32/RegistrySettingsStore.h"
#include "platform/win32/ShortcutLauncherStore.h"
#include "platform/win32/Utf8.h"
#include "platform/win32/Win32FileReader.h"
#include "platform/win32/Win32ProgramLocation.h"
#include "platform/win32/Win32Shell.h"
#include "platform/win32/Win32Ticker.h"
#include "texts/TextTable.h"

#include <windows.h>

#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {

const std::string Application = "Varnholt Danmark";
const wchar_t SettingsKey[] = L"Software\\VB and VBA Program Settings\\Varnholt Danmark";
const wchar_t SectionKey[] = L"Software\\VB and VBA Program Settings\\Varnholt Danmark\\Zezuzav";

void clearSettings()
{
    RegDeleteTreeW(HKEY_CURRENT_USER, SettingsKey);
}

void writeRaw(const wchar_t *name, const std::wstring &text)
{
    const std::size_t size = (text.size() + 1) * sizeof(wchar_t);
    RegSetKeyValueW(HKEY_CURRENT_USER, SectionKey, name, REG_SZ, text.c_str(), static_cast<DWORD>(size));
}

std::wstring readRaw(const wchar_t *name)
{
    wchar_t value[256] = {};
    DWORD bytes = sizeof value - sizeof(wchar_t);
    if (RegGetValueW(HKEY_CURRENT_USER, SectionKey, name, RRF_RT_REG_SZ, nullptr, value, &bytes) != ERROR_SUCCESS)
        return L"<missing>";
    return value;
}

// A folder of its own under the prefix's temporary folder, removed at the end.
class TempFolder
{
public:
    TempFolder()
    {
        wchar_t base[MAX_PATH];
        GetTempPathW(MAX_PATH, base);
        m_path = std::wstring(base) + L"sp-platform-" + std::to_wstring(GetCurrentProcessId()) + L"-"
            + std::to_wstring(GetTickCount64());
        CreateDirectoryW(m_path.c_str(), nullptr);
    }
    ~TempFolder()
    {
        std::wstring from = m_path + L'\0';
        SHFILEOPSTRUCTW op {};
        op.wFunc = FO_DELETE;
        op.pFrom = from.c_str();
        op.fFlags = FOF_NO_UI;
        SHFileOperationW(&op);
    }
    std::string path() const { return Utf8::fromWide(m_path); }
    std::string file(const std::string &name, const std::string &content) const
    {
        std::string full = path() + "\\" + name;
        HANDLE h = CreateFileW(Utf8::toWide(full).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD written = 0;
        WriteFile(h, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
        CloseHandle(h);
        return full;
    }

private:
    std::wstring m_path;
};

class CountingMessageBoxes : public MessageBoxes
{
public:
    Answer show(Icon, Buttons, const std::string &title, const std::string &text) override
    {
        shown.push_back(title + "|" + text);
        return Answer::Ok;
    }
    std::vector<std::string> shown;
};

// What the stand-in xdg-open recorded (a host file; Wine's Z: drive is the host's root).
std::string recorded(int waitMs)
{
    const char *record = std::getenv("XDG_OPEN_RECORD");
    if (!record)
        return "<no XDG_OPEN_RECORD>";
    std::string path = std::string("Z:") + record;
    for (char &c : path)
        if (c == '/')
            c = '\\';
    for (int waited = 0; waited <= waitMs; waited += 100) {
        std::ifstream in(path, std::ios::binary);
        std::stringstream content;
        content << in.rdbuf();
        if (!content.str().empty())
            return content.str();
        Sleep(100);
    }
    return {};
}

void clearRecord()
{
    if (const char *record = std::getenv("XDG_OPEN_RECORD")) {
        std::string path = std::string("Z:") + record;
        for (char &c : path)
            if (c == '/')
                c = '\\';
        DeleteFileW(Utf8::toWide(path).c_str());
    }
}

} // namespace

TEST(Utf8, RoundTrip)
{
    const std::string text = "L\xC3\xA6s mig f\xC3\xB8rst - p\xC3\xA5 dansk \xE2\x82\xAC";
    EXPECT_EQ(Utf8::toWide(text), L"L\u00e6s mig f\u00f8rst - p\u00e5 dansk \u20ac");
    EXPECT_EQ(Utf8::fromWide(Utf8::toWide(text)), text);
    EXPECT_EQ(Utf8::toWide(""), L"");
}

TEST(RegistrySettingsStore, RoundTripUnderTheEarlierEditionsKey)
{
    clearSettings();
    RegistrySettingsStore store(Application);
    EXPECT_EQ(store.value("Zezuzav", "StartSide"), "") << "a missing key reads as empty";
    store.setValue("Zezuzav", "StartSide", "Presumptions.htm");
    store.setValue("Zezuzav", "LukVedStart", "True");
    EXPECT_EQ(store.value("Zezuzav", "StartSide"), "Presumptions.htm");
    EXPECT_EQ(readRaw(L"StartSide"), L"Presumptions.htm") << "REG_SZ at HKCU\\Software\\VB and VBA Program Settings";
    EXPECT_EQ(readRaw(L"LukVedStart"), L"True");
    // Key names are the registry's: case does not matter.
    EXPECT_EQ(store.value("zezuzav", "lukvedstart"), "True");
    store.setValue("Zezuzav", "StartSide", "D\xC3\xA6k.htm");
    EXPECT_EQ(store.value("Zezuzav", "StartSide"), "D\xC3\xA6k.htm");
    clearSettings();
}

TEST(RegistrySettingsStore, ValuesThatAreNotTextsReadAsEmpty)
{
    clearSettings();
    const DWORD number = 1;
    RegSetKeyValueW(HKEY_CURRENT_USER, SectionKey, L"LukVedStart", REG_DWORD, &number, sizeof number);
    RegistrySettingsStore store(Application);
    EXPECT_EQ(store.value("Zezuzav", "LukVedStart"), "");
    clearSettings();
}

TEST(RegistrySettingsStore, FirstRunIsRepairedByLoadSettings)
{
    clearSettings();
    RegistrySettingsStore store(Application);
    ProgramState state;
    LoadSettings(state, store);
    EXPECT_TRUE(state.closeAfterLaunch);
    EXPECT_EQ(readRaw(L"StartSide"), L"Presumptions.htm");
    EXPECT_EQ(readRaw(L"LukVedStart"), L"True");
    clearSettings();
}

TEST(RegistrySettingsStore, SettingsOfTheEarlierEditionAreReadUnchanged)
{
    for (const wchar_t *earlier : {L"True", L"False"}) {
        clearSettings();
        writeRaw(L"StartSide", L"Product sheets\\Quillmere overview.htm");
        writeRaw(L"LukVedStart", earlier);
        RegistrySettingsStore store(Application);
        ProgramState state;
        LoadSettings(state, store);
        EXPECT_EQ(state.closeAfterLaunch, std::wstring(earlier) == L"True");
        EXPECT_EQ(state.startTarget, "Product sheets\\Quillmere overview.htm");
        EXPECT_EQ(readRaw(L"StartSide"), L"Product sheets\\Quillmere overview.htm") << "nothing rewritten";
        EXPECT_EQ(readRaw(L"LukVedStart"), earlier);
    }
    clearSettings();
}

TEST(Win32Shell, MissingFileAndFolderAreReportedOnce)
{
    TempFolder folder;
    Win32Shell shell;
    EXPECT_EQ(shell.run(folder.path() + "\\missing.pdf"), Shell::Result::FileNotFound);
    EXPECT_EQ(shell.run(folder.path() + "\\no such folder\\inside.htm"), Shell::Result::FileNotFound);
    EXPECT_EQ(shell.run(folder.path() + "\\no such folder"), Shell::Result::FileNotFound);

    ProgramState state;
    FillTextTable(state.textTable);
    state.languageIndex = TextTable::English;
    CountingMessageBoxes boxes;
    const std::string target = folder.path() + "\\no such folder\\inside.htm";
    RunTarget({shell, boxes, state.textTable, state.languageIndex}, target);
    ASSERT_EQ(boxes.shown.size(), 1u) << "one Command aborted box, no box of the shell's own";
    EXPECT_NE(boxes.shown[0].find(target), std::string::npos) << boxes.shown[0];
}

TEST(Win32Shell, ErrorsThatMeanTheTargetIsNotThere)
{
    // A medium gone away after start-up is reported as a missing file, not as nothing.
    const struct
    {
        DWORD error;
        bool missing;
    } rows[] = {
        {ERROR_FILE_NOT_FOUND, true}, {ERROR_PATH_NOT_FOUND, true},     {ERROR_NOT_READY, true},
        {ERROR_BAD_NET_NAME, true},   {ERROR_BAD_NETPATH, true},        {ERROR_DEV_NOT_EXIST, true},
        {ERROR_INVALID_DRIVE, true},  {ERROR_ACCESS_DENIED, false},     {ERROR_NO_ASSOCIATION, false},
        {ERROR_SUCCESS, false},       {ERROR_SHARING_VIOLATION, false},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.error);
        EXPECT_EQ(Win32Shell::isMissing(row.error), row.missing);
    }
}

TEST(Win32Shell, WebAddressIsHandedToTheDesktopAsItIs)
{
    clearRecord();
    Win32Shell shell;
    EXPECT_EQ(shell.run("https://www.varnholt.example/support?a=1&b=2"), Shell::Result::Started);
    EXPECT_EQ(recorded(10000), "https://www.varnholt.example/support?a=1&b=2\n");
}

TEST(Win32Shell, DocumentIsOpenedByItsAssociation)
{
    TempFolder folder;
    const std::string page = folder.file("index page.htm", "<html></html>");
    clearRecord();
    Win32Shell shell;
    EXPECT_EQ(shell.run(page), Shell::Result::Started);
    const std::string got = recorded(10000);
    EXPECT_EQ(got.rfind("file://", 0), 0u) << got;
    EXPECT_NE(got.find("index"), std::string::npos) << got;
}

TEST(ShortcutLauncherStore, WritesALinkThatReadsBack)
{
    TempFolder folder;
    const std::string desktop = folder.path() + "\\Desktop"; // made by the store
    ShortcutLauncherStore store(desktop);
    Launcher launcher {"Zezuzav - Quillmere", "Zezuzav Quillmere - StartupProgram", "D:\\startprogram.exe", "D:\\"};
    ASSERT_TRUE(store.writeLauncher(launcher));
    ASSERT_TRUE(store.writeLauncher(launcher)) << "a second write replaces the first";

    // One file on the desktop, nothing half-written beside it.
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(Utf8::toWide(desktop + "\\*").c_str(), &found);
    std::vector<std::wstring> names;
    do
        if (found.cFileName[0] != L'.')
            names.emplace_back(found.cFileName);
    while (FindNextFileW(search, &found));
    FindClose(search);
    ASSERT_EQ(names, std::vector<std::wstring> {L"Zezuzav - Quillmere.lnk"});

    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    IShellLinkW *link = nullptr;
    IPersistFile *file = nullptr;
    ASSERT_TRUE(SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                           reinterpret_cast<void **>(&link))));
    ASSERT_TRUE(SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void **>(&file))));
    ASSERT_TRUE(SUCCEEDED(file->Load(Utf8::toWide(desktop + "\\Zezuzav - Quillmere.lnk").c_str(), STGM_READ)));
    wchar_t text[MAX_PATH] = {};
    int icon = -1;
    link->GetPath(text, MAX_PATH, nullptr, SLGP_RAWPATH);
    EXPECT_STREQ(text, L"D:\\startprogram.exe");
    link->GetIconLocation(text, MAX_PATH, &icon);
    EXPECT_STREQ(text, L"D:\\startprogram.exe");
    EXPECT_EQ(icon, 0);
    link->GetDescription(text, MAX_PATH);
    EXPECT_STREQ(text, L"Zezuzav Quillmere - StartupProgram");
    link->GetWorkingDirectory(text, MAX_PATH);
    EXPECT_STREQ(text, L"D:\\");
    file->Release();
    link->Release();
    CoUninitialize();
}

TEST(ShortcutLauncherStore, AFolderThatCannotBeMadeFailsAndLeavesNothing)
{
    TempFolder folder;
    const std::string blocker = folder.file("not a folder", "x");
    ShortcutLauncherStore store(blocker + "\\Desktop");
    EXPECT_FALSE(store.writeLauncher({"Zezuzav - Quillmere", "d", "D:\\startprogram.exe", "D:\\"}));
    EXPECT_EQ(GetFileAttributesW(Utf8::toWide(blocker + "\\Desktop").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST(ShortcutLauncherStore, TheDesktopIsTheUsersDesktopFolder)
{
    ShortcutLauncherStore store;
    PWSTR path = nullptr;
    ASSERT_TRUE(SUCCEEDED(SHGetKnownFolderPath(FOLDERID_Desktop, KF_FLAG_DONT_VERIFY, nullptr, &path)));
    EXPECT_EQ(store.desktopFolder(), Utf8::fromWide(path));
    CoTaskMemFree(path);
}

TEST(Win32ProgramLocation, FolderAndFileName)
{
    Win32ProgramLocation location;
    EXPECT_EQ(location.programFileName(), "test_win32_platform.exe");
    EXPECT_EQ(location.separator(), '\\');
    EXPECT_NE(location.programDir().back(), '\\');

    std::string dir, name;
    Win32ProgramLocation::split("D:\\startprogram.exe", dir, name);
    EXPECT_EQ(dir, "D:\\") << "a drive root keeps its separator";
    EXPECT_EQ(name, "startprogram.exe");
    Win32ProgramLocation::split("D:\\media\\cd 1\\startprogram.exe", dir, name);
    EXPECT_EQ(dir, "D:\\media\\cd 1");
}

TEST(Win32FileReader, PlainFilesOnlyAndAtMostTheLimit)
{
    TempFolder folder;
    const std::string info = folder.file("info.txt", "1\r\n\"index.htm\",\"Welcome\"\r\n");
    Win32FileReader reader;
    EXPECT_EQ(reader.read(info, 1000), "1\r\n\"index.htm\",\"Welcome\"\r\n");
    EXPECT_EQ(reader.read(info, 3), "1\r\n");
    EXPECT_FALSE(reader.read(folder.path(), 1000).has_value()) << "a folder is not read";
    EXPECT_FALSE(reader.read(folder.path() + "\\missing.txt", 1000).has_value());
}

TEST(Win32Ticker, TicksThroughTheMessageLoop)
{
    Win32Ticker ticker;
    EXPECT_FALSE(ticker.isActive());
    EXPECT_EQ(ticker.interval(), 1000);
    int ticks = 0;
    ticker.start(50, [&] { ++ticks; });
    EXPECT_TRUE(ticker.isActive());
    const ULONGLONG end = GetTickCount64() + 5000;
    MSG msg;
    while (ticks < 3 && GetTickCount64() < end) {
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&msg);
        Sleep(10);
    }
    EXPECT_GE(ticks, 3);
}
