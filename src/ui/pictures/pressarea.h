#pragma once
// A drawn palette part a child presses (a felt pen, a colour, a pen size). It acts on the press
// itself, as the palettes always have, and is a button to screen readers and to anything that
// drives the program through the accessibility bus, whose "press" is a left-button press.

#include <QAbstractButton>

#include <functional>

namespace quillora {

class PressArea : public QAbstractButton {
    Q_OBJECT
public:
    using Painter = std::function<void(QPainter &, const QRect &)>;
    using PressHandler = std::function<void(Qt::MouseButton)>;

    PressArea(const QString &objectName, QWidget *parent, Painter paint, PressHandler press);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    Painter m_paint;
    PressHandler m_press;
};

} // namespace quillora
