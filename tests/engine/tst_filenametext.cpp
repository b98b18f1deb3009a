#include <QFile>
#include <QRandomGenerator>
#include <QTest>

#include "engine/FileNameText.h"

// Names decode to exactly the text Qt gives them, for well-formed UTF-8 and
// for every way bytes can fail to be it.
class TestFileNameText : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void decodesAsQtDoes_data();
    void decodesAsQtDoes();
    void decodesRandomBytesAsQtDoes();
    void listedNames_data();
    void listedNames();
    void listedRandomBytesNeverReplaced();
    void sameNameIgnoringCase_data();
    void sameNameIgnoringCase();
};

void TestFileNameText::decodesAsQtDoes_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("ASCII") << QByteArray("Band - Album - 01 - Song.mp3");
    QTest::newRow("two, three and four bytes")
        << QByteArray("\xc3\xa9 \xe2\x82\xac \xf0\x9d\x84\x9e \xf4\x8f\xbf\xbf");
    QTest::newRow("leading byte order mark") << QByteArray("\xef\xbb\xbfz.mp3");
    QTest::newRow("inner byte order mark") << QByteArray("a\xef\xbb\xbf.mp3");
    QTest::newRow("Latin-1") << QByteArray("Caf\xe9.mp3");
    QTest::newRow("lone continuation") << QByteArray("a\x80z");
    QTest::newRow("cut short at the end") << QByteArray("a\xe2\x82");
    QTest::newRow("cut short inside") << QByteArray("a\xe2\x82z");
    QTest::newRow("overlong two bytes") << QByteArray("\xc0\xaf");
    QTest::newRow("overlong three bytes") << QByteArray("\xe0\x80\xaf");
    QTest::newRow("overlong four bytes") << QByteArray("\xf0\x80\x80\xaf");
    QTest::newRow("surrogate") << QByteArray("\xed\xa0\x80");
    QTest::newRow("above U+10FFFF") << QByteArray("\xf4\x90\x80\x80");
    QTest::newRow("F5 to FF") << QByteArray("\xf5\xfe\xff");
    QTest::newRow("noncharacters") << QByteArray("\xef\xbf\xbe\xef\xbf\xbf\xef\xb7\x90");
}

void TestFileNameText::decodesAsQtDoes() {
    QFETCH(QByteArray, bytes);
    QCOMPARE(DecodeFileName(bytes), QFile::decodeName(bytes));
}

void TestFileNameText::decodesRandomBytesAsQtDoes() {
    QRandomGenerator random(20261210);
    // Pieces that make up well-formed text, and bytes that break it.
    const QList<QByteArray> wellFormed = {"Band - Album - 01 - ",
                                          "a",
                                          "Z",
                                          " - ",
                                          "\xc3\xa9",
                                          "\xd0\xb6",
                                          "\xe2\x82\xac",
                                          "\xe4\xb8\xad",
                                          "\xef\xbb\xbf",
                                          "\xf0\x9f\x8e\xb5",
                                          "\xf4\x8f\xbf\xbf"};
    const QList<QByteArray> broken = {"\x80", "\xbf",     "\xc0",         "\xc1",
                                      "\xc2", "\xe0\x80", "\xed\xa0\x80", "\xf4\x90",
                                      "\xf5", "\xff",     "\xe2",         "\xf0\x9f"};
    const QList<QByteArray> pieces = wellFormed + broken;
    for (int round = 0; round < 20000; ++round) {
        QByteArray bytes;
        const int count = random.bounded(8);
        for (int i = 0; i < count; ++i) {
            if (random.bounded(5) == 0)
                bytes += char(1 + random.bounded(255));
            else
                bytes += pieces.at(random.bounded(int(pieces.size())));
        }
        QVERIFY2(DecodeFileName(bytes) == QFile::decodeName(bytes), bytes.toHex().constData());
    }
}

