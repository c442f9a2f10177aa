#pragma once
// The banner window (`BannerWindow`, "Display"): the child types one line into `BannerText`,
// picks a font (`FontNameCombo`), a letter thickness (`thickScroll`, with `Image1` for the
// thinnest and `Image2` for the thickest), the colours of the sheets, the letters and their
// outline (each takes the felt pen's colour), and whether the banner has a border; the whole
// strip of sheets shows reduced in `PaperHolder`. The border tile is painted in the border
// editor (`BordPaper`, `magBorder`), opened by pressing a tile on the strip. Every change is
// one undo step.

#include "core/doctypes/bannerlayout.h"
#include "core/undo/undorecord.h"
#include "ui/document/documentwindow.h"

#include <QPointer>

#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QScrollBar;

namespace quillora {

class BannerStrip;
class BorderEditor;
class PictureButton;
class UndoController;

class BannerWindow : public DocumentWindow {
    Q_OBJECT
public:
    explicit BannerWindow(AppContext &context, QWidget *parent = nullptr);

    // A new banner from a template of the "display" folder.
    bool startDocument(const QString &templatePath) override;
    void controllersAttached(const DocumentControllers &controllers) override;

    // The mode, as its button sets it: the border shows (and its editor opens) or goes.
    void setBannerMode(BannerMode mode);
    // The banner laid out as the strip shows it now.
    const BannerLayout &bannerLayout() const { return m_layout; }
    double stripScale() const { return m_stripScale; }
    // Says whether the machine has a font a work names; by default asks the font system.
    using FontCheck = std::function<bool(const QString &family)>;
    void setFontCheck(FontCheck installed) { m_fontInstalled = std::move(installed); }

protected:
    bool showsPageView() const override { return false; }
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    enum class Colour { Background, LetterFill, LetterOutline };

    void buildControls();
    void placeControls();
    // Brings every control in line with the page's banner, the font held to the settings' five or
    // to one the machine has.
    void showBanner();
    void addFontItem(const QString &name);
    // Lays the letters out again and redraws the strip.
    void layOutStrip();
    // One change by the child: the history starts with the banner as it was, the change is
    // made, counted and recorded, and the strip follows.
    void change(const std::function<void(Banner &)> &edit);
    void onTextEdited(const QString &text);
    void onFontChosen(int index);
    void onThicknessChanged(int thickness);
    void applyColour(Colour part);
    void onStripPressed(int sheet, QPointF mm, Qt::MouseButton button);
    void onRestored(const QVector<UndoTarget> &changed);
    void openBorderEditor();
    void showSwatches();

    QLineEdit *m_text = nullptr;
    QLabel *m_measure = nullptr; // `AbcHolder`: holds the font the text is measured with
    QComboBox *m_font = nullptr;
    FontCheck m_fontInstalled;
    PictureButton *m_thinnest = nullptr;
    QScrollBar *m_thickness = nullptr;
    PictureButton *m_thickest = nullptr;
    PictureButton *m_background = nullptr;
    PictureButton *m_letterFill = nullptr;
    PictureButton *m_letterOutline = nullptr;
    PictureButton *m_borderMode = nullptr;
    BannerStrip *m_strip = nullptr;

    QPointer<UndoController> m_undo;
    QPointer<BorderEditor> m_border;
    BannerLayout m_layout;
    double m_stripScale = 1.0;
};

} // namespace quillora
