// The settings store on a real INI file: exact texts in and out, the user's
// other lines kept, atomic writes under a lock, and unusable files survived.
#include "app/ProgramState.h"
#include "app/Settings.h"
#include "platform/qt/IniSettingsStore.h"
#include "platform/qt/IniText.h"
#include "tests/fuzz/SettingsFileCheck.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <sys/types.h>
#include <thread>
#include <unistd.h>

namespace {

const std::string Section = "Zezuzav";
const std::string Start = "StartSide";
const std::string Close = "LukVedStart";

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

bool writeAll(const QString &path, const QByteArray &content)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(content) == content.size();
}

std::string str(const QString &s)
{
    return s.toStdString();
}

// The file's inode: a rewrite through a temporary file gives the name a new one.
ino_t inodeOf(const QString &path)
{
    struct stat info
    { };
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_ino : 0;
}

bool isPipe(const QString &path)
{
    struct stat info
    { };
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 && S_ISFIFO(info.st_mode);
}

} // namespace

class TestSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void roundTrip();
    void defaultPath();
    void exactTexts_data();
    void exactTexts();
    void readsUserFile_data();
    void readsUserFile();
    void writeKeepsOtherLines_data();
    void writeKeepsOtherLines();
    void sameTextNotRewritten();
    void waitsForAnotherCopysLock();
    void copiesWritingAtOnceKeepBothKeys();
    void unusableStore_data();
    void unusableStore();
    void garbageStoreIsRepaired();
    void loadSettingsKeepsListLikeStartPage();
    void fuzzCorpusBehaves();
};

void TestSettings::roundTrip()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sub/Varnholt Danmark.ini"));
    {
        IniSettingsStore store(str(path));
        QCOMPARE(store.value(Section, Start), std::string());
        store.setValue(Section, Start, "Presumptions.htm");
        store.setValue(Section, Close, "True");
    }
    QCOMPARE(readAll(path), QByteArray("[Zezuzav]\nStartSide=Presumptions.htm\nLukVedStart=True\n"));
    IniSettingsStore again(str(path));
    QCOMPARE(again.value(Section, Close), std::string("True"));
    QCOMPARE(again.value(Section, Start), std::string("Presumptions.htm"));
    QVERIFY2(!QFile::exists(path + QStringLiteral(".lock")), "the lock is given back after a write");
}

void TestSettings::defaultPath()
{
    QTemporaryDir dir;
    const QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
    const QByteArray oldHome = qgetenv("HOME");
    qputenv("XDG_CONFIG_HOME", dir.path().toUtf8());
    QCOMPARE(IniSettingsStore::defaultPath(), str(dir.path() + QStringLiteral("/Varnholt Danmark.ini")));
    qunsetenv("XDG_CONFIG_HOME");
    qputenv("HOME", dir.path().toUtf8());
    QCOMPARE(IniSettingsStore::defaultPath(), str(dir.path() + QStringLiteral("/.config/Varnholt Danmark.ini")));
    qputenv("HOME", oldHome);
    qputenv("XDG_CONFIG_HOME", oldConfig);
}

