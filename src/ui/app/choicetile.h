#pragma once
// One choice of the start screen: a big card with a picture and, for the kinds, its caption
// under it. A click selects it (the window decides), a double-click starts it. It sinks while
// held, like every picture button.

#include "ui/kit/captionfit.h"
#include "ui/kit/picturebutton.h"

namespace quillora {

class ChoiceTile : public PictureButton {
    Q_OBJECT
public:
    enum class Caption { Painted, Hidden };

    // The caption is always the tool tip and accessible name; `Painted` also writes it under
    // the picture (a template's name is shown by its own label instead).
    ChoiceTile(const QString &objectName, const QIcon &picture, const QString &caption,
               Caption shown, QWidget *parent = nullptr);

    void setTilePicture(const QIcon &picture);
    QIcon tilePicture() const { return m_tilePicture; }
    void setSelected(bool selected);
    bool isSelected() const { return m_selected; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    // The painted caption's font and lines at the tile's present size.
    FittedCaption fittedCaption() const;

signals:
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QRectF cardRect() const;
    static QRectF pictureRect(const QRectF &card);
    QRectF captionRoom(const QRectF &card) const;
    QRectF captionRect(const QRectF &card, const FittedCaption &caption) const;

    QIcon m_tilePicture;
    Caption m_captionShown;
    bool m_selected = false;
    bool m_doubleClickHeld = false;
};

} // namespace quillora
