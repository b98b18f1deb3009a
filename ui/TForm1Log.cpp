// Save and Clipboard Copy: the results list (its selected rows, when more
// than one is selected) written to a file the user chooses, as a text log or
// an HTML table, or put on the clipboard in both forms.
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMimeData>
#include <QSaveFile>

#include "engine/CommandError.h"
#include "engine/ResultModel.h"
#include "engine/RowExport.h"
#include "shared/General/Texts.h"
#include "ui/Prompter.h"
#include "ui/TForm1.h"

namespace {

// The filters of SaveDialog1, in this order.
enum SaveFilter { kHtmlFilter = 0, kTextFilter = 1, kAllFilter = 2 };

// The extension typed decides, where it is one of the two kinds; else the
// filter chosen, the text log for "All".
bool SavesAsHtml(const QString& path, int filter) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("html") || suffix == QLatin1String("htm"))
        return true;
    if (suffix == QLatin1String("txt") || suffix == QLatin1String("tsv"))
        return false;
    return filter == kHtmlFilter;
}

}  // namespace

QVector<ResultRow> TForm1::rowsToWrite() const {
    const QList<int> selected = selectedRows();
    if (selected.size() < 2)
        return m_results->rows();
    QVector<ResultRow> rows;
    rows.reserve(selected.size());
    for (int i : selected)
        rows.append(m_results->row(i));
    return rows;
}

void TForm1::BSaveClick() {
    const QStringList filters = {Text(Texts::kFilterHtml), Text(Texts::kFilterText),
                                 Text(Texts::kFilterAll)};
    int filter = kTextFilter;
    const QString path = m_prompter->saveFileName(this, Text(Texts::kSaveDialogTitle),
                                                  Text(Texts::kSaveDefaultName), filters, filter);
    if (path.isEmpty())
        return;
    const QVector<ResultRow> rows = rowsToWrite();
    const QByteArray contents =
        SavesAsHtml(path, filter) ? RowsAsHtml(rows) : RowsAsTextLog(rows, NameForm::Bytes);
    // Written whole or not at all: a file that was there stays as it was
    // when the save fails.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(contents) != contents.size() ||
        !file.commit())
        throw CommandError(
            Text(Texts::kSaveFailed).arg(QDir::toNativeSeparators(path), file.errorString()));
}

void TForm1::BCopyClick() {
    const QVector<ResultRow> rows = rowsToWrite();
    auto* data = new QMimeData;
    // The clipboard carries text: the names as the list shows them.
    data->setText(QString::fromUtf8(RowsAsTextLog(rows, NameForm::Text)));
    data->setHtml(QString::fromUtf8(RowsAsHtml(rows)));
    QGuiApplication::clipboard()->setMimeData(data);
}
