#pragma once

#include <QAbstractItemModel>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>
#include <memory>

#include "engine/ResultModel.h"
#include "tests/ui/WindowFixture.h"

// A window over a real folder whose proposals, after "Process All" with the
// default schemes and underscores removed, hold one problem of each kind the
// list tells apart:
//
//   [P/Album]
//     Band - Album - 01 - Sun Set.mp3   -> Album - P - 01 - Sun Set.mp3
//     Band - Album - 01 - Sun_Set.mp3   -> the same name: the check's reason
//     Band - Album - 02 - Rain.mp3      -> Album - P - 02 - Rain.mp3
//     odd.mp3                           not input format
//   [P/Album/Clean]
//     Band - Clean - 05 - Wind.mp3      -> Clean - Album - 05 - Wind.mp3
//     Band - Clean - 06 - Hail.mp3      -> Clean - Album - 06 - Hail.mp3
//
// Rows are found by their file names, never by their places.
class CheckWindowFixture {
public:
    static inline const QString kSunSet = QStringLiteral("Band - Album - 01 - Sun Set.mp3");
    static inline const QString kSunUnderscore = QStringLiteral("Band - Album - 01 - Sun_Set.mp3");
    static inline const QString kRain = QStringLiteral("Band - Album - 02 - Rain.mp3");
    static inline const QString kOdd = QStringLiteral("odd.mp3");
    static inline const QString kWind = QStringLiteral("Band - Clean - 05 - Wind.mp3");
    static inline const QString kHail = QStringLiteral("Band - Clean - 06 - Hail.mp3");
    static inline const QString kSameAsSunSet =
        QStringLiteral("same new name as 'Band - Album - 01 - Sun Set.mp3'");

    // Lists the folder and proposes new names; false (with a failed check)
    // when the window is not as the layout above says.
    bool start() {
        // The folder of a test before goes first: it puts back what it found.
        stop();
        m_home = std::make_unique<ConfigHome>();
        m_dir = std::make_unique<QTemporaryDir>();
        if (!m_home->isValid() || !m_dir->isValid())
            return false;
        for (const QString& name : {kSunSet, kSunUnderscore, kRain, kOdd})
            WindowFixture::makeFile(album(), name, name.toUtf8());
        for (const QString& name : {kWind, kHail})
            WindowFixture::makeFile(album() + "/Clean", name, name.toUtf8());
        prompter = RecordingPrompter();
        form = std::make_unique<TForm1>(&prompter);
        form->resize(1200, 700);
        form->show();
        if (!QTest::qWaitForWindowExposed(form.get()))
            return false;
        widget<QCheckBox>("CBRemoveUnderscores")->setChecked(true);
        if (!AddInputFolder(widget<QListWidget>("LBInput"), album()))
            return false;
        form->BRefreshClick();
        click("BProcessAll");
        return results().size() == 8 && rowOf(kSunSet) >= 0 && prompter.criticals.isEmpty();
    }

    void stop() {
        form.reset();
        m_dir.reset();
        m_home.reset();
    }

    QString album() const { return m_dir->filePath("P/Album"); }
    ResultModel& results() const { return form->results(); }
    QTreeView* list() const { return widget<QTreeView>("LVResults"); }
    QCheckBox* onlyProblems() const { return widget<QCheckBox>("CBOnlyProblems"); }
    QLineEdit* edit() const { return widget<QLineEdit>("EManualRename"); }
    void click(const char* button) const { widget<QPushButton>(button)->click(); }

    template <typename T>
    T* widget(const char* name) const {
        return WindowFixture::control<T>(*form, name);
    }

    // The results row of a file, -1 when there is none.
    int rowOf(const QString& existing) const {
        for (int i = 0; i < results().size(); ++i) {
            if (results().row(i).isFileRow() && results().row(i).existing == existing)
                return i;
        }
        return -1;
    }
    const ResultRow& row(const QString& existing) const { return results().row(rowOf(existing)); }

    // The first column of every row the list shows, in its order: file names
    // and the folders' captions "[label]".
    QStringList shownRows() const {
        const QAbstractItemModel* shown = list()->model();
        QStringList rows;
        for (int i = 0; i < shown->rowCount(); ++i)
            rows.append(shown->index(i, ResultModel::ExistingColumn).data().toString());
        return rows;
    }

    // Whether each folder row the list shows, and only those, is drawn as a
    // heading across the row (the list sets that once the rows are in).
    bool headingsSpanRows() const {
        const QAbstractItemModel* shown = list()->model();
        for (int i = 0; i < shown->rowCount(); ++i) {
            const bool folder =
                shown->index(i, ResultModel::FolderColumn).data().toString().isEmpty();
            if (list()->isFirstColumnSpanned(i, {}) != folder)
                return false;
        }
        return true;
    }

    // The caption of the folder row of the folder whose path ends so.
    QString heading(const QString& pathEnd) const {
        for (int i = 0; i + 1 < results().size(); ++i) {
            if (results().row(i).isFolderRow() && results().row(i + 1).folder().endsWith(pathEnd))
                return results().row(i).existing;
        }
        return QStringLiteral("(no folder %1)").arg(pathEnd);
    }

    // The Check column as the list shows it, of the row showing the file.
    QString shownCheck(const QString& existing) const {
        const QAbstractItemModel* shown = list()->model();
        for (int i = 0; i < shown->rowCount(); ++i) {
            if (shown->index(i, ResultModel::ExistingColumn).data().toString() == existing)
                return shown->index(i, ResultModel::CheckColumn).data().toString();
        }
        return QStringLiteral("(not shown)");
    }

    // Clicks the file's row where the list shows it, with the modifiers.
    void clickRow(const QString& existing, Qt::KeyboardModifiers modifiers = {}) const {
        const QAbstractItemModel* shown = list()->model();
        for (int i = 0; i < shown->rowCount(); ++i) {
            const QModelIndex index = shown->index(i, ResultModel::ExistingColumn);
            if (index.data().toString() != existing)
                continue;
            list()->scrollTo(index);
            QTest::mouseClick(list()->viewport(), Qt::LeftButton, modifiers,
                              list()->visualRect(index).center());
            return;
        }
        QFAIL(qPrintable("not shown: " + existing));
    }

    // Types a manual rename for the file and applies it with Enter.
    void renameByHand(const QString& existing, const QString& typed) const {
        clickRow(existing);
        edit()->clear();
        QTest::keyClicks(edit(), typed);
        QTest::keyClick(edit(), Qt::Key_Return);
    }

    RecordingPrompter prompter;
    std::unique_ptr<TForm1> form;

private:
    std::unique_ptr<ConfigHome> m_home;
    std::unique_ptr<QTemporaryDir> m_dir;
};
