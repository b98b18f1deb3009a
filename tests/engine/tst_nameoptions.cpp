#include <QTest>

#include "engine/FieldCleanup.h"
#include "engine/FilenameScheme.h"
#include "engine/NameComparison.h"
#include "engine/NameComputation.h"
#include "engine/NewNamePreview.h"
#include "tests/engine/SchemeShorthand.h"

Q_DECLARE_METATYPE(NameOptions)

namespace {

const QString kPending = QStringLiteral("rename pending");
const QString kAlready = QStringLiteral("already in output format");
const QString kNoNewName =
    QStringLiteral("no new name: the new filename scheme gives an empty name");

QString DoesNotExist(const char* field) {
    return QStringLiteral("not input format: %1 does not exist").arg(QLatin1String(field));
}
QString NotFolderName(const QString& field) {
    return QStringLiteral("not input format: \"%1\" is not folder name").arg(field);
}

// The name options with the clean-up options set as a row of a table reads.
struct Options {
    NameOptions options;
    Options& nfc() {
        options.normalizeNfc = true;
        return *this;
    }
    Options& pad(int digits) {
        options.padTrackDigits = digits;
        return *this;
    }
    Options& capitalise(Capitalisation capitalisation) {
        options.capitalisation = capitalisation;
        return *this;
    }
    Options& safe(const QString& replacement = QStringLiteral("-")) {
        options.safeNames = true;
        options.safeReplacement = replacement;
        return *this;
    }
    operator NameOptions() const { return options; }
};

// A decomposed "é" as names copied from a Mac hold it, and the composed one.
const QString kNfdE = QString::fromUtf8("e\u0301");
const QString kNfcE = QString::fromUtf8("\u00e9");

}  // namespace

// The options of the name computation beyond the two it always had: each one
// alone, then together. The table of the name computation itself runs with
// all of them off and is the proof that the defaults change nothing.
class TestNameOptions : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void unicodeForms_data();
    void unicodeForms();
    void padTrack_data();
    void padTrack();
    void capitalisation_data();
    void capitalisation();
    void safeNames_data();
    void safeNames();
    void combined_data();
    void combined();
    void nameComparison_data();
    void nameComparison();
    void newSchemePreview_data();
    void newSchemePreview();

private:
    void columns();
    void check();
};

void TestNameOptions::columns() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("folderPath");
    QTest::addColumn<FilenameScheme>("in");
    QTest::addColumn<FilenameScheme>("out");
    QTest::addColumn<NameOptions>("options");
    QTest::addColumn<bool>("notUtf8");
    QTest::addColumn<QString>("newName");
    QTest::addColumn<QString>("status");
}

void TestNameOptions::check() {
    QFETCH(QString, name);
    QFETCH(QString, folderPath);
    QFETCH(FilenameScheme, in);
    QFETCH(FilenameScheme, out);
    QFETCH(NameOptions, options);
    QFETCH(bool, notUtf8);
    QFETCH(QString, newName);
    QFETCH(QString, status);
    const NameResult result = ComputeNewName(name, FolderAndParentName(folderPath), ActiveSlots(in),
                                             ActiveSlots(out), options, NameStatusTexts(), notUtf8);
    QCOMPARE(result.status, status);
    QCOMPARE(result.newName, newName);
    QVERIFY(!result.newName.contains(QChar::ReplacementCharacter));
}

