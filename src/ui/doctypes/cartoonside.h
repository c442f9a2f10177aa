#pragma once
// The column beside a comic strip: the three bubble icons (`speechIcon`, `thoughtIcon`,
// `captionIcon`) a child drags onto a frame, and the bin (`bubBin`, its pictures `binOpenImg`
// and `binShutImg`, its tag "open" or "closed") that bubbles are dropped into.

#include "core/doctypes/cartoon.h"

#include <QLabel>

namespace quillora {

class BubbleIcon : public QLabel {
    Q_OBJECT
public:
    static constexpr int kSide = 72;

    // `dragLayer` shows the copy of the icon that follows the pointer.
    BubbleIcon(BubbleKind kind, QWidget &dragLayer, QWidget *parent);
    BubbleKind kind() const { return m_kind; }

signals:
    // The icon was let go with the pointer at `global`.
    void dropped(quillora::BubbleKind kind, QPoint global);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void follow(QPoint global);

    BubbleKind m_kind;
    QWidget &m_dragLayer;
    QLabel *m_dragPicture = nullptr;
};

class BubbleBin : public QLabel {
    Q_OBJECT
public:
    static constexpr int kSide = 80;

    explicit BubbleBin(QWidget *parent);
    void setOpen(bool open);
    bool isOpen() const;
    // Whether a point (global) is over the bin.
    bool isUnder(QPoint global) const;

private:
    QLabel *m_openPicture = nullptr;
    QLabel *m_shutPicture = nullptr;
};

} // namespace quillora
