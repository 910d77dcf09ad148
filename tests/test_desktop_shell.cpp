// The real shell on a real display: what reaches the desktop's opener, and
// programs and scripts that actually run. A stand-in xdg-open first on PATH
// records the arguments it is given.
#include "platform/qt/DesktopShell.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

namespace {

bool writeFile(const QString &path, const QByteArray &content, QFileDevice::Permissions mode)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    f.write(content);
    f.close();
    return f.setPermissions(mode);
}

const QFileDevice::Permissions Plain = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
const QFileDevice::Permissions Executable = Plain | QFileDevice::ExeOwner;

// A launched program's record of two variables, where $SP_ENVIRONMENT_RECORD names a file.
const QByteArray EnvironmentRecord = "[ -z \"$SP_ENVIRONMENT_RECORD\" ] || printf '%s|%s' "
                                     "\"${DBUS_SESSION_BUS_ADDRESS-unset}\" \"${SP_DESKTOP_VALUE-unset}\" "
                                     "> \"$SP_ENVIRONMENT_RECORD\"\n";

// Waits (boundedly) for a file to appear with content.
QByteArray waitFor(const QString &path, int ms = 10000)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms) {
        QFile f(path);
        if (f.open(QIODevice::ReadOnly)) {
            QByteArray content = f.readAll();
            if (content.endsWith('\n') || (!content.isEmpty() && !path.endsWith(QStringLiteral(".rec"))))
                return content;
        }
        QTest::qWait(50);
    }
    return {};
}

} // namespace

class TestDesktopShell : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void documents_data();
    void documents();
    void addresses();
    void programsRun();
    void desktopEnvironment_data();
    void desktopEnvironment();

private:
    // The arguments of the one xdg-open call recorded since init().
    QStringList recorded();

    QTemporaryDir m_bin;
    QTemporaryDir m_medium;
    QString m_record;
};

void TestDesktopShell::initTestCase()
{
    QVERIFY2(QGuiApplication::platformName() == QStringLiteral("xcb"),
             "runs on a real display (xcb); offscreen Qt opens nothing");
    // Each call appends: the argument count, then each argument NUL-terminated, then a line feed.
    const QByteArray xdgOpen
        = "#!/bin/sh\n{ printf '%s\\0' \"$#\"; for a in \"$@\"; do printf '%s\\0' \"$a\"; done; printf '\\n'; }"
          " >> \"$XDG_OPEN_RECORD\"\n";
    QVERIFY(writeFile(m_bin.filePath(QStringLiteral("xdg-open")), xdgOpen + EnvironmentRecord,
                      Executable | QFileDevice::ReadOther | QFileDevice::ExeOther));
    qputenv("PATH", (m_bin.path() + QStringLiteral(":") + qEnvironmentVariable("PATH")).toUtf8());
    // No desktop session: Qt must take xdg-open rather than a desktop's own opener.
    qunsetenv("XDG_CURRENT_DESKTOP");
    qunsetenv("KDE_FULL_SESSION");
    qunsetenv("GNOME_DESKTOP_SESSION_ID");
    qunsetenv("DESKTOP_SESSION");
}

void TestDesktopShell::init()
{
    m_record = m_medium.filePath(
        QStringLiteral("calls-%1.rec").arg(QTest::currentDataTag() ? QTest::currentDataTag() : "x"));
    m_record.replace(u' ', u'_');
    QFile::remove(m_record);
    qputenv("XDG_OPEN_RECORD", m_record.toUtf8());
}

QStringList TestDesktopShell::recorded()
{
    const QByteArray content = waitFor(m_record);
    if (content.isEmpty())
        return {QStringLiteral("<no call>")};
    QList<QByteArray> parts = content.chopped(1).split('\0');
    parts.removeLast(); // after the last NUL
    QStringList args;
    for (const QByteArray &p : parts.mid(1))
        args << QString::fromUtf8(p);
    if (parts.value(0).toInt() != args.size())
        return {QStringLiteral("<count mismatch>")};
    return args;
}

void TestDesktopShell::documents_data()
{
    QTest::addColumn<QString>("create"); // the file made on the medium
    QTest::addColumn<QString>("target"); // what the window asks for
    QTest::newRow("awkward name") << "dir one/a b 'q' \"dq\" $(touch pwned) ; #h %20 æøå.pdf"
                                  << "dir one/a b 'q' \"dq\" $(touch pwned) ; #h %20 æøå.pdf";
    QTest::newRow("other letter case") << "docs/manual.pdf"
                                       << "Docs/Manual.PDF";
    QTest::newRow("disc version mark") << "DISC/README.TXT;1"
                                       << "disc/readme.txt";
    QTest::newRow("folder") << "folder only/"
                            << "folder only";
}

