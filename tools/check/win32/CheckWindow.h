#pragma once

#include "platform/win32/ScopedWin.h"
#include "tools/check/CheckView.h"

#include <windows.h>

#include <string>
#include <vector>

class CheckWindowBehaviour;

// The check's window of native controls: the folder with its picker, the summary, the
// findings in a report list view and the buttons. It decides nothing: every event goes
// to the behaviour, and it shows what the behaviour tells it through CheckView.
class CheckWindow : public CheckView
{
public:
    explicit CheckWindow(HINSTANCE instance);
    ~CheckWindow() override;
    CheckWindow(const CheckWindow &) = delete;
    CheckWindow &operator=(const CheckWindow &) = delete;

    // Makes the window, hidden, with its controls; false on failure.
    bool create();
    // The behaviour that gets the window's events (made after the window, since it needs the view).
    void setBehaviour(CheckWindowBehaviour *behaviour) { m_behaviour = behaviour; }
    void show(int showCommand);
    HWND hwnd() const { return m_hwnd; }

    // The window's share of the message loop, before dispatch: F5, then Tab, access
    // keys and Esc through the dialog manager. True: handled.
    bool preTranslate(MSG &msg);

    // CheckView
    void showFolder(const std::string &folder) override;
    void showSummary(const std::string &summary) override;
    void showFindings(const std::vector<FindingRow> &rows) override;
    void showActions(const CheckActions &actions) override;
    void showMessage(const std::string &text, bool failed) override;
    void openDocument(const std::string &path) override;
    void copyText(const std::string &text) override;

private:
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);

    HWND child(const wchar_t *cls, const std::string &text, DWORD style, int id, DWORD exStyle = 0);
    void createControls();
    void makeFonts();
    void loadIcons();
    void layout();
    int textWidth(HFONT font, HWND control) const;
    SIZE minimumClientSize() const;
    void onCommand(WORD id);
    void onDropFiles(HDROP drop);
    void onDpiChanged(int dpi, const RECT &suggested);
    void chooseFolder();

    HINSTANCE m_instance;
    HWND m_hwnd = nullptr;
    CheckWindowBehaviour *m_behaviour = nullptr;
    int m_dpi = 96;

    HWND m_folderLabel = nullptr, m_folder = nullptr, m_choose = nullptr;
    HWND m_summary = nullptr, m_findingsLabel = nullptr, m_findings = nullptr;
    HWND m_checkAgain = nullptr, m_open = nullptr, m_copy = nullptr, m_makeList = nullptr, m_setCount = nullptr,
         m_makeStartPage = nullptr, m_close = nullptr;
    HWND m_lastFocus = nullptr;

    ScopedGdiObj<HFONT> m_font, m_summaryFont;
    HICON m_bigIcon = nullptr, m_smallIcon = nullptr; // at the window's DPI, destroyed with it
    HACCEL m_accelerators = nullptr;
};
