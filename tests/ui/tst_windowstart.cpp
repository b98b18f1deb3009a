#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QListWidget>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTest>

#include "engine/ResultModel.h"
#include "settings/FormPlacement.h"
#include "support/TempTree.h"
#include "tests/ui/WindowFixture.h"
#include "ui/WindowCommandLine.h"
#include "ui/WindowStart.h"

using namespace WindowFixture;

Q_DECLARE_METATYPE(QList<QByteArray>)

// How the window program starts: its command line, the folders it is given,
// and the identity it shows the desktop.
class TestWindowStart : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void commandLine_data();
    void commandLine();
    void folderGivenIsListedAndScanned();
    void foldersAddedAsADropAddsThem_data();
    void foldersAddedAsADropAddsThem();
    void unknownOptionStartsNoWindow();
    void identityShownToTheDesktop();
    void programAnswersWithoutADisplay();
    void programReportsAPathThatNamesNothing();

private:
    QListWidget* folders() const { return control<QListWidget>(*m_form, "LBInput"); }
    // Starts the built program with a settings folder of its own and no
    // display: only the offscreen platform, when asked for, shows windows.
    void startProgram(QProcess& process, const QStringList& arguments, bool offscreen) const;

    std::unique_ptr<ConfigHome> m_home;
    RecordingPrompter m_prompter;
    std::unique_ptr<TempTree> m_tree;
    std::unique_ptr<TForm1> m_form;
    QString m_startFolder;
};

void TestWindowStart::init() {
    m_home.reset();
    m_home = std::make_unique<ConfigHome>();
    QVERIFY(m_home->isValid());
    m_prompter = RecordingPrompter();
    m_tree = std::make_unique<TempTree>();
    QVERIFY(m_tree->isValid());
    m_startFolder = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_tree->path()));
}

void TestWindowStart::cleanup() {
    m_form.reset();
    SetMainWindow(nullptr);
    SetMainWindowShowsMaximized(false);
    QDir::setCurrent(m_startFolder);
    m_tree.reset();
}

void TestWindowStart::commandLine_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("help");
    QTest::addColumn<bool>("version");
    QTest::addColumn<QStringList>("folders");
    QTest::addColumn<QString>("error");

    QTest::newRow("folders") << QStringList{"a", "b/c"} << false << false << QStringList{"a", "b/c"}
                             << "";
    QTest::newRow("help among folders")
        << QStringList{"a", "--help"} << true << false << QStringList{"a"} << "";
    QTest::newRow("short help") << QStringList{"-h"} << true << false << QStringList{} << "";
    QTest::newRow("version") << QStringList{"--version"} << false << true << QStringList{} << "";
    QTest::newRow("options end at --")
        << QStringList{"--", "--help", "-x"} << false << false << QStringList{"--help", "-x"} << "";
    QTest::newRow("a lone dash is a folder")
        << QStringList{"-"} << false << false << QStringList{"-"} << "";
    QTest::newRow("unknown option") << QStringList{"--bogus", "a"} << false << false
                                    << QStringList{"a"} << "unknown option \"--bogus\"";
    QTest::newRow("no value for --version") << QStringList{"--version=1"} << false << false
                                            << QStringList{} << "unknown option \"--version=1\"";
    QTest::newRow("the first unknown option is named")
        << QStringList{"-x", "--help", "-y"} << true << false << QStringList{}
        << "unknown option \"-x\"";
}

void TestWindowStart::commandLine() {
    QFETCH(QStringList, arguments);
    QFETCH(bool, help);
    QFETCH(bool, version);
    QFETCH(QStringList, folders);
    QFETCH(QString, error);
    QList<QByteArray> bytes;
    for (const QString& argument : arguments)
        bytes.append(argument.toUtf8());
    const WindowCommandLine line = ParseWindowCommandLine(bytes);
    QCOMPARE(line.help, help);
    QCOMPARE(line.version, version);
    QStringList given;
    for (const QByteArray& folder : line.folders)
        given.append(QString::fromUtf8(folder));
    QCOMPARE(given, folders);
    QCOMPARE(line.error, error);
}

