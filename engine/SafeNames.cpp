#include "engine/SafeNames.h"

bool IsUnsafeNameCharacter(QChar c) {
    switch (c.unicode()) {
        case u':':
        case u'*':
        case u'?':
        case u'"':
        case u'<':
        case u'>':
        case u'|':
        case u'\\':
            return true;
        default:
            return c.unicode() < 0x20;
    }
}

QString SafeReplacementOf(const QString& typed) {
    QString safe;
    safe.reserve(typed.size());
    for (const QChar c : typed) {
        if (!IsUnsafeNameCharacter(c) && c != u'/')
            safe += c;
    }
    return safe;
}

bool IsSafeReplacement(const QString& typed) {
    return SafeReplacementOf(typed) == typed;
}

QString SafeName(const QString& name, const QString& replacement) {
    // Guarded here as well: the replacement may never bring in what it replaces.
    const QString safeReplacement = SafeReplacementOf(replacement);
    QString safe;
    safe.reserve(name.size());
    for (const QChar c : name) {
        if (IsUnsafeNameCharacter(c))
            safe += safeReplacement;
        else
            safe += c;
    }
    qsizetype end = safe.size();
    while (end > 0 && (safe[end - 1] == u'.' || safe[end - 1] == u' '))
        --end;
    safe.truncate(end);
    return safe;
}
