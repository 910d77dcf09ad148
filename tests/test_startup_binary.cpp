// Runs the real program on a first run and reads back what it stored.
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

class TestStartupBinary : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void firstRunStoresSettings();
};

void TestStartupBinary::firstRunStoresSettings()
{
    const QString binary = qEnvironmentVariable("STARTPROGRAM_BINARY");
    QVERIFY2(QFile::exists(binary), qPrintable(binary));

    QTemporaryDir medium;
    QTemporaryDir home;
    QVERIFY(QFile::copy(binary, medium.filePath(QStringLiteral("startprogram"))));
    QFile info(medium.filePath(QStringLiteral("info.txt")));
    QVERIFY(info.open(QIODevice::WriteOnly));
    info.write("1\r\n\"index.htm\",\"Welcome\"\r\n");
    info.close();

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home.path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    QProcess program;
    program.setProcessEnvironment(env);
    // The program reads no command line, Qt's own options included: with them obeyed,
    // a platform that does not exist would stop it before it stored anything.
    program.start(medium.filePath(QStringLiteral("startprogram")),
                  {QStringLiteral("-platform"), QStringLiteral("no-such-platform"), QStringLiteral("-reverse")});
    QVERIFY(program.waitForStarted(5000));

    const QString ini = home.filePath(QStringLiteral("config/Varnholt Danmark.ini"));
    QByteArray text;
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 15000 && !text.contains("LukVedStart")) {
        QTest::qWait(50);
        QFile f(ini);
        if (f.open(QIODevice::ReadOnly))
            text = f.readAll();
    }
    const bool running = program.state() == QProcess::Running;
    program.kill();
    program.waitForFinished(5000);

    QVERIFY2(running, "the program ended by itself on a first run");
    QVERIFY2(text.contains("[Zezuzav]"), text.constData());
    QSettings stored(ini, QSettings::IniFormat);
    QCOMPARE(stored.value(QStringLiteral("Zezuzav/StartSide")).toString(), QStringLiteral("Presumptions.htm"));
    QCOMPARE(stored.value(QStringLiteral("Zezuzav/LukVedStart")).toString(), QStringLiteral("True"));
    QCOMPARE(stored.allKeys().size(), 2);
}

QTEST_GUILESS_MAIN(TestStartupBinary)
#include "test_startup_binary.moc"
