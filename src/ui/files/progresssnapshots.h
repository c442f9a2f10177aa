#pragma once
// Takes the progress pictures of the page in work: every `progressSnapshots` minutes, when the
// page has changed since the last one, the page area as the child sees it, reduced to half its
// width. The pictures belong to the page model, so saving carries them into the work file.

#include <QImage>
#include <QObject>
#include <QRect>
#include <QTimer>

class QWidget;

namespace quillora {

class AppContext;

class ProgressSnapshots : public QObject {
    Q_OBJECT
public:
    // `window` shows the page at the page model's pageRect; the controller is its child.
    ProgressSnapshots(AppContext &context, QWidget &window);

    // Asks for a picture every `progressSnapshots` minutes (or as often as the environment
    // says); stopped when the setting is 0. Tests call takeStep() themselves instead of waiting.
    const QTimer &timer() const { return m_timer; }

    // The page area of `window` as shown, at half its width, smoothly reduced.
    static QImage halfWidthPicture(QWidget &window, const QRect &pageArea);

public slots:
    // Follows the settings: a new interval, or no pictures at all.
    void applySettings();
    // Takes a picture when one is due; true when a new step was kept.
    bool takeStep();

private:
    AppContext &m_context;
    QWidget &m_window;
    QTimer m_timer;
};

} // namespace quillora
