#include "engine/NameSorter.h"

#include <QCollator>
#include <algorithm>
#include <numeric>
#include <vector>

namespace {

template <typename Key, typename Less>
QList<qsizetype> OrderByKeys(const QStringList& names, const std::vector<Key>& keys, Less less) {
    QList<qsizetype> order(names.size());
    std::iota(order.begin(), order.end(), qsizetype(0));
    std::stable_sort(order.begin(), order.end(), [&](qsizetype a, qsizetype b) {
        if (less(keys[a], keys[b]))
            return true;
        if (less(keys[b], keys[a]))
            return false;
        return names[a] < names[b];
    });
    return order;
}

}  // namespace

NameSorter::NameSorter(const QLocale& locale) : m_locale(locale) {}

QList<qsizetype> NameSorter::sortedOrder(const QStringList& names) const {
    if (m_locale.language() == QLocale::C) {
        // QCollator's sort keys ignore the case setting in the C locale, so
        // compare case-folded names there.
        std::vector<QString> keys;
        keys.reserve(names.size());
        for (const QString& name : names)
            keys.push_back(name.toCaseFolded());
        return OrderByKeys(names, keys, [](const QString& a, const QString& b) { return a < b; });
    }
    QCollator collator(m_locale);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::vector<QCollatorSortKey> keys;
    keys.reserve(names.size());
    for (const QString& name : names)
        keys.push_back(collator.sortKey(name));
    return OrderByKeys(names, keys, [](const QCollatorSortKey& a, const QCollatorSortKey& b) {
        return a.compare(b) < 0;
    });
}
