#include "shared/General/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QStringList>
#include <QTranslator>

namespace {

// Loads name_<language>.qm (or the file of the language without its
// territory) from one of the folders into a translator of the application.
bool InstallTranslator(const QString& name, const QString& language, const QStringList& folders) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    for (const QString& folder : folders) {
        if (translator->load(name + u'_' + language, folder) &&
            QCoreApplication::installTranslator(translator))
            return true;
    }
    delete translator;
    return false;
}

// English texts are the table's own; "C" and "POSIX" ask for them too.
bool IsSourceLanguage(const QString& language) {
    const QLocale::Language spoken = QLocale(language).language();
    return spoken == QLocale::English || spoken == QLocale::C;
}

// The installed data folder, found from the program's own folder so that an
// installation can move, then the build folder.
QStringList TranslationFolders() {
    const QString installed = QDir::cleanPath(QCoreApplication::applicationDirPath() + u'/' +
                                              QStringLiteral(NORVANE_INSTALLED_TRANSLATIONS));
    return {installed, QStringLiteral(NORVANE_BUILD_TRANSLATIONS)};
}

}  // namespace

void InstallTranslations() {
    const QStringList folders = TranslationFolders();
    // The table's English needs its plural forms in every language: it is
    // what any text a language lacks falls back to. Installed first, it is
    // asked last.
    InstallTranslator(QStringLiteral("norvane"), QStringLiteral("en"), folders);
    const QLocale system = QLocale::system();
    // LC_ALL=C means untranslated messages, whatever LANGUAGE lists.
    if (system.language() == QLocale::C)
        return;
    // The languages in the user's order of preference: the first that is
    // English or has a translation wins, so "en_GB:de" stays English.
    for (QString language : system.uiLanguages()) {
        language.replace(u'-', u'_');
        if (IsSourceLanguage(language))
            return;
        if (InstallTranslator(QStringLiteral("norvane"), language, folders)) {
            InstallTranslator(QStringLiteral("qtbase"), language,
                              {QLibraryInfo::path(QLibraryInfo::TranslationsPath)});
            return;
        }
    }
}

QStringList TextInEveryLanguage(const char* entry) {
    QStringList texts = {QString::fromUtf8(entry)};
    for (const QString& folder : TranslationFolders()) {
        const QDir dir(folder);
        for (const QString& file :
             dir.entryList({QStringLiteral("norvane_*.qm")}, QDir::Files, QDir::Name)) {
            QTranslator translator;
            if (!translator.load(dir.filePath(file)))
                continue;
            const QString text = translator.translate("Norvane", entry);
            if (!text.isEmpty() && !texts.contains(text))
                texts.append(text);
        }
    }
    return texts;
}
