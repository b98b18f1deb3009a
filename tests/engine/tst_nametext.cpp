#include <QRandomGenerator>
#include <QTest>

#include "engine/NameText.h"

// Rows keep their names in UTF-8: every text comes back exactly as it went
// in, also those UTF-8 cannot hold.
class TestNameText : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void givesBackItsText_data();
    void givesBackItsText();
    void givesBackRandomTexts();
    void keepsWellFormedBytes();
};

void TestNameText::givesBackItsText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("hasUtf8Form");

    QTest::newRow("empty") << QString() << true;
    QTest::newRow("ascii") << "01 - Song.mp3" << true;
    QTest::newRow("accents and a euro sign") << QString::fromUtf8("Séké – 5 €.mp3") << true;
    QTest::newRow("beyond the basic plane") << QString::fromUtf8("\xF0\x9F\x8E\xB5 Song.mp3") << true;
    // QString::fromUtf8 would drop it; a name must keep it.
    QTest::newRow("leading byte order mark") << QString(QChar(0xfeff)) + "Song.mp3" << true;
    QTest::newRow("a subfolder") << "CD 1/01 - Song.mp3" << true;
    QTest::newRow("a NUL character") << QString("a") + QChar(0) + "b" << true;
    QTest::newRow("lone high surrogate") << QString("Song") + QChar(0xd834) + ".mp3" << false;
    QTest::newRow("lone low surrogate") << QChar(0xdd1e) + QString("Song.mp3") << false;
    QTest::newRow("pair reversed") << QString("a") + QChar(0xdd1e) + QChar(0xd834) << false;
    // Its UTF-16 units hold the byte of "/", its text no "/".
    QTest::newRow("unit holding a slash byte, no form")
        << QString(QChar(0x2f00)) + QChar(0xd800) << false;
    QTest::newRow("slash, no form") << QString("a/") + QChar(0xd800) << false;
}

void TestNameText::givesBackItsText() {
    QFETCH(QString, text);
    QFETCH(bool, hasUtf8Form);

    const NameText name(text);
    QCOMPARE(name.toString(), text);
    QCOMPARE(QString(name), text);
    QCOMPARE(name.isEmpty(), text.isEmpty());
    QCOMPARE(name.utf8() != nullptr, hasUtf8Form);
    if (hasUtf8Form)
        QCOMPARE(*name.utf8(), text.toUtf8());
    QCOMPARE(name.toUtf8(), text.toUtf8());
    QCOMPARE(name.contains('/'), text.contains(u'/'));
    QVERIFY(name == text);
    QVERIFY(name == NameText(text));
    QVERIFY(!(name == text + u'x'));
    QVERIFY(!(name == NameText(u'x' + text)));
}

// Texts of the pieces names are made of and of every kind of surrogate:
// each comes back, and two are equal as names exactly when they are equal
// as texts.
void TestNameText::givesBackRandomTexts() {
    const QList<QString> pieces = {"a",
                                   "/",
                                   QString::fromUtf8("é"),
                                   QString::fromUtf8("€"),
                                   QString(QChar(0xfeff)),
                                   QString(QChar(0x2f00)),
                                   QString(QChar(0)),
                                   QString(QChar(0xd834)),
                                   QString(QChar(0xdd1e)),
                                   QString::fromUtf8("\xF0\x9F\x8E\xB5")};
    QRandomGenerator random(20261211);
    QString previous;
    for (int round = 0; round < 20000; ++round) {
        QString text;
        const int count = random.bounded(6);
        for (int k = 0; k < count; ++k)
            text += pieces.at(random.bounded(int(pieces.size())));
        const NameText name(text);
        QCOMPARE(name.toString(), text);
        QCOMPARE(name.contains('/'), text.contains(u'/'));
        QCOMPARE(name == NameText(previous), text == previous);
        previous = text;
    }
}

// Bytes the listing proves well-formed are the name, shared, not copied.
void TestNameText::keepsWellFormedBytes() {
    const QByteArray bytes = QByteArray("\xEF\xBB\xBF") + "Séké.mp3";
    const NameText name = NameText::fromWellFormedUtf8(bytes);
    QCOMPARE(name.toString(), QString(QChar(0xfeff)) + QString::fromUtf8("Séké.mp3"));
    QVERIFY(name.utf8() != nullptr);
    QCOMPARE(name.utf8()->constData(), bytes.constData());
    QVERIFY(name == NameText(name.toString()));
}

QTEST_GUILESS_MAIN(TestNameText)
#include "tst_nametext.moc"
