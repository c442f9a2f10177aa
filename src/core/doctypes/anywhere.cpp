#include "core/doctypes/anywhere.h"

#include "core/text/textboxformat.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>
#include <limits>

namespace quillora {

namespace {

FloatingTextModel *textAt(PageModel &page, int slot)
{
    if (!isFloatingText(page, slot))
        return nullptr;
    return &page.kindState<AnywhereState>().floatingTexts[slot];
}

QStringList linesOf(const QString &text)
{
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    lines.replace(u'\r', u'\n');
    return lines.split(u'\n');
}

} // namespace

void AnywhereState::translateWords(const std::function<QString(const QString &)> &translated)
{
    for (FloatingTextModel &text : floatingTexts)
        text.text = translated(text.text);
}

void AnywhereState::addReadingPieces(const PageModel &page, QVector<KindReadingPiece> &pieces) const
{
    const QPoint origin = anywherePictureRect(page).topLeft();
    for (int slot = 1; slot < floatingTexts.size(); ++slot) {
        const FloatingTextModel &text = floatingTexts[slot];
        if (text.visible)
            pieces.append({{}, slot, text.geometry.translated(origin), text.text});
    }
}

std::optional<KindReadingPiece> AnywhereState::currentReadingPiece(const PageModel &,
                                                                   int editedText) const
{
    if (editedText <= 0 || editedText >= floatingTexts.size())
        return std::nullopt;
    const FloatingTextModel &text = floatingTexts[editedText];
    return KindReadingPiece{{}, editedText, text.geometry, text.text};
}

const QVector<FloatingTextModel> &floatingTextsOf(const PageModel &page)
{
    static const QVector<FloatingTextModel> none;
    const AnywhereState *state = page.findKindState<AnywhereState>();
    return state ? state->floatingTexts : none;
}

void setUpAnywherePage(PageModel &page, const PageFitInputs &fit, bool landscape)
{
    page.pageWidthMm = landscape ? kAnywhereLongSideMm : kAnywhereShortSideMm;
    page.pageHeightMm = landscape ? kAnywhereShortSideMm : kAnywhereLongSideMm;
    const PageFit fitted = fitPage(fit, page.pageWidthMm, page.pageHeightMm);
    page.scale = fitted.scale;
    page.pageRect = fitted.pageRect;

    const int margin = int(std::floor(kAnywhereMarginMm * double(page.scale)));
    const QSize pictureSize(
        int(std::floor((page.pageWidthMm - 2 * kAnywhereMarginMm) * double(page.scale))),
        int(std::floor((page.pageHeightMm - 2 * kAnywhereMarginMm) * double(page.scale))));
    PictureBoxModel picture;
    picture.geometry = QRect(QPoint(margin, margin), pictureSize.expandedTo(QSize(1, 1)));
    picture.image = QImage(picture.geometry.size(), QImage::Format_RGB32);
    picture.image.fill(Qt::white);
    picture.visible = true;
    page.pictureBoxes = {picture};
    page.announcedPictureBoxes = 1;
    page.kindState<AnywhereState>().floatingTexts =
        QVector<FloatingTextModel>(1); // slot 0, never used
}

bool isLandscapeAnywherePage(const PageModel &page)
{
    return page.pageWidthMm >= page.pageHeightMm;
}

QRect anywherePictureRect(const PageModel &page)
{
    return page.pictureBoxes.isEmpty() ? QRect() : page.pictureBoxes.constFirst().geometry;
}

TextStyle newFloatingTextStyle(float scale)
{
    TextStyle style;
    style.fontName = kAnywhereFonts[0];
    style.fontSize = std::max(1.0, std::round(kAnywhereNewTextSizePerScale * double(scale)));
    return style;
}

QSize floatingTextBoxSize(const TextStyle &style, const QString &text)
{
    const QFontMetricsF metrics(fontForStyle(style));
    const QStringList lines = linesOf(text);
    qreal widest = 0;
    for (const QString &line : lines)
        widest = std::max(widest, metrics.horizontalAdvance(kAnywhereTextLead + line));
    return QSize(int(std::ceil(widest)), int(std::ceil(metrics.height() * lines.size())));
}

void fitFloatingTextBox(FloatingTextModel &text)
{
    text.geometry.setSize(floatingTextBoxSize(text.style, text.text));
}

bool isFloatingText(const PageModel &page, int slot)
{
    const QVector<FloatingTextModel> &texts = floatingTextsOf(page);
    return slot > 0 && slot < texts.size() && texts.at(slot).visible;
}

void removeNewbyTexts(PageModel &page)
{
    for (FloatingTextModel &text : page.kindState<AnywhereState>().floatingTexts) {
        if (text.visible && text.newby)
            text = FloatingTextModel{};
    }
}

std::optional<int> addFloatingText(PageModel &page, QPoint at)
{
    removeNewbyTexts(page);
    QVector<FloatingTextModel> &texts = page.kindState<AnywhereState>().floatingTexts;
    if (texts.isEmpty())
        texts.resize(1);
    int slot = -1;
    for (int i = 1; i < texts.size(); ++i) {
        if (!texts.at(i).visible) {
            slot = i;
            break;
        }
    }
    if (slot < 0) {
        if (texts.size() > kAnywhereTextSlots)
            return std::nullopt;
        slot = int(texts.size());
        texts.append(FloatingTextModel{});
    }
    FloatingTextModel &text = texts[slot];
    text.style = newFloatingTextStyle(page.scale);
    text.text = kPlaceholderText;
    text.newby = true;
    text.visible = true;
    fitFloatingTextBox(text);
    text.geometry.moveTo(at.x(), at.y() - text.geometry.height() / 2);
    return slot;
}

void typeFloatingText(PageModel &page, int slot, const QString &typed)
{
    if (FloatingTextModel *text = textAt(page, slot)) {
        text->text = typed;
        text->newby = false;
        fitFloatingTextBox(*text);
    }
}

void moveFloatingText(PageModel &page, int slot, QPoint topLeft)
{
    if (FloatingTextModel *text = textAt(page, slot)) {
        text->geometry.moveTo(topLeft);
        fitFloatingTextBox(*text);
    }
}

void chooseFloatingTextFont(PageModel &page, int slot, const QString &fontName)
{
    if (FloatingTextModel *text = textAt(page, slot)) {
        text->style.fontName = fontName;
        text->style.underline = false;
        text->newby = false;
        fitFloatingTextBox(*text);
    }
}

void colourFloatingText(PageModel &page, int slot, ColourRef colour)
{
    if (FloatingTextModel *text = textAt(page, slot)) {
        text->style.colour = colour;
        text->newby = false;
    }
}

void stepFloatingTextSize(PageModel &page, int slot, int step)
{
    if (FloatingTextModel *text = textAt(page, slot)) {
        text->style.fontSize =
            std::clamp(std::round(text->style.fontSize) + step,
                       double(kAnywhereSmallestFittingSize), double(kAnywhereLargestFittingSize));
        text->newby = false;
        fitFloatingTextBox(*text);
    }
}

FloatingTextDecorations decorationsFor(const QRect &textBox, int fontButtonWidth)
{
    FloatingTextDecorations decorations;
    decorations.frame = textBox.adjusted(-1, -1, 1, 1);
    const QRect &frame = decorations.frame;
    decorations.resizeHandle = QPoint(frame.x() + frame.width() - kAnywhereDecorationInset,
                                      frame.y() + frame.height() - kAnywhereDecorationInset);
    decorations.fontButton =
        QPoint(frame.x() - fontButtonWidth - 2, frame.y() - kAnywhereDecorationInset);
    return decorations;
}

QPoint clampResizeHandle(QPoint proposed, const QRect &frame, const QSize &pictureSize,
                         const QSize &handleSize)
{
    const int minX = frame.x() + kAnywhereDecorationInset;
    const int minY = frame.y() + kAnywhereDecorationInset;
    // The lower limit wins on a frame already beyond the picture's edge.
    const int maxX = std::max(minX, pictureSize.width() - handleSize.width());
    const int maxY = std::max(minY, pictureSize.height() - handleSize.height());
    return QPoint(std::clamp(proposed.x(), minX, maxX), std::clamp(proposed.y(), minY, maxY));
}

QRect frameForResizeHandle(const QRect &frame, QPoint handle)
{
    return QRect(frame.topLeft(), QSize(handle.x() + kAnywhereDecorationInset - frame.x(),
                                        handle.y() + kAnywhereDecorationInset - frame.y()));
}

int largestFittingSize(const TextStyle &style, const QString &text, const QSizeF &frame)
{
    TextStyle trial = style;
    const QStringList lines = linesOf(text);
    int fitting = kAnywhereFittingFloor;
    for (int size = kAnywhereSmallestFittingSize; size <= kAnywhereLargestFittingSize; ++size) {
        trial.fontSize = size;
        const QFontMetricsF metrics(fontForStyle(trial));
        qreal widest = 0;
        for (const QString &line : lines)
            widest = std::max(widest, metrics.horizontalAdvance(line));
        if (metrics.height() * lines.size() >= frame.height() || widest >= frame.width())
            break;
        fitting = size;
    }
    return fitting;
}

void resizeFloatingText(PageModel &page, int slot, const QRect &frame)
{
    if (FloatingTextModel *text = textAt(page, slot)) {
        text->style.fontSize = largestFittingSize(text->style, text->text, frame.size());
        fitFloatingTextBox(*text);
    }
}

void countAnywhereChange(PageModel &page)
{
    if (page.changeCount < std::numeric_limits<qint32>::max())
        ++page.changeCount;
}

} // namespace quillora