void TestSettings::exactTexts_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("line"); // the line written, where it matters; empty: any that reads back

    QTest::newRow("list-like") << QByteArray("a,b.htm") << QByteArray("StartSide=a,b.htm");
    QTest::newRow("list with blanks") << QByteArray("a, b, c") << QByteArray("StartSide=a, b, c");
    QTest::newRow("in quotes") << QByteArray("\"page.htm\"") << QByteArray("StartSide=\"\\\"page.htm\\\"\"");
    QTest::newRow("lone quote") << QByteArray("\"") << QByteArray();
    QTest::newRow("quote inside") << QByteArray("say \"hi\".htm") << QByteArray("StartSide=say \"hi\".htm");
    QTest::newRow("leading blank") << QByteArray(" lead.htm") << QByteArray("StartSide=\" lead.htm\"");
    QTest::newRow("trailing blank") << QByteArray("trail.htm ") << QByteArray("StartSide=\"trail.htm \"");
    QTest::newRow("tab around") << QByteArray("\tx\t") << QByteArray();
    QTest::newRow("semicolon") << QByteArray("a;b.htm") << QByteArray("StartSide=\"a;b.htm\"");
    QTest::newRow("leading semicolon") << QByteArray(";x") << QByteArray();
    QTest::newRow("hash") << QByteArray("#top") << QByteArray("StartSide=\"#top\"");
    QTest::newRow("line feed") << QByteArray("two\nlines") << QByteArray("StartSide=\"two\\nlines\"");
    QTest::newRow("carriage return") << QByteArray("cr\r") << QByteArray();
    QTest::newRow("line feed and backslash") << QByteArray("a\\n\nb\\") << QByteArray();
    QTest::newRow("backslashes") << QByteArray("docs\\new\\a.htm") << QByteArray("StartSide=docs\\new\\a.htm");
    QTest::newRow("equals sign") << QByteArray("a=b") << QByteArray("StartSide=a=b");
    QTest::newRow("brackets") << QByteArray("[Zezuzav]") << QByteArray("StartSide=[Zezuzav]");
    QTest::newRow("QSettings variant form") << QByteArray("@Variant(\\0\\0)") << QByteArray();
    QTest::newRow("percent escapes") << QByteArray("50%25 off.htm") << QByteArray("StartSide=50%25 off.htm");
    QTest::newRow("letters beyond ASCII") << QByteArray("Læs mig ÆØÅ.htm") << QByteArray("StartSide=Læs mig ÆØÅ.htm");
    QTest::newRow("not UTF-8") << QByteArray("L\xe6s.htm") << QByteArray();
    QTest::newRow("empty") << QByteArray("") << QByteArray("StartSide=");
    QTest::newRow("only blanks") << QByteArray("   ") << QByteArray("StartSide=\"   \"");
}

void TestSettings::exactTexts()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, line);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Varnholt Danmark.ini"));
    QVERIFY(writeAll(path, "[Zezuzav]\nStartSide=old.htm\n"));
    IniSettingsStore(str(path)).setValue(Section, Start, text.toStdString());
    QCOMPARE(QByteArray::fromStdString(IniSettingsStore(str(path)).value(Section, Start)), text);
    const QByteArray written = readAll(path);
    QCOMPARE(written.count('\n'), 2); // one line per key, whatever the text holds
    if (!line.isEmpty())
        QCOMPARE(written, "[Zezuzav]\n" + line + "\n");
}

void TestSettings::readsUserFile_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("startSide");

    QTest::newRow("plain") << QByteArray("[Zezuzav]\nStartSide=index.htm\n") << QByteArray("index.htm");
    QTest::newRow("list-like, as written") << QByteArray("[Zezuzav]\nStartSide=a,b.htm\n") << QByteArray("a,b.htm");
    QTest::newRow("in double quotes") << QByteArray("[Zezuzav]\nStartSide=\"a,b.htm\"\n") << QByteArray("a,b.htm");
    QTest::newRow("quotes keep blanks") << QByteArray("[Zezuzav]\nStartSide=\"  x \"\n") << QByteArray("  x ");
    QTest::newRow("remark after quotes") << QByteArray("[Zezuzav]\nStartSide=\"x.htm\" ; mine\n")
                                         << QByteArray("x.htm");
    QTest::newRow("unclosed quote") << QByteArray("[Zezuzav]\nStartSide=\"x.htm\n") << QByteArray("\"x.htm");
    QTest::newRow("blanks around") << QByteArray("[Zezuzav]\n  StartSide \t=  my page.htm \t\n")
                                   << QByteArray("my page.htm");
    QTest::newRow("semicolon inside is text") << QByteArray("[Zezuzav]\nStartSide=a;b\n") << QByteArray("a;b");
    QTest::newRow("other letter case") << QByteArray("[ZEZUZAV]\nstartside=x.htm\n") << QByteArray("x.htm");
    QTest::newRow("windows line ends") << QByteArray("[Zezuzav]\r\nStartSide=x.htm\r\nLukVedStart=True\r\n")
                                       << QByteArray("x.htm");
    QTest::newRow("byte-order mark") << QByteArray("\xEF\xBB\xBF[Zezuzav]\nStartSide=x.htm") << QByteArray("x.htm");
    QTest::newRow("no line end at the end") << QByteArray("[Zezuzav]\nStartSide=x.htm") << QByteArray("x.htm");
    QTest::newRow("comments") << QByteArray("; StartSide=no\n[Zezuzav]\n# StartSide=no\n;StartSide=no\nStartSide=x\n")
                              << QByteArray("x");
    QTest::newRow("other section") << QByteArray("[Other]\nStartSide=no.htm\n[Zezuzav]\nLukVedStart=True\n")
                                   << QByteArray();
    QTest::newRow("section after") << QByteArray("[Zezuzav]\nStartSide=x\n[Other]\nStartSide=no\n") << QByteArray("x");
    QTest::newRow("key before any section") << QByteArray("StartSide=no\n[Zezuzav]\n") << QByteArray();
    QTest::newRow("the last of two") << QByteArray("[Zezuzav]\nStartSide=first\nStartSide=second\n")
                                     << QByteArray("second");
    QTest::newRow("section twice") << QByteArray("[Zezuzav]\nStartSide=first\n[A]\n[zezuzav]\nStartSide=second\n")
                                   << QByteArray("second");
    QTest::newRow("empty value") << QByteArray("[Zezuzav]\nStartSide=\n") << QByteArray();
    QTest::newRow("no such key") << QByteArray("[Zezuzav]\nStartSideX=x\n") << QByteArray();
}

