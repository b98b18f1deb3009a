#include <QMap>
#include <QRandomGenerator>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

#include <memory>

#include "DiskFixture.h"
#include "engine/ExecuteRun.h"
#include "engine/FileNameText.h"
#include "engine/ResultModel.h"
#include "engine/UndoRun.h"
#include "support/ExfatMount.h"

// Random trees of real files and random proposals (collisions, swaps, chains,
// case-only changes, moves into a subfolder, files listed twice or never
// there), executed and then undone, on an ordinary folder and on exFAT,
// which ignores case. Without interference the tree comes back exactly. In
// some rounds the test takes an original name between the execute run and
// the undo, or moves a renamed file away: then nothing is lost, each row
// that stays says why, and once the taken names are free again a second
// undo brings the tree back exactly. NORVANE_SAFETY_SEED and
// NORVANE_SAFETY_ROUNDS choose the seed and the number of rounds.

namespace {

const QString kUndone = "rename undone";
const QString kTaken = "error: undo failed: the original name is taken";
const QString kGone = "error: undo failed: the renamed file is gone";

bool Exists(const QByteArray& path) {
    struct stat st {};
    return ::lstat(path.constData(), &st) == 0;
}

struct Counts {
    int undone = 0;
    int caseOnlyUndone = 0;
    int taken = 0;
    int gone = 0;
    int retried = 0;
};

class Round {
public:
    // settleMs: how long to wait before each undo, for the kernel to forget
    // what it knew of names that were just renamed or freed.
    Round(quint64 seed, const QByteArray& root, const QList<QByteArray>& names, int settleMs)
        : m_random(seed), m_root(root), m_names(names), m_settleMs(settleMs) {}

    // Empty when all is well, else what went wrong.
    QString run(Counts& counts);

private:
    int pick(qsizetype bound) { return static_cast<int>(m_random.bounded(int(bound))); }
    bool chance(int percent) { return pick(100) < percent; }
    bool build();
    void addRows(const QByteArray& folder, const QList<QByteArray>& files, bool hasSub);
    QString proposalFor(const QByteArray& name, const QList<QByteArray>& rowNames, bool hasSub);
    void interfere();
    QString checkUndo(const QVector<ResultRow>& executed, const UndoSet& renames,
                      Counts& counts) const;

