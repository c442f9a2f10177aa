#pragma once
// The comic strip window (`cartoonForm`): frames from a template in the "cartoon" folder, painted
// like any picture box, and bubbles over them. A child drags a bubble icon onto a frame to make a
// speech bubble, thought bubble or caption box, types into it, drags it (into another frame or
// into the bin), points its tail with `ptHandle` and sizes it with `szHandle`. Every change of
// the bubbles is one undo step of kind "bub" (all of the page's bubbles at once).

#include "core/doctypes/cartoon.h"
#include "ui/document/documentwindow.h"

#include <QVector>

#include <array>

namespace quillora {

class BubbleBin;
class BubbleHandle;
class BubbleIcon;
class BubbleWidget;
class UndoController;

class CartoonWindow : public DocumentWindow {
    Q_OBJECT
public:
    explicit CartoonWindow(AppContext &context, QWidget *parent = nullptr);

    bool startDocument(const QString &templatePath) override;
    void controllersAttached(const DocumentControllers &controllers) override;

    // A bubble icon let go at `pagePoint`: a new bubble there when a frame is under it. Returns
    // the new bubble's index, or -1.
    int dropIcon(BubbleKind kind, QPoint pagePoint);

    // The controls made so far (nullptr for an index never shown).
    BubbleWidget *bubble(int index) const;
    BubbleHandle *tailHandle(int index) const;
    BubbleHandle *sizeHandle(int index) const;
    BubbleIcon *icon(BubbleKind kind) const { return m_icons[std::size_t(kind)]; }
    BubbleBin *bin() const { return m_bin; }
    QWidget *takeKeyboardTyping() override;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void showBubbles();
    void showBubble(int index, bool clipped = true);
    void fitLayerToBubbles();
    void placeSideColumn();
    void makeControls(int index);
    BubbleModel *model(int index);
    QRect frameRect(const BubbleModel &bubble) const;
    QPoint framePoint(const BubbleModel &bubble, QPoint global) const;

    void startWork(int index);
    void recordChange();

    void bubblePressed(int index, QPoint global);
    void bubbleMoved(int index, QPoint global);
    void bubbleReleased(int index, QPoint global);
    void tailMoved(int index, QPoint global);
    void sizeMoved(int index, QPoint global);
    void handleReleased(int index);
    void textEdited(int index, const QString &text);
    void changeTextSize(bool bigger);
    void openFontDialog();
    int currentBubble() const;

    // Over the page and under nothing of it, so a picture brought to the front never hides a
    // bubble; it takes presses only on the bubbles and their handles.
    QWidget *m_layer = nullptr;
    QVector<BubbleWidget *> m_bubbles;
    QVector<BubbleHandle *> m_tails;
    QVector<BubbleHandle *> m_sizes;
    std::array<BubbleIcon *, 3> m_icons{};
    BubbleBin *m_bin = nullptr;
    UndoController *m_undo = nullptr;

    // The bubble being dragged, where the pointer took it and where it was then.
    struct Drag {
        int index = -1;
        QPoint grab;
        QPoint startTopLeft;
        bool moved = false;
    } m_drag;
};

} // namespace quillora