// norvane FOLDER: the window is shown with the folder listed, and its scan,
// posted like a drop's, runs once the window handles its events.
void TestWindowStart::folderGivenIsListedAndScanned() {
    QVERIFY(m_tree->addFile("Music/01 - Intro.mp3", 100));
    QVERIFY(m_tree->addFile("Music/02 - Outro.mp3", 200));
    QVERIFY(m_tree->addFile("Music/cover.jpg", 50));
    const QString music = m_tree->filePath("Music");
    m_form = StartWindow({music.toUtf8()}, &m_prompter);
    QVERIFY(m_form);
    QVERIFY(m_form->isVisible());
    QCOMPARE(InputFolders(folders()), QStringList{music});
    QCOMPARE(m_form->results().size(), 0);
    QTRY_COMPARE(m_form->FileCount(), 2);
    QCOMPARE(m_form->TotalSize(), 300);
    QStringList captions;
    for (const ResultRow& row : m_form->results().rows())
        captions.append(row.existing);
    QCOMPARE(captions, (QStringList{"[" + music + "]", "01 - Intro.mp3", "02 - Outro.mp3"}));
    QVERIFY(m_prompter.criticals.isEmpty());
    QVERIFY(m_prompter.informations.isEmpty());
}

void TestWindowStart::foldersAddedAsADropAddsThem_data() {
    QTest::addColumn<QList<QByteArray>>("arguments");
    QTest::addColumn<QStringList>("listed");
    QTest::addColumn<int>("files");

    // Paths are relative to the tree, which is the working folder; "<dir>/"
    // makes one absolute.
    QTest::newRow("relative path") << QList<QByteArray>{"Music"} << QStringList{"Music"} << 2;
    QTest::newRow("dot in a path") << QList<QByteArray>{"Music/."} << QStringList{"Music"} << 2;
    QTest::newRow("a file gives its folder")
        << QList<QByteArray>{"<dir>/Music/a.mp3"} << QStringList{"Music"} << 2;
    QTest::newRow("a file not named in UTF-8 gives its folder")
        << QList<QByteArray>{"Other/caf\xe9.mp3"} << QStringList{"Other"} << 2;
    QTest::newRow("duplicates are refused, in any spelling")
        << QList<QByteArray>{"<dir>/Music", "Music/", "MUSIC", "Music/b.mp3"}
        << QStringList{"Music"} << 2;
    QTest::newRow("a path that names nothing is skipped")
        << QList<QByteArray>{"nowhere", "<dir>/Other"} << QStringList{"Other"} << 2;
    QTest::newRow("a folder not named in UTF-8 is skipped")
        << QList<QByteArray>{"Bad\xff", "Music"} << QStringList{"Music"} << 2;
    QTest::newRow("several, listed in order") << QList<QByteArray>{"Other", "Music", "--", "-dash"}
                                              << QStringList{"-dash", "Music", "Other"} << 5;
}

void TestWindowStart::foldersAddedAsADropAddsThem() {
    QFETCH(QList<QByteArray>, arguments);
    QFETCH(QStringList, listed);
    QFETCH(int, files);
    QVERIFY(m_tree->addFile("Music/a.mp3"));
    QVERIFY(m_tree->addFile("Music/b.mp3"));
    QVERIFY(m_tree->addFile("MUSIC/c.mp3"));
    QVERIFY(m_tree->addFile("Other/d.mp3"));
    QVERIFY(m_tree->addFileBytes("Other/caf\xe9.mp3"));
    QVERIFY(m_tree->addFile("-dash/e.mp3"));
    QVERIFY(m_tree->addFileBytes("Bad\xff/f.mp3"));
    for (QByteArray& argument : arguments)
        argument.replace("<dir>", m_tree->pathBytes());
    // Everything after "--" is a folder to StartWindow as to the program.
    m_form = StartWindow(arguments, &m_prompter);
    QVERIFY(m_form);
    for (QString& folder : listed)
        folder = m_tree->filePath(folder);
    QCOMPARE(InputFolders(folders()), listed);
    QTRY_COMPARE(m_form->FileCount(), files);
    QCoreApplication::processEvents();
    QCOMPARE(m_form->FileCount(), files);
    // Each listed folder was scanned exactly once.
    int folderRows = 0;
    for (const ResultRow& row : m_form->results().rows())
        folderRows += row.isFolderRow() ? 1 : 0;
    QCOMPARE(folderRows, listed.size());
    QVERIFY(m_prompter.criticals.isEmpty());
    QVERIFY(m_prompter.informations.isEmpty());
}

