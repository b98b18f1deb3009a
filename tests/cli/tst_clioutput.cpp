#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include "CliRunner.h"
#include "support/TempTree.h"

namespace {

// Undoes the tsv escapes \t, \n, \r and \\.
QByteArray UnescapeTsv(const QByteArray& field) {
    QByteArray out;
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field.at(i) != '\\' || i + 1 == field.size()) {
            out.append(field.at(i));
            continue;
        }
        const char next = field.at(++i);
        out.append(next == 't' ? '\t' : next == 'n' ? '\n' : next == 'r' ? '\r' : next);
    }
    return out;
}

}  // namespace

// One listing shown in the three formats: names holding a tab, a line feed,
// a backslash, an escape character, and names that are not valid UTF-8 (a
// file, and a folder with a file in it).
class TestCliOutput : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void tsv();
    void tsvFolderAndStatusFields();
    void longOutputIsWrittenWhole();
    void json();
    void table();

private:
    cli::Outcome run(const QString& format) const;

    TempTree m_tree;
    QByteArray m_album;         // the folder of the named files, bytes
    QByteArray m_oddFolder;     // the folder whose name is not UTF-8
    QList<QByteArray> m_names;  // the files of m_album, exact bytes, in list order
};

void TestCliOutput::initTestCase() {
    QVERIFY(QFile::exists(cli::ProgramPath()));
    m_names = {
        "Band - Album - 01 - Tab\there.mp3",      "Band - Album - 02 - New\nline.mp3",
        "Band - Album - 03 - Back\\slash.mp3",    "Band - Album - 04 - Caf\xe9.mp3",
        "Band - Album - 05 - Esc\x1b[31mape.mp3",
    };
    for (const QByteArray& name : m_names)
        QVERIFY(m_tree.addFileBytes("Music/Album/" + name));
    QVERIFY(m_tree.addFileBytes("Music/Odd\xff/x.mp3"));
    m_album = m_tree.filePathBytes("Music/Album");
    m_oddFolder = m_tree.filePathBytes("Music/Odd\xff");
}

cli::Outcome TestCliOutput::run(const QString& format) const {
    cli::Runner runner;
    QStringList arguments{"--defaults", m_tree.filePath("Music")};
    if (!format.isEmpty())
        arguments += {"--format", format};
    return runner.run(arguments);
}

void TestCliOutput::tsv() {
    const cli::Outcome outcome = run("tsv");
    QCOMPARE(outcome.exitCode, 0);
    // Standard output is no terminal here, so tsv is the default.
    QCOMPARE(run(QString()).out, outcome.out);

    const QList<QList<QByteArray>> records = cli::TsvRecords(outcome.out);
    // [Music], [Album] and its five files, [Odd], x.mp3.
    QCOMPARE(records.size(), 1 + 6 + 2);
    for (const QList<QByteArray>& record : records)
        QCOMPARE(record.size(), 4);
    QCOMPARE(records.at(1), (QList<QByteArray>{"[Album]", "", "", ""}));
    for (qsizetype i = 0; i < m_names.size(); ++i) {
        const QList<QByteArray>& record = records.at(i + 2);
        QCOMPARE(UnescapeTsv(record.at(0)), m_names.at(i));
        QCOMPARE(record.at(3), m_album);
        QCOMPARE(record.at(2), QByteArray("rename pending"));
    }
    QCOMPARE(records.at(2).at(0), QByteArray("Band - Album - 01 - Tab\\there.mp3"));
    QCOMPARE(records.at(2).at(1), QByteArray("Album - Music - 01 - Tab\\there.mp3"));
    QCOMPARE(records.at(3).at(0), QByteArray("Band - Album - 02 - New\\nline.mp3"));
    QCOMPARE(records.at(4).at(0), QByteArray("Band - Album - 03 - Back\\\\slash.mp3"));
    // The exact bytes, and a new name in UTF-8 as they read in Windows-1252.
    QCOMPARE(records.at(5).at(0), QByteArray("Band - Album - 04 - Caf\xe9.mp3"));
    QCOMPARE(records.at(5).at(1), QByteArray("Album - Music - 04 - Caf\xc3\xa9.mp3"));
    QCOMPARE(
        records.last(),
        (QList<QByteArray>{"x.mp3", "", "not input format: Artist does not exist", m_oddFolder}));
    QCOMPARE(records.at(records.size() - 2).at(0), QByteArray("[Odd\xff]"));
}

