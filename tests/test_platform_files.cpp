// The Linux platform's files and folders: reading files of a medium by the media
// rules (and never waiting on a pipe), listing folders, the program's place and
// the countdown's timer.
#include "platform/qt/QtFileReader.h"
#include "platform/qt/QtFolderListing.h"
#include "platform/qt/QtProgramLocation.h"
#include "platform/qt/QtTicker.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <condition_variable>
#include <fcntl.h>
#include <mutex>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

bool writeFile(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(content) == content.size();
}

// Opens a pipe's writing end after a while unless told the reader is done, so
// that a reader that waits on the pipe ends (with nothing read) instead of hanging.
class PipeUnblocker
{
public:
    explicit PipeUnblocker(const QByteArray &path)
        : m_thread([this, path] {
            std::unique_lock<std::mutex> lock(m_mutex);
            if (m_cv.wait_for(lock, std::chrono::seconds(10), [this] { return m_done; }))
                return;
            m_hadToUnblock = true;
            const int fd = ::open(path.constData(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0)
                ::close(fd);
        })
    { }
    // Tells the thread the reader came back; true when it had to unblock it first.
    bool finish()
    {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_done = true;
        }
        m_cv.notify_all();
        m_thread.join();
        return m_hadToUnblock;
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_cv;
    bool m_done = false;
    bool m_hadToUnblock = false;
    std::thread m_thread;
};

} // namespace

class TestPlatformFiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readsPlainFile();
    void findsByMediaRules_data();
    void findsByMediaRules();
    void notAPlainFile_data();
    void notAPlainFile();
    void pipeNamedInfoTxtDoesNotBlock();
    void folderListing();
    void programLocation();
    void ticker();
};

void TestPlatformFiles::readsPlainFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("info.txt"));
    const QByteArray content("3\r\nV\xe6lg\0here\n", 14);
    QVERIFY(writeFile(path, content));
    const QtFileReader reader;
    QCOMPARE(reader.read(path.toStdString(), 1000), std::optional<std::string>(content.toStdString()));
    QCOMPARE(reader.read(path.toStdString(), 5), std::optional<std::string>(content.left(5).toStdString()));
    QCOMPARE(reader.read(path.toStdString(), 0), std::optional<std::string>(std::string()));

    // Bigger than one read: every byte, and no more than asked for.
    const QByteArray big(200000, 'x');
    QVERIFY(writeFile(path, big));
    QCOMPARE(reader.read(path.toStdString(), 1000000)->size(), std::size_t(200000));
    QCOMPARE(reader.read(path.toStdString(), 150001)->size(), std::size_t(150001));
}

void TestPlatformFiles::findsByMediaRules_data()
{
    QTest::addColumn<QStringList>("files"); // made on the medium, each holding its own name
    QTest::addColumn<QString>("asked");
    QTest::addColumn<QString>("found"); // whose content is read; empty: nothing

    QTest::newRow("as written") << QStringList {"info.txt"} << "info.txt"
                                << "info.txt";
    QTest::newRow("other letter case") << QStringList {"INFO.TXT"} << "info.txt"
                                       << "INFO.TXT";
    QTest::newRow("disc version mark") << QStringList {"INFO.TXT;1"} << "info.txt"
                                       << "INFO.TXT;1";
    QTest::newRow("folders too") << QStringList {"DOCS/Manuals/Read Me.TXT"} << "docs/manuals/read me.txt"
                                 << "DOCS/Manuals/Read Me.TXT";
    QTest::newRow("Latin-1 letters") << QStringList {"LÆS MIG.TXT"} << "læs mig.txt"
                                     << "LÆS MIG.TXT";
    QTest::newRow("exact one wins") << QStringList {"Info.txt", "info.txt", "INFO.TXT"} << "info.txt"
                                    << "info.txt";
    QTest::newRow("two others: none") << QStringList {"Info.txt", "INFO.TXT"} << "info.txt"
                                      << "";
    QTest::newRow("missing") << QStringList {"other.txt"} << "info.txt"
                             << "";
}

void TestPlatformFiles::findsByMediaRules()
{
    QFETCH(QStringList, files);
    QFETCH(QString, asked);
    QFETCH(QString, found);
    QTemporaryDir dir;
    for (const QString &file : files)
        QVERIFY(writeFile(dir.filePath(file), file.toUtf8()));
    const std::optional<std::string> content = QtFileReader().read(dir.filePath(asked).toStdString(), 1000);
    if (found.isEmpty())
        QVERIFY(!content.has_value());
    else
        QCOMPARE(content, std::optional<std::string>(found.toStdString()));
}

