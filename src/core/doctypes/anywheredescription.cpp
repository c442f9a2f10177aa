#include "core/doctypes/anywheredescription.h"

#include "core/doctypes/anywhere.h"
#include "core/foundation/codepage.h"
#include "core/layout/dialect.h"

#include <QFile>

#include <algorithm>
#include <cmath>

namespace quillora {

namespace {

using dialect::attribute;

// 79 short lines; a file far larger than that is not an anywhere page's description.
constexpr qint64 kMaxDescriptionBytes = 1024 * 1024;
constexpr int kMaxFontNameLength = 64;
// A text read from a file keeps at least this much of itself on the picture, so it can be
// picked up and moved back.
constexpr int kMinVisibleTextPx = 16;

QString storedFont(QStringView line)
{
    QString font = dialect::textAttribute(line, u"font");
    // No font is named with control characters, nor with "=", which written back would read
    // as the start of another attribute.
    font.removeIf([](QChar c) { return c.category() == QChar::Other_Control; });
    // Names come back lower-cased from the file; the stand-in for a missing one is too.
    if (font.isEmpty() || font.contains(u'='))
        return kAnywhereFonts[0].toLower();
    return font.left(kMaxFontNameLength);
}

double storedNumber(QStringView line, QStringView name, double fallback)
{
    const double value = dialect::realAttribute(line, name);
    return std::isfinite(value) ? value : fallback;
}

AnywhereDescribedText describedText(QStringView line)
{
    AnywhereDescribedText text;
    // Millimetres and sizes keep their decimals: a whole-number read would move every text and
    // change its size on each save and reopen.
    text.xMm = storedNumber(line, u"xmm", 0.0);
    text.yMm = storedNumber(line, u"ymm", 0.0);
    text.text = dialect::decodedTextAttribute(line, u"text");
    text.style.fontName = storedFont(line);
    const double size = storedNumber(line, u"size", 0.0);
    text.style.fontSize =
        size > 0.0 ? std::clamp(size, kAnywhereSmallestStoredSize, kAnywhereLargestStoredSize)
                   : kAnywhereNewTextSizePerScale;
    text.style.colour = dialect::colourAttribute(line, u"colour").value_or(0);
    return text;
}

} // namespace

QString anywhereDescription(const PageModel &page)
{
    const QString crlf = QStringLiteral("\r\n");
    QString text = QStringLiteral("<layout") + attribute(u"name", u"usermade") +
                   attribute(u"width", page.pageWidthMm) + attribute(u"height", page.pageHeightMm) +
                   QStringLiteral(" > ") + crlf;
    const QVector<FloatingTextModel> &texts = floatingTextsOf(page);
    for (int slot = 1; slot < texts.size(); ++slot) {
        const FloatingTextModel &item = texts.at(slot);
        if (!item.visible)
            continue;
        const double size = page.scale > 0.0f ? item.style.fontSize / double(page.scale) : 0.0;
        text +=
            QStringLiteral("<textbox") + attribute(u"name", QStringLiteral("tb%1").arg(slot)) +
            attribute(u"xmm", dialect::formatReal(
                                  dialect::pixelsToMmStep(item.geometry.x(), page.scale, 0.1), 1)) +
            attribute(u"ymm", dialect::formatReal(
                                  dialect::pixelsToMmStep(item.geometry.y(), page.scale, 0.1), 1)) +
            dialect::textAttributeLine(u"text", item.text) +
            attribute(u"font", item.style.fontName) +
            attribute(u"size", dialect::formatReal(std::round(size * 100.0) / 100.0, 2)) +
            attribute(u"colour", dialect::formatColour(item.style.colour)) + QStringLiteral("/>") +
            crlf;
    }
    return text + QStringLiteral("</layout>") + crlf;
}

AnywhereDescription parseAnywhereDescription(const QString &description)
{
    AnywhereDescription read;
    for (QStringView line : QStringView(description).split(u'\n')) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        const QString element = dialect::elementName(line);
        if (element == u"layout") {
            read.landscape =
                dialect::intAttribute(line, u"width") >= dialect::intAttribute(line, u"height");
        } else if (element == u"textbox") {
            if (read.texts.size() < kAnywhereTextSlots)
                read.texts.append(describedText(line));
            else
                ++read.textsLeftOut;
        }
    }
    return read;
}

void buildDescribedAnywherePage(PageModel &page, const AnywhereDescription &description,
                                const PageFitInputs &fit)
{
    setUpAnywherePage(page, fit, description.landscape);
    const QSize picture = anywherePictureRect(page).size();
    const double scale = page.scale;
    for (const AnywhereDescribedText &described : description.texts) {
        FloatingTextModel text;
        text.style = described.style;
        text.style.fontSize = std::max(1.0, described.style.fontSize * scale);
        text.text = described.text;
        text.visible = true;
        fitFloatingTextBox(text);
        const double x = std::clamp(described.xMm * scale, 0.0,
                                    double(std::max(0, picture.width() - kMinVisibleTextPx)));
        const double y = std::clamp(described.yMm * scale, 0.0,
                                    double(std::max(0, picture.height() - kMinVisibleTextPx)));
        text.geometry.moveTo(int(std::lround(x)), int(std::lround(y)));
        page.kindState<AnywhereState>().floatingTexts.append(text);
    }
}

bool readAnywhereDescription(const QString &path, AnywhereDescription *description, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    if (file.size() > kMaxDescriptionBytes) {
        if (error)
            *error = QStringLiteral("the page description is too large for an anywhere page");
        return false;
    }
    *description = parseAnywhereDescription(codepage::decodeAuto(file.readAll()));
    return true;
}

} // namespace quillora
