#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>
#include <algorithm>

#include "shared/General/Texts.h"

namespace {

struct Message {
    QString context;
    QString source;
    QString comment;
    QString translation;
    QString type;  // "unfinished", "vanished", "obsolete" or empty for a finished one
    // A text with a count ("%n file(s)") has one translation a plural form of
    // its language; then translation holds the first of them.
    bool numerus = false;
    QStringList forms;
};

// Each translation of the message: its plural forms, or the one text.
QStringList Translations(const Message& message) {
    return message.numerus ? message.forms : QStringList{message.translation};
}

// A message's identity, as lupdate sees it: context, source text, disambiguation.
QString Key(const Message& message) {
    return message.context + u'\x1f' + message.source + u'\x1f' + message.comment;
}

struct Catalogue {
    QString language;
    QHash<QString, Message> messages;
    QStringList order;  // keys in the order of the file
    QString error;
};

// Reads a Qt Linguist .ts file.
Catalogue ReadTs(const QString& path) {
    Catalogue catalogue;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        catalogue.error = QStringLiteral("cannot open ") + path;
        return catalogue;
    }
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const auto name = xml.name();
            if (name == u"TS") {
                catalogue.language = xml.attributes().value("language").toString();
            } else if (name == u"name") {
                context = xml.readElementText();
            } else if (name == u"message") {
                message = Message{context, {}, {}, {}, {}, false, {}};
                message.numerus = xml.attributes().value("numerus") == u"yes";
            } else if (name == u"source") {
                message.source = xml.readElementText();
            } else if (name == u"comment") {
                message.comment = xml.readElementText();
            } else if (name == u"translation") {
                message.type = xml.attributes().value("type").toString();
                if (!message.numerus) {
                    message.translation = xml.readElementText();
                    continue;
                }
                while (xml.readNextStartElement()) {
                    if (xml.name() == u"numerusform")
                        message.forms.append(xml.readElementText());
                    else
                        xml.skipCurrentElement();
                }
                message.translation = message.forms.value(0);
            }
        } else if (xml.isEndElement() && xml.name() == u"message") {
            catalogue.order.append(Key(message));
            catalogue.messages.insert(Key(message), message);
        }
    }
    if (xml.hasError())
        catalogue.error = path + QStringLiteral(": ") + xml.errorString();
    return catalogue;
}

// The placeholders QString::arg() fills, sorted: "%1", "%2", "%L1" ...
QStringList Placeholders(const QString& text) {
    static const QRegularExpression placeholder(QStringLiteral("%L?[0-9]{1,2}"));
    QStringList found;
    for (const QRegularExpressionMatch& match : placeholder.globalMatch(text))
        found.append(match.captured());
    std::sort(found.begin(), found.end());
    return found;
}

// The mnemonic markers ("&F") and written ampersands ("&&") of a caption.
std::pair<int, int> Ampersands(const QString& text) {
    int markers = 0;
    int written = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) != u'&')
            continue;
        if (i + 1 < text.size() && text.at(i + 1) == u'&') {
            ++written;
            ++i;
        } else {
            ++markers;
        }
    }
    return {markers, written};
}

QString Edge(const QString& text, bool leading) {
    qsizetype n = 0;
    if (leading) {
        while (n < text.size() && text.at(n).isSpace())
            ++n;
        return text.left(n);
    }
    while (n < text.size() && text.at(text.size() - 1 - n).isSpace())
        ++n;
    return text.right(n);
}

QString Shown(const QString& text) {
    QString shown = text.left(60);
    shown.replace(u'\n', QStringLiteral("\\n"));
    return u'"' + shown + (text.size() > 60 ? QStringLiteral("...\"") : QStringLiteral("\""));
}

}  // namespace

// Every text of the code has a finished translation in each language's .ts
// file, and each translation keeps what the program fills in or acts on. The
// texts of the code are found the way `make translations` finds them, by
// lupdate over the source folders, so a text that lands untranslated fails
// here at once.
class TestTranslationsComplete : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void languages_data();
    void everyTextIsTranslated_data() { languages_data(); }
    void everyTextIsTranslated();
    void translationsKeepPlaceholdersAndMarks_data() { languages_data(); }
    void translationsKeepPlaceholdersAndMarks();
    void helpLinesFitATerminal_data() { languages_data(); }
    void helpLinesFitATerminal();
    void englishHasThePluralForms();

