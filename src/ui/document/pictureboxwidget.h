#pragma once
// A picture box of the page: shows the box's picture and reports presses, moves and releases
// to whoever paints. An empty picture shows as white paper.

#include <QImage>
#include <QWidget>

namespace quillora {

class PictureBoxWidget : public QWidget {
    Q_OBJECT
public:
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

signals:
    void pressed(QPoint position, Qt::MouseButton button);
    void moved(QPoint position, Qt::MouseButtons buttons);
    void released(QPoint position, Qt::MouseButton button);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void updateShape();
    // The picture within `area`, each pixel as opaque as the shape covers it.
    void drawShaped(QPainter &painter, const QRect &area);

    QImage m_image;
    QImage m_maskPicture;
    QColor m_edgeColour;
    QImage m_coverage; // how much of each pixel the shape covers, for drawing its edge smoothly
    QImage m_shape;
    QImage m_shapeEdge;
};

} // namespace quillora
