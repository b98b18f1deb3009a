#include "cli/SchemeText.h"

#include <QVector>
#include <algorithm>

#include "cli/UsageError.h"
#include "shared/General/Texts.h"

namespace {

struct FieldMatch {
    qsizetype position = -1;
    qsizetype length = 0;
    int kind = -1;
};

// The field name that starts first at or after from; of names starting at the
// same place the longest wins, so "ParentFolder" is never read as "Folder".
FieldMatch NextField(const QString& text, qsizetype from, const QStringList& names) {
    FieldMatch best;
    for (int kind = 0; kind < names.size(); ++kind) {
        const QString& name = names.at(kind);
        const qsizetype at = text.indexOf(name, from, Qt::CaseInsensitive);
        if (at < 0)
            continue;
        if (best.position < 0 || at < best.position ||
            (at == best.position && name.size() > best.length))
            best = {at, name.size(), kind};
    }
    return best;
}

// Letters, digits and the marks of "Track#" and "[none]" make up the words
// of a scheme; anything else stands between them.
bool IsWordCharacter(QChar c) {
    return c.isLetterOrNumber() || c == u'#' || c == u'[' || c == u']';
}

// The optimal string alignment distance: insertions, deletions,
// substitutions and swaps of two neighbours each count one.
int EditDistance(const QString& a, const QString& b) {
    const qsizetype n = a.size();
    const qsizetype m = b.size();
    QVector<QVector<int>> d(n + 1, QVector<int>(m + 1, 0));
    for (qsizetype i = 0; i <= n; ++i)
        d[i][0] = static_cast<int>(i);
    for (qsizetype j = 0; j <= m; ++j)
        d[0][j] = static_cast<int>(j);
    for (qsizetype i = 1; i <= n; ++i) {
        for (qsizetype j = 1; j <= m; ++j) {
            const int cost = a.at(i - 1) == b.at(j - 1) ? 0 : 1;
            d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + cost});
            if (i > 1 && j > 1 && a.at(i - 1) == b.at(j - 2) && a.at(i - 2) == b.at(j - 1))
                d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
        }
    }
    return d[n][m];
}

constexpr int kNearMissEdits = 2;

// Whether the letters of word stand in name in the same order: a word typed
// with letters left out.
bool IsSubsequence(const QString& word, const QString& name) {
    qsizetype at = 0;
    for (const QChar c : name) {
        if (at < word.size() && word.at(at) == c)
            ++at;
    }
    return at == word.size();
}

// Refuses a word that is almost, but not quite, a field name.
void RefuseNearMisses(const QString& text, const QStringList& names) {
    qsizetype i = 0;
    while (i < text.size()) {
        if (!IsWordCharacter(text.at(i))) {
            ++i;
            continue;
        }
        qsizetype end = i;
        while (end < text.size() && IsWordCharacter(text.at(end)))
            ++end;
        const QString word = text.mid(i, end - i);
        i = end;
        const QString folded = word.toLower();
        int best = kNearMissEdits + 1;
        QString meant;
        for (const QString& name : names) {
            const int distance = EditDistance(folded, name.toLower());
            if (distance == 0) {
                best = 0;
                break;
            }
            // Of two fields as near, the one the word leaves letters out of.
            if (distance < best || (distance == best && !IsSubsequence(folded, meant.toLower()) &&
                                    IsSubsequence(folded, name.toLower()))) {
                best = distance;
                meant = name;
            }
        }
        if (best > 0 && best <= kNearMissEdits)
            throw UsageError(Text(Texts::kCliSchemeNearMiss).arg(text, word, meant));
    }
}

}  // namespace

FilenameScheme ParseSchemeText(const QString& text) {
    const QStringList names = FieldKindEnglishTexts();
    RefuseNearMisses(text, names);
    FilenameScheme scheme;
    scheme.slots.fill(static_cast<int>(FieldKind::None));
    scheme.dividers.fill(QStringLiteral(" - "));

    FieldMatch field = NextField(text, 0, names);
    if (field.position < 0)
        throw UsageError(Text(Texts::kCliSchemeNoField).arg(text));
    if (field.position > 0)
        throw UsageError(Text(Texts::kCliSchemeTextBefore).arg(text, text.left(field.position)));

    int slot = 0;
    while (field.position >= 0) {
        if (slot == kSlotCount)
            throw UsageError(Text(Texts::kCliSchemeTooManyFields).arg(text));
        scheme.slots[slot] = field.kind;
        const qsizetype end = field.position + field.length;
        const FieldMatch next = NextField(text, end, names);
        const qsizetype dividerEnd = next.position < 0 ? text.size() : next.position;
        const QString divider = text.mid(end, dividerEnd - end);
        if (slot < kDividerCount) {
            // After the last field only written text replaces the default divider.
            if (next.position >= 0 || !divider.isEmpty())
                scheme.dividers[slot] = divider;
        } else if (next.position < 0 && !divider.isEmpty()) {
            throw UsageError(Text(Texts::kCliSchemeTextAfterFifth).arg(text, divider));
        }
        field = next;
        ++slot;
    }
    return scheme;
}

QString SchemeTextOf(const FilenameScheme& scheme) {
    const QStringList names = FieldKindEnglishTexts();
    const SlotList slots = ActiveSlots(scheme);
    QString text;
    for (qsizetype k = 0; k < slots.size(); ++k) {
        text += names.at(static_cast<int>(slots.at(k).kind));
        if (k + 1 < slots.size())
            text += slots.at(k).rightDivider;
    }
    return text;
}
