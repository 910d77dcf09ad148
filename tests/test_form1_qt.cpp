// The Qt window forwards its events to the behaviour and shows what it is told.
#include "tests/support/FormHarness.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

namespace {

const QStringList Entries {
    QStringLiteral("index.htm|Welcome page"),
    QStringLiteral("second.htm|Second page"),
    QStringLiteral("https://www.varnholt.example/|Web"),
};

QColor linkColour(FormHarness &h)
{
    return h.find<QLabel>("Label4")->palette().color(QPalette::WindowText);
}

// The columns of an image that hold ink darker than the background, as runs [first, last].
QList<QPair<int, int>> inkRuns(const QImage &image)
{
    QList<QPair<int, int>> runs;
    for (int x = 0; x < image.width(); ++x) {
        bool ink = false;
        for (int y = 0; y < image.height() && !ink; ++y)
            ink = qGray(image.pixel(x, y)) < 160;
        if (ink && (runs.isEmpty() || runs.last().second != x - 1))
            runs.append({x, x});
        else if (ink)
            runs.last().second = x;
    }
    return runs;
}

} // namespace

class TestForm1Qt : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void showsWhatItIsTold();
    void forwardsEvents();
    void hoverOverEveryArea();
    void escapeInMenus();
    void label4ClickOncePerClick();
    void checkBoxCaptionReadsAsWritten();
    void oneLineLabelsShowTheirFirstLine();
};

void TestForm1Qt::showsWhatItIsTold()
{
    FormHarness h(Entries, /*closeAfterLaunch=*/false);
    h.make();
    auto *combo = h.find<QComboBox>("Combo1");
    QCOMPARE(combo->count(), 3);
    QCOMPARE(combo->currentText(), QStringLiteral("Welcome page"));
    QVERIFY(h.find<QLabel>("Label2")->text().contains(QStringLiteral("\"/media/cdrom/index.htm\".")));
    QCOMPARE(h.find<QLabel>("Label6")->text(), QStringLiteral("Choose:"));
    QCOMPARE(h.find<QLabel>("Label8")->text(), QString::fromUtf8("© Varnholt Danmark A/S 2003. All rights reserved."));
    QCOMPARE(h.find<QLabel>("Label4")->toolTip(), QStringLiteral("About using this program..."));
    QCOMPARE(h.find<QMenu>("mnuFeatures")->title(), QStringLiteral("F&eatures"));
    QVERIFY(h.find<QCheckBox>("Check1")->isChecked());
    QVERIFY(!h.find<QLabel>("Image1")->pixmap().isNull());
    // Being told is not an event: filling and setting sent nothing back.
    QCOMPARE(h.settings.writes.size(), 1u); // the load's own store of the box's value
}

void TestForm1Qt::forwardsEvents()
{
    FormHarness h(Entries);
    Form1 &form = h.make();
    h.find<QComboBox>("Combo1")->setCurrentIndex(1);
    QVERIFY(h.find<QLabel>("Label2")->text().contains(QStringLiteral("\"/media/cdrom/second.htm\".")));
    h.find<QAbstractButton>("Command1")->click();
    h.find<QAction>("mnuStart")->trigger();
    QCOMPARE(h.shell.targets, (std::vector<std::string> {"/media/cdrom/second.htm", "/media/cdrom/second.htm"}));
    QVERIFY(h.countdown.isActive());

    h.find<QCheckBox>("Check1")->click();
    QCOMPARE(h.settings.values["Zezuzav/LukVedStart"], "False");

    h.find<QAction>("mnuOm")->trigger();
    h.find<QAction>("mnuMakeShortcut")->trigger();
    QCOMPARE(h.messages.shown.size(), 2u);
    QCOMPARE(h.messages.shown[0].title, "About...");
    QCOMPARE(h.messages.shown[1].icon, MessageBoxes::Icon::Question);
    h.find<QAction>("mnuAboutUse")->trigger();
    h.find<QAction>("mnuMailContactB")->trigger();
    QCOMPARE(h.shell.targets.at(2), "/media/cdrom/Presumptions.htm");
    QCOMPARE(h.shell.targets.at(3), "mailto:soeren.dal@varnholt.example");

    for (const char *way : {"cmdAfslut", "mnuAfslut", "close"}) {
        FormHarness w(Entries);
        Form1 &f = w.make();
        if (QByteArray(way) == "cmdAfslut")
            w.find<QAbstractButton>(way)->click();
        else if (QByteArray(way) == "mnuAfslut")
            w.find<QAction>(way)->trigger();
        else
            f.close();
        QVERIFY2(w.ending.calls == 1, way);
    }
    QCOMPARE(h.ending.calls, 0);
    Q_UNUSED(form);
}

void TestForm1Qt::hoverOverEveryArea()
{
    FormHarness h(Entries);
    Form1 &form = h.make();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QWidget *client = form.centralWidget();
    const QColor highlight(255, 192, 128);
    const QColor white(Qt::white);
    // The window routes each move to the control under the mouse, as a real mouse would.
    const auto moveTo = [&](const QPoint &at) { QTest::mouseMove(client, at); };

    // Over each control: the middle of a part of it that nothing lies on.
    const struct
    {
        const char *name;
        QPoint at;
        bool keeps;
    } areas[] = {
        {"Combo1", {300, 58}, true},    {"Check1", {400, 280}, true},      {"Check1 box", {520, 280}, true},
        {"Command1", {556, 270}, true}, {"cmdAfslut", {36, 270}, true},    {"Image1", {500, 24}, true},
        {"Image2", {30, 20}, true},     {"Line1", {500, 248}, true},       {"Label6", {150, 36}, true},
        {"Label8", {200, 262}, true},   {"background", {300, 300}, false}, {"Label1", {400, 92}, false},
        {"Label2", {300, 180}, false},  {"Label3", {30, 150}, false},
    };
    for (const auto &area : areas) {
        moveTo(QPoint(150, 92)); // Label4
        QVERIFY2(linkColour(h) == highlight, area.name);
        moveTo(area.at);
        moveTo(area.at + QPoint(1, 0));
        QVERIFY2(linkColour(h) == (area.keeps ? highlight : white), area.name);
        QVERIFY2(form.controlAt(area.at) != Control::Label4, area.name);
    }
}

