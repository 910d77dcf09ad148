#include "tests/support/FormHarness.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMouseEvent>
#include <QTest>

namespace {

const QStringList Entries {
    QStringLiteral("index.htm|Welcome page"),
    QStringLiteral("http://www.varnholt.example/|Varnholt on the web"),
    QStringLiteral("HTTPS://WWW.VARNHOLT.EXAMPLE/SUPPORT|Support"),
    QStringLiteral("Http|Four letters"),
    QStringLiteral("Product sheets\\Overview.htm|Overview"),
};

QString instruction(const QString &target)
{
    return QStringLiteral("This program serves as an entry-point for calling specified files or webpages.\n\n"
                          "If the command doesn't execute, you can execute it manually by running:\n\"")
        + target + QStringLiteral("\".\n\nPress the Accept-sign at the bottom to the right to go!");
}

// Counts how often a widget's palette changes.
class PaletteChanges : public QObject
{
public:
    int count = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::PaletteChange)
            ++count;
        return false;
    }
};

void moveOver(QWidget *widget)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), widget->mapToGlobal(QPointF(2, 2)), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

} // namespace

class TestForm1Behaviour : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void loadWithEntries();
    void loadInFolderWithSpaces();
    void loadWithEmptyList();
    void loadWithMoreThanCapacity();
    void go_data();
    void go();
    void countdown();
    void checkBoxStores();
    void exitPaths_data();
    void exitPaths();
    void escapeGoesToOtherWindows();
    void hover();
    void informationCommands();
    void shortcutCommand();
};

void TestForm1Behaviour::loadWithEntries()
{
    FormHarness h(Entries);
    h.make();
    auto *combo = h.find<QComboBox>("Combo1");
    QCOMPARE(combo->count(), Entries.size());
    QCOMPARE(combo->currentIndex(), 0);
    QCOMPARE(combo->currentText(), QStringLiteral("Welcome page"));
    QCOMPARE(combo->itemText(4), QStringLiteral("Overview"));
    QCOMPARE(h.state.startTarget, QStringLiteral("/media/cdrom/index.htm"));
    QCOMPARE(h.find<QLabel>("Label2")->text(), instruction(QStringLiteral("/media/cdrom/index.htm")));
    QCOMPARE(h.find<QLabel>("Label6")->text(), QStringLiteral("Choose:"));
    QCOMPARE(h.find<QLabel>("Label4")->text(), QStringLiteral("Introduction:"));
    QCOMPARE(h.find<QLabel>("Label4")->toolTip(), QStringLiteral("About using this program..."));
    QCOMPARE(h.find<QLabel>("Label8")->text(),
             QChar(169) + QStringLiteral(" Varnholt Danmark A/S 2003. All rights reserved."));
    QCOMPARE(h.find<QCheckBox>("Check1")->text(), QStringLiteral("Leave this program running"));
    QVERIFY(h.shell.targets.isEmpty()); // loading launches nothing

    // Choosing another entry shows its target; a web address is shown unchanged.
    combo->setCurrentIndex(2);
    QCOMPARE(h.find<QLabel>("Label2")->text(), instruction(QStringLiteral("HTTPS://WWW.VARNHOLT.EXAMPLE/SUPPORT")));
    combo->setCurrentIndex(4);
    QCOMPARE(h.state.startTarget, QStringLiteral("/media/cdrom/Product sheets/Overview.htm"));
}

void TestForm1Behaviour::loadInFolderWithSpaces()
{
    FormHarness h(Entries);
    h.location.dir = QStringLiteral("/media/user/My CD");
    h.make();
    const QStringList lines = h.find<QLabel>("Label2")->text().split(u'\n');
    QCOMPARE(lines.size(), 6);
    QCOMPARE(lines[3], QStringLiteral("\"/media/user/My CD/index.htm\"."));

    FormHarness root(Entries);
    root.location.dir = QStringLiteral("/");
    root.make();
    QCOMPARE(root.state.startTarget, QStringLiteral("/index.htm"));
}