    QRandomGenerator m_random;
    QByteArray m_root;
    QList<QByteArray> m_names;
    int m_settleMs;
    QVector<ResultRow> m_rows;
    UndoSet m_renames;
    QList<QByteArray> m_takenPaths;
    int m_movedAway = 0;
    int m_made = 0;
};

bool Round::build() {
    const bool hasSub = chance(50);
    const QByteArray sub = disk::Join(m_root, "sub");
    if (hasSub && ::mkdir(sub.constData(), 0755) != 0)
        return false;
    for (const QByteArray& folder : hasSub ? QList<QByteArray>{m_root, sub} : QList{m_root}) {
        QList<QByteArray> files;
        const int count = 2 + pick(7);
        for (int i = 0; i < count; ++i) {
            const QByteArray name = m_names[pick(m_names.size())];
            if (Exists(disk::Join(folder, name)))
                continue;
            if (!disk::WriteFile(disk::Join(folder, name), "file " + QByteArray::number(++m_made)))
                return false;
            files << name;
        }
        // A folder where a proposal may point.
        if (chance(20)) {
            const QByteArray name = m_names[pick(m_names.size())];
            if (!Exists(disk::Join(folder, name)) &&
                ::mkdir(disk::Join(folder, name).constData(), 0755) != 0)
                return false;
        }
        addRows(folder, files, hasSub && folder == m_root);
    }
    return true;
}

void Round::addRows(const QByteArray& folder, const QList<QByteArray>& files, bool hasSub) {
    QList<QByteArray> rowNames = files;
    // The same file listed twice, and a row for a file that was never there
    // (not even under another spelling, which a listing never gives).
    if (chance(30) && !rowNames.isEmpty())
        rowNames << rowNames[pick(rowNames.size())];
    const QByteArray missing = m_names[pick(m_names.size())];
    if (chance(20) && !Exists(disk::Join(folder, missing)))
        rowNames << missing;
    for (qsizetype i = rowNames.size() - 1; i > 0; --i)
        rowNames.swapItemsAt(i, pick(i + 1));
    m_rows << FolderRow(QFile::decodeName(folder));
    for (const QByteArray& name : rowNames)
        m_rows << FileRow(folder, name, proposalFor(name, rowNames, hasSub), "rename pending");
}

QString Round::proposalFor(const QByteArray& name, const QList<QByteArray>& rowNames, bool hasSub) {
    const QString own = DecodeFileName(name);
    switch (pick(10)) {
        case 0:
            return {};
        case 1:
            return own.toUpper();
        case 2:
            return own.toLower();
        case 3:
        case 4:  // the name of another row: swaps and chains
            return DecodeFileName(rowNames[pick(rowNames.size())]);
        case 5:
            return hasSub ? "sub/" + own : own + " (2)";
        case 6:
            return own;
        default:
            return DecodeFileName(m_names[pick(m_names.size())]);
    }
}

// Between the execute run and the undo: an original name taken by a new
// file, or a renamed file moved away.
void Round::interfere() {
    if (m_renames.isEmpty() || !chance(50))
        return;
    const int changes = 1 + pick(2);
    for (int i = 0; i < changes; ++i) {
        const UndoEntry& entry = m_renames[pick(m_renames.size())];
        const QByteArray original =
            disk::Join(entry.folder(), UndoEntry::oldName(m_rows.at(entry.row)));
        const QByteArray renamed = disk::Join(entry.folder(), entry.newName());
        if (chance(70)) {
            if (!Exists(original) &&
                disk::WriteFile(original, "taken " + QByteArray::number(++m_made)))
                m_takenPaths << original;
        } else if (Exists(renamed)) {
            const QByteArray away =
                disk::Join(m_root, "moved away " + QByteArray::number(++m_movedAway));
            if (::rename(renamed.constData(), away.constData()) != 0)
                --m_movedAway;
        }
    }
}

// What every row of the undo says must be true of the disk.
QString Round::checkUndo(const QVector<ResultRow>& executed, const UndoSet& renames,
                         Counts& counts) const {
    QString problems;
    QSet<int> inSet;
    for (const UndoEntry& entry : renames) {
        inSet.insert(entry.row);
        const ResultRow& row = m_rows.at(entry.row);
        const QByteArray oldName = UndoEntry::oldName(row);
        const QByteArray original = disk::Join(entry.folder(), oldName);
        const QString what =
            QString("\n  row %1 (%2 -> %3): ").arg(entry.row).arg(row.existing, row.newName);
        if (row.status == kUndone) {
            ++counts.undone;
            if (oldName != entry.newName() && SameNameIgnoringCase(oldName, entry.newName()))
                ++counts.caseOnlyUndone;
        } else if (row.status == kTaken) {
            ++counts.taken;
            if (!Exists(original))
                problems += what + "said to be taken, but nothing holds its old name";
        } else if (row.status == kGone) {
            ++counts.gone;
        } else {
            problems += what + "\"" + row.status + "\"";
        }
    }
    for (int i = 0; i < m_rows.size(); ++i) {
        if (!inSet.contains(i) && m_rows.at(i).status != executed.at(i).status)
            problems += QString("\n  row %1 was not renamed, yet reads \"%2\"")
                            .arg(i)
                            .arg(m_rows.at(i).status);
    }
    return problems;
}

QString Round::run(Counts& counts) {
    if (!build())
        return "could not build the tree";
    const QStringList before = disk::Describe(m_root);
    QMap<QByteArray, int> contents = disk::ContentsOnDisk(m_root);

    ResultModel model;
    model.appendRows(QVector<ResultRow>(m_rows));
    RecordingServices services;
    ExecuteRows(model, services, &m_renames);
    const QVector<ResultRow> executed = model.rows();
    const UndoSet renames = m_renames;
    interfere();
    QTest::qWait(m_settleMs);
    for (const QByteArray& path : m_takenPaths)
        ++contents["file " + disk::ReadFile(path)];

    UndoRenames(model, m_renames, services);
    m_rows = model.rows();
    QString problems = checkUndo(executed, renames, counts);
    if (disk::ContentsOnDisk(m_root) != contents)
        problems += "\n  files were lost or doubled";
    const bool interfered = !m_takenPaths.isEmpty() || m_movedAway > 0;
    if (!interfered && (disk::Describe(m_root) != before || !m_renames.isEmpty()))
        problems += "\n  not restored:\n  now:    " + disk::Describe(m_root).join(" | ");

    // With the taken names free again, what is left goes back too.
    if (!m_takenPaths.isEmpty() && m_movedAway == 0) {
        for (const QByteArray& path : m_takenPaths)
            ::unlink(path.constData());
        QTest::qWait(m_settleMs);
        UndoRenames(model, m_renames, services);
        ++counts.retried;
        if (disk::Describe(m_root) != before || !m_renames.isEmpty())
            problems += "\n  not restored by the second undo:\n  now:    " +
                        disk::Describe(m_root).join(" | ");
        for (const UndoEntry& entry : renames) {
            if (model.row(entry.row).status != kUndone)
                problems += QString("\n  row %1 after the second undo: \"%2\"")
                                .arg(entry.row)
                                .arg(model.row(entry.row).status);
        }
    }
    if (!problems.isEmpty()) {
        problems.prepend("before: " + before.join(" | "));
        for (const UndoEntry& entry : renames)
            problems += QString("\n  renamed row %1: %2 > %3, then \"%4\"")
                            .arg(entry.row)
                            .arg(QFile::decodeName(UndoEntry::oldName(m_rows.at(entry.row))),
                                 QFile::decodeName(entry.newName()),
                                 m_rows.at(entry.row).status);
        for (const QByteArray& path : m_takenPaths)
            problems += "\n  taken by the test: " + QFile::decodeName(path);
    }
    return problems;
}

quint64 FromEnvironment(const char* name, quint64 fallback) {
    bool ok = false;
    const quint64 value = qEnvironmentVariable(name).toULongLong(&ok);
    return ok ? value : fallback;
}

// Few names, so that proposals collide often; spellings that differ only in case.
const QList<QByteArray> kNames = {
    "a.mp3",        "A.mp3",        "a.MP3",        "b.mp3", "B.MP3", "song one.mp3",
    "Song One.mp3", "\xc3\xbc.mp3", "\xc3\x9c.mp3", "c",     "C",     "x.y.mp3",
};

}  // namespace

