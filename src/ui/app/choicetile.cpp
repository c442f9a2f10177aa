#include "ui/app/choicetile.h"

#include "ui/kit/looks.h"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace quillora {

namespace {

constexpr int kCardRadius = 18;
constexpr int kSelectionWidth = 7;

int captionPixels(int tileHeight)
{
    return std::max(looks::kControlPixels + 2, tileHeight / 8);
}

} // namespace

ChoiceTile::ChoiceTile(const QString &objectName, const QIcon &picture, const QString &caption,
                       Caption shown, QWidget *parent)
    : PictureButton(objectName, picture, caption, parent), m_tilePicture(picture),
      m_captionShown(shown)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void ChoiceTile::setTilePicture(const QIcon &picture)
{
    m_tilePicture = picture;
    setPicture(picture);
}

void ChoiceTile::setSelected(bool selected)
{
    if (m_selected == selected)
        return;
    m_selected = selected;
    setAccessibleDescription(selected ? QStringLiteral("selected") : QString());
    update();
}

QSize ChoiceTile::sizeHint() const
{
    return QSize(160, 170);
}

QSize ChoiceTile::minimumSizeHint() const
{
    return QSize(96, 96);
}

QRectF ChoiceTile::cardRect() const
{
    // Keep the sink's 2 pixels and the selection ring inside the widget.
    return QRectF(rect()).adjusted(kSelectionWidth / 2.0 + 1, kSelectionWidth / 2.0 + 1,
                                   -kSelectionWidth / 2.0 - 3, -kSelectionWidth / 2.0 - 3);
}

QRectF ChoiceTile::pictureRect(const QRectF &card)
{
    return card.adjusted(10, 10, -10, -10);
}

QRectF ChoiceTile::captionRoom(const QRectF &card) const
{
    // Room for two lines; a caption of one line takes only the bottom of it.
    QRectF area = pictureRect(card);
    area.setTop(area.bottom() - captionPixels(height()) * 2.4);
    return area;
}

FittedCaption ChoiceTile::fittedCaption() const
{
    // A long word in another language shrinks, or takes two lines, rather than being cut.
    return fitCaption(text(), looks::childFont(captionPixels(height()), true),
                      captionRoom(cardRect()).size());
}

QRectF ChoiceTile::captionRect(const QRectF &card, const FittedCaption &caption) const
{
    const QFontMetricsF metrics(caption.font);
    const qreal lines = metrics.height() + (caption.lines.size() - 1) * metrics.lineSpacing();
    QRectF area = captionRoom(card);
    area.setTop(area.bottom() - std::max(lines, captionPixels(height()) * 1.4));
    return area;
}

void ChoiceTile::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF card = cardRect();
    QPainterPath outline;
    outline.addRoundedRect(card, kCardRadius, kCardRadius);
    if (m_selected) {
        painter.fillPath(outline, looks::kSunshine);
        painter.setPen(QPen(looks::kSky.darker(160), kSelectionWidth));
    } else {
        painter.fillPath(outline, looks::kWhite);
        painter.setPen(QPen(looks::kInk, 3));
    }
    painter.drawPath(outline);

    QRectF pictureArea = pictureRect(card);
    if (m_captionShown == Caption::Painted) {
        const FittedCaption caption = fittedCaption();
        const QRectF captionArea = captionRect(card, caption);
        pictureArea.setBottom(captionArea.top() - 4);
        painter.setFont(caption.font);
        painter.setPen(looks::kInk);
        painter.drawText(captionArea, Qt::AlignCenter, caption.lines.join(u'\n'));
    }
    m_tilePicture.paint(&painter, pictureArea.toAlignedRect(), Qt::AlignCenter,
                        isEnabled() ? QIcon::Normal : QIcon::Disabled);
}

void ChoiceTile::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The second press of a double-click sinks the tile like any press; the start waits for
    // the release, so the tile is back at rest when the window closes.
    if (event->button() == Qt::LeftButton)
        m_doubleClickHeld = true;
    mousePressEvent(event);
}

void ChoiceTile::mouseReleaseEvent(QMouseEvent *event)
{
    PictureButton::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && m_doubleClickHeld) {
        m_doubleClickHeld = false;
        emit doubleClicked();
    }
}

} // namespace quillora
