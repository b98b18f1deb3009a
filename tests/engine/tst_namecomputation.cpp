#include <QTest>

#include "engine/FilenameScheme.h"
#include "engine/NameComputation.h"
#include "engine/ResultRow.h"
#include "tests/engine/SchemeShorthand.h"

namespace {

const QString kPending = QStringLiteral("rename pending");
const QString kAlready = QStringLiteral("already in output format");
const QString kNoNewName =
    QStringLiteral("no new name: the new filename scheme gives an empty name");
const QString kNulInNewName =
    QStringLiteral("no new name: the new filename scheme puts a NUL character into the name");

// The outcome that goes with each status the computation writes.
RowOutcome OutcomeOf(const QString& status) {
    if (status == kPending)
        return RowOutcome::RenamePending;
    if (status == kAlready)
        return RowOutcome::AlreadyInOutputFormat;
    if (status == kNoNewName || status == kNulInNewName)
        return RowOutcome::NoNewName;
    if (status.startsWith("not input format: "))
        return RowOutcome::NotInputFormat;
    return RowOutcome::Count;
}

QString DoesNotExist(const char* field) {
    return QStringLiteral("not input format: %1 does not exist").arg(QLatin1String(field));
}
QString EmptyField(const char* field) {
    return QStringLiteral("not input format: empty field %1.").arg(QLatin1String(field));
}
QString NotTrackNumber(const QString& field) {
    return QStringLiteral("not input format: \"%1\" is not a valid track number").arg(field);
}

}  // namespace

class TestNameComputation : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void nameRules_data();
    void nameRules();
    void folderAndParentName_data();
    void folderAndParentName();
    void computeNewName_data();
    void computeNewName();
    void trackNumber_data();
    void trackNumber();
    void writesIntoRow();
};

void TestNameComputation::nameRules_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("base");
    QTest::addColumn<QString>("extension");
    QTest::newRow("plain") << "song.mp3"
                           << "song"
                           << ".mp3";
    QTest::newRow("two dots") << "a.b.mp3"
                              << "a.b"
                              << ".mp3";
    QTest::newRow("no dot") << "song"
                            << "song"
                            << "";
    // A name whose only dot comes first is its own base and its own extension.
    QTest::newRow("dot first") << ".mp3"
                               << ".mp3"
                               << ".mp3";
    QTest::newRow("dot last") << "song."
                              << "song"
                              << ".";
    QTest::newRow("empty") << ""
                           << ""
                           << "";
}

void TestNameComputation::nameRules() {
    QFETCH(QString, name);
    QFETCH(QString, base);
    QFETCH(QString, extension);
    QCOMPARE(NameWithoutExtension(name), base);
    QCOMPARE(ExtensionOf(name), extension);
}

void TestNameComputation::folderAndParentName_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("parent");
    QTest::newRow("two levels") << "/music/Best Of"
                                << "Best Of"
                                << "music";
    QTest::newRow("deep") << "/home/u/Music/Best Of"
                          << "Best Of"
                          << "Music";
    QTest::newRow("one level") << "/music"
                               << "music"
                               << "";
    QTest::newRow("root") << "/"
                          << ""
                          << "";
    // ":" is an ordinary character of a Linux name.
    QTest::newRow("colons") << "/x/C:/D:E"
                            << "D:E"
                            << "C:";
}

void TestNameComputation::folderAndParentName() {
    QFETCH(QString, path);
    QFETCH(QString, folder);
    QFETCH(QString, parent);
    const FolderNames names = FolderAndParentName(path);
    QCOMPARE(names.folder, folder);
    QCOMPARE(names.parent, parent);
}

