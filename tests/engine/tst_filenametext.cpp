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

QTEST_GUILESS_MAIN(TestFileNameText)
#include "tst_filenametext.moc"
