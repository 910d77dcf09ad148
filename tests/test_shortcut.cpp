// The desktop launcher as real files in a temporary home: the launcher's exact
// text and mode, the icon, replacement, awkward program folders, folders that
// are missing or cannot be written, and gio that is never waited for.
#include "platform/qt/FileLauncherStore.h"
#include "tests/support/DesktopEntryParser.h"

#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString LauncherFile = QStringLiteral("Zezuzav - Quillmere.desktop");

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeFile(const QString &path, const QByteArray &content, QFileDevice::Permissions mode)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(content) != content.size())
        return false;
    f.close();
    return f.setPermissions(mode);
}

// The permission bits as the file system holds them.
unsigned modeOf(const QString &path)
{
    struct stat info
    { };
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode & 07777 : 0xFFFFu;
}

// Waits, boundedly, for a file to hold something.
QByteArray waitFor(const QString &path, int ms = 10000)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms) {
        QByteArray content = readAll(path);
        if (content.endsWith('\n'))
            return content;
        QTest::qWait(20);
    }
    return {};
}

Launcher launcherFor(const std::string &dir)
{
    Launcher launcher;
    launcher.name = "Zezuzav - Quillmere";
    launcher.description = "Zezuzav Quillmere - StartupProgram";
    launcher.program = (dir == "/" ? dir : dir + '/') + "startprogram";
    launcher.workingDirectory = dir;
    return launcher;
}

// A temporary home whose user-dirs.dirs names the desktop folder, relative to it.
class Home
{
public:
    explicit Home(const QByteArray &desktop = "Desktop")
    {
        const QString config = m_dir.filePath(QStringLiteral(".config"));
        QDir().mkpath(config);
        QFile dirs(config + QStringLiteral("/user-dirs.dirs"));
        m_ready = dirs.open(QIODevice::WriteOnly)
            && dirs.write("# made by the test\nXDG_DESKTOP_DIR=\"$HOME/" + desktop + "\"\n") > 0;
        qputenv("HOME", m_dir.path().toUtf8());
        qputenv("XDG_CONFIG_HOME", config.toUtf8());
        qputenv("XDG_DATA_HOME", m_dir.filePath(QStringLiteral("data")).toUtf8());
    }
    bool ready() const { return m_ready && m_dir.isValid(); }
    QString path(const QString &relative) const { return m_dir.filePath(relative); }
    QString root() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
    bool m_ready = false;
};

} // namespace

class TestShortcut : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void writesLauncher();
    void awkwardFolders_data();
    void awkwardFolders();
    void missingDesktopIsMade();
    void iconCannotBeWritten_data();
    void iconCannotBeWritten();
    void desktopCannotBeWritten_data();
    void desktopCannotBeWritten();
    void gioIsNeverWaitedFor();
    void withoutGio();

private:
    // Puts a stand-in gio first on PATH: the script is its body after "#!/bin/sh".
    void useGio(const QByteArray &script);

    QByteArray m_icon;
    QTemporaryDir m_bin;
    QString m_gioRecord;
    int m_tests = 0;
    QByteArray m_path;
};

void TestShortcut::initTestCase()
{
    QImage icon(32, 32, QImage::Format_ARGB32);
    icon.fill(Qt::blue);
    QBuffer buffer(&m_icon);
    buffer.open(QIODevice::WriteOnly);
    QVERIFY(icon.save(&buffer, "PNG"));
    m_path = qgetenv("PATH");
}

void TestShortcut::init()
{
    // A record of its own for each test: a gio started detached by an earlier test may
    // still be writing to that one's.
    m_gioRecord = m_bin.filePath(QStringLiteral("gio-%1.calls").arg(++m_tests));
    qputenv("GIO_RECORD", m_gioRecord.toUtf8());
    // Each call records its arguments, one to a line, then a blank line, and ends at once.
    useGio("for a in \"$@\"; do printf '%s\\n' \"$a\"; done >> \"$GIO_RECORD\"; printf '\\n' >> \"$GIO_RECORD\"\n");
}

