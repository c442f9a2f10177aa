#pragma once
// The band of picture buttons along the top of a document window (`MaxToolbar`). Buttons sit in
// fixed groups from the left; minimise and exit keep to the right-hand end. Buttons hidden for a
// while keep their places; only the camera and border buttons give theirs up.

#include "core/layout/pagefit.h"

#include <QVector>
#include <QWidget>

namespace quillora {

class AppContext;
class PictureButton;
class PresentationLogo;

// Side of each toolbar button: big enough for a child's finger on a whiteboard.
constexpr int kToolbarButtonPx = 52;

enum class ToolbarAction {
    New,
    Open,
    Save,
    Print,
    Undo,
    Redo,
    Font,
    TextBigger,
    TextSmaller,
    ShowFeltPens,
    ShowPaintTools,
    WebCam,
    BorderFromMagnifier,
    ReadAloud,
    Minimise,
    Exit,
};

class DocumentToolbar : public QWidget {
    Q_OBJECT
public:
    explicit DocumentToolbar(const AppContext &context, QWidget *parent = nullptr);

    PictureButton *button(ToolbarAction action) const;
    void setButtonShown(ToolbarAction action, bool shown);
    bool isButtonShown(ToolbarAction action) const;
    // Captions again through the translation table (after a language change); a button whose
    // caption tells its state (the read aloud button's "Stop") is captioned again by its owner
    // on `retranslated`.
    void retranslate(const AppContext &context);

    // The logo (`logoImg`) in the free space between the button groups: its badge alone on a
    // narrow window, hidden when not even that fits.
    PresentationLogo *logo() const { return m_logo; }

signals:
    void triggered(quillora::ToolbarAction action);
    void logoDoubleClicked();
    void retranslated();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void relayout();
    void place(QWidget *widget, int left, int top);
    void placeLogo(int freeLeft, int freeRight);

    QVector<PictureButton *> m_buttons; // indexed by ToolbarAction
    PresentationLogo *m_logo = nullptr;
};

} // namespace quillora
