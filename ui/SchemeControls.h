#pragma once

#include <array>

#include "engine/FilenameScheme.h"

class QLineEdit;
class QListWidget;

// The five slot list boxes and four divider edits of one scheme, in slot order.
struct SchemeControls {
    std::array<QListWidget*, kSlotCount> slots{};
    std::array<QLineEdit*, kDividerCount> dividers{};

    // Fills each slot with the seven field kinds and sets the dividers' font.
    void setUp() const;
    FilenameScheme scheme() const;
    void setScheme(const FilenameScheme& scheme) const;
};
