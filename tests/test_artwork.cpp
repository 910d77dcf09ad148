#include "window/qt/Artwork.h"

#include <QFile>
#include <QImage>
#include <QSet>
#include <QTest>
#include <QtEndian>

namespace {

QByteArray bytes(const char *path)
{
    QFile file(QString::fromLatin1(path));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", path);
    return file.readAll();
}

quint16 u16(const QByteArray &b, int at)
{
    return qFromLittleEndian<quint16>(b.constData() + at);
}

quint32 u32(const QByteArray &b, int at)
{
    return qFromLittleEndian<quint32>(b.constData() + at);
}

} // namespace

class TestArtwork : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void iconAndCursor();
    void bitmaps_data();
    void bitmaps();
    void largerDrawings_data();
    void largerDrawings();
    void gifs();
    void photograph();
    void qtReadsEveryPicture();
};

void TestArtwork::iconAndCursor()
{
    // Icon: one 32 x 32 image, 8 bits with a 256-colour palette and an AND mask.
    const QByteArray ico = bytes(Artwork::WindowIcon);
    QCOMPARE(u16(ico, 2), quint16(1));
    QCOMPARE(u16(ico, 4), quint16(1));
    QCOMPARE(quint8(ico[6]), quint8(32));
    QCOMPARE(quint8(ico[7]), quint8(32));
    const int dib = int(u32(ico, 18));
    QCOMPARE(u32(ico, dib), quint32(40));
    QCOMPARE(qint32(u32(ico, dib + 8)), 64); // colour rows and mask rows
    QCOMPARE(u16(ico, dib + 14), quint16(8));
    const int pixels = dib + 40 + 256 * 4;
    QCOMPARE(ico.size(), pixels + 32 * 32 + 32 * 4);
    QSet<quint8> used;
    int transparent = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const bool masked = quint8(ico[pixels + 1024 + y * 4 + x / 8]) & (0x80 >> (x % 8));
            transparent += masked;
            if (!masked)
                used.insert(quint8(ico[pixels + y * 32 + x]));
        }
    }
    QVERIFY2(transparent > 100 && transparent < 1000, qPrintable(QString::number(transparent)));
    QVERIFY2(used.size() >= 3 && used.size() <= 6, qPrintable(QString::number(used.size())));

    // Cursor: one 32 x 32 image, 16 colours, hot spot at 12, 1.
    const QByteArray cur = bytes(Artwork::HandCursor);
    QCOMPARE(u16(cur, 2), quint16(2));
    QCOMPARE(u16(cur, 4), quint16(1));
    QCOMPARE(quint8(cur[6]), quint8(32));
    QCOMPARE(quint8(cur[8]), quint8(16));
    QCOMPARE(u16(cur, 10), quint16(12));
    QCOMPARE(u16(cur, 12), quint16(1));
    QCOMPARE(u16(cur, int(u32(cur, 18)) + 14), quint16(4));
    QCOMPARE(Artwork::cursorHotSpot(cur), QPoint(12, 1));
    QCOMPARE(Artwork::cursorHotSpot(ico), QPoint(0, 0)); // an icon has no hot spot
    QCOMPARE(Artwork::cursorHotSpot(QByteArray("\0\0\2\0", 4)), QPoint(0, 0));
}

void TestArtwork::bitmaps_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<QColor>("ground");
    QTest::newRow("tick") << Artwork::GoPicture << 31 << 30 << QColor(191, 191, 191);
    QTest::newRow("exit door") << Artwork::ExitPicture << 46 << 39 << QColor(192, 192, 192);
}

void TestArtwork::bitmaps()
{
    QFETCH(QString, path);
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(QColor, ground);
    const QByteArray bmp = bytes(qPrintable(path));
    QVERIFY(bmp.startsWith("BM"));
    QCOMPARE(qint32(u32(bmp, 18)), width);
    QCOMPARE(qint32(u32(bmp, 22)), height);
    QCOMPARE(u16(bmp, 28), quint16(24));
    const QImage image = QImage::fromData(bmp);
    QCOMPARE(image.size(), QSize(width, height));
    QCOMPARE(image.pixelColor(0, 0), ground);
}

