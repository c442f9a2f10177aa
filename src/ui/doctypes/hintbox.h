#pragma once
// The hint box (`OverThereBox`): an arrow (`OverThereImg`) and a few words (`OverThereText`)
// that slide a little towards what a child should look at, then go. `overThereTimer` moves it
// one pixel left per tick; after 25 ticks it hides and the timer stops.
//
// PaletteHint decides when: once a run, the first time a child presses a picture box before
// ever picking a pen or a colour, it points at the felt pens (or the paint tools).

#include <QObject>
#include <QPoint>
#include <QWidget>

class QLabel;
class QTimer;

namespace quillora {

class AppContext;
class DocumentWindow;

class HintBox : public QWidget {
    Q_OBJECT
public:
    static constexpr int kTickMs = 32;
    static constexpr int kTicks = 25;

    explicit HintBox(QWidget *parent);

    // Shows `caption` with the arrow's tip `kTicks` pixels right of `target` (in the parent's
    // coordinates), so it ends pointing there.
    void showHint(const QString &caption, QPoint target);
    // One step of the timer (tests call it in place of the timer).
    void tick();
    int ticks() const { return m_ticks; }
    QTimer *timer() const { return m_timer; }
    QLabel *caption() const { return m_text; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QLabel *m_arrow = nullptr;
    QLabel *m_text = nullptr;
    QTimer *m_timer = nullptr;
    int m_ticks = 0;
};

class PaletteHint : public QObject {
    Q_OBJECT
public:
    PaletteHint(AppContext &context, DocumentWindow &window);

    HintBox *box() const { return m_box; }

public slots:
    // A felt pen or a palette colour was chosen: the child knows where the colours are.
    void colourChosen();

private:
    void onPicturePressed(int index, QPoint position);

    AppContext &m_context;
    DocumentWindow &m_window;
    HintBox *m_box = nullptr;
    bool m_needed = true;
};

} // namespace quillora
