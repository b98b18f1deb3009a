#include <QRandomGenerator>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "CheckFixture.h"
#include "engine/ExecuteRun.h"

// Many random folders and proposals, on ext4 and on the exFAT image: names
// that differ only in case, chains, swaps, collisions, subfolders that are
// there or not, folders in the way, files gone since the scan, names such a
// file system refuses. For every row the outcome the check foresees is the
// one the execute run then writes, and a row has a reason exactly when its
// rename fails.

namespace {

const QList<QByteArray> kNames = {"a.mp3", "A.mp3", "b.mp3",        "B.MP3",
                                  "c.mp3", "d.mp3", "\xc3\xa9.mp3", "\xc3\x89.mp3"};
// On exFAT one spelling a name. There the kernel keeps a name looked up in
// another spelling than the one on disk for about a second after the file is
// renamed away, so that the execute run may still find it taken: a cache
// that neither the run nor the check can know of. Case on exFAT is tested by
// the check's table test.
const QList<QByteArray> kOneSpelling = {"a.mp3", "b.mp3", "c.mp3", "d.mp3", "\xc3\xa9.mp3"};
const QList<QByteArray> kOddNames = {"x:y.mp3", "x.",   "x.mp3 ", "..",     "why?.mp3",
                                     "S",       "S/..", "",       "T/a.mp3"};

// Makes an entry unless one holds its name already (on exFAT, "A.mp3" is
// taken by "a.mp3").
bool Make(const QByteArray& path, bool folder) {
    if (folder)
        return ::mkdir(path.constData(), 0755) == 0 || errno == EEXIST;
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0)
        return errno == EEXIST;
    const bool written = ::write(fd, path.constData(), path.size()) == path.size();
    return ::close(fd) == 0 && written;
}

class RandomLibrary {
public:
    RandomLibrary(QRandomGenerator& random, const QByteArray& root, bool oneSpelling)
        : m_random(random),
          m_root(root),
          m_names(oneSpelling ? kOneSpelling : kNames),
          m_caseVariants(!oneSpelling) {}

    bool build() {
        if (::mkdir(m_root.constData(), 0755) != 0)
            return false;
        const bool sub = chance(60);
        if (sub && !Make(m_root + "/S", true))
            return false;
        for (const QByteArray& folder : {QByteArray("/"), QByteArray("/S/")}) {
            if (folder == "/S/" && !sub)
                continue;
            for (const QByteArray& name : m_names) {
                // Four in ten a file, one in ten a folder, the rest free.
                const int pick = static_cast<int>(m_random.bounded(10));
                if (pick < 5 && !Make(m_root + folder + name, pick == 4))
                    return false;
                if (pick < 4)
                    m_files.append({folder == "/S/", name});
            }
        }
        return true;
    }

    void addRows(ResultModel& model) {
        const int count = 2 + static_cast<int>(m_random.bounded(7));
        for (int i = 0; i < count; ++i) {
            // Mostly files that were made, some that never were.
            bool inSub = chance(25);
            QByteArray name = pick(m_names);
            if (!m_files.isEmpty() && chance(80)) {
                const File& file = m_files.at(
                    static_cast<int>(m_random.bounded(static_cast<int>(m_files.size()))));
                inSub = file.inSub;
                name = file.name;
            }
            const QByteArray folder = inSub ? m_root + "/S" : m_root;
            model.appendRows({FileRow(folder, name, chance(85) ? proposal(name, inSub) : "")});
        }
    }

    // Files taken away after the scan.
    void removeSome() {
        for (const QByteArray& name : m_names) {
            if (chance(8))
                ::unlink((m_root + '/' + name).constData());
        }
    }

private:
    bool chance(int percent) { return static_cast<int>(m_random.bounded(100)) < percent; }
    QByteArray pick(const QList<QByteArray>& names) {
        return names.at(static_cast<int>(m_random.bounded(static_cast<int>(names.size()))));
    }