void TestNameOptions::unicodeForms_data() {
    columns();
    const FilenameScheme folderFirst = Scheme({F, N, X, X, X});
    const FilenameScheme artistName = Scheme({A, N, X, X, X});
    const QString nfd = "Caf" + kNfdE;
    const QString nfc = "Caf" + kNfcE;
    QTest::newRow("decomposed Folder field, composed folder")
        << nfd + " - x.mp3"
        << "/m/" + nfc << folderFirst << Scheme({N, F, X, X, X}) << NameOptions{} << false
        << "x - " + nfc + ".mp3" << kPending;
    QTest::newRow("composed Folder field in capitals, decomposed folder")
        << "CAF\u00c9 - x.mp3"
        << "/m/" + nfd << folderFirst << Scheme({N, F, X, X, X}) << NameOptions{} << false
        << "x - " + nfd + ".mp3" << kPending;
    QTest::newRow("decomposed ParentFolder field")
        << nfd + " - x.mp3"
        << "/m/" + nfc + "/CD1" << Scheme({P, N, X, X, X}) << Scheme({N, X, X, X, X})
        << NameOptions{} << false << "x.mp3" << kPending;
    QTest::newRow("a different letter is still not the folder")
        << "Cafe - x.mp3"
        << "/m/" + nfc << folderFirst << folderFirst << NameOptions{} << false << ""
        << NotFolderName("Cafe");
    // The new name takes the folder's decomposed form; it is the same name.
    QTest::newRow("already in output format in the other form")
        << nfc + " - x.mp3"
        << "/m/" + nfd << folderFirst << folderFirst << NameOptions{} << false << "" << kAlready;
    QTest::newRow("NFC: the folder's form is composed as well")
        << nfc + " - x.mp3"
        << "/m/" + nfd << folderFirst << folderFirst << NameOptions(Options().nfc()) << false << ""
        << kAlready;
    QTest::newRow("NFC: a decomposed name is renamed to the composed one")
        << nfd + " - x.mp3"
        << "/m/a" << artistName << artistName << NameOptions(Options().nfc()) << false
        << nfc + " - x.mp3" << kPending;
    QTest::newRow("without NFC a decomposed name stays")
        << nfd + " - x.mp3"
        << "/m/a" << artistName << artistName << NameOptions{} << false << "" << kAlready;
    QTest::newRow("NFC: Hangul jamo compose")
        << QString::fromUtf8("\u1100\u1161 - x.mp3") << "/m/a" << artistName << artistName
        << NameOptions(Options().nfc()) << false << QString::fromUtf8("\uac00 - x.mp3") << kPending;
    QTest::newRow("NFC leaves compatibility characters alone")
        << QString::fromUtf8("\ufb01 - x.mp3") << "/m/a" << artistName << artistName
        << NameOptions(Options().nfc()) << false << "" << kAlready;
    QTest::newRow("NFC: a name that does not fit is still composed")
        << nfd + ".mp3"
        << "/m/a" << DefaultScheme(SchemeRole::Existing) << DefaultScheme(SchemeRole::New)
        << NameOptions(Options().nfc()) << false << nfc + ".mp3" << DoesNotExist("Artist");
}

void TestNameOptions::unicodeForms() {
    check();
}

void TestNameOptions::padTrack_data() {
    columns();
    const FilenameScheme in = Scheme({T, N, X, X, X});
    const FilenameScheme out = Scheme({T, N, X, X, X});
    QTest::newRow("7 to 2 digits") << "7 - x.mp3"
                                   << "/m/a" << in << out << NameOptions(Options().pad(2)) << false
                                   << "07 - x.mp3" << kPending;
    QTest::newRow("7 to 3 digits") << "7 - x.mp3"
                                   << "/m/a" << in << out << NameOptions(Options().pad(3)) << false
                                   << "007 - x.mp3" << kPending;
    QTest::newRow("07 to 4 digits") << "07 - x.mp3"
                                    << "/m/a" << in << out << NameOptions(Options().pad(4)) << false
                                    << "0007 - x.mp3" << kPending;
    QTest::newRow("long enough") << "07 - x.mp3"
                                 << "/m/a" << in << out << NameOptions(Options().pad(2)) << false
                                 << "" << kAlready;
    QTest::newRow("longer than asked")
        << "123 - x.mp3"
        << "/m/a" << in << out << NameOptions(Options().pad(2)) << false << "" << kAlready;
    QTest::newRow("the sign stays in front") << "+7 - x.mp3"
                                             << "/m/a" << in << out << NameOptions(Options().pad(2))
                                             << false << "+07 - x.mp3" << kPending;
    QTest::newRow("hexadecimal with $ stays")
        << "$1F - x.mp3"
        << "/m/a" << in << out << NameOptions(Options().pad(4)) << false << "" << kAlready;
    QTest::newRow("hexadecimal with 0x stays")
        << "0x1 - x.mp3"
        << "/m/a" << in << out << NameOptions(Options().pad(4)) << false << "" << kAlready;
    QTest::newRow("hexadecimal with x stays")
        << "x1 - x.mp3"
        << "/m/a" << in << out << NameOptions(Options().pad(3)) << false << "" << kAlready;
    QTest::newRow("off") << "7 - x.mp3"
                         << "/m/a" << in << out << NameOptions{} << false << "" << kAlready;
    QTest::newRow("only the Track# field")
        << "7 - 5.mp3"
        << "/m/a" << Scheme({A, N, X, X, X}) << Scheme({N, A, X, X, X})
        << NameOptions(Options().pad(2)) << false << "5 - 7.mp3" << kPending;
    QTest::newRow("in every Track# slot of the new name")
        << "7 - x.mp3"
        << "/m/a" << in << Scheme({T, N, T, X, X}) << NameOptions(Options().pad(2)) << false
        << "07 - x - 07.mp3" << kPending;
    QTest::newRow("a name that does not fit gets no padding")
        << "7.mp3"
        << "/m/a" << in << out << NameOptions(Options().pad(2)) << false << ""
        << DoesNotExist("Track#");
}

