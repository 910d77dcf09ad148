#include "tests/support/FormHarness.h"
#include "window/qt/FrmGraphics.h"
#include "window/qt/LineControl.h"
#include "window/qt/PictureButton.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

class TestForm1Layout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void windowSize();
    void controls_data();
    void controls();
    void stackingOrder();
    void looks();
    void focusAndTabOrder();
    void pointersAndTooltips();
    void menuTree();
    void artworkWindow();
};

void TestForm1Layout::windowSize()
{
    FormHarness h({QStringLiteral("index.htm|Welcome")});
    Form1 &form = h.make();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QWidget *client = form.centralWidget();
    QCOMPARE(client->size(), QSize(592, 304));
    QCOMPARE(client->mapTo(&form, QPoint(0, 0)), QPoint(0, form.menuBar()->height()));
    QCOMPARE(form.size(), QSize(592, 304 + form.menuBar()->height()));
    QVERIFY2(form.minimumSize() == form.maximumSize(),
             qPrintable(QStringLiteral("resizable: min %1x%2, max %3x%4")
                            .arg(form.minimumWidth())
                            .arg(form.minimumHeight())
                            .arg(form.maximumWidth())
                            .arg(form.maximumHeight())));
    QVERIFY(!(form.windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(form.windowFlags() & Qt::WindowMinimizeButtonHint);
    QVERIFY(form.windowFlags() & Qt::WindowCloseButtonHint);
    QCOMPARE(form.windowTitle(), QStringLiteral("Startprogram"));
    QVERIFY(!form.windowIcon().isNull());
    QCOMPARE(client->palette().color(QPalette::Window), QColor(Qt::white));
}

void TestForm1Layout::controls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("box");
    QTest::newRow("Combo1") << "Combo1" << QRect(88, 48, 449, 21);
    QTest::newRow("Check1") << "Check1" << QRect(352, 272, 177, 17);
    QTest::newRow("Command1") << "Command1" << QRect(536, 248, 41, 43);
    QTest::newRow("cmdAfslut") << "cmdAfslut" << QRect(16, 248, 41, 43);
    QTest::newRow("Label6") << "Label6" << QRect(88, 24, 265, 25);
    QTest::newRow("Image1") << "Image1" << QRect(432, 8, 153, 32);
    QTest::newRow("Label8") << "Label8" << QRect(88, 248, 393, 25);
    QTest::newRow("Line1") << "Line1" << QRect(88, 248, 441, 2);
    QTest::newRow("Image2") << "Image2" << QRect(0, 0, 73, 44);
    QTest::newRow("Label4") << "Label4" << QRect(88, 84, 113, 17);
    QTest::newRow("Label3") << "Label3" << QRect(0, 0, 73, 393);
    QTest::newRow("Label2") << "Label2" << QRect(88, 112, 489, 145);
    QTest::newRow("Label1") << "Label1" << QRect(0, 80, 625, 25);
}

void TestForm1Layout::controls()
{
    QFETCH(QString, name);
    QFETCH(QRect, box);
    FormHarness h;
    h.make();
    QWidget *w = h.form->centralWidget()->findChild<QWidget *>(name, Qt::FindDirectChildrenOnly);
    QVERIFY2(w, qPrintable(name));
    QCOMPARE(w->geometry(), box);
}

void TestForm1Layout::stackingOrder()
{
    FormHarness h;
    h.make();
    // Top-most first, as the layout lists them.
    const QStringList topToBottom {"Combo1", "Check1", "Command1", "cmdAfslut", "Label6", "Image1", "Label8",
                                   "Line1",  "Image2", "Label4",   "Label3",    "Label2", "Label1"};
    QStringList bottomToTop;
    for (QObject *child : h.form->centralWidget()->children())
        if (child->isWidgetType() && topToBottom.contains(child->objectName()))
            bottomToTop.prepend(child->objectName());
    QCOMPARE(bottomToTop, topToBottom);

    // Where they overlap, the picture lies on the bar and the link on the other bar.
    QWidget *client = h.form->centralWidget();
    QCOMPARE(client->childAt(30, 20)->objectName(), QStringLiteral("Image2"));
    QCOMPARE(client->childAt(30, 100)->objectName(), QStringLiteral("Label3"));
    QCOMPARE(client->childAt(100, 90)->objectName(), QStringLiteral("Label4"));
    QCOMPARE(client->childAt(300, 90)->objectName(), QStringLiteral("Label1"));
}

void TestForm1Layout::looks()
{
    FormHarness h;
    h.make();
    const QColor navy(0, 0, 128);

    auto *combo = h.find<QComboBox>("Combo1");
    QVERIFY(!combo->isEditable());
    QCOMPARE(combo->palette().color(QPalette::Base), navy);
    QCOMPARE(combo->palette().color(QPalette::Text), QColor(255, 255, 192));
    QCOMPARE(combo->palette().color(QPalette::ButtonText), QColor(255, 255, 192));

    auto *check = h.find<QCheckBox>("Check1");
    QCOMPARE(check->palette().color(check->backgroundRole()), QColor(Qt::white));
    QVERIFY(check->autoFillBackground());
    QCOMPARE(check->palette().color(QPalette::WindowText), navy);
    QCOMPARE(check->font().family(), QStringLiteral("Arial"));
    QCOMPARE(check->font().pointSizeF(), 8.25);
    QCOMPARE(check->layoutDirection(), Qt::LeftToRight); // the text reads as written; the box is drawn at the right

    const auto labelLooks = [&](const char *name, qreal points, bool bold, const QColor &colour) {
        auto *l = h.find<QLabel>(name);
        QCOMPARE(l->font().pointSizeF(), points);
        QCOMPARE(l->font().bold(), bold);
        QCOMPARE(l->palette().color(QPalette::WindowText), colour);
        QCOMPARE(l->alignment(), Qt::AlignLeft | Qt::AlignTop);
        QVERIFY(!l->autoFillBackground());
    };
    labelLooks("Label6", 14.25, false, navy);
    labelLooks("Label4", 11.25, true, QColor(Qt::white));
    labelLooks("Label2", 9.75, false, h.form->centralWidget()->palette().color(QPalette::WindowText));
    labelLooks("Label8", 8.25, false, h.form->centralWidget()->palette().color(QPalette::WindowText));
    QCOMPARE(h.find<QLabel>("Label8")->font().family(), QStringLiteral("Arial Unicode MS"));
    QVERIFY(h.find<QLabel>("Label2")->wordWrap());
    QVERIFY(!h.find<QLabel>("Label8")->wordWrap());

    for (const char *bar : {"Label1", "Label3"}) {
        auto *l = h.find<QLabel>(bar);
        QVERIFY(l->autoFillBackground());
        QCOMPARE(l->palette().color(QPalette::Window), navy);
        QVERIFY(l->text().isEmpty());
    }
    QCOMPARE(h.find<LineControl>("Line1")->colour(), QColor(255, 128, 0));

    auto *go = h.find<PictureButton>("Command1");
    QCOMPARE(go->faceColour(), QColor(192, 192, 192));
    QCOMPARE(go->picture().size(), QSize(31, 30));
    QCOMPARE(h.find<PictureButton>("cmdAfslut")->picture().size(), QSize(46, 39));
    QVERIFY(h.find<QLabel>("Image2")->hasScaledContents());
    QVERIFY(h.find<QLabel>("Image1")->hasScaledContents());

    // Drawn as designed: navy bar, white ground, the exit picture cut at the button's edges.
    const QImage shot = h.form->centralWidget()->grab().toImage();
    QCOMPARE(shot.pixelColor(10, 200), navy);
    QCOMPARE(shot.pixelColor(300, 90), navy);
    QCOMPARE(shot.pixelColor(300, 200), QColor(Qt::white));
    QCOMPARE(shot.pixelColor(300, 248), QColor(255, 128, 0));
    QCOMPARE(shot.pixelColor(591, 303), QColor(Qt::white));
}

void TestForm1Layout::focusAndTabOrder()
{
    FormHarness h({QStringLiteral("index.htm|Welcome")});
    Form1 &form = h.make();
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Command1"));
    QStringList order;
    for (int i = 0; i < 4; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(order, (QStringList {"cmdAfslut", "Check1", "Combo1", "Command1"}));

    // Only four controls take the focus.
    for (QWidget *w : form.centralWidget()->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
        const bool focusable = w->focusPolicy() & Qt::TabFocus;
        QCOMPARE(focusable, QStringList({"Combo1", "Check1", "Command1", "cmdAfslut"}).contains(w->objectName()));
    }
}

void TestForm1Layout::pointersAndTooltips()
{
    FormHarness h;
    h.make();
    for (QWidget *w : h.form->centralWidget()->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
        const bool hand = QStringList({"Command1", "cmdAfslut", "Label4"}).contains(w->objectName());
        QCOMPARE(w->testAttribute(Qt::WA_SetCursor), hand);
        if (hand) {
            QCOMPARE(w->cursor().shape(), Qt::BitmapCursor);
            QCOMPARE(w->cursor().hotSpot(), QPoint(12, 1));
            QCOMPARE(w->cursor().pixmap().size(), QSize(32, 32));
        }
    }
    QCOMPARE(h.find<QWidget>("Command1")->toolTip(), QStringLiteral("Go!"));
    QCOMPARE(h.find<QWidget>("cmdAfslut")->toolTip(), QStringLiteral("Exit"));
}

void TestForm1Layout::menuTree()
{
    FormHarness h;
    h.make();
    QStringList tree;
    std::function<void(const QList<QAction *> &, int)> walk = [&](const QList<QAction *> &actions, int level) {
        for (QAction *a : actions) {
            tree << QStringLiteral("%1 %2 %3%4")
                        .arg(level)
                        .arg(a->objectName(), a->isSeparator() ? "-" : a->text(), a->isEnabled() ? "" : " (off)");
            if (a->menu())
                walk(a->menu()->actions(), level + 1);
        }
    };
    walk(h.form->menuBar()->actions(), 1);
    const QStringList expected {
        "1 mnuFiler &Files",
        "2 mnuStart &Go!",
        "2 mnuSS -",
        "2 mnuAfslut &Exit",
        "1 mnuFeatures F&eatures",
        "2 mnuMakeShortcut Create shortcut on desktop",
        "1 mnuInformation &Information",
        "2 mnuOm About this StartupProgram",
        "2 mnuAboutUse About using the StartupProgram",
        "2 mnuS -",
        "2 mnuVarnholt &Varnholt Online (off)",
        "3 mnuInfoVarnholt www.&varnholt-dk.example",
        "3 mnuVarnholtCom www.varnholt.&example",
        "3 s - (off)",
        "3 mnuOnlineStoej Varnholt &Acoustics (off)",
        "2 mnuKontakt E-mail",
        "3 mnuMailVarnholt Varnholt DK (info@varnholt.example)",
        "3 sssss -",
        QString::fromUtf8("3 mnuMailContactA Mette Kjær (mette.kjaer@varnholt.example)"),
        QString::fromUtf8("3 mnuMailContactB Søren Dal (soeren.dal@varnholt.example)"),
    };
    QCOMPARE(tree, expected);

    // Nothing in the switched-off submenu can be chosen: its menu is disabled as a whole.
    QVERIFY(!h.find<QMenu>("mnuVarnholt")->isEnabled());
    h.find<QAction>("mnuOnlineStoej")->trigger();
    QVERIFY(h.shell.targets.empty());
    QVERIFY(h.messages.shown.empty());
    for (QAction *a : h.form->findChildren<QAction *>())
        QVERIFY2(a->shortcut().isEmpty() && !a->isCheckable(), qPrintable(a->objectName()));
}

void TestForm1Layout::artworkWindow()
{
    FormHarness h;
    h.make();
    FrmGraphics *graphics = h.form->graphics();
    QCOMPARE(graphics, h.form->graphics()); // made once
    QVERIFY(!graphics->isVisible());
    QCOMPARE(graphics->windowTitle(), QStringLiteral("Form2"));
    QCOMPARE(graphics->image13()->objectName(), QStringLiteral("Image13"));
    QCOMPARE(graphics->image13()->pixmap().size(), QSize(282, 58));
    // The banner fills Image1's box whatever its own size.
    QCOMPARE(h.find<QLabel>("Image1")->pixmap().cacheKey(), graphics->image13()->pixmap().cacheKey());
    h.form->show();
    QVERIFY(!graphics->isVisible());
}

QTEST_MAIN(TestForm1Layout)
#include "test_form1_layout.moc"