void TestForm1Behaviour::loadWithEmptyList()
{
    FormHarness h;
    h.state.startTarget = QStringLiteral("Presumptions.htm");
    h.make();
    QCOMPARE(h.find<QComboBox>("Combo1")->count(), 0);
    QCOMPARE(h.find<QLabel>("Label2")->text(), instruction(QStringLiteral("/media/cdrom/Presumptions.htm")));
    h.find<QAbstractButton>("Command1")->click();
    QCOMPARE(h.shell.targets, QStringList {"/media/cdrom/Presumptions.htm"});
}

void TestForm1Behaviour::loadWithMoreThanCapacity()
{
    FormHarness h;
    h.state.entryList.setCount(32767);
    for (int i = 1; i <= EntryList::Capacity; ++i)
        h.state.entryList.setEntry(i, QStringLiteral("f%1").arg(i), QStringLiteral("d%1").arg(i));
    h.make();
    auto *combo = h.find<QComboBox>("Combo1");
    QCOMPARE(combo->count(), 1000);
    combo->setCurrentIndex(999);
    h.find<QAbstractButton>("Command1")->click();
    QCOMPARE(h.shell.targets, QStringList {"/media/cdrom/f1000"});
}

void TestForm1Behaviour::go_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("target");
    QTest::newRow("file") << 0 << "/media/cdrom/index.htm";
    QTest::newRow("http") << 1 << "http://www.varnholt.example/";
    QTest::newRow("HTTPS in capitals") << 2 << "HTTPS://WWW.VARNHOLT.EXAMPLE/SUPPORT";
    QTest::newRow("four letters HTTP is a file") << 3 << "/media/cdrom/Http";
    QTest::newRow("backslash path") << 4 << "/media/cdrom/Product sheets/Overview.htm";
}

void TestForm1Behaviour::go()
{
    QFETCH(int, position);
    QFETCH(QString, target);
    FormHarness h(Entries);
    h.make();
    h.find<QComboBox>("Combo1")->setCurrentIndex(position);
    // What the window shows is what Go runs.
    QVERIFY(h.find<QLabel>("Label2")->text().contains(u'"' + target + QStringLiteral("\".")));
    h.find<QAbstractButton>("Command1")->click();
    h.find<QAction>("mnuStart")->trigger();
    QCOMPARE(h.shell.targets, (QStringList {target, target}));
    QVERIFY(h.messages.shown.isEmpty());

    // A missing file: the launch error, and the countdown starts all the same.
    FormHarness missing(Entries);
    missing.shell.result = Shell::Result::FileNotFound;
    missing.make();
    missing.find<QComboBox>("Combo1")->setCurrentIndex(position);
    missing.find<QAbstractButton>("Command1")->click();
    QCOMPARE(missing.messages.shown.size(), 1);
    QCOMPARE(missing.messages.shown[0].title, QStringLiteral("Command aborted"));
    QCOMPARE(missing.messages.shown[0].text.split(u'\n').at(3), target);
    QVERIFY(missing.countdown.isActive());
}

void TestForm1Behaviour::countdown()
{
    FormHarness h(Entries, /*closeAfterLaunch=*/true);
    h.make();
    auto *check = h.find<QCheckBox>("Check1");
    QVERIFY(!check->isChecked());
    QVERIFY(!h.countdown.isActive());

    h.find<QAbstractButton>("Command1")->click();
    QVERIFY(h.countdown.isActive());
    QCOMPARE(h.countdown.interval(), 1000);
    for (int i = 1; i <= 5; ++i)
        h.countdown.tick();
    h.find<QAbstractButton>("Command1")->click(); // a second Go neither restarts nor extends it
    QCOMPARE(h.countdown.starts, 1);
    check->click(); // "Leave this program running" now does not stop a countdown that runs
    QVERIFY(check->isChecked());
    for (int i = 6; i <= 9; ++i)
        h.countdown.tick();
    QCOMPARE(h.ending.calls, 0); // not on tick 9
    h.countdown.tick();
    QCOMPARE(h.ending.calls, 1); // on tick 10
    h.countdown.tick();
    QCOMPARE(h.ending.calls, 1); // nothing runs after the end
    h.find<QAbstractButton>("Command1")->click();
    QCOMPARE(h.shell.targets.size(), 2);

    // With the box set, Go launches and no countdown starts.
    FormHarness keep(Entries, /*closeAfterLaunch=*/false);
    keep.make();
    QVERIFY(keep.find<QCheckBox>("Check1")->isChecked());
    keep.find<QAbstractButton>("Command1")->click();
    QCOMPARE(keep.shell.targets.size(), 1);
    QVERIFY(!keep.countdown.isActive());
}

