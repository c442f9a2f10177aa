#include "core/doctypes/leafletdescription.h"

#include "core/files/savedlayout.h"
#include "core/files/staging.h"
#include "core/files/wholefile.h"
#include "core/foundation/codepage.h"
#include "core/foundation/fileaccess.h"
#include "core/foundation/paths.h"
#include "core/layout/dialect.h"
#include "core/layout/templateelements.h"

#include <QLoggingCategory>

#include <algorithm>

Q_LOGGING_CATEGORY(lcLeaflet, "quillora.doctypes.leaflet")

namespace quillora {

namespace {

void warn(QString *error, const QString &text)
{
    setError(error, text, lcLeaflet);
}

QStringList linesOf(const QByteArray &text)
{
    QString content = codepage::decodeAuto(text);
    content.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    content.replace(u'\r', u'\n');
    return content.split(u'\n');
}

// The first `leaflet` line's style, when it is one the kind may have.
std::optional<LeafletStyle> styleNamed(const QStringList &lines, DocumentKind documentType)
{
    for (const QString &line : lines) {
        if (dialect::elementName(line) != u"leaflet")
            continue;
        const auto style = leafletStyleFromCode(dialect::textAttribute(line, u"style"));
        if (style && styleBelongsToKind(*style, documentType))
            return style;
        qCWarning(lcLeaflet) << "leaflet style unknown to this kind:" << line;
        return std::nullopt;
    }
    return std::nullopt;
}

// An object off its page is moved (and if need be shrunk) onto it; one without a page or a
// size is not shown.
template <typename Boxes> void keepOnPages(Boxes &boxes, LeafletStyle style, QSize page)
{
    for (int i = 0; i < boxes.size(); ++i) {
        auto &box = boxes[i];
        if (leafletPageOfObject(style, i) < 0 || box.geometry.isEmpty()) {
            box.visible = false;
            continue;
        }
        QRect fitted(box.geometry.topLeft(), box.geometry.size().boundedTo(page));
        fitted.moveTo(std::clamp(fitted.x(), 0, page.width() - fitted.width()),
                      std::clamp(fitted.y(), 0, page.height() - fitted.height()));
        box.geometry = fitted;
    }
}

int onPages(int announced, LeafletStyle style)
{
    int count = 0;
    while (count < announced && leafletPageOfObject(style, count) >= 0)
        ++count;
    return count;
}

} // namespace

QString leafletDescription(const PageModel &leaflet, LeafletStyle style)
{
    QString description = singlePageDescription(leaflet);
    const qsizetype afterRoot = description.indexOf(QStringLiteral("\r\n")) + 2;
    description.insert(afterRoot, QStringLiteral("<leaflet") +
                                      dialect::attribute(u"style", leafletStyleCode(style)) +
                                      QStringLiteral("/>\r\n"));
    return description;
}

bool writeLeafletDescription(const PageModel &leaflet, LeafletStyle style, const Staging &staging,
                             QString *error)
{
    // The single-page writer brings the mask pictures; the description is then ours.
    if (!writeSinglePageDescription(leaflet, staging, {}, error))
        return false;
    return writeWholeFile(staging.memberPath(QStringLiteral("layout.xml")),
                          codepage::encodeAuto(leafletDescription(leaflet, style)), error,
                          Durability::Scratch);
}

bool readLeafletDescription(const QByteArray &text, const QString &path,
                            const LeafletReading &reading, PageModel &leaflet, LeafletStyle &style,
                            QString *error)
{
    const auto kindStyle = defaultLeafletStyle(reading.documentType);
    if (!kindStyle) {
        warn(error, QStringLiteral("kind %1 is not a leaflet").arg(codeOf(reading.documentType)));
        return false;
    }
    if (text.size() > kMaxTemplateBytes) {
        warn(error,
             QStringLiteral(QT_TRANSLATE_NOOP(
                                "Quillora", "The layout file \"%1\" is too large to be a layout."))
                 .arg(path));
        return false;
    }
    const QStringList lines = linesOf(text);
    const LeafletStyle read = styleNamed(lines, reading.documentType).value_or(*kindStyle);
    const LeafletScreenGeometry geometry = leafletScreenGeometry(read, reading.screen);

    PageModel trial;
    trial.documentType = reading.documentType;
    trial.layoutPath = paths::normalise(path);
    const auto fitToLeaflet = [&trial, &geometry] {
        trial.scale = geometry.scale;
        trial.pageRect = QRect(QPoint(), geometry.panelSize);
    };
    fitToLeaflet();
    const PageFitInputs fit{reading.screen.width(), reading.screen.height(), 0, 0,
                            reading.documentType};
    TemplateContext context{trial.layoutPath, trial, fit, {}, false};
    bool layoutSeen = false;
    for (const QString &line : lines) {
        const QString name = dialect::elementName(line);
        if (name == u"layout") {
            // The counts are the layout line's; the page's size and scale are the style's.
            (void)applyElement(line, context);
            fitToLeaflet();
            layoutSeen = true;
        } else if (name == u"textbox" || name == u"rtb" || name == u"picbox" || name == u"handle") {
            (void)applyElement(line, context);
        }
    }
    if (!layoutSeen) {
        warn(error, QStringLiteral(
                        QT_TRANSLATE_NOOP("Quillora", "The layout file \"%1\" has no layout line."))
                        .arg(path));
        return false;
    }
    const QSize wholePage = leafletStyleInfo(read).wholePageMm;
    trial.pageWidthMm = wholePage.width();
    trial.pageHeightMm = wholePage.height();
    trial.announcedTextBoxes = onPages(trial.announcedTextBoxes, read);
    trial.announcedRichTextBoxes = onPages(trial.announcedRichTextBoxes, read);
    trial.announcedPictureBoxes = onPages(trial.announcedPictureBoxes, read);
    keepOnPages(trial.textBoxes, read, geometry.panelSize);
    keepOnPages(trial.richTextBoxes, read, geometry.panelSize);
    keepOnPages(trial.pictureBoxes, read, geometry.panelSize);
    trial.border = leafletStyleInfo(read).hasBorder ? cardBorder(trial.scale) : BorderModel();
    leaflet = std::move(trial);
    style = read;
    return true;
}

bool readLeafletFile(const QString &path, const LeafletReading &reading, PageModel &leaflet,
                     LeafletStyle &style, QString *error)
{
    const BoundedRead read = readBounded(path, kMaxTemplateBytes);
    if (!read.ok() && read.trouble != ReadTrouble::TooLarge) {
        warn(error,
             QStringLiteral(
                 QT_TRANSLATE_NOOP("Quillora", "The layout file \"%1\" could not be opened (%2)."))
                 .arg(path, read.reason));
        return false;
    }
    // A file past the limit is refused by the description's own check.
    return readLeafletDescription(read.bytes, path, reading, leaflet, style, error);
}

} // namespace quillora
