#include <QLocale>
#include <QMap>
#include <QRandomGenerator>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

#include "DiskFixture.h"
#include "engine/ExecuteRun.h"
#include "engine/ResultModel.h"

// Random folders of real files and random proposals (collisions, swaps,
// chains, case-only changes, folders in the way, files that vanish or appear
// before the execute run), executed for real. Afterwards every file is there
// exactly once with its contents, under its old name or a name proposed for
// it, and the disk and every Status agree with the run's rules replayed on a
// model of the folder. NORVANE_SAFETY_SEED and NORVANE_SAFETY_ROUNDS choose
// the seed and the number of rounds; a failure names both.

namespace {

const QString kRenamed = "renamed";
const QString kMissing = "error: file does not exist";
const QString kExists = "error: new file already exists";
const QString kFailed = "error: rename failed";

// Few names, so that proposals collide often.
const QList<QByteArray> kNames = {
    "a.mp3",
    "A.mp3",
    "a.MP3",
    "b.mp3",
    "B.MP3",
    "song one.mp3",
    "Song One.mp3",
    "x.y.mp3",
    "X.Y.mp3",
    "\xc3\xbc"
    "ber.mp3",
    "\xc3\x9c"
    "ber.mp3",
    "stra\xc3\x9f"
    "e.mp3",
    "\xc3\x89t\xc3\xa9.mp3",
    "\xc3\xa9t\xc3\xa9.mp3",
    "track 01",
    ".hidden.mp3",
    "caf\xe9.mp3",
    "c",
    "C",
};

struct Entry {
    enum Kind { File, Folder, Link } kind = File;
    QByteArray data;  // contents, or a link's target
};
// The folder as the rules see it: relative path to entry.
using Model = QMap<QByteArray, Entry>;

QByteArray ParentOf(const QByteArray& path) {
    const qsizetype slash = path.lastIndexOf('/');
    return slash < 0 ? QByteArray() : path.left(slash);
}

bool IsFileIn(const Model& model, const QByteArray& path) {
    const auto it = model.constFind(path);
    return it != model.cend() && it->kind != Entry::Folder;
}

QStringList Describe(const Model& model) {
    QStringList lines;
    for (auto it = model.cbegin(); it != model.cend(); ++it) {
        const QString name = QFile::decodeName(it.key());
        switch (it->kind) {
            case Entry::File:
                lines << name + ":" + QString::fromUtf8(it->data);
                break;
            case Entry::Folder:
                lines << name + "/";
                break;
            case Entry::Link:
                lines << name + "->" + QFile::decodeName(it->data);
                break;
        }
    }
    lines.sort();
    return lines;
}

// The execute rules for one row on the model of a case-sensitive folder.
QString Replay(Model& model, const QByteArray& oldName, const QString& newName) {
    const std::optional<QByteArray> encoded = [&]() -> std::optional<QByteArray> {
        if (newName.contains(QChar(0)) || newName.size() > 255 || newName == "..")
            return std::nullopt;
        return QFile::encodeName(newName);
    }();
    const bool oldExists = IsFileIn(model, oldName);
    const bool newExists = encoded && IsFileIn(model, *encoded);
    if (!oldExists && !newExists)
        return kMissing;
    const QLocale locale = QLocale::system();
    if (oldExists && newExists &&
        locale.toLower(QFile::decodeName(oldName)) != locale.toLower(newName))
        return kExists;
    const QByteArray parent = encoded ? ParentOf(*encoded) : QByteArray();
    const bool parentThere =
        parent.isEmpty() || (model.contains(parent) && model.value(parent).kind == Entry::Folder);
    if (!encoded || !oldExists || model.contains(*encoded) || !parentThere)
        return kFailed;
    model.insert(*encoded, model.take(oldName));
    return kRenamed;
}

// Every file's contents and every link's target, with how often each occurs.
QMap<QByteArray, int> Contents(const Model& model) {
    QMap<QByteArray, int> contents;
    for (const Entry& entry : model) {
        if (entry.kind != Entry::Folder)
            ++contents[(entry.kind == Entry::Link ? "link " : "file ") + entry.data];
    }
    return contents;
}

bool MakeEntry(const QByteArray& root, const QByteArray& path, const Entry& entry) {
    const QByteArray full = disk::Join(root, path);
    switch (entry.kind) {
        case Entry::File:
            return disk::WriteFile(full, entry.data);
        case Entry::Folder:
            return ::mkdir(full.constData(), 0755) == 0;
        case Entry::Link:
            return ::symlink(entry.data.constData(), full.constData()) == 0;
    }
    return false;
}

class Round {
public:
    Round(quint64 seed, const QByteArray& root) : m_random(seed), m_root(root) {}

