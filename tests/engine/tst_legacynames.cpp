#include <QTest>

#include "DiskFixture.h"
#include "engine/ExecuteRun.h"
#include "engine/FileScanner.h"
#include "engine/ProcessRun.h"
#include "engine/ResultModel.h"
#include "tests/engine/SchemeShorthand.h"
#include "tests/support/TempTree.h"

Q_DECLARE_METATYPE(LegacyEncoding)

namespace {

// A library's folder "Music/<album>" holding real files with the given bytes,
// scanned with the legacy encoding asked for.
struct Library {
    TempTree tree;
    ResultModel model;
    WindowServices services;

    bool add(const QByteArray& album, const QList<QByteArray>& names) {
        for (const QByteArray& name : names) {
            if (!tree.addFileBytes("Music/" + album + "/" + name))
                return false;
        }
        return true;
    }
    void scan(LegacyEncoding encoding) {
        FileScanner scanner(model, services);
        ScanOptions options{true, false};
        options.legacyEncoding = encoding;
        scanner.ScanInputFolders({tree.filePath("Music")}, -1, -1, options);
    }
    void processAndExecute(const FilenameScheme& in, const FilenameScheme& out) {
        ProcessRows(model, ProcessSettings{in, out, NameOptions{}}, services);
        ExecuteRows(model, services);
    }
    // The rows of files, in list order.
    QList<ResultRow> files() const {
        QList<ResultRow> rows;
        for (const ResultRow& row : model.rows()) {
            if (row.isFileRow())
                rows.append(row);
        }
        return rows;
    }
};

bool HoldsBytes(const QList<QByteArray>& names, const QByteArray& bytes) {
    for (const QByteArray& name : names) {
        if (name.contains(bytes))
            return true;
    }
    return false;
}

}  // namespace

// Names that are not UTF-8, on real files: listed as their legacy encoding
// reads them, proposed and renamed to UTF-8, the old bytes gone for good.
class TestLegacyNames : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void listedProposedExecuted_data();
    void listedProposedExecuted();
    void namesThatCollidedNoLonger();
    void marksAndToolTips();
    void encodingChosenAtTheScan();
    void caseOnlyRenameInALegacyFolder_data();
    void caseOnlyRenameInALegacyFolder();
};

void TestLegacyNames::listedProposedExecuted_data() {
    QTest::addColumn<LegacyEncoding>("encoding");
    QTest::addColumn<QByteArray>("album");  // the folder's bytes
    QTest::addColumn<QByteArray>("name");   // the file's bytes
    QTest::addColumn<FilenameScheme>("in");
    QTest::addColumn<FilenameScheme>("out");
    QTest::addColumn<QString>("listedFolder");
    QTest::addColumn<QString>("listed");
    QTest::addColumn<QString>("proposed");
    QTest::addColumn<QByteArray>("legacyPart");  // bytes that must not survive

    const FilenameScheme defIn = DefaultScheme(SchemeRole::Existing);
    const FilenameScheme defOut = DefaultScheme(SchemeRole::New);
    QTest::newRow("Windows-1252, the default schemes")
        << LegacyEncoding::Windows1252 << QByteArray("Harbour")
        << QByteArray("The Quiet Ones - Harbour - 11 - Caf\xe9 Blue.mp3") << defIn << defOut
        << "Harbour"
        << "The Quiet Ones - Harbour - 11 - Caf\u00e9 Blue.mp3"
        << "Harbour - Music - 11 - Caf\u00e9 Blue.mp3" << QByteArray("\xe9");
    // The folder's name is Latin-2 as well; the Folder field is checked against its reading.
    QTest::newRow("ISO-8859-2, folder and file")
        << LegacyEncoding::Iso8859_2
        << QByteArray(
               "\xa3\xf3"
               "d\xbc")
        << QByteArray(
               "Zesp\xf3\xb3 - \xa3\xf3"
               "d\xbc - 01 - Piosenka.mp3")
        << Scheme({A, F, T, N, X}) << Scheme({F, P, T, A, X}) << "\u0141\u00f3d\u017a"
        << "Zesp\u00f3\u0142 - \u0141\u00f3d\u017a - 01 - Piosenka.mp3"
        << "\u0141\u00f3d\u017a - Music - 01 - Zesp\u00f3\u0142.mp3" << QByteArray("\xf3\xb3");
    QTest::newRow("CP437") << LegacyEncoding::Cp437 << QByteArray("Live")
                           << QByteArray("Caf\x82 - M\x81nchen.mp3") << Scheme({A, N, X, X, X})
                           << Scheme({N, A, X, X, X}) << "Live"
                           << "Caf\u00e9 - M\u00fcnchen.mp3"
                           << "M\u00fcnchen - Caf\u00e9.mp3" << QByteArray("\x82");
    // The text stays; renaming writes it in UTF-8.
    QTest::newRow("same text, new bytes")
        << LegacyEncoding::Windows1252 << QByteArray("Live") << QByteArray("Caf\xe9 - X.mp3")
        << Scheme({A, N, X, X, X}) << Scheme({A, N, X, X, X}) << "Live"
        << "Caf\u00e9 - X.mp3"
        << "Caf\u00e9 - X.mp3" << QByteArray("\xe9");
    QTest::newRow("a byte Windows-1252 leaves undefined")
        << LegacyEncoding::Windows1252 << QByteArray("Live") << QByteArray("a - x\x81y.mp3")
        << Scheme({A, N, X, X, X}) << Scheme({N, A, X, X, X}) << "Live"
        << "a - x\u0081y.mp3"
        << "x\u0081y - a.mp3" << QByteArray("x\x81y");
    // It does not fit the scheme, and still leaves its legacy bytes behind.
    QTest::newRow("a name that does not fit")
        << LegacyEncoding::Windows1252 << QByteArray("Live") << QByteArray("Caf\xe9.mp3") << defIn
        << defOut << "Live"
        << "Caf\u00e9.mp3"
        << "Caf\u00e9.mp3" << QByteArray("\xe9");
}

