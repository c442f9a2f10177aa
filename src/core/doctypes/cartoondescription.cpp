#include "core/doctypes/cartoondescription.h"

#include "core/doctypes/cartoon.h"
#include "core/foundation/codepage.h"
#include "core/layout/dialect.h"
#include "core/layout/templatereader.h"
#include "core/text/textboxformat.h"

#include <QStringView>

#include <algorithm>
#include <cmath>

namespace quillora {

namespace {

using dialect::attribute;

constexpr int kMaxFontNameLength = 64;
constexpr double kSmallestBubbleFont = 4.0;
constexpr double kLargestBubbleFont = 200.0;

const QString kCrLf = QStringLiteral("\r\n");

QString pictureBoxLine(int index, const PictureBoxModel &box, float scale)
{
    return QStringLiteral("<picbox") + attribute(u"name", QStringLiteral("pb%1").arg(index)) +
           attribute(u"x", dialect::pixelsToMm(box.geometry.x(), scale)) +
           attribute(u"y", dialect::pixelsToMm(box.geometry.y(), scale)) +
           attribute(u"width", dialect::pixelsToMm(box.geometry.width(), scale)) +
           attribute(u"height", dialect::pixelsToMm(box.geometry.height(), scale)) +
           QStringLiteral("/>") + kCrLf;
}

QString bubbleLine(int index, const BubbleModel &bubble)
{
    const QPoint centre = bubble.geometry.topLeft() +
                          QPoint(bubble.geometry.width() / 2, bubble.geometry.height() / 2);
    const QPoint handle = sizeHandleCentre(bubble);
    // A line break is written as CR, which the text encoding keeps, and read back as CR LF.
    const QString lines = normalisedBoxText(bubble.text).replace(u'\n', QStringLiteral("\r\n"));
    return QStringLiteral("<bubble") + attribute(u"name", QStringLiteral("bu%1").arg(index)) +
           attribute(u"cx", centre.x()) + attribute(u"cy", centre.y()) +
           attribute(u"type", int(bubble.kind)) + dialect::textAttributeLine(u"text", lines) +
           attribute(u"parentindex", bubble.frame) + QStringLiteral(" ") +
           attribute(u"handcx", bubble.tip.x()) + attribute(u"handcy", bubble.tip.y()) +
           attribute(u"szhandcx", handle.x()) + attribute(u"szhandcy", handle.y()) +
           attribute(u"font", bubble.style.fontName) +
           attribute(u"size", dialect::formatReal(bubble.style.fontSize)) +
           attribute(u"colour", dialect::formatColour(bubble.style.colour)) + QStringLiteral("/>") +
           kCrLf;
}

void readStyle(QStringView line, TextStyle &style)
{
    QString font = dialect::textAttribute(line, u"font");
    // No font is named with control characters, nor with "=", which written back would read
    // as the start of another attribute.
    font.removeIf([](QChar c) { return c.category() == QChar::Other_Control; });
    if (!font.isEmpty() && !font.contains(u'='))
        style.fontName = font.left(kMaxFontNameLength);
    const double size = double(dialect::realAttribute(line, u"size"));
    if (std::isfinite(size) && size > 0.0)
        style.fontSize = std::clamp(size, kSmallestBubbleFont, kLargestBubbleFont);
    if (const auto colour = dialect::colourAttribute(line, u"colour"))
        style.colour = *colour;
    style.align = Alignment::Centre;
}

// The line without its text's value: words such as "size=" typed into a bubble must not be
// taken for the attributes after them.
QString withoutText(QStringView line)
{
    const QStringView opening = u" text='";
    const qsizetype start = line.indexOf(opening);
    if (start < 0)
        return line.toString();
    const qsizetype valueStart = start + opening.size();
    const qsizetype end = line.indexOf(u'\'', valueStart);
    return line.left(valueStart).toString() + (end < 0 ? QString() : line.mid(end).toString());
}

// One "bubble" line on the page; false when it cannot be placed.
bool placeBubble(QStringView fullLine, PageModel &page)
{
    const QString attributes = withoutText(fullLine);
    const QStringView line(attributes);
    const int kind = dialect::intAttribute(line, u"type");
    const int frame = dialect::intAttribute(line, u"parentindex");
    if (kind < int(BubbleKind::Speech) || kind > int(BubbleKind::Caption) || frame < 0 ||
        frame >= page.pictureBoxes.size() || !page.pictureBoxes[frame].visible ||
        page.pictureBoxes[frame].geometry.isEmpty())
        return false;
    const QRect frameRect(QPoint(0, 0), page.pictureBoxes[frame].geometry.size());
    const QPoint given(dialect::intAttribute(line, u"cx"), dialect::intAttribute(line, u"cy"));
    // The size handle lies a quarter of the surface's width and height from the centre.
    const QPoint reach =
        QPoint(dialect::intAttribute(line, u"szhandcx"), dialect::intAttribute(line, u"szhandcy")) -
        given;
    const QSize surface(std::max(8, 4 * std::abs(reach.x())), std::max(8, 4 * std::abs(reach.y())));
    const QPoint centre = clampedTip(frameRect, given);
    TextStyle style;
    readStyle(line, style);
    const int index = createBubble(page, BubbleKind(kind), frame, centre,
                                   surface.boundedTo(QSize(4096, 4096)), style);
    if (index < 0)
        return false;
    BubbleModel &bubble = page.kindState<ComicStripState>().bubbles[index];
    // Sides in whole quarters put the handle up to 0.71 pixels off the exact reach; a bubble
    // that near its limits is taken as it is, so it reads back the same each time.
    const double written =
        std::hypot(bubble.geometry.width() / 4.0, bubble.geometry.height() / 4.0);
    if (written < kMinBubbleReach - 1 || written > maxBubbleReach(frameRect.width()) + 1)
        bubble.geometry = resizedBubble(bubble, sizeHandleCentre(bubble), frameRect.width());
    bubble.tip = clampedTip(bubble.geometry, QPoint(dialect::intAttribute(line, u"handcx"),
                                                    dialect::intAttribute(line, u"handcy")));
    bubble.text = normalisedBoxText(dialect::decodedTextAttribute(fullLine, u"text"));
    fitBubbleText(bubble);
    return true;
}

} // namespace

QString cartoonDescription(const PageModel &page)
{
    QString text = QStringLiteral("<layout") + attribute(u"name", u"usermade") +
                   attribute(u"width", page.pageWidthMm) + attribute(u"height", page.pageHeightMm) +
                   attribute(u"numpicboxes", page.announcedPictureBoxes) + QStringLiteral(">") +
                   kCrLf;
    const int frames = std::min<int>(page.announcedPictureBoxes, page.pictureBoxes.size());
    for (int i = 0; i < frames; ++i)
        text += pictureBoxLine(i, page.pictureBoxes[i], page.scale);
    return text + bubbleDescription(page) + QStringLiteral("</layout>") + kCrLf;
}

QString bubbleDescription(const PageModel &page)
{
    QString text;
    const QVector<BubbleModel> &bubbles = bubblesOf(page);
    for (int i = 0; i < bubbles.size(); ++i)
        if (bubbles[i].visible)
            text += bubbleLine(i, bubbles[i]);
    return text;
}

int readBubbles(const QString &description, PageModel &page)
{
    int skipped = 0;
    for (QStringView line : QStringView(description).split(u'\n')) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (dialect::elementName(line) == u"bubble" && !placeBubble(line, page))
            ++skipped;
    }
    return skipped;
}

