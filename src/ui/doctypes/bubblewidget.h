#pragma once
// The controls of a comic strip's bubble: the bubble itself (`bubble`n), which draws its outline
// and holds its words in `Text1`, and its two handles, the tail point (`ptHandle`n) and the size
// handle (`szHandle`n). They only show the page model and report presses, moves and releases
// (in global coordinates); the cartoon window decides what they mean.

#include "core/doctypes/cartoon.h"

#include <QPixmap>
#include <QWidget>

namespace quillora {

class TextBoxWidget;

// A control of bubble `index` that reports the left button's press, moves and release.
class BubblePart : public QWidget {
    Q_OBJECT
public:
    BubblePart(int index, QWidget *parent) : QWidget(parent), m_index(index) {}
    int index() const { return m_index; }

signals:
    void pressed(int index, QPoint global);
    void moved(int index, QPoint global);
    void released(int index, QPoint global);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    int m_index;
};

class BubbleWidget : public BubblePart {
    Q_OBJECT
public:
    BubbleWidget(int index, QWidget *parent);

    // Shows `bubble` at `frameTopLeft` (the frame's corner in the parent's coordinates), cut
    // off at `clip` (the frame, in the parent's coordinates) unless it is null.
    void showBubble(const BubbleModel &bubble, QPoint frameTopLeft, const QRect &clip);
    TextBoxWidget *text() const { return m_text; }

signals:
    void textPressed(int index);
    void textEdited(int index, const QString &text);
    void textKeyReleased(int index);

protected:
    void paintEvent(QPaintEvent *event) override;
    // A press on the words of a bubble not being written in: a drag moves the bubble, a tap
    // starts writing where it landed.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void writeAt(QPoint viewportPosition);

    BubbleModel m_bubble;
    QRect m_clip; // in this widget's coordinates; null for none
    TextBoxWidget *m_text = nullptr;
    bool m_showingText = false;
    bool m_writing = false;   // the words take presses as a text does
    bool m_wordsHeld = false; // a press on the words, not yet a tap or a drag
    bool m_draggingByWords = false;
    QPoint m_wordsPressedAt; // global
};

class BubbleHandle : public BubblePart {
    Q_OBJECT
public:
    enum class Role { Tail, Size };
    static constexpr int kSide = 40;

    BubbleHandle(Role role, int index, QWidget *parent);
    // Centres the handle on `centre` (parent coordinates).
    void centreOn(QPoint centre);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_picture;
};

} // namespace quillora
