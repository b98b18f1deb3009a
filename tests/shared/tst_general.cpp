#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "shared/General/General.h"

class TestGeneral : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { SetProgramFilePath(QString()); }
    void cleanupTestCase() { SetProgramFilePath(QString()); }

    void stripExtension_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("extension") << "song.mp3"
                                   << "song";
        QTest::newRow("last dot only") << "a.b.mp3"
                                       << "a.b";
        QTest::newRow("dot first") << ".mp3"
                                   << ".mp3";
        QTest::newRow("no dot") << "song"
                                << "song";
        QTest::newRow("dot last") << "song."
                                  << "song";
        QTest::newRow("empty") << ""
                               << "";
        // The whole text is searched, folders included.
        QTest::newRow("dot in a folder") << "/opt/my.apps/norvane"
                                         << "/opt/my";
    }

    void stripExtension() {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(StripExtension(text), expected);
    }

    void settingsKeyOfTheProgramFile_data() {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("baseName");
        QTest::newRow("dot in a folder") << "/opt/my.apps/norvane"
                                         << "norvane";
        QTest::newRow("extension") << "/usr/bin/norvane.exe"
                                   << "norvane";
        QTest::newRow("renamed") << "/usr/bin/other.exe"
                                 << "other";
        QTest::newRow("two dots") << "/x/a.b.c"
                                  << "a.b";
        QTest::newRow("hidden file") << "/x/.norvane"
                                     << ".norvane";
        QTest::newRow("colon is a character") << "/x/c:norvane"
                                              << "c:norvane";
    }

    void settingsKeyOfTheProgramFile() {
        QFETCH(QString, program);
        QFETCH(QString, baseName);
        SetProgramFilePath(program);
        QCOMPARE(ProgramFilePath(), program);
        QCOMPARE(ProgramBaseName(), baseName);
        QCOMPARE(SettingsKeyPath(), QStringLiteral("\\Software\\Tarnik\\Norvane\\") + baseName);
    }

    void programFileIsTheRunningProgram() {
        const QString running = QCoreApplication::applicationFilePath();
        QVERIFY(!running.isEmpty());
        QCOMPARE(ProgramFilePath(), running);
        QCOMPARE(ProgramBaseName(), QStringLiteral("test_shared_general"));
        QCOMPARE(CompanyKey(), QStringLiteral("Tarnik"));
        QCOMPARE(ProductName(), QStringLiteral("Norvane"));
    }

    void resolveLongPath_data() {
        QTest::addColumn<QString>("path");      // relative to a temporary folder, "@" for it
        QTest::addColumn<QString>("expected");  // the same; "=" for the path unchanged
        QTest::newRow("file") << "@/music/a.mp3"
                              << "@/music/a.mp3";
        QTest::newRow("dots and doubled separators") << "@/music/./sub/..//a.mp3"
                                                     << "@/music/a.mp3";
        QTest::newRow("folder with a trailing separator") << "@/music/"
                                                          << "@/music";
        QTest::newRow("relative to the current folder") << "music/a.mp3"
                                                        << "@/music/a.mp3";
        QTest::newRow("missing keeps its trailing separator") << "@/nothing/"
                                                              << "=";
        QTest::newRow("missing relative") << "nothing/../music"
                                          << "=";
        QTest::newRow("root") << "/"
                              << "/";
        QTest::newRow("empty") << ""
                               << "";
    }

    void resolveLongPath() {
        QFETCH(QString, path);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString root = QDir(dir.path()).canonicalPath();
        QVERIFY(QDir().mkpath(root + QStringLiteral("/music/sub")));
        QFile file(root + QStringLiteral("/music/a.mp3"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(root));
        path.replace(QLatin1Char('@'), root);
        expected = expected == QLatin1String("=") ? path : expected.replace(QLatin1Char('@'), root);
        const QString result = ResolveLongPath(path);
        QDir::setCurrent(previous);
        QCOMPARE(result, expected);
    }

    void isExistingDirectory_data() {
        QTest::addColumn<QString>("path");  // relative to a temporary folder
        QTest::addColumn<bool>("expected");
        QTest::newRow("folder") << "music" << true;
        QTest::newRow("folder with a trailing separator") << "music/" << true;
        QTest::newRow("file") << "music/a.mp3" << false;
        QTest::newRow("link to a folder") << "link" << true;
        QTest::newRow("dangling link") << "dangling" << false;
        QTest::newRow("missing") << "nothing" << false;
    }

    void isExistingDirectory() {
        QFETCH(QString, path);
        QFETCH(bool, expected);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QVERIFY(QDir().mkpath(dir.filePath(QStringLiteral("music"))));
        QFile file(dir.filePath(QStringLiteral("music/a.mp3")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        QVERIFY(QFile::link(dir.filePath(QStringLiteral("music")),
                            dir.filePath(QStringLiteral("link"))));
        QVERIFY(QFile::link(dir.filePath(QStringLiteral("gone")),
                            dir.filePath(QStringLiteral("dangling"))));
        QCOMPARE(IsExistingDirectory(dir.filePath(path)), expected);
    }

    void isExistingDirectoryOfNothing() {
        QVERIFY(IsExistingDirectory(QStringLiteral("/")));
        QVERIFY(!IsExistingDirectory(QString()));
    }
};

QTEST_GUILESS_MAIN(TestGeneral)
#include "tst_general.moc"
