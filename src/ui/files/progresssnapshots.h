#pragma once
// Takes the progress pictures of the page in work: every `progressSnapshots` minutes, when the
// page has changed since the last one, the work as the child sees it (the window's progress
// picture: drawn as printed, without selection frames or carets), reduced to half its width.
// The pictures belong to the page model, so saving carries them into the work file.

#include <QImage>
#include <QObject>
#include <QTimer>

class QWidget;

namespace quillora {

class AppContext;

// A window whose screen shows more or less than its kind's rendered page (a leaflet's open
// spread, a postcard's side that is up) draws its progress picture itself.
class ProgressPictureSource {
public:
    virtual ~ProgressPictureSource() = default;
    // The work as the child sees it now, drawn as it prints; null while there is nothing to
    // show (a page turning).
    virtual QImage progressPicture() = 0;
};

class ProgressSnapshots : public QObject {
    Q_OBJECT
public:
    // The controller is a child of `window`.
    ProgressSnapshots(AppContext &context, QWidget &window);

    // Asks for a picture every `progressSnapshots` minutes (or as often as the environment
    // says); stopped when the setting is 0. Tests call takeStep() themselves instead of waiting.
    const QTimer &timer() const { return m_timer; }

    // The work as the child sees it, without selection frames, carets or placeholders: the
    // window's own picture where it draws one, otherwise the page its kind renders.
    QImage workPicture() const;
    // `picture` at half its width, smoothly reduced.
    static QImage halfWidthPicture(const QImage &picture);

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
