#pragma once

#include <windows.h>

// The window's pictures, from the exe's resources.
namespace Pictures {

// A BMP resource as a device-independent bitmap; nullptr when it cannot be loaded.
HBITMAP loadBitmap(HINSTANCE instance, int id);

// A GIF or JPEG resource (RCDATA) decoded with GDI+, loaded at run time from the
// system folder; transparent pixels take the background colour. nullptr when GDI+
// is missing or the picture cannot be decoded: the window then shows no picture.
HBITMAP decode(HINSTANCE instance, int id, COLORREF background);

// Draws a picture stretched to fill the box.
void drawStretched(HDC dc, HBITMAP picture, const RECT &box);

} // namespace Pictures
