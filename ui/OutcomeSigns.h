#pragma once

#include <QPainterPath>

#include "ui/OutcomeLook.h"

// The shape of a sign on a 16 x 16 grid, to be filled: strokes come as their
// outlines, and a sign on a disc leaves its mark cut out of the disc, so
// that it shows the row's background whatever colour that is.
QPainterPath OutcomeSignShape(OutcomeSign sign);