// Folder and status fields repeat from row to row; each row still gets its
// own, escaped.
void TestCliOutput::tsvFolderAndStatusFields() {
    TempTree tree;
    QVERIFY(tree.addFileBytes("Tab\tand\\Back/A - B - 01 - x.mp3"));
    QVERIFY(tree.addFileBytes("Tab\tand\\Back/A - B - 02 - y.mp3"));
    QVERIFY(tree.addFileBytes("Tab\tand\\Back/no fit.mp3"));
    QVERIFY(tree.addFileBytes("Tab\tand\\Back/sub/A - B - 03 - z.mp3"));
    QVERIFY(tree.addFileBytes("Plain/A - B - 04 - w.mp3"));
    cli::Runner runner;
    const cli::Outcome outcome =
        runner.run({"--defaults", "-i", "Artist - Album - Track# - Trackname", "-o",
                    "Album - Artist - Track# - Trackname", "--format", "tsv",
                    tree.filePath("Plain"), tree.filePath("Tab\tand\\Back")});
    QCOMPARE(outcome.exitCode, 0);
    const QList<QList<QByteArray>> records = cli::TsvRecords(outcome.out);
    QCOMPARE(records.size(), 2 + 4 + 2);
    const QByteArray odd = tree.filePathBytes("Tab\tand\\Back");
    const QByteArray oddShown = QByteArray(odd).replace("\\", "\\\\").replace("\t", "\\t");
    const QByteArray pending = "rename pending";
    const QByteArray noFit = "not input format: Artist does not exist";
    QCOMPARE(records.at(1), (QList<QByteArray>{"A - B - 04 - w.mp3", "B - A - 04 - w.mp3", pending,
                                               tree.filePathBytes("Plain")}));
    QCOMPARE(records.at(3),
             (QList<QByteArray>{"A - B - 01 - x.mp3", "B - A - 01 - x.mp3", pending, oddShown}));
    QCOMPARE(records.at(4),
             (QList<QByteArray>{"A - B - 02 - y.mp3", "B - A - 02 - y.mp3", pending, oddShown}));
    QCOMPARE(records.at(5), (QList<QByteArray>{"no fit.mp3", "", noFit, oddShown}));
    QCOMPARE(records.at(7), (QList<QByteArray>{"A - B - 03 - z.mp3", "B - A - 03 - z.mp3", pending,
                                               oddShown + "/sub"}));
}

// Output many times the size of the writer's buffer arrives whole and in order.
void TestCliOutput::longOutputIsWrittenWhole() {
    TempTree tree;
    const QByteArray tail = QByteArray(180, 'x') + ".mp3";
    constexpr int kFiles = 3000;
    for (int i = 0; i < kFiles; ++i)
        QVERIFY(
            tree.addFileBytes("A/Band - Album - " + QByteArray::number(10000 + i) + " - " + tail));
    cli::Runner runner;
    const cli::Outcome outcome =
        runner.run({"--defaults", "-i", "Artist - Album - Track# - Trackname", "-o",
                    "Album - Artist - Track# - Trackname", "-f", "tsv", tree.filePath("A")});
    QCOMPARE(outcome.exitCode, 0);
    QVERIFY(outcome.out.size() > 1024 * 1024);
    const QList<QList<QByteArray>> records = cli::TsvRecords(outcome.out);
    QCOMPARE(records.size(), 1 + kFiles);
    for (int i = 0; i < kFiles; ++i) {
        const QByteArray number = QByteArray::number(10000 + i);
        QCOMPARE(records.at(1 + i), (QList<QByteArray>{"Band - Album - " + number + " - " + tail,
                                                       "Album - Band - " + number + " - " + tail,
                                                       "rename pending", tree.filePathBytes("A")}));
    }
}

