#pragma once
// The two controls of a divider handle on the page: the grab square (`Handle` + index), which
// reports presses and vertical drags, and its guide line (`handleLine` + index) across the page.

#include <QWidget>

namespace quillora {

class DividerHandleWidget : public QWidget {
    Q_OBJECT
public:
    // Even a tiny square from a template is grabbed over this much room.
    static constexpr int kTouchSidePx = 56;
    // The square is drawn at least this big, so a child sees it.
    static constexpr int kLeastSquarePx = 32;

    DividerHandleWidget(int index, QWidget *page);

    // Centres the control on `centre` (page pixels); `squareSide` is the template's side.
    void place(QPoint centre, int squareSide);
    int squareSide() const { return m_squareSide; }
    // The drawn square, in the page's coordinates.
    QRect squareOnPage() const;

signals:
    // Pointer positions in the page's coordinates.
    void pressed(QPoint atPage);
    void dragged(QPoint atPage);
    void released(QPoint atPage);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QPoint onPage(const QMouseEvent &event) const;

    int m_squareSide = kLeastSquarePx;
    bool m_held = false;
};

// Drawn under the page's boxes, so it shows in the gaps between them where they join.
class DividerLineWidget : public QWidget {
    Q_OBJECT
public:
    static constexpr int kThicknessPx = 4;

    DividerLineWidget(int index, QWidget *page);
    // Across the whole page at height `centreY`.
    void place(int centreY);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace quillora
