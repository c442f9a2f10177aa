// Every layout template shipped in data/layouts reads cleanly, announces what it holds, keeps
// its objects on the printable page, clear of each other and of its border, uses fonts the
// program knows, fits its own default texts and brings the pictures it needs; every kind has
// enough templates to choose from.

#include "core/app/fontmapping.h"
#include "core/app/startchoice.h"
#include "core/layout/dialect.h"
#include "core/layout/documenttypes.h"
#include "core/layout/templateelements.h"
#include "core/layout/templatereader.h"
#include "core/printing/pageborder.h"
#include "core/printing/printjob.h"
#include "core/text/textboxformat.h"
#include "core/text/textmeasure.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QTest>

#include <cmath>

using namespace quillora;

namespace {

const QString kDataFolder = QStringLiteral(QUILLORA_SOURCE_DIR "/data");
const QString kLayoutsFolder = kDataFolder + QStringLiteral("/layouts");

// The single-page kinds: their pages come from templates read into the single-page window.
constexpr int kSinglePageCodes[] = {0, 3, 8, 9, 10, 12, 13, 16, 17, 18};

// Printers cannot print to the paper's edge: whole pages keep this much white round their
// objects; the small pages of a copies sheet are cut out, so a little less is enough.
constexpr double kPageMarginMm = 8.0;
constexpr double kCopyMarginMm = 3.0;

// A copy on a printed sheet should stay large enough to write and paint on.
constexpr double kSmallestPrintedCopyMm = 35.0;
// An A4 sheet's printable area, landscape, in millimetres.
const QSizeF kA4Printable(277.0, 190.0);

// The document type whose page a template folder builds, so the page is fitted as it will be
// (the copies sheet leaves room for its preview, the rich text kinds for their toolbar).
int documentTypeOfFolder(const QString &folder)
{
    for (int code : kSinglePageCodes) {
        const DocumentTypeInfo info = *documentTypeInfo(code);
        if (info.startFolder == folder || info.menuFolder == folder ||
            info.fixedTemplate.section(QLatin1Char('/'), 0, 0) == folder)
            return code;
    }
    return 9;
}

// A full HD screen with the single-page window's tool palette and toolbar.
PageFitInputs fullHdFit(int documentType)
{
    return PageFitInputs{1920, 1080, 106, 64, documentType};
}

QString sideFile(const QString &templatePath, const QString &suffix)
{
    return templatePath.chopped(4) + suffix;
}

QStringList shippedTemplates()
{
    QStringList relativePaths;
    QDirIterator it(kLayoutsFolder, {QStringLiteral("*.xml")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        relativePaths << QDir(kLayoutsFolder).relativeFilePath(it.next());
    relativePaths.sort();
    return relativePaths;
}

QStringList templateLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLatin1(file.readAll()).split(QStringLiteral("\r\n"));
}

struct PageObject {
    QString name; // kind letter and two-digit index, as handles name them
    QRect rect;
};

QVector<PageObject> visibleObjects(const PageModel &page)
{
    QVector<PageObject> objects;
    const auto add = [&](QChar kind, int index, const QRect &rect) {
        objects.append({kind + QStringLiteral("%1").arg(index, 2, 10, QLatin1Char('0')), rect});
    };
    for (int i = 0; i < page.textBoxes.size(); ++i)
        if (page.textBoxes[i].visible)
            add(u't', i, page.textBoxes[i].geometry);
    for (int i = 0; i < page.richTextBoxes.size(); ++i)
        if (page.richTextBoxes[i].visible)
            add(u'r', i, page.richTextBoxes[i].geometry);
    for (int i = 0; i < page.pictureBoxes.size(); ++i)
        if (page.pictureBoxes[i].visible)
            add(u'p', i, page.pictureBoxes[i].geometry);
    return objects;
}

bool isKnownFont(const QString &name)
{
    return metricCompatibleFamily(name) != name;
}

// The text a box starts with must fit it; an empty box must hold at least one line of its font.
QString textFitProblem(const TextStyle &style, const QRect &box, const QString &text)
{
    TextMeasure measure;
    const bool placeholder = text == kPlaceholderText;
    measure.load(TextBoxFormat{style, QSizeF(box.size()), true},
                 placeholder ? QString() : normalisedBoxText(text));
    if (measure.lineHeight() > box.height())
        return QStringLiteral("one line of %1 pt is taller than the box").arg(style.fontSize);
    if (!placeholder && measure.overflows())
        return QStringLiteral("\"%1\" does not fit its box").arg(text);
    return {};
}

// Share of dark, opaque pixels: the part of a mask that is the shape.
double shapeShare(const QImage &mask)
{
    const QImage argb = mask.convertToFormat(QImage::Format_ARGB32);
    qint64 dark = 0;
    for (int y = 0; y < argb.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x)
            dark += (qGray(line[x]) < 128 && qAlpha(line[x]) >= 128) ? 1 : 0;
    }
    return double(dark) / (qint64(argb.width()) * argb.height());
}

// Whether a drawn border shows anywhere on an object: on a shaped picture only inside its
// shape, on any other object also on the frame one pixel round it.
bool showsBorder(const QImage &border, const QRect &object, const QImage &shape)
{
    const QImage drawn = border.convertToFormat(QImage::Format_ARGB32);
    const QImage marks = shape.convertToFormat(QImage::Format_ARGB32);
    const QRect around = (shape.isNull() ? object.adjusted(-1, -1, 1, 1) : object) & drawn.rect();
    for (int y = around.top(); y <= around.bottom(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(drawn.constScanLine(y));
        const auto *inside =
            marks.isNull() ? nullptr
                           : reinterpret_cast<const QRgb *>(marks.constScanLine(y - object.y()));
        for (int x = around.left(); x <= around.right(); ++x) {
            if (inside) {
                const QRgb mark = inside[x - object.x()];
                if (qGray(mark) >= 128 || qAlpha(mark) < 128)
                    continue;
            }
            if (qAlpha(line[x]) != 0)
                return true;
        }
    }
    return false;
}

} // namespace

class TestShippedTemplates : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { installFontSubstitutions(); }

