#pragma once
// `PaperHolder`: the banner's whole strip of sheets, reduced, on a soft shadow. It shows the
// picture it is given and reports presses as a place on the banner; the window decides.

#include <QImage>
#include <QWidget>

namespace quillora {

class BannerStrip : public QWidget {
    Q_OBJECT
public:
    // The shadow down and right of the strip, as under every page.
    static constexpr int kShadowPx = 6;

    explicit BannerStrip(QWidget *parent = nullptr);

    // Shows `strip`, drawn at `scale` pixels per millimetre, with the shadow round it.
    void showStrip(const QImage &strip, double scale);
    const QImage &strip() const { return m_strip; }
    // Where the strip itself lies, in the widget.
    QRect stripRect() const { return QRect(QPoint(0, 0), m_strip.size()); }

signals:
    // A press on the strip: `sheet` and the point in millimetres from that sheet's corner.
    void pressed(int sheet, QPointF mm, Qt::MouseButton button);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    QImage m_strip;
    double m_scale = 1.0;
};

} // namespace quillora
