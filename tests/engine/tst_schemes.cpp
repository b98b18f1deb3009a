#include <QTest>

#include "engine/FilenameScheme.h"
#include "tests/engine/SchemeShorthand.h"

class TestSchemes : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void kindTexts();
    void defaults();
    void activeSlots();
    void previewText_data();
    void previewText();
};

void TestSchemes::kindTexts() {
    const QStringList texts{"Artist", "Album",        "Track#", "Trackname",
                            "Folder", "ParentFolder", "[none]"};
    QCOMPARE(FieldKindTexts(), texts);
    for (int k = 0; k < kFieldKindCount; ++k)
        QCOMPARE(FieldKindText(k), texts.at(k));
    QCOMPARE(FieldKindText(-1), QString());
    QCOMPARE(FieldKindText(7), QString());
}

void TestSchemes::defaults() {
    FilenameScheme in = Scheme({N, X, A, F, P}, {"_", "", "x", "y"});
    ApplyDefaultScheme(in, SchemeRole::Existing);
    QCOMPARE(in.slots, (std::array<int, kSlotCount>{A, Al, T, N, X}));
    FilenameScheme out = Scheme({X, X, X, X, X}, {" - ", " - ", " - ", " - "});
    ApplyDefaultScheme(out, SchemeRole::New);
    QCOMPARE(out.slots, (std::array<int, kSlotCount>{F, P, T, N, X}));
    for (const QString& divider : in.dividers)
        QCOMPARE(divider, QString(" - "));
    for (const QString& divider : out.dividers)
        QCOMPARE(divider, QString(" - "));
}

void TestSchemes::activeSlots() {
    // "[none]" does not end the scheme, nothing chosen (-1) counts as no field,
    // and each active slot keeps its own number and right-hand divider.
    const SlotList active = ActiveSlots(Scheme({A, X, N, -1, T}, {"_", " - ", "+", "#"}));
    QCOMPARE(active.size(), 3);
    QCOMPARE(active[0].number, 1);
    QCOMPARE(active[0].kind, FieldKind::Artist);
    QCOMPARE(active[0].rightDivider, QString("_"));
    QCOMPARE(active[1].number, 3);
    QCOMPARE(active[1].kind, FieldKind::Trackname);
    QCOMPARE(active[1].rightDivider, QString("+"));
    QCOMPARE(active[2].number, 5);
    QCOMPARE(active[2].kind, FieldKind::TrackNo);
    QCOMPARE(active[2].rightDivider, QString());
    QVERIFY(ActiveSlots(Scheme({X, X, -1, 7, X}, {})).isEmpty());
}

void TestSchemes::previewText_data() {
    QTest::addColumn<FilenameScheme>("scheme");
    QTest::addColumn<QString>("extension");
    QTest::addColumn<QString>("preview");

    QTest::newRow("existing default") << DefaultScheme(SchemeRole::Existing) << ".mp3"
                                      << "Artist - Album - Track# - Trackname.mp3";
    QTest::newRow("new default") << DefaultScheme(SchemeRole::New) << ".mp3"
                                 << "Folder - ParentFolder - Track# - Trackname.mp3";
    QTest::newRow("no extension line") << DefaultScheme(SchemeRole::Existing) << QString()
                                       << "Artist - Album - Track# - Trackname";
    QTest::newRow("all none") << Scheme({X, X, X, X, X}, {" - ", " - ", " - ", " - "}) << ".mp3"
                              << ".mp3";
    QTest::newRow("all none, no extension")
        << Scheme({X, X, X, X, X}, {"a", "b", "c", "d"}) << QString() << "";
    // The divider on the left of each slot joins: slot 3 comes after divider 2.
    QTest::newRow("none in slot 2") << Scheme({A, X, N, X, X}, {"_", " - ", "+", "#"}) << ".mp3"
                                    << "Artist - Trackname.mp3";
    QTest::newRow("first active slot takes no divider")
        << Scheme({X, X, T, X, N}, {"a", "b", "c", "d"}) << ".ogg"
        << "Track#dTrackname.ogg";
    QTest::newRow("empty dividers") << Scheme({A, Al, T, X, X}, {"", "", "", ""}) << ".mp3"
                                    << "ArtistAlbumTrack#.mp3";
    QTest::newRow("same kind twice") << Scheme({N, N, X, X, X}, {"_", "", "", ""}) << ".mp3"
                                     << "Trackname_Trackname.mp3";
    QTest::newRow("slot 5 only") << Scheme({X, X, X, X, P}, {"a", "b", "c", "d"}) << ".flac"
                                 << "ParentFolder.flac";
}

void TestSchemes::previewText() {
    QFETCH(FilenameScheme, scheme);
    QFETCH(QString, extension);
    QFETCH(QString, preview);
    QCOMPARE(SchemePreviewText(scheme, extension), preview);
}

QTEST_GUILESS_MAIN(TestSchemes)
#include "tst_schemes.moc"
