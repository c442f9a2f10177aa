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
        {0xFF0000, QStringLiteral("Red")},         {0xFFFF00, QStringLiteral("Yellow")},
        {0xFF8000, QStringLiteral("Orange")},      {0x00FF00, QStringLiteral("Bright green")},
        {0x008000, QStringLiteral("Green")},       {0x00FFFF, QStringLiteral("Turquoise")},
        {0x0000FF, QStringLiteral("Blue")},        {0xFFC4D4, QStringLiteral("Pink")},
        {0x804000, QStringLiteral("Brown")},       {0xC0C0C0, QStringLiteral("Light grey")},
        {0xFFFFFF, QStringLiteral("White")},       {0x000000, QStringLiteral("Black")},
        {0x800080, QStringLiteral("Purple")},      {0x000080, QStringLiteral("Dark blue")},
        {0xFF8040, QStringLiteral("Peach")},       {0x808000, QStringLiteral("Olive green")},
        {0xC46000, QStringLiteral("Ginger")},      {0xFF80C0, QStringLiteral("Bright pink")},
        {0x8080C0, QStringLiteral("Lavender")},    {0x808080, QStringLiteral("Grey")},
        {0xFFFF80, QStringLiteral("Pale yellow")}, {0x80FF80, QStringLiteral("Pale green")},
        {0xFF00FF, QStringLiteral("Magenta")},     {0xFFB020, QStringLiteral("Gold")},
        {0x00FF80, QStringLiteral("Mint green")},  {0x0000A0, QStringLiteral("Navy blue")},
        {0xD00000, QStringLiteral("Dark red")},    {0xEF0000, QStringLiteral("Bright red")},
        {0xFF4040, QStringLiteral("Light red")},   {0xC04000, QStringLiteral("Rust")},
        {0xFFC040, QStringLiteral("Amber")},       {0xFFDF00, QStringLiteral("Golden yellow")},
        {0xFFFF40, QStringLiteral("Lemon")},       {0xC0C000, QStringLiteral("Mustard")},
        {0x00C000, QStringLiteral("Leaf green")},  {0x008080, QStringLiteral("Teal")},
        {0x8080FF, QStringLiteral("Lilac")},       {0x80FFFF, QStringLiteral("Pale blue")},
        {0x0000C0, QStringLiteral("Royal blue")},  {0xC000C0, QStringLiteral("Violet")},
        {0xFF80FF, QStringLiteral("Light pink")},  {0x804040, QStringLiteral("Chestnut")},
        {0xC00000, QStringLiteral("Crimson")},     {0x400000, QStringLiteral("Maroon")},
        {0x151515, QStringLiteral("Coal black")},  {0x404040, QStringLiteral("Dark grey")},
        {0x303030, QStringLiteral("Charcoal")},    {0xE0E0E0, QStringLiteral("Silver")},
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
