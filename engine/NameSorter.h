#pragma once

#include <QList>
#include <QLocale>
#include <QStringList>

// Orders names the way Norvane lists them: without regard to case by the
// locale's collation, ties broken by exact comparison so that the order does
// not depend on the order the names came in.
class NameSorter {
public:
    explicit NameSorter(const QLocale& locale = QLocale::system());

    // Positions into names, in sorted order. Each name's sort key is made once.
    QList<qsizetype> sortedOrder(const QStringList& names) const;

private:
    QLocale m_locale;
};
