#include "entries/FieldReader.h"
#include "entries/LoadEntryList.h"
#include "entries/TextDecoding.h"
#include "tests/support/Fakes.h"
#include "texts/TextTable.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <stdexcept>
#include <sys/stat.h>

class TestEntries : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void fields_data();
    void fields();
    void decoding_data();
    void decoding();
    void loadEntryList_data();
    void loadEntryList();
    void missingFileAndRoot();
    void capacity();
    void badInput_data();
    void badInput();
    void pipeNamedInfoTxt();

private:
    EntryList load(const QByteArray &content, FakeMessageBoxes &messages, const QString &name = "info.txt");

    TextTable m_texts;
};

void TestEntries::initTestCase()
{
    FillTextTable(m_texts);
}

EntryList TestEntries::load(const QByteArray &content, FakeMessageBoxes &messages, const QString &name)
{
    QTemporaryDir dir;
    QFile file(dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(file.fileName()));
    file.write(content);
    file.close();
    return LoadEntryList(dir.path(), m_texts, TextTable::English, messages);
}

void TestEntries::fields_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("fields");

    QTest::newRow("one per line, quoted pairs, CR LF") << "2\r\n\"a.htm\",\"First\"\r\n\"b.pdf\",\"Second\"\r\n"
                                                       << QStringList {"2", "a.htm", "First", "b.pdf", "Second"};
    QTest::newRow("LF only") << "1\n\"a\",\"b\"\n" << QStringList {"1", "a", "b"};
    QTest::newRow("CR only") << "1\r\"a\",\"b\"\r" << QStringList {"1", "a", "b"};
    QTest::newRow("quoted comma stays") << "\"x, y\",z" << QStringList {"x, y", "z"};
    QTest::newRow("unquoted comma splits") << "x, y" << QStringList {"x", "y"};
    QTest::newRow("blanks around unquoted fields") << "  a b  ,\t c \n" << QStringList {"a b", "c"};
    QTest::newRow("blanks inside quotes kept") << "\"  a  \"" << QStringList {"  a  "};
    QTest::newRow("blank lines skipped") << "1\n\n\n\"a\"\n\n\"b\"" << QStringList {"1", "a", "b"};
    QTest::newRow("empty field between commas") << "a,,b" << QStringList {"a", "", "b"};
    QTest::newRow("trailing comma gives an empty field") << "a,\nb" << QStringList {"a", "", "b"};
    QTest::newRow("text after closing quote dropped") << "\"a\"xyz,b" << QStringList {"a", "b"};
    QTest::newRow("unterminated quote takes the rest") << "\"a,b\nc" << QStringList {"a,b\nc"};
    QTest::newRow("backslash is an ordinary character") << "docs\\manual.pdf" << QStringList {"docs\\manual.pdf"};
    QTest::newRow("empty text") << "" << QStringList {};
}

void TestEntries::fields()
{
    QFETCH(QString, text);
    QFETCH(QStringList, fields);
    FieldReader reader(text);
    QStringList seen;
    while (const std::optional<QString> field = reader.next()) {
        seen << *field;
        QVERIFY2(seen.size() < 100, "the reader does not end");
    }
    QCOMPARE(seen, fields);
}

void TestEntries::decoding_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");

    const QString vaelg = QString::fromUtf8("Vælg én fil – på dansk");
    QTest::newRow("Windows-1252") << QByteArray("V\xe6lg \xe9n fil \x96 p\xe5 dansk") << vaelg;
    QTest::newRow("UTF-8") << vaelg.toUtf8() << vaelg;
    QTest::newRow("UTF-8 with byte-order mark") << QByteArray("\xef\xbb\xbf") + vaelg.toUtf8() << vaelg;
    QTest::newRow("euro and quotes") << QByteArray("\x80 \x93x\x94") << QString::fromUtf8("€ “x”");
    QTest::newRow("plain ASCII") << QByteArray("abc") << QStringLiteral("abc");
}

void TestEntries::decoding()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(decodeInformationText(bytes), text);
}

