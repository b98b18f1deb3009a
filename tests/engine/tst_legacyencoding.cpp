#include <QSet>
#include <QTest>

#include "engine/LegacyEncoding.h"

Q_DECLARE_METATYPE(LegacyEncoding)

// The legacy encodings as glibc's iconv reads them: every byte one
// character, none of them a replacement character, no two bytes alike.
class TestLegacyEncoding : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyByteIsOneCharacterOfItsOwn();
    void knownCharacters_data();
    void knownCharacters();
    void namesAndAliases_data();
    void namesAndAliases();
    void positions();
};

void TestLegacyEncoding::everyByteIsOneCharacterOfItsOwn() {
    QByteArray all(256, Qt::Uninitialized);
    for (int b = 0; b < 256; ++b)
        all[b] = char(b);
    for (int e = 0; e < kLegacyEncodingCount; ++e) {
        const QString text = DecodeLegacy(all, LegacyEncoding(e));
        QCOMPARE(text.size(), 256);
        QSet<QChar> seen;
        for (int b = 0; b < 256; ++b) {
            const QChar c = text.at(b);
            QVERIFY2(c != QChar::ReplacementCharacter,
                     qPrintable(LegacyEncodingName(LegacyEncoding(e))));
            QVERIFY(!c.isSurrogate());
            // ASCII is ASCII in all of them, so a name's dots and dividers stay.
            if (b < 0x80)
                QCOMPARE(c.unicode(), char16_t(b));
            seen.insert(c);
        }
        // Two names that differ in their bytes differ in their texts.
        QCOMPARE(seen.size(), 256);
    }
}

void TestLegacyEncoding::knownCharacters_data() {
    QTest::addColumn<LegacyEncoding>("encoding");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("Windows-1252") << LegacyEncoding::Windows1252 << QByteArray("\xe9\x80\x9c\x8a")
                                  << QString::fromUtf8("\u00e9\u20ac\u0153\u0160");
    // Undefined in Windows-1252: the control character of the same number.
    QTest::newRow("Windows-1252 gaps")
        << LegacyEncoding::Windows1252 << QByteArray("\x81\x8d\x8f\x90\x9d")
        << QString::fromUtf8("\u0081\u008d\u008f\u0090\u009d");
    QTest::newRow("ISO-8859-1") << LegacyEncoding::Iso8859_1 << QByteArray("\xe9\x80\xff")
                                << QString::fromUtf8("\u00e9\u0080\u00ff");
    QTest::newRow("ISO-8859-2") << LegacyEncoding::Iso8859_2 << QByteArray("\xb3\xa9\xe6")
                                << QString::fromUtf8("\u0142\u0160\u0107");
    QTest::newRow("ISO-8859-15") << LegacyEncoding::Iso8859_15 << QByteArray("\xa4\xbd")
                                 << QString::fromUtf8("\u20ac\u0153");
    QTest::newRow("Windows-1250") << LegacyEncoding::Windows1250 << QByteArray("\x8a\xb9\x81")
                                  << QString::fromUtf8("\u0160\u0105\u0081");
    QTest::newRow("Windows-1251") << LegacyEncoding::Windows1251 << QByteArray("\xc0\xff\x98")
                                  << QString::fromUtf8("\u0410\u044f\u0098");
    QTest::newRow("KOI8-R") << LegacyEncoding::Koi8R << QByteArray("\xc1\xf1")
                            << QString::fromUtf8("\u0430\u042f");
    QTest::newRow("CP437") << LegacyEncoding::Cp437 << QByteArray("\x82\x9b\xdb")
                           << QString::fromUtf8("\u00e9\u00a2\u2588");
    QTest::newRow("CP850") << LegacyEncoding::Cp850 << QByteArray("\x82\x9b\xd5")
                           << QString::fromUtf8("\u00e9\u00f8\u0131");
}

void TestLegacyEncoding::knownCharacters() {
    QFETCH(LegacyEncoding, encoding);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(DecodeLegacy(bytes, encoding), text);
}

void TestLegacyEncoding::namesAndAliases_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("encoding");  // -1 for none
    QTest::newRow("own name") << "Windows-1252" << int(LegacyEncoding::Windows1252);
    QTest::newRow("any letter case") << "iso-8859-15" << int(LegacyEncoding::Iso8859_15);
    QTest::newRow("without dash") << "koi8r" << int(LegacyEncoding::Koi8R);
    QTest::newRow("underscore for dash") << "ISO_8859_2" << int(LegacyEncoding::Iso8859_2);
    QTest::newRow("iconv's alias") << "cp1251" << int(LegacyEncoding::Windows1251);
    QTest::newRow("latin1") << "Latin1" << int(LegacyEncoding::Iso8859_1);
    QTest::newRow("latin9") << "latin-9" << int(LegacyEncoding::Iso8859_15);
    QTest::newRow("IBM name") << "IBM850" << int(LegacyEncoding::Cp850);
    QTest::newRow("not offered") << "ISO-8859-5" << -1;
    QTest::newRow("UTF-8 is no legacy encoding") << "UTF-8" << -1;
    QTest::newRow("empty") << "" << -1;
    QTest::newRow("dashes only") << "--" << -1;
}

void TestLegacyEncoding::namesAndAliases() {
    QFETCH(QString, name);
    QFETCH(int, encoding);
    const std::optional<LegacyEncoding> found = LegacyEncodingNamed(name);
    QCOMPARE(found ? int(*found) : -1, encoding);
}

void TestLegacyEncoding::positions() {
    const QStringList names = LegacyEncodingNames();
    QCOMPARE(names, (QStringList{"Windows-1252", "ISO-8859-1", "ISO-8859-2", "ISO-8859-15",
                                 "Windows-1250", "Windows-1251", "KOI8-R", "CP437", "CP850"}));
    for (int e = 0; e < kLegacyEncodingCount; ++e) {
        QCOMPARE(LegacyEncodingAt(e), LegacyEncoding(e));
        QCOMPARE(LegacyEncodingNamed(names.at(e)), LegacyEncoding(e));
        QVERIFY(LegacyEncodingCaption(LegacyEncoding(e)).startsWith(names.at(e) + " ("));
    }
    // A stored position out of range reads as the default.
    QCOMPARE(LegacyEncodingAt(-1), LegacyEncoding::Windows1252);
    QCOMPARE(LegacyEncodingAt(kLegacyEncodingCount), LegacyEncoding::Windows1252);
}

QTEST_GUILESS_MAIN(TestLegacyEncoding)
#include "tst_legacyencoding.moc"
