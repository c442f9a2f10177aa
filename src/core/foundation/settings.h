#pragma once
// The settings record: read once from "quillora.ini" at start-up, changed in memory by the
// options dialog, written once at a normal exit.

#include <QString>
#include <QStringList>
#include <array>

namespace quillora {

// The longest wait between progress pictures; longer ones would overflow a timer's interval.
inline constexpr int kMaxSnapshotMinutes = 24 * 60;
// Young listeners follow a voice a little slower than an adult's. Slower still, the engine's
// pause before every phrase grows with it, and the first word comes too late after a press.
inline constexpr int kDefaultVoiceRate = -10;

struct Settings {
    int printButtonHiddenMinutes = 0; // 0 always shown, N minutes hidden, -1 never shown
    QString workingDir = QStringLiteral("MYDOCS");
    QString printerName;
    bool showCopiesChoice = false;
    bool pullDownString = false;
    bool onScreenKeyboard = false;
    bool offerWebcam = true;
    std::array<QString, 5> fontSlots = {
        QStringLiteral("Arial"), QStringLiteral("Comic Sans MS"), QStringLiteral("Courier New"),
        QStringLiteral("Times New Roman"), QStringLiteral("Verdana")};
    bool darkerFrames = false;
    bool neverOfferToSave = false;
    bool presentationMode = false;
    QString tempPath = QStringLiteral("USERTEMP");
    QString dataPath; // resolved data folder; default installation + "/data"
    QString webcamName;
    int printFontPercent = 96;  // clamped to 85..100
    int printZoomPercent = 100; // clamped to 85..100
    int turnDegreesPerTick = 15;
    float copiesPrintScale = 2.0f;
    bool warnIfNotA4 = true;
    int progressSnapshots = 2;         // minutes between progress pictures; 0 none
    bool readAloud = true;             // the "Read it to me" button
    bool speakLetters = false;         // each typed key says its letter
    QString voiceEngine;               // the speech engine by name; empty = the first found
    QString voiceName;                 // empty = the first voice for the language
    int voiceRate = kDefaultVoiceRate; // percent faster (+) or slower (-), -100..100
    QString language;                  // a shipped language's code ("fr"); empty = the computer's
    bool longPressMenu = true;         // a press held still opens the menu, as a right press
    bool stylusPressure = true;        // a stylus's pressure sets the felt pen's width

    double printZoomFraction() const { return printZoomPercent / 100.0; }
    bool operator==(const Settings &) const = default;
};

} // namespace quillora
