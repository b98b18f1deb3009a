#include <QElapsedTimer>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cmath>

#include "engine/ResultModel.h"
#include "shared/General/Texts.h"
#include "tests/ui/WindowFixture.h"
#include "ui/ProgressLabel.h"

using namespace WindowFixture;

namespace {

// Counts the paint events of one widget.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            ++paints;
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

// The scan's progress line in the real window, on a real folder tree. It
// names the folder being scanned whenever the window handles its events, but
// is painted at most once a frame, not once a folder, and its last text shows
// as soon as the scan is over. The button BStop beside it, shown only while a
// scan runs, and Esc end the scan once the folder it is listing is done; the
// rows found so far stay, and the labels count them.
class TestScanStop : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup() { m_form.reset(); }
    void stopKeepsTheRowsFoundSoFar_data();
    void stopKeepsTheRowsFoundSoFar();
    void systemFolderIsReported();
    void progressFollowsTheScanAtTheScreensRate();

private:
    QListWidget* folders() const { return control<QListWidget>(*m_form, "LBInput"); }
    QPushButton* stopButton() const { return control<QPushButton>(*m_form, "BStop"); }
    ProgressLabel* progress() const { return control<ProgressLabel>(*m_form, "LProgress"); }
    int fileRows() const;

    std::unique_ptr<ConfigHome> m_home;
    std::unique_ptr<QTemporaryDir> m_tempDir;
    RecordingPrompter m_prompter;
    std::unique_ptr<TForm1> m_form;
};

void TestScanStop::init() {
    m_home.reset();
    m_home = std::make_unique<ConfigHome>();
    QVERIFY(m_home->isValid());
    m_tempDir = std::make_unique<QTemporaryDir>();
    m_prompter = RecordingPrompter();
    m_form = std::make_unique<TForm1>(&m_prompter);
    m_form->show();
    m_form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
}

int TestScanStop::fileRows() const {
    int files = 0;
    for (const ResultRow& row : m_form->results().rows())
        files += row.isFolderRow() ? 0 : 1;
    return files;
}

void TestScanStop::stopKeepsTheRowsFoundSoFar_data() {
    QTest::addColumn<bool>("escape");
    QTest::newRow("BStop") << false;
    QTest::newRow("Esc") << true;
}

void TestScanStop::stopKeepsTheRowsFoundSoFar() {
    QFETCH(bool, escape);
    // 60 folders of two tracks each, then a second input folder (the list is sorted).
    for (int i = 0; i < 60; ++i) {
        const QString folder = QString("tree/f%1/").arg(i, 2, 10, QChar('0'));
        makeFile(m_tempDir->path(), folder + "a.mp3");
        makeFile(m_tempDir->path(), folder + "b.mp3");
    }
    makeFile(m_tempDir->path(), "zz/o.mp3");
    QVERIFY(AddInputFolder(folders(), m_tempDir->path() + "/tree"));
    QVERIFY(AddInputFolder(folders(), m_tempDir->path() + "/zz"));
    QVERIFY(stopButton()->isHidden());

    int ticks = 0;
    bool shownWhileScanning = false;
    QString progressAtStop;
    QTimer ticker;
    connect(&ticker, &QTimer::timeout, this, [&] {
        if (!m_form->isScanning() || ++ticks != 3)
            return;
        shownWhileScanning = stopButton()->isVisible();
        progressAtStop = progress()->progressText();
        if (escape)
            QTest::keyClick(m_form.get(), Qt::Key_Escape);
        else
            QTest::mouseClick(stopButton(), Qt::LeftButton);
    });
    ticker.start(0);
    m_form->BRefreshClick();
    ticker.stop();

    QVERIFY(ticks >= 3);
    QVERIFY(shownWhileScanning);
    QVERIFY(stopButton()->isHidden());
    QVERIFY(progressAtStop.startsWith(m_tempDir->path() + "/tree"));
    const QVector<ResultRow>& rows = m_form->results().rows();
    // Stopped within the first input folder, after a whole folder: the last
    // row is a track of a folder whose tracks are all there, or a folder row.
    QVERIFY(rows.size() >= 1 && rows.size() < 1 + 60 * 3);
    for (const ResultRow& row : rows)
        QVERIFY2(!row.folder().endsWith("/zz"), qPrintable(row.folder()));
    QVERIFY(rows.last().isFolderRow() || rows.last().existing == "b.mp3");
    QCOMPARE(m_form->FileCount(), fileRows());
    QCOMPARE(m_form->TotalSize(), qint64(fileRows()));
    QCOMPARE(control<QLabel>(*m_form, "LFileCount")->text(),
             Text(Texts::kFilesCount).arg(fileRows()));
    QCOMPARE(progress()->progressText(), Text(Texts::kScanStopped));
    // Shown at once, not a frame later.
    QCOMPARE(progress()->text(), Text(Texts::kScanStopped));

    // Esc means nothing once the scan is over, and the next scan runs whole.
    QTest::keyClick(m_form.get(), Qt::Key_Escape);
    m_form->BRefreshClick();
    QCOMPARE(m_form->FileCount(), 121);
    QCOMPARE(m_form->results().size(), 1 + 60 * 3 + 2);
    QVERIFY(progress()->progressText().isEmpty());
    QVERIFY(progress()->text().isEmpty());
    QVERIFY(m_prompter.criticals.isEmpty());
}

