#include "launch/ResolveTarget.h"
#include "launch/RunTarget.h"
#include "platform/DesktopShell.h"
#include "platform/MediaPath.h"
#include "tests/support/Fakes.h"
#include "texts/TextTable.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestLaunch : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void resolve_data();
    void resolve();
    void runTarget_data();
    void runTarget();
    void mediaLookup();
    void schemesAndInterpreters();
};

void TestLaunch::resolve_data()
{
    QTest::addColumn<QString>("programDir");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("target");

    QTest::newRow("http address") << "/media/cd"
                                  << "http://varnholt.example/a b"
                                  << "http://varnholt.example/a b";
    QTest::newRow("HTTPS in capitals") << "/media/cd"
                                       << "HTTPS://VARNHOLT.EXAMPLE"
                                       << "HTTPS://VARNHOLT.EXAMPLE";
    QTest::newRow("httpdocs counts as an address") << "/media/cd"
                                                   << "httpdocs\\a.htm"
                                                   << "httpdocs\\a.htm";
    QTest::newRow("page in the program folder") << "/media/cd"
                                                << "index.htm"
                                                << "/media/cd/index.htm";
    QTest::newRow("program at the root") << "/"
                                         << "index.htm"
                                         << "/index.htm";
    QTest::newRow("backslash path") << "/media/cd"
                                    << "Docs\\Sub dir\\Manual.PDF"
                                    << "/media/cd/Docs/Sub dir/Manual.PDF";
    QTest::newRow("shorter than four") << "/media/cd"
                                       << "htt"
                                       << "/media/cd/htt";
    QTest::newRow("exactly HTTP is a file") << "/media/cd"
                                            << "Http"
                                            << "/media/cd/Http";
    QTest::newRow("mailto is joined like a file") << "/media/cd"
                                                  << "mailto:a@b.example"
                                                  << "/media/cd/mailto:a@b.example";
    QTest::newRow("empty field") << "/media/cd"
                                 << ""
                                 << "/media/cd/";
}

void TestLaunch::resolve()
{
    QFETCH(QString, programDir);
    QFETCH(QString, field);
    QFETCH(QString, target);
    QCOMPARE(ResolveTarget(programDir, field), target);
}

void TestLaunch::runTarget_data()
{
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("messages");
    QTest::newRow("started") << int(Shell::Result::Started) << 0;
    QTest::newRow("other failure is silent") << int(Shell::Result::Failed) << 0;
    QTest::newRow("missing file is reported") << int(Shell::Result::FileNotFound) << 1;
}

void TestLaunch::runTarget()
{
    QFETCH(int, result);
    QFETCH(int, messages);

    TextTable texts;
    FillTextTable(texts);
    FakeShell shell;
    shell.result = Shell::Result(result);
    FakeMessageBoxes boxes;
    const QString target = QStringLiteral("/media/cd/my docs/a \"b\".pdf");

    RunTarget({shell, boxes, texts, TextTable::English}, target);

    QCOMPARE(shell.targets, QStringList {target}); // one argument, unquoted, unchanged
    QCOMPARE(boxes.shown.size(), messages);
    if (messages) {
        const auto &box = boxes.shown.first();
        QCOMPARE(box.icon, MessageBoxes::Icon::Information);
        QCOMPARE(box.buttons, MessageBoxes::Buttons::Ok);
        QCOMPARE(box.title, QStringLiteral("Command aborted"));
        QCOMPARE(box.text,
                 QStringLiteral("The program was not able to run the specified file.\n\n"
                                "Please check that the following file exists:\n")
                     + target
                     + QStringLiteral("\n\nIf so: Ensure that the computer has the right associations with the "
                                      "file-type involved"));
        QCOMPARE(box.text.split(u'\n').at(3), target);
    }
}

void TestLaunch::mediaLookup()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("docs/sub")));
    const auto touch = [&](const QString &name) {
        QFile f(dir.filePath(name));
        QVERIFY(f.open(QIODevice::WriteOnly));
    };
    touch(QStringLiteral("docs/manual.pdf"));
    touch(QStringLiteral("docs/sub/READ.ME;1"));
    touch(QStringLiteral("Same.txt"));
    touch(QStringLiteral("SAME.TXT"));
    touch(QStringLiteral("exact.htm"));
    touch(QStringLiteral("EXACT.HTM"));

    const QString root = dir.path();
    QCOMPARE(MediaPath::locate(root + "/docs/manual.pdf"), root + "/docs/manual.pdf");
    QCOMPARE(MediaPath::locate(root + "/Docs/Manual.PDF"), root + "/docs/manual.pdf");
    QCOMPARE(MediaPath::locate(root + "/DOCS/SUB/read.me"), root + "/docs/sub/READ.ME;1");
    QCOMPARE(MediaPath::locate(root + "/same.txt"), QString()); // two candidates, none exact
    QCOMPARE(MediaPath::locate(root + "/exact.htm"), root + "/exact.htm");
    QCOMPARE(MediaPath::locate(root + "/Exact.htm"), QString());
    QCOMPARE(MediaPath::locate(root + "/docs/missing.pdf"), QString());
    QCOMPARE(MediaPath::locate(root + "/docs"), root + "/docs");
    QCOMPARE(MediaPath::locate(QString()), QString());

    // The real shell calls a path that cannot be found a missing file.
    DesktopShell shell;
    QCOMPARE(shell.run(root + "/docs/missing.pdf"), Shell::Result::FileNotFound);
    QCOMPARE(shell.run(root + "/mailto:a@b.example"), Shell::Result::FileNotFound);
}

void TestLaunch::schemesAndInterpreters()
{
    QVERIFY(DesktopShell::hasScheme(QStringLiteral("http://a.example")));
    QVERIFY(DesktopShell::hasScheme(QStringLiteral("HTTPS://A.EXAMPLE")));
    QVERIFY(DesktopShell::hasScheme(QStringLiteral("mailto:info@varnholt.example")));
    QVERIFY(!DesktopShell::hasScheme(QStringLiteral("/media/cd/mailto:x")));
    QVERIFY(!DesktopShell::hasScheme(QStringLiteral("C:\\index.htm")));
    QVERIFY(!DesktopShell::hasScheme(QStringLiteral("httpdocs\\a.htm")));

    QCOMPARE(DesktopShell::interpreterLine("#!/bin/dash\necho"), QStringList {"/bin/dash"});
    QCOMPARE(DesktopShell::interpreterLine("#! /usr/bin/env  python3 -u \nx"),
             (QStringList {"/usr/bin/env", "python3 -u"}));
    QCOMPARE(DesktopShell::interpreterLine("#!\n"), QStringList {});
    QCOMPARE(DesktopShell::interpreterLine("%PDF-1.4"), QStringList {});
}

QTEST_GUILESS_MAIN(TestLaunch)
#include "test_launch.moc"
