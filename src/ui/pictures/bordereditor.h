#pragma once
// Border editing in the single-page window. The page shows its border under its objects, with
// the parts still unpainted in a faint colour. Pressing the border band opens the editor beside
// the page: the magnifier badge (`magBorder`) resting on the enlarged border picture
// (`BordPaper`), which the child paints with the felt pens and paint tools like any picture.
// Ending the editor lays the painted picture round the page again. It ends by pressing the band
// or the badge again, and at the start of every press on the page, a picture or a text;
// `toolClickBut` ("Use this border") lays the border round the page while the editor stays.
//
// The application makes one per document window, after its undo and painting controllers:
//     new BorderEditor(context, *window, *undo, *painting);

#include "core/pictures/picturepainting.h"

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QWidget>

namespace quillora {

class AppContext;
class PaintingController;
class PictureBoxWidget;
class RubberBandOverlay;
class DocumentWindow;
class UndoController;

// `magBorder`: the bright magnifier badge shown while the border is being edited. Its presses,
// moves and releases are reported as its own signals.
class MagnifierBadge : public QWidget {
    Q_OBJECT
public:
    static constexpr int kSidePx = 72;
    explicit MagnifierBadge(QWidget *parent = nullptr);

signals:
    void pressed(QPoint position, Qt::MouseButton button);
    void moved(QPoint position, Qt::MouseButtons buttons);
    void released(QPoint position, Qt::MouseButton button);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
};

// Where the editor goes in a window of `windowSize` whose page is at `pageRect`, for a border
// picture of the proportions `pictureAspect` (width / height): right of the page when there is
// room for a paper at least kMinPaperSidePx wide, otherwise at the window's right-hand edge
// over the page.
struct BorderEditorPlacement {
    static constexpr int kMinPaperSidePx = 240;
    static constexpr int kMaxPaperSidePx = 420;
    QRect badge; // `magBorder`
    QRect paper; // `BordPaper`
    QRect panel; // the bright backing round the paper
};
BorderEditorPlacement placeBorderEditor(const QRect &pageRect, const QSize &windowSize,
                                        double pictureAspect);

class BorderEditor : public QObject {
    Q_OBJECT
public:
    BorderEditor(AppContext &context, DocumentWindow &window, UndoController &undo,
                 PaintingController &painting);

    bool isEditing() const { return m_editing; }
    // Opens the editor (when the page has a border) or, when it is open, ends it.
    void toggleEditing();
    // Closes the editor if it is open and lays the border round the page.
    void endEditing();
    // Lays the border picture round the page as it is now.
    void applyBorder();
    // Places the badge and the paper beside the page.
    void positionEditor();
    // The border picture was replaced from outside (paste, import): show it and lay it again.
    void showNewPicture();

    MagnifierBadge *magnifier() const { return m_badge; }
    PictureBoxWidget *borderPaper() const { return m_paper; }

signals:
    void editingChanged(bool editing);
    // Right button on the paper while the paint tools show; `at` is in window coordinates.
    void contextMenuRequested(QPoint at);

private:
    void startEditing();
    void setEditorShown(bool shown);
    void onPaperPressed(QPoint position, Qt::MouseButton button, int pointer);
    void onPaperMoved(QPoint position, Qt::MouseButtons buttons, int pointer);
    void onPaperReleased(QPoint position, Qt::MouseButton button, int pointer);
    void onTick();
    void onPageShown();
    double pictureAspect() const;
    void showPainted(const QRect &dirty);
    void showBand();

    AppContext &m_context;
    DocumentWindow &m_window;
    UndoController &m_undo;
    PicturePainting m_painting;
    QWidget *m_panel = nullptr;
    PictureBoxWidget *m_paper = nullptr;
    MagnifierBadge *m_badge = nullptr;
    QPointer<RubberBandOverlay> m_band;
    bool m_editing = false;
    bool m_stroke = false;   // a press on the paper painted; its release records the border
    int m_strokePointer = 0; // the mouse or the one finger painting the border
};

} // namespace quillora
