#pragma once
// The circle window (`circleForm`): one big disc of segments the child paints, a word beside each
// segment, and the ring over the rim (`maskCtrl`) with the two rotate buttons (`rotCWbut`,
// `rotCCWbut`) that turn it one segment at a time, driven by `rotTimer`. Painting, texts, undo,
// files and printing come from the controllers every window gets; the circle lives in the page
// model as core/doctypes/circlefamily lays it out.

#include "core/doctypes/circle.h"
#include "core/doctypes/circleturn.h"
#include "ui/document/documentwindow.h"

#include <functional>
#include <optional>

class QTimer;

namespace quillora {

class MaskControl;
class PictureButton;
class TurnView;

class CircleWindow : public DocumentWindow {
    Q_OBJECT
public:
    explicit CircleWindow(AppContext &context, QWidget *parent = nullptr);

    // Asks for the number of segments (the choice dialog), then builds the circle.
    bool startDocument(const QString &templatePath) override;
    // A new circle of `segmentCount` segments (2..12), the disc current.
    void startCircle(int segmentCount);
    // How the number of segments is asked (tests answer without a dialog): the number chosen,
    // or nothing when the question was cancelled.
    void setSegmentQuestion(std::function<std::optional<int>()> ask)
    {
        m_askSegments = std::move(ask);
    }

    // The rotate buttons: one segment either way. Refused while a turn or a drag runs.
    void turnOneSegment(TurnDirection direction);
    bool isTurning() const { return m_turn.busy(); }

    MaskControl *ring() const { return m_ring; }
    PictureButton *rotateButton(TurnDirection direction) const;
    QTimer *rotTimer() const { return m_rotTimer; }
    // The turning disc while a turn or a drag runs.
    QWidget *turnView() const;

signals:
    // A turn came to rest; `segmentShift` segments clockwise (negative: anticlockwise).
    void turnFinished(int segmentShift);

protected:
    void resizeEvent(QResizeEvent *event) override;
    // An undo or redo pressed while the circle turns waits for the turn to end.
    bool holdHistoryStep(HistoryStep step) override;

private:
    void followPage();
    void placeButtons();
    // Takes the painting into the segments and shows the turning disc instead of the disc and
    // its words.
    void beginTurning();
    void showAngle(int angle);
    void onTick();
    void finishTurning(int segmentShift);
    void onRingPressed(Qt::MouseButton button, QPoint position);
    void onRingMoved(QPoint position);
    void onRingReleased();
    void setCircleShown(bool shown);

    MaskControl *m_ring = nullptr;
    PictureButton *m_rotateClockwise = nullptr;
    PictureButton *m_rotateAnticlockwise = nullptr;
    QTimer *m_rotTimer = nullptr;
    TurnView *m_turnView = nullptr;
    QImage m_clockwisePointer;
    QImage m_anticlockwisePointer;

    std::function<std::optional<int>()> m_askSegments;
    CircleTurn m_turn;
    QVector<HistoryStep> m_heldSteps;
    CirclePage m_circle; // the circle being turned, its segments up to date
    TurnPicture m_turning;
    QImage m_frame;
};

} // namespace quillora
