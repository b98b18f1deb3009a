#include <QApplication>

#include "settings/FormPlacement.h"
#include "shared/General/General.h"
#include "shared/General/Texts.h"
#include "shared/General/Translations.h"
#include "ui/TForm1.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    InstallTranslations();
    // The identity values come first: the settings key rests on them.
    ProgramFilePath();
    QApplication::setApplicationName(Text(Texts::kProgramTitle));
    QApplication::setApplicationDisplayName(Text(Texts::kProgramTitle));
    TForm1 form;
    ShowMainWindow(&form);
    return app.exec();
}
