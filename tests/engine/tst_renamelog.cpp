#include <QTest>
#include <QXmlStreamReader>

#include "DiskFixture.h"
#include "engine/RenameLog.h"
#include "engine/RowExport.h"
#include "engine/TsvField.h"

// The results list written as a log or an HTML table, and a log read back
// for norvane-cli --undo: exact bytes in, exact bytes out, and a log that
// cannot be read names its line and its fault.

namespace {

ResultRow Row(const QByteArray& existing, const QString& newName, const QString& status,
              RowOutcome outcome, const QByteArray& folder) {
    ResultRow row = FileRow(folder, existing, newName, status);
    row.outcome = outcome;
    return row;
}

// The texts of the cells of each row of an HTML table, read as XML: the
// document must be well-formed for that, and its escapes come undone.
QList<QStringList> HtmlCells(const QByteArray& html, QString* error) {
    QList<QStringList> rows;
    QXmlStreamReader xml(html);
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == u"tr")
            rows.append(QStringList());
        else if (xml.isStartElement() && (xml.name() == u"td" || xml.name() == u"th"))
            rows.last().append(xml.readElementText());
    }
    if (xml.hasError())
        *error = xml.errorString();
    return rows;
}

}  // namespace

class TestRenameLog : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void tsvFieldRoundTrip_data();
    void tsvFieldRoundTrip();
    void badEscapes_data();
    void badEscapes();
    void savedLogComesBackExactly();
    void cliLogsAreRead_data();
    void cliLogsAreRead();
    void faultsNameTheirLine_data();
    void faultsNameTheirLine();
    void htmlTableIsEscaped();
};

void TestRenameLog::tsvFieldRoundTrip_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QByteArray>("field");
    QTest::newRow("plain") << QByteArray("a b.mp3") << QByteArray("a b.mp3");
    QTest::newRow("tab, line feed, carriage return")
        << QByteArray("a\tb\nc\rd") << QByteArray("a\\tb\\nc\\rd");
    QTest::newRow("backslash before t") << QByteArray("a\\tb") << QByteArray("a\\\\tb");
    QTest::newRow("trailing backslash") << QByteArray("a\\") << QByteArray("a\\\\");
    QTest::newRow("not UTF-8") << QByteArray("caf\xe9\xff") << QByteArray("caf\xe9\xff");
    QTest::newRow("empty") << QByteArray() << QByteArray();
}

void TestRenameLog::tsvFieldRoundTrip() {
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArray, field);
    QCOMPARE(TsvField(bytes), field);
    QCOMPARE(UnescapeTsvField(field), std::optional<QByteArray>(bytes));
}

void TestRenameLog::badEscapes_data() {
    QTest::addColumn<QByteArray>("field");
    QTest::newRow("lone backslash at the end") << QByteArray("a\\");
    QTest::newRow("unknown escape") << QByteArray("a\\x41");
    QTest::newRow("escaped blank") << QByteArray("\\ ");
}

void TestRenameLog::badEscapes() {
    QFETCH(QByteArray, field);
    QCOMPARE(UnescapeTsvField(field), std::nullopt);
}

// Save's text log: a header, five fields a row; read back, the renamed rows
// come with the exact bytes of their names and folders.
void TestRenameLog::savedLogComesBackExactly() {
    const QByteArray folder = "/music/R\xf3s\tlive";
    const QVector<ResultRow> rows = {
        FolderRow(QFile::decodeName(folder)),
        Row("Hopp\xedpolla.mp3", QString::fromUtf8("Hoppípolla.mp3"), "renamed",
            RowOutcome::Renamed, folder),
        Row("a\\b\nc.mp3", "a b c.mp3", "renamed", RowOutcome::Renamed, "/music"),
        Row("d.mp3", "e.mp3", "error: new file already exists", RowOutcome::NewFileExists,
            "/music"),
        Row("f.mp3", {}, "already in output format", RowOutcome::AlreadyInOutputFormat, "/music"),
    };
    const QByteArray log = RowsAsTextLog(rows, NameForm::Bytes);
    const QList<QByteArray> lines = log.split('\n');
    QCOMPARE(lines.size(), rows.size() + 2);  // the header, and the empty rest after the last
    QCOMPARE(lines[0], QByteArray("Existing Filename\tNew Filename\tStatus\tFolder\tOutcome"));
    QCOMPARE(lines[3], QByteArray("a\\\\b\\nc.mp3\ta b c.mp3\trenamed\t/music\trenamed"));
    QCOMPARE(lines[5], QByteArray("f.mp3\t\talready in output format\t/music\talready_in_format"));

    const QVector<ResultRow> renamed = ReadRenameLog(log);
    QCOMPARE(renamed.size(), 2);
    QCOMPARE(renamed[0].existingOnDisk(), QByteArray("Hopp\xedpolla.mp3"));
    QCOMPARE(renamed[0].folderOnDisk(), folder);
    QCOMPARE(renamed[0].newName, QString::fromUtf8("Hoppípolla.mp3"));
    QCOMPARE(renamed[0].outcome, RowOutcome::Renamed);
    QCOMPARE(renamed[1].existingOnDisk(), QByteArray("a\\b\nc.mp3"));
    QCOMPARE(renamed[1].folderOnDisk(), QByteArray("/music"));

    // For the clipboard the names are the texts shown, which are valid UTF-8.
    const QByteArray text = RowsAsTextLog(rows, NameForm::Text);
    QVERIFY(text.contains("Hopp\xef\xbf\xbdpolla.mp3\t"));
    QCOMPARE(QString::fromUtf8(text).toUtf8(), text);
}

