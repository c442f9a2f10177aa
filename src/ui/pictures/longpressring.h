#pragma once
// The ring that grows round a finger (or the mouse) held still on a picture, so a child sees
// that something is coming: full after HeldPresses::kLongPressMs, when it reports `completed`
// and the picture menu opens. It lets every press through.

#include <QElapsedTimer>
#include <QWidget>

class QTimer;

namespace quillora {

class LongPressRing : public QWidget {
    Q_OBJECT
public:
    // Shows itself centred on `centre` (in `window`'s coordinates) and starts growing.
    LongPressRing(QWidget *window, QPoint centre);

    // 0 when it appears, 1 when the press has become a right press.
    double progress() const;

signals:
    void completed();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QElapsedTimer m_held;
    QTimer *m_frames = nullptr;
};

} // namespace quillora
