#pragma once
// The on-screen keyboard for whiteboards: its keys, what each types, Shift and Caps, which text
// object receives the typing, the tap rule of the mini key, and the pull-down string's travel.

#include "core/layout/pagemodel.h"
#include "core/text/keyboardlayouts.h"

#include <QRect>
#include <QString>
#include <QVector>
#include <functional>
#include <optional>

namespace quillora {

struct KeyboardKey {
    int index = 0;
    QString caption;        // as drawn with Shift and Caps off
    QString shiftedCaption; // numerals only
    QString capital;        // letters only: what Shift and Caps show
    QStringList variants;   // letters with marks offered while the key is held, lower-case
    QRect twips;            // position inside the keyboard, in twips
};

enum class KeyAction { Text, Backspace, Enter };

struct KeyStroke {
    KeyAction action = KeyAction::Text;
    QString text;
};

class OnScreenKeyboard {
public:
    explicit OnScreenKeyboard(const KeyboardLayout &layout = keyboardLayoutFor(QLocale::c()));

    // The narrowest keyboard; a language with longer rows widens it, the keys keep their size.
    static constexpr int kWidthPx = 527;
    static constexpr int kHeightPx = 252;
    static constexpr int kKeyCount = 41;
    static constexpr int kBackspaceKey = 10;
    static constexpr int kEnterKey = 37;
    static constexpr int kSpaceKey = 40;
    // A mini key dragged less than this (window pixels) was tapped.
    static constexpr int kTapThreshold = 7;

    // The keys of the layout, `keys()[i].index == i`. The English keys are numbered 0 to 40; a
    // layout's letters take the numbers of the English keys in the same places, extra keys 41 on.
    const QVector<KeyboardKey> &keys() const { return m_keys; }
    QLocale::Language language() const { return m_language; }
    int widthPx() const { return m_widthPx; }

    bool shift() const { return m_shift; }
    bool caps() const { return m_caps; }
    void setShift(bool on) { m_shift = on; }
    void setCaps(bool on) { m_caps = on; }

    // The caption key `index` shows now: capitals with Shift or Caps, shifted numerals with Shift.
    QString captionOf(int index) const;

    // Releasing key `index`: what it types. Shift is one-shot and goes off afterwards.
    KeyStroke release(int index);

    // The letters key `index` offers while held, in the case it shows now.
    QStringList variantsOf(int index) const;
    // Picking variant `variant` of the held key `index`: what it types; Shift goes off.
    KeyStroke releaseVariant(int index, int variant);

    static bool isTap(QPoint dragStart, QPoint dragEnd);

private:
    QString shown(const QString &letter, const KeyboardKey &key) const;

    QVector<KeyboardKey> m_keys;
    QLocale::Language m_language;
    int m_widthPx = kWidthPx;
    bool m_shift = false;
    bool m_caps = false;
};

// The text object the keys type into: the current text or rich text box, else the first rich
// text box, else the first text box; nothing on a page with neither. Only objects the child can
// see count: `shown`, when given, says which are on screen (a postcard shows one side).
std::optional<CurrentObject>
keyboardTarget(const PageModel &page, const std::function<bool(const CurrentObject &)> &shown = {});

// The window's new top (twips) after the pull-down string was dragged: a top under 480 twips
// snaps to 0 and it never goes beyond three quarters of the screen height.
int pulledWindowTop(int currentTopTwips, int dragDistanceTwips, int screenHeightTwips);

} // namespace quillora
