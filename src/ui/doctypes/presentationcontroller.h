#pragma once
// Presentation typing (`presMode`): a teacher showing the program double-clicks the logo, and
// the current text box fills with the demonstration text one character per tick of
// `presTimer`, as if a child were typing. Another double-click stops it.
//
// The application makes one per single-page window, after its UndoController and
// TextController (which fits the text as it grows); the window owns it.

#include <QObject>

#include <functional>

class QTimer;

namespace quillora {

class AppContext;
class DocumentWindow;
class UndoController;

class PresentationController : public QObject {
    Q_OBJECT
public:
    static constexpr int kTickMs = 40;

    // `beep` sounds when typing starts (tests count it instead).
    PresentationController(AppContext &context, DocumentWindow &window, UndoController &undo,
                           std::function<void()> beep = {});

    // The logo was double-clicked: starts typing, or stops it when it runs. Nothing happens
    // unless presentation mode is set.
    void toggle();
    // One step of the timer (tests call it in place of the timer).
    void tick();
    bool isTyping() const;
    QTimer *timer() const { return m_timer; } // `presTimer`

private:
    void start();
    void stop();
    void finishBox();

    AppContext &m_context;
    DocumentWindow &m_window;
    UndoController &m_undo;
    std::function<void()> m_beep;
    QTimer *m_timer = nullptr;
    int m_box = -1;  // the text box being typed into
    int m_typed = 0; // characters of its demonstration text typed so far
};

} // namespace quillora
