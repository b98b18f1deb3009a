#include "engine/ExecuteRun.h"

#include <QFile>
#include <QLocale>

#include "engine/FileExistence.h"
#include "engine/FolderListing.h"
#include "engine/ResultModel.h"
#include "engine/RowSelection.h"
#include "engine/RunScope.h"
#include "engine/SafeRename.h"
#include "engine/WindowServices.h"
#include "shared/General/Texts.h"

namespace {

// Rows made without the listing's bytes address the disk by their texts.
QByteArray BytesOf(const QByteArray& bytes, const QString& text) {
    return bytes.isEmpty() ? QFile::encodeName(text) : bytes;
}

bool DifferIgnoringCase(const QByteArray& a, const QByteArray& b) {
    const QLocale locale = QLocale::system();
    return locale.toLower(QFile::decodeName(a)) != locale.toLower(QFile::decodeName(b));
}

void ExecuteRowsIn(ResultModel& model, WindowServices& services, const RowSelection* selection) {
    RunScope run(model, services, selection ? selection->count() : model.size());
    for (int i = 0; i < model.size(); ++i) {
        if (selection && !selection->isSelected(i))
            continue;
        run.advance();
        const ResultRow& row = model.row(i);
        if (row.isFolderRow() || !row.hasProposal())
            continue;
        QString status = ExecuteRow(row);
        model.mutableRow(i).status = std::move(status);
        run.touched(i);
    }
}

}  // namespace

QString ExecuteRow(const ResultRow& row) {
    const QByteArray folder = BytesOf(row.folderBytes, row.folder);
    const QByteArray oldPath = JoinPath(folder, BytesOf(row.existingBytes, row.existing));
    // A name that cannot be a file's name names no file, and its rename fails.
    const std::optional<QByteArray> newName = EncodeNewName(row.newName);
    const QByteArray newPath = newName ? JoinPath(folder, *newName) : QByteArray();

    const bool oldExists = FileExistsAt(oldPath);
    const bool newExists = newName && FileExistsAt(newPath);
    if (!oldExists && !newExists)
        return Text(Texts::kStatusFileDoesNotExist);
    if (oldExists && newExists && DifferIgnoringCase(oldPath, newPath))
        return Text(Texts::kStatusNewFileExists);
    if (newName && SafeRename(oldPath, newPath) == 0)
        return Text(Texts::kStatusRenamed);
    return Text(Texts::kStatusRenameFailed);
}

void ExecuteRows(ResultModel& model, WindowServices& services) {
    ExecuteRowsIn(model, services, nullptr);
}

void ExecuteRows(ResultModel& model, WindowServices& services, const RowSelection& selection) {
    ExecuteRowsIn(model, services, &selection);
}