    void templateIsValid_data()
    {
        QTest::addColumn<QString>("path");
        for (const QString &relative : shippedTemplates())
            QTest::newRow(qPrintable(relative)) << kLayoutsFolder + QLatin1Char('/') + relative;
    }

    void templateIsValid()
    {
        QFETCH(QString, path);
        const QString folder = QFileInfo(path).dir().dirName();
        PageModel page;
        QString error;
        QVERIFY2(readTemplate(path, page, fullHdFit(documentTypeOfFolder(folder)), &error),
                 qPrintable(error));
        QVERIFY(page.pageWidthMm > 0 && page.pageHeightMm > 0);
        QVERIFY(page.pageWidthMm <= 297 && page.pageHeightMm <= 297);
        QVERIFY(!page.pageRect.isEmpty());
        const bool copiesSheet = folder == QStringLiteral("multi");
        // Whole pages print on A4, either way round.
        if (!copiesSheet)
            QVERIFY(QSize(std::min(page.pageWidthMm, page.pageHeightMm),
                          std::max(page.pageWidthMm, page.pageHeightMm)) == QSize(210, 297));

        const QRect sheet(0, 0, page.pageRect.width(), page.pageRect.height());
        const int margin =
            int(std::floor(page.scale * (copiesSheet ? kCopyMarginMm : kPageMarginMm)));
        const QRect printable = sheet.adjusted(margin, margin, -margin, -margin);
        auto onSheet = [&](const QRect &rect, const char *what, int index) {
            const bool inside = !rect.isEmpty() && sheet.contains(rect);
            if (!inside)
                qWarning("%s %d at (%d, %d) %d x %d is not on the %d x %d page", what, index,
                         rect.x(), rect.y(), rect.width(), rect.height(), sheet.width(),
                         sheet.height());
            return inside;
        };

        const QVector<PageObject> objects = visibleObjects(page);
        for (const PageObject &object : objects) {
            QVERIFY2(!object.rect.isEmpty() && printable.contains(object.rect),
                     qPrintable(object.name + QStringLiteral(" is in the unprintable margin")));
        }
        for (int i = 0; i < objects.size(); ++i)
            for (int j = i + 1; j < objects.size(); ++j)
                QVERIFY2(
                    !objects[i].rect.intersects(objects[j].rect),
                    qPrintable(objects[i].name + QStringLiteral(" overlaps ") + objects[j].name));

        int visibleTextBoxes = 0;
        int visibleRichTextBoxes = 0;
        int visiblePictureBoxes = 0;
        for (const TextBoxModel &box : std::as_const(page.textBoxes)) {
            if (!box.visible)
                continue;
            ++visibleTextBoxes;
            QVERIFY2(isKnownFont(box.style.fontName), qPrintable(box.style.fontName));
            const QString problem = textFitProblem(box.style, box.geometry, box.text);
            QVERIFY2(problem.isEmpty(), qPrintable(problem));
        }
        for (const RichTextBoxModel &box : std::as_const(page.richTextBoxes)) {
            if (!box.visible)
                continue;
            ++visibleRichTextBoxes;
            QVERIFY2(isKnownFont(box.style.fontName), qPrintable(box.style.fontName));
            const QString problem = textFitProblem(box.style, box.geometry, box.plainText);
            QVERIFY2(problem.isEmpty(), qPrintable(problem));
        }
        for (const PictureBoxModel &box : std::as_const(page.pictureBoxes))
            visiblePictureBoxes += box.visible ? 1 : 0;
        int visibleHandles = 0;
        for (const HandleModel &handle : std::as_const(page.handles))
            visibleHandles += handle.visible ? 1 : 0;
        for (int i = 0; i < page.lines.size(); ++i) {
            const QRect span = QRect(page.lines[i].from, page.lines[i].to).normalized();
            QVERIFY(onSheet(span.adjusted(0, 0, 1, 1), "line", i));
        }
        for (int i = 0; i < page.boxes.size(); ++i)
            QVERIFY(onSheet(page.boxes[i].rect, "box", i));

        QCOMPARE(visibleTextBoxes, page.announcedTextBoxes);
        QCOMPARE(visibleRichTextBoxes, page.announcedRichTextBoxes);
        QCOMPARE(visiblePictureBoxes, page.announcedPictureBoxes);
        QCOMPARE(visibleHandles, page.announcedHandles);
        QCOMPARE(int(page.lines.size()), page.announcedLines);
        QCOMPARE(int(page.boxes.size()), page.announcedBoxes);

        if (page.border.type != BorderType::None) {
            // The border must leave the page's objects room inside it.
            QVERIFY(page.border.edgeWidth > 0 && page.border.edgeHeight > 0);
            QVERIFY(2 * page.border.edgeWidth < sheet.width());
            QVERIFY(2 * page.border.edgeHeight < sheet.height());
            // Painted all over, the border shows wherever it lies: never under an object. A
            // shaped picture shows only inside its shape, so its border may follow the outline.
            BorderModel border = page.border;
            border.picture = QImage(64, 64, QImage::Format_RGB32);
            border.picture.fill(Qt::black);
            const QImage drawn = composeBorder(border, sheet.size());
            QVERIFY(!drawn.isNull());
            for (const PageObject &object : objects) {
                QImage shape;
                if (object.name.startsWith(u'p')) {
                    const PictureBoxModel &box = page.pictureBoxes[object.name.mid(1).toInt()];
                    if (box.hasMaskPicture)
                        shape = box.mask.scaled(object.rect.size());
                }
                QVERIFY2(!showsBorder(drawn, object.rect, shape),
                         qPrintable(object.name + QStringLiteral(" lies on the border")));
            }
        }
        // The kinds that always carry a painted border are laid out round a border of their own.
        if (appliesBorderSetup(documentTypeOfFolder(folder)))
            QVERIFY(page.border.type != BorderType::None);
    }