void TestSettings::readsUserFile()
{
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, startSide);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Varnholt Danmark.ini"));
    QVERIFY(writeAll(path, file));
    QCOMPARE(QByteArray::fromStdString(IniSettingsStore(str(path)).value(Section, Start)), startSide);
}

void TestSettings::writeKeepsOtherLines_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QByteArray>("after");

    const QByteArray head = "; written by hand\n[General]\nStartSide=other program's\n\n";
    QTest::newRow("key replaced in place")
        << head + "[Zezuzav]\n# mine\nStartSide = \"old.htm\"  ; old\nLukVedStart=False\n\n[Tail]\nx=1\n"
        << QByteArray("new.htm") << head + "[Zezuzav]\n# mine\nStartSide=new.htm\nLukVedStart=False\n\n[Tail]\nx=1\n";
    QTest::newRow("other letter case replaced by the exact key")
        << QByteArray("[zezuzav]\nSTARTSIDE=old\nlukvedstart=True\n") << QByteArray("new")
        << QByteArray("[zezuzav]\nStartSide=new\nlukvedstart=True\n");
    QTest::newRow("key added to its section")
        << head + "[Zezuzav]\nLukVedStart=False\n\n[Tail]\nx=1\n"
        << QByteArray("index.htm") << head + "[Zezuzav]\nLukVedStart=False\nStartSide=index.htm\n\n[Tail]\nx=1\n";
    QTest::newRow("section added at the end") << QByteArray("[Other]\nkey=value") << QByteArray("index.htm")
                                              << QByteArray("[Other]\nkey=value\n\n[Zezuzav]\nStartSide=index.htm\n");
    QTest::newRow("windows line ends kept")
        << QByteArray("[Zezuzav]\r\nStartSide=old\r\nLukVedStart=True\r\n") << QByteArray("new")
        << QByteArray("[Zezuzav]\r\nStartSide=new\r\nLukVedStart=True\r\n");
    QTest::newRow("windows line ends for added lines")
        << QByteArray("[Zezuzav]\r\nLukVedStart=True\r\n") << QByteArray("new")
        << QByteArray("[Zezuzav]\r\nLukVedStart=True\r\nStartSide=new\r\n");
    QTest::newRow("the last of two replaced")
        << QByteArray("[Zezuzav]\nStartSide=first\nStartSide=second\n") << QByteArray("new")
        << QByteArray("[Zezuzav]\nStartSide=first\nStartSide=new\n");
    QTest::newRow("byte-order mark kept")
        << QByteArray("\xEF\xBB\xBFStartSide=global\n[Zezuzav]\nStartSide=old") << QByteArray("new")
        << QByteArray("\xEF\xBB\xBFStartSide=global\n[Zezuzav]\nStartSide=new");
    static const char garbage[] = "\x00\xff[[[Zezuzav\nLukVedStart=\"\x01\x02\n=\n\xfe\xfe[]\n";
    const QByteArray garbageText(garbage, sizeof garbage - 1);
    QTest::newRow("garbage kept") << garbageText << QByteArray("x") << garbageText + "\n[Zezuzav]\nStartSide=x\n";
}

