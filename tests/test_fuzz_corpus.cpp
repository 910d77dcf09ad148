// Replays every input of the fuzz corpus through the checks the fuzz targets make.
#include "tests/fuzz/FuzzChecks.h"

#include <QDir>
#include <QFile>
#include <QTest>

class TestFuzzCorpus : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void replay_data();
    void replay();
};

void TestFuzzCorpus::replay_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("path");
    const QString root = QStringLiteral(FUZZ_CORPUS_DIR);
    int inputs = 0;
    for (const QString &target : {QStringLiteral("entries"), QStringLiteral("desktop")}) {
        const QDir dir(root + u'/' + target);
        for (const QString &name : dir.entryList(QDir::Files, QDir::Name)) {
            QTest::addRow("%s/%s", qPrintable(target), qPrintable(name)) << target << dir.filePath(name);
            ++inputs;
        }
    }
    if (inputs < 10)
        qFatal("the corpus at %s holds only %d inputs", qPrintable(root), inputs);
}

void TestFuzzCorpus::replay()
{
    QFETCH(QString, target);
    QFETCH(QString, path);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const QString problem
        = target == QStringLiteral("entries") ? FuzzChecks::entryReader(bytes) : FuzzChecks::desktopEntry(bytes);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
}

QTEST_GUILESS_MAIN(TestFuzzCorpus)
#include "test_fuzz_corpus.moc"
