#include <QApplication>

#include "shared/General/Translations.h"
#include "ui/TForm1.h"
#include "ui/WindowCommandLine.h"
#include "ui/WindowStart.h"

int main(int argc, char* argv[]) {
    // --help and --version are answered before the window system is reached,
    // so that they work without a display.
    if (const std::optional<int> answered = AnswerInformationOptions(argc, argv))
        return *answered;
    QApplication app(argc, argv);
    InstallTranslations();
    // Qt has taken its own options out of argv by now; the rest is ours.
    const std::unique_ptr<TForm1> form = StartWindow(ArgumentsAfterProgram(argc, argv));
    if (!form)
        return kWindowUsageExit;
    return app.exec();
}
