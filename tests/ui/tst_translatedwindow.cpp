#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSet>
#include <QTabWidget>
#include <QTest>
#include <QTranslator>
#include <QTreeView>

#include "shared/General/Translations.h"
#include "tests/ui/WindowFixture.h"

using namespace WindowFixture;

namespace {

struct Caption {
    QString where;
    QString text;
};

// Every text the window shows before any folder is listed: captions, titles,
// tabs, list items, column headings, menu items and tool tips.
QList<Caption> Captions(TForm1& form) {
    QList<Caption> captions;
    auto add = [&captions](const QObject* owner, const QString& text) {
        if (!text.isEmpty())
            captions.append({owner->objectName(), text});
    };
    const QList<QWidget*> widgets = form.findChildren<QWidget*>();
    for (QWidget* widget : widgets) {
        add(widget, widget->toolTip());
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            add(button, button->text());
        else if (auto* label = qobject_cast<QLabel*>(widget))
            add(label, label->text());
        else if (auto* group = qobject_cast<QGroupBox*>(widget))
            add(group, group->title());
        else if (auto* tabs = qobject_cast<QTabWidget*>(widget))
            for (int i = 0; i < tabs->count(); ++i)
                add(tabs, tabs->tabText(i));
        else if (auto* list = qobject_cast<QListWidget*>(widget))
            for (int i = 0; i < list->count(); ++i)
                add(list, list->item(i)->text());
        else if (auto* menu = qobject_cast<QMenu*>(widget))
            for (const QAction* action : menu->actions())
                add(action, action->text());
    }
    const QAbstractItemModel* model = control<QTreeView>(form, "LVResults")->model();
    for (int column = 0; column < model->columnCount(); ++column)
        add(model, model->headerData(column, Qt::Horizontal).toString());
    return captions;
}

// The letter after a caption's single "&", lower-cased; a null character when
// there is none.
QChar Mnemonic(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text.at(i) != u'&')
            continue;
        if (text.at(i + 1) != u'&')
            return text.at(i + 1).toLower();
        ++i;
    }
    return {};
}

}  // namespace

// The window started in the user's language, as main() starts it: CTest runs
// this test once per language with LANG and LC_ALL set to it.
class TestTranslatedWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init() {
        // The folder of the test before goes first: it puts back what it found.
        m_home.reset();
        m_home = std::make_unique<ConfigHome>();
        QVERIFY(m_home->isValid());
    }
    void everyCaptionIsTranslated();
    void menuMnemonicsAreDistinct();
    void standardButtonsSpeakTheLanguage();

private:
    std::unique_ptr<ConfigHome> m_home;
    QString m_language;
    QTranslator m_reference;
};

void TestTranslatedWindow::initTestCase() {
    m_language = qEnvironmentVariable("NORVANE_TEST_LANGUAGE");
    QVERIFY2(!m_language.isEmpty(), "run by CTest, which names the language");
    // The translation as the build made it, read independently of the program's loader.
    QVERIFY(m_reference.load(QStringLiteral("norvane_") + m_language,
                             qEnvironmentVariable("NORVANE_BUILD_DIR") + "/translations"));
    QCOMPARE(m_reference.language(), m_language);
    InstallTranslations();
}

// No caption is still an English text that has a translation.
void TestTranslatedWindow::everyCaptionIsTranslated() {
    RecordingPrompter prompter;
    TForm1 form(&prompter);
    form.show();

    const QList<Caption> captions = Captions(form);
    QVERIFY(captions.size() > 40);
    QStringList english;
    for (const Caption& caption : captions) {
        const QString translation =
            m_reference.translate("Norvane", caption.text.toUtf8().constData());
        if (!translation.isEmpty() && translation != caption.text)
            english.append(caption.where + QStringLiteral(": ") + caption.text);
    }
    QVERIFY2(english.isEmpty(), qPrintable(english.join(QStringLiteral("\n"))));
    QCOMPARE(control<QTabWidget>(form, "PageControl1")->tabText(1),
             m_reference.translate("Norvane", "Rename"));
    QCOMPARE(control<QPushButton>(form, "BProcessAll")->text(),
             m_reference.translate("Norvane", "Process All"));
}

// Each item of the results list's context menu has a mnemonic of its own.
void TestTranslatedWindow::menuMnemonicsAreDistinct() {
    RecordingPrompter prompter;
    TForm1 form(&prompter);

    QSet<QChar> seen;
    for (const QAction* action : control<QMenu>(form, "PopupMenu1")->actions()) {
        const QChar mnemonic = Mnemonic(action->text());
        QVERIFY2(!mnemonic.isNull(), qPrintable(action->text()));
        QVERIFY2(!seen.contains(mnemonic), qPrintable(action->text()));
        seen.insert(mnemonic);
    }
    // Process, Execute, Cancel, Replace and Undo.
    QCOMPARE(seen.size(), 5);
}

// Qt's own translation comes along, so the dialogs' buttons match the window.
void TestTranslatedWindow::standardButtonsSpeakTheLanguage() {
    QDialogButtonBox buttons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    const QString cancel = buttons.button(QDialogButtonBox::Cancel)->text();
    QVERIFY(!cancel.isEmpty());
    QVERIFY2(cancel != QLatin1String("Cancel") && cancel != QLatin1String("&Cancel"),
             qPrintable(cancel));
}

QTEST_MAIN(TestTranslatedWindow)
#include "tst_translatedwindow.moc"
