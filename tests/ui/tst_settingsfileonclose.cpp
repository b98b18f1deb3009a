#include <QPlainTextEdit>
#include <QTest>

#include <memory>

#include "settings/store/TRegistryIniFile.h"
#include "tests/ui/WindowFixture.h"

using namespace WindowFixture;

// The settings file as the window loads it at its start and saves it when it
// closes: a file too large to read is left alone, a line ending in "\" takes
// no value in, and another key's section is neither read nor moved.
namespace {

QString settingsFile() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           "/Tarnik/Norvane/" + ProgramBaseName() + ".reg";
}

QByteArray sectionLine() {
    return "[Software\\\\Tarnik\\\\Norvane\\\\" + ProgramBaseName().toUtf8() + "]\n";
}

bool writeSettings(const QByteArray& content) {
    QDir().mkpath(QFileInfo(settingsFile()).absolutePath());
    QFile file(settingsFile());
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

QByteArray readSettings() {
    QFile file(settingsFile());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The extension memo of a window that starts, is given `typed` (unless null)
// and closes.
QString openAndClose(const QString& typed = QString()) {
    RecordingPrompter prompter;
    TForm1 form(&prompter);
    form.show();
    auto* memo = control<QPlainTextEdit>(form, "MIncludeExts");
    const QString loaded = memo->toPlainText();
    if (!typed.isNull())
        memo->setPlainText(typed);
    form.close();
    return loaded;
}

}  // namespace

class TestSettingsFileOnClose : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() {
        m_home.reset();
        m_home = std::make_unique<ConfigHome>();
        QVERIFY(m_home->isValid());
    }

    void tooLargeFileIsLeftAlone() {
        QByteArray content = sectionLine() + "\"Extensions\"=\".ogg\"\n";
        content += QByteArray(TRegistryIniFile::kMaxFileSize, 'g');
        QVERIFY(writeSettings(content));
        QCOMPARE(openAndClose(".wav"), QString(".mp3"));
        QVERIFY(readSettings() == content);
    }

    void lineEndingInBackslashTakesNoValueIn() {
        QVERIFY(writeSettings(sectionLine() + "\"Cmd\"=\"tool --mode=hex \\\n"
                                              "\"Extensions\"=\".ogg\"\n"));
        QCOMPARE(openAndClose(".wav"), QString(".ogg"));
        QCOMPARE(openAndClose(), QString(".wav"));
        QVERIFY(readSettings().contains("\"Cmd\"=\"tool --mode=hex \\\n"));
    }

    void otherKeysSectionStaysAsItIs() {
        const QByteArray other = "[Software\\\\Other\\\\Key]\n\"Extensions\"=\".flac\"\n";
        QVERIFY(writeSettings(other + sectionLine() + "\"Extensions\"=\".ogg\"\n"));
        QCOMPARE(openAndClose(".wav"), QString(".ogg"));
        const QByteArray saved = readSettings();
        QVERIFY2(saved.startsWith(sectionLine()), saved.constData());
        QVERIFY2(saved.endsWith('\n' + other), saved.constData());
        QCOMPARE(saved.count("\"Extensions\"="), 2);
        QCOMPARE(openAndClose(), QString(".wav"));
    }

private:
    std::unique_ptr<ConfigHome> m_home;
};

QTEST_MAIN(TestSettingsFileOnClose)
#include "tst_settingsfileonclose.moc"
