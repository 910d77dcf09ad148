#pragma once

#include "window/Form1View.h"

#include <windows.h>

// What Form1's window code and its painting share: colours, control identifiers and the
// layout's boxes.
namespace Form1Parts {

const COLORREF Navy = RGB(0, 0, 128);
const COLORREF LightYellow = RGB(255, 255, 192);
const COLORREF Orange = RGB(255, 128, 0);
const COLORREF ButtonFace = RGB(192, 192, 192);
const COLORREF White = RGB(255, 255, 255);

// Control identifiers; none is IDOK or IDCANCEL, so the dialog manager's Enter and
// Esc reach no control: there is no default or cancel button.
enum ControlId : WORD { IdCombo1 = 1001, IdCheck1, IdCommand1, IdCmdAfslut };
// The windows a screen reader reads the drawn labels and the banner through.
enum ReaderId : WORD { IdImage1 = 1101, IdLabel6, IdLabel4, IdLabel2, IdLabel8 };

// The layout in twips, top-most first in the stacking order.
struct Box
{
    Control control;
    int left, top, width, height;
};
constexpr Box Boxes[] = {
    {Control::Combo1, 1320, 720, 6735, 315},
    {Control::Check1, 5280, 4080, 2655, 255},
    {Control::Command1, 8040, 3720, 615, 640},
    {Control::cmdAfslut, 240, 3720, 615, 640},
    {Control::Label6, 1320, 360, 3975, 375},
    {Control::Image1, 6480, 120, 2295, 480},
    {Control::Label8, 1320, 3720, 5895, 375},
    {Control::Line1, 1320, 3720, 6600, 0}, // from 1320,3720 to 7920,3720, 2 px wide
    {Control::Image2, 0, 0, 1095, 660},
    {Control::Label4, 1320, 1260, 1695, 255},
    {Control::Label3, 0, 0, 1095, 5895},
    {Control::Label2, 1320, 1680, 7335, 2175},
    {Control::Label1, 0, 1200, 9375, 375},
};
constexpr int LineWidthPixels = 2;
constexpr int OpenListHeightPixels = 200; // the list when it is opened

} // namespace Form1Parts
