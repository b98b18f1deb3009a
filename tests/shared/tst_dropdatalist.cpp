#include <QMimeData>
#include <QTest>
#include <functional>
#include <memory>

#include "shared/DropWrap/EMyOLEDragDropInterfaceException.h"
#include "shared/DropWrap/TMyDropDataList.h"

namespace {

// The message of the wrapper's error raised by call; empty when none was raised.
QString ErrorOf(const std::function<void()>& call) {
    try {
        call();
    } catch (const EMyOLEDragDropInterfaceException& error) {
        return error.message();
    }
    return QString();
}

}  // namespace

// The list of offered formats that the user-data handlers work with.
class TestDropDataList : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void dataListOperations();
    void dataListFetchFailures();
};

void TestDropDataList::dataListOperations() {
    QCOMPARE(ErrorOf([] { TMyDropDataList list(nullptr); }), QString("DragObject is nil."));

    QMimeData data;
    data.setData("text/uri-list", "file:///music\r\n");
    data.setData("application/x-empty", QByteArray());
    TMyDropDataList list(&data);
    QCOMPARE(list.Count(), 2);
    QCOMPARE(list.Items(list.IndexOfFormat("text/uri-list")).format(), QString("text/uri-list"));
    QCOMPARE(list.Items(0).index(), -1);
    QCOMPARE(list.IndexOfFormat("text/plain"), -1);
    QCOMPARE(list.IndexOfFormat("text/uri-list", 0), -1);
    QCOMPARE(ErrorOf([&] { list.Items(-1); }), QString("Index out of bounds (-1)"));
    QCOMPARE(ErrorOf([&] { list.Items(2); }), QString("Index out of bounds (2)"));

    QByteArray copy = list.GetDataCopy("text/uri-list");
    QCOMPARE(copy, QByteArray("file:///music\r\n"));
    // The copy is the handler's own: the drag's data stays as it was.
    copy[0] = 'X';
    QCOMPARE(data.data("text/uri-list"), QByteArray("file:///music\r\n"));
    TMyDropData& item = list.Items(list.IndexOfFormat("text/uri-list"));
    QVERIFY(item.isLocked());
    list.UnlockAll();
    QVERIFY(!item.isLocked());
    QVERIFY(item.isFetched());
    QCOMPARE(item.DataSize(), qsizetype(15));

    QCOMPARE(ErrorOf([&] { list.GetDataCopy("text/plain"); }), QString("Format is not available."));
    QCOMPARE(ErrorOf([&] { list.GetDataCopy("application/x-empty"); }), QString("Out of Memory."));

    list.ReleaseAll();
    QCOMPARE(list.Count(), 0);
}

void TestDropDataList::dataListFetchFailures() {
    auto data = std::make_unique<QMimeData>();
    data->setData("text/uri-list", "file:///a\r\n");
    data->setText("gone soon");
    TMyDropDataList list(data.get());
    QCOMPARE(list.Count(), 2);
    data->removeFormat("text/plain");
    QCOMPARE(ErrorOf([&] { list.GetDataCopy("text/plain"); }),
             QString("Could not get Data. $80040064"));
    data.reset();
    QCOMPARE(list.DataObject(), nullptr);
    QCOMPARE(ErrorOf([&] { list.GetDataCopy("text/uri-list"); }),
             QString("Could not get Data. $80004005"));

    // A list whose drag went away before it was built cannot enumerate.
    auto lost = std::make_unique<QMimeData>();
    TMyDropDataList unbuilt(lost.get());
    lost.reset();
    QCOMPARE(ErrorOf([&] { unbuilt.Count(); }), QString("Could not enumerate objects"));
    QCOMPARE(unbuilt.Count(), 0);
}

QTEST_GUILESS_MAIN(TestDropDataList)
#include "tst_dropdatalist.moc"
