#include <QHeaderView>
#include <QHelpEvent>
#include <QImage>
#include <QListWidget>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocumentFragment>
#include <QToolTip>
#include <QTreeView>

#include "engine/ResultModel.h"
#include "tests/ui/WindowFixture.h"
#include "ui/ResultsItemDelegate.h"

using namespace WindowFixture;

namespace {

// The delegate's look of one cell, as it draws it.
class DelegateProbe : public ResultsItemDelegate {
public:
    using ResultsItemDelegate::ResultsItemDelegate;
    QStyleOptionViewItem look(const QModelIndex& index) const {
        QStyleOptionViewItem option;
        initStyleOption(&option, index);
        return option;
    }
};

// The tool tip a pause of the mouse over the point shows, empty for none.
QString ToolTipAt(QTreeView* list, const QPoint& point) {
    QToolTip::hideText();
    if (!QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 2000))
        return QStringLiteral("(a tool tip that never went)");
    QHelpEvent event(QEvent::ToolTip, point, list->viewport()->mapToGlobal(point));
    QCoreApplication::sendEvent(list->viewport(), &event);
    if (!QToolTip::isVisible())
        return QString();
    return QTextDocumentFragment::fromHtml(QToolTip::text()).toPlainText();
}

}  // namespace

class TestResultsList : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void lastColumnReachesTheEdge_data();
    void lastColumnReachesTheEdge();
    void cutCellsShowTheirWholeText_data();
    void cutCellsShowTheirWholeText();
    void folderRowsAreHeadings();

private:
    QTreeView* list() const { return control<QTreeView>(*m_form, "LVResults"); }
    QHeaderView* header() const { return list()->header(); }
    // Lists the folder below the temporary folder and proposes new names.
    void scanAndProcess(const QString& folder);

    std::unique_ptr<ConfigHome> m_home;
    std::unique_ptr<QTemporaryDir> m_dir;
    RecordingPrompter m_prompter;
    std::unique_ptr<TForm1> m_form;
};

void TestResultsList::init() {
    m_home.reset();
    m_home = std::make_unique<ConfigHome>();
    QVERIFY(m_home->isValid());
    m_dir = std::make_unique<QTemporaryDir>();
    m_prompter = RecordingPrompter();
    m_form = std::make_unique<TForm1>(&m_prompter);
    m_form->resize(851, 462);
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
}

void TestResultsList::cleanup() {
    m_form.reset();
    QToolTip::hideText();
}

void TestResultsList::scanAndProcess(const QString& folder) {
    QVERIFY(AddInputFolder(control<QListWidget>(*m_form, "LBInput"), m_dir->path() + "/" + folder));
    m_form->BRefreshClick();
    m_form->BProcessAllClick();
    QVERIFY(m_prompter.criticals.isEmpty());
}

void TestResultsList::lastColumnReachesTheEdge_data() {
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("files");
    QTest::newRow("default size, no rows") << 851 << 0;
    QTest::newRow("default size, rows beyond the list's height") << 851 << 40;
    QTest::newRow("1560 pixels wide") << 1560 << 3;
    QTest::newRow("smallest size") << 1 << 3;
}

