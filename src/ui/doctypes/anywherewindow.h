#pragma once
// The anywhere window (`anyWhereForm`): one big picture (`PicBox`, framed by `picBorder`) to
// paint on with every tool, and texts put anywhere on it. The text tool (`abcBut`) makes a
// press on the picture add a text there; texts are moved, sized and given a font and a colour
// (`dumPal`) by AnywhereTexts. Every toolbar button ends editing before it acts, and every change
// is one undo step of the page picture, which carries the texts with it.

#include "core/layout/colour.h"
#include "ui/document/documentwindow.h"

namespace quillora {

class AnywhereTexts;
class PaintingController;
class PictureButton;
class UndoController;

class AnywhereWindow : public DocumentWindow {
    Q_OBJECT
public:
    explicit AnywhereWindow(AppContext &context, QWidget *parent = nullptr);

    // A blank landscape page; there are no templates.
    bool startDocument(const QString &templatePath) override;

    AnywhereTexts *texts() const { return m_texts; }
    QWidget *textPalette() const { return m_palette; }
    PictureButton *writeButton() const { return m_writeButton; }
    bool isWriting() const;

    // The text tool: a press on the picture adds a text; the felt pen's lid closes.
    void enterWriting();
    // Untouched texts go, every text shows as its label.
    void endEditing();
    QWidget *takeKeyboardTyping() override;
    int editedFloatingText() const override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void connectControllers();
    void onPageShown();
    void onPicturePressed(int index, QPoint position, Qt::MouseButton button);
    void onPaintingChosen();
    void colourText(ColourRef colour);
    void stepTextSize(int step);
    void recordStep();
    void placeColumn();
    void makePalette();

    AnywhereTexts *m_texts = nullptr;
    PictureButton *m_writeButton = nullptr;
    QWidget *m_palette = nullptr;
    PaintingController *m_painting = nullptr;
    UndoController *m_undo = nullptr;
};

} // namespace quillora