    // The pictures beside a template: mask pictures shaped like something and in the
    // proportions of their boxes, border maps of the size their templates give.
    void sidePicturesMatch_data() { templateIsValid_data(); }

    void sidePicturesMatch()
    {
        QFETCH(QString, path);
        PageModel page;
        QVERIFY(readTemplate(path, page, fullHdFit(9)));
        for (const QString &line : templateLines(path)) {
            const QString element = dialect::elementName(line);
            if (element == QStringLiteral("picbox") &&
                dialect::boolAttribute(line, u"hasMaskPic")) {
                const int index = elementIndex(line);
                QVERIFY(index >= 0 && index < page.pictureBoxes.size());
                const PictureBoxModel &box = page.pictureBoxes[index];
                QVERIFY2(
                    box.hasMaskPicture,
                    qPrintable(sideFile(path, QString::number(index) + QStringLiteral(".png"))));
                const double boxRatio = double(dialect::intAttribute(line, u"width")) /
                                        dialect::intAttribute(line, u"height");
                const double maskRatio = double(box.mask.width()) / box.mask.height();
                QVERIFY2(std::abs(maskRatio / boxRatio - 1.0) < 0.03,
                         "the mask would be stretched out of shape");
                const double share = shapeShare(box.mask);
                QVERIFY2(share > 0.2 && share < 0.95, "the mask shows no shape");
            }
            if (element == QStringLiteral("bordermap")) {
                const QImage &map = page.border.map;
                QVERIFY2(!map.isNull(), qPrintable(sideFile(path, QStringLiteral("map.bmp"))));
                QCOMPARE(map.width(), int(dialect::intAttribute(line, u"wsf")));
                QCOMPARE(map.height(), int(dialect::intAttribute(line, u"hsf")));
                const double share = shapeShare(map);
                QVERIFY2(share > 0.02 && share < 0.6, "the map marks no border");
            }
        }
    }

