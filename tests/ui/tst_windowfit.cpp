#include <QFontDatabase>
#include <QLineEdit>
#include <QProcess>
#include <QTabWidget>
#include <QTest>
#include <QTreeView>

#include "shared/General/Translations.h"
#include "tests/ui/WindowFit.h"
#include "tests/ui/WindowFixture.h"

using namespace WindowFixture;

namespace {

constexpr QSize kDefaultSize(851, 462);

// The language CTest runs the test in; empty for English.
QString TestLanguage() {
    return qEnvironmentVariable("NORVANE_TEST_LANGUAGE");
}

// The desktop's font for the time of one test.
class DesktopFont {
public:
    explicit DesktopFont(int pointSize) : m_previous(QApplication::font()) {
        if (pointSize <= 0)
            return;
        QFont font = m_previous;
        font.setPointSize(pointSize);
        QApplication::setFont(font);
    }
    ~DesktopFont() { QApplication::setFont(m_previous); }

private:
    QFont m_previous;
};

// Each divider edit shows its whole text in a font whose spaces take room.
QStringList DividerProblems(const TForm1& form) {
    QStringList problems;
    for (const char* prefix : {"EInDivider", "EOutDivider"}) {
        for (int k = 1; k <= 4; ++k) {
            const QString name = QString::fromLatin1(prefix) + QString::number(k);
            auto* divider = control<QLineEdit>(form, qPrintable(name));
            // In a fixed-pitch font a blank is as wide as any letter.
            const QFontMetrics metrics = divider->fontMetrics();
            if (metrics.horizontalAdvance(' ') != metrics.horizontalAdvance('M') ||
                metrics.horizontalAdvance(' ') != metrics.horizontalAdvance('i'))
                problems << name + " is not in a fixed-pitch font";
            const int needed = divider->fontMetrics().horizontalAdvance(divider->text());
            const QRect shown = divider->contentsRect() - divider->textMargins();
            // QLineEdit keeps two pixels on each side of its text.
            if (needed > shown.width() - 4)
                problems << QStringLiteral("%1 shows %2 of the %3 pixels of \"%4\"")
                                .arg(name)
                                .arg(shown.width() - 4)
                                .arg(needed)
                                .arg(divider->text());
        }
    }
    return problems;
}

}  // namespace

class TestWindowFit : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // CTest runs the test in English and once in each language of the program.
    void initTestCase() {
        if (!TestLanguage().isEmpty())
            InstallTranslations();
    }
    void init() {
        // The folder of the test before goes first: it puts back what it found.
        m_home.reset();
        m_home = std::make_unique<ConfigHome>();
        QVERIFY(m_home->isValid());
    }
    void fits_data();
    void fits();
    void fitsAtScaleFactorTwo();
    void refitsWhenTheDesktopFontGrows();

private:
    std::unique_ptr<ConfigHome> m_home;
};

void TestWindowFit::fits_data() {
    QTest::addColumn<int>("pointSize");
    QTest::addColumn<QSize>("size");
    // An empty size is the smallest the window lets itself be made.
    QTest::newRow("desktop font, default size") << 0 << kDefaultSize;
    QTest::newRow("desktop font, smallest size") << 0 << QSize();
    QTest::newRow("desktop font, 1560 x 900") << 0 << QSize(1560, 900);
    QTest::newRow("14-point font, default size") << 14 << kDefaultSize;
    QTest::newRow("14-point font, smallest size") << 14 << QSize();
}

void TestWindowFit::fits() {
    QFETCH(int, pointSize);
    QFETCH(QSize, size);
    const DesktopFont font(pointSize);
    RecordingPrompter prompter;
    TForm1 form(&prompter);
    form.resize(size.isValid() ? size : QSize(1, 1));
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const QString scale = qEnvironmentVariable("QT_SCALE_FACTOR");
    if (!scale.isEmpty()) {
        QCOMPARE(form.devicePixelRatioF(), scale.toDouble());
        qInfo("device pixel ratio %g", form.devicePixelRatioF());
    }
    // The window is never smaller than it needs; with the desktop's own font
    // it opens at its designed size, in every language.
    QVERIFY(form.size().width() >= form.minimumSizeHint().width());
    QVERIFY(form.size().height() >= form.minimumSizeHint().height());
    if (pointSize == 0) {
        const QSize least = form.minimumSize();
        QVERIFY2(least.boundedTo(kDefaultSize) == least,
                 qPrintable(QStringLiteral("the window needs at least %1 x %2")
                                .arg(least.width())
                                .arg(least.height())));
        if (size == kDefaultSize)
            QCOMPARE(form.size(), kDefaultSize);
    }
    // The captions are the language's, not English ones.
    if (!TestLanguage().isEmpty())
        QVERIFY(control<QTabWidget>(form, "PageControl1")->tabText(1) != QLatin1String("Rename"));
    const QStringList problems = WindowFit::Problems(&form) + DividerProblems(form);
    QVERIFY2(problems.isEmpty(),
             qPrintable(QStringLiteral("at %1 x %2:\n").arg(form.width()).arg(form.height()) +
                        problems.join('\n')));
    // The results list keeps room for a few rows.
    auto* list = control<QTreeView>(form, "LVResults");
    QVERIFY(list->viewport()->height() >= 3 * list->fontMetrics().height());
    QVERIFY(prompter.criticals.isEmpty());
}

void TestWindowFit::fitsAtScaleFactorTwo() {
    // The scale factor is read once when the program starts: the same checks
    // run again in a process of their own.
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_SCALE_FACTOR", "2");
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(), {"fits"});
    QVERIFY(child.waitForFinished(120000));
    const QString output = QString::fromLocal8Bit(child.readAll());
    QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0,
             qPrintable(output));
    QVERIFY2(output.contains("device pixel ratio 2"), qPrintable(output));
}

void TestWindowFit::refitsWhenTheDesktopFontGrows() {
    RecordingPrompter prompter;
    TForm1 form(&prompter);
    form.resize(kDefaultSize);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const int heightBefore = control<QTabWidget>(form, "PageControl1")->height();
    // A desktop that changes its font while the program runs.
    const DesktopFont font(14);
    QTRY_VERIFY(control<QTabWidget>(form, "PageControl1")->height() > heightBefore);
    const QStringList problems = WindowFit::Problems(&form);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
}

QTEST_MAIN(TestWindowFit)
#include "tst_windowfit.moc"