void TestLegacyNames::listedProposedExecuted() {
    QFETCH(LegacyEncoding, encoding);
    QFETCH(QByteArray, album);
    QFETCH(QByteArray, name);
    QFETCH(FilenameScheme, in);
    QFETCH(FilenameScheme, out);
    QFETCH(QString, listedFolder);
    QFETCH(QString, listed);
    QFETCH(QString, proposed);
    QFETCH(QByteArray, legacyPart);

    Library library;
    QVERIFY(library.add(album, {name}));
    library.scan(encoding);
    QCOMPARE(library.model.row(1).existing, "[" + listedFolder + "]");
    const ResultRow row = library.files().value(0);
    QCOMPARE(row.existing, listed);
    QVERIFY(row.nameNotUtf8);
    QCOMPARE(row.folder(), library.tree.filePath("Music") + "/" + listedFolder);
    QCOMPARE(row.existingBytes(), name);

    library.processAndExecute(in, out);
    const ResultRow done = library.files().value(0);
    QCOMPARE(done.newName, proposed);
    QCOMPARE(done.outcome, RowOutcome::Renamed);

    // On disk: the UTF-8 of the proposal, and the old bytes nowhere.
    const QList<QByteArray> names = library.tree.entryNames("Music/" + album);
    QCOMPARE(names, QList<QByteArray>{proposed.toUtf8()});
    QVERIFY(!HoldsBytes(names, legacyPart));
    QVERIFY(!HoldsBytes(names, "\xef\xbf\xbd"));

    // Listed again, the name is UTF-8 and already what the scheme makes of it.
    ResultModel again;
    WindowServices services;
    FileScanner scanner(again, services);
    ScanOptions options{true, false};
    options.legacyEncoding = encoding;
    scanner.ScanInputFolders({library.tree.filePath("Music")}, -1, -1, options);
    QCOMPARE(again.row(2).existing, proposed);
    QVERIFY(!again.row(2).nameNotUtf8);
}

// Read by Qt, "Caf\xe9" and "Caf\xe8" both became "Caf" and a replacement
// character, and proposed one name between them.
void TestLegacyNames::namesThatCollidedNoLonger() {
    Library library;
    QVERIFY(library.add("Live", {"Caf\xe9 - X.mp3", "Caf\xe8 - X.mp3"}));
    library.scan(LegacyEncoding::Windows1252);
    library.processAndExecute(Scheme({A, N, X, X, X}), Scheme({N, A, X, X, X}));
    QStringList proposals;
    for (const ResultRow& row : library.files()) {
        proposals << row.newName;
        QCOMPARE(row.outcome, RowOutcome::Renamed);
    }
    proposals.sort();
    QCOMPARE(proposals, (QStringList{"X - Caf\u00e8.mp3", "X - Caf\u00e9.mp3"}));
    QCOMPARE(library.tree.entryNames("Music/Live"),
             (QList<QByteArray>{"X - Caf\xc3\xa8.mp3", "X - Caf\xc3\xa9.mp3"}));
}

