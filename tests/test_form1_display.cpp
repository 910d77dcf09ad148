// What the window really shows on an X display, read back from the screen's pixels.
#include "tests/support/FormHarness.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QScreen>
#include <QTest>

namespace {

// The screen's pixels under a widget, as the display shows them.
QImage screenPixels(QWidget *widget)
{
    QApplication::processEvents();
    const QRect box(widget->mapToGlobal(QPoint(0, 0)), widget->size());
    return widget->screen()->grabWindow(0, box.x(), box.y(), box.width(), box.height()).toImage();
}

// How many pixels of the image have exactly this colour.
int count(const QImage &image, const QColor &colour)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixelColor(x, y) == colour;
    return n;
}

// How many pixels are close to this colour (anti-aliased text is never exactly it).
int near(const QImage &image, const QColor &colour)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            n += qAbs(c.red() - colour.red()) + qAbs(c.green() - colour.green()) + qAbs(c.blue() - colour.blue()) < 60;
        }
    return n;
}

} // namespace

class TestForm1Display : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void openedListIsNavyWithLightYellowText();
    void highlightShowsOnTheScreen();
};

void TestForm1Display::openedListIsNavyWithLightYellowText()
{
    FormHarness h({QStringLiteral("a.htm|First entry"), QStringLiteral("b.htm|Second entry"),
                   QStringLiteral("c.htm|Third entry")});
    Form1 &form = h.make();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    auto *combo = h.find<QComboBox>("Combo1");
    combo->showPopup();
    QWidget *popup = combo->view()->window();
    QVERIFY(QTest::qWaitForWindowExposed(popup));
    QTest::qWait(200);
    const QImage list = screenPixels(combo->view()->viewport());
    const int all = list.width() * list.height();
    const int navy = count(list, QColor(0, 0, 128));
    const int yellow = near(list, QColor(255, 255, 192));
    const int white = count(list, QColor(Qt::white));
    QVERIFY2(navy > all / 4, qPrintable(QStringLiteral("navy %1 of %2 pixels").arg(navy).arg(all)));
    QVERIFY2(yellow > 20, qPrintable(QStringLiteral("light-yellow text: %1 pixels").arg(yellow)));
    QVERIFY2(white < all / 10, qPrintable(QStringLiteral("white %1 of %2 pixels").arg(white).arg(all)));
    combo->hidePopup();
}

void TestForm1Display::highlightShowsOnTheScreen()
{
    FormHarness h({QStringLiteral("a.htm|First entry")});
    Form1 &form = h.make();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QWidget *client = form.centralWidget();
    auto *link = h.find<QLabel>("Label4");
    const QColor highlight(255, 192, 128);

    QTest::mouseMove(client, QPoint(300, 200)); // the background
    QTRY_VERIFY(near(screenPixels(link), highlight) == 0);
    QTest::mouseMove(client, QPoint(150, 92)); // Label4
    QTRY_VERIFY2(near(screenPixels(link), highlight) > 20, "no highlight over Label4");
    QTest::mouseMove(client, QPoint(400, 280)); // the check box leaves it on
    QTest::qWait(100);
    QVERIFY2(near(screenPixels(link), highlight) > 20, "the check box switched the highlight off");
    QTest::mouseMove(client, QPoint(400, 92)); // Label1 switches it off
    QTRY_VERIFY2(near(screenPixels(link), highlight) == 0, "Label1 left the highlight on");
}

QTEST_MAIN(TestForm1Display)
#include "test_form1_display.moc"
