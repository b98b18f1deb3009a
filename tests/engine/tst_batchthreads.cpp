#include <QTest>

#include <atomic>
#include <chrono>
#include <mutex>
#include <stdexcept>
#include <thread>
#include <vector>

#include "engine/BatchThreads.h"

namespace {

// Holds the caller's batch until a helper has begun one, so that the run
// has one to wait for; gives up after a second.
void AwaitHelper(const std::atomic<bool>& helperBegun) {
    for (int i = 0; i < 1000 && !helperBegun; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

}  // namespace

class TestBatchThreads : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyBatchOnce_data();
    void everyBatchOnce();
    void callerWaitsOnItsOwnThread();
    void failureEndsTheRun_data();
    void failureEndsTheRun();
};

void TestBatchThreads::everyBatchOnce_data() {
    QTest::addColumn<int>("batches");
    QTest::addColumn<int>("threads");
    QTest::newRow("none") << 0 << 2;
    QTest::newRow("one, on two threads") << 1 << 2;
    QTest::newRow("many, on one thread") << 50 << 1;
    QTest::newRow("many, on two threads") << 500 << 2;
    QTest::newRow("more threads than batches") << 3 << 4;
}

void TestBatchThreads::everyBatchOnce() {
    QFETCH(int, batches);
    QFETCH(int, threads);
    std::vector<std::atomic<int>> runs(static_cast<std::size_t>(batches));
    std::vector<std::atomic<int>> byWorker(static_cast<std::size_t>(threads));
    const auto caller = std::this_thread::get_id();
    std::atomic<bool> workerZeroElsewhere{false};
    RunBatches(
        batches, threads,
        [&](int worker, int batch) {
            QVERIFY(worker >= 0 && worker < threads);
            if (worker == 0 && std::this_thread::get_id() != caller)
                workerZeroElsewhere = true;
            ++runs[static_cast<std::size_t>(batch)];
            ++byWorker[static_cast<std::size_t>(worker)];
        },
        [] {});
    for (int batch = 0; batch < batches; ++batch)
        QCOMPARE(runs[static_cast<std::size_t>(batch)].load(), 1);
    QVERIFY(!workerZeroElsewhere);
    int total = 0;
    for (const auto& count : byWorker)
        total += count.load();
    QCOMPARE(total, batches);
}

// While a helper is busy the caller keeps its own thread, calling waiting().
void TestBatchThreads::callerWaitsOnItsOwnThread() {
    const auto caller = std::this_thread::get_id();
    std::atomic<int> waits{0};
    std::atomic<bool> waitedElsewhere{false};
    std::atomic<bool> helperRan{false};
    RunBatches(
        2, 2,
        [&](int worker, int) {
            if (worker != 0) {
                helperRan = true;
                std::this_thread::sleep_for(std::chrono::milliseconds(100));
            } else {
                AwaitHelper(helperRan);
            }
        },
        [&] {
            ++waits;
            if (std::this_thread::get_id() != caller)
                waitedElsewhere = true;
        });
    if (!helperRan)
        QSKIP("no second thread could be started here");
    QVERIFY(waits.load() > 0);
    QVERIFY(!waitedElsewhere);
}

void TestBatchThreads::failureEndsTheRun_data() {
    QTest::addColumn<int>("threads");
    QTest::addColumn<bool>("inWaiting");  // waiting() throws, not a batch
    QTest::newRow("a batch, one thread") << 1 << false;
    QTest::newRow("a batch, two threads") << 2 << false;
    QTest::newRow("waiting, two threads") << 2 << true;
}

// The first failure comes back to the caller once every thread has
// stopped; on one thread no batch after the failing one is begun.
void TestBatchThreads::failureEndsTheRun() {
    QFETCH(int, threads);
    QFETCH(bool, inWaiting);
    constexpr int kBatches = 200;
    constexpr int kFailing = 10;
    std::atomic<int> begun{0};
    std::atomic<int> ended{0};
    std::atomic<int> afterFailing{0};
    std::atomic<bool> failed{false};
    std::atomic<bool> helperBegun{false};
    bool thrown = false;
    try {
        RunBatches(
            kBatches, threads,
            [&](int worker, int batch) {
                ++begun;
                if (failed)
                    ++afterFailing;
                if (!inWaiting && batch == kFailing) {
                    failed = true;
                    throw std::runtime_error("batch failed");
                }
                // The helper stays busy so that the caller waits.
                if (inWaiting && worker != 0) {
                    helperBegun = true;
                    std::this_thread::sleep_for(std::chrono::milliseconds(30));
                } else if (inWaiting) {
                    AwaitHelper(helperBegun);
                }
                ++ended;
            },
            [&] {
                if (inWaiting) {
                    failed = true;
                    throw std::runtime_error("waiting failed");
                }
            });
    } catch (const std::runtime_error& error) {
        thrown = true;
        QCOMPARE(QByteArray(error.what()), inWaiting ? "waiting failed" : "batch failed");
    }
    if (inWaiting && !failed)
        QSKIP("no second thread could be started here");
    QVERIFY(thrown);
    // Every batch begun was also ended, but for the failing one.
    QCOMPARE(ended.load(), begun.load() - (inWaiting ? 0 : 1));
    if (!inWaiting)
        QVERIFY(begun.load() < kBatches);
    if (threads == 1)
        QCOMPARE(afterFailing.load(), 0);
}

QTEST_GUILESS_MAIN(TestBatchThreads)
#include "tst_batchthreads.moc"
