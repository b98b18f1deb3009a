#include <QHeaderView>
#include <QListWidget>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QTest>
#include <QTreeView>

#include "engine/ResultModel.h"
#include "engine/SummaryParts.h"
#include "shared/General/Translations.h"
#include "support/TempTree.h"
#include "tests/ui/WindowFixture.h"
#include "ui/OutcomeLook.h"
#include "ui/OutcomeMarks.h"
#include "ui/OutcomeSigns.h"
#include "ui/SummaryLabel.h"

using namespace WindowFixture;

// The summary line under the results list follows every scan, run and
// command; its counts of problems lead to their rows; the widths a user gives
// the columns come back in the next window; every outcome has a mark of its
// own shape.
//
// The fixture's folder, with the default schemes: two names that fit and are
// proposed, one already in the output format, one that does not fit.

class TestSummaryLine : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // English texts with a count take their plural forms from a translation too.
    void initTestCase() { InstallTranslations(); }
    void init();
    void cleanup();
    void countsFollowEveryCommand();
    void problemCountLeadsToItsRow();
    void columnWidthsSurviveARestart();
    void everyOutcomeHasAMarkOfItsOwnShape();
    void marksPaintTheSameEveryTimeAndSharply();

private:
    QString summary() const { return control<SummaryLabel>(*m_form, "LSummary")->wholeText(); }
    int rowNamed(const QString& name) const;
    void scan();

    std::unique_ptr<ConfigHome> m_home;
    std::unique_ptr<TempTree> m_tree;
    RecordingPrompter m_prompter;
    std::unique_ptr<TForm1> m_form;
};

void TestSummaryLine::init() {
    m_home.reset();
    m_home = std::make_unique<ConfigHome>();
    QVERIFY(m_home->isValid());
    m_tree = std::make_unique<TempTree>();
    for (const char* name : {"Band - Album - 01 - One.mp3", "Band - Album - 02 - Two.mp3",
                             "Album - Music - 03 - Done.mp3", "Odd.mp3"})
        makeFile(m_tree->filePath("Music/Album"), name, name);
    m_prompter = RecordingPrompter();
    m_form = std::make_unique<TForm1>(&m_prompter);
    m_form->resize(900, 600);
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
}

void TestSummaryLine::cleanup() {
    QVERIFY(m_prompter.criticals.isEmpty());
    m_form.reset();
}

void TestSummaryLine::scan() {
    QVERIFY(
        AddInputFolder(control<QListWidget>(*m_form, "LBInput"), m_tree->filePath("Music/Album")));
    m_form->BRefreshClick();
    QCOMPARE(m_form->results().size(), 5);
}

int TestSummaryLine::rowNamed(const QString& name) const {
    for (int i = 0; i < m_form->results().size(); ++i) {
        if (m_form->results().row(i).existing == name)
            return i;
    }
    return -1;
}

void TestSummaryLine::countsFollowEveryCommand() {
    QCOMPARE(summary(), QString());
    scan();
    QCOMPARE(summary(), QString("4 files in 1 folder"));
    m_form->BProcessAllClick();
    QCOMPARE(summary(), QString("4 files in 1 folder: 2 rename pending, 1 not in input format, "
                                "1 already in output format"));
    m_prompter.inputAnswers = {QString("One"), QString("Uno")};
    m_form->BSearchReplaceClick();
    QCOMPARE(summary(), QString("4 files in 1 folder: 1 rename pending, 1 replaced, "
                                "1 not in input format, 1 already in output format"));
    // A name taken meanwhile: its rename will fail, and the check says so
    // before the execute run; the run then counts the error.
    makeFile(m_tree->filePath("Music/Album"), "Album - Music - 02 - Two.mp3", "in the way");
    m_form->BProcessAllClick();
    QCOMPARE(summary(), QString("4 files in 1 folder: 2 rename pending, 1 will fail, "
                                "1 not in input format, 1 already in output format"));
    m_form->BExecuteAllClick();
    QVERIFY2(summary().startsWith("4 files in 1 folder: 1 renamed, 1 error, "), qPrintable(summary()));
    m_form->BUndoClick();
    QVERIFY2(summary().contains("1 undone"), qPrintable(summary()));
}