void TestNameOptions::padTrack() {
    check();
}

void TestNameOptions::capitalisation_data() {
    columns();
    const FilenameScheme in = DefaultScheme(SchemeRole::Existing);
    const FilenameScheme out = Scheme({A, Al, T, N, X});
    const QString quiet = "the QUIET ones - harbour - 11 - caf\u00e9 blue.mp3";
    QTest::newRow("title") << quiet << "/m/a" << in << out
                           << NameOptions(Options().capitalise(Capitalisation::TitleCase)) << false
                           << "The Quiet Ones - Harbour - 11 - Caf\u00e9 Blue.mp3" << kPending;
    QTest::newRow("lower") << quiet << "/m/a" << in << out
                           << NameOptions(Options().capitalise(Capitalisation::LowerCase)) << false
                           << "the quiet ones - harbour - 11 - caf\u00e9 blue.mp3" << kPending;
    QTest::newRow("upper") << quiet << "/m/a" << in << out
                           << NameOptions(Options().capitalise(Capitalisation::UpperCase)) << false
                           << "THE QUIET ONES - HARBOUR - 11 - CAF\u00c9 BLUE.mp3" << kPending;
    QTest::newRow("as written") << quiet << "/m/a" << in << out << NameOptions{} << false << ""
                                << kAlready;
    QTest::newRow("upper by the locale: sharp s")
        << "a - stra\u00dfe.mp3"
        << "/m/a" << Scheme({A, N, X, X, X}) << Scheme({A, N, X, X, X})
        << NameOptions(Options().capitalise(Capitalisation::UpperCase)) << false
        << "A - STRASSE.mp3" << kPending;
    QTest::newRow("title: words, apostrophes and digits")
        << "don't stop - rock 'n' roll, AC/DC (live) 2pac.mp3"
        << "/m/a" << Scheme({A, N, X, X, X}) << Scheme({A, N, X, X, X})
        << NameOptions(Options().capitalise(Capitalisation::TitleCase)) << false
        << "Don't Stop - Rock 'N' Roll, Ac/Dc (Live) 2pac.mp3" << kPending;
    QTest::newRow("title: a decomposed first letter")
        << "e\u0301lan - x.mp3"
        << "/m/a" << Scheme({A, N, X, X, X}) << Scheme({A, N, X, X, X})
        << NameOptions(Options().capitalise(Capitalisation::TitleCase)) << false
        << "E\u0301lan - X.mp3" << kPending;
    QTest::newRow("folder names, dividers and extension as they are")
        << "a - x.MP3"
        << "/m/best of" << Scheme({A, N, X, X, X}) << Scheme({F, N, X, X, X}, Dividers(" by "))
        << NameOptions(Options().capitalise(Capitalisation::UpperCase)) << false
        << "best of by X.mp3" << kPending;
    QTest::newRow("the Folder field as written stays as written")
        << "x - BEST OF.mp3"
        << "/m/best of" << Scheme({N, F, X, X, X}) << Scheme({F, N, X, X, X})
        << NameOptions(Options().capitalise(Capitalisation::LowerCase)) << false
        << "BEST OF - x.mp3" << kPending;
}

void TestNameOptions::capitalisation() {
    check();
}

