#include <QLocale>
#include <QTest>

#include "engine/SizeText.h"

class TestSizeText : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void sizeToText_data();
    void sizeToText();
    void numberRoundsHalfUp_data();
    void numberRoundsHalfUp();
};

namespace {

// The expected texts are written with a point; the program uses the system
// locale's decimal separator.
QString WithLocaleSeparator(QString text) {
    return text.replace(u'.', QLocale::system().decimalPoint());
}

}  // namespace

void TestSizeText::sizeToText_data() {
    QTest::addColumn<qint64>("size");
    QTest::addColumn<QString>("text");
    const QList<QPair<qint64, const char*>> table = {
        {0, "0 bytes"},
        {1023, "1023 bytes"},
        {1024, "1.00 KB"},
        {1536, "1.00 KB"},
        {50000, "48.00 KB"},
        {102399, "99.00 KB"},
        {102400, "100 KB"},
        {1023999, "999 KB"},
        {1024000, "0.98 MB"},
        {5242880, "5.00 MB"},
        {104857599, "100.00 MB"},
        {157286400, "150 MB"},
        // 1,023,999 KB is still shown in MB: the GB step starts at 1,024,000 KB.
        {1048575999, "999 MB"},
        {1048576000, "0.98 GB"},
        {1048576000000, "0.95 TB"},
        // Far beyond any disk: still whole terabytes, no overflow.
        {Q_INT64_C(9223372036854775807), "8388607 TB"},
    };
    for (const auto& [size, text] : table)
        QTest::addRow("%lld", static_cast<long long>(size)) << size << QString(text);
}

void TestSizeText::sizeToText() {
    QFETCH(qint64, size);
    QFETCH(QString, text);
    QCOMPARE(SizeToText(size), WithLocaleSeparator(text));
}

void TestSizeText::numberRoundsHalfUp_data() {
    QTest::addColumn<qint64>("x");
    QTest::addColumn<QString>("text");
    // 1152 / 1024 is exactly 1.125: the half goes up.
    QTest::newRow("1.125") << qint64(1152) << "1.13";
    QTest::newRow("just below half") << qint64(1151) << "1.12";
    QTest::newRow("0.125") << qint64(128) << "0.13";
    QTest::newRow("0.124") << qint64(127) << "0.12";
    QTest::newRow("zero") << qint64(0) << "0.00";
    QTest::newRow("99.995 and up become 100.00") << qint64(102395) << "100.00";
    QTest::newRow("whole from 100") << qint64(102400) << "100";
    QTest::newRow("below 100, not cut to whole") << qint64(102399) << "100.00";
}

void TestSizeText::numberRoundsHalfUp() {
    QFETCH(qint64, x);
    QFETCH(QString, text);
    QCOMPARE(SizeNumberText(x), WithLocaleSeparator(text));
}

QTEST_GUILESS_MAIN(TestSizeText)
#include "tst_sizetext.moc"
