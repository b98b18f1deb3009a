#include <QTest>

#include "cli/SchemeText.h"
#include "cli/UsageError.h"

using Slots = QList<int>;

class TestSchemeText : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void parses_data();
    void parses();
    void refuses_data();
    void refuses();
};

// Kinds: 0 Artist, 1 Album, 2 Track#, 3 Trackname, 4 Folder, 5 ParentFolder, 6 [none].
void TestSchemeText::parses_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<Slots>("slots");
    QTest::addColumn<QStringList>("dividers");

    const QString d = QStringLiteral(" - ");
    QTest::newRow("default existing scheme")
        << "Artist - Album - Track# - Trackname" << Slots{0, 1, 2, 3, 6} << QStringList{d, d, d, d};
    QTest::newRow("own dividers, rest defaults")
        << "Track#. Trackname" << Slots{2, 3, 6, 6, 6} << QStringList{". ", d, d, d};
    QTest::newRow("any letter case")
        << "ARTIST_trackname" << Slots{0, 3, 6, 6, 6} << QStringList{"_", d, d, d};
    QTest::newRow("ParentFolder is not read as Folder")
        << "ParentFolder/Folder" << Slots{5, 4, 6, 6, 6} << QStringList{"/", d, d, d};
    QTest::newRow("Folder before ParentFolder")
        << "Folder - ParentFolder" << Slots{4, 5, 6, 6, 6} << QStringList{d, d, d, d};
    QTest::newRow("fields without a divider")
        << "Track#Trackname" << Slots{2, 3, 6, 6, 6} << QStringList{"", d, d, d};
    QTest::newRow("text after the last field is its divider")
        << "Artist - Trackname (live)" << Slots{0, 3, 6, 6, 6} << QStringList{d, " (live)", d, d};
    QTest::newRow("a trailing blank counts")
        << "Trackname " << Slots{3, 6, 6, 6, 6} << QStringList{" ", d, d, d};
    QTest::newRow("[none] takes its slot")
        << "Artist_[none] - Trackname" << Slots{0, 6, 3, 6, 6} << QStringList{"_", d, d, d};
    QTest::newRow("five fields") << "Artist+Album+Track#+Trackname+Folder" << Slots{0, 1, 2, 3, 4}
                                 << QStringList{"+", "+", "+", "+"};
    QTest::newRow("a kind twice") << "Artist~Artist" << Slots{0, 0, 6, 6, 6}
                                  << QStringList{"~", d, d, d};
    QTest::newRow("words far from every field")
        << "Artist - Trackname (Live in Paris, CD 2)" << Slots{0, 3, 6, 6, 6}
        << QStringList{d, " (Live in Paris, CD 2)", d, d};
}

void TestSchemeText::parses() {
    QFETCH(QString, text);
    QFETCH(Slots, slots);
    QFETCH(QStringList, dividers);

    const FilenameScheme scheme = ParseSchemeText(text);
    Slots gotSlots(scheme.slots.begin(), scheme.slots.end());
    QStringList gotDividers(scheme.dividers.begin(), scheme.dividers.end());
    QCOMPARE(gotSlots, slots);
    QCOMPARE(gotDividers, dividers);
}

void TestSchemeText::refuses_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("messagePart");

    QTest::newRow("empty") << ""
                           << "names no field";
    QTest::newRow("no field name") << "Song - Title"
                                   << "names no field";
    QTest::newRow("text before the first field") << "The Artist - Trackname"
                                                 << "not with \"The \"";
    QTest::newRow("blank before the first field") << " Artist"
                                                  << "must start with a field";
    QTest::newRow("six fields") << "Artist-Album-Track#-Trackname-Folder-ParentFolder"
                                << "more than five fields";
    QTest::newRow("text after the fifth field") << "Artist-Album-Track#-Trackname-Folder!"
                                                << "after its fifth field";
    // A typo would be taken as divider text and leave that field empty.
    QTest::newRow("a letter wrong")
        << "Artist - Albun - Track# - Trackname"
        << "holds \"Albun\", which is not a field; did you mean \"Album\"?";
    QTest::newRow("a letter missing, and no field left")
        << "Tracknme"
        << "\"Tracknme\", which is not a field; did you mean \"Trackname\"?";
    QTest::newRow("two letters swapped") << "Atrist - Trackname"
                                         << "did you mean \"Artist\"?";
    QTest::newRow("the mark missing") << "Track - Trackname"
                                      << "did you mean \"Track#\"?";
    QTest::newRow("two edits") << "Track# - Tracknm"
                               << "did you mean \"Trackname\"?";
    QTest::newRow("in another letter case") << "ARTIST - trakname"
                                            << "did you mean \"Trackname\"?";
    QTest::newRow("brackets missing") << "Artist - none - Trackname"
                                      << "did you mean \"[none]\"?";
}

void TestSchemeText::refuses() {
    QFETCH(QString, text);
    QFETCH(QString, messagePart);

    try {
        ParseSchemeText(text);
        QFAIL("the scheme text was taken");
    } catch (const UsageError& error) {
        QVERIFY2(error.message().contains(messagePart), qPrintable(error.message()));
        QVERIFY2(error.message().contains(text), qPrintable(error.message()));
    }
}

QTEST_GUILESS_MAIN(TestSchemeText)
#include "tst_schemetext.moc"
