#pragma once
// The values the options dialog shows and edits, read from the settings when it opens and
// copied back when the teacher confirms it, together with what the document window must do
// about the change (print button, its hide timer, frame colour, webcam button).

#include "core/app/programservices.h"
#include "core/foundation/settings.h"

#include <QList>
#include <QString>

#include <array>

namespace quillora {

// The three ways the print button may behave, in the order the dialog lists them.
enum class PrintButtonRule {
    AlwaysShown = 0,         // HidePrinterTime = 0
    HiddenAfterPrinting = 1, // HidePrinterTime = N minutes
    NoPrinting = 2,          // HidePrinterTime = -1
};

struct OptionsValues {
    PrintButtonRule printButtonRule = PrintButtonRule::AlwaysShown;
    int hideMinutes = 2; // the minutes list's number
    bool showNumCopies = false;
    QString chosenPrinter; // empty until the teacher picks an entry of the list
    int pageScalePercent = 100;
    int textScalePercent = 96;
    bool pullDownString = false;
    bool darkerFrames = false;
    bool screenKeyboard = false;
    bool quickLeafletTurn = false;
    bool webCamButton = true;
    int snapshotMinutes = 2; // progressSnapshots: 0 takes no progress pictures
    bool readAloudButton = true;
    bool speakLetters = false;
    QString language; // a shipped language's code; empty = the computer's
    bool longPressMenu = true;
    bool stylusPressure = true;
    std::array<QString, 5> fonts;

    bool operator==(const OptionsValues &) const = default;
};

// What the document window does once the options are confirmed.
struct OptionsEffects {
    enum class PrintButton {
        Keep, // left alone: the enabled hide timer brings a hidden button back at its next tick
        Show,
        Hide,
    };
    PrintButton printButton = PrintButton::Keep;
    bool hideTimerEnabled = true;    // the window's print-button hide timer
    bool clearHideCountDown = false; // forget the minutes already counted since printing
    quint32 frameColour = 0xC0C0C0u; // 0x00BBGGRR, for every object frame of the window
    bool webCamButtonVisible = true; // every window but the anywhere page follows this
    QString printerName;             // a printer the teacher picked; empty = unchanged
    bool languageChanged = false;    // the program must speak another language
};

namespace options {

constexpr int kScalePercentMin = 85;
constexpr int kScalePercentMax = 100;
constexpr int kQuickTurnAngle = 45;
constexpr int kSlowTurnAngle = 15;
constexpr int kDefaultHideMinutes = 2;

// The minutes a print button may stay hidden: 1, 2, 3, 4, 5 and 10, plus a stored value
// that is none of those, so opening and confirming the dialog never changes it.
QList<int> hideMinuteChoices(int hiddenMinutes);

// The minutes between progress pictures the dialog offers: 0 (none), 1, 2, 3, 5 and 10, plus a
// stored value that is none of those.
QList<int> snapshotMinuteChoices(int progressSnapshots);

// One press of a scale factor's up (+1) or down (-1) button, kept within 85..100.
int stepScalePercent(int percent, int step);

OptionsValues fromSettings(const Settings &settings);

// Whether the school's shared settings file fixes `key`: the options dialog shows it, disabled.
bool isLocked(const ProgramServices &context, const QString &key);

// Copies confirmed values into the program's settings (leaving locked keys as they are) and says
// what the window must do about them.
OptionsEffects apply(const OptionsValues &values, ProgramServices &context);

} // namespace options
} // namespace quillora
