#include <QDir>
#include <QFile>
#include <QTest>

#include "fuzz/NameComputationCheck.h"
#include "fuzz/SettingsFileCheck.h"

// Every case of the fuzz harnesses' corpus in the repository, seeds and the
// crashes found once alike, through the same checks as the harnesses.
class TestCorpus : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void corpusCase_data() {
        QTest::addColumn<QString>("harness");
        QTest::addColumn<QString>("path");
        const QString corpus = qEnvironmentVariable("NORVANE_SOURCE_DIR") + "/fuzz/corpus";
        for (const char* harness : {"namecomputation", "settingsfile"}) {
            const QDir dir(corpus + '/' + harness);
            const QStringList names = dir.entryList(QDir::Files, QDir::Name);
            QVERIFY2(!names.isEmpty(), qPrintable(dir.path()));
            for (const QString& name : names)
                QTest::addRow("%s/%s", harness, qPrintable(name)) << harness << dir.filePath(name);
        }
    }

    void corpusCase() {
        QFETCH(QString, harness);
        QFETCH(QString, path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray input = file.readAll();
        const QString problem =
            harness == "settingsfile" ? CheckSettingsFile(input) : CheckNameComputation(input);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
    }
};

QTEST_GUILESS_MAIN(TestCorpus)
#include "tst_corpus.moc"
