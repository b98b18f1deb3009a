#include "engine/FilenameScheme.h"

#include <QStringList>

#include "shared/General/Texts.h"

namespace {

// Item texts of the slot list boxes, by kind index.
constexpr std::array<const char*, kFieldKindCount> kKindEntries = {
    Texts::kFieldArtist, Texts::kFieldAlbum,        Texts::kFieldTrackNo, Texts::kFieldTrackname,
    Texts::kFieldFolder, Texts::kFieldParentFolder, Texts::kFieldNone,
};

// A slot holds a field for kinds 0 to 5; "[none]" (6) and nothing chosen (-1) hold none.
bool HoldsField(int kind) {
    return kind >= 0 && kind < static_cast<int>(FieldKind::None);
}

}  // namespace

QString FieldKindText(int kind) {
    if (kind < 0 || kind >= kFieldKindCount)
        return {};
    return Text(kKindEntries[kind]);
}

QStringList FieldKindTexts() {
    QStringList texts;
    texts.reserve(kFieldKindCount);
    for (const char* entry : kKindEntries)
        texts.append(Text(entry));
    return texts;
}

QStringList FieldKindEnglishTexts() {
    QStringList texts;
    texts.reserve(kFieldKindCount);
    for (const char* entry : kKindEntries)
        texts.append(QString::fromLatin1(entry));
    return texts;
}

SlotList ActiveSlots(const FilenameScheme& scheme) {
    SlotList active;
    active.reserve(kSlotCount);
    for (int k = 0; k < kSlotCount; ++k) {
        const int kind = scheme.slots[k];
        if (!HoldsField(kind))
            continue;
        ActiveSlot slot;
        slot.number = k + 1;
        slot.kind = static_cast<FieldKind>(kind);
        // Slot 5 has no divider on its right.
        if (k < kDividerCount)
            slot.rightDivider = scheme.dividers[k];
        active.append(std::move(slot));
    }
    return active;
}

FilenameScheme DefaultScheme(SchemeRole role) {
    FilenameScheme scheme;
    if (role == SchemeRole::Existing) {
        scheme.slots = {static_cast<int>(FieldKind::Artist), static_cast<int>(FieldKind::Album),
                        static_cast<int>(FieldKind::TrackNo),
                        static_cast<int>(FieldKind::Trackname), static_cast<int>(FieldKind::None)};
    } else {
        scheme.slots = {static_cast<int>(FieldKind::Folder),
                        static_cast<int>(FieldKind::ParentFolder),
                        static_cast<int>(FieldKind::TrackNo),
                        static_cast<int>(FieldKind::Trackname), static_cast<int>(FieldKind::None)};
    }
    scheme.dividers.fill(QStringLiteral(" - "));
    return scheme;
}

void ApplyDefaultScheme(FilenameScheme& scheme, SchemeRole role) {
    scheme = DefaultScheme(role);
}

QString SchemePreviewText(const FilenameScheme& scheme, const QString& firstExtensionLine) {
    return SchemePreviewText(scheme, firstExtensionLine,
                             [](FieldKind kind) { return FieldKindText(static_cast<int>(kind)); });
}

QString SchemePreviewText(const FilenameScheme& scheme, const QString& firstExtensionLine,
                          const std::function<QString(FieldKind)>& word) {
    QString text;
    for (int k = 0; k < kSlotCount; ++k) {
        const int kind = scheme.slots[k];
        if (!HoldsField(kind))
            continue;
        // The preview joins with the divider on the slot's left; the name
        // computation splits by the divider on the right. They differ only
        // when a "[none]" slot stands between two fields.
        if (!text.isEmpty())
            text += scheme.dividers[k - 1];
        text += word(static_cast<FieldKind>(kind));
    }
    text += firstExtensionLine;
    return text;
}