    void linesEndWithCrLf_data() { templateIsValid_data(); }

    void linesEndWithCrLf()
    {
        QFETCH(QString, path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.endsWith("\r\n"));
        QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
        QCOMPARE(bytes.count('\r'), bytes.count("\r\n"));
    }

    // Divider handles join the boxes they name: the boxes above end at the handle, those below
    // start after it, and the handle's range leaves every one of them some height.
    void handlesJoinTheirBoxes_data() { templateIsValid_data(); }

    void handlesJoinTheirBoxes()
    {
        QFETCH(QString, path);
        PageModel page;
        QVERIFY(readTemplate(path, page, fullHdFit(10)));
        const QVector<PageObject> objects = visibleObjects(page);
        const auto find = [&](const QString &name) -> std::optional<QRect> {
            for (const PageObject &object : objects)
                if (object.name == name)
                    return object.rect;
            return std::nullopt;
        };
        for (const HandleModel &handle : std::as_const(page.handles)) {
            if (!handle.visible)
                continue;
            QVERIFY(handle.sizePx > 0);
            QVERIFY(!handle.boxesAbove.isEmpty() && !handle.boxesBelow.isEmpty());
            QVERIFY(handle.minY <= handle.centre.y() && handle.centre.y() <= handle.maxY);
            QVERIFY(handle.centre.x() > 0 && handle.centre.x() < page.pageRect.width());
            for (const QString &name : handle.boxesAbove) {
                const std::optional<QRect> rect = find(name);
                QVERIFY2(rect, qPrintable(name + QStringLiteral(" is not on the page")));
                QVERIFY(rect->bottom() < handle.centre.y());
                QVERIFY2(rect->top() < handle.minY, qPrintable(name));
            }
            for (const QString &name : handle.boxesBelow) {
                const std::optional<QRect> rect = find(name);
                QVERIFY2(rect, qPrintable(name + QStringLiteral(" is not on the page")));
                QVERIFY(rect->top() > handle.centre.y());
                QVERIFY2(rect->bottom() > handle.maxY, qPrintable(name));
            }
        }
    }

    // A copies sheet repeats a small page: the count is one the sheet can print, and each
    // copy still comes out large enough for a child's hand.
    void copiesSheetPrintsUsefully_data()
    {
        QTest::addColumn<QString>("path");
        for (const QString &relative : shippedTemplates())
            if (relative.startsWith(QStringLiteral("multi/")))
                QTest::newRow(qPrintable(relative)) << kLayoutsFolder + QLatin1Char('/') + relative;
    }

    void copiesSheetPrintsUsefully()
    {
        QFETCH(QString, path);
        PageModel page;
        QVERIFY(readTemplate(path, page, fullHdFit(8)));
        QVERIFY2(!page.autoRepeat, "the template should say how many copies fit a sheet");
        QVERIFY(page.repeatCount >= 2 && page.repeatCount <= kMaxSheetCopies);
        QVERIFY(page.pageWidthMm < 210 && page.pageHeightMm < 210);

        const QSizeF room =
            page.pageWidthMm >= page.pageHeightMm ? kA4Printable : kA4Printable.transposed();
        const QSize pageMm(page.pageWidthMm, page.pageHeightMm);
        const SheetPlacement sheet = arrangeRepeatedCopies(pageMm, room, page.repeatCount);
        QCOMPARE(sheet.origins.size(), page.repeatCount);
        const double shortSide = std::min(pageMm.width(), pageMm.height()) * sheet.scale;
        QVERIFY2(shortSide >= kSmallestPrintedCopyMm,
                 qPrintable(QStringLiteral("each copy prints %1 mm across").arg(shortSide)));
    }

