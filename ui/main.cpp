#include <QApplication>
#include <QLabel>

#include "shared/General/Texts.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(Text(Texts::kProgramTitle));
    QLabel label(Text(Texts::kProgramTitle));
    label.resize(851, 462);
    label.show();
    return app.exec();
}