void TestShortcut::useGio(const QByteArray &script)
{
    const QString gio = m_bin.filePath(QStringLiteral("gio"));
    QFile::remove(gio);
    QVERIFY(writeFile(gio, "#!/bin/sh\n" + script,
                      QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
    qputenv("PATH", m_bin.path().toUtf8() + ':' + m_path);
}

void TestShortcut::writesLauncher()
{
    Home home("Skrivebord");
    QVERIFY(home.ready());
    QVERIFY(QDir().mkpath(home.path(QStringLiteral("Skrivebord"))));

    FileLauncherStore store(m_icon);
    QCOMPARE(QString::fromStdString(store.desktopFolder()), home.path(QStringLiteral("Skrivebord")));
    QVERIFY(store.writeLauncher(launcherFor("/media/cdrom")));
    const QString launcher = home.path(QStringLiteral("Skrivebord/") + LauncherFile);
    QCOMPARE(waitFor(m_gioRecord), "set\n" + launcher.toUtf8() + "\nmetadata::trusted\ntrue\n\n");

    QVERIFY(store.writeLauncher(launcherFor("/media/cdrom"))); // twice: one launcher, replaced
    QCOMPARE(
        QDir(home.path(QStringLiteral("Skrivebord"))).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
        QStringList {LauncherFile});

    const QString icon = home.path(QStringLiteral("data/icons/hicolor/32x32/apps/zezuzav-quillmere.png"));
    QCOMPARE(readAll(launcher),
             QByteArray("[Desktop Entry]\n"
                        "Type=Application\n"
                        "Name=Zezuzav - Quillmere\n"
                        "Comment=Zezuzav Quillmere - StartupProgram\n"
                        "Exec=\"/media/cdrom/startprogram\"\n"
                        "Path=/media/cdrom\n"
                        "Icon=")
                 + icon.toUtf8() + "\nTerminal=false\n");
    QCOMPARE(modeOf(launcher), 0755u);
    QCOMPARE(readAll(icon), m_icon);
    QCOMPARE(modeOf(icon), 0644u);
}

void TestShortcut::awkwardFolders_data()
{
    QTest::addColumn<QString>("dir");
    QTest::addColumn<bool>("throughEnv"); // Exec starts the program through /usr/bin/env

    QTest::newRow("root") << "/" << false;
    QTest::newRow("spaces") << "/media/user/My CD" << false;
    QTest::newRow("percent") << "/media/user/50% off" << true;
    QTest::newRow("percent and equals") << "/media/a=b/50% off" << false;
    QTest::newRow("field codes") << "/m/%f %U %%" << true;
    QTest::newRow("everything") << "/m/a \"q\" 'p' $HOME `id` \\x; #c\nExec=evil\tTab \r ær" << false;
    QTest::newRow("leading blank") << " lead" << false;
}

void TestShortcut::awkwardFolders()
{
    QFETCH(QString, dir);
    QFETCH(bool, throughEnv);
    Home home;
    QVERIFY(home.ready());

    FileLauncherStore store(m_icon);
    const Launcher launcher = launcherFor(dir.toStdString());
    QVERIFY(store.writeLauncher(launcher));

    const QString file = home.path(QStringLiteral("Desktop/") + LauncherFile);
    const DesktopEntryParser::Parsed parsed = DesktopEntryParser::parse(readAll(file).toStdString());
    QVERIFY(parsed.wellFormed);
    QCOMPARE(parsed.groups, std::vector<std::string> {"Desktop Entry"});
    const std::vector<std::string> keys {"Type", "Name", "Comment", "Exec", "Path", "Icon", "Terminal"};
    QCOMPARE(parsed.keys, keys); // no folder name can add a key
    const std::optional<std::vector<std::string>> args = DesktopEntryParser::execArguments(parsed.values.at("Exec"));
    QVERIFY(args.has_value());
    const std::vector<std::string> expected = throughEnv ? std::vector<std::string> {"/usr/bin/env", launcher.program}
                                                         : std::vector<std::string> {launcher.program};
    QCOMPARE(*args, expected);
    QCOMPARE(parsed.values.at("Path"), dir.toStdString());
    QCOMPARE(parsed.values.at("Terminal"), std::string("false"));
    QCOMPARE(modeOf(file), 0755u);
}

void TestShortcut::missingDesktopIsMade()
{
    // XDG_DESKTOP_DIR names a folder that is not there yet, two levels deep.
    Home home("not yet/made/Skrivebord");
    QVERIFY(home.ready());
    QVERIFY(!QFile::exists(home.path(QStringLiteral("not yet"))));
    FileLauncherStore store(m_icon);
    QCOMPARE(QString::fromStdString(store.desktopFolder()), home.path(QStringLiteral("not yet/made/Skrivebord")));
    QVERIFY(store.writeLauncher(launcherFor("/media/cdrom")));
    QVERIFY(
        readAll(home.path(QStringLiteral("not yet/made/Skrivebord/") + LauncherFile)).startsWith("[Desktop Entry]\n"));
}

void TestShortcut::iconCannotBeWritten_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("data folder is a file") << "file";
    QTest::newRow("icon name taken by a folder") << "folder";
    QTest::newRow("no icon given") << "none";
}

void TestShortcut::iconCannotBeWritten()
{
    QFETCH(QString, kind);
    Home home;
    QVERIFY(home.ready());
    const QString icon = home.path(QStringLiteral("data/icons/hicolor/32x32/apps/zezuzav-quillmere.png"));
    if (kind == QStringLiteral("file"))
        QVERIFY(writeFile(home.path(QStringLiteral("data")), "in the way",
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    else if (kind == QStringLiteral("folder"))
        QVERIFY(QDir().mkpath(icon));

    FileLauncherStore store(kind == QStringLiteral("none") ? QByteArray() : m_icon);
    QVERIFY(store.writeLauncher(launcherFor("/media/cdrom")));
    const QByteArray text = readAll(home.path(QStringLiteral("Desktop/") + LauncherFile));
    QVERIFY2(text.contains("\nIcon=application-x-executable\n"), text.constData());
    QVERIFY2(text.contains("\nExec=\"/media/cdrom/startprogram\"\n"), text.constData());
    QVERIFY(!QFileInfo(icon).isFile());
}

void TestShortcut::desktopCannotBeWritten_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("desktop is a file") << "file";
    QTest::newRow("a file on the way to the desktop") << "parent file";
    QTest::newRow("launcher name taken by a folder") << "folder";
    QTest::newRow("desktop read-only") << "read-only";
}

void TestShortcut::desktopCannotBeWritten()
{
    QFETCH(QString, kind);
    Home home("Desk/Top");
    QVERIFY(home.ready());
    const QString desk = home.path(QStringLiteral("Desk"));
    const QString desktop = home.path(QStringLiteral("Desk/Top"));
    const QFileDevice::Permissions plain = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    if (kind == QStringLiteral("file")) {
        QVERIFY(QDir().mkpath(desk));
        QVERIFY(writeFile(desktop, "in the way", plain));
    } else if (kind == QStringLiteral("parent file")) {
        QVERIFY(writeFile(desk, "in the way", plain));
    } else if (kind == QStringLiteral("folder")) {
        QVERIFY(QDir().mkpath(desktop + u'/' + LauncherFile));
    } else {
        if (::geteuid() == 0)
            QSKIP("file permissions do not bind the superuser");
        QVERIFY(QDir().mkpath(desktop));
        QVERIFY(QFile::setPermissions(desktop, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    }

    FileLauncherStore store(m_icon);
    QCOMPARE(QString::fromStdString(store.desktopFolder()), desktop);
    QVERIFY(!store.writeLauncher(launcherFor("/media/cdrom")));

    // Nothing half-written, and nothing marked trusted.
    if (kind == QStringLiteral("file"))
        QCOMPARE(readAll(desktop), QByteArray("in the way"));
    if (kind == QStringLiteral("parent file"))
        QCOMPARE(readAll(desk), QByteArray("in the way"));
    const QStringList left = QFileInfo(desktop).isDir()
        ? QDir(desktop).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)
        : QStringList();
    QCOMPARE(left, kind == QStringLiteral("folder") ? QStringList {LauncherFile} : QStringList {});
    QVERIFY(QFileInfo(desktop + u'/' + LauncherFile).isDir() || !QFile::exists(desktop + u'/' + LauncherFile));
    const QStringList inDesk = QFileInfo(desk).isDir()
        ? QDir(desk).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)
        : QStringList();
    QVERIFY2(inDesk.isEmpty() || inDesk == QStringList {QStringLiteral("Top")}, qPrintable(inDesk.join(u',')));
    QTest::qWait(100);
    QVERIFY(!QFile::exists(m_gioRecord));
    QFile::setPermissions(desktop, plain | QFileDevice::ExeOwner);
}

void TestShortcut::gioIsNeverWaitedFor()
{
    // A gio that never ends (as one waiting for a session bus that never answers):
    // writeLauncher must come back while it still runs, so the confirmation the
    // caller shows next is not held up. The order proves it, not a stopwatch.
    const QString pidFile = m_bin.filePath(QStringLiteral("gio.pid"));
    QFile::remove(pidFile);
    qputenv("GIO_PID", pidFile.toUtf8());
    useGio("echo $$ > \"$GIO_PID.part\"; mv \"$GIO_PID.part\" \"$GIO_PID\"; exec sleep 600\n");
    Home home;
    QVERIFY(home.ready());

    FileLauncherStore store(m_icon);
    QVERIFY(store.writeLauncher(launcherFor("/media/cdrom")));
    const QByteArray pidText = waitFor(pidFile);
    QVERIFY2(!pidText.isEmpty(), "the stand-in gio was started");
    const pid_t pid = pidText.trimmed().toInt();
    QVERIFY(pid > 1);
    const bool stillRunning = ::kill(pid, 0) == 0;
    ::kill(pid, SIGKILL);
    QVERIFY2(stillRunning, "writeLauncher came back only after gio had ended");
    QVERIFY(QFile::exists(home.path(QStringLiteral("Desktop/") + LauncherFile)));
}

void TestShortcut::withoutGio()
{
    qputenv("PATH", QByteArray("/nonexistent-folder"));
    Home home;
    QVERIFY(home.ready());
    FileLauncherStore store(m_icon);
    const bool written = store.writeLauncher(launcherFor("/media/cdrom"));
    qputenv("PATH", m_path);
    QVERIFY(written);
    QVERIFY(readAll(home.path(QStringLiteral("Desktop/") + LauncherFile)).startsWith("[Desktop Entry]\n"));
}

QTEST_GUILESS_MAIN(TestShortcut)
#include "test_shortcut.moc"
