// The scan phase on its own: the window's scan of the input folders (the
// engine's FileScanner with the ".mp3" filter and subfolders, sizing every
// file it takes for the window's total), then one line "path" for every file
// row found and a last line with the file count and total size, as find
// -printf lists the files it sizes. No name is computed and nothing is
// renamed. (norvane-cli's scan skips the sizes, which it does not show.)
//
// Usage: norvane-bench-scan FOLDER...
#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstdio>

#include "engine/FileScanner.h"
#include "engine/ResultModel.h"
#include "engine/WindowServices.h"

namespace {

// The extension memo of the window, holding the one line ".mp3".
class ScanServices : public WindowServices {
public:
    QStringList extensionLines() override { return {QStringLiteral(".mp3")}; }
};

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStringList folders;
    for (int i = 1; i < argc; ++i)
        folders.append(
            QDir::cleanPath(QDir::current().absoluteFilePath(QFile::decodeName(argv[i]))));
    if (folders.isEmpty()) {
        std::fprintf(stderr, "usage: %s FOLDER...\n", argv[0]);
        return 2;
    }

    ResultModel model;
    ScanServices services;
    FileScanner scanner(model, services);
    scanner.ScanInputFolders(folders, -1, -1, ScanOptions{});

    QByteArray out;
    out.reserve(1 << 20);
    for (const ResultRow& row : model.rows()) {
        if (row.isFolderRow())
            continue;
        out += row.folderBytes();
        out += '/';
        out += row.existingBytes();
        out += '\n';
        if (out.size() >= (1 << 20)) {
            std::fwrite(out.constData(), 1, static_cast<size_t>(out.size()), stdout);
            out.clear();
        }
    }
    out += QByteArray::number(scanner.FileCount()) + " files, " +
           QByteArray::number(scanner.TotalSize()) + " bytes\n";
    std::fwrite(out.constData(), 1, static_cast<size_t>(out.size()), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}