void TestEntries::loadEntryList_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("count");
    QTest::addColumn<QStringList>("entries"); // file|description for positions 1..n
    QTest::addColumn<int>("messages");

    QTest::newRow("empty file") << QByteArray() << 0 << QStringList {} << 1;
    QTest::newRow("count 0") << QByteArray("0\r\n\"a\",\"b\"\r\n") << 0 << QStringList {} << 0;
    QTest::newRow("negative count") << QByteArray("-4\r\n\"a\",\"b\"\r\n") << -4 << QStringList {} << 0;
    QTest::newRow("count 3 with five entries")
        << QByteArray("3\r\n\"1\",\"one\"\r\n\"2\",\"two\"\r\n\"3\",\"three\"\r\n\"4\",\"four\"\r\n\"5\",\"five\"\r\n")
        << 3 << QStringList {"1|one", "2|two", "3|three"} << 0;
    QTest::newRow("quoted commas") << QByteArray("1\n\"a.htm\",\"Prices, terms and more\"\n") << 1
                                   << QStringList {"a.htm|Prices, terms and more"} << 0;
    QTest::newRow("unquoted comma splits the description")
        << QByteArray("2\n\"a.htm\",Prices, terms\n\"b\",\"c\"\n") << 2 << QStringList {"a.htm|Prices", "terms|b"} << 0;
    QTest::newRow("CR line ends") << QByteArray("1\r\"a\",\"b\"\r") << 1 << QStringList {"a|b"} << 0;
    QTest::newRow("LF line ends") << QByteArray("1\n\"a\",\"b\"\n") << 1 << QStringList {"a|b"} << 0;
    QTest::newRow("short of its count: one message")
        << QByteArray("5\r\n\"a\",\"A\"\r\n\"b\"\r\n") << 5 << QStringList {"a|A", "b|"} << 1;
    QTest::newRow("count above 16 bits") << QByteArray("40000\r\n\"a\",\"b\"\r\n") << 0 << QStringList {} << 1;
    QTest::newRow("count not a number") << QByteArray("three\r\n\"a\",\"b\"\r\n") << 0 << QStringList {} << 1;
    QTest::newRow("count with decimals") << QByteArray("1.5\r\n\"a\",\"b\"\r\n") << 0 << QStringList {} << 1;
    QTest::newRow("quoted count") << QByteArray("\"1\"\r\n\"a\",\"b\"\r\n") << 1 << QStringList {"a|b"} << 0;
    QTest::newRow("Windows-1252 Danish") << QByteArray("1\r\n\"l\xe6s mig.txt\",\"V\xe6lg \xf8l og \xe5l\"\r\n") << 1
                                         << QStringList {QString::fromUtf8("læs mig.txt|Vælg øl og ål")} << 0;
    QTest::newRow("UTF-8 Danish") << QString::fromUtf8("1\r\n\"læs mig.txt\",\"Vælg øl og ål\"\r\n").toUtf8() << 1
                                  << QStringList {QString::fromUtf8("læs mig.txt|Vælg øl og ål")} << 0;
    QTest::newRow("backslash in a file field is kept")
        << QByteArray("1\r\n\"Docs\\Manual.PDF\",\"Manual\"\r\n") << 1 << QStringList {"Docs\\Manual.PDF|Manual"} << 0;
}

void TestEntries::loadEntryList()
{
    QFETCH(QByteArray, content);
    QFETCH(int, count);
    QFETCH(QStringList, entries);
    QFETCH(int, messages);

    FakeMessageBoxes boxes;
    const EntryList list = load(content, boxes);
    QCOMPARE(int(list.count()), count);
    for (int i = 0; i < entries.size(); ++i)
        QCOMPARE(list.file(i + 1) + u'|' + list.description(i + 1), entries[i]);
    for (int i = int(entries.size()) + 1; i <= EntryList::Capacity; ++i)
        QVERIFY2(list.file(i).isEmpty() && list.description(i).isEmpty(), qPrintable(QString::number(i)));
    QVERIFY(list.file(0).isEmpty());
    QCOMPARE(boxes.shown.size(), messages);
    for (const auto &box : boxes.shown) {
        QCOMPARE(box.icon, MessageBoxes::Icon::Stop);
        QCOMPARE(box.buttons, MessageBoxes::Buttons::Ok);
        QCOMPARE(box.title, QStringLiteral("ERROR"));
        QCOMPARE(
            box.text,
            QStringLiteral("An error occured while opening the information-file bundled with this StartupProgram.\n\n"
                           "If the problem has occured while starting from a CD received by Varnholt\n"
                           "please contact us at phone +45 00 00 00 00 or mail support@varnholt.example"));
    }
}

