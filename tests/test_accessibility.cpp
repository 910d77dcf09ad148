// What a screen reader finds in the window: each control's role and name, what can be
// pressed and what it does, the list's label, and the help text as it changes.
#include "tests/support/FormHarness.h"
#include "texts/ProductTexts.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QTest>

Q_DECLARE_METATYPE(QAccessible::Role)

namespace {

const QStringList Entries {
    QStringLiteral("index.htm|Welcome page"),
    QStringLiteral("second.htm|Second page"),
};

QAccessibleInterface *reader(FormHarness &h, const char *name)
{
    QObject *object = QByteArray(name) == "Form1" ? static_cast<QObject *>(h.form.get()) : h.find<QWidget>(name);
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(object);
    if (!iface)
        qFatal("%s has no accessible interface", name);
    return iface;
}

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void rolesAndNames_data();
    void rolesAndNames();
    void buttonsPress();
    void checkBoxReadsItsState();
    void listIsLabelledByChoose();
    void introductionIsALink();
    void helpTextFollowsTheSelection();
};

void TestAccessibility::rolesAndNames_data()
{
    QTest::addColumn<QByteArray>("object");
    QTest::addColumn<QAccessible::Role>("role");
    QTest::addColumn<QString>("name");

    QTest::newRow("window") << QByteArray("Form1") << QAccessible::Window << QStringLiteral("Startprogram");
    QTest::newRow("Go button by its tooltip") << QByteArray("Command1") << QAccessible::Button << QStringLiteral("Go!");
    QTest::newRow("Exit button by its tooltip")
        << QByteArray("cmdAfslut") << QAccessible::Button << QStringLiteral("Exit");
    QTest::newRow("check box by its caption")
        << QByteArray("Check1") << QAccessible::CheckBox << QStringLiteral("Leave this program running");
    QTest::newRow("list") << QByteArray("Combo1") << QAccessible::ComboBox << QStringLiteral("Welcome page");
    QTest::newRow("introduction link") << QByteArray("Label4") << QAccessible::Link << QStringLiteral("Introduction:");
    QTest::newRow("prompt") << QByteArray("Label6") << QAccessible::StaticText << QStringLiteral("Choose:");
    QTest::newRow("notice") << QByteArray("Label8") << QAccessible::StaticText
                            << QString::fromUtf8("© Varnholt Danmark A/S 2003. All rights reserved.");
    QTest::newRow("banner by the product's name")
        << QByteArray("Image1") << QAccessible::Graphic << QString::fromUtf8(ProductTexts::ProductName);
    QTest::newRow("photograph, unnamed") << QByteArray("Image2") << QAccessible::Graphic << QString();
    QTest::newRow("top bar, unnamed") << QByteArray("Label1") << QAccessible::StaticText << QString();
    QTest::newRow("side bar, unnamed") << QByteArray("Label3") << QAccessible::StaticText << QString();
    QTest::newRow("line, unnamed") << QByteArray("Line1") << QAccessible::Client << QString();
}

void TestAccessibility::rolesAndNames()
{
    QFETCH(QByteArray, object);
    QFETCH(QAccessible::Role, role);
    QFETCH(QString, name);

    FormHarness h(Entries);
    h.make();
    QAccessibleInterface *iface = reader(h, object.constData());
    QCOMPARE(iface->role(), role);
    QCOMPARE(iface->text(QAccessible::Name), name);
}

void TestAccessibility::buttonsPress()
{
    FormHarness h(Entries);
    h.make();
    for (const char *name : {"Command1", "cmdAfslut"}) {
        QAccessibleActionInterface *actions = reader(h, name)->actionInterface();
        QVERIFY2(actions && actions->actionNames().contains(QAccessibleActionInterface::pressAction()), name);
    }
    reader(h, "Command1")->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QTRY_COMPARE(h.shell.targets, std::vector<std::string> {"/media/cdrom/index.htm"});
    QCOMPARE(h.ending.calls, 0);
    reader(h, "cmdAfslut")->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QTRY_COMPARE(h.ending.calls, 1);
}

void TestAccessibility::checkBoxReadsItsState()
{
    FormHarness h(Entries, /*closeAfterLaunch=*/false);
    h.make();
    QAccessibleInterface *iface = reader(h, "Check1");
    QVERIFY(iface->state().checkable);
    QVERIFY(iface->state().checked);
    h.find<QCheckBox>("Check1")->click();
    QVERIFY(!iface->state().checked);
}

void TestAccessibility::listIsLabelledByChoose()
{
    FormHarness h(Entries);
    h.make();
    QAccessibleInterface *list = reader(h, "Combo1");
    QAccessibleInterface *prompt = reader(h, "Label6");
    const auto labels = list->relations(QAccessible::Label);
    QVERIFY2(labels.size() == 1, qPrintable(QString::number(labels.size())));
    QCOMPARE(labels.first().first, prompt);
    QCOMPARE(labels.first().first->text(QAccessible::Name), QStringLiteral("Choose:"));
    // The pairing draws nothing and takes no key: the prompt's text is unchanged.
    QCOMPARE(h.find<QLabel>("Label6")->text(), QStringLiteral("Choose:"));
}

void TestAccessibility::introductionIsALink()
{
    FormHarness h(Entries);
    h.make();
    QAccessibleInterface *link = reader(h, "Label4");
    QCOMPARE(link->role(), QAccessible::Link);
    QCOMPARE(link->text(QAccessible::Description), QStringLiteral("About using this program..."));
    // Followed, never focused: it stays out of the tab order.
    QVERIFY(!link->state().focusable);
    QCOMPARE(h.find<QWidget>("Label4")->focusPolicy(), Qt::NoFocus);

    QAccessibleActionInterface *actions = link->actionInterface();
    QVERIFY(actions);
    QCOMPARE(actions->actionNames(), QStringList {QAccessibleActionInterface::pressAction()});
    actions->doAction(QAccessibleActionInterface::pressAction());
    QTRY_COMPARE(h.shell.targets.size(), 1u);
    QCOMPARE(h.shell.targets.front(), "/media/cdrom/Presumptions.htm");
    // Exactly one launch: the action is not also handled as a click.
    QTest::qWait(50);
    QCOMPARE(h.shell.targets.size(), 1u);

    // A caption the behaviour gives later is the link's name.
    h.form->setCaption(Control::Label4, "Read me");
    QCOMPARE(link->text(QAccessible::Name), QStringLiteral("Read me"));
}

void TestAccessibility::helpTextFollowsTheSelection()
{
    // That the change is also announced is seen through AT-SPI by the e2e_accessibility test:
    // without a platform bridge (offscreen) Qt raises no accessibility events at all.
    FormHarness h(Entries);
    h.make();
    auto *help = h.find<QLabel>("Label2");
    QAccessibleInterface *iface = reader(h, "Label2");
    QCOMPARE(iface->role(), QAccessible::StaticText);
    QVERIFY(iface->text(QAccessible::Name).contains(QStringLiteral("\"/media/cdrom/index.htm\".")));
    h.find<QComboBox>("Combo1")->setCurrentIndex(1);
    QVERIFY(iface->text(QAccessible::Name).contains(QStringLiteral("\"/media/cdrom/second.htm\".")));
    QCOMPARE(iface->text(QAccessible::Name), help->text());
}

QTEST_MAIN(TestAccessibility)
#include "test_accessibility.moc"
