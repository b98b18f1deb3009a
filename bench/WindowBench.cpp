// The window at library scale, under whatever platform QT_QPA_PLATFORM names
// (run.sh uses offscreen): a library folder dropped on the input folder list,
// scanned and shown in LVResults; "Process All"; all rows selected; "Execute
// All"; the list scrolled from top to bottom. Prints the wall time of each
// step, the scroll's frame times and the process's peak resident memory as
// "key value" lines.
//
// The settings are read from and written to a temporary folder, never the
// user's, and no dialog waits for a person.
//
// Usage: norvane-bench-window LIBRARY
#include <QAbstractItemView>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTreeView>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "engine/ResultModel.h"
#include "ui/Prompter.h"
#include "ui/TForm1.h"

namespace {

// Answers every dialog at once and remembers the messages, so that a failed
// step shows in the output instead of waiting for a click.
class BenchPrompter : public Prompter {
public:
    void information(QWidget*, const QString& text) override { report("information", text); }
    void critical(QWidget*, const QString& text) override { report("critical", text); }
    bool inputText(QWidget*, const QString&, const QString&, QString&, int) override {
        return false;
    }
    QString saveFileName(QWidget*, const QString&, const QString&, const QStringList&,
                         int&) override {
        return {};
    }
    int messages = 0;

private:
    void report(const char* kind, const QString& text) {
        ++messages;
        std::fprintf(stderr, "%s: %s\n", kind, qPrintable(text));
    }
};

// The peak resident memory of this process so far, in MiB.
double PeakResidentMiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    }
    return -1;
}

void Print(const QByteArray& key, double value) {
    std::printf("%s %.4f\n", key.constData(), value);
    std::fflush(stdout);
}

// Lets the window handle what the step left queued, then paints the list
// synchronously, so that a step's time includes showing its outcome.
void Settle(QTreeView* list) {
    QApplication::processEvents();
    list->viewport()->repaint();
}

constexpr int kScrollFrames = 200;

// Moves the list from its top to its bottom in kScrollFrames steps, painting
// each one, and prints the time of the whole and of its frames.
void Scroll(QTreeView* list, const QByteArray& name) {
    QScrollBar* bar = list->verticalScrollBar();
    bar->setValue(0);
    Settle(list);
    std::vector<double> frames;
    QElapsedTimer whole;
    QElapsedTimer frame;
    whole.start();
    for (int step = 1; step <= kScrollFrames; ++step) {
        frame.start();
        bar->setValue(static_cast<int>(qint64(bar->maximum()) * step / kScrollFrames));
        Settle(list);
        frames.push_back(frame.nsecsElapsed() / 1e6);
    }
    Print(name + "_s", whole.nsecsElapsed() / 1e9);
    std::sort(frames.begin(), frames.end());
    Print(name + "_median_frame_ms", frames[frames.size() / 2]);
    Print(name + "_p99_frame_ms", frames[frames.size() * 99 / 100]);
    Print(name + "_max_frame_ms", frames.back());
}

template <typename T>
T* Child(QWidget& form, const char* name) {
    T* child = form.findChild<T*>(QString::fromLatin1(name));
    if (child == nullptr) {
        std::fprintf(stderr, "the window has no control %s\n", name);
        std::exit(1);
    }
    return child;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s LIBRARY\n", argv[0]);
        return 2;
    }
    QTemporaryDir config;
    if (!config.isValid())
        return 1;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    QApplication app(argc, argv);
    const QString library =
        QDir::cleanPath(QDir::current().absoluteFilePath(QFile::decodeName(argv[1])));

    BenchPrompter prompter;
    TForm1 form(&prompter);
    form.resize(1280, 900);
    form.show();
    QApplication::processEvents();
    auto* list = Child<QTreeView>(form, "LVResults");
    // The benchmark's new-name scheme: Album - Artist - Track# - Trackname.
    Child<QListWidget>(form, "LBOut1")->setCurrentRow(1);
    Child<QListWidget>(form, "LBOut2")->setCurrentRow(0);
    QElapsedTimer timer;

    // 1. Drop the library and turn to the "Rename" page once it is scanned.
    // The drop posts the scan, which runs while the window handles its events.
    timer.start();
    form.LBInputFileDrop(&form, {library});
    do {
        QApplication::processEvents();
    } while (form.isScanning() || (form.results().size() == 0 && timer.elapsed() < 10000));
    if (form.results().size() == 0) {
        std::fprintf(stderr, "the window did not scan %s\n", argv[1]);
        return 1;
    }
    Child<QTabWidget>(form, "PageControl1")->setCurrentIndex(1);
    Settle(list);
    Print("scan_show_s", timer.nsecsElapsed() / 1e9);
    Print("files", form.FileCount());
    Print("rows", form.results().size());

    // 2. "Process All".
    timer.start();
    Child<QPushButton>(form, "BProcessAll")->click();
    Settle(list);
    Print("process_s", timer.nsecsElapsed() / 1e9);
    int pending = 0;
    for (const ResultRow& row : form.results().rows())
        pending += row.hasProposal() ? 1 : 0;
    Print("proposals", pending);

    // 3. Select every row.
    timer.start();
    list->setFocus();
    list->selectAll();
    Settle(list);
    Print("select_all_s", timer.nsecsElapsed() / 1e9);

    // 4. "Execute All".
    timer.start();
    Child<QPushButton>(form, "BExecuteAll")->click();
    Settle(list);
    Print("execute_s", timer.nsecsElapsed() / 1e9);
    int renamed = 0;
    for (const ResultRow& row : form.results().rows())
        renamed += row.outcome == RowOutcome::Renamed ? 1 : 0;
    Print("renamed", renamed);

    // 5. Scroll from the top to the bottom, as a user drags the scroll bar's
    // thumb: kScrollFrames evenly spaced positions, each one painted.
    Scroll(list, "scroll");
    Print("peak_rss_mib", PeakResidentMiB());
    Print("messages", prompter.messages);
    return prompter.messages == 0 ? 0 : 1;
}
