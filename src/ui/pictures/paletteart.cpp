#include "ui/pictures/paletteart.h"

#include "core/pictures/painttables.h"
#include "ui/kit/looks.h"

#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace quillora::paletteart {

namespace {

constexpr int kCursorSide = 32;
constexpr int kCursorHotSpot = 6;

QColor outlineFor(const QColor &colour)
{
    // Dark colours keep a visible rim in a lighter shade of ink instead of an even darker one.
    if (colour.lightness() < 48)
        return QColor(0x5A, 0x66, 0x80);
    return colour.darker(210);
}

QPen outlinePen(const QColor &colour, qreal width)
{
    return QPen(outlineFor(colour), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// The band of a pen is drawn on a 32-pixel design; small pens scale it down.
qreal bandScale(const QRect &band)
{
    return band.height() / 32.0;
}

const QHash<quint32, QString> &colourNames()
{
    // Keyed by 0xRRGGBB: every colour of the felt pen strips and of the paint palette.
    static const QHash<quint32, QString> names = {
        {0xFF0000, QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Red"))},
        {0xFFFF00, QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Yellow"))},
        {0xFF8000, QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Orange"))},
        {0x00FF00, QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Bright green"))},
        {0x008000, QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Green"))},
        {0x00FFFF, QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Turquoise"))},
        {0x0000FF, QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Blue"))},
        {0xFFC4D4, QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Pink"))},
        {0x804000, QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Brown"))},
        {0xC0C0C0, QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Light grey"))},
        {0xFFFFFF, QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "White"))},
        {0x000000, QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Black"))},
        {0x800080, QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Purple"))},
        {0x000080, QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Dark blue"))},
        {0xFF8040, QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Peach"))},
        {0x808000, QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Olive green"))},
        {0xC46000, QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Ginger"))},
        {0xFF80C0, QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Bright pink"))},
        {0x8080C0, QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Lavender"))},
        {0x808080, QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Grey"))},
        {0xFFFF80, QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Pale yellow"))},
        {0x80FF80, QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Pale green"))},
        {0xFF00FF, QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Magenta"))},
        {0xFFB020, QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Gold"))},
        {0x00FF80, QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Mint green"))},
        {0x0000A0, QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Navy blue"))},
        {0xD00000, QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Dark red"))},
        {0xEF0000, QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Bright red"))},
        {0xFF4040, QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Light red"))},
        {0xC04000, QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Rust"))},
        {0xFFC040, QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Amber"))},
        {0xFFDF00, QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Golden yellow"))},
        {0xFFFF40, QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Lemon"))},
        {0xC0C000, QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Mustard"))},
        {0x00C000, QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Leaf green"))},
        {0x008080, QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Teal"))},
        {0x8080FF, QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Lilac"))},
        {0x80FFFF, QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Pale blue"))},
        {0x0000C0, QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Royal blue"))},
        {0xC000C0, QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Violet"))},
        {0xFF80FF, QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Light pink"))},
        {0x804040, QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Chestnut"))},
        {0xC00000, QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Crimson"))},
        {0x400000, QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Maroon"))},
        {0x151515, QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Coal black"))},
        {0x404040, QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Dark grey"))},
        {0x303030, QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Charcoal"))},
        {0xE0E0E0, QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Silver"))},
    };
    return names;
}

} // namespace

QIcon toolPicture(int tool)
{
    if (!isValidTool(tool) || !toolInfo(tool).hasButton())
        return {};
    QString file = toolInfo(tool).buttonPicture;
    file.remove(QLatin1Char(' '));
    return QIcon(QStringLiteral(":/art/pictures/%1.svg").arg(file));
}

QCursor toolCursor(int tool)
{
    if (tool == ToolNone || !isValidTool(tool))
        return QCursor(Qt::ArrowCursor);
    if (tool == ToolWriting)
        return QCursor(Qt::IBeamCursor);

    QPixmap picture(kCursorSide, kCursorSide);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    toolPicture(tool).paint(&painter, QRect(11, 11, 21, 21));
    // A crosshair with a white rim shows on dark and light pictures alike.
    const QPointF centre(kCursorHotSpot + 0.5, kCursorHotSpot + 0.5);
    for (const auto &[colour, width] : {std::pair{looks::kWhite, 4.5}, {looks::kInk, 2.0}}) {
        painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(centre.x() - 5.5, centre.y()),
                         QPointF(centre.x() + 5.5, centre.y()));
        painter.drawLine(QPointF(centre.x(), centre.y() - 5.5),
                         QPointF(centre.x(), centre.y() + 5.5));
    }
    painter.end();
    return QCursor(picture, kCursorHotSpot, kCursorHotSpot);
}

QString colourName(ColourRef colour)
{
    const QColor c = toQColor(colour);
    const quint32 key = quint32(c.red()) << 16 | quint32(c.green()) << 8 | quint32(c.blue());
    const auto found = colourNames().constFind(key);
    if (found != colourNames().cend())
        return *found;
    return c.name(QColor::HexRgb).toUpper();
}

QRect lidRect(int bandWidth, int bandHeight)
{
    const int left = bandWidth * 62 / 106;
    return QRect(left, 0, bandWidth - left, bandHeight);
}

void drawFeltPenBody(QPainter &painter, const QRect &band, ColourRef colourRef)
{
    const QColor colour = toQColor(colourRef);
    const qreal k = bandScale(band);
    const qreal x = band.x();
    const qreal mid = band.y() + band.height() / 2.0;
    const qreal w = band.width() / 106.0;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(outlinePen(colour, qMax(1.5, 3 * k)));

    // The felt tip, then the barrel over its root, then the cream end cap and collar.
    QPainterPath nib;
    nib.moveTo(x + 72 * w, mid - 7 * k);
    nib.lineTo(x + 94 * w, mid - 2.5 * k);
    nib.quadTo(x + 98 * w, mid, x + 94 * w, mid + 2.5 * k);
    nib.lineTo(x + 72 * w, mid + 7 * k);
    nib.closeSubpath();
    painter.setBrush(colour);
    painter.drawPath(nib);

    const QRectF barrel(x + 12 * w, mid - 11 * k, 58 * w, 22 * k);
    painter.drawRoundedRect(barrel, 4 * k, 4 * k);
    painter.setBrush(looks::kCream);
    painter.drawRoundedRect(QRectF(x + 4 * w, mid - 10 * k, 12 * w, 20 * k), 4 * k, 4 * k);
    painter.drawRect(QRectF(x + 66 * w, mid - 9 * k, 7 * w, 18 * k));
    painter.restore();
}

void drawFeltPenLid(QPainter &painter, const QRect &lid, ColourRef colourRef)
{
    const QColor colour = toQColor(colourRef);
    const qreal k = lid.height() / 32.0;
    const qreal mid = lid.y() + lid.height() / 2.0;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(outlinePen(colour, qMax(1.5, 3 * k)));
    painter.setBrush(colour);
    const QRectF body(lid.x() + 2, mid - 13 * k, lid.width() - 5, 26 * k);
    painter.drawRoundedRect(body, 9 * k, 9 * k);
    // The clip along the top edge.
    painter.setBrush(outlineFor(colour));
    painter.drawRoundedRect(QRectF(body.x() + 6, body.y() - 1 * k, body.width() * 0.6, 5 * k),
                            2 * k, 2 * k);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 90));
    painter.drawEllipse(QRectF(body.x() + 6, mid - 3 * k, body.width() * 0.5, 5 * k));
    painter.restore();
}

void drawFeltPenShine(QPainter &painter, const QRect &band)
{
    const qreal k = bandScale(band);
    const qreal w = band.width() / 106.0;
    const qreal mid = band.y() + band.height() / 2.0;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 90));
    painter.drawRoundedRect(QRectF(band.x() + 20 * w, mid - 8 * k, 40 * w, 5 * k), 2.5 * k,
                            2.5 * k);
    painter.restore();
}

} // namespace quillora::paletteart
