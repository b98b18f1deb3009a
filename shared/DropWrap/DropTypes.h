#pragma once

#include <QFlags>
#include <QPoint>
#include <QString>
#include <functional>
#include <initializer_list>

class QObject;
class TMyDropDataList;
// Drag-side list of the wrapper's interface. Norvane never starts a drag, so
// the type is only named by the drag-side events and never built.
class TMyDragDataList;

// The private MIME type of the string mode, used by no window of the program.
inline constexpr const char* kStringDropFormat = "application/x-mydragdrop-format";

enum TDragDropMode { ddmString, ddmUserData };

// In this order; Qt's drop actions carry the same bits as the masks below.
enum TMyDropEffect { deNone, deCopy, deMove, deLink };

// Effect bits, as in Qt::DropAction.
inline constexpr int kEffectNone = 0;
inline constexpr int kEffectCopy = 1;
inline constexpr int kEffectMove = 2;
inline constexpr int kEffectLink = 4;

// Key-state bits built from a drag event's modifiers and mouse buttons.
inline constexpr int kKeyLeftButton = 0x01;
inline constexpr int kKeyRightButton = 0x02;
inline constexpr int kKeyShift = 0x04;
inline constexpr int kKeyControl = 0x08;
inline constexpr int kKeyMiddleButton = 0x10;
inline constexpr int kKeyAlt = 0x20;

// A set of drop effects; unlike a QFlags it can hold deNone.
class TMyAllowedDropEffects {
public:
    constexpr TMyAllowedDropEffects() = default;
    constexpr TMyAllowedDropEffects(std::initializer_list<TMyDropEffect> effects) {
        for (TMyDropEffect effect : effects)
            insert(effect);
    }

    constexpr bool contains(TMyDropEffect effect) const { return m_bits & bit(effect); }
    constexpr void insert(TMyDropEffect effect) { m_bits |= bit(effect); }
    constexpr bool operator==(const TMyAllowedDropEffects&) const = default;

private:
    static constexpr unsigned bit(TMyDropEffect effect) { return 1u << static_cast<int>(effect); }
    unsigned m_bits = 0;
};

// The modifier-key and mouse-button flags handed to the user-data events.
enum TShiftStateFlag {
    ssShift = 0x01,
    ssAlt = 0x02,
    ssCtrl = 0x04,
    ssLeft = 0x08,
    ssRight = 0x10,
    ssMiddle = 0x20,
};
Q_DECLARE_FLAGS(TShiftState, TShiftStateFlag)
Q_DECLARE_OPERATORS_FOR_FLAGS(TShiftState)

// Events of the wrapper; Sender is always the wrapper and Point is in the
// client coordinates of its DragDropControl.
using TMyStringDropEvent = std::function<void(QObject* Sender, const QString& DropString,
                                              TMyDropEffect DropEffect, const QPoint& Point)>;
using TMyUserDropEnterEvent = std::function<void(
    QObject* Sender, TMyDropDataList& DropData, TShiftState Shift, const QPoint& Point,
    TMyAllowedDropEffects AllowedDropEffects, bool& accept)>;
using TMyUserDropEvent = std::function<void(
    QObject* Sender, TMyDropDataList& DropData, TShiftState Shift, const QPoint& Point,
    TMyAllowedDropEffects AllowedDropEffects, TMyDropEffect& DropEffect)>;
using TMyUserDropExitEvent = std::function<void(QObject* Sender, TMyDropDataList& DropData)>;
// Drag side: kept for a complete interface, never raised.
using TMyStringDragEvent = std::function<void(QObject* Sender, TMyDropEffect DropEffect)>;
using TMyUserDragEndEvent =
    std::function<void(QObject* Sender, TMyDragDataList& DragList, TMyDropEffect DropEffect)>;
using TLateRenderEvent = std::function<void(QObject* Sender, TMyDragDataList& DragList, int Index)>;
