#include "core/doctypes/leafletdescription.h"

#include "core/app/codepage.h"
#include "core/app/paths.h"
#include "core/files/members.h"
#include "core/files/savedlayout.h"
#include "core/files/staging.h"
#include "core/layout/dialect.h"
#include "core/layout/templateelements.h"

#include <QDir>
#include <QFile>
#include <QLoggingCategory>
#include <QSaveFile>

#include <algorithm>

Q_LOGGING_CATEGORY(lcLeaflet, "quillora.doctypes.leaflet")

namespace quillora {

namespace {

constexpr qint64 kMaxRichTextBytes = 64 * 1024 * 1024;

void setError(QString *error, const QString &text)
{
    qCWarning(lcLeaflet).noquote() << text;
    if (error)
        *error = text;
}

bool saveBytes(const QString &path, const QByteArray &bytes, QString *error)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    setError(error, QStringLiteral("%1 could not be written (%2)")
                        .arg(QDir::toNativeSeparators(path), file.errorString()));
    return false;
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
    description.insert(afterRoot, QStringLiteral("<leaflet")
                                      + dialect::attribute(u"style", leafletStyleCode(style))
                                      + QStringLiteral("/>\r\n"));
    return description;
}

bool writeLeafletDescription(const PageModel &leaflet, LeafletStyle style, const Staging &staging,
                             QString *error)
{
    // The single-page writer brings the mask pictures; the description is then ours.
    if (!writeSinglePageDescription(leaflet, staging, {}, error))
        return false;
    return saveBytes(staging.memberPath(QStringLiteral("layout.xml")),
                     codepage::encodeAuto(leafletDescription(leaflet, style)), error);
}

bool readLeafletDescription(const QByteArray &text, const QString &path,
                            const LeafletReading &reading, PageModel &leaflet,
                            LeafletStyle &style, QString *error)
{
    const auto kindStyle = defaultLeafletStyle(reading.documentType);
    if (!kindStyle) {
        setError(error, QStringLiteral("kind %1 is not a leaflet").arg(codeOf(reading.documentType)));
        return false;
    }
    if (text.size() > kMaxTemplateBytes) {
        setError(error, QStringLiteral("The layout file \"%1\" is too large to be a layout.").arg(path));
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
        setError(error, QStringLiteral("The layout file \"%1\" has no layout line.").arg(path));
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
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        setError(error, QStringLiteral("The layout file \"%1\" could not be opened (%2).")
                            .arg(path, file.errorString()));
        return false;
    }
    // One byte past the limit tells a file at the limit from a larger one.
    return readLeafletDescription(file.read(kMaxTemplateBytes + 1), path, reading, leaflet, style,
                                  error);
}

bool writeLeafletMembers(const PageModel &leaflet, const QString &folder, QString *error)
{
    const QDir dir(folder);
    const int pictures = std::min<int>(leaflet.announcedPictureBoxes, leaflet.pictureBoxes.size());
    for (int i = 0; i < pictures; ++i) {
        const PictureBoxModel &box = leaflet.pictureBoxes[i];
        QImage image = box.image;
        if (image.isNull() && !box.geometry.isEmpty()) {
            // Never painted: stored as the blank page it shows.
            image = QImage(box.geometry.size(), QImage::Format_RGB32);
            image.fill(Qt::white);
        }
        if (!image.isNull() && !image.save(dir.filePath(QStringLiteral("pic%1.bmp").arg(i)), "BMP")) {
            setError(error, QStringLiteral("picture %1 could not be written").arg(i + 1));
            return false;
        }
    }
    const int texts = std::min<int>(leaflet.announcedTextBoxes, leaflet.textBoxes.size());
    for (int i = 0; i < texts; ++i)
        if (!writeTextFile(leaflet.textBoxes[i].text, dir.filePath(QStringLiteral("text%1.txt").arg(i)),
                           error))
            return false;
    const int richTexts = std::min<int>(leaflet.announcedRichTextBoxes, leaflet.richTextBoxes.size());
    for (int i = 0; i < richTexts; ++i)
        if (!saveBytes(dir.filePath(QStringLiteral("rtb%1.rtf").arg(i)),
                       leaflet.richTextBoxes[i].rtf.toLatin1(), error))
            return false;
    // Only the card carries a border.
    const bool card = leafletStyleOfPage(leaflet) == LeafletStyle::Card;
    if (card && !leaflet.border.picture.isNull() &&
        !leaflet.border.picture.save(dir.filePath(QStringLiteral("border.bmp")), "BMP")) {
        setError(error, QStringLiteral("the border could not be written"));
        return false;
    }
    return true;
}

void readLeafletMembers(PageModel &leaflet, const QString &folder)
{
    const QDir dir(folder);
    const int pictures = std::min<int>(leaflet.announcedPictureBoxes, leaflet.pictureBoxes.size());
    for (int i = 0; i < pictures; ++i) {
        PictureBoxModel &box = leaflet.pictureBoxes[i];
        const QImage stored = loadSidePicture(dir.filePath(QStringLiteral("pic%1.bmp").arg(i)));
        if (!stored.isNull() && !box.geometry.isEmpty())
            box.image = fitPictureToBox(stored, box.geometry.size());
    }
    const int texts = std::min<int>(leaflet.announcedTextBoxes, leaflet.textBoxes.size());
    for (int i = 0; i < texts; ++i)
        leaflet.textBoxes[i].text = readTextFile(dir.filePath(QStringLiteral("text%1.txt").arg(i)));
    const int richTexts = std::min<int>(leaflet.announcedRichTextBoxes, leaflet.richTextBoxes.size());
    for (int i = 0; i < richTexts; ++i) {
        QFile rtf(dir.filePath(QStringLiteral("rtb%1.rtf").arg(i)));
        if (rtf.open(QIODevice::ReadOnly))
            leaflet.richTextBoxes[i].rtf = QString::fromLatin1(rtf.read(kMaxRichTextBytes));
    }
    if (leaflet.border.type != BorderType::None) {
        const QImage border = loadSidePicture(dir.filePath(QStringLiteral("border.bmp")));
        if (!border.isNull())
            leaflet.border.picture = border;
    }
}

} // namespace quillora
