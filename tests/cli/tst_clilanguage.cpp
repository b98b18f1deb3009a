#include <QCoreApplication>
#include <QTest>
#include <QTranslator>

#include "CliRunner.h"
#include "shared/General/Texts.h"
#include "support/TempTree.h"

using Locale = QMap<QString, QString>;

namespace {

// The locale variables of a user whose desktop speaks the language.
Locale Speaking(const QString& language) {
    const QString name = language + u'_' + language.toUpper() + QStringLiteral(".UTF-8");
    return {{QStringLiteral("LANG"), name}, {QStringLiteral("LC_ALL"), name}};
}

// The program's translation into one language, installed in this test for as
// long as the object lives, so that Text() gives what norvane-cli must print.
class Translation {
public:
    explicit Translation(const QString& language) {
        const QString folder = qEnvironmentVariable("NORVANE_BUILD_DIR") + "/translations";
        m_installed = m_translator.load(QStringLiteral("norvane_") + language, folder) &&
                      QCoreApplication::installTranslator(&m_translator);
    }
    ~Translation() { QCoreApplication::removeTranslator(&m_translator); }
    bool isInstalled() const { return m_installed; }

private:
    QTranslator m_translator;
    bool m_installed = false;
};

QByteArray Line(const QString& text) {
    return (text + u'\n').toUtf8();
}

}  // namespace

// norvane-cli in the user's language: its help, messages and statuses follow
// the locale; the words of a scheme stay English, so that scripts mean the
// same everywhere.
class TestCliLanguage : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void languages_data();
    void helpIsTranslated_data() { languages_data(); }
    void helpIsTranslated();
    void dryRunSpeaksTheLanguage_data() { languages_data(); }
    void dryRunSpeaksTheLanguage();
    void usageErrorsAreTranslated_data() { languages_data(); }
    void usageErrorsAreTranslated();
    void schemesAreWrittenInEnglish();
    void executeErrorsStillFailTheRun();
    void languageChoice_data();
    void languageChoice();
};

void TestCliLanguage::initTestCase() {
    QVERIFY2(QFile::exists(cli::ProgramPath()), qPrintable(cli::ProgramPath()));
}

void TestCliLanguage::languages_data() {
    QTest::addColumn<QString>("language");
    for (const char* language : {"de", "fr", "es"})
        QTest::newRow(language) << QString::fromLatin1(language);
}

void TestCliLanguage::helpIsTranslated() {
    QFETCH(QString, language);
    cli::Runner runner;
    runner.setLocale(Speaking(language));

    const cli::Outcome help = runner.run({"--help"});

    QCOMPARE(help.exitCode, 0);
    const Translation translation(language);
    QVERIFY(translation.isInstalled());
    QVERIFY(Text(Texts::kCliHelp) != QLatin1String(Texts::kCliHelp));
    QCOMPARE(QString::fromUtf8(help.out), Text(Texts::kCliHelp));
}

void TestCliLanguage::dryRunSpeaksTheLanguage() {
    QFETCH(QString, language);
    TempTree tree;
    QVERIFY(tree.addFile("Album/Band - Best Of - 01 - Intro.mp3"));
    QVERIFY(tree.addFile("Album/Intro.mp3"));
    const QList<QByteArray> before = cli::Snapshot(tree);
    cli::Runner runner;
    runner.setLocale(Speaking(language));

    const cli::Outcome tsv = runner.run({"--defaults", "-f", "tsv", tree.filePath("Album")});
    const cli::Outcome table = runner.run({"--defaults", "-f", "table", tree.filePath("Album")});

    QCOMPARE(tsv.exitCode, 0);
    QCOMPARE(table.exitCode, 0);
    QCOMPARE(cli::Snapshot(tree), before);
    const Translation translation(language);
    QVERIFY(translation.isInstalled());
    const QList<QList<QByteArray>> records = cli::TsvRecords(tsv.out);
    QCOMPARE(records.size(), 3);
    QCOMPARE(records.at(1).at(0), QByteArray("Band - Best Of - 01 - Intro.mp3"));
    QCOMPARE(records.at(1).at(2), Text(Texts::kStatusRenamePending).toUtf8());
    QCOMPARE(records.at(2).at(0), QByteArray("Intro.mp3"));
    QCOMPARE(records.at(2).at(2),
             Text(Texts::kErrDoesNotExist).arg(Text(Texts::kFieldArtist)).toUtf8());
    const QString header = QString::fromUtf8(table.out.left(table.out.indexOf('\n')));
    QVERIFY2(header.startsWith(Text(Texts::kColumnExisting)), qPrintable(header));
    QVERIFY2(header.contains(Text(Texts::kColumnStatus)), qPrintable(header));
}

void TestCliLanguage::usageErrorsAreTranslated() {
    QFETCH(QString, language);
    TempTree tree;
    QVERIFY(tree.addFolder("Album"));
    cli::Runner runner;
    runner.setLocale(Speaking(language));

    const cli::Outcome noFolder = runner.run({"--defaults", "-x"});
    const cli::Outcome skipped =
        runner.run({"--defaults", tree.filePath("Album"), tree.filePath("nowhere")});

    const Translation translation(language);
    QVERIFY(translation.isInstalled());
    QCOMPARE(noFolder.exitCode, 2);
    QCOMPARE(noFolder.err, Line(Text(Texts::kCliMessage).arg(Text(Texts::kCliNoFolder))) +
                               Line(Text(Texts::kCliTryHelp)));
    QCOMPARE(skipped.exitCode, 0);
    const QString warning = Text(Texts::kCliFolderSkipped).arg(tree.filePath("nowhere"));
    QCOMPARE(skipped.err, Line(Text(Texts::kCliMessage).arg(warning)));
}