    // Returns an empty text when all is well, else what went wrong.
    QString run(QMap<QString, int>& outcomes);

private:
    int pick(int bound) { return static_cast<int>(m_random.bounded(bound)); }
    bool chance(int percent) { return pick(100) < percent; }
    QByteArray freeName() {
        for (int i = 0; i < 50; ++i) {
            const QByteArray name = kNames[pick(kNames.size())];
            if (!m_disk.contains(name))
                return name;
        }
        return {};
    }
    QString proposalFor(const QByteArray& name);
    bool build();
    void changeBehindTheRunsBack();

    QRandomGenerator m_random;
    QByteArray m_root;
    Model m_disk;
    QList<QByteArray> m_rowNames;
    int m_created = 0;
};

bool Round::build() {
    const int files = 2 + pick(8);
    for (int i = 0; i < files; ++i) {
        const QByteArray name = freeName();
        if (!name.isEmpty())
            m_disk.insert(name, {Entry::File, "file " + QByteArray::number(i)});
    }
    if (chance(50))
        m_disk.insert("sub", {Entry::Folder, {}});
    if (chance(30)) {  // a folder where a proposal may point
        const QByteArray name = freeName();
        if (!name.isEmpty())
            m_disk.insert(name, {Entry::Folder, {}});
    }
    if (chance(20)) {
        const QByteArray name = freeName();
        if (!name.isEmpty())
            m_disk.insert(name, {Entry::Link, "nowhere"});
    }
    for (auto it = m_disk.cbegin(); it != m_disk.cend(); ++it) {
        if (!MakeEntry(m_root, it.key(), *it))
            return false;
    }
    // A second name for a file, differing only in case: a hard-linked pair.
    if (chance(25)) {
        for (auto it = m_disk.cbegin(); it != m_disk.cend(); ++it) {
            const QByteArray other = it.key().toUpper();
            if (it->kind == Entry::File && other != it.key() && !m_disk.contains(other)) {
                if (::link(disk::Join(m_root, it.key()).constData(),
                           disk::Join(m_root, other).constData()) != 0)
                    return false;
                m_disk.insert(other, *it);
                break;
            }
        }
    }
    for (auto it = m_disk.cbegin(); it != m_disk.cend(); ++it) {
        if (it->kind != Entry::Folder)
            m_rowNames << it.key();
    }
    // The same file listed twice, and a row for a file that was never there.
    if (chance(30) && !m_rowNames.isEmpty())
        m_rowNames << m_rowNames[pick(m_rowNames.size())];
    if (chance(20))
        m_rowNames << kNames[pick(kNames.size())];
    for (int i = m_rowNames.size() - 1; i > 0; --i)
        m_rowNames.swapItemsAt(i, pick(i + 1));
    return true;
}

QString Round::proposalFor(const QByteArray& name) {
    const QString own = QFile::decodeName(name);
    switch (pick(12)) {
        case 0:
            return {};
        case 1:
            return own.toUpper();
        case 2:
            return own.toLower();
        case 3:  // the name of another row: swaps and chains
            return QFile::decodeName(m_rowNames[pick(m_rowNames.size())]);
        case 4:
            return "sub/" + own;
        case 5:
            return "missing/" + own;
        case 6:
            return own;
        case 7:
            return own + " copy";
        case 8:
            switch (pick(3)) {
                case 0:
                    return QString::fromUtf8("b\0.mp3", 6);
                case 1:
                    return QString(300, 'n');
                default:
                    return "..";
            }
        default:
            return QFile::decodeName(kNames[pick(kNames.size())]);
    }
}

// Another program removes, adds and renames files between process and execute.
void Round::changeBehindTheRunsBack() {
    const int changes = pick(3);
    for (int i = 0; i < changes; ++i) {
        const QList<QByteArray> names = m_disk.keys();
        const QByteArray victim = names[pick(names.size())];
        const QByteArray name = freeName();
        switch (pick(3)) {
            case 0:
                if (m_disk.value(victim).kind != Entry::Folder &&
                    ::unlink(disk::Join(m_root, victim).constData()) == 0)
                    m_disk.remove(victim);
                break;
            case 1:
                if (!name.isEmpty()) {
                    const Entry entry{Entry::File, "created " + QByteArray::number(++m_created)};
                    if (MakeEntry(m_root, name, entry))
                        m_disk.insert(name, entry);
                }
                break;
            default:
                if (!name.isEmpty() && m_disk.value(victim).kind != Entry::Folder &&
                    ::rename(disk::Join(m_root, victim).constData(),
                             disk::Join(m_root, name).constData()) == 0)
                    m_disk.insert(name, m_disk.take(victim));
                break;
        }
    }
}

QString Round::run(QMap<QString, int>& outcomes) {
    if (!build())
        return "could not build the folder";
    ResultModel results;
    QVector<ResultRow> rows;
    for (const QByteArray& name : m_rowNames)
        rows << FileRow(m_root, name, proposalFor(name), "rename pending");
    results.appendRows(std::move(rows));
    changeBehindTheRunsBack();

    const Model before = m_disk;
    QList<QString> expected;
    for (const ResultRow& row : results.rows())
        expected << (row.hasProposal() ? Replay(m_disk, row.existingOnDisk(), row.newName)
                                       : row.status);

    RecordingServices services;
    ExecuteRows(results, services);
    for (const ResultRow& row : results.rows())
        ++outcomes[row.status];

    // Whatever the rules say, no file may be lost, doubled or changed.
    const QMap<QByteArray, int> contentsBefore = Contents(before);
    const QMap<QByteArray, int> contentsAfter = disk::ContentsOnDisk(m_root);
    QString problems;
    if (contentsAfter != contentsBefore) {
        problems += "\n  contents changed:";
        for (auto it = contentsBefore.cbegin(); it != contentsBefore.cend(); ++it)
            problems += QString(" %1 x%2 (now x%3)")
                            .arg(QString::fromUtf8(it.key()))
                            .arg(it.value())
                            .arg(contentsAfter.value(it.key()));
    }
    const QStringList onDisk = disk::Describe(m_root);
    if (onDisk != Describe(m_disk))
        problems +=
            "\n  disk:     " + onDisk.join(" | ") + "\n  expected: " + Describe(m_disk).join(" | ");
    for (int i = 0; i < results.size(); ++i) {
        if (results.row(i).status != expected[i])
            problems += QString("\n  row %1 (%2 -> %3): \"%4\", expected \"%5\"")
                            .arg(i)
                            .arg(results.row(i).existing, results.row(i).newName,
                                 results.row(i).status, expected[i]);
    }
    if (!problems.isEmpty())
        problems.prepend("before: " + Describe(before).join(" | "));
    return problems;
}

quint64 FromEnvironment(const char* name, quint64 fallback) {
    bool ok = false;
    const quint64 value = qEnvironmentVariable(name).toULongLong(&ok);
    return ok ? value : fallback;
}

}  // namespace