void TestForm1Behaviour::checkBoxStores()
{
    // Stored False: the load sets the box, whose handler stores False again.
    FormHarness h(Entries, false);
    h.make();
    QCOMPARE(h.settings.writes.size(), 1);
    QCOMPARE(h.settings.values.value("Zezuzav/LukVedStart"), QStringLiteral("False"));

    auto *check = h.find<QCheckBox>("Check1");
    check->click();
    QVERIFY(h.state.closeAfterLaunch);
    QCOMPARE(h.settings.values.value("Zezuzav/LukVedStart"), QStringLiteral("True"));
    check->click();
    QVERIFY(!h.state.closeAfterLaunch);
    QCOMPARE(h.settings.values.value("Zezuzav/LukVedStart"), QStringLiteral("False"));

    // Stored True: the box stays cleared and the load writes nothing.
    FormHarness first(Entries, true);
    first.make();
    QVERIFY(first.settings.writes.isEmpty());
}

void TestForm1Behaviour::exitPaths_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("exit button") << "button";
    QTest::newRow("Files Exit") << "menu";
    QTest::newRow("Esc on Go") << "esc-go";
    QTest::newRow("Esc in the list") << "esc-list";
    QTest::newRow("close box") << "close";
}

void TestForm1Behaviour::exitPaths()
{
    QFETCH(QString, path);
    FormHarness h(Entries);
    Form1 &form = h.make();
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    if (path == "button")
        h.find<QAbstractButton>("cmdAfslut")->click();
    else if (path == "menu")
        h.find<QAction>("mnuAfslut")->trigger();
    else if (path == "esc-go")
        QTest::keyClick(h.find<QWidget>("Command1"), Qt::Key_Escape);
    else if (path == "esc-list") {
        auto *combo = h.find<QComboBox>("Combo1");
        combo->setFocus();
        QTest::keyClick(combo, Qt::Key_Escape);
    } else
        form.close();
    QCOMPARE(h.ending.calls, 1);

    // Other keys go on to the control that has the focus.
    FormHarness keys(Entries);
    Form1 &other = keys.make();
    other.show();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    auto *combo = keys.find<QComboBox>("Combo1");
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Down);
    QCOMPARE(combo->currentIndex(), 1);
    QCOMPARE(keys.ending.calls, 0);
}

void TestForm1Behaviour::escapeGoesToOtherWindows()
{
    // Esc meant for another window (a message box, the open list) does not end the program.
    FormHarness h(Entries);
    Form1 &form = h.make();
    QWidget other;
    other.show();
    QVERIFY(QTest::qWaitForWindowExposed(&other));
    QTest::keyClick(&other, Qt::Key_Escape);
    QCOMPARE(h.ending.calls, 0);

    // Esc while the list is dropped down closes the list only; a second Esc ends the program.
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    auto *combo = h.find<QComboBox>("Combo1");
    combo->setFocus();
    combo->showPopup();
    QWidget *popup = combo->view()->window();
    QVERIFY(QTest::qWaitForWindowExposed(popup));
    QTest::keyClick(combo->view(), Qt::Key_Escape);
    QTRY_VERIFY(!popup->isVisible());
    QCOMPARE(h.ending.calls, 0);
    QTest::keyClick(combo, Qt::Key_Escape);
    QCOMPARE(h.ending.calls, 1);
}

