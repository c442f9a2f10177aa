#include "core/layout/templateelements.h"

#include "core/layout/dialect.h"

#include <QImageReader>
#include <QLoggingCategory>
#include <algorithm>
#include <cmath>

Q_LOGGING_CATEGORY(lcLayoutElements, "quillora.layout.elements")

namespace quillora {

namespace {

constexpr int kMaxFontNameLength = 64;
constexpr double kMaxFontSize = 1000.0;
constexpr int kMaxLineThickness = 255;
constexpr int kPositionLimit = 32767;
constexpr int kFallbackSizeLimit = 4096;

using dialect::boolAttribute;
using dialect::intAttribute;
using dialect::realAttribute;
using dialect::textAttribute;

// A product meant to be whole (a page edge: scale × its own size) may come out a hair below
// the whole number in floating point; truncating that would lose a pixel.
constexpr double kTruncationSlack = 1e-4;

// Millimetres to window pixels: multiplied by the scale and truncated towards minus infinity.
int toPixels(double mm, float scale)
{
    const double pixels = std::floor(mm * double(scale) + kTruncationSlack);
    if (std::isnan(pixels))
        return 0;
    return int(std::clamp(pixels, double(-kPositionLimit), double(kPositionLimit)));
}

// Millimetres to pixels rounded to the nearest whole pixel (halves to even), as borders are.
int toRoundedPixels(double mm, float scale)
{
    const double pixels = std::nearbyint(mm * double(scale));
    if (std::isnan(pixels))
        return 0;
    return int(std::clamp(pixels, double(-kPositionLimit), double(kPositionLimit)));
}

// No object is larger than the page it stands on; before a page is fitted the screen bounds it.
int sizeLimit(const TemplateContext &context)
{
    const QRect &page = context.page.pageRect;
    int limit = std::max(page.width(), page.height());
    if (limit <= 0)
        limit = std::max(context.fit.screenWidthPx, context.fit.screenHeightPx);
    return limit > 0 ? std::min(limit, kPositionLimit) : kFallbackSizeLimit;
}

QRect objectGeometry(QStringView line, const TemplateContext &context)
{
    const float scale = context.page.scale;
    const int limit = sizeLimit(context);
    const int x = toPixels(intAttribute(line, u"x"), scale);
    const int y = toPixels(intAttribute(line, u"y"), scale);
    const int width = std::clamp(toPixels(intAttribute(line, u"width"), scale), 0, limit);
    const int height = std::clamp(toPixels(intAttribute(line, u"height"), scale), 0, limit);
    return QRect(x, y, width, height);
}

template <typename T> T *entryAt(QVector<T> &list, int index, int highest)
{
    if (index < 0 || index > highest)
        return nullptr;
    if (list.size() <= index)
        list.resize(index + 1);
    return &list[index];
}

void applyTextStyle(QStringView line, float scale, TextStyle &style)
{
    // No font's name holds "=": one that does comes from a damaged line, and written back it
    // would pose as the start of the attribute after it ("font='sans colour='5'").
    QString font = textAttribute(line, u"font");
    font.remove(u'=');
    if (!font.isEmpty())
        style.fontName = font.left(kMaxFontNameLength);
    const double size = double(realAttribute(line, u"size")) * double(scale);
    // A missing or absurd size would give a font no text can be fitted with.
    style.fontSize = std::clamp(std::isfinite(size) ? size : 0.0, 1.0, kMaxFontSize);
    style.bold = boolAttribute(line, u"bold");
    style.italic = boolAttribute(line, u"italic");
    style.underline = boolAttribute(line, u"underline");
    const int align = intAttribute(line, u"align");
    style.align = (align == 1 || align == 2) ? Alignment(align) : Alignment::Left;
    if (const auto colour = dialect::colourAttribute(line, u"colour"))
        style.colour = *colour;
}

QString templateText(QStringView line)
{
    const QString text = dialect::decodedTextAttribute(line, u"text");
    return text.isEmpty() ? kPlaceholderText : text;
}

ElementResult applyLayout(QStringView line, TemplateContext &context)
{
    PageModel &page = context.page;
    const auto count = [&](QStringView name, int highest) {
        return std::clamp(int(intAttribute(line, name)), 0, highest + 1);
    };
    page.announcedTextBoxes = count(u"NumTextBoxes", kMaxObjectIndex);
    page.announcedPictureBoxes = count(u"NumPicBoxes", kMaxPictureBoxIndex);
    page.announcedRichTextBoxes = count(u"numRTBs", kMaxObjectIndex);
    page.announcedHandles = count(u"numHandles", kMaxHandleIndex);
    page.announcedLines = count(u"numLines", kMaxObjectIndex);
    page.announcedBoxes = count(u"numBoxes", kMaxObjectIndex);

    const int width = intAttribute(line, u"width");
    const int height = intAttribute(line, u"height");
    if (width <= 0 || height <= 0) {
        qCWarning(lcLayoutElements) << "layout line without a page size:" << line;
        return ElementResult::InvalidPageSize;
    }
    page.pageWidthMm = width;
    page.pageHeightMm = height;
    const PageFit fit = fitPage(context.fit, width, height);
    page.scale = fit.scale;
    page.pageRect = fit.pageRect;
    context.layoutSeen = true;
    return ElementResult::Applied;
}

ElementResult applyTextBox(QStringView line, TemplateContext &context)
{
    TextBoxModel *box = entryAt(context.page.textBoxes, elementIndex(line), kMaxObjectIndex);
    if (!box)
        return ElementResult::Skipped;
    applyTextStyle(line, context.page.scale, box->style);
    box->geometry = objectGeometry(line, context);
    box->text = templateText(line);
    box->multiLine = true;
    box->visible = true;
    return ElementResult::Applied;
}

ElementResult applyRichTextBox(QStringView line, TemplateContext &context)
{
    RichTextBoxModel *box =
        entryAt(context.page.richTextBoxes, elementIndex(line), kMaxObjectIndex);
    if (!box)
        return ElementResult::Skipped;
    applyTextStyle(line, context.page.scale, box->style);
    box->geometry = objectGeometry(line, context);
    box->rtf.clear();
    box->plainText = templateText(line);
    box->visible = true;
    return ElementResult::Applied;
}

ElementResult applyPictureBox(QStringView line, TemplateContext &context)
{
    const int index = elementIndex(line);
    PictureBoxModel *box = entryAt(context.page.pictureBoxes, index, kMaxPictureBoxIndex);
    if (!box)
        return ElementResult::Skipped;
    const float scale = context.page.scale;
    box->geometry = objectGeometry(line, context);
    box->tag.clear();

    box->repeatType = intAttribute(line, u"reptType");
    const bool repeats = box->repeatType == 1;
    box->repeatOffsetX = repeats ? toPixels(intAttribute(line, u"repOx"), scale) : 0;
    box->horizontalRepeats = repeats ? intAttribute(line, u"numHreps") : 0;
    box->repeatWidth = repeats ? toPixels(intAttribute(line, u"repWidth"), scale) : 0;
    box->repeatOffsetY = repeats ? toPixels(intAttribute(line, u"repOy"), scale) : 0;
    box->verticalRepeats = repeats ? intAttribute(line, u"numVreps") : 0;
    box->repeatHeight = repeats ? toPixels(intAttribute(line, u"repHeight"), scale) : 0;

    box->symmetryType = intAttribute(line, u"symmType");
    box->rotations = box->symmetryType == 3
                         ? std::clamp(int(intAttribute(line, u"numRots")), 0, kMaxRotations)
                         : 0;
    box->copyTo = box->symmetryType == 5 ? intAttribute(line, u"copyTo") : 0;

    box->mask = QImage();
    box->hasMaskPicture = false;
    if (boolAttribute(line, u"hasMaskPic")) {
        const QString maskPath =
            sideFileStem(context.templatePath) + QString::number(index) + QStringLiteral(".png");
        box->mask = loadSidePicture(maskPath, &context);
        // Painting relies on the mask being there whenever the flag says so.
        box->hasMaskPicture = !box->mask.isNull();
        if (!box->hasMaskPicture)
            qCWarning(lcLayoutElements) << "mask picture missing or unreadable:" << maskPath;
    }
    box->visible = true;
    return ElementResult::Applied;
}

ElementResult applyMask(QStringView line, TemplateContext &context)
{
    context.page.maskRect = objectGeometry(line, context);
    return ElementResult::Applied;
}

ElementResult applyBorderMap(QStringView line, TemplateContext &context)
{
    BorderModel &border = context.page.border;
    const float scale = context.page.scale;
    const int limit = sizeLimit(context);
    border.type = BorderType::Map;
    border.edgeWidth = std::clamp(toRoundedPixels(intAttribute(line, u"edgeW"), scale), 0, limit);
    border.edgeHeight = std::clamp(toRoundedPixels(intAttribute(line, u"edgeH"), scale), 0, limit);
    border.tileWidth = std::max(0, int(intAttribute(line, u"wsf")));
    border.tileHeight = std::max(0, int(intAttribute(line, u"hsf")));
    const QString mapPath = sideFileStem(context.templatePath) + QStringLiteral("map.bmp");
    border.map = loadSidePicture(mapPath, &context);
    if (border.map.isNull())
        qCWarning(lcLayoutElements) << "border map missing or unreadable:" << mapPath;
    return ElementResult::Applied;
}

ElementResult applyBorderPattern(QStringView line, TemplateContext &context)
{
    BorderModel &border = context.page.border;
    const float scale = context.page.scale;
    const int limit = sizeLimit(context);
    const auto measure = [&](QStringView name) {
        return std::clamp(toRoundedPixels(realAttribute(line, name), scale), 0, limit);
    };
    border.type = BorderType::Pattern;
    border.edgeWidth = measure(u"edgeW");
    border.edgeHeight = measure(u"edgeH");
    border.tileWidth = measure(u"width");
    border.tileHeight = measure(u"height");
    return ElementResult::Applied;
}

// Three-character object names: a kind letter (p, t, r) and a two-digit index. Separators
// and anything else are passed over.
QStringList objectNames(const QString &run)
{
    QStringList names;
    for (qsizetype i = 0; i + 2 < run.size(); ++i) {
        const QChar kind = run[i];
        if ((kind == u'p' || kind == u't' || kind == u'r') && run[i + 1].isDigit() &&
            run[i + 2].isDigit() && run[i + 1].unicode() < 128 && run[i + 2].unicode() < 128) {
            names.append(run.mid(i, 3));
            i += 2;
        }
    }
    return names;
}

ElementResult applyHandle(QStringView line, TemplateContext &context)
{
    HandleModel *handle = entryAt(context.page.handles, elementIndex(line), kMaxHandleIndex);
    if (!handle)
        return ElementResult::Skipped;
    const float scale = context.page.scale;
    handle->sizePx =
        std::clamp(toPixels(intAttribute(line, u"size"), scale), 0, sizeLimit(context));
    handle->centre = QPoint(toPixels(intAttribute(line, u"iXmm"), scale),
                            toPixels(intAttribute(line, u"iYmm"), scale));
    const int minY = toPixels(intAttribute(line, u"minYmm"), scale);
    const int maxY = toPixels(intAttribute(line, u"maxYmm"), scale);
    handle->minY = std::min(minY, maxY);
    handle->maxY = std::max(minY, maxY);
    handle->boxesAbove = objectNames(textAttribute(line, u"boxesAbove"));
    handle->boxesBelow = objectNames(textAttribute(line, u"boxesBelow"));
    handle->visible = true;
    return ElementResult::Applied;
}

ElementResult applyLine(QStringView line, TemplateContext &context)
{
    LineModel *entry = entryAt(context.page.lines, elementIndex(line), kMaxObjectIndex);
    if (!entry)
        return ElementResult::Skipped;
    const float scale = context.page.scale;
    entry->from = QPoint(toPixels(intAttribute(line, u"x1"), scale),
                         toPixels(intAttribute(line, u"y1"), scale));
    entry->to = QPoint(toPixels(intAttribute(line, u"x2"), scale),
                       toPixels(intAttribute(line, u"y2"), scale));
    entry->thickness = std::clamp(int(intAttribute(line, u"thick")), 1, kMaxLineThickness);
    return ElementResult::Applied;
}

ElementResult applyBox(QStringView line, TemplateContext &context)
{
    BoxModel *entry = entryAt(context.page.boxes, elementIndex(line), kMaxObjectIndex);
    if (!entry)
        return ElementResult::Skipped;
    const float scale = context.page.scale;
    const int left = toPixels(intAttribute(line, u"x1"), scale);
    const int top = toPixels(intAttribute(line, u"y1"), scale);
    const int right = toPixels(intAttribute(line, u"x2"), scale);
    const int bottom = toPixels(intAttribute(line, u"y2"), scale);
    // Corners given the wrong way round still make the box they describe.
    entry->rect = QRect(QPoint(std::min(left, right), std::min(top, bottom)),
                        QSize(std::abs(right - left), std::abs(bottom - top)));
    return ElementResult::Applied;
}

ElementResult applyMulti(QStringView line, TemplateContext &context)
{
    context.page.autoRepeat = false;
    context.page.repeatCount = std::clamp(int(intAttribute(line, u"reps")), 2, kMaxRepeatCount);
    return ElementResult::Applied;
}

} // namespace

ElementResult applyElement(QStringView line, TemplateContext &context)
{
    const QString name = dialect::elementName(line);
    if (name == u"layout")
        return applyLayout(line, context);
    if (name == u"textbox")
        return applyTextBox(line, context);
    if (name == u"rtb")
        return applyRichTextBox(line, context);
    if (name == u"picbox")
        return applyPictureBox(line, context);
    if (name == u"mask")
        return applyMask(line, context);
    if (name == u"bordermap")
        return applyBorderMap(line, context);
    if (name == u"borderpattern")
        return applyBorderPattern(line, context);
    if (name == u"handle")
        return applyHandle(line, context);
    if (name == u"line")
        return applyLine(line, context);
    if (name == u"box")
        return applyBox(line, context);
    if (name == u"multi")
        return applyMulti(line, context);
    return ElementResult::Skipped; // pens, closing lines, declarations, anything unknown
}

int elementIndex(QStringView line)
{
    const QString name = textAttribute(line, u"name");
    return dialect::roundToInt16(dialect::leadingNumber(QStringView(name).mid(2)));
}

QString sideFileStem(const QString &templatePath)
{
    if (templatePath.endsWith(QStringLiteral(".xml"), Qt::CaseInsensitive))
        return templatePath.chopped(4);
    return templatePath;
}

QImage loadSidePicture(const QString &path, TemplateContext *context)
{
    if (context) {
        const auto cached = context->sidePictures.constFind(path);
        if (cached != context->sidePictures.constEnd())
            return cached.value();
    }
    QImage image;
    QImageReader reader(path);
    const QSize size = reader.size();
    if (reader.canRead() && size.isValid() && size.width() <= kMaxSidePictureSide &&
        size.height() <= kMaxSidePictureSide) {
        if (!reader.read(&image))
            image = QImage();
    }
    if (context)
        context->sidePictures.insert(path, image);
    return image;
}

} // namespace quillora