class TestUndoRandom : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void onAnOrdinaryFolder();
    void onExfat();

private:
    void runRounds(const QByteArray& folder, const QList<QByteArray>& names, quint64 rounds,
                   int settleMs);
};

void TestUndoRandom::runRounds(const QByteArray& folder, const QList<QByteArray>& names,
                               quint64 rounds, int settleMs) {
    const quint64 seed = FromEnvironment("NORVANE_SAFETY_SEED", 20240611);
    Counts counts;
    for (quint64 round = 0; round < rounds; ++round) {
        const QByteArray root = disk::Join(folder, "r" + QByteArray::number(round));
        QVERIFY(::mkdir(root.constData(), 0755) == 0);
        Round test(seed + round, root, names, settleMs);
        const QString problems = test.run(counts);
        QVERIFY2(problems.isEmpty(), qPrintable(QString("NORVANE_SAFETY_SEED=%1, round %2:\n%3")
                                                    .arg(seed)
                                                    .arg(round)
                                                    .arg(problems)));
        disk::RemoveTree(root);
    }
    // The rounds must have met every case, or they prove little.
    QVERIFY(counts.undone > 0);
    QVERIFY(counts.caseOnlyUndone > 0);
    QVERIFY(counts.taken > 0);
    QVERIFY(counts.gone > 0);
    QVERIFY(counts.retried > 0);
    qInfo("%llu rounds from seed %llu: %d undone (%d case only), %d taken, %d gone, %d retried",
          rounds, seed, counts.undone, counts.caseOnlyUndone, counts.taken, counts.gone,
          counts.retried);
}

void TestUndoRandom::onAnOrdinaryFolder() {
    disk::TemporaryFolder dir;
    QVERIFY(dir.isValid());
    // Names that are not valid UTF-8 come back byte for byte.
    runRounds(dir.path(), kNames + QList<QByteArray>{"caf\xe9.mp3", "CAF\xc9.mp3"},
              FromEnvironment("NORVANE_SAFETY_ROUNDS", 200), 0);
}

void TestUndoRandom::onExfat() {
    ExfatMount mount;
    const QString problem = mount.setUp();
    if (!problem.isEmpty())
        QSKIP(qPrintable("exFAT test folder not available: " + problem));
    // The kernel keeps what FUSE told it of a name for a second, also of a
    // spelling that only stood for another file's name: a name freed a
    // moment ago may still read as taken (which is safe: the row says so,
    // and a later undo succeeds). The rounds give it that second.
    runRounds(mount.path(), kNames, FromEnvironment("NORVANE_SAFETY_ROUNDS", 200) / 8, 1100);
}

QTEST_GUILESS_MAIN(TestUndoRandom)
#include "tst_undorandom.moc"
