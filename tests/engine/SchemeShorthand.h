#pragma once

// Short names for the field kinds and a scheme builder, so that the tables of
// the scheme and name tests read like the schemes they describe.

#include <QStringList>
#include <array>

#include "engine/FilenameScheme.h"

namespace {

constexpr int A = static_cast<int>(FieldKind::Artist);
constexpr int Al = static_cast<int>(FieldKind::Album);
constexpr int T = static_cast<int>(FieldKind::TrackNo);
constexpr int N = static_cast<int>(FieldKind::Trackname);
constexpr int F = static_cast<int>(FieldKind::Folder);
constexpr int P = static_cast<int>(FieldKind::ParentFolder);
constexpr int X = static_cast<int>(FieldKind::None);

// The same text for all four dividers.
[[maybe_unused]] QStringList Dividers(const QString& text) {
    return QStringList(kDividerCount, text);
}

// Divider k is the k-th text given; dividers not given are empty. Without
// dividers, all four are " - ".
[[maybe_unused]] FilenameScheme Scheme(
    std::array<int, kSlotCount> slots,
    const QStringList& dividers = Dividers(QStringLiteral(" - "))) {
    FilenameScheme scheme;
    scheme.slots = slots;
    for (int k = 0; k < kDividerCount; ++k)
        scheme.dividers[k] = dividers.value(k);
    return scheme;
}

}  // namespace
