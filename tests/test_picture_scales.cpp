// The button pictures and the hand pointer at the screen's scale. Run once at 100 % and
// once with QT_SCALE_FACTOR=2: at 100 % every pixel is the artwork's; above, the picture
// is the larger drawing filtered to the box, never the small one blown up.
#include "tests/support/FormHarness.h"
#include "window/qt/Artwork.h"
#include "window/qt/PictureButton.h"

#include <QTest>

namespace {

// Mean absolute difference per channel over the part of `shown` that lies inside `inside`,
// `shown` holding the picture with its top left corner at `at`.
double meanDifference(const QImage &shot, const QImage &picture, QPoint at, const QRect &inside)
{
    const QRect area = inside & QRect(at, picture.size());
    qint64 sum = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb a = shot.pixel(x, y);
            const QRgb b = picture.pixel(x - at.x(), y - at.y());
            sum += qAbs(qRed(a) - qRed(b)) + qAbs(qGreen(a) - qGreen(b)) + qAbs(qBlue(a) - qBlue(b));
        }
    return area.isEmpty() ? 255.0 : double(sum) / (3.0 * area.width() * area.height());
}

} // namespace

class TestPictureScales : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void buttonPictures_data();
    void buttonPictures();
    void handPointer();
};

void TestPictureScales::buttonPictures_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("drawing"); // the index of the drawing at two times the size
    QTest::newRow("Go, the tick") << "Command1" << 0;
    QTest::newRow("Exit, the door cut at the edges") << "cmdAfslut" << 1;
}

void TestPictureScales::buttonPictures()
{
    QFETCH(QString, button);
    QFETCH(int, drawing);
    const char *const *drawings = drawing == 0 ? Artwork::GoDrawings : Artwork::ExitDrawings;
    FormHarness h;
    h.make().show();
    QVERIFY(QTest::qWaitForWindowExposed(h.form.get()));
    auto *b = h.find<PictureButton>(qPrintable(button));
    b->clearFocus(); // no focus frame over the picture
    const qreal ratio = b->devicePixelRatioF();
    const int scale = qRound(ratio); // whole scales only here: 1 or 2
    const QImage shot = b->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage small = QImage(QString::fromLatin1(drawings[0])).convertToFormat(QImage::Format_RGB32);
    // Centred in the button, cut at the 2-pixel border (in the shot's device pixels).
    const QPoint at = QPoint((b->width() - small.width()) / 2, (b->height() - small.height()) / 2) * scale;
    const QRect inside = QRect(QPoint(0, 0), b->size() * scale).adjusted(2 * scale, 2 * scale, -2 * scale, -2 * scale);

    if (scale == 1) {
        QCOMPARE(meanDifference(shot, small, at, inside), 0.0);
        return;
    }
    QCOMPARE(ratio, 2.0);
    const QImage doubled = small.scaled(small.size() * 2); // pixel for pixel
    const QImage twice = QImage(QString::fromLatin1(drawings[1])).convertToFormat(QImage::Format_RGB32);
    const double fromTwice = meanDifference(shot, twice, at, inside);
    const double fromDoubled = meanDifference(shot, doubled, at, inside);
    QVERIFY2(fromTwice < 1.0, qPrintable(QStringLiteral("differs from the 200 % drawing by %1").arg(fromTwice)));
    QVERIFY2(fromDoubled > 2.0,
             qPrintable(QStringLiteral("the 100 % picture blown up (difference %1)").arg(fromDoubled)));
}

void TestPictureScales::handPointer()
{
    FormHarness h;
    h.make();
    const qreal ratio = h.form->devicePixelRatioF();
    for (const char *name : {"Command1", "cmdAfslut", "Label4"}) {
        const QCursor cursor = h.find<QWidget>(name)->cursor();
        QCOMPARE(cursor.shape(), Qt::BitmapCursor);
        // The display's other pointers are 32 device-independent pixels.
        QCOMPARE(cursor.pixmap().deviceIndependentSize(), QSizeF(32, 32));
        QCOMPARE(cursor.pixmap().size(), QSize(32, 32) * ratio);
        QCOMPARE(cursor.hotSpot(), QPoint(12, 1));
    }
}

QTEST_MAIN(TestPictureScales)
#include "test_picture_scales.moc"