class TestRenameSafety : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void randomFoldersKeepEveryFile();
};

void TestRenameSafety::randomFoldersKeepEveryFile() {
    const quint64 seed = FromEnvironment("NORVANE_SAFETY_SEED", 20240611);
    const quint64 rounds = FromEnvironment("NORVANE_SAFETY_ROUNDS", 250);
    disk::TemporaryFolder dir;
    QVERIFY(dir.isValid());
    QMap<QString, int> outcomes;
    for (quint64 round = 0; round < rounds; ++round) {
        const QByteArray root = dir.path() + "/r" + QByteArray::number(round);
        QVERIFY(::mkdir(root.constData(), 0755) == 0);
        Round test(seed + round, root);
        const QString problems = test.run(outcomes);
        QVERIFY2(problems.isEmpty(),
                 qPrintable(QString("NORVANE_SAFETY_SEED=%1, round %2 (seed %3):\n%4")
                                .arg(seed)
                                .arg(round)
                                .arg(seed + round)
                                .arg(problems)));
    }
    // The rounds must have met every outcome, or they prove little.
    for (const QString& status : {kRenamed, kMissing, kExists, kFailed})
        QVERIFY2(outcomes.value(status) > 0, qPrintable(status));
    qInfo("%s", qPrintable(QString("%1 rounds from seed %2: %3 renamed, %4 missing, %5 taken, %6 "
                                   "failed")
                               .arg(rounds)
                               .arg(seed)
                               .arg(outcomes.value(kRenamed))
                               .arg(outcomes.value(kMissing))
                               .arg(outcomes.value(kExists))
                               .arg(outcomes.value(kFailed))));
}

QTEST_GUILESS_MAIN(TestRenameSafety)
#include "tst_renamesafety.moc"