void TestNameComputation::computeNewName_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("folderPath");
    QTest::addColumn<FilenameScheme>("in");
    QTest::addColumn<FilenameScheme>("out");
    QTest::addColumn<bool>("removeUnderscores");
    QTest::addColumn<bool>("lowercaseExtension");
    QTest::addColumn<QString>("newName");
    QTest::addColumn<QString>("status");

    const FilenameScheme defIn = DefaultScheme(SchemeRole::Existing);
    const FilenameScheme defOut = DefaultScheme(SchemeRole::New);
    const QString bestOf = QStringLiteral("/data/Music/Best Of");

    QTest::newRow("worked example")
        << "Some_Band - Best Of - 07 - Night_Drive.MP3" << bestOf << defIn << defOut << true << true
        << "Best Of - Music - 07 - Night Drive.mp3" << kPending;
    QTest::newRow("worked example, third field missing")
        << "Some Band - Best Of - 07.mp3" << bestOf << defIn << defOut << true << true << ""
        << DoesNotExist("Track#");
    QTest::newRow("options off keep underscores and extension case")
        << "Some_Band - Best Of - 07 - Night_Drive.MP3" << bestOf << defIn << defOut << false
        << false << "Best Of - Music - 07 - Night_Drive.MP3" << kPending;

    // Format errors, each where it is first met.
    QTest::newRow("divider at the very start counts as missing")
        << " - Best Of - 07 - x.mp3" << bestOf << defIn << defOut << true << true << ""
        << DoesNotExist("Artist");
    QTest::newRow("empty divider between fields is never found")
        << "a - b.mp3" << bestOf << Scheme({A, N, X, X, X}, QStringList{"", " - "}) << defOut
        << true << true << "" << DoesNotExist("Artist");
    QTest::newRow("too many items")
        << "a - b - c.mp3" << bestOf << Scheme({A, N, X, X, X}) << defOut << true << true << ""
        << "not input format: too many items.";
    QTest::newRow("blank field between dividers")
        << "a - \t - 07 - x.mp3" << bestOf << defIn << defOut << true << true << ""
        << EmptyField("Album");
    QTest::newRow("empty last field") << "a - b - 07 - .mp3" << bestOf << defIn << defOut << true
                                      << true << "" << EmptyField("Trackname");
    QTest::newRow("bad track number") << "a - b - 7a - x.mp3" << bestOf << defIn << defOut << true
                                      << true << "" << NotTrackNumber("7a");
    QTest::newRow("not folder name")
        << "Other - x.mp3" << bestOf << Scheme({F, N, X, X, X}) << defOut << true << true << ""
        << "not input format: \"Other\" is not folder name";
    QTest::newRow("not parent folder name")
        << "Best Of - x.mp3" << bestOf << Scheme({P, N, X, X, X}) << defOut << true << true << ""
        << "not input format: \"Best Of\" is not parent folder name";
    QTest::newRow("first field's kind check before a later missing divider")
        << "x - y.mp3" << bestOf << Scheme({T, A, N, X, X}) << defOut << true << true << ""
        << NotTrackNumber("x");
    QTest::newRow("folder check against the root's empty name")
        << "x - y.mp3"
        << "/" << Scheme({F, N, X, X, X}) << defOut << true << true << ""
        << "not input format: \"x\" is not folder name";
    QTest::newRow("failure keeps the cleaned proposal")
        << "Some_Band - Best_Of.MP3" << bestOf << defIn << defOut << true << true
        << "Some Band - Best Of.mp3" << DoesNotExist("Album");
    QTest::newRow("failure with upper-case extension only")
        << "ab.MP3" << bestOf << defIn << defOut << true << true << "ab.mp3"
        << DoesNotExist("Artist");

    // Underscores become spaces before the name is taken apart.
    QTest::newRow("underscore divider never found when removing underscores")
        << "a_b.mp3" << bestOf << Scheme({A, N, X, X, X}, Dividers("_")) << defOut << true << true
        << "a b.mp3" << DoesNotExist("Artist");
    QTest::newRow("underscore divider when keeping underscores")
        << "a_b.mp3" << bestOf << Scheme({A, N, X, X, X}, Dividers("_"))
        << Scheme({N, A, X, X, X}, Dividers("_")) << false << true << "b_a.mp3" << kPending;
    QTest::newRow("underscores around the divider")
        << "Some_Band_-_Song.mp3" << bestOf << Scheme({A, N, X, X, X}) << Scheme({N, A, X, X, X})
        << true << true << "Song - Some Band.mp3" << kPending;

    // Comparing the result with the name.
    QTest::newRow("already in output format") << "Best Of - Music - 07 - x.mp3" << bestOf << defOut
                                              << defOut << true << true << "" << kAlready;
    QTest::newRow("case-only difference is a change, folder name as on disk")
        << "best of - music - 07 - x.mp3" << bestOf << defOut << defOut << true << true
        << "Best Of - Music - 07 - x.mp3" << kPending;
    QTest::newRow("folder field as written when Folder is the last slot")
        << "x - best of.mp3" << bestOf << Scheme({N, F, X, X, X}) << Scheme({F, N, X, X, X}) << true
        << true << "best of - x.mp3" << kPending;
    QTest::newRow("folder check uses the locale's lower case")
        << "ÄRZTE - x.mp3"
        << "/m/Ärzte" << Scheme({F, N, X, X, X}) << Scheme({N, F, X, X, X}) << true << true
        << "x - Ärzte.mp3" << kPending;
    QTest::newRow("only the extension's case changes")
        << "a - b.MP3" << bestOf << Scheme({A, N, X, X, X}) << Scheme({A, N, X, X, X}) << true
        << true << "a - b.mp3" << kPending;

    // Composition.
    QTest::newRow("no existing-name slot: dividers and extension only")
        << "whatever.MP3" << bestOf << Scheme({X, X, X, X, X}) << defOut << true << true
        << " -  -  - .mp3" << kPending;
    QTest::newRow("new-name kind missing from the existing name is empty")
        << "a - b.mp3" << bestOf << Scheme({A, N, X, X, X}) << Scheme({Al, N, X, X, X}) << true
        << true << " - b.mp3" << kPending;
    QTest::newRow("later field of the same kind overwrites")
        << "x - y.mp3" << bestOf << Scheme({A, A, X, X, X}) << Scheme({A, X, X, X, X}) << true
        << true << "y.mp3" << kPending;
    QTest::newRow("blanks and control characters trimmed from fields")
        << " a \t-\x01 b .mp3" << bestOf << Scheme({A, N, X, X, X}, Dividers("-"))
        << Scheme({A, N, X, X, X}, Dividers("-")) << true << true << "a-b.mp3" << kPending;
    QTest::newRow("dividers of the new name as typed, slot numbers kept")
        << "a - b.mp3" << bestOf << Scheme({A, N, X, X, X})
        << Scheme({N, X, A, X, X}, QStringList{"<1>", "<2>", "<3>", "<4>"}) << true << true
        << "b<1>a.mp3" << kPending;
    QTest::newRow("name without extension")
        << "a - b" << bestOf << Scheme({A, N, X, X, X}) << Scheme({N, A, X, X, X}) << true << true
        << "b - a" << kPending;

    // Slot 5 as the last existing-name slot: no divider on its right, so the
    // field is the whole rest and there is no test for too many items.
    QTest::newRow("slot 5 last takes the whole rest")
        << "a - b - c.mp3" << bestOf << Scheme({A, X, X, X, N}, QStringList{" - "})
        << Scheme({N, X, X, X, X}) << true << true << "b - c.mp3" << kPending;
    QTest::newRow("empty divider after the last slot tests nothing")
        << "a - b - c.mp3" << bestOf << Scheme({A, N, X, X, X}, QStringList{" - ", ""})
        << Scheme({N, X, X, X, X}) << true << true << "b - c.mp3" << kPending;

    // An empty new name is never a proposal.
    QTest::newRow("no new-name slot")
        << "a - b.mp3" << bestOf << Scheme({A, N, X, X, X}) << Scheme({X, X, X, X, X}) << true
        << true << "" << kNoNewName;
    QTest::newRow("new name of empty fields without extension")
        << "song" << bestOf << Scheme({A, X, X, X, X}) << Scheme({Al, X, X, X, X}) << true << true
        << "" << kNoNewName;
    QTest::newRow("no new-name slot, failing name keeps the cleaned proposal")
        << "a_b.MP3" << bestOf << Scheme({A, N, X, X, X}) << Scheme({X, X, X, X, X}) << true << true
        << "a b.mp3" << DoesNotExist("Artist");

    // A proposal is a path below the row's folder and never begins with "/".
    QTest::newRow("empty first field before a divider of \"/\"")
        << "Band - Song.mp3" << bestOf << Scheme({A, N, X, X, X})
        << Scheme({Al, N, X, X, X}, QStringList{"/srv/elsewhere/"}) << true << true
        << "srv/elsewhere/Song.mp3" << kPending;
    QTest::newRow("empty fields and several \"/\"")
        << "Band - Song.mp3" << bestOf << Scheme({A, N, X, X, X})
        << Scheme({Al, Al, N, X, X}, QStringList{"//", "/"}) << true << true << "Song.mp3"
        << kPending;
    QTest::newRow("empty folder names of the root before \"/\"")
        << "Band - Song.mp3"
        << "/" << Scheme({A, N, X, X, X}) << Scheme({F, N, X, X, X}, QStringList{"/"}) << true
        << true << "Song.mp3" << kPending;
    QTest::newRow("\"/\" before the name itself is the name")
        << "Song.mp3" << bestOf << Scheme({N, X, X, X, X})
        << Scheme({Al, N, X, X, X}, QStringList{"/"}) << true << true << "" << kAlready;
    QTest::newRow("\"/\" and the extension")
        << "Song.mp3" << bestOf << Scheme({N, X, X, X, X})
        << Scheme({Al, Al, X, X, X}, QStringList{"/"}) << true << true << ".mp3" << kPending;
    QTest::newRow("nothing but \"/\"")
        << "song" << bestOf << Scheme({A, X, X, X, X})
        << Scheme({Al, Al, X, X, X}, QStringList{"/"}) << true << true << "" << kNoNewName;
    QTest::newRow("subfolder divider inside the name stays")
        << "Band - Song.mp3" << bestOf << Scheme({A, N, X, X, X})
        << Scheme({A, N, X, X, X}, QStringList{"/"}) << true << true << "Band/Song.mp3" << kPending;

    // A NUL character cannot be in a file's name: such a name is no proposal.
    QTest::newRow("NUL in a new-name divider")
        << "Band - Song.mp3" << bestOf << Scheme({A, N, X, X, X})
        << Scheme({N, A, X, X, X}, QStringList{QString(QChar(0))}) << true << true << ""
        << kNulInNewName;
}

