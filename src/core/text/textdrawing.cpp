#include "core/text/textdrawing.h"

#include "core/layout/colour.h"
#include "core/text/plainfit.h"
#include "core/text/richfit.h"

#include <QAbstractTextDocumentLayout>
#include <QGlyphRun>
#include <QPainter>
#include <QRawFont>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>
#include <memory>

namespace quillora {

namespace {

// Layout positions carry sub-pixel noise; a character ending this close to the edge is inside.
constexpr qreal kEdgeTolerance = 0.01;

// Keeps only the glyphs that end within the box's width.
QGlyphRun glyphsInside(const QGlyphRun &run, qreal boxWidth)
{
    const QList<quint32> indexes = run.glyphIndexes();
    const QList<QPointF> positions = run.positions();
    const QList<QPointF> advances = run.rawFont().advancesForGlyphIndexes(indexes);
    QList<quint32> keptIndexes;
    QList<QPointF> keptPositions;
    for (qsizetype i = 0; i < indexes.size() && i < positions.size(); ++i) {
        const qreal advance = i < advances.size() ? advances.at(i).x() : 0.0;
        if (positions.at(i).x() + advance <= boxWidth + kEdgeTolerance) {
            keptIndexes.append(indexes.at(i));
            keptPositions.append(positions.at(i));
        }
    }
    QGlyphRun kept = run;
    kept.setGlyphIndexes(keptIndexes);
    kept.setPositions(keptPositions);
    return kept;
}

// Underline and strike-out are drawn here: QPainter places a glyph run's own decorations off by
// the painter's translation.
void drawDecorations(QPainter &painter, const QGlyphRun &run, const QPointF &offset)
{
    if (!run.underline() && !run.strikeOut())
        return;
    const QList<QPointF> positions = run.positions();
    const QList<QPointF> advances = run.rawFont().advancesForGlyphIndexes(run.glyphIndexes());
    if (positions.isEmpty() || advances.size() != positions.size())
        return;
    const QRawFont font = run.rawFont();
    qreal left = positions.first().x();
    qreal right = left;
    for (qsizetype i = 0; i < positions.size(); ++i) {
        left = std::min(left, positions.at(i).x());
        right = std::max(right, positions.at(i).x() + advances.at(i).x());
    }
    const qreal baseline = positions.first().y();
    const qreal thickness = std::max(font.lineThickness(), 1.0);
    const QColor colour = painter.pen().color();
    if (run.underline())
        painter.fillRect(QRectF(left, baseline + font.underlinePosition() - thickness / 2,
                                right - left, thickness)
                             .translated(offset),
                         colour);
    if (run.strikeOut())
        painter.fillRect(
            QRectF(left, baseline - font.xHeight() / 2 - thickness / 2, right - left, thickness)
                .translated(offset),
            colour);
}

QColor fragmentColour(const QTextCharFormat &format, const QColor &textColour)
{
    if (format.hasProperty(QTextFormat::ForegroundBrush) &&
        format.foreground().style() != Qt::NoBrush)
        return format.foreground().color();
    return textColour;
}

// The point a line keeps when its characters are drawn smaller: its left end, right end or
// middle by its paragraph's alignment, at the box's top.
QPointF shrinkAnchor(const QTextBlock &block, const QTextLine &line, const QPointF &layoutOrigin)
{
    const QTextBlockFormat format = block.blockFormat();
    const Qt::Alignment align = format.hasProperty(QTextFormat::BlockAlignment)
                                    ? format.alignment()
                                    : block.document()->defaultTextOption().alignment();
    const QRectF text = line.naturalTextRect().translated(layoutOrigin);
    // A right-to-left paragraph starts at the right: its leading (left) alignment is the right.
    const bool mirrored = !(align & Qt::AlignAbsolute) && block.textDirection() == Qt::RightToLeft;
    if (mirrored && !(align & (Qt::AlignRight | Qt::AlignHCenter)))
        return QPointF(text.right(), 0);
    if ((align & Qt::AlignRight) && !mirrored)
        return QPointF(text.right(), 0);
    if (align & Qt::AlignHCenter)
        return QPointF(text.center().x(), 0);
    return QPointF(text.left(), 0);
}

void drawLine(QPainter &painter, const QTextBlock &block, const QTextLine &line,
              const QPointF &layoutOrigin, const QSizeF &boxSize, const QColor &textColour)
{
    const int lineStart = line.textStart();
    const int lineEnd = lineStart + line.textLength();
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        const int start = std::max(fragment.position() - block.position(), lineStart);
        const int end =
            std::min(fragment.position() + fragment.length() - block.position(), lineEnd);
        if (start >= end)
            continue;
        painter.setPen(fragmentColour(fragment.charFormat(), textColour));
        for (const QGlyphRun &run : line.glyphRuns(start, end - start)) {
            // Smaller characters sit with their bottom on the line's bottom.
            const qreal drop = std::max(line.descent() - run.rawFont().descent(), 0.0);
            QGlyphRun kept = glyphsInside(run, boxSize.width() - layoutOrigin.x());
            if (kept.glyphIndexes().isEmpty())
                continue;
            const QPointF offset = layoutOrigin + QPointF(0, drop);
            drawDecorations(painter, kept, offset);
            kept.setUnderline(false);
            kept.setStrikeOut(false);
            kept.setOverline(false);
            painter.drawGlyphRun(offset, kept);
        }
    }
}

bool isPlaceholder(const QString &text)
{
    return text == kPlaceholderText;
}

} // namespace