void TestNameOptions::safeNames_data() {
    columns();
    const FilenameScheme an = Scheme({A, N, X, X, X});
    const FilenameScheme na = Scheme({N, A, X, X, X});
    QTest::newRow("every unsafe character") << "a - 1:2*3?4\"5<6>7|8\\9.mp3"
                                            << "/m/a" << an << an << NameOptions(Options().safe())
                                            << false << "a - 1-2-3-4-5-6-7-8-9.mp3" << kPending;
    QTest::newRow("another replacement") << "AC:DC - why?.mp3"
                                         << "/m/a" << an << na << NameOptions(Options().safe("_"))
                                         << false << "why_ - AC_DC.mp3" << kPending;
    QTest::newRow("an empty replacement leaves them out")
        << "AC:DC - why?.mp3"
        << "/m/a" << an << an << NameOptions(Options().safe("")) << false << "ACDC - why.mp3"
        << kPending;
    QTest::newRow("a replacement never brings them in")
        << "a:b - c.mp3"
        << "/m/a" << an << an << NameOptions(Options().safe(": /")) << false << "a b - c.mp3"
        << kPending;
    QTest::newRow("control characters inside a field")
        << "a\x01z - c.mp3"
        << "/m/a" << an << an << NameOptions(Options().safe()) << false << "a-z - c.mp3"
        << kPending;
    QTest::newRow("dividers and folder names as well")
        << "x - y.mp3"
        << "/m/What?" << an << Scheme({F, N, X, X, X}, Dividers(" : "))
        << NameOptions(Options().safe()) << false << "What- - y.mp3" << kPending;
    QTest::newRow("trailing dots and spaces of a name without extension")
        << "x - y. ."
        << "/m/a" << an << an << NameOptions(Options().safe()) << false << "x - y" << kPending;
    QTest::newRow("a name that is all dots gives none")
        << "..."
        << "/m/a" << Scheme({A, X, X, X, X}) << Scheme({A, X, X, X, X})
        << NameOptions(Options().safe()) << false << "" << kNoNewName;
    QTest::newRow("a safe name stays")
        << "a - b.mp3"
        << "/m/a" << an << an << NameOptions(Options().safe()) << false << "" << kAlready;
    QTest::newRow("a name that does not fit is still made safe")
        << "a:b.mp3"
        << "/m/a" << DefaultScheme(SchemeRole::Existing) << DefaultScheme(SchemeRole::New)
        << NameOptions(Options().safe()) << false << "a-b.mp3" << DoesNotExist("Artist");
    QTest::newRow("off") << "a - b:c.mp3"
                         << "/m/a" << an << an << NameOptions{} << false << "" << kAlready;
}

void TestNameOptions::safeNames() {
    check();
}

void TestNameOptions::combined_data() {
    columns();
    const FilenameScheme in = DefaultScheme(SchemeRole::Existing);
    const FilenameScheme out = Scheme({A, Al, T, N, X});
    QTest::newRow("all four")
        << "the quiet ones - harbour - 7 - cafe\u0301: blue?.MP3"
        << "/m/a" << in << out
        << NameOptions(Options().nfc().pad(2).capitalise(Capitalisation::TitleCase).safe()) << false
        << "The Quiet Ones - Harbour - 07 - Caf\u00e9- Blue-.mp3" << kPending;
    // Leaving a control character out brings a letter and an accent together.
    QTest::newRow("safe names, then NFC")
        << "a - e\x01\u0301.mp3"
        << "/m/a" << Scheme({A, N, X, X, X}) << Scheme({A, N, X, X, X})
        << NameOptions(Options().safe("").nfc()) << false << "a - \u00e9.mp3" << kPending;
    QTest::newRow("worked example in capitals, 3 digits, underscores for the unsafe")
        << "Some_Band - Best Of - 7 - Night_Drive?.MP3"
        << "/data/Music/Best Of" << in << DefaultScheme(SchemeRole::New)
        << NameOptions(Options().pad(3).capitalise(Capitalisation::UpperCase).safe("_")) << false
        << "Best Of - Music - 007 - NIGHT DRIVE_.mp3" << kPending;
    // Read in a legacy encoding, the same text is still a rename: to UTF-8.
    QTest::newRow("legacy name of the same text")
        << "Caf\u00e9 - x.mp3"
        << "/m/a" << Scheme({A, N, X, X, X}) << Scheme({A, N, X, X, X}) << NameOptions{} << true
        << "Caf\u00e9 - x.mp3" << kPending;
    QTest::newRow("legacy name that does not fit") << "Caf\u00e9.mp3"
                                                   << "/m/a" << in << out << NameOptions{} << true
                                                   << "Caf\u00e9.mp3" << DoesNotExist("Artist");
    QTest::newRow("legacy name with every option")
        << "caf\u00e9 - x - 1 - y.mp3"
        << "/m/a" << in << out
        << NameOptions(Options().nfc().pad(2).capitalise(Capitalisation::UpperCase).safe()) << true
        << "CAF\u00c9 - X - 01 - Y.mp3" << kPending;
    QTest::newRow("legacy name, no new-name slot")
        << "Caf\u00e9 - x.mp3"
        << "/m/a" << Scheme({A, N, X, X, X}) << Scheme({X, X, X, X, X}) << NameOptions{} << true
        << "" << kNoNewName;
}

