// Form1's painting: the drawn controls in the stacking order, the two picture buttons,
// and the pictures and pointer chosen for the window's DPI.
#include "window/win32/Form1.h"

#include "platform/win32/Utf8.h"
#include "window/FirstLine.h"
#include "window/PictureScale.h"
#include "window/win32/Dpi.h"
#include "window/win32/Form1Parts.h"
#include "window/win32/Pictures.h"
#include "window/win32/resource.h"

#include <iterator>

using namespace Form1Parts;

namespace {

constexpr int GoDrawings[] = {IDB_GO, IDB_GO_2X, IDB_GO_3X};
constexpr int ExitDrawings[] = {IDB_EXIT, IDB_EXIT_2X, IDB_EXIT_3X};
constexpr int HandDrawings[] = {IDC_HANDPOINTER, IDC_HANDPOINTER_2X, IDC_HANDPOINTER_3X};
constexpr int HandSide = 32; // the hand's 100 % drawing

} // namespace

void Form1::choosePictures()
{
    const int drawing = PictureScale::drawingFor(static_cast<double>(m_dpi) / Dpi::Standard);
    if (drawing != m_drawing || !m_goPicture) {
        m_goPicture.reset(Pictures::loadBitmap(m_instance, GoDrawings[drawing - 1]));
        m_exitPicture.reset(Pictures::loadBitmap(m_instance, ExitDrawings[drawing - 1]));
        m_drawing = drawing;
    }

    // The hand has the size of the system's pointers at the DPI, from the next larger drawing.
    const int side = Dpi::cursorSize(m_dpi);
    if (side == m_handSide && m_hand)
        return;
    m_handSide = side;
    // The system's own size at 100 %: the shared 32 x 32 pointer, as it always was.
    if (side <= HandSide && side == GetSystemMetrics(SM_CXCURSOR)) {
        m_ownHand.reset();
        m_hand = static_cast<HCURSOR>(
            LoadImageW(m_instance, MAKEINTRESOURCEW(IDC_HANDPOINTER), IMAGE_CURSOR, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
        return;
    }
    const int handDrawing = PictureScale::drawingFor(static_cast<double>(side) / HandSide);
    m_ownHand.reset(static_cast<HCURSOR>(
        LoadImageW(m_instance, MAKEINTRESOURCEW(HandDrawings[handDrawing - 1]), IMAGE_CURSOR, side, side, 0)));
    m_hand = m_ownHand.get();
}

void Form1::onPaint()
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(m_hwnd, &ps);
    RECT client {};
    GetClientRect(m_hwnd, &client);
    // Drawn off screen and copied at once, so the stacked controls do not flicker.
    ScopedMemoryDC memory(dc);
    ScopedGdiObj<HBITMAP> canvas(CreateCompatibleBitmap(dc, client.right, client.bottom));
    if (memory && canvas) {
        ScopedSelectObject selected(memory, canvas.get());
        paint(memory, client);
        BitBlt(dc, ps.rcPaint.left, ps.rcPaint.top, ps.rcPaint.right - ps.rcPaint.left,
               ps.rcPaint.bottom - ps.rcPaint.top, memory, ps.rcPaint.left, ps.rcPaint.top, SRCCOPY);
    } else {
        paint(dc, client);
    }
    EndPaint(m_hwnd, &ps);
}

void Form1::paint(HDC dc, const RECT &client)
{
    FillRect(dc, &client, m_whiteBrush.get());
    const COLORREF controlText = GetSysColor(COLOR_BTNTEXT);
    // Bottom-most first, so that each control lies above those below it in the stacking order.
    for (auto it = std::rbegin(Boxes); it != std::rend(Boxes); ++it) {
        const RECT r = controlRect(it->control);
        switch (it->control) {
        case Control::Label1:
        case Control::Label3:
            FillRect(dc, &r, m_navyBrush.get());
            break;
        case Control::Label2:
            drawLabel(dc, Control::Label2, controlText);
            break;
        case Control::Label4:
            drawLabel(dc, Control::Label4, m_linkColour);
            break;
        case Control::Image2:
            Pictures::drawStretched(dc, m_photo.get(), r);
            break;
        case Control::Line1: {
            ScopedGdiObj<HBRUSH> orange(CreateSolidBrush(Orange));
            FillRect(dc, &r, orange.get());
            break;
        }
        case Control::Label8:
            drawLabel(dc, Control::Label8, controlText);
            break;
        case Control::Image1:
            Pictures::drawStretched(dc, m_banner, r);
            break;
        case Control::Label6:
            drawLabel(dc, Control::Label6, Navy);
            break;
        default:
            break; // the windowed controls draw themselves
        }
    }
}

const std::wstring *Form1::caption(Control control) const
{
    switch (control) {
    case Control::Label2:
        return &m_label2;
    case Control::Label4:
        return &m_label4;
    case Control::Label6:
        return &m_label6;
    case Control::Label8:
        return &m_label8;
    default:
        return nullptr;
    }
}

HFONT Form1::labelFont(Control control) const
{
    switch (control) {
    case Control::Label2:
        return m_fontLabel2.get();
    case Control::Label4:
        return m_fontLabel4.get();
    case Control::Label6:
        return m_fontLabel6.get();
    case Control::Label8:
        return m_fontLabel8.get();
    default:
        return nullptr;
    }
}

std::wstring Form1::shownText(Control control) const
{
    const std::wstring *text = caption(control);
    if (!text)
        return {};
    if (control == Control::Label2)
        return *text;
    ScopedGetDC dc(m_hwnd);
    ScopedSelectObject selected(dc, labelFont(control));
    const RECT r = controlRect(control);
    const auto measure = [&dc](std::string_view piece) {
        const std::wstring wide = Utf8::toWide(std::string(piece));
        SIZE size {};
        GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
        return static_cast<int>(size.cx);
    };
    return Utf8::toWide(firstLine(Utf8::fromWide(*text), r.right - r.left, measure));
}

void Form1::drawLabel(HDC dc, Control control, COLORREF colour)
{
    if (!caption(control))
        return;
    const std::wstring text = shownText(control);
    RECT r = controlRect(control);
    ScopedSelectObject selected(dc, labelFont(control));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colour);
    // Left-aligned from the top and cut off at the box's edges; Label2 breaks at words
    // into its box, the others show their first line.
    const UINT lines = control == Control::Label2 ? DT_WORDBREAK : DT_SINGLELINE;
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_LEFT | DT_TOP | DT_NOPREFIX | lines);
}