void TestArtwork::largerDrawings_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QPoint>("hotSpot"); // cursors only
    QTest::newRow("tick 200 %") << Artwork::GoDrawings[1] << QSize(62, 60) << QPoint();
    QTest::newRow("tick 300 %") << Artwork::GoDrawings[2] << QSize(93, 90) << QPoint();
    QTest::newRow("exit door 200 %") << Artwork::ExitDrawings[1] << QSize(92, 78) << QPoint();
    QTest::newRow("exit door 300 %") << Artwork::ExitDrawings[2] << QSize(138, 117) << QPoint();
    QTest::newRow("hand 200 %") << Artwork::HandDrawings[1] << QSize(64, 64) << QPoint(24, 2);
    QTest::newRow("hand 300 %") << Artwork::HandDrawings[2] << QSize(96, 96) << QPoint(36, 3);
}

void TestArtwork::largerDrawings()
{
    // The same formats as the 100 % pictures (24-bit BMP; a 16-colour cursor), at two and
    // three times their size, the hot spot scaled with the hand.
    QFETCH(QString, path);
    QFETCH(QSize, size);
    QFETCH(QPoint, hotSpot);
    const QByteArray file = bytes(qPrintable(path));
    if (hotSpot.isNull()) {
        QVERIFY(file.startsWith("BM"));
        QCOMPARE(u16(file, 28), quint16(24));
    } else {
        QCOMPARE(Artwork::cursorHotSpot(file), hotSpot);
        QCOMPARE(u16(file, int(u32(file, 18)) + 14), quint16(4));
    }
    QCOMPARE(QImage::fromData(file).size(), size);
}

void TestArtwork::gifs()
{
    struct Gif
    {
        const char *path;
        int width, height, tableSize;
    };
    for (const Gif &g : {Gif {Artwork::LogoPicture, 225, 56, 256}, Gif {Artwork::Banner, 282, 58, 2}}) {
        const QByteArray gif = bytes(g.path);
        QVERIFY(gif.startsWith("GIF89a"));
        QCOMPARE(int(u16(gif, 6)), g.width);
        QCOMPARE(int(u16(gif, 8)), g.height);
        const quint8 flags = quint8(gif[10]);
        QVERIFY(flags & 0x80);
        QCOMPARE(2 << (flags & 7), g.tableSize);
        const int extension = 13 + 3 * g.tableSize;
        QCOMPARE(quint8(gif[extension]), quint8(0x21));
        QCOMPARE(quint8(gif[extension + 1]), quint8(0xF9));
        QVERIFY(quint8(gif[extension + 3]) & 1); // one transparent colour
        const QImage image = QImage::fromData(gif);
        QCOMPARE(image.size(), QSize(g.width, g.height));
        QVERIFY(image.hasAlphaChannel());
        QCOMPARE(image.pixelColor(0, 0).alpha(), 0);
    }
    // The banner is black on transparent white.
    const int transparent = quint8(bytes(Artwork::Banner)[13 + 6 + 6]);
    QCOMPARE(transparent, 0);
    QCOMPARE(bytes(Artwork::Banner).mid(13, 6), QByteArray("\xff\xff\xff\0\0\0", 6));
}

void TestArtwork::photograph()
{
    const QByteArray jpg = bytes(Artwork::Photograph);
    QVERIFY(jpg.startsWith("\xff\xd8"));
    const auto sof0 = jpg.indexOf("\xff\xc0");
    QVERIFY2(sof0 > 0, "no baseline frame");
    QVERIFY(!jpg.contains("\xff\xc2")); // not progressive
    QCOMPARE(qFromBigEndian<quint16>(jpg.constData() + sof0 + 5), quint16(92));
    QCOMPARE(qFromBigEndian<quint16>(jpg.constData() + sof0 + 7), quint16(148));
    QCOMPARE(quint8(jpg[sof0 + 9]), quint8(3));
    const QImage image = QImage::fromData(jpg);
    QCOMPARE(image.size(), QSize(148, 92));
    const QColor centre = image.pixelColor(74, 46);
    QVERIFY2(centre.blue() > centre.red(), "blue and teal tones");
}

void TestArtwork::qtReadsEveryPicture()
{
    for (const char *path : {Artwork::WindowIcon, Artwork::HandCursor, Artwork::GoPicture, Artwork::ExitPicture,
                             Artwork::LogoPicture, Artwork::Photograph, Artwork::Banner})
        QVERIFY2(!Artwork::picture(path).isNull(), path);
    QVERIFY(QImage::fromData(Artwork::windowIconPng(), "PNG").size() == QSize(32, 32));
    QCOMPARE(Artwork::handCursor().hotSpot(), QPoint(12, 1));
}

QTEST_MAIN(TestArtwork)
#include "test_artwork.moc"
