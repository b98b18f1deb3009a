#include "shared/DropWrap/DropConversions.h"

TMyAllowedDropEffects DropEffectsToSet(int effectBits) {
    TMyAllowedDropEffects set{deNone};
    if (effectBits & kEffectCopy)
        set.insert(deCopy);
    if (effectBits & kEffectMove)
        set.insert(deMove);
    if (effectBits & kEffectLink)
        set.insert(deLink);
    return set;
}

TMyDropEffect MaskToDropEffect(int effectBits) {
    if (effectBits & kEffectCopy)
        return deCopy;
    if (effectBits & kEffectMove)
        return deMove;
    if (effectBits & kEffectLink)
        return deLink;
    return deNone;
}

int DropEffectToMask(TMyDropEffect effect) {
    switch (effect) {
        case deCopy:
            return kEffectCopy;
        case deMove:
            return kEffectMove;
        case deLink:
            return kEffectLink;
        case deNone:
            break;
    }
    return kEffectNone;
}

int SuggestDropEffect(int keyState, TMyAllowedDropEffects accepted) {
    int effect = accepted.contains(deMove) ? kEffectMove : kEffectNone;
    if (keyState & kKeyControl) {
        if (accepted.contains(deCopy))
            effect = kEffectCopy;
        if ((keyState & kKeyShift) && accepted.contains(deLink))
            effect = kEffectLink;
    }
    return effect;
}

TShiftState KeyStateToShift(int keyState) {
    TShiftState shift;
    if (keyState & kKeyControl)
        shift |= ssCtrl;
    if (keyState & kKeyShift)
        shift |= ssShift;
    if (keyState & kKeyLeftButton)
        shift |= ssLeft;
    if (keyState & kKeyMiddleButton)
        shift |= ssMiddle;
    if (keyState & kKeyRightButton)
        shift |= ssRight;
    return shift;
}

int KeyStateOf(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons) {
    int keyState = 0;
    if (buttons & Qt::LeftButton)
        keyState |= kKeyLeftButton;
    if (buttons & Qt::RightButton)
        keyState |= kKeyRightButton;
    if (buttons & Qt::MiddleButton)
        keyState |= kKeyMiddleButton;
    if (modifiers & Qt::ShiftModifier)
        keyState |= kKeyShift;
    if (modifiers & Qt::ControlModifier)
        keyState |= kKeyControl;
    if (modifiers & Qt::AltModifier)
        keyState |= kKeyAlt;
    return keyState;
}