void TestEntries::missingFileAndRoot()
{
    QTemporaryDir dir;
    FakeMessageBoxes boxes;
    const EntryList missing = LoadEntryList(dir.path(), m_texts, TextTable::English, boxes);
    QCOMPARE(missing.count(), std::int16_t(0));
    QCOMPARE(boxes.shown.size(), 2);

    // A folder named info.txt cannot be read either.
    FakeMessageBoxes folderBoxes;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("info.txt")));
    LoadEntryList(dir.path(), m_texts, TextTable::English, folderBoxes);
    QCOMPARE(folderBoxes.shown.size(), 2);

    // A medium written with other letter case: INFO.TXT;1 is found.
    QTemporaryDir disc;
    QFile file(disc.filePath(QStringLiteral("INFO.TXT;1")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("1\r\n\"a\",\"b\"\r\n");
    file.close();
    FakeMessageBoxes discBoxes;
    QCOMPARE(LoadEntryList(disc.path(), m_texts, TextTable::English, discBoxes).count(), std::int16_t(1));
    QCOMPARE(discBoxes.shown.size(), 0);
}

void TestEntries::capacity()
{
    // 1001 entries announced and present: 1000 kept, one message for position 1001.
    QByteArray content("1001\r\n");
    for (int i = 1; i <= 1001; ++i)
        content += "\"f" + QByteArray::number(i) + "\",\"d" + QByteArray::number(i) + "\"\r\n";
    FakeMessageBoxes boxes;
    const EntryList list = load(content, boxes);
    QCOMPARE(int(list.count()), 1001);
    QCOMPARE(list.usableCount(), 1000);
    QCOMPARE(list.description(1000), QStringLiteral("d1000"));
    QCOMPARE(boxes.shown.size(), 1);
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, list.file(1001));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, list.description(-1));

    // The largest count with no entries: one message, not thousands.
    FakeMessageBoxes many;
    const EntryList big = load("32767\r\n", many);
    QCOMPARE(int(big.count()), 32767);
    QCOMPARE(many.shown.size(), 1);
    QCOMPARE(big.usableCount(), 1000);
}

void TestEntries::badInput_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("messages");
    QTest::addColumn<int>("lastDescriptionSize"); // size of the description at the last usable position

    QByteArray garbage(4096, Qt::Uninitialized);
    quint32 seed = 12345;
    for (char &c : garbage) {
        seed = seed * 1103515245u + 12345u;
        c = char(seed >> 24);
    }
    QTest::newRow("binary garbage") << garbage << 0 << 1 << -1;

    QByteArray fifty("3\r\n\"a\",\"A\"\r\n\"b\",\"B\"\r\n\"c\",\"C\"\r\n");
    fifty += QByteArray(qsizetype(50) * 1024 * 1024, 'z');
    QTest::newRow("50 MB long") << fifty << 3 << 0 << 1;

    QTest::newRow("one line of 10 MB") << QByteArray("1\r\n\"a\",\"") + QByteArray(qsizetype(10) * 1024 * 1024, 'x')
            + QByteArray("\"\r\n") << 1 << 0
                                       << 10 * 1024 * 1024;
    QTest::newRow("NUL bytes") << QByteArray("2\r\n\"a\0b\",\"c\0\"\r\n\0,\0\r\n", 21) << 2 << 0 << 1;
    QTest::newRow("unterminated quote") << QByteArray("2\r\n\"a\",\"b\r\n\"c\",d") << 2 << 1 << 0;

    QByteArray thousand("1000\r\n");
    const QByteArray description(10000, 'd');
    for (int i = 1; i <= 1000; ++i)
        thousand += "\"f" + QByteArray::number(i) + "\",\"" + description + "\"\r\n";
    QTest::newRow("1000 entries of 10000 characters") << thousand << 1000 << 0 << 10000;
}

void TestEntries::badInput()
{
    QFETCH(QByteArray, content);
    QFETCH(int, count);
    QFETCH(int, messages);
    QFETCH(int, lastDescriptionSize);
    FakeMessageBoxes boxes;
    const EntryList list = load(content, boxes);
    QCOMPARE(int(list.count()), count);
    QCOMPARE(boxes.shown.size(), messages);
    if (lastDescriptionSize >= 0)
        QCOMPARE(int(list.description(list.usableCount()).size()), list.usableCount() ? lastDescriptionSize : 0);
}

void TestEntries::pipeNamedInfoTxt()
{
    // A pipe would block the open for ever: it is not a file the program reads.
    QTemporaryDir dir;
    QVERIFY(::mkfifo(QFile::encodeName(dir.filePath(QStringLiteral("info.txt"))).constData(), 0600) == 0);
    FakeMessageBoxes boxes;
    QCOMPARE(LoadEntryList(dir.path(), m_texts, TextTable::English, boxes).count(), std::int16_t(0));
    QCOMPARE(boxes.shown.size(), 2);
}

QTEST_GUILESS_MAIN(TestEntries)
#include "test_entries.moc"
