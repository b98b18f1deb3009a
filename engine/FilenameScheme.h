#pragma once

#include <QString>
#include <QVector>
#include <array>
#include <functional>

// The kind of field a scheme slot holds; the value is also the item's index in
// every slot list box.
enum class FieldKind : int {
    Artist = 0,
    Album = 1,
    TrackNo = 2,
    Trackname = 3,
    Folder = 4,
    ParentFolder = 5,
    None = 6,
};

inline constexpr int kFieldKindCount = 7;
inline constexpr int kSlotCount = 5;
inline constexpr int kDividerCount = 4;

// The item text of a kind index ("Artist" ... "[none]"); empty outside 0 to 6.
QString FieldKindText(int kind);
// The seven item texts in index order.
QStringList FieldKindTexts();
// The seven item texts in English, whatever the user's language: the words a
// scheme is written in on the command line, so that a script means the same
// under every locale.
QStringList FieldKindEnglishTexts();

// Five slots and four dividers; divider k (0-based) stands between slot k and
// slot k+1. A slot holds a kind index, or -1 when nothing is chosen.
struct FilenameScheme {
    std::array<int, kSlotCount> slots{};
    std::array<QString, kDividerCount> dividers;
};

enum class SchemeRole { Existing, New };

// A slot that holds a field (kinds 0 to 5), with its own 1-based number and
// the divider on its right (empty for slot 5).
struct ActiveSlot {
    int number = 0;
    FieldKind kind = FieldKind::None;
    QString rightDivider;
};
using SlotList = QVector<ActiveSlot>;

SlotList ActiveSlots(const FilenameScheme& scheme);

// The default scheme of each role; ApplyDefaultScheme sets a scheme to it.
FilenameScheme DefaultScheme(SchemeRole role);
void ApplyDefaultScheme(FilenameScheme& scheme, SchemeRole role);

// The preview shown above a scheme: active fields joined by the divider on
// each one's left, then the first extension line (a null or empty string for none).
QString SchemePreviewText(const FilenameScheme& scheme, const QString& firstExtensionLine);
// The same with each field shown by word(kind) in place of its item text.
QString SchemePreviewText(const FilenameScheme& scheme, const QString& firstExtensionLine,
                          const std::function<QString(FieldKind)>& word);
