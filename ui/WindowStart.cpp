#include "ui/WindowStart.h"

#include <QFile>
#include <QStringList>

#include "settings/FormPlacement.h"
#include "shared/General/General.h"
#include "shared/General/InputPath.h"
#include "shared/General/Texts.h"
#include "ui/ApplicationIdentity.h"
#include "ui/TForm1.h"
#include "ui/WindowCommandLine.h"

std::unique_ptr<TForm1> StartWindow(const QList<QByteArray>& arguments, Prompter* prompter) {
    ProgramFilePath();
    SetApplicationIdentity();
    const WindowCommandLine line = ParseWindowCommandLine(arguments);
    if (!line.error.isEmpty()) {
        PrintWindowUsageError(line.error);
        return nullptr;
    }
    auto form = std::make_unique<TForm1>(prompter);
    ShowMainWindow(form.get());
    AddCommandLineFolders(*form, line.folders);
    return form;
}

void AddCommandLineFolders(TForm1& form, const QList<QByteArray>& arguments) {
    QStringList folders;
    for (const QByteArray& argument : arguments) {
        const ArgumentFolder named = InputFolderOfArgument(argument);
        const QString shown = QFile::decodeName(argument);
        switch (named.problem) {
            case ArgumentFolder::Problem::None:
                folders.append(named.folder);
                break;
            case ArgumentFolder::Problem::Missing:
                PrintWindowMessage(Text(Texts::kWindowFolderSkipped).arg(shown));
                break;
            case ArgumentFolder::Problem::NotUtf8:
                PrintWindowMessage(Text(Texts::kWindowFolderNotUtf8).arg(shown));
                break;
        }
    }
    if (!folders.isEmpty())
        form.LBInputFileDrop(&form, folders);
}
