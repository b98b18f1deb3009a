#include "engine/NewNamePreview.h"

#include <QLocale>

#include "engine/NameComparison.h"

namespace {

QString FieldWord(FieldKind kind, const NameOptions& options, const QLocale& locale) {
    const QString word = FieldKindText(static_cast<int>(kind));
    switch (kind) {
        case FieldKind::TrackNo:
            if (options.padTrackDigits > 0)
                return word + QStringLiteral(" (") +
                       PaddedTrackNumber(u"1", options.padTrackDigits) + u')';
            return word;
        case FieldKind::Artist:
        case FieldKind::Album:
        case FieldKind::Trackname:
            return Capitalised(word, options.capitalisation, locale);
        default:
            return word;
    }
}

}  // namespace

QString NewSchemePreviewText(const FilenameScheme& scheme, const QString& firstExtensionLine,
                             const NameOptions& options) {
    const QLocale locale = QLocale::system();
    QString text = SchemePreviewText(scheme, firstExtensionLine, [&](FieldKind kind) {
        return FieldWord(kind, options, locale);
    });
    if (options.safeNames)
        text = SafeName(text, options.safeReplacement);
    if (options.normalizeNfc)
        text = ComposedName(text);
    return text;
}
