// The check before execute at library scale: the library scanned (".mp3",
// subfolders) and processed by the benchmark's schemes, "Artist - Album -
// Track# - Trackname" to "Album - Artist - Track# - Trackname", with the
// window's default options; then the check over every row, timed alone,
// RUNS times (once by default). Prints "key value" lines: the rows, the proposals, the rows
// the check expects to fail, and the time of each check.
//
// Usage: norvane-bench-check LIBRARY [RUNS]
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>

#include <cstdio>

#include "engine/FileScanner.h"
#include "engine/ProcessRun.h"
#include "engine/ResultModel.h"
#include "engine/WindowServices.h"
#include "engine/check/RenameCheck.h"

namespace {

class BenchServices : public WindowServices {
public:
    QStringList extensionLines() override { return {QStringLiteral(".mp3")}; }
};

FilenameScheme Scheme(std::array<FieldKind, 4> kinds) {
    FilenameScheme scheme;
    for (int k = 0; k < 4; ++k)
        scheme.slots[k] = static_cast<int>(kinds[k]);
    scheme.slots[4] = static_cast<int>(FieldKind::None);
    scheme.dividers.fill(QStringLiteral(" - "));
    return scheme;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: %s LIBRARY [RUNS]\n", argv[0]);
        return 2;
    }
    const QString library =
        QDir::cleanPath(QDir::current().absoluteFilePath(QFile::decodeName(argv[1])));
    const int runs = argc == 3 ? std::max(1, std::atoi(argv[2])) : 1;

    ResultModel model;
    BenchServices services;
    FileScanner scanner(model, services);
    scanner.ScanInputFolders({library}, -1, -1, ScanOptions{});
    ProcessSettings settings;
    settings.existingScheme =
        Scheme({FieldKind::Artist, FieldKind::Album, FieldKind::TrackNo, FieldKind::Trackname});
    settings.newScheme =
        Scheme({FieldKind::Album, FieldKind::Artist, FieldKind::TrackNo, FieldKind::Trackname});
    ProcessRows(model, settings, services);

    CheckCounts counts;
    for (int run = 1; run <= runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        counts = CheckRows(model);
        std::printf("check_s %.6f\n", timer.nsecsElapsed() / 1e9);
    }
    std::printf("rows %d\nproposals %d\nwill_fail %d\n", model.size(), counts.proposals,
                counts.willFail);
    return std::fflush(stdout) == 0 && counts.proposals > 0 ? 0 : 1;
}
