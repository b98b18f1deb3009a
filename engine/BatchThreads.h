#pragma once

#include <functional>

// How many threads a run over many folders uses: the processors, at least two
// (a file system served by a process, such as FUSE's, answers one thread's
// calls while the other's wait), at most four.
int BatchThreadCount();

// Runs work(worker, batch) once for every batch in [0, batches): on the
// calling thread (worker 0) and on up to threads - 1 more (workers 1 and
// on), each taking the next batch whenever it is free. While the caller waits
// for the others it calls waiting() every few milliseconds, on its own
// thread. When a call throws, no batch is started after it, those begun are
// finished, and the first exception is thrown again here. Where no more
// threads can be had, the caller does the rest itself.
void RunBatches(int batches, int threads, const std::function<void(int worker, int batch)>& work,
                const std::function<void()>& waiting);