void TestNameComputation::computeNewName() {
    QFETCH(QString, name);
    QFETCH(QString, folderPath);
    QFETCH(FilenameScheme, in);
    QFETCH(FilenameScheme, out);
    QFETCH(bool, removeUnderscores);
    QFETCH(bool, lowercaseExtension);
    QFETCH(QString, newName);
    QFETCH(QString, status);

    const NameResult result =
        ComputeNewName(name, FolderAndParentName(folderPath), ActiveSlots(in), ActiveSlots(out),
                       NameOptions{removeUnderscores, lowercaseExtension});
    QCOMPARE(result.status, status);
    QCOMPARE(result.outcome, OutcomeOf(status));
    QCOMPARE(result.newName, newName);
}

void TestNameComputation::trackNumber_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<bool>("valid");
    QTest::newRow("leading zeros") << "007" << true;
    QTest::newRow("plus sign") << "+7" << true;
    QTest::newRow("zero") << "0" << true;
    QTest::newRow("minus zero") << "-0" << true;
    QTest::newRow("largest") << "2147483647" << true;
    QTest::newRow("many leading zeros") << "00000000000000000001" << true;
    QTest::newRow("dollar hex") << "$1F" << true;
    QTest::newRow("x hex") << "x1f" << true;
    QTest::newRow("0x hex") << "0x1F" << true;
    QTest::newRow("0X hex") << "0X7FFFFFFF" << true;
    QTest::newRow("signed hex") << "+$10" << true;
    QTest::newRow("negative") << "-1" << false;
    QTest::newRow("negative hex") << "-$1" << false;
    QTest::newRow("trailing letter") << "7a" << false;
    QTest::newRow("above 32 bits") << "3000000000" << false;
    QTest::newRow("one above largest") << "2147483648" << false;
    QTest::newRow("hex above largest") << "$80000000" << false;
    QTest::newRow("hex all ones") << "$FFFFFFFF" << false;
    QTest::newRow("hex digits without prefix") << "1F" << false;
    QTest::newRow("prefix only") << "0x" << false;
    QTest::newRow("dollar only") << "$" << false;
    QTest::newRow("sign only") << "+" << false;
    QTest::newRow("inner blank") << "1 2" << false;
    QTest::newRow("decimal point") << "1.5" << false;
    QTest::newRow("full-width digit") << QString::fromUtf8("\xef\xbc\x91") << false;
}