void TestSummaryLine::problemCountLeadsToItsRow() {
    scan();
    m_form->BProcessAllClick();
    int part = -1;
    for (int i = 0; i < kSummaryPartCount; ++i) {
        if (kSummaryParts[i].text == Texts::kSummaryNotInputFormat)
            part = i;
    }
    QVERIFY(part >= 0);
    QVERIFY(kSummaryParts[part].problem);
    auto* label = control<SummaryLabel>(*m_form, "LSummary");
    QVERIFY(QMetaObject::invokeMethod(label, "partActivated", Q_ARG(int, part)));
    auto* list = control<QTreeView>(*m_form, "LVResults");
    QCOMPARE(list->currentIndex().row(), rowNamed("Odd.mp3"));
    QCOMPARE(list->selectionModel()->selectedRows().size(), 1);
}

void TestSummaryLine::columnWidthsSurviveARestart() {
    {
        auto* header = control<QTreeView>(*m_form, "LVResults")->header();
        header->resizeSection(0, 220);
        header->resizeSection(1, 180);
        header->resizeSection(2, 140);
        m_form->close();
        m_form.reset();
    }
    m_form = std::make_unique<TForm1>(&m_prompter);
    m_form->resize(900, 600);
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    auto* header = control<QTreeView>(*m_form, "LVResults")->header();
    QCOMPARE(header->sectionSize(0), 220);
    QCOMPARE(header->sectionSize(1), 180);
    QCOMPARE(header->sectionSize(2), 140);
    // The last column still reaches to the list's edge.
    const int last = header->count() - 1;
    QTRY_COMPARE(header->sectionViewportPosition(last) + header->sectionSize(last),
                 header->viewport()->width());
}

// The state of a row reads without colour: outcomes of different tones never
// share a shape, and every outcome but "none" has one.
void TestSummaryLine::everyOutcomeHasAMarkOfItsOwnShape() {
    for (const OutcomeLook& look : kOutcomeLooks) {
        const QPainterPath shape = OutcomeSignShape(look.sign);
        QCOMPARE(shape.isEmpty(), look.outcome == RowOutcome::None);
        for (const OutcomeLook& other : kOutcomeLooks) {
            if (other.tone != look.tone && look.outcome != RowOutcome::None &&
                other.outcome != RowOutcome::None)
                QVERIFY2(OutcomeSignShape(other.sign) != shape,
                         qPrintable(QStringLiteral("outcomes %1 and %2")
                                        .arg(int(look.outcome))
                                        .arg(int(other.outcome))));
        }
    }
}

namespace {

// The icon painted into a cell of side x side device-independent pixels on
// a device of that pixel ratio.
QImage PaintedMark(const QIcon& icon, int side, qreal ratio, QIcon::Mode mode) {
    QImage image(qRound(side * ratio), qRound(side * ratio), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    image.setDevicePixelRatio(ratio);
    QPainter painter(&image);
    icon.paint(&painter, QRect(0, 0, side, side), Qt::AlignCenter, mode);
    painter.end();
    image.setDevicePixelRatio(1.0);
    return image;
}

}  // namespace

// The list paints a mark on most rows of every frame: it comes out the same
// every time, in its tone's colour (the selection's on a selected row), and
// at twice the pixel ratio as finely as a mark twice as large, not enlarged.
void TestSummaryLine::marksPaintTheSameEveryTimeAndSharply() {
    QPalette palette;
    palette.setColor(QPalette::HighlightedText, Qt::white);
    const OutcomeMarks marks(palette);
    const QIcon icon = marks.icon(RowOutcome::Renamed);
    const QImage first = PaintedMark(icon, 14, 1.0, QIcon::Normal);
    QCOMPARE(PaintedMark(icon, 14, 1.0, QIcon::Normal), first);

    int solid = 0;
    for (int y = 0; y < first.height(); ++y) {
        for (int x = 0; x < first.width(); ++x) {
            const QColor pixel = first.pixelColor(x, y);
            if (pixel.alpha() == 255) {
                ++solid;
                QCOMPARE(pixel.rgb(), marks.colour(OutcomeTone::Done).rgb());
            }
        }
    }
    QVERIFY(solid > 10);
    QVERIFY(PaintedMark(icon, 14, 1.0, QIcon::Selected) != first);

    const QImage doubled = PaintedMark(icon, 14, 2.0, QIcon::Normal);
    QCOMPARE(doubled.size(), QSize(28, 28));
    QCOMPARE(doubled, PaintedMark(icon, 28, 1.0, QIcon::Normal));
}

QTEST_MAIN(TestSummaryLine)
#include "tst_summaryline.moc"
