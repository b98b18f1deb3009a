#pragma once

#include <Qt>

#include "shared/DropWrap/DropTypes.h"

// Conversions between Qt's drop actions and key state and the wrapper's types.

// The set always holds deNone, plus one effect for each bit.
TMyAllowedDropEffects DropEffectsToSet(int effectBits);
// The first of copy, move, link whose bit is set; deNone without any.
TMyDropEffect MaskToDropEffect(int effectBits);
int DropEffectToMask(TMyDropEffect effect);
// Move by default, copy with Ctrl, link with Ctrl and Shift, each only when
// the accepted set holds it. What the source allows plays no part.
int SuggestDropEffect(int keyState, TMyAllowedDropEffects accepted);
// Alt is deliberately not translated.
TShiftState KeyStateToShift(int keyState);
// The key state of a drag event.
int KeyStateOf(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons);
