#include "engine/NameComparison.h"

namespace {

// No text below U+0300 composes with anything before it, and such text is
// its own composed form: most names are, and need no look-up.
bool ComposedAsItStands(const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() >= 0x300)
            return false;
    }
    return true;
}

}  // namespace

QString ComposedName(const QString& name) {
    if (ComposedAsItStands(name))
        return name;
    return name.normalized(QString::NormalizationForm_C);
}

bool SameNameText(const QString& a, const QString& b) {
    if (a == b)
        return true;
    if (ComposedAsItStands(a) && ComposedAsItStands(b))
        return false;
    return ComposedName(a) == ComposedName(b);
}

QString NameKeyIgnoringCase(const QString& name, const QLocale& locale) {
    return ComposedName(locale.toLower(name));
}

bool SameNameTextIgnoringCase(const QString& a, const QString& b, const QLocale& locale) {
    return NameKeyIgnoringCase(a, locale) == NameKeyIgnoringCase(b, locale);
}
