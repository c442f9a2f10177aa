#pragma once
// Hiding the print button after a print, so that a class does not print the same page many
// times: hidden for the set number of minutes (one tick a minute), never hidden with 0, never
// shown with -1.

namespace quillora {

class PrintButtonHiding {
public:
    static constexpr int kTickIntervalMs = 60000;
    static constexpr int kNeverShown = -1;

    explicit PrintButtonHiding(int hidePrinterTime = 0) { applySetting(hidePrinterTime); }

    // A changed setting: -1 hides the button at once; any other value shows it and stops
    // a running wait.
    void applySetting(int hidePrinterTime);
    // After every print. With a setting above 0 the button hides and the ticks start.
    void afterPrint();
    // Hidden for `minutesLeft` more minutes (at most the setting), as a wait that began in an
    // earlier run; nothing happens when hiding is off.
    void resumeHidden(int minutesLeft);
    // One minute has passed: on the last one the button comes back and the ticks stop.
    void tick();

    bool buttonVisible() const { return m_visible; }
    bool ticking() const { return m_ticking; }
    // Minutes still to wait, as the button's tag holds them.
    int minutesLeft() const { return m_tag; }

private:
    int m_setting = 0;
    int m_tag = 0;
    bool m_visible = true;
    bool m_ticking = false;
};

} // namespace quillora