void TestWindowStart::unknownOptionStartsNoWindow() {
    QVERIFY(m_tree->addFile("Music/a.mp3"));
    m_form = StartWindow({"--bogus", m_tree->filePathBytes("Music")}, &m_prompter);
    QVERIFY(!m_form);
    for (QWidget* widget : QApplication::topLevelWidgets())
        QVERIFY(!qobject_cast<TForm1*>(widget));
}

// The desktop matches the window to its menu entry by the desktop file name,
// and shows the window's icon in the task bar.
void TestWindowStart::identityShownToTheDesktop() {
    m_form = StartWindow({}, &m_prompter);
    QVERIFY(m_form);
    QCOMPARE(QGuiApplication::desktopFileName(), QString("com.tarnik.Norvane"));
    QCOMPARE(QCoreApplication::applicationName(), QString("Norvane"));
    QCOMPARE(QCoreApplication::applicationVersion(), QString(NORVANE_VERSION));
    QCOMPARE(m_form->windowTitle(), QString("Norvane"));
    const QIcon icon = m_form->windowIcon();
    QVERIFY(!icon.isNull());
    const QList<QSize> sizes = icon.availableSizes();
    for (const int size : {48, 128, 256})
        QVERIFY2(sizes.contains(QSize(size, size)), qPrintable(QString::number(size)));
    QCOMPARE(icon.pixmap(QSize(48, 48)).size(), QSize(48, 48));
}

void TestWindowStart::startProgram(QProcess& process, const QStringList& arguments,
                                   bool offscreen) const {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_CONFIG_HOME", m_tree->filePath("config"));
    // Qt says a word on standard error when it has no runtime folder.
    QDir().mkpath(m_tree->filePath("runtime"));
    QFile::setPermissions(m_tree->filePath("runtime"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    env.insert("XDG_RUNTIME_DIR", m_tree->filePath("runtime"));
    env.insert("LC_ALL", "C.UTF-8");
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    if (offscreen)
        env.insert("QT_QPA_PLATFORM", "offscreen");
    else
        env.remove("QT_QPA_PLATFORM");
    process.setProcessEnvironment(env);
    process.start(qEnvironmentVariable("NORVANE_BUILD_DIR") + "/norvane", arguments);
}

// --help and --version answer from a terminal with no display at all; an
// unknown option is a usage error that names it.
void TestWindowStart::programAnswersWithoutADisplay() {
    QProcess version;
    startProgram(version, {"--version"}, false);
    QVERIFY(version.waitForFinished(30000));
    QCOMPARE(version.exitCode(), 0);
    QCOMPARE(version.readAllStandardOutput(), QByteArray("norvane " NORVANE_VERSION "\n"));

    QProcess help;
    startProgram(help, {"Music", "--help"}, false);
    QVERIFY(help.waitForFinished(30000));
    QCOMPARE(help.exitCode(), 0);
    const QByteArray text = help.readAllStandardOutput();
    QVERIFY2(text.startsWith("Usage: norvane [FOLDER...]\n"), text.constData());
    QVERIFY(text.contains("--version"));

    QProcess wrong;
    startProgram(wrong, {"--bogus"}, true);
    QVERIFY(wrong.waitForFinished(30000));
    QCOMPARE(wrong.exitStatus(), QProcess::NormalExit);
    QCOMPARE(wrong.exitCode(), 2);
    QCOMPARE(wrong.readAllStandardOutput(), QByteArray());
    QCOMPARE(wrong.readAllStandardError(),
             QByteArray("norvane: unknown option \"--bogus\"\n"
                        "Try \"norvane --help\" for more information.\n"));
}

// A typing error on the command line is said on standard error; the window
// still starts.
void TestWindowStart::programReportsAPathThatNamesNothing() {
    QProcess program;
    startProgram(program, {m_tree->filePath("nowhere")}, true);
    QVERIFY(program.waitForStarted(30000));
    program.setReadChannel(QProcess::StandardError);
    // Qt's own warnings (the offscreen platform has some) may come first.
    const QByteArray expected =
        "norvane: skipped \"" + m_tree->filePathBytes("nowhere") + "\": no such file or folder\n";
    QByteArray err;
    while (!err.contains(expected) && program.waitForReadyRead(30000))
        err += program.readAllStandardError();
    QVERIFY2(err.contains(expected), err.constData());
    QCOMPARE(program.state(), QProcess::Running);
    program.kill();
    QVERIFY(program.waitForFinished(30000));
}

QTEST_MAIN(TestWindowStart)
#include "tst_windowstart.moc"
