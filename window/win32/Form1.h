#pragma once

#include "platform/win32/ScopedWin.h"
#include "window/Form1View.h"

#include <windows.h>

#include <array>
#include <memory>
#include <string>

class Form1Behaviour;
class FrmGraphics;

// The main window as a Win32 window: the list, the check box and the two picture
// buttons are native controls; the labels, pictures and the line are drawn in
// WM_PAINT in the stacking order. It decides nothing: every event goes to the
// behaviour, and it shows what the behaviour tells it through Form1View.
class Form1 : public Form1View
{
public:
    // Client area and boxes of the layout, in twips.
    static constexpr int ClientWidthTwips = 8880;
    static constexpr int ClientHeightTwips = 4560;

    explicit Form1(HINSTANCE instance);
    ~Form1() override;
    Form1(const Form1 &) = delete;
    Form1 &operator=(const Form1 &) = delete;

    // Makes the window, hidden, with its controls and menus; false on failure.
    bool create();
    // The behaviour that gets the window's events (made after the window, since it needs the view).
    void setBehaviour(Form1Behaviour *behaviour) { m_behaviour = behaviour; }
    // Shows the window centred on the screen, the Go button focused.
    void show(int showCommand);
    HWND hwnd() const { return m_hwnd; }

    // The window's share of the message loop, before dispatch: the key preview, Enter
    // on a picture button, then Tab and focus through IsDialogMessage. True: handled.
    bool preTranslate(MSG &msg);

    // Form1View
    void setCaption(Control control, const std::string &text) override;
    void setToolTip(Control control, const std::string &text) override;
    void setMenuCaption(Menu menu, const std::string &text) override;
    void showBanner() override;
    void fillList(const std::vector<std::string> &lines) override;
    void selectLine(int p) override;
    void setChecked(bool checked) override;
    void setLinkColour(Colour colour) override;

    // The drawn control at a client point, in stacking order (Control::Form1: the background).
    Control drawnControlAt(POINT point) const;
    // A control's box in client pixels at the window's DPI.
    RECT controlRect(Control control) const;
    // The child window a screen reader reads a drawn control through (Image1, Label6,
    // Label4, Label2, Label8), or null.
    HWND readerWindowOf(Control control) const;
    // The hand pointer shown over the buttons and Label4, at the pointer size for the DPI.
    HCURSOR handCursor() const { return m_hand; }

private:
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);

    void createControls();
    void createMenus();
    void createToolTips();
    HWND readerWindow(Control control, WORD id); // null for a control a reader does not see
    static LRESULT CALLBACK readerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void cutOutWindowed(HWND reader, Control control);
    void layout(); // fonts, control positions and the window size for m_dpi
    void makeFonts();
    void fitComboHeight();
    void centreOnScreen();

    // The button pictures and the hand pointer for m_dpi (Form1Painting.cpp).
    void choosePictures();
    void onPaint();
    void paint(HDC dc, const RECT &update);
    void drawLabel(HDC dc, Control control, COLORREF colour);
    const std::wstring *caption(Control control) const;
    // The part of a label's caption that it draws: the first line of Label4, Label6 and
    // Label8, which hold one line each; all of Label2, which breaks into its box.
    std::wstring shownText(Control control) const;
    HFONT labelFont(Control control) const;
    void onDrawItem(const DRAWITEMSTRUCT &item);
    void onCommand(WORD id, WORD code, HWND control);
    LRESULT onCtlColor(UINT message, HDC dc, HWND control);
    bool onSetCursor(HWND over, WORD hitTest, WORD mouseMessage);
    void onMouseMove(POINT point);
    void onDpiChanged(int dpi, const RECT &suggested);
    void invalidate(Control control);
    Control controlOfWindow(HWND hwnd) const;
    KeyTarget keyTarget() const;

    HINSTANCE m_instance;
    HWND m_hwnd = nullptr;
    Form1Behaviour *m_behaviour = nullptr;
    int m_dpi = 96;

    HWND m_combo1 = nullptr;
    HWND m_check1 = nullptr;
    HWND m_command1 = nullptr;
    HWND m_cmdAfslut = nullptr;
    HWND m_toolTip = nullptr;
    HWND m_image1Window = nullptr, m_label6Window = nullptr, m_label4Window = nullptr, m_label2Window = nullptr,
         m_label8Window = nullptr;
    HMENU m_menuBar = nullptr;
    HWND m_lastFocus = nullptr;

    std::wstring m_label2, m_label4, m_label6, m_label8;
    COLORREF m_linkColour = RGB(255, 255, 255);
    bool m_inMenuLoop = false;
    bool m_label4Pressed = false;

    ScopedGdiObj<HFONT> m_fontLabel6, m_fontLabel8, m_fontLabel4, m_fontLabel2, m_fontCheck1, m_fontDefault;
    ScopedGdiObj<HBRUSH> m_navyBrush, m_whiteBrush;
    ScopedGdiObj<HBITMAP> m_goPicture, m_exitPicture, m_photo;
    HBITMAP m_banner = nullptr; // owned by the artwork window
    int m_drawing = 1; // the button pictures' drawing: 1, 2 or 3 times their size
    HCURSOR m_hand = nullptr;
    int m_handSide = 0;
    std::unique_ptr<HICON__, BOOL(WINAPI *)(HCURSOR)> m_ownHand {nullptr, DestroyCursor}; // not the shared one
    HICON m_bigIcon = nullptr, m_smallIcon = nullptr;
    std::unique_ptr<FrmGraphics> m_graphics;
};
