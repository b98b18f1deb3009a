#include "ui/Prompter.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QVBoxLayout>

#include "shared/General/Texts.h"

void Prompter::information(QWidget* parent, const QString& text) {
    QMessageBox::information(parent, Text(Texts::kProgramTitle), text, QMessageBox::Ok);
}

void Prompter::critical(QWidget* parent, const QString& text) {
    QMessageBox::critical(parent, Text(Texts::kProgramTitle), text, QMessageBox::Ok);
}

bool Prompter::inputText(QWidget* parent, const QString& caption, const QString& prompt,
                         QString& text, int maxLength) {
    QDialog dialog(parent);
    dialog.setObjectName("InputDialog");
    dialog.setWindowTitle(caption);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(prompt, &dialog));
    auto* edit = new QLineEdit(&dialog);
    edit->setMaxLength(maxLength);
    edit->setText(text);
    edit->selectAll();
    layout->addWidget(edit);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    dialog.resize(320, dialog.sizeHint().height());
    if (dialog.exec() != QDialog::Accepted)
        return false;
    text = edit->text();
    return true;
}

QString Prompter::saveFileName(QWidget* parent, const QString& title, const QString& fileName,
                               const QStringList& filters, int& filterIndex) {
    QFileDialog dialog(parent, title);
    dialog.setObjectName("SaveDialog1");
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // Overwriting asks first (QFileDialog does unless told not to).
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    dialog.setNameFilters(filters);
    if (filterIndex >= 0 && filterIndex < filters.size())
        dialog.selectNameFilter(filters.at(filterIndex));
    dialog.selectFile(fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    filterIndex = static_cast<int>(filters.indexOf(dialog.selectedNameFilter()));
    return dialog.selectedFiles().constFirst();
}