// norvane-cli's own logs: tsv names a renamed row by its Status, in whichever
// language the run spoke; json by its outcome word, with the bytes of names
// that are not valid UTF-8 in base64.
void TestRenameLog::cliLogsAreRead_data() {
    QTest::addColumn<QByteArray>("log");
    QTest::addColumn<QList<QByteArray>>("existing");  // "folder|name" of each renamed row

    QTest::newRow("tsv") << QByteArray(
                                "[/m]\t\t\t\na.mp3\tb.mp3\trenamed\t/m\n"
                                "c.mp3\td.mp3\trename pending\t/m\n"
                                "R\xf3s.mp3\tRos.mp3\trenamed\t/m\n")
                         << QList<QByteArray>{"/m|a.mp3", "/m|R\xf3s.mp3"};
    QTest::newRow("tsv in German and French")
        << QByteArray(
               "a.mp3\tb.mp3\tUmbenannt\t/m\nc.mp3\td.mp3\tRenomm\xc3\xa9\t/m\n"
               "e.mp3\tf.mp3\tFehler: Umbenennen fehlgeschlagen\t/m\n")
        << QList<QByteArray>{"/m|a.mp3", "/m|c.mp3"};
    QTest::newRow("tsv with carriage returns and no last line feed")
        << QByteArray("a.mp3\tb.mp3\trenamed\t/m\r\nc.mp3\td.mp3\trenamed\t/m")
        << QList<QByteArray>{"/m|a.mp3", "/m|c.mp3"};
    QTest::newRow("json")
        << QByteArray(
               "[\n{\"existing\": \"[/m]\", \"new\": \"\", \"status\": \"\", \"outcome\": "
               "\"none\", \"folder\": \"\"},\n"
               "{\"existing\": \"R\xef\xbf\xbds.mp3\", \"new\": \"Ros.mp3\", \"status\": "
               "\"Umbenannt\", \"outcome\": \"renamed\", \"folder\": \"/m\", "
               "\"existing_bytes\": \"UvNzLm1wMw==\"},\n"
               "{\"existing\": \"x\", \"new\": \"y\", \"status\": \"\", \"outcome\": "
               "\"pending\", \"folder\": \"/m\"}\n]\n")
        << QList<QByteArray>{"/m|R\xf3s.mp3"};
    QTest::newRow("empty json") << QByteArray("[]\n") << QList<QByteArray>{};
    QTest::newRow("empty file") << QByteArray() << QList<QByteArray>{};
}

void TestRenameLog::cliLogsAreRead() {
    QFETCH(QByteArray, log);
    QFETCH(QList<QByteArray>, existing);
    QList<QByteArray> read;
    for (const ResultRow& row : ReadRenameLog(log))
        read.append(row.folderOnDisk() + '|' + row.existingOnDisk());
    QCOMPARE(read, existing);
}