private:
    Catalogue translations(const QString& language) const;

    Catalogue m_code;
};

void TestTranslationsComplete::initTestCase() {
    QTemporaryDir scratch;
    QVERIFY(scratch.isValid());
    const QString extracted = scratch.filePath(QStringLiteral("code.ts"));
    QStringList arguments = {"-silent", "-locations", "none", "-extensions", "cpp,h,ui"};
    for (const QString& folder : QStringLiteral(NORVANE_TEXT_FOLDERS).split(u','))
        arguments.append(QStringLiteral(NORVANE_SOURCE_DIR "/") + folder);
    arguments << "-ts" << extracted;
    QProcess lupdate;
    lupdate.start(QStringLiteral(NORVANE_LUPDATE), arguments);
    QVERIFY2(lupdate.waitForFinished(120000), NORVANE_LUPDATE);
    QVERIFY2(lupdate.exitStatus() == QProcess::NormalExit && lupdate.exitCode() == 0,
             lupdate.readAllStandardError().constData());
    m_code = ReadTs(extracted);
    QVERIFY2(m_code.error.isEmpty(), qPrintable(m_code.error));
    // The extraction sees the table of texts at all.
    QVERIFY(m_code.messages.contains(
        Key({"Norvane", QString::fromUtf8(Texts::kStatusRenamePending), {}, {}, {}, false, {}})));

    // A .ts file in the folder that the build does not turn into a .qm file
    // would be a language that never loads.
    const QStringList built = QStringLiteral(NORVANE_LANGUAGES).split(u',');
    const QStringList present = QDir(QStringLiteral(NORVANE_SOURCE_DIR "/translations"))
                                    .entryList({QStringLiteral("norvane_*.ts")}, QDir::Files);
    const QString plurals = QFileInfo(QStringLiteral(NORVANE_PLURALS_TS)).fileName();
    for (const QString& file : present) {
        const QString language = file.mid(8, file.size() - 11);
        QVERIFY2(built.contains(language) || file == plurals,
                 qPrintable(file + QStringLiteral(" is not in NORVANE_LANGUAGES")));
    }
}

void TestTranslationsComplete::languages_data() {
    QTest::addColumn<QString>("language");
    for (const QString& language : QStringLiteral(NORVANE_LANGUAGES).split(u','))
        QTest::newRow(qPrintable(language)) << language;
}

Catalogue TestTranslationsComplete::translations(const QString& language) const {
    return ReadTs(QStringLiteral(NORVANE_SOURCE_DIR "/translations/norvane_") + language +
                  QStringLiteral(".ts"));
}

void TestTranslationsComplete::everyTextIsTranslated() {
    QFETCH(QString, language);
    const Catalogue ts = translations(language);
    QVERIFY2(ts.error.isEmpty(), qPrintable(ts.error));
    // lupdate names a language it makes a file for with its territory ("it_IT").
    QCOMPARE(ts.language.section(u'_', 0, 0), language);

    QStringList faults;
    for (const QString& key : m_code.order) {
        const Message& wanted = m_code.messages.value(key);
        const auto found = ts.messages.constFind(key);
        if (found == ts.messages.cend())
            faults.append(QStringLiteral("missing: ") + Shown(wanted.source));
        else if (!found->type.isEmpty() || Translations(*found).contains(QString()) ||
                 found->translation.isEmpty())
            faults.append(QStringLiteral("not finished: ") + Shown(wanted.source));
        else if (found->numerus != wanted.numerus)
            faults.append(QStringLiteral("plural forms or not, unlike the code: ") +
                          Shown(wanted.source));
    }
    for (const QString& key : ts.order) {
        if (!m_code.messages.contains(key))
            faults.append(QStringLiteral("no longer in the code: ") +
                          Shown(ts.messages.value(key).source));
    }
    QVERIFY2(faults.isEmpty(), qPrintable(QStringLiteral("norvane_%1.ts (run `make translations`, "
                                                         "then translate):\n  ")
                                              .arg(language) +
                                          faults.join(QStringLiteral("\n  "))));
}

