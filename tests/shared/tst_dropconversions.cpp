#include <QTest>

#include "shared/DropWrap/DropConversions.h"

Q_DECLARE_METATYPE(TMyDropEffect)
Q_DECLARE_METATYPE(TMyAllowedDropEffects)
Q_DECLARE_METATYPE(TShiftState)

// Qt's drop actions, modifiers and buttons against the wrapper's effects and
// shift state.
class TestDropConversions : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void suggestDropEffect_data();
    void suggestDropEffect();
    void effectMasks_data();
    void effectMasks();
    void keyStateToShift_data();
    void keyStateToShift();
};

void TestDropConversions::suggestDropEffect_data() {
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<TMyAllowedDropEffects>("accepted");
    QTest::addColumn<int>("expected");
    const TMyAllowedDropEffects all{deCopy, deMove, deLink};
    QTest::newRow("no key") << Qt::KeyboardModifiers() << all << kEffectMove;
    QTest::newRow("shift alone") << Qt::KeyboardModifiers(Qt::ShiftModifier) << all << kEffectMove;
    QTest::newRow("alt alone") << Qt::KeyboardModifiers(Qt::AltModifier) << all << kEffectMove;
    QTest::newRow("ctrl") << Qt::KeyboardModifiers(Qt::ControlModifier) << all << kEffectCopy;
    QTest::newRow("ctrl shift") << (Qt::ControlModifier | Qt::ShiftModifier) << all << kEffectLink;
    QTest::newRow("ctrl, no copy") << Qt::KeyboardModifiers(Qt::ControlModifier)
                                   << TMyAllowedDropEffects{deMove, deLink} << kEffectMove;
    QTest::newRow("ctrl shift, no link") << (Qt::ControlModifier | Qt::ShiftModifier)
                                         << TMyAllowedDropEffects{deCopy, deMove} << kEffectCopy;
    QTest::newRow("no key, no move")
        << Qt::KeyboardModifiers() << TMyAllowedDropEffects{deCopy} << kEffectNone;
    QTest::newRow("ctrl, nothing")
        << Qt::KeyboardModifiers(Qt::ControlModifier) << TMyAllowedDropEffects{} << kEffectNone;
}

void TestDropConversions::suggestDropEffect() {
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(TMyAllowedDropEffects, accepted);
    QFETCH(int, expected);
    QCOMPARE(SuggestDropEffect(KeyStateOf(modifiers, Qt::LeftButton), accepted), expected);
}

void TestDropConversions::effectMasks_data() {
    QTest::addColumn<int>("mask");
    QTest::addColumn<TMyDropEffect>("effect");
    QTest::addColumn<TMyAllowedDropEffects>("set");
    QTest::addColumn<int>("effectMask");
    QTest::newRow("none") << 0 << deNone << TMyAllowedDropEffects{deNone} << 0;
    QTest::newRow("copy") << 1 << deCopy << TMyAllowedDropEffects{deNone, deCopy} << 1;
    QTest::newRow("move") << 2 << deMove << TMyAllowedDropEffects{deNone, deMove} << 2;
    QTest::newRow("link") << 4 << deLink << TMyAllowedDropEffects{deNone, deLink} << 4;
    QTest::newRow("move link") << 6 << deMove << TMyAllowedDropEffects{deNone, deMove, deLink} << 2;
    QTest::newRow("all") << 7 << deCopy << TMyAllowedDropEffects{deNone, deCopy, deMove, deLink}
                         << 1;
}

void TestDropConversions::effectMasks() {
    QFETCH(int, mask);
    QFETCH(TMyDropEffect, effect);
    QFETCH(TMyAllowedDropEffects, set);
    QFETCH(int, effectMask);
    QCOMPARE(MaskToDropEffect(mask), effect);
    QVERIFY(DropEffectsToSet(mask) == set);
    QCOMPARE(DropEffectToMask(effect), effectMask);
}

void TestDropConversions::keyStateToShift_data() {
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<Qt::MouseButtons>("buttons");
    QTest::addColumn<TShiftState>("expected");
    QTest::newRow("nothing") << Qt::KeyboardModifiers() << Qt::MouseButtons() << TShiftState();
    QTest::newRow("left") << Qt::KeyboardModifiers() << Qt::MouseButtons(Qt::LeftButton)
                          << TShiftState(ssLeft);
    QTest::newRow("right middle") << Qt::KeyboardModifiers() << (Qt::RightButton | Qt::MiddleButton)
                                  << (ssRight | ssMiddle);
    QTest::newRow("ctrl shift") << (Qt::ControlModifier | Qt::ShiftModifier)
                                << Qt::MouseButtons(Qt::LeftButton) << (ssCtrl | ssShift | ssLeft);
    QTest::newRow("alt untranslated")
        << (Qt::AltModifier | Qt::MetaModifier) << Qt::MouseButtons() << TShiftState();
}

void TestDropConversions::keyStateToShift() {
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(Qt::MouseButtons, buttons);
    QFETCH(TShiftState, expected);
    QCOMPARE(KeyStateToShift(KeyStateOf(modifiers, buttons)), expected);
}

QTEST_GUILESS_MAIN(TestDropConversions)
#include "tst_dropconversions.moc"