void Form1::onDrawItem(const DRAWITEMSTRUCT &item)
{
    if (item.CtlID >= IdImage1 && item.CtlID <= IdLabel8) {
        // A reader window shows the window's own painting of its box, drawn off screen
        // and copied at once, so a repaint (Label4's hover) shows no steps between.
        RECT box {};
        GetWindowRect(item.hwndItem, &box);
        MapWindowPoints(nullptr, m_hwnd, reinterpret_cast<POINT *>(&box), 2);
        RECT client {};
        GetClientRect(m_hwnd, &client);
        const int width = box.right - box.left;
        const int height = box.bottom - box.top;
        ScopedMemoryDC memory(item.hDC);
        ScopedGdiObj<HBITMAP> canvas(CreateCompatibleBitmap(item.hDC, width, height));
        if (!memory || !canvas)
            return;
        ScopedSelectObject selected(memory, canvas.get());
        SetViewportOrgEx(memory, -box.left, -box.top, nullptr);
        paint(memory, client);
        SetViewportOrgEx(memory, 0, 0, nullptr);
        BitBlt(item.hDC, 0, 0, width, height, memory, 0, 0, SRCCOPY);
        return;
    }
    HBITMAP picture = nullptr;
    if (item.hwndItem == m_command1)
        picture = m_goPicture.get();
    else if (item.hwndItem == m_cmdAfslut)
        picture = m_exitPicture.get();
    else
        return;
    HDC dc = item.hDC;
    RECT r = item.rcItem;
    const bool pressed = item.itemState & ODS_SELECTED;
    ScopedGdiObj<HBRUSH> face(CreateSolidBrush(ButtonFace));
    FillRect(dc, &r, face.get());

    RECT inner = r;
    InflateRect(&inner, -2, -2);
    BITMAP info {};
    if (picture && GetObjectW(picture, sizeof info, &info)) {
        // Centred and cut off at the button's edges, every colour drawn (no transparency),
        // at the 100 % picture's size for the DPI.
        const int width = MulDiv(info.bmWidth, m_dpi, Dpi::Standard * m_drawing);
        const int height = MulDiv(info.bmHeight, m_dpi, Dpi::Standard * m_drawing);
        const int shift = pressed ? 1 : 0;
        const int x = r.left + (r.right - r.left - width) / 2 + shift;
        const int y = r.top + (r.bottom - r.top - height) / 2 + shift;
        const int saved = SaveDC(dc);
        IntersectClipRect(dc, inner.left, inner.top, inner.right, inner.bottom);
        ScopedMemoryDC source(dc);
        ScopedSelectObject selected(source, picture);
        // A larger drawing is filtered down to the box (HALFTONE wants the brush origin
        // reset); the 100 % drawing keeps its pixels as they are.
        SetStretchBltMode(dc, m_drawing > 1 ? HALFTONE : COLORONCOLOR);
        if (m_drawing > 1)
            SetBrushOrgEx(dc, 0, 0, nullptr);
        StretchBlt(dc, x, y, width, height, source, 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
        RestoreDC(dc, saved);
    }
    DrawEdge(dc, &r, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT)) {
        RECT focus = inner;
        InflateRect(&focus, -1, -1);
        DrawFocusRect(dc, &focus);
    }
}