void TestForm1Behaviour::hover()
{
    FormHarness h(Entries);
    h.make();
    auto *link = h.find<QLabel>("Label4");
    PaletteChanges changes;
    link->installEventFilter(&changes);
    const auto colour = [&] { return link->palette().color(QPalette::WindowText); };

    moveOver(link);
    QCOMPARE(colour(), QColor(255, 192, 128));
    moveOver(link);
    moveOver(link);
    QCOMPARE(changes.count, 1); // written only when it changes

    for (const char *keeps : {"Image2", "Label6", "Label8", "Combo1", "Command1", "Image1"}) {
        moveOver(h.find<QWidget>(keeps));
        QVERIFY2(colour() == QColor(255, 192, 128), keeps);
    }
    moveOver(h.find<QWidget>("Label1"));
    QCOMPARE(colour(), QColor(Qt::white));
    QCOMPARE(changes.count, 2);
    moveOver(h.find<QWidget>("Label2"));
    moveOver(h.form->centralWidget());
    QCOMPARE(changes.count, 2);

    for (const char *off : {"Label2", "Label3"}) {
        moveOver(link);
        moveOver(h.find<QWidget>(off));
        QVERIFY2(colour() == QColor(Qt::white), off);
    }
    moveOver(link);
    moveOver(h.form->centralWidget());
    QCOMPARE(colour(), QColor(Qt::white));
}

void TestForm1Behaviour::informationCommands()
{
    FormHarness h(Entries);
    h.make();
    const QString before = h.state.startTarget;

    h.find<QAction>("mnuOm")->trigger();
    QCOMPARE(h.messages.shown.size(), 1);
    const auto &about = h.messages.shown[0];
    QCOMPARE(about.icon, MessageBoxes::Icon::Information);
    QCOMPARE(about.buttons, MessageBoxes::Buttons::Ok);
    QCOMPARE(about.title, QStringLiteral("About..."));
    QCOMPARE(about.text,
             QString::fromUtf8("VARNHOLT DANMARK A/S\n"
                               "Acoustics & Vibration Department\n"
                               "\n"
                               "Program for running specified files from Varnholt.\n"
                               "\n"
                               "CD-start-program - version 1.11UK\n"
                               "\xc2\xa9 Varnholt Danmark A/S 2003. All rights reserved.\n"
                               "Programmed by Jens Aabjerg, Varnholt Danmark"));
    QCOMPARE(about.text.split(u'\n').size(), 8);

    // The usage page, missing beside the program: the launch error names the joined path.
    h.shell.result = Shell::Result::FileNotFound;
    h.find<QAction>("mnuAboutUse")->trigger();
    QCOMPARE(h.shell.targets.last(), QStringLiteral("/media/cdrom/Presumptions.htm"));
    QCOMPARE(h.messages.shown.size(), 2);
    QCOMPARE(h.messages.shown[1].text.split(u'\n').at(3), QStringLiteral("/media/cdrom/Presumptions.htm"));

    // A click on the link label does the same.
    h.shell.result = Shell::Result::Started;
    auto *link = h.find<QLabel>("Label4");
    QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(h.shell.targets.size(), 2);
    QCOMPARE(h.shell.targets.last(), QStringLiteral("/media/cdrom/Presumptions.htm"));

    h.find<QAction>("mnuMailVarnholt")->trigger();
    h.find<QAction>("mnuMailContactA")->trigger();
    h.find<QAction>("mnuMailContactB")->trigger();
    QCOMPARE(h.shell.targets.mid(2),
             (QStringList {"mailto:info@varnholt.example", "mailto:mette.kjaer@varnholt.example",
                           "mailto:soeren.dal@varnholt.example"}));
    // None of them touches the launch target or the countdown.
    QCOMPARE(h.state.startTarget, before);
    QVERIFY(!h.countdown.isActive());
}

void TestForm1Behaviour::shortcutCommand()
{
    FormHarness h(Entries);
    h.make();
    h.find<QAction>("mnuMakeShortcut")->trigger();
    QCOMPARE(h.messages.shown.size(), 1);
    QCOMPARE(h.messages.shown[0].icon, MessageBoxes::Icon::Question);
    QVERIFY(h.launchers.files.isEmpty());

    h.messages.answerToQuestions = MessageBoxes::Answer::Yes;
    h.find<QAction>("mnuMakeShortcut")->trigger();
    QCOMPARE(h.launchers.files.size(), 2); // the launcher and its icon
    QVERIFY(QImage::fromData(h.launchers.files.value(h.launchers.icons + "/zezuzav-quillmere.png")).size()
            == QSize(32, 32));
}

QTEST_MAIN(TestForm1Behaviour)
#include "test_form1_behaviour.moc"
