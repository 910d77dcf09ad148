#include "platform/FileLauncherStore.h"
#include "shortcut/CreateDesktopShortcut.h"
#include "shortcut/DesktopEntry.h"
#include "tests/support/DesktopEntryParser.h"
#include "tests/support/Fakes.h"
#include "texts/TextTable.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QStringList ExpectedKeys {"Type", "Name", "Comment", "Exec", "Path", "Icon", "Terminal"};

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Makes `home` the user's home, with a user-dirs.dirs that names a desktop folder in it.
bool useHome(const QTemporaryDir &home, const char *desktop)
{
    const QString config = home.filePath(QStringLiteral(".config"));
    QFile dirs(config + QStringLiteral("/user-dirs.dirs"));
    if (!QDir().mkpath(config) || !dirs.open(QIODevice::WriteOnly))
        return false;
    dirs.write("XDG_DESKTOP_DIR=\"$HOME/" + QByteArray(desktop) + "\"\n");
    dirs.close();
    qputenv("HOME", home.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", config.toUtf8());
    qputenv("XDG_DATA_HOME", home.filePath(QStringLiteral("data")).toUtf8());
    return true;
}

} // namespace

class TestShortcut : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void answerNo();
    void writesLauncher();
    void awkwardFolders_data();
    void awkwardFolders();
    void desktopCannotBeWritten_data();
    void desktopCannotBeWritten();

private:
    ShortcutContext context(FakeMessageBoxes &messages, LauncherStore &store, const FakeProgramLocation &location);

    TextTable m_texts;
    QByteArray m_icon;
};

void TestShortcut::initTestCase()
{
    FillTextTable(m_texts);
    QImage icon(32, 32, QImage::Format_ARGB32);
    icon.fill(Qt::blue);
    QBuffer buffer(&m_icon);
    buffer.open(QIODevice::WriteOnly);
    icon.save(&buffer, "PNG");
}

ShortcutContext TestShortcut::context(FakeMessageBoxes &messages, LauncherStore &store,
                                      const FakeProgramLocation &location)
{
    return ShortcutContext {messages, store, location, m_texts, TextTable::English, m_icon};
}

void TestShortcut::answerNo()
{
    FakeMessageBoxes messages;
    FakeLauncherStore store;
    FakeProgramLocation location;
    CreateDesktopShortcut(context(messages, store, location));
    QCOMPARE(messages.shown.size(), 1);
    QCOMPARE(messages.shown[0].icon, MessageBoxes::Icon::Question);
    QCOMPARE(messages.shown[0].buttons, MessageBoxes::Buttons::YesNo);
    QCOMPARE(messages.shown[0].title, QStringLiteral("Please confirm"));
    QCOMPARE(messages.shown[0].text,
             QStringLiteral("Do you wish to make a shortcut to this startup-program on your desktop?"));
    QVERIFY(store.files.isEmpty());
    QVERIFY(store.folders.isEmpty());
}

void TestShortcut::writesLauncher()
{
    QTemporaryDir home;
    QVERIFY(QDir().mkpath(home.filePath(QStringLiteral("Skrivebord"))));
    QVERIFY(useHome(home, "Skrivebord"));

    FileLauncherStore store;
    QCOMPARE(store.desktopFolder(), home.filePath(QStringLiteral("Skrivebord")));
    FakeMessageBoxes messages;
    messages.answerToQuestions = MessageBoxes::Answer::Yes;
    FakeProgramLocation location;
    location.dir = QStringLiteral("/media/cdrom");

    CreateDesktopShortcut(context(messages, store, location));
    CreateDesktopShortcut(context(messages, store, location)); // twice: one launcher, replaced

    const QString launcher = home.filePath(QStringLiteral("Skrivebord/Zezuzav - Quillmere.desktop"));
    const QString icon = home.filePath(QStringLiteral("data/icons/hicolor/32x32/apps/zezuzav-quillmere.png"));
    QCOMPARE(QDir(home.filePath(QStringLiteral("Skrivebord"))).entryList(QDir::Files),
             QStringList {"Zezuzav - Quillmere.desktop"});
    QCOMPARE(readAll(launcher),
             QByteArray("[Desktop Entry]\n"
                        "Type=Application\n"
                        "Name=Zezuzav - Quillmere\n"
                        "Comment=Zezuzav Quillmere - StartupProgram\n"
                        "Exec=\"/media/cdrom/startprogram\"\n"
                        "Path=/media/cdrom\n"
                        "Icon=")
                 + icon.toUtf8() + "\nTerminal=false\n");
    QCOMPARE(QFile(launcher).permissions() & 0x7777,
             QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner | QFileDevice::ReadUser
                 | QFileDevice::WriteUser | QFileDevice::ExeUser | QFileDevice::ReadGroup | QFileDevice::ExeGroup
                 | QFileDevice::ReadOther | QFileDevice::ExeOther);
    QCOMPARE(readAll(icon), m_icon);

    QCOMPARE(messages.shown.size(), 4);
    const auto &done = messages.shown[1];
    QCOMPARE(done.icon, MessageBoxes::Icon::Information);
    QCOMPARE(done.buttons, MessageBoxes::Buttons::Ok);
    QCOMPARE(done.title, QStringLiteral("Command performed"));
    QCOMPARE(done.text, QStringLiteral("A shortcut for the startup-program has now been added to your desktop!"));
}

