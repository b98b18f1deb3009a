#include "engine/BatchThreads.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

namespace {

constexpr int kLeastThreads = 2;
constexpr int kMostThreads = 4;
constexpr std::chrono::milliseconds kWaitingStep{10};

// What the threads of one RunBatches share.
class BatchQueue {
public:
    BatchQueue(int batches, const std::function<void(int, int)>& work)
        : m_batches(batches), m_work(work) {}

    // Does batches until none is left or a call has failed.
    void drain(int worker) {
        while (!m_stop.load()) {
            const int batch = m_next.fetch_add(1);
            if (batch >= m_batches)
                return;
            try {
                m_work(worker, batch);
            } catch (...) {
                fail(std::current_exception());
                return;
            }
        }
    }
    void fail(std::exception_ptr error) {
        const std::lock_guard lock(m_mutex);
        if (!m_failure)
            m_failure = std::move(error);
        m_stop = true;
    }
    void helperStarted() {
        const std::lock_guard lock(m_mutex);
        ++m_running;
    }
    void helperEnded() {
        {
            const std::lock_guard lock(m_mutex);
            --m_running;
        }
        m_ended.notify_all();
    }
    // Waits for the helpers, calling waiting() in between.
    void awaitHelpers(const std::function<void()>& waiting) {
        std::unique_lock lock(m_mutex);
        while (!m_ended.wait_for(lock, kWaitingStep, [this] { return m_running == 0; })) {
            if (m_stop)
                continue;
            lock.unlock();
            try {
                waiting();
            } catch (...) {
                fail(std::current_exception());
            }
            lock.lock();
        }
    }
    void rethrowFailure() {
        if (m_failure)
            std::rethrow_exception(m_failure);
    }

private:
    const int m_batches;
    const std::function<void(int, int)>& m_work;
    std::atomic<int> m_next{0};
    std::atomic<bool> m_stop{false};
    std::mutex m_mutex;
    std::condition_variable m_ended;
    int m_running = 0;
    std::exception_ptr m_failure;
};

}  // namespace

int BatchThreadCount() {
    const int processors = static_cast<int>(std::thread::hardware_concurrency());
    return std::clamp(processors, kLeastThreads, kMostThreads);
}

void RunBatches(int batches, int threads, const std::function<void(int, int)>& work,
                const std::function<void()>& waiting) {
    BatchQueue queue(batches, work);
    std::vector<std::thread> helpers;
    const int wanted = std::min(threads, batches) - 1;
    helpers.reserve(static_cast<std::size_t>(std::max(0, wanted)));
    for (int worker = 1; worker <= wanted; ++worker) {
        queue.helperStarted();
        try {
            helpers.emplace_back([&queue, worker] {
                queue.drain(worker);
                queue.helperEnded();
            });
        } catch (const std::system_error&) {
            queue.helperEnded();
            break;
        }
    }
    queue.drain(0);
    queue.awaitHelpers(waiting);
    for (std::thread& helper : helpers)
        helper.join();
    queue.rethrowFailure();
}
