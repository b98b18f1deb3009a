#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <QTreeView>
#include <memory>

#include "engine/ResultModel.h"
#include "tests/ui/WindowFixture.h"

using namespace WindowFixture;

// The window's three ways of making a proposal that begins with "/": a
// new-name scheme whose first field is empty followed by a "/" divider, a
// manual rename, and a Search & Replace that puts the "/" first. Each names
// the absolute path of a folder beside the listed one; executed, the file
// stays below its own folder: in the same path below it when that exists,
// else where it was.
class TestNamesBelowFolder : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void proposalFromTheWindow_data();
    void proposalFromTheWindow();

private:
    void setScheme(const char* prefix, const QList<int>& kinds, const QStringList& dividers);

    std::unique_ptr<QTemporaryDir> m_parent;
    QString m_folder;
    QString m_outside;
    RecordingPrompter m_prompter;
    std::unique_ptr<TForm1> m_form;
    std::unique_ptr<ConfigHome> m_home;
};

void TestNamesBelowFolder::init() {
    m_home.reset();
    m_home = std::make_unique<ConfigHome>();
    QVERIFY(m_home->isValid());
    m_parent = std::make_unique<QTemporaryDir>();
    QVERIFY(m_parent->isValid());
    m_folder = m_parent->filePath("music");
    m_outside = m_parent->filePath("outside");
    QVERIFY(m_outside.startsWith('/'));
    makeFile(m_folder, "Band - Song.mp3", "tune");
    QVERIFY(QDir().mkpath(m_outside));
    m_prompter = RecordingPrompter();
    m_form = std::make_unique<TForm1>(&m_prompter);
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
}

void TestNamesBelowFolder::cleanup() {
    m_form.reset();
    m_parent.reset();
}

// Kinds by their item positions (6 is "[none]"), one a slot; dividers in order.
void TestNamesBelowFolder::setScheme(const char* prefix, const QList<int>& kinds,
                                     const QStringList& dividers) {
    for (int k = 1; k <= 5; ++k) {
        const QString slot = QStringLiteral("LB%1%2").arg(QLatin1String(prefix)).arg(k);
        control<QListWidget>(*m_form, qPrintable(slot))->setCurrentRow(kinds.value(k - 1, 6));
    }
    for (int k = 1; k <= 4; ++k) {
        const QString divider = QStringLiteral("E%1Divider%2").arg(QLatin1String(prefix)).arg(k);
        control<QLineEdit>(*m_form, qPrintable(divider))->setText(dividers.value(k - 1));
    }
}

void TestNamesBelowFolder::proposalFromTheWindow_data() {
    QTest::addColumn<QString>("way");
    QTest::addColumn<bool>("mirrored");  // the same path exists below the folder
    for (const char* way : {"new-name scheme", "manual rename", "search and replace"}) {
        QTest::addRow("%s, no such subfolder", way) << QString(way) << false;
        QTest::addRow("%s, the same path below the folder", way) << QString(way) << true;
    }
}

void TestNamesBelowFolder::proposalFromTheWindow() {
    QFETCH(QString, way);
    QFETCH(bool, mirrored);
    QVERIFY(AddInputFolder(control<QListWidget>(*m_form, "LBInput"), m_folder));
    m_form->BRefreshClick();
    ResultModel& results = m_form->results();
    QCOMPARE(results.size(), 2);
    QCOMPARE(results.row(1).existing, QString("Band - Song.mp3"));
    const QString below = m_folder + m_outside;
    if (mirrored)
        QVERIFY(QDir().mkpath(below));

    if (way == "new-name scheme") {
        // Artist - Trackname becomes Album, then the outside folder's path, then
        // Trackname: the album is not in the name, so the path comes first.
        setScheme("In", {0, 3}, {" - "});
        setScheme("Out", {1, 3}, {m_outside + "/"});
        control<QPushButton>(*m_form, "BProcessAll")->click();
    } else if (way == "manual rename") {
        auto* list = control<QTreeView>(*m_form, "LVResults");
        const QRect rect = list->visualRect(results.index(1, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
        auto* edit = control<QLineEdit>(*m_form, "EManualRename");
        edit->setText(m_outside + "/Song");
        control<QPushButton>(*m_form, "BManualRename")->click();
    } else {
        m_prompter.inputAnswers = {QString("Band - "), m_outside + "/"};
        control<QPushButton>(*m_form, "BSearchReplace")->click();
    }
    QVERIFY2(results.row(1).newName.toString().endsWith(m_outside.mid(1) + "/Song.mp3"),
             qPrintable(results.row(1).newName.toString()));

    control<QPushButton>(*m_form, "BExecuteAll")->click();

    QCOMPARE(QDir(m_outside).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList());
    QCOMPARE(results.row(1).status, mirrored ? QString("renamed") : "error: rename failed");
    const QString where = mirrored ? below + "/Song.mp3" : m_folder + "/Band - Song.mp3";
    QFile file(where);
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(where));
    QCOMPARE(file.readAll(), QByteArray("tune"));
    QVERIFY(m_prompter.criticals.isEmpty());
}

QTEST_MAIN(TestNamesBelowFolder)
#include "tst_namesbelowfolder.moc"
