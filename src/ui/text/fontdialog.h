#pragma once
// The font dialog (`fontForm`) for a plain text box: the five allowed fonts, each shown in its
// own face, the sizes the box can take, seven felt pens for the colour, and a preview (`egtext`)
// centred in its holder. OK answers Yes, Cancel No; the caller applies choice() to the box.

#include "core/text/plainfit.h"
#include "ui/kit/owndialog.h"

#include <QVector>

class QCheckBox;
class QLabel;
class QListWidget;
class QScrollBar;

namespace quillora {

class FeltPenChoice;

class FontDialog : public OwnDialog {
    Q_OBJECT
public:
    static constexpr int kPenCount = 7;
    // The pens' colours (0x00BBGGRR): black, red, blue, green, orange, purple, brown.
    static const std::array<ColourRef, kPenCount> &penColours();

    // `box` is the text box being edited; the apply-to-all box shows only for circle, table and
    // postcard documents.
    FontDialog(AppContext &context, const TextBoxModel &box, QWidget *parent = nullptr);

    FontChoice choice() const { return m_choice; }
    bool applyToAll() const;

    // What a click on each list or pen does.
    void chooseFont(int index);
    void chooseSize(int size);
    void choosePen(int index);

    // The sizes the list shows (those the box can take).
    QList<int> shownSizes() const;
    QLabel *preview() const { return m_preview; }
    QWidget *previewHolder() const { return m_holder; }

signals:
    // OK was refused: one line at the chosen size no longer fits the single-line box.
    void choiceRefused();

protected:
    void okPressed() override;

private:
    void buildFontList();
    void buildSizeList();
    void buildPens();
    void showPreview();
    void centrePreview();
    bool eventFilter(QObject *watched, QEvent *event) override;

    TextBoxModel m_box;
    FontChoice m_choice;
    QLabel *m_preview = nullptr;
    QWidget *m_holder = nullptr;
    QLabel *m_fontSelected = nullptr;
    QLabel *m_sizeLabel = nullptr;
    QListWidget *m_fontList = nullptr;
    QListWidget *m_sizeList = nullptr;
    QVector<FeltPenChoice *> m_pens;
    QCheckBox *m_allBoxes = nullptr;
};

} // namespace quillora
