#pragma once

#include <QByteArray>
#include <QCursor>
#include <QPixmap>
#include <QPoint>

// The pictures compiled into the program.
namespace Artwork {

inline constexpr char WindowIcon[] = ":/artwork/startprogram.ico";
inline constexpr char HandCursor[] = ":/artwork/hand.cur";
inline constexpr char GoPicture[] = ":/artwork/go.bmp";
inline constexpr char ExitPicture[] = ":/artwork/exit.bmp";
inline constexpr char LogoPicture[] = ":/artwork/logo.gif";
inline constexpr char Photograph[] = ":/artwork/photo.jpg";
inline constexpr char Banner[] = ":/artwork/banner.gif";

// The tick, the door and the hand drawn at 1, 2 and 3 times their size, by PictureScale's drawing.
inline constexpr const char *GoDrawings[] = {GoPicture, ":/artwork/go-2x.bmp", ":/artwork/go-3x.bmp"};
inline constexpr const char *ExitDrawings[] = {ExitPicture, ":/artwork/exit-2x.bmp", ":/artwork/exit-3x.bmp"};
inline constexpr const char *HandDrawings[] = {HandCursor, ":/artwork/hand-2x.cur", ":/artwork/hand-3x.cur"};

// A picture by its resource path.
QPixmap picture(const char *path);

// The hot spot written in a cursor file's header; Qt reads the picture but not this.
QPoint cursorHotSpot(const QByteArray &curFile);

// The hand pointer for a device pixel ratio, with the hot spot its file names: at 1 the
// 32 x 32 drawing as it is; above, the next larger drawing, filtered to 32 device-independent
// pixels at the ratio.
QCursor handCursor(qreal devicePixelRatio = 1.0);

// The window icon as PNG bytes, for a desktop launcher.
QByteArray windowIconPng();

} // namespace Artwork