void TestTranslationsComplete::translationsKeepPlaceholdersAndMarks() {
    QFETCH(QString, language);
    const Catalogue ts = translations(language);
    QVERIFY2(ts.error.isEmpty(), qPrintable(ts.error));

    QStringList faults;
    for (const QString& key : ts.order) {
        const Message& message = ts.messages.value(key);
        const QString& source = message.source;
        for (const QString& translation : Translations(message)) {
            if (translation.isEmpty())
                continue;
            // Each plural form shows the count.
            if (message.numerus && !translation.contains(QStringLiteral("%n")))
                faults.append(QStringLiteral("a plural form without \"%n\": ") +
                              Shown(translation));
            if (Placeholders(translation) != Placeholders(source))
                faults.append(QStringLiteral("placeholders differ: ") + Shown(translation));
            if (Ampersands(translation) != Ampersands(source))
                faults.append(QStringLiteral("mnemonic marker or \"&&\" differs: ") +
                              Shown(translation));
            if (Edge(translation, true) != Edge(source, true) ||
                Edge(translation, false) != Edge(source, false))
                faults.append(QStringLiteral("leading or trailing blanks differ: ") +
                              Shown(translation));
        }
    }
    QVERIFY2(faults.isEmpty(), qPrintable(QStringLiteral("norvane_%1.ts:\n  ").arg(language) +
                                          faults.join(QStringLiteral("\n  "))));
}

// Texts of several lines (the command line's help) are laid out for an
// 80-column terminal; a translation keeps within it.
void TestTranslationsComplete::helpLinesFitATerminal() {
    QFETCH(QString, language);
    const Catalogue ts = translations(language);
    QVERIFY2(ts.error.isEmpty(), qPrintable(ts.error));

    QStringList faults;
    for (const QString& key : ts.order) {
        const Message& message = ts.messages.value(key);
        if (!message.source.contains(u'\n'))
            continue;
        qsizetype limit = 80;
        for (const QString& line : message.source.split(u'\n'))
            limit = std::max(limit, line.size());
        for (const QString& line : message.translation.split(u'\n')) {
            if (line.size() > limit)
                faults.append(QStringLiteral("%1 columns: ").arg(line.size()) + Shown(line));
        }
    }
    QVERIFY2(faults.isEmpty(), qPrintable(QStringLiteral("norvane_%1.ts:\n  ").arg(language) +
                                          faults.join(QStringLiteral("\n  "))));
}

// The table is English, but its counts need English plural forms ("1 file",
// "2 files" for "%n file(s)"): the plural file holds every text with a count
// and nothing else, each with its two forms written out.
void TestTranslationsComplete::englishHasThePluralForms() {
    const Catalogue ts = ReadTs(QStringLiteral(NORVANE_PLURALS_TS));
    QVERIFY2(ts.error.isEmpty(), qPrintable(ts.error));
    QCOMPARE(ts.language.section(u'_', 0, 0), QStringLiteral("en"));
    QStringList faults;
    int counts = 0;
    for (const QString& key : m_code.order) {
        const Message& wanted = m_code.messages.value(key);
        if (!wanted.numerus)
            continue;
        ++counts;
        const auto found = ts.messages.constFind(key);
        if (found == ts.messages.cend()) {
            faults.append(QStringLiteral("missing: ") + Shown(wanted.source));
            continue;
        }
        if (!found->type.isEmpty() || found->forms.size() != 2)
            faults.append(QStringLiteral("not finished, or not two forms: ") +
                          Shown(wanted.source));
        for (const QString& form : found->forms) {
            if (!form.contains(QStringLiteral("%n")) || form.contains(QStringLiteral("(s)")) ||
                Placeholders(form) != Placeholders(wanted.source))
                faults.append(QStringLiteral("not a written-out form: ") + Shown(form));
        }
    }
    for (const QString& key : ts.order) {
        if (!m_code.messages.value(key).numerus)
            faults.append(QStringLiteral("not a text with a count of the code: ") +
                          Shown(ts.messages.value(key).source));
    }
    QVERIFY(counts > 0);
    QVERIFY2(faults.isEmpty(),
             qPrintable(QStringLiteral("%1 (run `make translations`, then write out the "
                                       "forms):\n  ")
                            .arg(QFileInfo(QStringLiteral(NORVANE_PLURALS_TS)).fileName()) +
                        faults.join(QStringLiteral("\n  "))));
}

QTEST_GUILESS_MAIN(TestTranslationsComplete)
#include "tst_complete.moc"
