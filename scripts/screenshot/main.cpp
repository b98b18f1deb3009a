// Shows Norvane's window on a small made-up library, the way a user sees it
// after adding a folder and pressing "Process All", and saves a picture of
// the screen. Run under an X server (scripts/screenshot.sh uses Xvfb).
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QItemSelectionModel>
#include <QListWidget>
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

void makeLibrary(const QString& root) {
    const QStringList files = {
        "Some Band/Best Of/Some_Band - Best Of - 01 - Night_Drive.MP3",
        "Some Band/Best Of/Some Band - Best Of - 02 - City Lights.mp3",
        "Some Band/Best Of/Some Band - Best Of - 03 - Last Train.mp3",
        "Some Band/Best Of/Some Band - Best Of - 04.mp3",
        "Some Band/Best Of/Best Of - Some Band - 05 - Home.mp3",
        "Some Band/Live/Some Band - Live - 01 - Opening.mp3",
        "Some Band/Live/Some Band - Live - 02 - Encore.mp3",
        "Some Band/Live/Some Band - Live - x1 - Bonus.mp3",
        "Some Band/Live/cover.jpg",
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
    // The page to show: 1 "Rename" (the default), 0 "InputFolders".
    const int page = argc > 2 ? QByteArray(argv[2]).toInt() : 1;
    QTemporaryDir library;
    makeLibrary(library.path() + "/Music");

    SilentPrompter prompter;
    TForm1 form(&prompter);
    form.setGeometry(0, 0, 1000, 520);
    form.show();
    form.LBInputFileDrop(&form, {library.path() + "/Music/Some Band"});

    QTimer::singleShot(500, &form, [&] {
        form.findChild<QTabWidget*>("PageControl1")->setCurrentIndex(page);
        form.findChild<QPushButton*>("BProcessAll")->click();
        auto* list = form.findChild<QTreeView*>("LVResults");
        list->selectionModel()->setCurrentIndex(
            form.results().index(4, 0),
            QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    });
    QTimer::singleShot(1500, &form, [&] {
        const QPixmap shot = form.screen()->grabWindow(0, 0, 0, 1000, 520);
        const bool saved = shot.save(output);
        QApplication::exit(saved ? 0 : 1);
    });
    return app.exec();
}
