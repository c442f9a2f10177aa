#pragma once
// The selection frame (`SelectionFrameWidget`) round the current object of a "My layout" page:
// eight square handles (`Handle0`..`Handle7`) that resize it, four move bars
// (`moveBar0`..`moveBar3`) along its sides that move it, and `allowPaintingBut`, shown over
// imported pictures. It only draws and reports presses, moves and releases;
// SelectionFrameController does the geometry and PaintPermissionController the painting question.
//
// The frame's geometry is the object plus a margin of selectionframe::kHandleSize on every
// side, and the handles and bars sit where selectionframe says. On screen each handle and bar
// is drawn larger than that and can be hit anywhere in a larger square or strip round it: a
// 12-pixel square is too small for a finger on a whiteboard. The widget reaches kTouchMargin
// beyond the frame for that; its mask keeps presses between the handles for the object inside.

#include "core/handling/selectionframe.h"

#include <QColor>
#include <QRect>
#include <QWidget>

#include <array>

namespace quillora {

class PictureButton;

class SelectionFrameWidget : public QWidget {
    Q_OBJECT
public:
    // Side of the square a finger can hit round each handle, and the strip round each bar.
    static constexpr int kHandleTouchSize = 40;
    static constexpr int kBarTouchSize = 28;
    // Side of the handle square drawn; bars are drawn as thick as they are.
    static constexpr int kHandleDrawnSize = 26;
    // How far the touch areas reach out of the frame.
    static constexpr int kTouchMargin = kHandleTouchSize - selectionframe::kHandleSize;
    static constexpr int kAllowPaintingSize = 56;

    explicit SelectionFrameWidget(QWidget *parent = nullptr);

    // Places the frame; `frame` is in the parent's coordinates (object plus the handle margin).
    void setFrameRect(const QRect &frame);
    QRect frameRect() const { return m_frame; }

    void setMoveBarColours(const QColor &colour);
    QColor moveBarColour() const { return m_barColour; }
    void showAllowPaintingBut();
    void hideAllowPaintingBut();

    QWidget *handle(int index) const;
    QWidget *moveBar(int index) const;
    PictureButton *allowPaintingBut() const { return m_allowPainting; }

signals:
    // Positions are in the pressed handle's or bar's own coordinates.
    void handleDown(int index, Qt::MouseButton button, Qt::KeyboardModifiers keys, QPoint at);
    void handleMove(int index, Qt::MouseButtons buttons, Qt::KeyboardModifiers keys, QPoint at);
    void handleUp(int index, Qt::MouseButton button, Qt::KeyboardModifiers keys, QPoint at);
    void barDown(int index, Qt::MouseButton button, Qt::KeyboardModifiers keys, QPoint at);
    void barMove(int index, Qt::MouseButtons buttons, Qt::KeyboardModifiers keys, QPoint at);
    void barUp(int index, Qt::MouseButton button, Qt::KeyboardModifiers keys, QPoint at);
    void allowPaintingPressed();

private:
    // Sizes the handles and bars for the frame and places them ("posAllhandlesNmoveBars").
    void posAllhandlesNmoveBars();

    QRect m_frame;
    QColor m_barColour;
    std::array<QWidget *, 8> m_handles{};
    std::array<QWidget *, 4> m_bars{};
    PictureButton *m_allowPainting = nullptr;
};

} // namespace quillora
