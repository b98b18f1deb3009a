#pragma once

#include <QStringList>

// Makes the program speak the user's language: loads Norvane's own translation
// of the table of texts and Qt's translation of its standard buttons and
// dialogs for the first language of QLocale::system() that Norvane knows.
// The table is written in English; English, and the "C" locale, need only
// the plural forms of its counts ("1 file", "2 files"), which are loaded under
// every language.
// The translations are looked for in the installed data folder
// (<prefix>/share/norvane/translations) and then in the build folder, so that
// an uninstalled build speaks the language too. Call once, after the
// application object exists and before any text is looked up.
void InstallTranslations();

// A text of the table in English and in every language whose translation is
// found, each once: what a text written by the programs in any language may
// read, for reading their output back.
QStringList TextInEveryLanguage(const char* entry);
