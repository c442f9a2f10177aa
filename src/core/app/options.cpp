#include "core/app/options.h"

#include "core/app/settingsfile.h"

#include <algorithm>

namespace quillora::options {

namespace {

// A stored number of minutes the list lacks is offered too, so confirming never changes it.
QList<int> withStoredMinutes(QList<int> choices, int stored)
{
    if (stored > 0 && !choices.contains(stored)) {
        choices.append(stored);
        std::sort(choices.begin(), choices.end());
    }
    return choices;
}

} // namespace

QList<int> hideMinuteChoices(int hiddenMinutes)
{
    return withStoredMinutes({1, 2, 3, 4, 5, 10}, hiddenMinutes);
}

QList<int> snapshotMinuteChoices(int progressSnapshots)
{
    return withStoredMinutes({0, 1, 2, 3, 5, 10}, progressSnapshots);
}

int stepScalePercent(int percent, int step)
{
    return std::clamp(percent + step, kScalePercentMin, kScalePercentMax);
}

OptionsValues fromSettings(const Settings &settings)
{
    OptionsValues values;
    if (settings.printButtonHiddenMinutes > 0) {
        values.printButtonRule = PrintButtonRule::HiddenAfterPrinting;
        values.hideMinutes = settings.printButtonHiddenMinutes;
    } else {
        // Any negative count means no printing: -1 is the only one ever written.
        values.printButtonRule = settings.printButtonHiddenMinutes < 0
                                     ? PrintButtonRule::NoPrinting
                                     : PrintButtonRule::AlwaysShown;
        values.hideMinutes = kDefaultHideMinutes;
    }
    values.showNumCopies = settings.showCopiesChoice;
    values.pageScalePercent =
        std::clamp(settings.printZoomPercent, kScalePercentMin, kScalePercentMax);
    values.textScalePercent =
        std::clamp(settings.printFontPercent, kScalePercentMin, kScalePercentMax);
    values.pullDownString = settings.pullDownString;
    values.darkerFrames = settings.darkerFrames;
    values.screenKeyboard = settings.onScreenKeyboard;
    values.quickLeafletTurn = settings.turnDegreesPerTick == kQuickTurnAngle;
    values.webCamButton = settings.offerWebcam;
    values.snapshotMinutes = std::max(0, settings.progressSnapshots);
    values.readAloudButton = settings.readAloud;
    values.speakLetters = settings.speakLetters;
    values.language = settings.language;
    values.longPressMenu = settings.longPressMenu;
    values.stylusPressure = settings.stylusPressure;
    values.fonts = settings.fontSlots;
    return values;
}

bool isLocked(const ProgramServices &context, const QString &key)
{
    return context.lockedSettings.contains(key, Qt::CaseInsensitive);
}

OptionsEffects apply(const OptionsValues &values, ProgramServices &context)
{
    Settings &settings = context.settings;
    OptionsEffects effects;
    const auto unlocked = [&context](const char *key) {
        return !isLocked(context, QString::fromLatin1(key));
    };
    if (unlocked("HidePrinterTime")) {
        switch (values.printButtonRule) {
        case PrintButtonRule::AlwaysShown:
            settings.printButtonHiddenMinutes = 0;
            effects.printButton = OptionsEffects::PrintButton::Keep;
            effects.hideTimerEnabled = true;
            effects.clearHideCountDown = false;
            break;
        case PrintButtonRule::HiddenAfterPrinting:
            // The list offers whole minutes from 1 up; a zero would silently mean "always shown".
            settings.printButtonHiddenMinutes = std::max(1, values.hideMinutes);
            effects.printButton = OptionsEffects::PrintButton::Show;
            effects.hideTimerEnabled = false;
            effects.clearHideCountDown = true;
            break;
        case PrintButtonRule::NoPrinting:
            settings.printButtonHiddenMinutes = -1;
            effects.printButton = OptionsEffects::PrintButton::Hide;
            effects.hideTimerEnabled = false;
            effects.clearHideCountDown = true;
            break;
        }
    }
    if (unlocked("showNumCopiesCombo"))
        settings.showCopiesChoice = values.showNumCopies;
    if (!values.chosenPrinter.isEmpty() && unlocked("iniPrinterName")) {
        settings.printerName = values.chosenPrinter;
        effects.printerName = values.chosenPrinter;
    }
    if (unlocked("printZoomSFPC"))
        settings.printZoomPercent =
            std::clamp(values.pageScalePercent, kScalePercentMin, kScalePercentMax);
    if (unlocked("fontSFatPrintPC"))
        settings.printFontPercent =
            std::clamp(values.textScalePercent, kScalePercentMin, kScalePercentMax);
    if (unlocked("useIWBstring"))
        settings.pullDownString = values.pullDownString;
    if (unlocked("useDarkerFrameColour"))
        settings.darkerFrames = values.darkerFrames;
    if (unlocked("useIWBkeyBd"))
        settings.onScreenKeyboard = values.screenKeyboard;
    if (unlocked("leaftletTurnAngle"))
        settings.turnDegreesPerTick = values.quickLeafletTurn ? kQuickTurnAngle : kSlowTurnAngle;
    if (unlocked("useWebCam"))
        settings.offerWebcam = values.webCamButton;
    if (unlocked("progressSnapshots"))
        settings.progressSnapshots = std::clamp(values.snapshotMinutes, 0, kMaxSnapshotMinutes);
    if (unlocked("readAloud"))
        settings.readAloud = values.readAloudButton;
    if (unlocked("speakLetters"))
        settings.speakLetters = values.speakLetters;
    if (unlocked("Language") && values.language != settings.language) {
        settings.language = values.language;
        effects.languageChanged = true;
    }
    if (unlocked("longPressMenu"))
        settings.longPressMenu = values.longPressMenu;
    if (unlocked("stylusPressure"))
        settings.stylusPressure = values.stylusPressure;
    for (std::size_t slot = 0; slot < values.fonts.size(); ++slot) {
        // An emptied list would leave the children a slot with no font at all.
        if (!values.fonts[slot].trimmed().isEmpty() &&
            !isLocked(context, fontKeyForSlot(int(slot))))
            settings.fontSlots[slot] = values.fonts[slot];
    }
    effects.frameColour = context.frameColour();
    effects.webCamButtonVisible = settings.offerWebcam;
    return effects;
}

} // namespace quillora::options
