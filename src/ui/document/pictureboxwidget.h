#pragma once
// A picture box of the page: shows the box's picture and reports presses, moves and releases
// to whoever paints. An empty picture shows as white paper.
//
// The mouse and every finger report through the same three signals, each with its pointer:
// `kMousePointer` for the mouse, `fingerPointer(id)` for a touch point. A palm, or a hand laid on
// the screen, reports nothing (core/pictures/palmrejection.h).

#include "core/pictures/palmrejection.h"

#include <QImage>
#include <QSet>
#include <QWidget>

class QTouchEvent;

namespace quillora {

class PictureBoxWidget : public QWidget {
    Q_OBJECT
public:
    static constexpr int kMousePointer = 0;
    static int fingerPointer(int touchId) { return touchId + 1; }
    static constexpr int kPenPointer = -1;

    explicit PictureBoxWidget(QWidget *parent = nullptr);

    // Shares the image (no pixel copy); call again after the image has been painted on.
    void setImage(const QImage &image);
    const QImage &image() const { return m_image; }
    // Painting writes into the model's image: letting go of the shared copy first saves the
    // painter a full copy of the pixels on every stroke. Nothing is repainted.
    void releaseImage() { m_image = QImage(); }
    // Takes the painted image back and repaints only `dirty` (image pixels).
    void showPainted(const QImage &image, const QRect &dirty);
    // Image pixels under a point of the widget (the picture may be stretched to the box).
    QPoint toImage(QPoint widgetPoint) const;

    // A shaped picture box: shows its picture, and takes presses, only where its mask picture
    // marks the shape (stretched to the box); outside, what lies beneath shows and is pressed.
    // A thin edge in `edgeColour` shows the shape on a white page. A null mask: a rectangle.
    void setMaskPicture(const QImage &mask, const QColor &edgeColour = QColor(0xC0, 0xC0, 0xC0));
    bool isShaped() const { return !m_shape.isNull(); }
    const QImage &maskPicture() const { return m_maskPicture; }
    // The shape at the widget's size (see core/pictures/masks.h); null for a rectangle.
    const QImage &shape() const { return m_shape; }
    // While a stylus is down: how hard it presses (0..1) and whether its eraser end touches.
    double penPressure() const { return m_penPressure; }
    bool penErases() const { return m_penErases; }

signals:
    void pressed(QPoint position, Qt::MouseButton button, int pointer);
    void moved(QPoint position, Qt::MouseButtons buttons, int pointer);
    void released(QPoint position, Qt::MouseButton button, int pointer);
    // The system took the touch back, or its release never came: its stroke ends where it was.
    void cancelled(int pointer);

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void tabletEvent(QTabletEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void takeTouch(const QTouchEvent &event);
    void cancelTouches();
    void updateShape();
    // The picture within `area`, each pixel as opaque as the shape covers it.
    void drawShaped(QPainter &painter, const QRect &area);

    QImage m_image;
    QImage m_maskPicture;
    QColor m_edgeColour;
    QImage m_coverage; // how much of each pixel the shape covers, for drawing its edge smoothly
    QImage m_shape;
    QImage m_shapeEdge;
    PalmRejection m_palms;
    QSet<int> m_touching; // fingers down that report
    double m_penPressure = 1.0;
    bool m_penErases = false;
};

} // namespace quillora