void TestShortcut::awkwardFolders_data()
{
    QTest::addColumn<QString>("dir");
    QTest::addColumn<QString>("program");
    QTest::newRow("root") << "/"
                          << "/startprogram";
    QTest::newRow("spaces") << "/media/user/My CD"
                            << "/media/user/My CD/startprogram";
    QTest::newRow("everything") << "/m/a \"q\" 'p' %f %% $HOME `id` \\x; #c\nExec=evil\tTab ær"
                                << "/m/a \"q\" 'p' %f %% $HOME `id` \\x; #c\nExec=evil\tTab ær/startprogram";
    QTest::newRow("leading blank") << " lead"
                                   << " lead/startprogram";
}

void TestShortcut::awkwardFolders()
{
    QFETCH(QString, dir);
    QFETCH(QString, program);
    FakeMessageBoxes messages;
    messages.answerToQuestions = MessageBoxes::Answer::Yes;
    FakeLauncherStore store;
    FakeProgramLocation location;
    location.dir = dir;
    CreateDesktopShortcut(context(messages, store, location));

    const QByteArray text = store.files.value(store.desktop + QStringLiteral("/Zezuzav - Quillmere.desktop"));
    QVERIFY(!text.isEmpty());
    QVERIFY(store.executable.value(store.desktop + QStringLiteral("/Zezuzav - Quillmere.desktop")));
    const DesktopEntryParser::Parsed parsed = DesktopEntryParser::parse(QString::fromUtf8(text));
    QVERIFY(parsed.wellFormed);
    QCOMPARE(parsed.groups, QStringList {"Desktop Entry"});
    QCOMPARE(parsed.keys, ExpectedKeys); // no path can add a key
    const std::optional<QStringList> args = DesktopEntryParser::execArguments(parsed.values.value("Exec"));
    QVERIFY(args.has_value());
    QCOMPARE(*args, QStringList {program});
    QCOMPARE(parsed.values.value("Path"), dir);
    QCOMPARE(parsed.values.value("Terminal"), QStringLiteral("false"));
    QCOMPARE(store.trusted, QStringList {store.desktop + QStringLiteral("/Zezuzav - Quillmere.desktop")});
}

void TestShortcut::desktopCannotBeWritten_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("desktop is a file") << "file";
    QTest::newRow("desktop missing") << "missing";
}

void TestShortcut::desktopCannotBeWritten()
{
    QFETCH(QString, kind);
    QTemporaryDir home;
    QVERIFY(useHome(home, "Desk"));
    if (kind == "file") {
        QFile blocker(home.filePath(QStringLiteral("Desk")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.write("in the way");
    }

    FileLauncherStore store;
    FakeMessageBoxes messages;
    messages.answerToQuestions = MessageBoxes::Answer::Yes;
    FakeProgramLocation location;
    CreateDesktopShortcut(context(messages, store, location));

    QCOMPARE(messages.shown.size(), 2);
    const auto &failed = messages.shown[1];
    QCOMPARE(failed.icon, MessageBoxes::Icon::Stop);
    QCOMPARE(failed.title, QStringLiteral("Command failed"));
    QCOMPARE(failed.text,
             QStringLiteral("The shortcut could not be created. The desktop folder could not be written:\n")
                 + home.filePath(QStringLiteral("Desk")));
    QCOMPARE(readAll(home.filePath(QStringLiteral("Desk"))), kind == "file" ? QByteArray("in the way") : QByteArray());
    QVERIFY(!QFile::exists(home.filePath(QStringLiteral("Desk/Zezuzav - Quillmere.desktop"))));
    // Nothing half-written: no temporary file left beside the blocker.
    QCOMPARE(QDir(home.path()).entryList(QDir::Files).size(), kind == "file" ? 1 : 0);
}

QTEST_GUILESS_MAIN(TestShortcut)
#include "test_shortcut.moc"