// The scan's reading: UTF-8 as Qt reads it, anything else in the legacy
// encoding, one character a byte.
void TestFileNameText::listedNames_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("encoding");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("notUtf8");
    const int cp1252 = int(LegacyEncoding::Windows1252);
    QTest::newRow("ASCII") << QByteArray("Band - Song.mp3") << cp1252 << "Band - Song.mp3" << false;
    QTest::newRow("UTF-8 stays UTF-8 in every encoding")
        << QByteArray("Caf\xc3\xa9.mp3") << int(LegacyEncoding::Cp437)
        << QString::fromUtf8("Caf\u00e9.mp3") << false;
    QTest::newRow("leading byte order mark, as Qt reads it")
        << QByteArray("\xef\xbb\xbfz.mp3") << cp1252 << QFile::decodeName("\xef\xbb\xbfz.mp3")
        << false;
    QTest::newRow("Windows-1252") << QByteArray("Caf\xe9 \x80.mp3") << cp1252
                                  << QString::fromUtf8("Caf\u00e9 \u20ac.mp3") << true;
    QTest::newRow("byte order mark before bytes that are not UTF-8")
        << QByteArray("\xef\xbb\xbf\xe9") << cp1252 << QString::fromUtf8("\u00ef\u00bb\u00bf\u00e9")
        << true;
    QTest::newRow("one bad byte makes the whole name legacy")
        << QByteArray("\xc3\xa9\xe9") << cp1252 << QString::fromUtf8("\u00c3\u00a9\u00e9") << true;
    QTest::newRow("ISO-8859-2") << QByteArray(
                                       "\xb3\xf3"
                                       "d\xbc")
                                << int(LegacyEncoding::Iso8859_2)
                                << QString::fromUtf8("\u0142\u00f3d\u017a") << true;
    QTest::newRow("CP437") << QByteArray("Caf\x82") << int(LegacyEncoding::Cp437)
                           << QString::fromUtf8("Caf\u00e9") << true;
    QTest::newRow("surrogate bytes are not UTF-8")
        << QByteArray("\xed\xa0\x80") << cp1252 << QString::fromUtf8("\u00ed\u00a0\u20ac") << true;
}

void TestFileNameText::listedNames() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, encoding);
    QFETCH(QString, text);
    QFETCH(bool, notUtf8);
    const ListedName name = DecodeListedName(bytes, LegacyEncoding(encoding));
    QCOMPARE(name.text, text);
    QCOMPARE(name.notUtf8, notUtf8);
}

// Whatever the bytes: UTF-8 is read as Qt reads it, and nothing else ever
// becomes a replacement character; distinct names stay distinct.
void TestFileNameText::listedRandomBytesNeverReplaced() {
    QRandomGenerator random(20261211);
    const QList<QByteArray> pieces = {"a",    " - ",  "\xc3\xa9", "\xe2\x82\xac", "\xe9",
                                      "\x80", "\xff", "\xc0\xaf", "\xed\xa0\x80", "\xf0\x9f",
                                      "\x81"};
    for (int round = 0; round < 5000; ++round) {
        QByteArray bytes;
        const int count = 1 + random.bounded(6);
        for (int i = 0; i < count; ++i)
            bytes += pieces.at(random.bounded(int(pieces.size())));
        for (int e = 0; e < kLegacyEncodingCount; ++e) {
            const ListedName name = DecodeListedName(bytes, LegacyEncoding(e));
            if (name.notUtf8) {
                QVERIFY2(!name.text.contains(QChar::ReplacementCharacter),
                         bytes.toHex().constData());
                QCOMPARE(name.text.size(), bytes.size());
            } else {
                QCOMPARE(name.text, QFile::decodeName(bytes));
            }
        }
    }
}

void TestFileNameText::sameNameIgnoringCase_data() {
    QTest::addColumn<QByteArray>("a");
    QTest::addColumn<QByteArray>("b");
    QTest::addColumn<bool>("same");
    QTest::newRow("letter case") << QByteArray("caf\xc3\xa9.mp3") << QByteArray("CAF\xc3\x89.MP3")
                                 << true;
    QTest::newRow("decomposed and composed")
        << QByteArray("Cafe\xcc\x81.mp3") << QByteArray("caf\xc3\xa9.mp3") << true;
    QTest::newRow("different letters") << QByteArray("a.mp3") << QByteArray("b.mp3") << false;
    // Read by Qt, both were one replacement character and so "the same".
    QTest::newRow("two legacy names")
        << QByteArray("Caf\xe9.mp3") << QByteArray("Caf\xe8.mp3") << false;
    QTest::newRow("legacy bytes and the UTF-8 of their reading")
        << QByteArray("Caf\xe9.mp3") << QByteArray("Caf\xc3\xa9.mp3") << false;
    QTest::newRow("legacy bytes and the replacement character")
        << QByteArray("Caf\xe9.mp3") << QByteArray("Caf\xef\xbf\xbd.mp3") << false;
    QTest::newRow("the same legacy bytes")
        << QByteArray("Caf\xe9.mp3") << QByteArray("Caf\xe9.mp3") << true;
}

void TestFileNameText::sameNameIgnoringCase() {
    QFETCH(QByteArray, a);
    QFETCH(QByteArray, b);
    QFETCH(bool, same);
    QCOMPARE(SameNameIgnoringCase(a, b), same);
    QCOMPARE(SameNameIgnoringCase(b, a), same);
}

QTEST_GUILESS_MAIN(TestFileNameText)
#include "tst_filenametext.moc"