void TestForm1Qt::escapeInMenus()
{
    FormHarness h(Entries);
    Form1 &form = h.make();
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QMenuBar *bar = form.menuBar();

    // An open menu takes the first Esc to close itself, the menu bar in keyboard mode the second.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F, Qt::AltModifier);
    QTRY_VERIFY(QApplication::activePopupWidget() != nullptr);
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
    QTRY_VERIFY(QApplication::activePopupWidget() == nullptr);
    QCOMPARE(h.ending.calls, 0);
    if (QApplication::focusWidget() == bar) {
        QTest::keyClick(bar, Qt::Key_Escape);
        QCOMPARE(h.ending.calls, 0);
    }

    // The menu bar in keyboard mode keeps its Esc too.
    h.find<QWidget>("Command1")->setFocus();
    bar->setFocus(Qt::MenuBarFocusReason);
    QTest::keyClick(bar, Qt::Key_Escape);
    QCOMPARE(h.ending.calls, 0);

    // Back on a control, Alt+Esc is the desktop's; Esc ends the program.
    h.find<QWidget>("Command1")->setFocus();
    QTest::keyClick(h.find<QWidget>("Command1"), Qt::Key_Escape, Qt::AltModifier);
    QCOMPARE(h.ending.calls, 0);
    QTest::keyClick(h.find<QWidget>("Command1"), Qt::Key_Escape);
    QCOMPARE(h.ending.calls, 1);
}

void TestForm1Qt::label4ClickOncePerClick()
{
    FormHarness h(Entries);
    h.make();
    auto *link = h.find<QLabel>("Label4");
    // A double click as the display reports it: a click, then a second press that is
    // also reported as a double click, then its release.
    QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseDClick(link, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(link, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(h.shell.targets.size(), 1u);
    QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(h.shell.targets.size(), 2u);
    // A press that ends outside the label is no click.
    QTest::mousePress(link, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(link, Qt::LeftButton, {}, QPoint(300, 5));
    QCOMPARE(h.shell.targets, (std::vector<std::string>(2, "/media/cdrom/Presumptions.htm")));
}

void TestForm1Qt::checkBoxCaptionReadsAsWritten()
{
    FormHarness h(Entries);
    h.make();
    auto *check = h.find<QCheckBox>("Check1");
    check->setText(QStringLiteral("WWW!"));
    const QImage image = check->grab().toImage();
    const QList<QPair<int, int>> runs = inkRuns(image);
    // "WWW" then "!", right-justified against the box at the right end.
    QVERIFY2(runs.size() >= 2, qPrintable(QString::number(runs.size())));
    const auto width = [](const QPair<int, int> &r) { return r.second - r.first + 1; };
    QVERIFY2(width(runs.last()) < width(runs.first()), "the caption is reversed: \"!\" stands before the text");
    QVERIFY2(runs.last().second > check->width() - 30, "the caption is not beside the box");
    bool boxAtRight = false;
    for (int y = 0; y < image.height(); ++y)
        boxAtRight = boxAtRight || qGray(image.pixel(check->width() - 5, y)) < 250;
    QVERIFY2(boxAtRight, "no box at the right end");
}

void TestForm1Qt::oneLineLabelsShowTheirFirstLine()
{
    FormHarness h(Entries);
    Form1 &form = h.make();
    const std::string words
        = "Words that go on well past the right edge of every one of these boxes, the notice line\x27s "
          "too, which is the widest of them and holds a small font";
    for (const auto &[control, name] : {std::pair {Control::Label4, "Label4"}, std::pair {Control::Label6, "Label6"},
                                        std::pair {Control::Label8, "Label8"}}) {
        form.setCaption(control, words);
        auto *label = h.find<QLabel>(name);
        // The whole caption stays the label's text (a reader reads it all).
        QCOMPARE(label->text(), QString::fromStdString(words));

        // What is drawn, in a box that a second line would show in (taller than one line,
        // smaller than two): ink on the first line, none below it.
        const int lineHeight = label->fontMetrics().height();
        const QRect kept = label->geometry();
        label->resize(label->width(), 2 * label->fontMetrics().lineSpacing() - 2);
        QVERIFY(label->height() > lineHeight + label->fontMetrics().ascent() / 2);
        QImage image(label->size(), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPalette black = label->palette();
        black.setColor(QPalette::WindowText, Qt::black);
        const QPalette keptPalette = label->palette();
        label->setPalette(black);
        label->render(&image);
        label->setPalette(keptPalette);
        label->setGeometry(kept);
        bool inkAbove = false, inkBelow = false;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                (y < lineHeight ? inkAbove : inkBelow) |= qGray(image.pixel(x, y)) < 160;
        QVERIFY2(inkAbove, name);
        QVERIFY2(!inkBelow, qPrintable(name + QStringLiteral(": a second line shows")));
    }
}

QTEST_MAIN(TestForm1Qt)
#include "test_form1_qt.moc"
