#pragma once
// The thin frame drawn round an object of the page, one pixel outside it on every side, so a
// child sees where a box is even while it is empty.

#include <QColor>
#include <QWidget>

namespace quillora {

class ObjectFrame : public QWidget {
    Q_OBJECT
public:
    explicit ObjectFrame(QWidget *parent = nullptr);

    void setColour(const QColor &colour);
    QColor colour() const { return m_colour; }
    // Places the frame round `objectRect` (both in the parent's coordinates).
    void surround(const QRect &objectRect);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_colour = Qt::lightGray;
};

} // namespace quillora
