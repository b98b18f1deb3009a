#pragma once

#include <QLocale>
#include <QString>

// Names are compared as people read them: texts that Unicode calls
// canonically equivalent are one name, such as a precomposed "é" and an "e"
// followed by a combining acute accent, the form names copied from a Mac
// hold. Every check that two names are the same goes through these: the
// Folder and ParentFolder fields against the folders, a new name against the
// existing one, and new names against each other.

// The name in Unicode NFC, the composed form. Two names are the same name
// exactly when their composed forms are equal, so this is also the key by
// which names can be hashed or sorted as the same.
QString ComposedName(const QString& name);

// Whether two names are the same name: equal up to canonical equivalence;
// letter case counts.
bool SameNameText(const QString& a, const QString& b);

// The key of a name ignoring case as well: the composed form of the
// locale's lower case.
QString NameKeyIgnoringCase(const QString& name, const QLocale& locale);

// Whether two names are the same name ignoring letter case by the locale.
bool SameNameTextIgnoringCase(const QString& a, const QString& b, const QLocale& locale);
