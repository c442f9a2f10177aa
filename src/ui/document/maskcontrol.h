#pragma once
// `maskCtrl`: a control that takes the shape of its picture. It shows the picture and is
// see-through, and lets presses through to what lies beneath, wherever the picture has the
// mask colour (white, masks::kMaskControlColour). Windows that need a page object that is not
// a rectangle (a ring, a cut-out) set its picture from their own scratch pictures.

#include <QImage>
#include <QRegion>
#include <QWidget>

namespace quillora {

// The region of a shape (core/pictures/masks.h): the widget mask of a shaped control. A shape
// with no inside gives a region outside every widget, so nothing shows and nothing is pressed.
QRegion regionOfShape(const QImage &shape);

class MaskControl : public QWidget {
    Q_OBJECT
public:
    explicit MaskControl(QWidget *parent = nullptr);

    // Takes the picture (its picture and its mask are always the same image) and repaints. The
    // control keeps its size; the picture is stretched to it.
    void setPicture(const QImage &picture);
    const QImage &picture() const { return m_picture; }
    // Repaints from the picture already set, after the control has been resized.
    void refresh();
    // The pointer shown over the shape (the circle window's turning arrows); a null image
    // gives the ordinary arrow back.
    void setPointerPicture(const QImage &icon);

    // Whether a point of the control lies on its shape (what takes presses).
    bool isOnShape(QPoint point) const;

signals:
    void pressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint position);
    void moved(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, QPoint position);
    void released(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint position);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QImage m_picture;
    QImage m_shown; // the picture at the control's size, see-through outside the shape
    QImage m_shape;
};

} // namespace quillora
