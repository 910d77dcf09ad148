#include "window/qt/Artwork.h"

#include "window/PictureScale.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QtEndian>

namespace Artwork {

QPixmap picture(const char *path)
{
    return QPixmap(QString::fromLatin1(path));
}

QPoint cursorHotSpot(const QByteArray &curFile)
{
    // ICONDIR (6 bytes), then the first entry: width, height, colours, reserved,
    // then hot spot x and y as 16-bit little-endian values. Type 2 marks a cursor.
    if (curFile.size() < 22 || qFromLittleEndian<quint16>(curFile.constData() + 2) != 2)
        return {0, 0};
    return {qFromLittleEndian<quint16>(curFile.constData() + 10), qFromLittleEndian<quint16>(curFile.constData() + 12)};
}

QCursor handCursor(qreal devicePixelRatio)
{
    const int drawing = PictureScale::drawingFor(devicePixelRatio);
    QFile file(QString::fromLatin1(HandDrawings[drawing - 1]));
    const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    QPixmap pixmap;
    pixmap.loadFromData(bytes, "ICO");
    if (pixmap.isNull())
        return QCursor(Qt::PointingHandCursor);
    const QPoint hot = cursorHotSpot(bytes);
    if (drawing == 1)
        return QCursor(pixmap, hot.x(), hot.y());
    // The pointer keeps the size of the display's others: 32 device-independent pixels.
    const int side = qRound(32 * devicePixelRatio);
    if (pixmap.width() != side)
        pixmap = pixmap.scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    // QCursor takes the hot spot in device-independent pixels.
    return QCursor(pixmap, hot.x() / drawing, hot.y() / drawing);
}

QByteArray windowIconPng()
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImage(QString::fromLatin1(WindowIcon)).save(&buffer, "PNG");
    return png;
}

} // namespace Artwork
