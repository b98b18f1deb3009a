#pragma once

#include <QColor>
#include <QIcon>
#include <QPalette>
#include <QVector>

#include "ui/OutcomeLook.h"

// The Status column's marks in the colours of one palette: each outcome's
// icon, and the colour of each tone, made readable on the list's background
// (a contrast of at least 4.5 to 1, which text needs).
class OutcomeMarks {
public:
    explicit OutcomeMarks(const QPalette& palette);

    // Whether these marks were made for the colours of this palette.
    bool madeFor(const QPalette& palette) const;

    // The outcome's icon; a null icon for an outcome without a mark. Drawn in
    // its tone's colour, and on a selected row in the selection's text colour.
    QIcon icon(RowOutcome outcome) const;
    QColor colour(OutcomeTone tone) const;
    // The colour of the Status text for the outcome: its tone's when it is a
    // warning or an error, else the palette's text colour.
    QColor textColour(RowOutcome outcome) const;

private:
    QVector<QColor> m_key;  // the palette's colours these marks depend on
    QVector<QColor> m_tones;
    QVector<QIcon> m_icons;
    QColor m_text;
};

// The contrast ratio of two colours, from 1 (the same) to 21 (black on white).
double ContrastRatio(const QColor& a, const QColor& b);

// The colour, made lighter or darker until it has the contrast ratio asked
// for against the background; its hue stays.
QColor ReadableOn(const QColor& colour, const QColor& background, double ratio);
