#pragma once
// The texts of an anywhere page on screen. Each slot has a text box (`TextBox`i) shown while the
// text is edited and a label (`LabBox`i, see-through, so the painting shows round the letters)
// shown otherwise. Round the text being edited stand the selection frame (`selectBox`), the
// resize handle (`TextResizeHandle`) at its lower-right corner and the font button
// (`floatFontBut`), which opens the font panel (`floatMenu`, `fontTypeBut`0..4).
//
// Presses, drags and keys go straight to the core's text operations on the page model; the
// window hears when a step is finished (for undo) and when writing should begin.

#include "ui/document/keypresses.h"

#include <QObject>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QVector>

class QLabel;
class QLineEdit;
class QWidget;

namespace quillora {

class AppContext;
class PictureButton;
struct FloatingTextModel;

class AnywhereTexts : public QObject {
    Q_OBJECT
public:
    // The widgets are children of `host`, so a text may reach past the picture's edge.
    AnywhereTexts(AppContext &context, QWidget *host);

    // Controls of the host that stay in front of every text, however far a text reaches.
    void keepInFront(QWidget *widget) { m_inFront.append(widget); }
    // Where the picture's top-left corner is in the host, and the picture's size.
    void setPicture(QPoint origin, QSize size);
    // Every slot's widgets follow the page model again; nothing is being edited.
    void showPage();

    // One slot's widgets follow its text in the page model again.
    void showText(int slot);
    // Text `slot` is edited: shown as its text box in front, with the selection frame, every
    // other text as its label. With `placeholderSelected` typing replaces "Abc".
    void edit(int slot, bool takeFocus, bool placeholderSelected = false);
    // Frame, handle, font button and panel hidden; untouched texts gone; every text a label.
    void endEditing();
    // The font panel beside the text being edited.
    void showFontPanel();
    // The text being edited, or -1.
    int editedSlot() const { return m_edited; }

    QLineEdit *textBox(int slot) const;
    QLabel *label(int slot) const;
    QWidget *selectionFrame() const { return m_selectBox; }
    QWidget *resizeHandle() const { return m_resizeHandle; }
    PictureButton *fontButton() const { return m_fontButton; }
    QWidget *fontPanel() const { return m_fontPanel; }

signals:
    // A change the child made is complete (typed key, drop, resize, font): one undo step.
    void stepFinished();
    // A key went up in a text: one more change.
    void keyReleased();
    // A text was pressed or dropped: the window writes from now on.
    void writingWanted();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void ensureSlots(int count);
    void showAsLabels(int except);
    void placeDecorations(int slot);
    void hideDecorations();
    void takeUp(int slot);
    QPoint hostPosition(const QRect &pictureRect) const;
    bool textBoxEvent(int slot, QEvent *event);
    bool labelEvent(int slot, QEvent *event);
    bool handleEvent(QEvent *event);
    void chooseFont(int entry);
    FloatingTextModel *edited() const;

    AppContext &m_context;
    QWidget *m_host;
    QPoint m_origin;
    QSize m_pictureSize;
    QVector<QLineEdit *> m_textBoxes;
    QVector<QLabel *> m_labels;
    QWidget *m_selectBox = nullptr;
    QWidget *m_resizeHandle = nullptr;
    PictureButton *m_fontButton = nullptr;
    QWidget *m_fontPanel = nullptr;
    QVector<QLabel *> m_fontEntries;
    QVector<QWidget *> m_inFront;
    int m_edited = -1;
    KeyPresses m_keys; // of the text being typed into

    // A drag under way: where the pointer and the dragged thing started (host coordinates).
    struct Drag {
        QPoint pointerStart;
        QPoint widgetStart;
        QRect frameStart;
        bool moved = false;
    };
    Drag m_drag;
};

} // namespace quillora
