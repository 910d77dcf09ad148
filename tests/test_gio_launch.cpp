// A launcher that FileLauncherStore writes is accepted by GLib and starts the
// program, for programs in folders whose names GLib's Exec rules make awkward
// ("%" above all). GLib is the judge here: Debian's gio from libglib2.0-bin
// loads the launcher as a desktop would and starts it with `gio launch`.
// Where that cannot run, the test says why and ends with CTest's skip code.
#include "platform/qt/FileLauncherStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

namespace {

constexpr int SkipCode = 77;

QString helperPath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/marker-program-helper");
}

// Why gio launch cannot be tried here; empty when it can.
QString cannotRun(const QString &gio)
{
    if (gio.isEmpty())
        return QStringLiteral("gio is not on PATH (Debian package libglib2.0-bin)");
    if (!QFileInfo(QStringLiteral("/usr/bin/env")).isExecutable())
        return QStringLiteral("/usr/bin/env is missing, and launchers for folders with \"%\" start through it");
    if (!QFileInfo(helperPath()).isExecutable())
        return QStringLiteral("the marker helper is not built beside the test: ") + helperPath();
    QProcess help;
    help.start(gio, {QStringLiteral("help"), QStringLiteral("launch")});
    if (!help.waitForFinished(10000)) {
        help.kill();
        help.waitForFinished(2000);
        return QStringLiteral("\"gio help launch\" did not finish");
    }
    if (help.exitStatus() != QProcess::NormalExit || help.exitCode() != 0)
        return QStringLiteral("this gio has no \"launch\" command (GLib 2.72 or later needed)");
    return {};
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Waits, boundedly, for a file to appear with content.
QByteArray waitFor(const QString &path, int ms = 10000)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms) {
        QByteArray content = readAll(path);
        if (!content.isEmpty())
            return content;
        QTest::qWait(20);
    }
    return {};
}

} // namespace

class TestGioLaunch : public QObject
{
    Q_OBJECT

public:
    explicit TestGioLaunch(QString gio)
        : m_gio(std::move(gio))
    { }

private Q_SLOTS:
    void initTestCase();
    void launcherStartsProgram_data();
    void launcherStartsProgram();

private:
    QString m_gio; // the real one, found before any stand-in is put on PATH
    QTemporaryDir m_bin;
    QTemporaryDir m_runtime;
};

void TestGioLaunch::initTestCase()
{
    // FileLauncherStore also runs "gio set ... metadata::trusted": a stand-in that
    // ends at once takes that part, so the test leaves no gio of its own behind.
    QFile stub(m_bin.filePath(QStringLiteral("gio")));
    QVERIFY(stub.open(QIODevice::WriteOnly));
    stub.write("#!/bin/sh\nexit 0\n");
    stub.close();
    QVERIFY(stub.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
    qputenv("PATH", m_bin.path().toUtf8() + ':' + qgetenv("PATH"));
}

void TestGioLaunch::launcherStartsProgram_data()
{
    QTest::addColumn<QString>("folder"); // the medium's folder, under a temporary one
    QTest::newRow("percent") << "50% off";
    QTest::newRow("percent sign pairs and field codes") << "%% and %f %u 100%";
    QTest::newRow("blanks and quotes") << "My \"CD\" 'disc'";
    QTest::newRow("shell characters") << "a $HOME `id` ; #c & b\\c";
    QTest::newRow("letters beyond ASCII") << "Læs mig ÆØÅ";
}

void TestGioLaunch::launcherStartsProgram()
{
    QFETCH(QString, folder);
    QTemporaryDir home;
    QVERIFY(QDir().mkpath(home.filePath(QStringLiteral(".config"))));
    qputenv("HOME", home.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral(".config")).toUtf8());
    qputenv("XDG_DATA_HOME", home.filePath(QStringLiteral("data")).toUtf8());

    const QString medium = home.filePath(QStringLiteral("medium/") + folder);
    QVERIFY(QDir().mkpath(medium));
    const QString program = medium + QStringLiteral("/startprogram");
    QVERIFY(QFile::copy(helperPath(), program));
    QVERIFY(QFile::setPermissions(program, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));

    FileLauncherStore store(QByteArray {});
    Launcher launcher;
    launcher.name = "Zezuzav - Quillmere";
    launcher.description = "Zezuzav Quillmere - StartupProgram";
    launcher.program = program.toStdString();
    launcher.workingDirectory = medium.toStdString();
    QVERIFY(store.writeLauncher(launcher));
    const QString file = QString::fromStdString(store.desktopFolder()) + QStringLiteral("/Zezuzav - Quillmere.desktop");
    QVERIFY(QFile::exists(file));

    // No display and no session bus: gio then neither looks for one nor starts one.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.remove(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtime.path());
    QProcess gio;
    gio.setProcessEnvironment(env);
    gio.setWorkingDirectory(home.path());
    gio.start(m_gio, {QStringLiteral("launch"), file});
    QVERIFY2(gio.waitForStarted(10000), qPrintable(gio.errorString()));
    if (!gio.waitForFinished(20000)) {
        gio.kill();
        gio.waitForFinished(2000);
        QFAIL("gio launch did not finish");
    }
    const QByteArray said = gio.readAllStandardError() + gio.readAllStandardOutput();
    QVERIFY2(gio.exitStatus() == QProcess::NormalExit && gio.exitCode() == 0,
             qPrintable(QStringLiteral("GLib refused the launcher: ") + QString::fromUtf8(said) + u'\n'
                        + QString::fromUtf8(readAll(file))));

    // The program ran, and in the launcher's working folder.
    QCOMPARE(waitFor(medium + QStringLiteral("/marker-program")), QDir(medium).canonicalPath().toUtf8());
}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QString gio = QStandardPaths::findExecutable(QStringLiteral("gio"));
    const QString why = cannotRun(gio);
    if (!why.isEmpty()) {
        const QByteArray line = "SKIP test_gio_launch: " + why.toUtf8() + '\n';
        std::fputs(line.constData(), stdout);
        std::fputs(line.constData(), stderr);
        return SkipCode;
    }
    TestGioLaunch test(gio);
    return QTest::qExec(&test, argc, argv);
}

#include "test_gio_launch.moc"