void TestDesktopShell::documents()
{
    QFETCH(QString, create);
    QFETCH(QString, target);
    const QString made = m_medium.filePath(create);
    if (create.endsWith(u'/'))
        QVERIFY(QDir().mkpath(made));
    else {
        QVERIFY(QDir().mkpath(QFileInfo(made).absolutePath()));
        QVERIFY(writeFile(made, "%PDF-1.4\n", Executable)); // media often mark every file executable
    }

    DesktopShell shell;
    QCOMPARE(shell.run(m_medium.filePath(target).toStdString()), Shell::Result::Started);
    const QStringList args = recorded();
    QCOMPARE(args.size(), 1);
    const QUrl url(args[0]);
    QVERIFY2(url.isLocalFile(), qPrintable(args[0]));
    QCOMPARE(url.toLocalFile(), QDir::cleanPath(made));
    QVERIFY(!QFile::exists(m_medium.filePath(QStringLiteral("pwned"))));
    QVERIFY(!QFile::exists(QStringLiteral("pwned")));
}

void TestDesktopShell::addresses()
{
    DesktopShell shell;
    const QString address = QStringLiteral("https://www.varnholt.example/support/index.htm?lang=da");
    QCOMPARE(shell.run(address.toStdString()), Shell::Result::Started);
    QCOMPARE(recorded(), QStringList {address});

    QFile::remove(m_record);
    QCOMPARE(shell.run("mailto:info@varnholt.example"), Shell::Result::Started);
    QCOMPARE(recorded(), QStringList {"mailto:info@varnholt.example"});
}

void TestDesktopShell::programsRun()
{
    const QString folder = m_medium.filePath(QStringLiteral("programs here"));
    QVERIFY(QDir().mkpath(folder));

    // A real program with its execute bit: started directly, in its own folder.
    const QString helper = QFINDTESTDATA("marker-program-helper");
    QVERIFY2(!helper.isEmpty(), "the marker helper is built beside the test");
    QVERIFY(QFile::copy(helper, folder + QStringLiteral("/Setup Tool")));
    QVERIFY(QFile(folder + QStringLiteral("/Setup Tool")).setPermissions(Executable));
    DesktopShell shell;
    QCOMPARE(shell.run((folder + QStringLiteral("/setup tool")).toStdString()), Shell::Result::Started);
    QCOMPARE(waitFor(folder + QStringLiteral("/marker-program")), QDir(folder).canonicalPath().toUtf8());

    // A script without the execute bit: run through the interpreter its first line names.
    QVERIFY(writeFile(folder + QStringLiteral("/install.sh"), "#!/bin/sh\npwd > marker-script\n", Plain));
    QCOMPARE(shell.run((folder + QStringLiteral("/install.sh")).toStdString()), Shell::Result::Started);
    QCOMPARE(waitFor(folder + QStringLiteral("/marker-script")), QDir(folder).canonicalPath().toUtf8() + "\n");

    QFile::remove(m_record);
    QCOMPARE(shell.run((folder + QStringLiteral("/not here.exe")).toStdString()), Shell::Result::FileNotFound);
    QTest::qWait(200);
    QVERIFY(!QFile::exists(m_record)); // nothing handed over for a missing file
}

void TestDesktopShell::desktopEnvironment_data()
{
    QTest::addColumn<QString>("file"); // made on the medium and run
    QTest::addColumn<QByteArray>("content"); // what it holds
    QTest::newRow("program started directly") << "setup.sh"
                                              << "#!/bin/sh\n" + EnvironmentRecord;
    QTest::newRow("document through the desktop") << "index.htm" << QByteArray("<html></html>\n");
}

void TestDesktopShell::desktopEnvironment()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, content);
    // The program's own values; the desktop had no bus address and its own SP_DESKTOP_VALUE.
    qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
    qunsetenv("SP_DESKTOP_VALUE");
    const QString record = m_medium.filePath(QStringLiteral("environment.out"));
    QFile::remove(record);
    qputenv("SP_ENVIRONMENT_RECORD", record.toUtf8());
    QVERIFY(writeFile(m_medium.filePath(file), content, Plain));

    DesktopShell shell({{"DBUS_SESSION_BUS_ADDRESS", std::nullopt}, {"SP_DESKTOP_VALUE", "the desktop's"}});
    QCOMPARE(shell.run(m_medium.filePath(file).toStdString()), Shell::Result::Started);
    QCOMPARE(waitFor(record), QByteArray("unset|the desktop's"));
    // The program keeps its own.
    QCOMPARE(qgetenv("DBUS_SESSION_BUS_ADDRESS"), QByteArray("disabled:"));
    QVERIFY(!qEnvironmentVariableIsSet("SP_DESKTOP_VALUE"));
    qunsetenv("SP_ENVIRONMENT_RECORD");
}

QTEST_MAIN(TestDesktopShell)
#include "test_desktop_shell.moc"