void TestRenameLog::faultsNameTheirLine_data() {
    QTest::addColumn<QByteArray>("log");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("reason");

    const QByteArray header = "Existing Filename\tNew Filename\tStatus\tFolder\tOutcome\n";
    QTest::newRow("not a log") << QByteArray("Dear diary,\nI renamed\n") << 1
                               << "1 fields separated by tabs, where a log has 4 or 5";
    QTest::newRow("fields change") << QByteArray("a\tb\trenamed\t/m\na\tb\tc\t/m\tnone\n") << 2
                                   << "5 fields separated by tabs, where the lines above have 4";
    QTest::newRow("bad escape")
        << header + "a\tb\\q\trenamed\t/m\trenamed\n"
        << 2 << "a backslash that is not followed by t, n, r or another backslash";
    QTest::newRow("unknown outcome") << header + "a\tb\trenamed\t/m\trenamed\na\tb\tc\t/m\tdone\n"
                                     << 3 << "\"done\" is not an outcome word";
    QTest::newRow("header after the first line")
        << header + header << 2 << "\"Outcome\" is not an outcome word";
    QTest::newRow("renamed without a folder")
        << QByteArray("[/m]\t\t\t\na\tb\trenamed\t\n") << 2 << "a renamed file without a folder";
    QTest::newRow("relative folder") << QByteArray("a\tb\trenamed\tmusic\n") << 1
                                     << "the folder \"music\" is not an absolute path";
    QTest::newRow("renamed without a new name")
        << QByteArray("a\t\trenamed\t/m\n") << 1
        << "a renamed file without an existing or a new name";
    QTest::newRow("existing name leads elsewhere")
        << QByteArray("a.mp3\tb.mp3\trenamed\t/m\n../../etc/x\tb.mp3\trenamed\t/m\n") << 2
        << "the existing name \"../../etc/x\" is not a name within its folder";
    QTest::newRow("existing name is the folder's parent")
        << QByteArray("..\tb.mp3\trenamed\t/m\n") << 1
        << "the existing name \"..\" is not a name within its folder";
    QTest::newRow("json existing bytes with a separator")
        << QByteArray(
               "[{\"existing\": \"a\", \"new\": \"b\", \"status\": \"\", \"outcome\": "
               "\"renamed\", \"folder\": \"/m\", \"existing_bytes\": \"Li4vYQ==\"}]")
        << 1 << "the existing name \"../a\" is not a name within its folder";
    QTest::newRow("new name not UTF-8")
        << QByteArray("a\tb\xe9\trenamed\t/m\n") << 1 << "the new name is not valid UTF-8";
    QTest::newRow("json syntax") << QByteArray("[\n{\"existing\": \"a\",\n\"new\" \"b\"}\n]\n") << 3
                                 << "not valid JSON: missing name separator";
    QTest::newRow("json not an array")
        << QByteArray("{\"existing\": \"a\"}\n") << 1 << "a JSON log is an array of rows";
    QTest::newRow("json array of texts")
        << QByteArray("[\n\"a\",\n\"b\"\n]\n") << 2 << "a row of a JSON log is an object";
    QTest::newRow("json key missing")
        << QByteArray(
               "[\n{\"existing\": \"a\", \"new\": \"b\", \"status\": \"\", \"outcome\": "
               "\"none\", \"folder\": \"/m\"},\n"
               "{\"existing\": \"a\", \"new\": \"b\", \"outcome\": \"renamed\", "
               "\"folder\": \"/m\"}\n]\n")
        << 3 << "the key \"status\" is missing or is not a text";
    QTest::newRow("json bad bytes")
        << QByteArray(
               "[{\"existing\": \"a\", \"new\": \"b\", \"status\": \"\", \"outcome\": "
               "\"renamed\", \"folder\": \"/m\", \"existing_bytes\": \"**\"}]")
        << 1 << "the key \"existing_bytes\" does not hold base64";
    QTest::newRow("json unknown outcome")
        << QByteArray(
               "[\n\n{\"existing\": \"a\", \"new\": \"b\", \"status\": \"\", \"outcome\": "
               "\"Renamed\", \"folder\": \"/m\"}]")
        << 3 << "\"Renamed\" is not an outcome word";
}

void TestRenameLog::faultsNameTheirLine() {
    QFETCH(QByteArray, log);
    QFETCH(int, line);
    QFETCH(QString, reason);
    try {
        ReadRenameLog(log);
        QFAIL("the log was read");
    } catch (const RenameLogError& error) {
        QCOMPARE(error.reason(), reason);
        QCOMPARE(error.line(), line);
    }
}

void TestRenameLog::htmlTableIsEscaped() {
    const QVector<ResultRow> rows = {
        FolderRow("/music/<live> & \"more\""),
        Row("a<b>&c\".mp3", "</td></tr><script>x</script>.mp3", "renamed", RowOutcome::Renamed,
            "/music"),
        Row("tab\there\x01.mp3", "ok.mp3", "rename pending", RowOutcome::RenamePending, "/music"),
    };
    const QByteArray html = RowsAsHtml(rows);
    QVERIFY(html.startsWith("<!DOCTYPE html>\n"));
    QVERIFY(html.contains("<meta charset=\"utf-8\"/>"));
    QVERIFY(!html.contains("<script>"));
    QString error;
    const QList<QStringList> cells = HtmlCells(html, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    const QList<QStringList> expected = {
        {"Existing Filename", "New Filename", "Status", "Folder"},
        {"[/music/<live> & \"more\"]", "", "", ""},
        {"a<b>&c\".mp3", "</td></tr><script>x</script>.mp3", "renamed", "/music"},
        {"tab\\there\\x01.mp3", "ok.mp3", "rename pending", "/music"},
    };
    QCOMPARE(cells, expected);
}

QTEST_GUILESS_MAIN(TestRenameLog)
#include "tst_renamelog.moc"
