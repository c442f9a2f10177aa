// Every layout template shipped in data/layouts reads cleanly, announces what it holds, keeps
// its objects on the printable page, clear of each other and of its border, uses fonts the
// program knows, fits its own default texts and brings the pictures it needs; every kind has
// enough templates to choose from.

#include "core/app/startchoice.h"
#include "core/doctypes/postcard.h"
#include "core/foundation/fontmapping.h"
#include "core/layout/dialect.h"
#include "core/layout/documenttypes.h"
#include "core/layout/templateelements.h"
#include "core/layout/templatemenu.h"
#include "core/layout/templatereader.h"
#include "core/printing/pageborder.h"
#include "core/printing/printjob.h"
#include "support/pixelwhere.h"
#include "support/templatechecks.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QTest>

#include <algorithm>
#include <cmath>

using namespace quillora;

namespace {

const QString kDataFolder = QStringLiteral(QUILLORA_SOURCE_DIR "/data");
const QString kLayoutsFolder = kDataFolder + QStringLiteral("/layouts");

// The kinds shown in the single-page window, whose pages come from these templates.
QList<DocumentKind> singlePageKinds()
{
    QList<DocumentKind> kinds;
    for (int code = 0; code < kDocumentKindCount; ++code)
        if (kindInfo(DocumentKind(code)).window == WindowKind::SinglePage)
            kinds.append(DocumentKind(code));
    return kinds;
}

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
DocumentKind documentTypeOfFolder(const QString &folder)
{
    for (DocumentKind kind : singlePageKinds()) {
        const DocumentKindInfo &info = kindInfo(kind);
        if (info.startFolder == folder || info.menuFolder == folder ||
            info.fixedTemplate.section(QLatin1Char('/'), 0, 0) == folder)
            return kind;
    }
    return DocumentKind::Layouts;
}

QString folderOf(const QString &templatePath)
{
    return QFileInfo(templatePath).dir().dirName();
}

// Reads a template as its kind's window fits it on a full HD screen beside the tool palette
// and toolbar.
bool readShipped(const QString &path, PageModel &page, QString *error = nullptr)
{
    const PageFitInputs fit{1920, 1080, 106, 64, documentTypeOfFolder(folderOf(path))};
    return readTemplate(path, page, fit, error);
}

QStringList shippedTemplates()
{
    QStringList paths;
    QDirIterator it(kLayoutsFolder, {QStringLiteral("*.xml")}, QDir::Files,
                    QDirIterator::Subdirectories);
    // Leaflet templates hold several pages each: tst_leaflettemplates checks them page by page.
    const QStringList leafletFolders = {QStringLiteral("booklet"), QStringLiteral("card"),
                                        QStringLiteral("leaflet large"),
                                        QStringLiteral("leaflet small")};
    while (it.hasNext()) {
        const QString path = it.next();
        if (!leafletFolders.contains(folderOf(path)))
            paths << path;
    }
    paths.sort();
    return paths;
}

// One row per shipped template whose path inside data/layouts starts with `prefix`.
void addTemplateRows(const QString &prefix = {})
{
    QTest::addColumn<QString>("path");
    for (const QString &path : shippedTemplates()) {
        const QString relative = QDir(kLayoutsFolder).relativeFilePath(path);
        if (relative.startsWith(prefix))
            QTest::newRow(qPrintable(relative)) << path;
    }
}

// A picture a template asks for beside it, with the template line that asks: the mask of a
// picture box that has one, or the border map.
struct SidePicture {
    QString line;
    QString file;
};

QVector<SidePicture> sidePicturesOf(const QString &templatePath)
{
    QVector<SidePicture> pictures;
    QFile file(templatePath);
    if (!file.open(QIODevice::ReadOnly))
        return pictures;
    const QString stem = templatePath.chopped(4);
    for (const QString &line : QString::fromLatin1(file.readAll()).split(QStringLiteral("\r\n"))) {
        const QString element = dialect::elementName(line);
        if (element == QStringLiteral("picbox") && dialect::boolAttribute(line, u"hasMaskPic"))
            pictures.append(
                {line, stem + QString::number(elementIndex(line)) + QStringLiteral(".png")});
        else if (element == QStringLiteral("bordermap"))
            pictures.append({line, stem + QStringLiteral("map.bmp")});
    }
    return pictures;
}

struct PageObject {
    QString name; // kind letter and two-digit index, as handles name them
    QRect rect;
};

QVector<PageObject> visibleObjects(const PageModel &page)
{
    QVector<PageObject> objects;
    const auto add = [&objects](QChar kind, const auto &boxes) {
        for (int i = 0; i < boxes.size(); ++i)
            if (boxes[i].visible)
                objects.append({kind + QStringLiteral("%1").arg(i, 2, 10, QLatin1Char('0')),
                                boxes[i].geometry});
    };
    add(u't', page.textBoxes);
    add(u'r', page.richTextBoxes);
    add(u'p', page.pictureBoxes);
    return objects;
}

template <typename Objects> int countVisible(const Objects &objects)
{
    return int(std::count_if(objects.begin(), objects.end(),
                             [](const auto &object) { return object.visible; }));
}

// Share of dark, opaque pixels: the part of a mask that is the shape.
double shapeShare(const QImage &mask)
{
    const auto dark = [](QRgb pixel) { return qGray(pixel) < 128 && qAlpha(pixel) >= 128; };
    const QImage argb = mask.convertToFormat(QImage::Format_ARGB32);
    return test::countWhere(argb, dark) / (double(argb.width()) * argb.height());
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

    void templateIsValid_data() { addTemplateRows(); }

    void templateIsValid()
    {
        QFETCH(QString, path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        // Every line ends with CR LF, the last one included.
        QVERIFY(bytes.endsWith("\r\n"));
        QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
        QCOMPARE(bytes.count('\r'), bytes.count("\r\n"));

        PageModel page;
        QString error;
        QVERIFY2(readShipped(path, page, &error), qPrintable(error));
        QVERIFY(page.pageWidthMm > 0 && page.pageHeightMm > 0);
        QVERIFY(page.pageWidthMm <= 297 && page.pageHeightMm <= 297);
        QVERIFY(!page.pageRect.isEmpty());
        const bool copiesSheet = folderOf(path) == QStringLiteral("multi");
        // Whole pages print on A4, either way round.
        if (!copiesSheet)
            QVERIFY(QSize(std::min(page.pageWidthMm, page.pageHeightMm),
                          std::max(page.pageWidthMm, page.pageHeightMm)) == QSize(210, 297));

        const QRect sheet(QPoint(0, 0), page.pageRect.size());
        const int margin =
            int(std::floor(page.scale * (copiesSheet ? kCopyMarginMm : kPageMarginMm)));
        const QRect printable = sheet.adjusted(margin, margin, -margin, -margin);
        const QVector<PageObject> objects = visibleObjects(page);
        for (int i = 0; i < objects.size(); ++i) {
            QVERIFY2(!objects[i].rect.isEmpty() && printable.contains(objects[i].rect),
                     qPrintable(objects[i].name + QStringLiteral(" is in the unprintable margin")));
            for (int j = i + 1; j < objects.size(); ++j)
                QVERIFY2(
                    !objects[i].rect.intersects(objects[j].rect),
                    qPrintable(objects[i].name + QStringLiteral(" overlaps ") + objects[j].name));
        }
        for (const TextBoxModel &box : std::as_const(page.textBoxes)) {
            const QString problem =
                box.visible ? test::templateTextProblem(box.style, box.geometry, box.text)
                            : QString();
            QVERIFY2(problem.isEmpty(), qPrintable(problem));
        }
        for (const RichTextBoxModel &box : std::as_const(page.richTextBoxes)) {
            const QString problem =
                box.visible ? test::templateTextProblem(box.style, box.geometry, box.plainText)
                            : QString();
            QVERIFY2(problem.isEmpty(), qPrintable(problem));
        }
        for (const LineModel &line : std::as_const(page.lines))
            QVERIFY(sheet.contains(QRect(line.from, line.to).normalized().adjusted(0, 0, 1, 1)));
        for (const BoxModel &box : std::as_const(page.boxes))
            QVERIFY(!box.rect.isEmpty() && sheet.contains(box.rect));

        QCOMPARE(countVisible(page.textBoxes), page.announcedTextBoxes);
        QCOMPARE(countVisible(page.richTextBoxes), page.announcedRichTextBoxes);
        QCOMPARE(countVisible(page.pictureBoxes), page.announcedPictureBoxes);
        QCOMPARE(countVisible(page.handles), page.announcedHandles);
        QCOMPARE(int(page.lines.size()), page.announcedLines);
        QCOMPARE(int(page.boxes.size()), page.announcedBoxes);

        // The kinds that always carry a painted border are laid out round a border of their own.
        if (kindInfo(documentTypeOfFolder(folderOf(path))).standardBorder)
            QVERIFY(page.border.type != BorderType::None);
        if (page.border.type == BorderType::None)
            return;
        // The border must leave the page's objects room inside it.
        QVERIFY(page.border.edgeWidth > 0 && page.border.edgeHeight > 0);
        QVERIFY(2 * page.border.edgeWidth < sheet.width());
        QVERIFY(2 * page.border.edgeHeight < sheet.height());
        // Painted all over, the border shows wherever it lies: never under an object. A shaped
        // picture shows only inside its shape, so its border may follow the outline.
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

    // The pictures beside a template: mask pictures shaped like something and in the
    // proportions of their boxes, border maps of the size their templates give.
    void sidePicturesMatch_data() { addTemplateRows(); }

    void sidePicturesMatch()
    {
        QFETCH(QString, path);
        PageModel page;
        QVERIFY(readShipped(path, page));
        for (const SidePicture &side : sidePicturesOf(path)) {
            if (dialect::elementName(side.line) == QStringLiteral("bordermap")) {
                const QImage &map = page.border.map;
                QVERIFY2(!map.isNull(), qPrintable(side.file));
                QCOMPARE(map.size(), QSize(dialect::intAttribute(side.line, u"wsf"),
                                           dialect::intAttribute(side.line, u"hsf")));
                const double share = shapeShare(map);
                QVERIFY2(share > 0.02 && share < 0.6, "the map marks no border");
                continue;
            }
            const int index = elementIndex(side.line);
            QVERIFY(index >= 0 && index < page.pictureBoxes.size());
            const QImage &mask = page.pictureBoxes[index].mask;
            QVERIFY2(page.pictureBoxes[index].hasMaskPicture, qPrintable(side.file));
            const double boxRatio = double(dialect::intAttribute(side.line, u"width")) /
                                    dialect::intAttribute(side.line, u"height");
            QVERIFY2(std::abs(double(mask.width()) / mask.height() / boxRatio - 1.0) < 0.03,
                     "the mask would be stretched out of shape");
            const double share = shapeShare(mask);
            QVERIFY2(share > 0.2 && share < 0.95, "the mask shows no shape");
        }
    }

    // Divider handles join the boxes they name: the boxes above end at the handle, those below
    // start after it, and the handle's range leaves every one of them some height.
    void handlesJoinTheirBoxes_data() { addTemplateRows(); }

    void handlesJoinTheirBoxes()
    {
        QFETCH(QString, path);
        PageModel page;
        QVERIFY(readShipped(path, page));
        QHash<QString, QRect> rects;
        for (const PageObject &object : visibleObjects(page))
            rects.insert(object.name, object.rect);
        for (const HandleModel &handle : std::as_const(page.handles)) {
            if (!handle.visible)
                continue;
            QVERIFY(handle.sizePx > 0);
            QVERIFY(!handle.boxesAbove.isEmpty() && !handle.boxesBelow.isEmpty());
            QVERIFY(handle.minY <= handle.centre.y() && handle.centre.y() <= handle.maxY);
            QVERIFY(handle.centre.x() > 0 && handle.centre.x() < page.pageRect.width());
            for (const QString &name : handle.boxesAbove) {
                QVERIFY2(rects.contains(name), qPrintable(name + QStringLiteral(" is not shown")));
                QVERIFY2(rects[name].bottom() < handle.centre.y() &&
                             rects[name].top() < handle.minY,
                         qPrintable(name));
            }
            for (const QString &name : handle.boxesBelow) {
                QVERIFY2(rects.contains(name), qPrintable(name + QStringLiteral(" is not shown")));
                QVERIFY2(rects[name].top() > handle.centre.y() &&
                             rects[name].bottom() > handle.maxY,
                         qPrintable(name));
            }
        }
    }

    // A copies sheet repeats a small page: the count is one the sheet can print, and each
    // copy still comes out large enough for a child's hand.
    void copiesSheetPrintsUsefully_data() { addTemplateRows(QStringLiteral("multi/")); }

    void copiesSheetPrintsUsefully()
    {
        QFETCH(QString, path);
        PageModel page;
        QVERIFY(readShipped(path, page));
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

    // Every folder and fixed template a single-page kind names is shipped.
    void singlePageKindHasTemplates()
    {
        for (DocumentKind kind : singlePageKinds()) {
            const DocumentKindInfo &info = kindInfo(kind);
            for (const QString &folder : {info.startFolder, info.menuFolder})
                QVERIFY2(folder.isEmpty() || !QDir(kLayoutsFolder + u'/' + folder)
                                                  .entryList({QStringLiteral("*.xml")}, QDir::Files)
                                                  .isEmpty(),
                         qPrintable(folder));
            QVERIFY2(info.fixedTemplate.isEmpty() ||
                         QFileInfo(kLayoutsFolder + u'/' + info.fixedTemplate).isFile(),
                     qPrintable(info.fixedTemplate));
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
        QVERIFY(readShipped(listing.choices.front().templatePath, page));
        QVERIFY(!page.textBoxes.isEmpty());
        QCOMPARE(page.textBoxes[0].text, kPlaceholderText);
    }

    // Menus show each template by a name a child can read: words, never a bare number, and no
    // two alike in one folder.
    void everyTemplateHasAReadableName()
    {
        QHash<QString, QSet<QString>> namesByFolder;
        for (const QString &path : shippedTemplates()) {
            const QString name = templateCaption(path);
            QVERIFY2(std::any_of(name.begin(), name.end(), [](QChar c) { return c.isLetter(); }),
                     qPrintable(path + QStringLiteral(": ") + name));
            QSet<QString> &names = namesByFolder[folderOf(path)];
            QVERIFY2(!names.contains(name), qPrintable(path + QStringLiteral(": ") + name));
            names.insert(name);
        }
    }

    // Every picture shipped beside the templates belongs to one. Thumbnails are drawn by the
    // build, never shipped.
    void everySidePictureIsUsed()
    {
        QSet<QString> wanted;
        for (const QString &path : shippedTemplates())
            for (const SidePicture &side : sidePicturesOf(path))
                wanted.insert(side.file);
        // The postcard's stamp picture stands beside its writing side's template.
        wanted.insert(stampPicturePath(kLayoutsFolder + u'/' +
                                       kindInfo(DocumentKind::Postcard).fixedTemplate));
        QDirIterator it(kLayoutsFolder, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString file = it.next();
            QVERIFY2(file.endsWith(QStringLiteral(".xml")) || wanted.contains(file),
                     qPrintable(file + QStringLiteral(" belongs to no template")));
        }
    }
};

QTEST_MAIN(TestShippedTemplates)
#include "tst_shippedtemplates.moc"
