#include "app/ProgramState.h"
#include "app/Settings.h"
#include "platform/IniSettingsStore.h"
#include "tests/support/Fakes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QString StartKey = QStringLiteral("Zezuzav/StartSide");
const QString CloseKey = QStringLiteral("Zezuzav/LukVedStart");
} // namespace

class TestSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void loadSettings_data();
    void loadSettings();
    void parseBoolean_data();
    void parseBoolean();
    void iniStoreRoundTrip();
    void iniStoreUnusable_data();
    void iniStoreUnusable();
};

void TestSettings::loadSettings_data()
{
    QTest::addColumn<QStringList>("stored"); // StartSide, LukVedStart; "<missing>" for no key
    QTest::addColumn<QString>("startTarget");
    QTest::addColumn<bool>("closeAfterLaunch");
    QTest::addColumn<QStringList>("writes"); // "key=value" in order

    const QString missing = QStringLiteral("<missing>");
    QTest::newRow("first run") << QStringList {missing, missing} << "Presumptions.htm" << true
                               << QStringList {"StartSide=Presumptions.htm", "LukVedStart=True"};
    QTest::newRow("invalid boolean overwrites another page")
        << QStringList {"manual.pdf", "perhaps"} << "Presumptions.htm" << true
        << QStringList {"StartSide=Presumptions.htm", "LukVedStart=True"};
    QTest::newRow("empty boolean is not a boolean") << QStringList {"manual.pdf", ""} << "Presumptions.htm" << true
                                                    << QStringList {"StartSide=Presumptions.htm", "LukVedStart=True"};
    QTest::newRow("empty start page with True")
        << QStringList {"", "True"} << "index.htm" << true << QStringList {"StartSide=index.htm"};
    QTest::newRow("missing start page with False")
        << QStringList {missing, "False"} << "index.htm" << false << QStringList {"StartSide=index.htm"};
    QTest::newRow("both valid: nothing written")
        << QStringList {"manual.pdf", "False"} << "manual.pdf" << false << QStringList {};
    QTest::newRow("other case and blanks are valid")
        << QStringList {"index.htm", " tRUE "} << "index.htm" << true << QStringList {};
    QTest::newRow("number is a boolean") << QStringList {"index.htm", "0"} << "index.htm" << false << QStringList {};
}

void TestSettings::loadSettings()
{
    QFETCH(QStringList, stored);
    QFETCH(QString, startTarget);
    QFETCH(bool, closeAfterLaunch);
    QFETCH(QStringList, writes);

    FakeSettingsStore store;
    if (stored[0] != QStringLiteral("<missing>"))
        store.values.insert(StartKey, stored[0]);
    if (stored[1] != QStringLiteral("<missing>"))
        store.values.insert(CloseKey, stored[1]);

    ProgramState state;
    state.tickCount = 7;
    LoadSettings(state, store);

    QCOMPARE(state.programVersion, QStringLiteral("1.11UK"));
    QCOMPARE(state.tickCount, std::int16_t(0));
    QCOMPARE(state.startTarget, startTarget);
    QCOMPARE(state.closeAfterLaunch, closeAfterLaunch);
    QStringList seen;
    for (const auto &w : store.writes) {
        QCOMPARE(w.section, QStringLiteral("Zezuzav"));
        seen << w.key + u'=' + w.value;
    }
    QCOMPARE(seen, writes);
}

void TestSettings::parseBoolean_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected"); // -1 none, 0 false, 1 true

    QTest::newRow("True") << "True" << 1;
    QTest::newRow("False") << "False" << 0;
    QTest::newRow("upper") << "TRUE" << 1;
    QTest::newRow("mixed with blanks") << "\t fAlSe  " << 0;
    QTest::newRow("zero") << "0" << 0;
    QTest::newRow("minus one") << "-1" << 1;
    QTest::newRow("many zeros") << "0000" << 0;
    QTest::newRow("huge number") << "123456789012345678901234567890" << 1;
    QTest::newRow("empty") << "" << -1;
    QTest::newRow("blank") << "   " << -1;
    QTest::newRow("Danish word") << "Sand" << -1;
    QTest::newRow("yes") << "yes" << -1;
    QTest::newRow("decimal") << "1.5" << -1;
    QTest::newRow("True with tail") << "Truex" << -1;
}

void TestSettings::parseBoolean()
{
    QFETCH(QString, text);
    QFETCH(int, expected);
    const std::optional<bool> value = ::parseBoolean(text);
    QCOMPARE(value.has_value() ? int(*value) : -1, expected);
}

void TestSettings::iniStoreRoundTrip()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sub/Varnholt Danmark.ini"));
    {
        IniSettingsStore store(path);
        QCOMPARE(store.value("Zezuzav", "StartSide"), QString());
        store.setValue("Zezuzav", "StartSide", "Presumptions.htm");
        store.setValue("Zezuzav", "LukVedStart", "True");
    }
    QFile file(path);
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
    const QByteArray text = file.readAll();
    QVERIFY2(text.contains("[Zezuzav]"), text.constData());
    QVERIFY2(text.contains("StartSide=Presumptions.htm"), text.constData());
    QVERIFY2(text.contains("LukVedStart=True"), text.constData());

    IniSettingsStore again(path);
    QCOMPARE(again.value("Zezuzav", "LukVedStart"), QStringLiteral("True"));

    // The default place follows XDG_CONFIG_HOME.
    const QByteArray old = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", dir.path().toUtf8());
    QCOMPARE(IniSettingsStore::defaultPath(), dir.path() + QStringLiteral("/Varnholt Danmark.ini"));
    qputenv("XDG_CONFIG_HOME", old);
}

void TestSettings::iniStoreUnusable_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("store is a folder") << "folder";
    QTest::newRow("folder path runs through a file") << "file in the way";
    QTest::newRow("store is garbage") << "garbage";
}

void TestSettings::iniStoreUnusable()
{
    QFETCH(QString, kind);
    QTemporaryDir dir;
    QString path;
    if (kind == QStringLiteral("folder")) {
        path = dir.filePath(QStringLiteral("Varnholt Danmark.ini"));
        QVERIFY(QDir().mkpath(path));
    } else if (kind == QStringLiteral("garbage")) {
        path = dir.filePath(QStringLiteral("Varnholt Danmark.ini"));
        QFile garbage(path);
        QVERIFY(garbage.open(QIODevice::WriteOnly));
        garbage.write(QByteArray("\x00\xff[[[Zezuzav\nLukVedStart=\"\x01\x02\n=\n\xfe\xfe[]\n", 32));
        garbage.close();
        IniSettingsStore store(path);
        ProgramState state;
        LoadSettings(state, store);
        QCOMPARE(state.startTarget, QStringLiteral("Presumptions.htm"));
        QVERIFY(state.closeAfterLaunch);
        return;
    } else {
        QFile blocker(dir.filePath(QStringLiteral("blocker")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.write("not a folder");
        blocker.close();
        path = dir.filePath(QStringLiteral("blocker/Varnholt Danmark.ini"));
    }

    // Reads as empty, drops the writes, and start-up still repairs into memory.
    IniSettingsStore store(path);
    ProgramState state;
    LoadSettings(state, store);
    QCOMPARE(state.startTarget, QStringLiteral("Presumptions.htm"));
    QVERIFY(state.closeAfterLaunch);
    QCOMPARE(store.value("Zezuzav", "StartSide"), QString());
    QVERIFY(QFileInfo(dir.filePath(QStringLiteral("blocker"))).isFile() || QFileInfo(path).isDir());
}

QTEST_GUILESS_MAIN(TestSettings)
#include "test_settings.moc"