void TestCliOutput::json() {
    const cli::Outcome outcome = run("json");
    QCOMPARE(outcome.exitCode, 0);
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(outcome.out, &error);
    QCOMPARE(error.error, QJsonParseError::NoError);
    QVERIFY(document.isArray());
    const QJsonArray rows = document.array();
    QCOMPARE(rows.size(), 9);

    const QString album = QFile::decodeName(m_album);
    QCOMPARE(rows.at(0).toObject(), (QJsonObject{{"existing", "[" + m_tree.filePath("Music") + "]"},
                                                 {"new", ""},
                                                 {"status", ""},
                                                 {"outcome", "none"},
                                                 {"folder", ""},
                                                 {"check", QJsonValue::Null},
                                                 {"check_reason", QJsonValue::Null}}));
    QCOMPARE(rows.at(2).toObject(), (QJsonObject{{"existing", "Band - Album - 01 - Tab\there.mp3"},
                                                 {"new", "Album - Music - 01 - Tab\there.mp3"},
                                                 {"status", "rename pending"},
                                                 {"outcome", "pending"},
                                                 {"folder", album},
                                                 {"check", QJsonValue::Null},
                                                 {"check_reason", QJsonValue::Null}}));
    QCOMPARE(rows.at(3).toObject().value("existing").toString(),
             QString("Band - Album - 02 - New\nline.mp3"));
    QCOMPARE(rows.at(6).toObject().value("existing").toString(),
             QString("Band - Album - 05 - Esc\x1b[31mape.mp3"));

    // The text as read in Windows-1252, and the exact bytes beside it.
    const QJsonObject odd = rows.at(5).toObject();
    QCOMPARE(odd.value("existing").toString(), QString("Band - Album - 04 - Caf\u00e9.mp3"));
    QCOMPARE(QByteArray::fromBase64(odd.value("existing_bytes").toString().toLatin1()),
             m_names.at(3));
    QVERIFY(!odd.contains("folder_bytes"));
    QVERIFY(!rows.at(2).toObject().contains("existing_bytes"));

    const QJsonObject oddFolderRow = rows.at(7).toObject();
    QCOMPARE(oddFolderRow.value("existing").toString(), QString("[Odd\u00ff]"));
    QCOMPARE(QByteArray::fromBase64(oddFolderRow.value("existing_bytes").toString().toLatin1()),
             QByteArray("[Odd\xff]"));
    const QJsonObject inOddFolder = rows.at(8).toObject();
    QCOMPARE(QByteArray::fromBase64(inOddFolder.value("folder_bytes").toString().toLatin1()),
             m_oddFolder);
    QVERIFY(!inOddFolder.contains("existing_bytes"));
}

// Aligned columns; control characters escaped so that none reaches the terminal.
void TestCliOutput::table() {
    const cli::Outcome outcome = run("table");
    QCOMPARE(outcome.exitCode, 0);
    const QList<QByteArray> lines = outcome.out.split('\n');
    QCOMPARE(lines.size(), 2 + 9 + 1);
    QVERIFY(lines.last().isEmpty());
    // Decoded, every character of these lines takes one column.
    const QString header = QString::fromUtf8(lines.at(0));
    QVERIFY(header.startsWith("Existing Filename  "));
    QVERIFY(lines.at(1).startsWith("-----------------"));
    const qsizetype newColumn = header.indexOf("New Filename");
    const qsizetype statusColumn = header.indexOf("Status");
    const qsizetype folderColumn = header.indexOf("Folder");
    QVERIFY(newColumn > 0 && statusColumn > newColumn && folderColumn > statusColumn);
    QVERIFY(!outcome.out.contains('\x1b'));
    QVERIFY(!outcome.out.contains('\t'));

    const QList<QByteArray> shown = {
        "Band - Album - 01 - Tab\\there.mp3",      "Band - Album - 02 - New\\nline.mp3",
        "Band - Album - 03 - Back\\slash.mp3",     "Band - Album - 04 - Caf\xc3\xa9.mp3",
        "Band - Album - 05 - Esc\\x1b[31mape.mp3",
    };
    // A name that is not UTF-8 shows as it reads in Windows-1252, in UTF-8.
    for (qsizetype i = 0; i < shown.size(); ++i) {
        const QByteArray& bytes = lines.at(2 + 2 + i);
        QVERIFY2(bytes.startsWith(shown.at(i) + "  "), bytes.constData());
        const QString line = QString::fromUtf8(bytes);
        QCOMPARE(line.mid(newColumn - 2, 3), QString("  A"));
        QCOMPARE(line.mid(statusColumn - 2, 16), QString("  rename pending"));
        QCOMPARE(line.mid(folderColumn), QFile::decodeName(m_album));
    }
    QCOMPARE(lines.at(3), QByteArray("[Album]"));
}

QTEST_GUILESS_MAIN(TestCliOutput)
#include "tst_clioutput.moc"