bool readCartoonDescription(const QByteArray &bytes, const QString &path, PageModel &page,
                            const PageFitInputs &fit, QString *error)
{
    page.kindState<ComicStripState>().bubbles.clear();
    if (!readTemplateText(bytes, path, page, fit, error))
        return false;
    // Cartoons have frames only; a text box in the file is not shown.
    for (TextBoxModel &box : page.textBoxes)
        box.visible = false;
    for (RichTextBoxModel &box : page.richTextBoxes)
        box.visible = false;
    page.announcedTextBoxes = 0;
    page.announcedRichTextBoxes = 0;
    page.objectsSkippedOnRead = readBubbles(codepage::decodeAuto(bytes), page);
    return true;
}

} // namespace quillora

namespace quillora {

UndoKindHandler bubbleUndoKind()
{
    UndoKindHandler handler;
    handler.restart = UndoRestart::Text;
    handler.capture = [](const PageModel &page, int, UndoRecord &record) {
        record.text = bubbleDescription(page);
        return true;
    };
    handler.restore = [](const UndoRecord &record, PageModel &page, QVector<UndoTarget> &changed) {
        page.kindState<ComicStripState>().bubbles.clear();
        readBubbles(record.text, page);
        changed.append(UndoTarget{record.kind, record.index});
    };
    return handler;
}

} // namespace quillora
