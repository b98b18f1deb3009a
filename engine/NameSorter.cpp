#include "engine/NameSorter.h"

#include <QCollator>
#include <algorithm>
#include <numeric>
#include <vector>

namespace {

// The case-folded form of a name, the same as QString::toCaseFolded gives,
// made without its per-character table walk where that is not needed: ASCII
// letters fold by arithmetic and every other character of the Basic
// Multilingual Plane by QChar's fold of that one character, which is what the
// string's fold does too (folding never looks at neighbours nor changes the
// length there). A name with a surrogate takes the string's own fold.
QString FoldedKey(const QString& name) {
    QString key(name.size(), Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(key.data());
    const char16_t* in = reinterpret_cast<const char16_t*>(name.constData());
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char16_t c = in[i];
        if (c < 0x80) {
            out[i] = c >= u'A' && c <= u'Z' ? char16_t(c + (u'a' - u'A')) : c;
        } else if (QChar::isSurrogate(c)) {
            return name.toCaseFolded();
        } else {
            out[i] = static_cast<char16_t>(QChar::toCaseFolded(char32_t(c)));
        }
    }
    return key;
}

// compare(a, b) is below, at or above 0 as key a sorts before, with or after key b.
template <typename Key, typename Compare>
QList<qsizetype> OrderByKeys(const QStringList& names, const std::vector<Key>& keys,
                             Compare compare) {
    QList<qsizetype> order(names.size());
    std::iota(order.begin(), order.end(), qsizetype(0));
    std::stable_sort(order.begin(), order.end(), [&](qsizetype a, qsizetype b) {
        const int byKey = compare(keys[a], keys[b]);
        return byKey != 0 ? byKey < 0 : names[a] < names[b];
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
            keys.push_back(FoldedKey(name));
        return OrderByKeys(names, keys, [](const QString& a, const QString& b) {
            return QString::compare(a, b, Qt::CaseSensitive);
        });
    }
    QCollator collator(m_locale);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::vector<QCollatorSortKey> keys;
    keys.reserve(names.size());
    for (const QString& name : names)
        keys.push_back(collator.sortKey(name));
    return OrderByKeys(names, keys, [](const QCollatorSortKey& a, const QCollatorSortKey& b) {
        return a.compare(b);
    });
}
