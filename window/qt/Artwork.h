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

// A picture by its resource path.
QPixmap picture(const char *path);

// The hot spot written in a cursor file's header; Qt reads the picture but not this.
QPoint cursorHotSpot(const QByteArray &curFile);

// The hand pointer, with the hot spot its file names.
QCursor handCursor();

// The window icon as PNG bytes, for a desktop launcher.
QByteArray windowIconPng();

} // namespace Artwork