void TestResultsList::lastColumnReachesTheEdge() {
    QFETCH(int, width);
    QFETCH(int, files);
    for (int i = 0; i < files; ++i)
        makeFile(m_dir->path(), QString("Album/Band - Album - %1 - Song.mp3").arg(i + 1));
    QDir().mkpath(m_dir->path() + "/Album");
    scanAndProcess("Album");
    m_form->resize(width, 600);
    QApplication::processEvents();
    QCOMPARE(header()->sectionSize(0), 300);
    QCOMPARE(header()->sectionSize(1), 300);
    QCOMPARE(header()->sectionSize(2), 100);
    QCOMPARE(header()->sectionSize(3), 100);
    const int viewport = list()->viewport()->width();
    // The last column, Check, reaches the list's right edge; where the
    // columns are wider than the list, it keeps at least the least width a
    // column takes (its starting width, or what it had last) and the list
    // scrolls sideways.
    const int last = ResultModel::CheckColumn;
    QCOMPARE(last, ResultModel::ColumnCount - 1);
    const int least = header()->minimumSectionSize();
    auto lastColumnFills = [&](int othersWidth) {
        if (othersWidth + least <= viewport) {
            QTRY_COMPARE(header()->sectionViewportPosition(last) + header()->sectionSize(last),
                         viewport);
        } else {
            QVERIFY(header()->sectionSize(last) >= least);
            QTRY_VERIFY(list()->horizontalScrollBar()->isVisible());
        }
    };
    lastColumnFills(300 + 300 + 100 + 100);
    QCOMPARE(list()->verticalScrollBar()->isVisible(), files == 40);
    // The user drags the first column wider: the last one gives way.
    const int handle = header()->sectionViewportPosition(1) - 1;
    const int y = header()->height() / 2;
    QTest::mousePress(header()->viewport(), Qt::LeftButton, {}, QPoint(handle, y));
    QMouseEvent move(QEvent::MouseMove, QPointF(handle + 40, y),
                     header()->viewport()->mapToGlobal(QPointF(handle + 40, y)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(header()->viewport(), &move);
    QTest::mouseRelease(header()->viewport(), Qt::LeftButton, {}, QPoint(handle + 40, y));
    QCOMPARE(header()->sectionSize(0), 340);
    QCOMPARE(header()->sectionSize(3), 100);
    lastColumnFills(340 + 300 + 100 + 100);
}

void TestResultsList::cutCellsShowTheirWholeText_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("toolTip");  // empty: the cell shows its whole text, no tool tip
    // Rows in the order listed: the folder, "aaa... .mp3", "Band.mp3", "renamed.mp3".
    QTest::newRow("cut Status") << 2 << int(ResultModel::StatusColumn)
                                << "not input format: Artist does not exist";
    QTest::newRow("Status that fits") << 3 << int(ResultModel::StatusColumn) << "";
    QTest::newRow("short file name") << 3 << int(ResultModel::ExistingColumn) << "";
    QTest::newRow("cut New Filename") << 1 << int(ResultModel::NewColumn)
                                      << QString("Folder - P - 01 - %1.mp3").arg(QString(60, 't'));
}

void TestResultsList::cutCellsShowTheirWholeText() {
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(QString, toolTip);
    // The new filename scheme gives "Folder - ParentFolder - Track# - Trackname".
    makeFile(m_dir->path(), "P/Folder/Band.mp3");
    makeFile(m_dir->path(), "P/Folder/renamed.mp3");
    makeFile(m_dir->path(), QString("P/Folder/%1 - %2 - 01 - %3.mp3")
                                .arg(QString(20, 'a'), QString(20, 'b'), QString(60, 't')));
    scanAndProcess("P/Folder");
    m_form->results().setStatus(3, "renamed", RowOutcome::Renamed);
    const QModelIndex index = m_form->results().index(row, column);
    QTRY_VERIFY(!list()->visualRect(index).isEmpty());
    QCOMPARE(ToolTipAt(list(), list()->visualRect(index).center()), toolTip);
}

void TestResultsList::folderRowsAreHeadings() {
    const QString label = QString(70, 'L');
    makeFile(m_dir->path(), label + "/a.mp3");
    makeFile(m_dir->path(), label + "/b.mp3");
    makeFile(m_dir->path(), "short/c.mp3");
    scanAndProcess(label);
    // A folder added later gets its heading too.
    m_form->LBInputFileDrop(m_form.get(), {m_dir->path() + "/short"});
    QTRY_COMPARE(m_form->results().size(), 5);
    const QList<int> headings = {0, 3};
    for (int row : headings)
        QTRY_VERIFY(list()->isFirstColumnSpanned(row, {}));
    QVERIFY(!list()->isFirstColumnSpanned(1, {}));

    // The heading runs across the row, so that its whole label shows.
    const QModelIndex heading = m_form->results().index(0, 0);
    const QRect band = list()->visualRect(heading);
    QCOMPARE(band.width(), list()->viewport()->width());
    QVERIFY(list()->fontMetrics().horizontalAdvance(heading.data().toString()) > 300);
    QCOMPARE(ToolTipAt(list(), band.center()), QString());
    // Bold, on a band of its own colour.
    DelegateProbe probe(&m_form->results(), nullptr);
    QVERIFY(probe.look(heading).font.bold());
    QVERIFY(!probe.look(m_form->results().index(1, 0)).font.bold());
    list()->clearSelection();
    list()->setCurrentIndex({});
    const QImage shown = list()->viewport()->grab().toImage();
    const int x = header()->sectionViewportPosition(3) + 20;
    const QRect file = list()->visualRect(m_form->results().index(1, 0));
    QVERIFY(shown.pixelColor(x, band.center().y()) != shown.pixelColor(x, file.center().y()));

    // A full rescan gives the new rows their headings again.
    m_form->BRefreshClick();
    QTRY_VERIFY(list()->isFirstColumnSpanned(3, {}));
    QVERIFY(list()->isFirstColumnSpanned(0, {}));
}

QTEST_MAIN(TestResultsList)
#include "tst_resultslist.moc"