void TestSettings::writeKeepsOtherLines()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, value);
    QFETCH(QByteArray, after);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Varnholt Danmark.ini"));
    QVERIFY(writeAll(path, before));
    IniSettingsStore(str(path)).setValue(Section, Start, value.toStdString());
    QCOMPARE(readAll(path), after);
}

void TestSettings::sameTextNotRewritten()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Varnholt Danmark.ini"));
    const QByteArray file = "[zezuzav]\nstartside = \"index.htm\" ; as the user wrote it\n";
    QVERIFY(writeAll(path, file));
    const ino_t before = inodeOf(path);
    QVERIFY(before != 0);
    IniSettingsStore store(str(path));
    store.setValue(Section, Start, "index.htm");
    QCOMPARE(readAll(path), file);
    QCOMPARE(inodeOf(path), before); // not even rewritten with the same bytes

    store.setValue(Section, Start, "other.htm"); // and a real change is written, through a new file
    QCOMPARE(readAll(path), QByteArray("[zezuzav]\nStartSide=other.htm\n"));
    QVERIFY(inodeOf(path) != before);
}

void TestSettings::waitsForAnotherCopysLock()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Varnholt Danmark.ini"));
    QVERIFY(writeAll(path, "[Zezuzav]\nStartSide=mine.htm\n"));

    // Another copy of the program in the middle of its write holds the lock.
    QLockFile other(path + QStringLiteral(".lock"));
    QVERIFY(other.tryLock(0));
    IniSettingsStore store(str(path));
    store.setValue(Section, Start, "theirs.htm");
    QCOMPARE(readAll(path), QByteArray("[Zezuzav]\nStartSide=mine.htm\n")); // given up, not forced through
    QCOMPARE(store.value(Section, Start), std::string("mine.htm")); // reads need no lock

    // Once it is given back, the write goes in.
    other.unlock();
    store.setValue(Section, Start, "theirs.htm");
    QCOMPARE(readAll(path), QByteArray("[Zezuzav]\nStartSide=theirs.htm\n"));
}

void TestSettings::copiesWritingAtOnceKeepBothKeys()
{
    // Two copies, each changing its own key over and over: without the lock around
    // read-change-write, one copy's whole-file write soon drops the other's key.
    QTemporaryDir dir;
    const std::string path = str(dir.filePath(QStringLiteral("Varnholt Danmark.ini")));
    constexpr int Writes = 150;
    const auto writer = [&](const std::string &key) {
        IniSettingsStore store(path);
        for (int i = 1; i <= Writes; ++i)
            store.setValue(Section, key, key + std::to_string(i));
    };
    std::thread first(writer, Start);
    std::thread second(writer, Close);
    first.join();
    second.join();
    IniSettingsStore store(path);
    QCOMPARE(store.value(Section, Start), Start + std::to_string(Writes));
    QCOMPARE(store.value(Section, Close), Close + std::to_string(Writes));
}

void TestSettings::unusableStore_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("store is a folder") << "folder";
    QTest::newRow("folder path runs through a file") << "file in the way";
    QTest::newRow("store is a pipe") << "pipe";
    QTest::newRow("store is a dangling link") << "dangling link";
    QTest::newRow("store too big") << "too big";
    QTest::newRow("store not readable") << "no permission";
}