void TestNameOptions::combined() {
    check();
}

// The one comparison of names that every check goes through.
void TestNameOptions::nameComparison_data() {
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<bool>("same");
    QTest::addColumn<bool>("sameIgnoringCase");
    QTest::newRow("equal") << "a.mp3"
                           << "a.mp3" << true << true;
    QTest::newRow("composed and decomposed") << "Caf" + kNfcE << "Caf" + kNfdE << true << true;
    QTest::newRow("case") << "Caf" + kNfcE << "CAF\u00c9" << false << true;
    QTest::newRow("case and form") << "Caf" + kNfdE << "CAF\u00c9" << false << true;
    QTest::newRow("accent order of two marks") << "a\u0323\u0302"
                                               << "a\u0302\u0323" << true << true;
    QTest::newRow("compatibility is not equivalence") << "\ufb01"
                                                      << "fi" << false << false;
    QTest::newRow("different") << "Cafe"
                               << "Caf" + kNfcE << false << false;
}

void TestNameOptions::nameComparison() {
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(bool, same);
    QFETCH(bool, sameIgnoringCase);
    const QLocale locale = QLocale::system();
    QCOMPARE(SameNameText(a, b), same);
    QCOMPARE(SameNameText(b, a), same);
    QCOMPARE(SameNameTextIgnoringCase(a, b, locale), sameIgnoringCase);
    QCOMPARE(ComposedName(a) == ComposedName(b), same);
    QCOMPARE(NameKeyIgnoringCase(a, locale) == NameKeyIgnoringCase(b, locale), sameIgnoringCase);
}

// The new-name preview shows what the options change, and nothing else.
void TestNameOptions::newSchemePreview_data() {
    QTest::addColumn<FilenameScheme>("scheme");
    QTest::addColumn<NameOptions>("options");
    QTest::addColumn<QString>("preview");
    const FilenameScheme out = DefaultScheme(SchemeRole::New);
    const FilenameScheme all = Scheme({A, Al, T, N, F}, QStringList{" - ", " : ", "|", " - "});
    QTest::newRow("defaults") << out << NameOptions{}
                              << "Folder - ParentFolder - Track# - Trackname.mp3";
    QTest::newRow("defaults, unsafe dividers")
        << all << NameOptions{} << "Artist - Album : Track#|Trackname - Folder.mp3";
    QTest::newRow("upper case: the three texts only")
        << all << NameOptions(Options().capitalise(Capitalisation::UpperCase))
        << "ARTIST - ALBUM : Track#|TRACKNAME - Folder.mp3";
    QTest::newRow("lower case") << out
                                << NameOptions(Options().capitalise(Capitalisation::LowerCase))
                                << "Folder - ParentFolder - Track# - trackname.mp3";
    QTest::newRow("pad to 3 digits") << out << NameOptions(Options().pad(3))
                                     << "Folder - ParentFolder - Track# (001) - Trackname.mp3";
    QTest::newRow("safe names with \"_\"") << all << NameOptions(Options().safe("_"))
                                           << "Artist - Album _ Track#_Trackname - Folder.mp3";
    QTest::newRow("NFC alone shows no change")
        << out << NameOptions(Options().nfc()) << "Folder - ParentFolder - Track# - Trackname.mp3";
}

void TestNameOptions::newSchemePreview() {
    QFETCH(FilenameScheme, scheme);
    QFETCH(NameOptions, options);
    QFETCH(QString, preview);
    QCOMPARE(NewSchemePreviewText(scheme, ".mp3", options), preview);
    if (!options.safeNames && options.capitalisation == Capitalisation::AsWritten &&
        options.padTrackDigits == 0)
        QCOMPARE(preview, SchemePreviewText(scheme, ".mp3"));
}

QTEST_GUILESS_MAIN(TestNameOptions)
#include "tst_nameoptions.moc"
