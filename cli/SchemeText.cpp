#include "cli/SchemeText.h"

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

}  // namespace

FilenameScheme ParseSchemeText(const QString& text) {
    const QStringList names = FieldKindEnglishTexts();
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
