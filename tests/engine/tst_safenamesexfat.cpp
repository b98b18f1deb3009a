#include <QFile>
#include <QTest>

#include <fcntl.h>
#include <unistd.h>

#include <memory>

#include "DiskFixture.h"
#include "engine/ExecuteRun.h"
#include "engine/NameComputation.h"
#include "engine/ResultModel.h"
#include "engine/SafeNames.h"
#include "support/ExfatMount.h"
#include "tests/engine/SchemeShorthand.h"

namespace {

bool Creates(const QByteArray& path) {
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    ::close(fd);
    return true;
}

}  // namespace

// "Safe for FAT/exFAT/NTFS" against a real exFAT file system (an image
// mounted through FUSE, support/ExfatMount.h): a name it makes is one that
// exFAT takes, where the name as it was is refused.
class TestSafeNamesExfat : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void safeNamesAreTaken_data();
    void safeNamesAreTaken();
    void renamedOntoTheStick();

private:
    std::unique_ptr<ExfatMount> m_mount;
    QByteArray m_root;
};

void TestSafeNamesExfat::initTestCase() {
    m_mount = std::make_unique<ExfatMount>();
    const QString problem = m_mount->setUp();
    if (!problem.isEmpty())
        QSKIP(qPrintable("exFAT test folder not available: " + problem));
    m_root = m_mount->path();
}

void TestSafeNamesExfat::safeNamesAreTaken_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("replacement");
    QTest::addColumn<bool>("refused");  // whether exFAT refuses the name as it was
    QTest::newRow("colon") << "AC:DC - Live.mp3"
                           << "-" << true;
    QTest::newRow("question mark") << "Why?.mp3"
                                   << "_" << true;
    QTest::newRow("quotes and angles") << "\"Hits\" <Best>.mp3"
                                       << "" << true;
    QTest::newRow("star, bar, backslash") << "a*b|c\\d.mp3"
                                          << "-" << true;
    QTest::newRow("control character") << "Tab\there.mp3"
                                       << " " << true;
    // exFAT through FUSE keeps these; Windows drops them when it opens the file.
    QTest::newRow("trailing dot") << "Vol. 2."
                                  << "-" << false;
    QTest::newRow("trailing space") << "Side B "
                                    << "-" << false;
}

void TestSafeNamesExfat::safeNamesAreTaken() {
    QFETCH(QString, name);
    QFETCH(QString, replacement);
    QFETCH(bool, refused);
    const QByteArray bytes = name.toUtf8();
    const QString safe = SafeName(name, replacement);
    QVERIFY(safe != name);
    if (refused)
        QVERIFY(!Creates(disk::Join(m_root, bytes)));
    QVERIFY2(Creates(disk::Join(m_root, safe.toUtf8())), qPrintable(safe));
    QVERIFY(disk::ListNames(m_root).contains(safe.toUtf8()));
}

// The whole road: the name computation with the option, then the execute run
// on the stick; the file ends under the safe name.
void TestSafeNamesExfat::renamedOntoTheStick() {
    const QByteArray folder = disk::Join(m_root, "Album");
    QVERIFY(::mkdir(folder.constData(), 0755) == 0);
    QVERIFY(disk::WriteFile(disk::Join(folder, "AC - DC - Live.mp3"), "tune"));
    NameOptions options;
    options.safeNames = true;
    const NameResult result =
        ComputeNewName("AC - DC - Live.mp3", FolderAndParentName(QFile::decodeName(folder)),
                       ActiveSlots(Scheme({A, Al, N, X, X})),
                       ActiveSlots(Scheme({A, Al, N, X, X}, {":", "? "})), options);
    QCOMPARE(result.newName, QString("AC-DC- Live.mp3"));
    ResultModel model;
    model.appendRows({FileRow(folder, "AC - DC - Live.mp3", result.newName, result.status)});
    RecordingServices services;
    ExecuteRows(model, services);
    QCOMPARE(model.row(0).outcome, RowOutcome::Renamed);
    QCOMPARE(disk::Describe(folder), QStringList{"AC-DC- Live.mp3:tune"});
}

QTEST_GUILESS_MAIN(TestSafeNamesExfat)
#include "tst_safenamesexfat.moc"
