// Shows Norvane's window at its default size on a made-up library, the way a
// user sees it after dropping two of its folders and pressing "Process All"
// (on the page "Rename", with the mouse resting on a status longer than its
// column), and saves a picture of it. Run under an X server (scripts/screenshot.sh
// uses Xvfb).
//
// Usage: norvane-screenshot PICTURE [PAGE]
// PAGE 1 shows the page "Rename" (the default), 0 the page "InputFolders".
#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QFile>
#include <QHelpEvent>
#include <QItemSelectionModel>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>

#include "engine/ResultModel.h"
#include "shared/General/Translations.h"
#include "ui/Prompter.h"
#include "ui/TForm1.h"

namespace {

// Messages are not wanted in the picture.
class SilentPrompter : public Prompter {
public:
    void information(QWidget*, const QString&) override {}
    void critical(QWidget*, const QString&) override {}
};

// Part of a library as it grows: names that fit the default scheme, names
// with underscores and upper-case extensions, one already renamed, one
// without a track number, one with a number that is none, and a cover.
void makeLibrary(const QString& root) {
    const QStringList files = {
        "Nordlicht/Abendrot/Nordlicht - Abendrot - 01 - Erste Stunde.mp3",
        "Nordlicht/Abendrot/Nordlicht - Abendrot - 02 - Kalte_Nacht.MP3",
        "Nordlicht/Abendrot/Nordlicht - Abendrot - 03 - Dächer.mp3",
        "Nordlicht/Abendrot/Abendrot - Nordlicht - 04 - Heimweg.mp3",
        "Nordlicht/Abendrot/Nordlicht - Abendrot - Bonus.mp3",
        "Nordlicht/Abendrot/cover.jpg",
        "Tidewater/Harbour Live/Tidewater - Harbour Live - 01 - Opening.mp3",
        "Tidewater/Harbour Live/Tide_water - Harbour Live - 02 - Low_Tide.mp3",
        "Tidewater/Harbour Live/Tidewater - Harbour Live - x3 - Encore.mp3",
    };
    for (const QString& name : files) {
        const QString path = root + "/" + name;
        QDir().mkpath(path.section('/', 0, -2));
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(QByteArray(4096 * (name.size() % 7 + 1), 'x'));
    }
}

// Rests the mouse on a cell, as a user does to read a text cut short: the
// pointer moves there, and a moment later the tool tip is asked for.
void pauseOver(QTreeView* list, const QModelIndex& cell) {
    const QPoint point = list->visualRect(cell).center();
    QCursor::setPos(list->viewport()->mapToGlobal(point));
    QTimer::singleShot(300, list, [list, point] {
        QHelpEvent event(QEvent::ToolTip, point, list->viewport()->mapToGlobal(point));
        QCoreApplication::sendEvent(list->viewport(), &event);
    });
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // In the language of the locale the picture is taken under, as the
    // program itself starts.
    InstallTranslations();
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
    // One folder after the other, as they are dragged over.
    form.LBInputFileDrop(&form, {music + "/Nordlicht/Abendrot"});
    QTimer::singleShot(200, &form, [&] { form.LBInputFileDrop(&form, {music + "/Tidewater"}); });

    auto* list = form.findChild<QTreeView*>("LVResults");
    QTimer::singleShot(500, &form, [&] {
        form.findChild<QTabWidget*>("PageControl1")->setCurrentIndex(page);
        form.findChild<QPushButton*>("BProcessAll")->click();
        list->selectionModel()->setCurrentIndex(
            form.results().index(3, 0),
            QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    });
    // The status of "... - Bonus.mp3" is longer than its column.
    if (page == 1) {
        QTimer::singleShot(900, &form, [&] {
            pauseOver(list, form.results().index(5, ResultModel::StatusColumn));
        });
    }
    QTimer::singleShot(1500, &form, [&] {
        const QRect frame = form.frameGeometry();
        const QPixmap shot =
            form.screen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
        const bool saved = shot.save(output);
        QApplication::exit(saved ? 0 : 1);
    });
    return app.exec();
}
