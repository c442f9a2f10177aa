#pragma once
// The rich text toolbar (`RTBtoolbar`): font, size, colour, bold, italic, underline, bullets and
// alignment for the selection of the current rich text box. It only reports what the child
// chose; the text controller applies it. While the program writes the selection's look into it
// (the toolbar guard is clear), its controls report nothing.

#include "core/layout/colour.h"
#include "core/text/selectionlook.h"

#include <QWidget>

#include <array>

class QAbstractButton;
class QComboBox;
class QToolButton;

namespace quillora {

class RichTextToolbar : public QWidget {
    Q_OBJECT
public:
    static constexpr int kSwatchCount = 16;
    // The colours of the swatches in the colour drop-down (`ColPD`), 0x00BBGGRR.
    static const std::array<ColourRef, kSwatchCount> &swatchColours();

    explicit RichTextToolbar(QWidget *parent = nullptr);

    // The fonts the font list offers: the five the teacher chose in the options, each written
    // in its own face. A repeated or empty slot is offered once or not at all.
    void setFontChoices(const QStringList &names);

    // Shows the selection's look; mixed properties leave their control as it was.
    void showLook(const SelectionLook &look);
    // True while the toolbar reacts to the child (the toolbar guard).
    bool reactsToUser() const { return m_reacting; }

    QComboBox *fontNameDrop() const { return m_fontName; }
    QComboBox *fontSizeDrop() const { return m_fontSize; }
    QWidget *colourDropDown() const { return m_colourDrop; }
    QAbstractButton *swatch(int index) const;

    // What the size list offers.
    static const QStringList &listedSizes();

signals:
    void fontNameChosen(const QString &name);
    void fontSizeChosen(double points);
    void boldChosen(bool on);
    void italicChosen(bool on);
    void underlineChosen(bool on);
    void bulletChosen(bool on);
    void alignmentChosen(int index);
    void colourChosen(quillora::ColourRef colour);

protected:
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QToolButton *makeStyleToggle(const QString &name, const QString &caption, const QFont &face);
    QToolButton *makeAlignButton(int index);
    void buildColourDropDown();
    void toggleColourDropDown();
    void showCurrentColour(ColourRef colour);
    void enterTypedSize();
    // The rows of a closed drop-down list count as showing on the accessibility bus; while the
    // toolbar is hidden they are hidden too, so nothing offers fonts no one can see.
    void showListRows(bool shown);

    QComboBox *m_fontName = nullptr;
    QComboBox *m_fontSize = nullptr;
    QToolButton *m_currentColour = nullptr;
    QToolButton *m_bold = nullptr;
    QToolButton *m_italic = nullptr;
    QToolButton *m_underline = nullptr;
    QToolButton *m_bullet = nullptr;
    std::array<QToolButton *, 3> m_align{};
    QWidget *m_colourDrop = nullptr;
    QVector<QAbstractButton *> m_swatches;
    bool m_reacting = true;
};

} // namespace quillora