    void kindHasEnoughTemplates_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<int>("minimum");
        QTest::newRow("simple") << "simple" << 1;
        QTest::newRow("shaped borders") << "shaped borders" << 6;
        QTest::newRow("signs") << "signs" << 6;
        QTest::newRow("multi") << "multi" << 4;
        QTest::newRow("layouts") << "layouts" << 8;
        QTest::newRow("news") << "news" << 4;
        QTest::newRow("certificate") << "certificate" << 4;
        QTest::newRow("borders") << "borders" << 4;
        QTest::newRow("posters") << "posters" << 4;
        QTest::newRow("advanced") << "advanced" << 2;
    }

    void kindHasEnoughTemplates()
    {
        QFETCH(QString, folder);
        QFETCH(int, minimum);
        const TemplateListing listing = listTemplates(kDataFolder, folder);
        QVERIFY(listing.listed);
        QVERIFY2(listing.choices.size() >= minimum,
                 qPrintable(QString::number(listing.choices.size())));
        // The start screen has room for this many; more would never be offered.
        const int shipped =
            QDir(listing.folder).entryList({QStringLiteral("*.xml")}, QDir::Files).size();
        QVERIFY(shipped <= kSubChoiceSlots);
    }

    void singlePageKindHasTemplates_data()
    {
        QTest::addColumn<QString>("relativePath");
        QTest::addColumn<bool>("isFolder");
        for (int code : kSinglePageCodes) {
            const DocumentTypeInfo info = *documentTypeInfo(code);
            QVERIFY(usesSinglePageWindow(code));
            const QString name = QString::number(code) + QLatin1Char(' ') + info.caption;
            if (!info.startFolder.isEmpty())
                QTest::newRow(qPrintable(name + QStringLiteral(" start folder")))
                    << info.startFolder << true;
            if (!info.menuFolder.isEmpty())
                QTest::newRow(qPrintable(name + QStringLiteral(" menu folder")))
                    << info.menuFolder << true;
            if (!info.fixedTemplate.isEmpty())
                QTest::newRow(qPrintable(name + QStringLiteral(" fixed template")))
                    << info.fixedTemplate << false;
        }
        QTest::newRow("first sign") << QStringLiteral("signs/1.xml") << false;
    }

    void singlePageKindHasTemplates()
    {
        QFETCH(QString, relativePath);
        QFETCH(bool, isFolder);
        const QString path = kLayoutsFolder + QLatin1Char('/') + relativePath;
        if (isFolder) {
            const QStringList templates =
                QDir(path).entryList({QStringLiteral("*.xml")}, QDir::Files);
            QVERIFY2(!templates.isEmpty(), qPrintable(path));
        } else {
            QVERIFY2(QFileInfo(path).isFile(), qPrintable(path));
        }
    }

    // A sign opens on the first sign, which heads the menu and is blank: its big text waits
    // for the child's own words (the placeholder goes at the first press).
    void firstSignIsBlankAndHeadsTheMenu()
    {
        const TemplateListing listing = listTemplates(kDataFolder, QStringLiteral("signs"));
        QVERIFY(!listing.choices.isEmpty());
        QCOMPARE(QFileInfo(listing.choices.front().templatePath).fileName(),
                 QStringLiteral("1.xml"));
        PageModel page;
        QVERIFY(readTemplate(listing.choices.front().templatePath, page, fullHdFit(13)));
        QVERIFY(!page.textBoxes.isEmpty());
        QCOMPARE(page.textBoxes[0].text, kPlaceholderText);
    }

    // Every picture shipped beside the templates belongs to one: a mask of a picture box that
    // asks for it or the map of a template with a border map. Thumbnails are drawn by the
    // build, never shipped.
    void everySidePictureIsUsed()
    {
        QSet<QString> wanted;
        for (const QString &relative : shippedTemplates()) {
            const QString path = kLayoutsFolder + QLatin1Char('/') + relative;
            for (const QString &line : templateLines(path)) {
                const QString element = dialect::elementName(line);
                if (element == QStringLiteral("picbox") &&
                    dialect::boolAttribute(line, u"hasMaskPic"))
                    wanted.insert(sideFile(path, QString::number(elementIndex(line)) +
                                                     QStringLiteral(".png")));
                if (element == QStringLiteral("bordermap"))
                    wanted.insert(sideFile(path, QStringLiteral("map.bmp")));
            }
        }
        QDirIterator it(kLayoutsFolder, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString file = it.next();
            if (file.endsWith(QStringLiteral(".xml")))
                continue;
            QVERIFY2(wanted.contains(file),
                     qPrintable(file + QStringLiteral(" belongs to no template")));
        }
    }
};

QTEST_MAIN(TestShippedTemplates)
#include "tst_shippedtemplates.moc"
