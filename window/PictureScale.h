#pragma once

// The button pictures and the hand pointer are drawn at 1, 2 and 3 times their size.
// A screen at a higher scale shows the drawing of the next size up, filtered down to
// the box, so that no picture is ever blown up below 300 %.
namespace PictureScale {

constexpr int Largest = 3;

// The drawing (1, 2 or 3 times the size) to show at a scale (1.0 is 100 %).
constexpr int drawingFor(double scale)
{
    if (scale <= 1.0)
        return 1;
    if (scale <= 2.0)
        return 2;
    return Largest;
}

} // namespace PictureScale