void insertCopyNumber(QTextDocument &document, int copyNumber)
{
    const QString number = QString::number(copyNumber);
    QTextCursor found = document.find(QStringLiteral("^"));
    while (!found.isNull()) {
        found.insertText(number, found.charFormat());
        found = document.find(QStringLiteral("^"), found);
    }
}

void drawBoxDocument(QPainter &painter, QTextDocument &document, const QSizeF &boxSize,
                     const QColor &textColour, const TextPlacement &placement)
{
    document.documentLayout()->documentSize();
    painter.save();
    painter.translate(placement.origin);
    painter.scale(placement.scaleX, placement.scaleY);
    painter.setClipRect(QRectF(QPointF(0, 0), boxSize), Qt::IntersectClip);
    bool firstLine = true;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QTextLayout *layout = block.layout();
        const QPointF origin = layout->position();
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            // A line that would be cut through is left out. The first line is always drawn
            // (clipped): a single-line box is fitted by width only and may be a little
            // shorter than its line, and it shows its text on screen all the same.
            const qreal lineBottom = origin.y() + line.y() + line.ascent() + line.descent();
            if (!firstLine && lineBottom > boxSize.height() + kEdgeTolerance)
                break;
            if (placement.fontFactor > 0.0 && placement.fontFactor != 1.0) {
                const QPointF anchor = shrinkAnchor(block, line, origin);
                painter.save();
                painter.translate(anchor);
                painter.scale(placement.fontFactor, placement.fontFactor);
                painter.translate(-anchor);
                drawLine(painter, block, line, origin, boxSize, textColour);
                painter.restore();
            } else {
                drawLine(painter, block, line, origin, boxSize, textColour);
            }
            firstLine = false;
        }
    }
    painter.restore();
}

void drawTextBox(QPainter &painter, const TextBoxModel &box, const TextPlacement &placement)
{
    if (isPlaceholder(box.text))
        return;
    TextBoxFormat format{box.style, QSizeF(box.geometry.size()), box.multiLine};
    // A text that would overflow here (a box never refitted since it was stored) is fitted
    // now: a printed page never silently loses a line.
    TextMeasure measure;
    format.style.fontSize = fittedFontSize(measure, format, normalisedBoxText(box.text));
    QTextDocument document;
    document.setUndoRedoEnabled(false);
    configureTextBoxDocument(document, format);
    document.setPlainText(normalisedBoxText(box.text));
    if (placement.copyNumber)
        insertCopyNumber(document, *placement.copyNumber);
    drawBoxDocument(painter, document, format.boxSize, toQColor(box.style.colour), placement);
}

void drawRichTextBox(QPainter &painter, const QTextDocument &content, const TextBoxFormat &format,
                     const TextPlacement &placement)
{
    if (isPlaceholder(content.toPlainText()))
        return;
    std::unique_ptr<QTextDocument> document(content.clone());
    document->setUndoRedoEnabled(false);
    configureTextBoxDocument(*document, format);
    shrinkRichTextToFit(*document, format.boxSize);
    if (placement.copyNumber)
        insertCopyNumber(*document, *placement.copyNumber);
    drawBoxDocument(painter, *document, format.boxSize, toQColor(format.style.colour), placement);
}

} // namespace quillora