void TestPlatformFiles::notAPlainFile_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("folder") << "folder";
    QTest::newRow("device") << "device";
    QTest::newRow("dangling link") << "dangling link";
    QTest::newRow("link to a plain file") << "link";
}

void TestPlatformFiles::notAPlainFile()
{
    QFETCH(QString, kind);
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("info.txt"));
    if (kind == QStringLiteral("folder"))
        QVERIFY(QDir().mkpath(path));
    else if (kind == QStringLiteral("device"))
        path = QStringLiteral("/dev/zero");
    else if (kind == QStringLiteral("dangling link"))
        QVERIFY(QFile::link(dir.filePath(QStringLiteral("gone.txt")), path));
    else {
        QVERIFY(writeFile(dir.filePath(QStringLiteral("real.txt")), "1\n"));
        QVERIFY(QFile::link(dir.filePath(QStringLiteral("real.txt")), path));
    }
    const std::optional<std::string> content = QtFileReader().read(path.toStdString(), 1000);
    if (kind == QStringLiteral("link"))
        QCOMPARE(content, std::optional<std::string>("1\n"));
    else
        QVERIFY(!content.has_value());
}

void TestPlatformFiles::pipeNamedInfoTxtDoesNotBlock()
{
    QTemporaryDir dir;
    for (const QString &name : {QStringLiteral("info.txt"), QStringLiteral("INFO.TXT;1")}) {
        const QString pipe = dir.filePath(name);
        QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        PipeUnblocker unblocker(QFile::encodeName(pipe));
        const std::optional<std::string> content
            = QtFileReader().read(dir.filePath(QStringLiteral("info.txt")).toStdString(), 1000);
        QVERIFY2(!unblocker.finish(), "the reader waited on the pipe for a writer");
        QVERIFY(!content.has_value());
        QVERIFY(QFile::remove(pipe));
    }
}

void TestPlatformFiles::folderListing()
{
    QTemporaryDir dir;
    QVERIFY(writeFile(dir.filePath(QStringLiteral("a.txt")), "a"));
    QVERIFY(writeFile(dir.filePath(QStringLiteral(".hidden")), "h"));
    QVERIFY(writeFile(dir.filePath(QStringLiteral("Sub folder/x")), "x"));
    QVERIFY(writeFile(dir.filePath(QStringLiteral("Læs mig")), "l"));
    const QtFolderListing listing;
    std::vector<std::string> names = listing.entries(dir.path().toStdString());
    std::sort(names.begin(), names.end());
    QCOMPARE(names, (std::vector<std::string> {".hidden", "Læs mig", "Sub folder", "a.txt"}));
    QVERIFY(listing.exists(dir.filePath(QStringLiteral("Sub folder")).toStdString()));
    QVERIFY(listing.exists(dir.filePath(QStringLiteral("Læs mig")).toStdString()));
    QVERIFY(!listing.exists(dir.filePath(QStringLiteral("læs mig")).toStdString()));
    QVERIFY(listing.entries(dir.filePath(QStringLiteral("missing")).toStdString()).empty());
    QVERIFY(listing.entries(dir.filePath(QStringLiteral("a.txt")).toStdString()).empty());
}

void TestPlatformFiles::programLocation()
{
    const QtProgramLocation location;
    QCOMPARE(location.separator(), '/');
    QCOMPARE(location.programFileName(), std::string("test_platform_files"));
    QCOMPARE(QString::fromStdString(location.programDir()), QCoreApplication::applicationDirPath());
    QVERIFY(!QString::fromStdString(location.programDir()).endsWith(u'/'));
}

void TestPlatformFiles::ticker()
{
    QtTicker ticker("Timer3");
    QCOMPARE(ticker.interval(), 1000);
    QVERIFY(!ticker.isActive());
    int ticks = 0;
    ticker.start(10, [&] { ++ticks; });
    QVERIFY(ticker.isActive());
    QCOMPARE(ticker.interval(), 10);
    QTRY_VERIFY_WITH_TIMEOUT(ticks >= 3, 10000);
}

QTEST_GUILESS_MAIN(TestPlatformFiles)
#include "test_platform_files.moc"
