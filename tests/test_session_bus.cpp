// Which session bus the program takes before Qt starts: the session's own, one
// autolaunched for the display before it, or none; never one it would start itself.
#include "platform/qt/SessionBus.h"

#include <QTest>

using Text = std::optional<std::string>;
Q_DECLARE_METATYPE(Text)

class TestSessionBus : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void programAddress_data();
    void programAddress();
    void machineId_data();
    void machineId();
};

void TestSessionBus::programAddress_data()
{
    QTest::addColumn<Text>("address"); // DBUS_SESSION_BUS_ADDRESS
    QTest::addColumn<bool>("userBus"); // $XDG_RUNTIME_DIR/bus is this user's socket
    QTest::addColumn<Text>("display"); // DISPLAY
    QTest::addColumn<Text>("onDisplay"); // the bus announced on the display
    QTest::addColumn<Text>("expected"); // what the program sets for itself (none: leaves it)
    QTest::addColumn<bool>("asksX"); // whether the display had to be asked

    const Text own = "unix:path=/run/user/1000/bus";
    const Text announced = "unix:path=/tmp/dbus-Ab12,guid=0123456789abcdef0123456789abcdef";
    QTest::newRow("the session's address") << own << false << Text(":0") << announced << Text() << false;
    QTest::newRow("an empty address is none: the bus autolaunched before")
        << Text("") << false << Text(":0") << announced << announced << true;
    QTest::newRow("the user bus socket") << Text() << true << Text(":0") << announced << Text() << false;
    QTest::newRow("no display: nothing autolaunches") << Text() << false << Text() << announced << Text() << false;
    QTest::newRow("an empty display") << Text() << false << Text("") << announced << Text() << false;
    QTest::newRow("a bus autolaunched before") << Text() << false << Text(":1") << announced << announced << true;
    QTest::newRow("no bus at all") << Text() << false << Text(":1") << Text() << Text("disabled:") << true;
    QTest::newRow("an empty announcement") << Text() << false << Text(":1") << Text("") << Text("disabled:") << true;
}

void TestSessionBus::programAddress()
{
    QFETCH(Text, address);
    QFETCH(bool, userBus);
    QFETCH(Text, display);
    QFETCH(Text, onDisplay);
    QFETCH(Text, expected);
    QFETCH(bool, asksX);
    bool asked = false;
    const Text chosen = SessionBus::programAddress({address, userBus, display}, [&] {
        asked = true;
        return onDisplay;
    });
    QVERIFY2(chosen == expected, chosen ? chosen->c_str() : "(left as it is)");
    QCOMPARE(asked, asksX);
}

void TestSessionBus::machineId_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<Text>("expected");
    const std::string id = "3d1219c7c4c5404aaa1f6d2a48adfda4";
    QTest::newRow("with its line feed") << QByteArray::fromStdString(id + "\n") << Text(id);
    QTest::newRow("blanks around") << QByteArray::fromStdString(" \t" + id + "\r\n") << Text(id);
    QTest::newRow("empty") << QByteArray() << Text();
    QTest::newRow("one digit short") << QByteArray::fromStdString(id.substr(1)) << Text();
    QTest::newRow("one digit too many") << QByteArray::fromStdString(id + "0") << Text();
    QTest::newRow("not hexadecimal") << QByteArray::fromStdString("g" + id.substr(1)) << Text();
}

void TestSessionBus::machineId()
{
    QFETCH(QByteArray, text);
    QFETCH(Text, expected);
    QVERIFY(SessionBus::machineId(text.toStdString()) == expected);
}

QTEST_GUILESS_MAIN(TestSessionBus)
#include "test_session_bus.moc"