void TestLegacyNames::marksAndToolTips() {
    Library library;
    QVERIFY(library.add("Caf\xe9", {"ok.mp3", "\xe9t\xe9.mp3"}));
    QVERIFY(library.add("Clean", {"plain.mp3"}));
    library.scan(LegacyEncoding::Iso8859_15);
    ResultModel& model = library.model;
    // [Music], [Café], ok.mp3, été.mp3, [Clean], plain.mp3
    QCOMPARE(model.size(), 6);
    const QString tip = "not UTF-8: read as ISO-8859-15";
    const QVariant mark = QStringLiteral("mark");
    model.setNotUtf8Mark(mark);
    const auto data = [&](int row, int column, int role) {
        return model.data(model.index(row, column), role);
    };
    // The folder's heading and every file in it: the folder column.
    QCOMPARE(data(1, ResultModel::ExistingColumn, Qt::ToolTipRole).toString(), tip);
    QCOMPARE(data(2, ResultModel::ExistingColumn, Qt::ToolTipRole), QVariant());
    QCOMPARE(data(2, ResultModel::FolderColumn, Qt::ToolTipRole).toString(), tip);
    QCOMPARE(data(2, ResultModel::FolderColumn, Qt::DecorationRole), mark);
    // A file whose own name is not UTF-8.
    QCOMPARE(model.row(3).existing, "\u00e9t\u00e9.mp3");
    QCOMPARE(data(3, ResultModel::ExistingColumn, Qt::ToolTipRole).toString(), tip);
    QCOMPARE(data(3, ResultModel::ExistingColumn, Qt::DecorationRole), mark);
    QCOMPARE(data(3, ResultModel::NewColumn, Qt::DecorationRole), QVariant());
    // UTF-8 names are not marked.
    for (int column = 0; column < ResultModel::ColumnCount; ++column) {
        QCOMPARE(data(5, column, Qt::ToolTipRole), QVariant());
        QCOMPARE(data(5, column, Qt::DecorationRole), QVariant());
    }
}

// One library, read in two encodings: the choice at the scan decides.
void TestLegacyNames::encodingChosenAtTheScan() {
    Library library;
    QVERIFY(library.add("Live", {"\xc0\xe1\xe2.mp3"}));
    library.scan(LegacyEncoding::Windows1251);
    QCOMPARE(library.files().value(0).existing, "\u0410\u0431\u0432.mp3");
    library.scan(LegacyEncoding::Koi8R);
    QCOMPARE(library.files().value(0).existing, "\u044e\u0410\u0411.mp3");
    library.scan(LegacyEncoding::Windows1252);
    QCOMPARE(library.files().value(0).existing, "\u00c0\u00e1\u00e2.mp3");
    QCOMPARE(library.files().value(0).legacyEncoding, LegacyEncoding::Windows1252);
}

// The folder's own name is no part of the execute run's decisions: a
// case-only rename goes as it goes in any folder.
void TestLegacyNames::caseOnlyRenameInALegacyFolder_data() {
    QTest::addColumn<QList<QByteArray>>("files");
    QTest::addColumn<RowOutcome>("outcome");
    QTest::newRow("the new spelling is free") << QList<QByteArray>{"a.mp3"} << RowOutcome::Renamed;
    // Two files on a file system that tells case: the rename is tried and fails.
    QTest::newRow("the new spelling is another file")
        << QList<QByteArray>{"a.mp3", "A.mp3"} << RowOutcome::RenameFailed;
}

void TestLegacyNames::caseOnlyRenameInALegacyFolder() {
    QFETCH(QList<QByteArray>, files);
    QFETCH(RowOutcome, outcome);
    for (const QByteArray& folder : {QByteArray("Clean"), QByteArray("Caf\xe9")}) {
        Library library;
        QVERIFY(library.add(folder, files));
        library.scan(LegacyEncoding::Windows1252);
        int row = 0;
        while (library.model.row(row).existingOnDisk() != "a.mp3")
            ++row;
        library.model.setProposal(row, "A.mp3", QString(), RowOutcome::ManualPending);
        ExecuteRows(library.model, library.services);
        QCOMPARE(library.model.row(row).outcome, outcome);
    }
}

QTEST_GUILESS_MAIN(TestLegacyNames)
#include "tst_legacynames.moc"