void TestSettings::unusableStore()
{
    QFETCH(QString, kind);
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("Varnholt Danmark.ini"));
    QByteArray content; // what an unusable file holds, kept as it is
    if (kind == QStringLiteral("folder")) {
        QVERIFY(QDir().mkpath(path));
    } else if (kind == QStringLiteral("file in the way")) {
        QVERIFY(writeAll(dir.filePath(QStringLiteral("blocker")), "not a folder"));
        path = dir.filePath(QStringLiteral("blocker/Varnholt Danmark.ini"));
    } else if (kind == QStringLiteral("pipe")) {
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else if (kind == QStringLiteral("dangling link")) {
        QVERIFY(QFile::link(dir.filePath(QStringLiteral("gone/x.ini")), path));
    } else if (kind == QStringLiteral("too big")) {
        content = "[Zezuzav]\nStartSide=index.htm\nLukVedStart=False\n" + QByteArray(qsizetype(2) * 1024 * 1024, ';');
        QVERIFY(writeAll(path, content));
    } else {
        if (::geteuid() == 0)
            QSKIP("file permissions do not bind the superuser");
        content = "[Zezuzav]\nStartSide=index.htm\nLukVedStart=False\n";
        QVERIFY(writeAll(path, content));
        QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));
    }

    // Reads as empty, drops the writes, and start-up still repairs into memory.
    // (A pipe that were opened for reading would hold the test up until it times out.)
    IniSettingsStore store(str(path));
    ProgramState state;
    LoadSettings(state, store);
    QCOMPARE(state.startTarget, std::string("Presumptions.htm"));
    QVERIFY(state.closeAfterLaunch);
    QCOMPARE(store.value(Section, Start), std::string());

    if (kind == QStringLiteral("folder"))
        QVERIFY(QFileInfo(path).isDir());
    else if (kind == QStringLiteral("file in the way"))
        QCOMPARE(readAll(dir.filePath(QStringLiteral("blocker"))), QByteArray("not a folder"));
    else if (kind == QStringLiteral("pipe"))
        QVERIFY(isPipe(path));
    else if (kind == QStringLiteral("dangling link"))
        QVERIFY(QFileInfo(path).isSymLink() && !QFileInfo::exists(dir.filePath(QStringLiteral("gone"))));
    else {
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        QCOMPARE(readAll(path), content);
    }
}

void TestSettings::garbageStoreIsRepaired()
{
    // Nothing in it reads as our section: start-up repairs, and the bytes stay.
    static const char garbage[] = "\x00\xff[[[Zezuzav\nLukVedStart=\"\x01\x02\n=\n\xfe\xfe[]\n";
    const QByteArray file(garbage, sizeof garbage - 1);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Varnholt Danmark.ini"));
    QVERIFY(writeAll(path, file));
    IniSettingsStore store(str(path));
    ProgramState state;
    LoadSettings(state, store);
    QCOMPARE(state.startTarget, std::string("Presumptions.htm"));
    QVERIFY(state.closeAfterLaunch);
    QCOMPARE(readAll(path), file + "\n[Zezuzav]\nStartSide=Presumptions.htm\nLukVedStart=True\n");
}

void TestSettings::loadSettingsKeepsListLikeStartPage()
{
    // A start page that an INI reader taking "," for a list would read as empty,
    // and then overwrite with "index.htm".
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Varnholt Danmark.ini"));
    const QByteArray file = "[Zezuzav]\nStartSide=a,b.htm\nLukVedStart=False\n";
    QVERIFY(writeAll(path, file));
    IniSettingsStore store(str(path));
    ProgramState state;
    LoadSettings(state, store);
    QCOMPARE(state.startTarget, std::string("a,b.htm"));
    QVERIFY(!state.closeAfterLaunch);
    QCOMPARE(readAll(path), file);
}

void TestSettings::fuzzCorpusBehaves()
{
    // The settings file's fuzz corpus, through the check its fuzz target makes.
    const QDir corpus(QStringLiteral(FUZZ_CORPUS_DIR));
    const QStringList names = corpus.entryList(QDir::Files, QDir::Name);
    QVERIFY2(names.size() >= 5, qPrintable(corpus.path() + " is nearly empty"));
    for (const QString &name : names) {
        QFile file(corpus.filePath(name));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(name));
        const QByteArray bytes = file.readAll();
        const std::string problem
            = FuzzChecks::settingsFile(std::string_view(bytes.constData(), std::size_t(bytes.size())));
        QVERIFY2(problem.empty(), qPrintable(name + ": " + QString::fromStdString(problem)));
    }
}

QTEST_GUILESS_MAIN(TestSettings)
#include "test_settings.moc"
