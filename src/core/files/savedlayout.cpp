#include "core/files/savedlayout.h"

#include "core/files/staging.h"
#include "core/files/wholefile.h"
#include "core/foundation/codepage.h"
#include "core/layout/dialect.h"

#include <QFile>
#include <QFileInfo>
#include <cmath>

namespace quillora {
namespace {

using dialect::attribute;

QString mm(int pixels, float scale)
{
    return QString::number(dialect::pixelsToMm(pixels, scale));
}

QString halfMm(int pixels, float scale)
{
    return dialect::formatReal(dialect::pixelsToMmStep(pixels, scale, 0.5), 1);
}

QString fontSizeInMm(double points, float scale)
{
    return QString::number(scale > 0 ? std::lrint(points / scale) : 0);
}

QString attr(const char *name, const QString &value)
{
    return attribute(QString::fromLatin1(name), value);
}

QString textBoxLine(const TextBoxModel &box, int index, float scale)
{
    const TextStyle &s = box.style;
    const QRect &g = box.geometry;
    return QStringLiteral("<textbox") + attr("name", QStringLiteral("tb%1").arg(index)) +
           attr("x", mm(g.x(), scale)) + attr("y", mm(g.y(), scale)) +
           attr("width", mm(g.width(), scale)) + attr("height", mm(g.height(), scale)) +
           attr("size", fontSizeInMm(s.fontSize, scale)) +
           attr("bold", dialect::formatBoolean(s.bold)) +
           attr("italic", dialect::formatBoolean(s.italic)) +
           attr("underline", dialect::formatBoolean(s.underline)) + attr("font", s.fontName) +
           QStringLiteral(" ") + attr("align", QString::number(int(s.align))) +
           attr("colour", dialect::formatColour(s.colour)) + QStringLiteral("/>");
}

QString richTextBoxLine(const RichTextBoxModel &box, int index, float scale)
{
    const TextStyle &s = box.style;
    const QRect &g = box.geometry;
    return QStringLiteral("<rtb") + attr("name", QStringLiteral("rt%1").arg(index)) +
           attr("x", mm(g.x(), scale)) + attr("y", mm(g.y(), scale)) +
           attr("width", mm(g.width(), scale)) + attr("height", mm(g.height(), scale)) +
           attr("size", fontSizeInMm(s.fontSize, scale)) +
           attr("bold", dialect::formatBoolean(s.bold)) +
           attr("italic", dialect::formatBoolean(s.italic)) +
           attr("underline", dialect::formatBoolean(s.underline)) + attr("align", "0") +
           attr("colour", "0") + QStringLiteral("/>");
}

QString pictureBoxLine(const PictureBoxModel &box, int index, float scale)
{
    const QRect &g = box.geometry;
    QString line = QStringLiteral("<picbox") + attr("name", QStringLiteral("pb%1").arg(index)) +
                   attr("x", mm(g.x(), scale)) + attr("y", mm(g.y(), scale)) +
                   attr("width", mm(g.width(), scale)) + attr("height", mm(g.height(), scale));
    if (box.hasMaskPicture)
        line += QStringLiteral(" hasmaskpic='t' ");
    return line + attr("symmType", QString::number(box.symmetryType)) + attr("reptType", "0") +
           attr("copyTo", "0") + QStringLiteral("/>");
}

QString handleLine(const HandleModel &handle, int index, float scale)
{
    return QStringLiteral("<handle") + attr("name", QStringLiteral("hn%1").arg(index)) +
           attr("ixmm", mm(handle.centre.x(), scale)) + attr("iymm", mm(handle.centre.y(), scale)) +
           attr("maxymm", mm(handle.maxY, scale)) + attr("minymm", mm(handle.minY, scale)) +
           attr("boxesabove", handle.boxesAbove.join(QString())) +
           attr("boxesbelow", handle.boxesBelow.join(QString()))
           // The square's side, last so the attributes above keep their places: without it a
           // reopened page would give the handle no size to grab.
           + attr("size", mm(handle.sizePx, scale)) + QStringLiteral("/>");
}

// On "My layout" a child takes boxes off the page (dragged away, or an addition undone); they
// are hidden and keep their number. Written out, the reader would show them again.
bool takenOffMyLayout(const PageModel &page, bool visible)
{
    return kindInfo(page.documentType).freeArrangement && !visible;
}

} // namespace

QString singlePageDescription(const PageModel &page, const SavedLayoutOptions &options)
{
    const float scale = page.scale;
    const QString crlf = QStringLiteral("\r\n");
    QString out = QStringLiteral("<layout") + attr("name", "usermade") +
                  attr("width", QString::number(page.pageWidthMm)) +
                  attr("height", QString::number(page.pageHeightMm)) +
                  attr("numtextboxes", QString::number(page.announcedTextBoxes)) +
                  attr("numrtbs", QString::number(page.announcedRichTextBoxes)) +
                  attr("numpicboxes", QString::number(page.announcedPictureBoxes)) +
                  attr("numhandles", QString::number(page.announcedHandles));
    // The free objects of "My layout" have no lines or boxes to count.
    if (!kindInfo(page.documentType).freeArrangement)
        out += attr("numLines", QString::number(page.announcedLines)) +
               attr("numBoxes", QString::number(page.announcedBoxes));
    out += QStringLiteral(">") + crlf;

    const int pictures = std::min<int>(page.announcedPictureBoxes, page.pictureBoxes.size());
    for (int i = 0; i < pictures; ++i) {
        if (takenOffMyLayout(page, page.pictureBoxes[i].visible))
            continue;
        out += pictureBoxLine(page.pictureBoxes[i], i, scale) + crlf;
    }
    const int texts = std::min<int>(page.announcedTextBoxes, page.textBoxes.size());
    for (int i = 0; i < texts; ++i)
        out += textBoxLine(page.textBoxes[i], i, scale) + crlf;
    const int richTexts = std::min<int>(page.announcedRichTextBoxes, page.richTextBoxes.size());
    for (int i = 0; i < richTexts; ++i) {
        if (takenOffMyLayout(page, page.richTextBoxes[i].visible))
            continue;
        out += richTextBoxLine(page.richTextBoxes[i], i, scale) + crlf;
    }
    const int handles = std::min<int>(page.announcedHandles, page.handles.size());
    for (int i = 0; i < handles; ++i)
        out += handleLine(page.handles[i], i, scale) + crlf;
    const int lines = std::min<int>(page.announcedLines, page.lines.size());
    for (int i = 0; i < lines; ++i) {
        const LineModel &l = page.lines[i];
        out += QStringLiteral("<line") + attr("name", QStringLiteral("ln%1").arg(i)) +
               attr("x1", mm(l.from.x(), scale)) + attr("y1", mm(l.from.y(), scale)) +
               attr("x2", mm(l.to.x(), scale)) + attr("y2", mm(l.to.y(), scale)) +
               attr("thick", QString::number(l.thickness)) + QStringLiteral("/>") + crlf;
    }
    const int boxes = std::min<int>(page.announcedBoxes, page.boxes.size());
    for (int i = 0; i < boxes; ++i) {
        const QRect &r = page.boxes[i].rect;
        out += QStringLiteral("<box") + attr("name", QStringLiteral("bx%1").arg(i)) +
               attr("x1", mm(r.x(), scale)) + attr("y1", mm(r.y(), scale)) +
               attr("x2", mm(r.x() + r.width(), scale)) +
               attr("y2", mm(r.y() + r.height(), scale)) + QStringLiteral("/>") + crlf;
    }
    const BorderModel &border = page.border;
    if (border.type == BorderType::Pattern)
        out += QStringLiteral("<borderpattern") + attr("edgew", halfMm(border.edgeWidth, scale)) +
               attr("edgeh", halfMm(border.edgeHeight, scale)) +
               attr("width", halfMm(border.tileWidth, scale)) +
               attr("height", halfMm(border.tileHeight, scale)) + QStringLiteral("/>") + crlf;
    else if (border.type == BorderType::Map)
        out += QStringLiteral("<bordermap") + attr("edgew", halfMm(border.edgeWidth, scale)) +
               attr("edgeh", halfMm(border.edgeHeight, scale)) +
               attr("wsf", QString::number(border.tileWidth)) +
               attr("hsf", QString::number(border.tileHeight)) + QStringLiteral("/>") + crlf;
    if (kindInfo(page.documentType).copiesSheet)
        out += QStringLiteral("<multi") + attr("reps", QString::number(options.copiesOnSheet)) +
               QStringLiteral("/>") + crlf;
    out += QStringLiteral("</layout>") + crlf;
    return out;
}

bool writeSinglePageDescription(const PageModel &page, const Staging &staging,
                                const SavedLayoutOptions &options, QString *error)
{
    const QString templateBase = page.layoutPath.left(page.layoutPath.size() - 4);
    const int pictures = std::min<int>(page.announcedPictureBoxes, page.pictureBoxes.size());
    for (int i = 0; i < pictures; ++i) {
        if (!page.pictureBoxes[i].hasMaskPicture)
            continue;
        const QString source = templateBase + QString::number(i) + QStringLiteral(".png");
        const QString target = staging.memberPath(QStringLiteral("layout%1.png").arg(i));
        if (QFileInfo(source).absoluteFilePath() == QFileInfo(target).absoluteFilePath())
            continue;
        QFile::remove(target);
        if (!QFile::copy(source, target)) {
            if (error)
                *error = QStringLiteral("the shape of picture %1 is missing").arg(i + 1);
            return false;
        }
    }
    if (page.border.type == BorderType::Map &&
        !writeImageFile(page.border.map, "BMP", staging.memberPath(QStringLiteral("layoutmap.bmp")),
                        nullptr, Durability::Scratch)) {
        if (error)
            *error = QStringLiteral("the border map could not be written");
        return false;
    }
    return writeWholeFile(staging.memberPath(QStringLiteral("layout.xml")),
                          codepage::encodeAuto(singlePageDescription(page, options)), error,
                          Durability::Scratch);
}

} // namespace quillora
