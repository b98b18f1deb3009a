// Shows Norvane's window at its default size on a made-up library, the way a
// user sees it after adding the library's folder and pressing "Process All",
// and saves a picture of it. Run under an X server (scripts/screenshot.sh
// uses Xvfb).
//
// Usage: norvane-screenshot PICTURE [PAGE]
// PAGE 1 shows the page "Rename" (the default), 0 the page "InputFolders".
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QItemSelectionModel>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>

#include "engine/ResultModel.h"
#include "ui/Prompter.h"
#include "ui/TForm1.h"

namespace {

// Messages are not wanted in the picture.
class SilentPrompter : public Prompter {
public:
    void information(QWidget*, const QString&) override {}
    void critical(QWidget*, const QString&) override {}
};

// Two artists as a library grows: names that fit the default scheme, names
// with underscores and upper-case extensions, one already renamed, names
// without a track number or with a number that is none, and a cover picture.
void makeLibrary(const QString& root) {
    const QStringList files = {
        "Nordlicht/Abendrot/Nordlicht - Abendrot - 01 - Erste Stunde.mp3",
        "Nordlicht/Abendrot/Nordlicht - Abendrot - 02 - Kalte_Nacht.MP3",
        "Nordlicht/Abendrot/Nordlicht - Abendrot - 03 - Über den Dächern.mp3",
        "Nordlicht/Abendrot/Abendrot - Nordlicht - 04 - Heimweg.mp3",
        "Nordlicht/Abendrot/Nordlicht - Abendrot - Bonus.mp3",
        "Nordlicht/Abendrot/cover.jpg",
        "The Quiet Hours/Live at the Harbour/The Quiet Hours - Live at the Harbour - 01 - "
        "Opening.mp3",
        "The Quiet Hours/Live at the Harbour/The_Quiet_Hours - Live at the Harbour - 02 - "
        "Low_Tide.mp3",
        "The Quiet Hours/Live at the Harbour/The Quiet Hours - Live at the Harbour - x3 - "
        "Encore.mp3",
    };
    for (const QString& name : files) {
        const QString path = root + "/" + name;
        QDir().mkpath(path.section('/', 0, -2));
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(QByteArray(4096 * (name.size() % 7 + 1), 'x'));
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QString output = argc > 1 ? QString::fromLocal8Bit(argv[1]) : "screenshot.png";
    const int page = argc > 2 ? QByteArray(argv[2]).toInt() : 1;
    QTemporaryDir library(QDir::tempPath() + "/library-XXXXXX");
    const QString music = library.path() + "/Music";
    makeLibrary(music);

    SilentPrompter prompter;
    TForm1 form(&prompter);
    form.resize(851, 462);
    form.move(0, 0);
    form.show();
    form.LBInputFileDrop(&form, {music});

    QTimer::singleShot(500, &form, [&] {
        form.findChild<QTabWidget*>("PageControl1")->setCurrentIndex(page);
        form.findChild<QPushButton*>("BProcessAll")->click();
        auto* list = form.findChild<QTreeView*>("LVResults");
        list->selectionModel()->setCurrentIndex(
            form.results().index(4, 0),
            QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    });
    QTimer::singleShot(1500, &form, [&] {
        const QRect frame = form.frameGeometry();
        const QPixmap shot =
            form.screen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
        const bool saved = shot.save(output);
        QApplication::exit(saved ? 0 : 1);
    });
    return app.exec();
}
