#pragma once

#include <QByteArray>
#include <QString>

// The information file is 8-bit text written on any desktop: valid UTF-8 (with
// or without a byte-order mark) is read as UTF-8, anything else as Windows-1252.
QString decodeInformationText(const QByteArray &bytes);

// Windows-1252 to text; the five bytes it leaves undefined map to the same code points.
QString fromWindows1252(const QByteArray &bytes);