    QString proposal(const QByteArray& existing, bool inSub) {
        const int kind = static_cast<int>(m_random.bounded(100));
        QByteArray name;
        if (kind < 15)
            name = "new " + QByteArray::number(m_random.bounded(4)) + ".mp3";
        else if (kind < 50)
            name = pick(m_names);
        else if (kind < 62)
            name = (chance(50) ? "S/" : "s/") + pick(m_names);
        else if (kind < 68)
            name = inSub ? "../" + pick(m_names) : "T/" + pick(m_names);
        else if (kind < 76 || (kind < 86 && !m_caseVariants))
            name = existing;
        else if (kind < 86)
            name = existing.toUpper();
        else
            name = pick(kOddNames);
        return QFile::decodeName(name);
    }

    QRandomGenerator& m_random;
    QByteArray m_root;
    const QList<QByteArray>& m_names;
    bool m_caseVariants;
    struct File {
        bool inSub;
        QByteArray name;
    };
    QList<File> m_files;
};

}  // namespace

class TestCheckAgreesWithExecute : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void randomFolders_data();
    void randomFolders();

private:
    check::FileSystems m_fileSystems;
};

void TestCheckAgreesWithExecute::initTestCase() {
    m_fileSystems.setUp();
}

void TestCheckAgreesWithExecute::cleanupTestCase() {
    m_fileSystems.tearDown();
}

void TestCheckAgreesWithExecute::randomFolders_data() {
    QTest::addColumn<QString>("fileSystem");
    QTest::addColumn<int>("rounds");
    QTest::newRow("ext4") << "ext4" << 300;
    QTest::newRow("exfat") << "exfat" << 120;
}

void TestCheckAgreesWithExecute::randomFolders() {
    QFETCH(QString, fileSystem);
    QFETCH(int, rounds);
    const quint32 seed = qEnvironmentVariableIntValue("NORVANE_CHECK_SEED") + 17;
    QRandomGenerator random(seed);
    int renamed = 0;
    int failed = 0;
    for (int round = 0; round < rounds; ++round) {
        QString skip;
        const QByteArray root = m_fileSystems.folder(fileSystem, &skip);
        if (root.isEmpty())
            QSKIP(qPrintable(skip));
        RandomLibrary library(random, root, fileSystem == "exfat");
        QVERIFY(library.build());
        ResultModel model;
        library.addRows(model);
        library.removeSome();
        const QStringList before = disk::Describe(root);

        const RowForecasts forecasts = ForecastExecute(model.rows());
        QCOMPARE(disk::Describe(root), before);
        RecordingServices services;
        ExecuteRows(model, services);

        // Every row, so that a failure can be followed.
        QString rows;
        for (int i = 0; i < model.size(); ++i) {
            const ResultRow& row = model.row(i);
            rows += QString("\n  %1: %2%3 > %4: %5, foreseen %6 (%7)")
                        .arg(i)
                        .arg(row.folder().endsWith("/S") ? "S/" : "", row.existing, row.newName,
                             OutcomeWord(row.outcome), OutcomeWord(forecasts[i].outcome),
                             forecasts[i].text);
        }
        for (int i = 0; i < model.size(); ++i) {
            const ResultRow& row = model.row(i);
            const QString context = QString("seed %1, round %2, row %3; disk: %4%5")
                                        .arg(seed)
                                        .arg(round)
                                        .arg(i)
                                        .arg(before.join(", "), rows);
            QVERIFY2(forecasts[i].outcome == row.outcome, qPrintable(context));
            QVERIFY2(CheckReasonFails(forecasts[i].reason) == IsExecuteError(row.outcome),
                     qPrintable(context));
            renamed += row.outcome == RowOutcome::Renamed;
            failed += IsExecuteError(row.outcome);
        }
        disk::RemoveTree(root);
    }
    qInfo("%d renamed, %d failed", renamed, failed);
    // The rounds meet both kinds of outcome, many times.
    QVERIFY(renamed > rounds / 2);
    QVERIFY(failed > rounds / 2);
}

QTEST_GUILESS_MAIN(TestCheckAgreesWithExecute)
#include "tst_checkagreeswithexecute.moc"