void TestNameComputation::trackNumber() {
    QFETCH(QString, field);
    QFETCH(bool, valid);
    const SlotList slots = ActiveSlots(Scheme({T, N, X, X, X}));
    const NameResult result = ComputeNewName(field + " - x.mp3", FolderAndParentName("/m/a"), slots,
                                             slots, NameOptions{});
    // The field is written as it stands, so a valid one gives the same name back.
    QCOMPARE(result.status, valid ? kAlready : NotTrackNumber(field));
    QCOMPARE(result.newName, QString());
}

void TestNameComputation::writesIntoRow() {
    ResultRow row;
    row.existing = u"a - b.mp3";
    row.setFolder("/m/a");
    row.newName = u"earlier proposal.mp3";
    row.status = "manual rename (pending)";
    row.outcome = RowOutcome::ManualPending;
    const SlotList in = ActiveSlots(Scheme({A, N, X, X, X}));
    ComputeNewName(row, FolderAndParentName(row.folder()), in, ActiveSlots(Scheme({N, A, X, X, X})),
                   NameOptions{});
    QCOMPARE(row.newName, QString("b - a.mp3"));
    QCOMPARE(row.status, kPending);
    QCOMPARE(row.outcome, RowOutcome::RenamePending);
    // A failure replaces the earlier proposal as well.
    ComputeNewName(row, FolderAndParentName(row.folder()), ActiveSlots(Scheme({T, N, X, X, X})), in,
                   NameOptions{});
    QCOMPARE(row.newName, QString());
    QCOMPARE(row.status, NotTrackNumber("a"));
    QCOMPARE(row.outcome, RowOutcome::NotInputFormat);
    QCOMPARE(row.existing, QString("a - b.mp3"));
}

QTEST_GUILESS_MAIN(TestNameComputation)
#include "tst_namecomputation.moc"
