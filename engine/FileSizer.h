#pragma once

#include <QByteArray>
#include <QList>

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

// The sizes in bytes of the files of one open folder, by name, following
// links; a file that cannot be read (a dangling link, an entry that has
// vanished) counts 0.
qint64 SizeOfFiles(int folderDescriptor, const QList<QByteArray>& names);

// Sums the sizes of the files a scan takes on a thread of its own, so that a
// look at every file does not lengthen the walk, which lists the folders
// meanwhile. Each folder is handed over with a duplicate of its listing's
// descriptor: its files are sized in the folder that was listed, also when
// the walk has closed it or its path has changed since. Where no duplicate can
// be had, or too many folders wait, the caller sizes the folder at once.
class FileSizer {
public:
    FileSizer() = default;
    ~FileSizer();
    FileSizer(const FileSizer&) = delete;
    FileSizer& operator=(const FileSizer&) = delete;

    // Sizes the named files of the folder open at folderDescriptor, which
    // stays the caller's.
    void add(int folderDescriptor, QList<QByteArray> names);
    // Waits until every folder handed over is sized; the sum of their sizes
    // since the last call.
    qint64 collect();

private:
    struct Folder {
        int descriptor;
        QList<QByteArray> names;
    };
    // Queues the folder for the worker, started at the first; false when
    // the caller is to size it.
    bool handOver(int folderDescriptor, QList<QByteArray>& names);
    void work();

    std::mutex m_mutex;
    std::condition_variable m_wake;  // a folder waits, or the sizer ends
    std::condition_variable m_done;  // the last folder given has been sized
    std::deque<Folder> m_waiting;
    int m_busy = 0;  // folders taken from the queue and not yet added in
    qint64 m_sum = 0;
    bool m_ending = false;
    std::thread m_worker;
};