// A German user writes the same schemes as everybody else; the German names
// of the fields are no field words on the command line.
void TestCliLanguage::schemesAreWrittenInEnglish() {
    TempTree tree;
    QVERIFY(tree.addFile("Album/07 - Intro.mp3"));
    cli::Runner runner;
    runner.setLocale(Speaking("de"));

    const cli::Outcome english = runner.run({"--defaults", "-f", "tsv", "-i", "Track# - Trackname",
                                             "-o", "Track#. Trackname", tree.filePath("Album")});
    const cli::Outcome german = runner.run(
        {"--defaults", "-i", "Titelnr. - Titel", "-o", "Titelnr.. Titel", tree.filePath("Album")});

    const Translation translation("de");
    QVERIFY(translation.isInstalled());
    QCOMPARE(english.exitCode, 0);
    const QList<QList<QByteArray>> records = cli::TsvRecords(english.out);
    QCOMPARE(records.size(), 2);
    QCOMPARE(records.at(1).at(1), QByteArray("07. Intro.mp3"));
    QCOMPARE(records.at(1).at(2), Text(Texts::kStatusRenamePending).toUtf8());
    QCOMPARE(german.exitCode, 2);
    const QString refusal = Text(Texts::kCliSchemeOfOption)
                                .arg("-i", Text(Texts::kCliSchemeNoField).arg("Titelnr. - Titel"));
    QVERIFY2(german.err.startsWith(Line(Text(Texts::kCliMessage).arg(refusal))),
             german.err.constData());
}

// The exit status does not hang on the language of the error statuses.
void TestCliLanguage::executeErrorsStillFailTheRun() {
    TempTree tree;
    QVERIFY(tree.addFile("Album/Band - Best Of - 01 - Intro.mp3"));
    QVERIFY(tree.addFile("Album/01. Intro.mp3"));
    QVERIFY(tree.addFile("Album/Band - Best Of - 02 - Outro.mp3"));
    cli::Runner runner;
    runner.setLocale(Speaking("de"));

    const cli::Outcome outcome = runner.run(
        {"--defaults", "-x", "-f", "tsv", "-o", "Track#. Trackname", tree.filePath("Album")});

    const Translation translation("de");
    QVERIFY(translation.isInstalled());
    QCOMPARE(outcome.exitCode, 1);
    const QList<QList<QByteArray>> records = cli::TsvRecords(outcome.out);
    QCOMPARE(records.size(), 4);
    QCOMPARE(records.at(2).at(0), QByteArray("Band - Best Of - 01 - Intro.mp3"));
    QCOMPARE(records.at(2).at(2), Text(Texts::kStatusNewFileExists).toUtf8());
    QCOMPARE(records.at(3).at(2), Text(Texts::kStatusRenamed).toUtf8());
    QVERIFY(tree.exists("Album/02. Outro.mp3"));
    QVERIFY(tree.exists("Album/Band - Best Of - 01 - Intro.mp3"));
}

// Which language the locale variables choose, as GNU programs choose it:
// LC_ALL before LC_MESSAGES before LANG; LANGUAGE lists preferences, of which
// the first that is English or translated wins; the "C" locale is English
// whatever LANGUAGE says.
void TestCliLanguage::languageChoice_data() {
    QTest::addColumn<Locale>("locale");
    QTest::addColumn<QString>("language");

    QTest::newRow("LANG alone") << Locale{{"LANG", "de_DE.UTF-8"}} << "de";
    QTest::newRow("territory of its own") << Locale{{"LANG", "fr_CA.UTF-8"}} << "fr";
    QTest::newRow("LC_ALL before LANG")
        << Locale{{"LC_ALL", "es_ES.UTF-8"}, {"LANG", "de_DE.UTF-8"}} << "es";
    QTest::newRow("LC_MESSAGES before LANG")
        << Locale{{"LC_MESSAGES", "fr_FR.UTF-8"}, {"LANG", "de_DE.UTF-8"}} << "fr";
    QTest::newRow("first translated language of LANGUAGE")
        << Locale{{"LANG", "pt_BR.UTF-8"}, {"LANGUAGE", "pt_BR:es:de"}} << "es";
    QTest::newRow("English first in LANGUAGE")
        << Locale{{"LANG", "en_GB.UTF-8"}, {"LANGUAGE", "en_GB:de"}} << "en";
    QTest::newRow("C locale ignores LANGUAGE")
        << Locale{{"LC_ALL", "C"}, {"LANGUAGE", "de"}} << "en";
    QTest::newRow("no translation") << Locale{{"LANG", "pt_BR.UTF-8"}} << "en";
    QTest::newRow("nothing set") << Locale{} << "en";
}

void TestCliLanguage::languageChoice() {
    QFETCH(Locale, locale);
    QFETCH(QString, language);
    cli::Runner runner;
    runner.setLocale(locale);

    const cli::Outcome help = runner.run({"--help"});

    QCOMPARE(help.exitCode, 0);
    if (language == QLatin1String("en")) {
        QCOMPARE(help.out, QByteArray(Texts::kCliHelp));
    } else {
        const Translation translation(language);
        QVERIFY(translation.isInstalled());
        QCOMPARE(QString::fromUtf8(help.out), Text(Texts::kCliHelp));
    }
}

QTEST_GUILESS_MAIN(TestCliLanguage)
#include "tst_clilanguage.moc"