// An input folder on a pseudo file system is not scanned, and the window
// says so once the scan is over; the other folders are scanned as usual.
void TestScanStop::systemFolderIsReported() {
    makeFile(m_tempDir->path(), "music/a.mp3");
    QVERIFY(AddInputFolder(folders(), "/proc"));
    QVERIFY(AddInputFolder(folders(), m_tempDir->path() + "/music"));
    m_form->BRefreshClick();
    QCOMPARE(m_form->FileCount(), 1);
    QCOMPARE(m_form->results().row(0).existing, QString("[/proc]"));
    QCOMPARE(m_form->results().size(), 3);
    QTRY_COMPARE(m_prompter.informations,
                 QStringList{Text(Texts::kSystemFolderSkipped).arg("/proc", "proc")});
}

void TestScanStop::progressFollowsTheScanAtTheScreensRate() {
    constexpr int kFolders = 400;
    const QString tree = m_tempDir->path() + "/tree";
    for (int i = 0; i < kFolders; ++i)
        makeFile(tree, QString("f%1/a.mp3").arg(i, 3, 10, QChar('0')));
    QVERIFY(AddInputFolder(folders(), tree));
    ProgressLabel* label = progress();
    QTest::qWait(50);

    // What the line says each time the scan lets the window handle its events.
    QStringList seen;
    QTimer ticker;
    connect(&ticker, &QTimer::timeout, this, [&] {
        if (m_form->isScanning())
            seen.append(label->progressText());
    });
    PaintCounter counter(label);
    QElapsedTimer elapsed;
    ticker.start(0);
    elapsed.start();
    m_form->BRefreshClick();
    const qint64 scanMs = elapsed.elapsed();
    ticker.stop();
    const int paints = counter.paints;

    QCOMPARE(m_form->FileCount(), kFolders);
    // Each text read is the folder being scanned, at once and in the scan's order.
    QVERIFY2(seen.size() >= kFolders / 2, qPrintable(QString::number(seen.size())));
    QString previous;
    for (const QString& text : seen) {
        QVERIFY2(text == tree || text.startsWith(tree + "/f"), qPrintable(text));
        QVERIFY2(text >= previous, qPrintable(previous + " > " + text));
        previous = text;
    }
    QVERIFY(QSet<QString>(seen.begin(), seen.end()).size() >= kFolders / 2);

    // Painted at most once a frame of the screen, and a few times for the
    // window's own changes (the Stop button shown and hidden beside it).
    const qreal rate = label->screen()->refreshRate();
    const int frameMs = rate >= 1 ? static_cast<int>(std::lround(1000 / rate)) : 16;
    QVERIFY2(paints <= scanMs / frameMs + 6,
             qPrintable(QString("%1 paints in %2 ms").arg(paints).arg(scanMs)));

    // The scan is over: the line is empty at once, as the label shows it.
    QVERIFY(label->progressText().isEmpty());
    QVERIFY(label->text().isEmpty());
    QVERIFY(m_prompter.criticals.isEmpty());
}

QTEST_MAIN(TestScanStop)
#include "tst_scanstop.moc"
