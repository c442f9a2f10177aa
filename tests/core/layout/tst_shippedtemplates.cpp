// Every layout template shipped in data/layouts reads cleanly, announces what it holds, keeps
// its objects on the printable page and clear of each other, uses fonts the program knows, fits
// its own default texts and joins its divider handles to their boxes; every kind has templates
// to choose from, and every picture shipped beside them belongs to one. Leaflet templates are
// read by the leaflet reader and checked page by page.

#include "core/app/startchoice.h"
#include "core/doctypes/leafletdescription.h"
#include "core/doctypes/leafletsheet.h"
#include "core/doctypes/postcard.h"
#include "core/foundation/fontmapping.h"
#include "core/layout/dialect.h"
#include "core/layout/documenttypes.h"
#include "core/layout/templateelements.h"
#include "core/layout/templatemenu.h"
#include "core/layout/templatereader.h"
#include "core/printing/printjob.h"
#include "support/templatechecks.h"
#include "support/testfiles.h"

#include <QDir>
#include <QDirIterator>
#include <QHash>
#include <QSet>
#include <QTest>

#include <cmath>

using namespace quillora;

Q_DECLARE_METATYPE(quillora::DocumentKind)

namespace {

const QString kDataFolder = QStringLiteral(QUILLORA_SOURCE_DIR "/data");
const QString kLayoutsFolder = kDataFolder + QStringLiteral("/layouts");

// Printers cannot print to the paper's edge: whole pages keep this much white round their
// objects; the small pages of a copies sheet are cut out, so a little less is enough.
constexpr double kPageMarginMm = 8.0;
constexpr double kCopyMarginMm = 3.0;
// A copy on a printed sheet should stay large enough to write and paint on.
constexpr double kSmallestPrintedCopyMm = 35.0;
const QSizeF kA4PrintableLandscape(277.0, 190.0);

struct LeafletFolder {
    const char *name;
    DocumentKind kind;
    LeafletStyle style;
};
constexpr LeafletFolder kLeafletFolders[] = {
    {"booklet", DocumentKind::Booklet, LeafletStyle::Booklet},
    {"card", DocumentKind::Card, LeafletStyle::Card},
    {"leaflet large", DocumentKind::Leaflet, LeafletStyle::LargeLeaflet},
    {"leaflet small", DocumentKind::Leaflet, LeafletStyle::SmallLeaflet}};

QList<DocumentKind> singlePageKinds()
{
    QList<DocumentKind> kinds;
    for (int code = 0; code < kDocumentKindCount; ++code)
        if (kindInfo(DocumentKind(code)).pageOfBoxes)
            kinds.append(DocumentKind(code));
    return kinds;
}

QString folderOf(const QString &templatePath)
{
    return QFileInfo(templatePath).dir().dirName();
}

// The kind whose page a template folder builds, so the page is fitted as its window fits it.
DocumentKind documentTypeOfFolder(const QString &folder)
{
    for (DocumentKind kind : singlePageKinds()) {
        const DocumentKindInfo &info = kindInfo(kind);
        if (info.startFolder == folder || info.menuFolder == folder ||
            info.fixedTemplate.section(u'/', 0, 0) == folder)
            return kind;
    }
    return DocumentKind::Layouts;
}

bool readShipped(const QString &path, PageModel &page, QString *error = nullptr)
{
    const PageFitInputs fit{1920, 1080, 106, 64, documentTypeOfFolder(folderOf(path))};
    return readTemplate(path, page, fit, error);
}

// The single-page templates: leaflet templates hold several pages each.
QStringList shippedTemplates()
{
    QStringList leafletFolders;
    for (const LeafletFolder &folder : kLeafletFolders)
        leafletFolders << QLatin1String(folder.name);
    QStringList paths;
    QDirIterator it(kLayoutsFolder, {QStringLiteral("*.xml")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (!leafletFolders.contains(folderOf(path)))
            paths << path;
    }
    paths.sort();
    return paths;
}

void addTemplateRows(const QString &prefix = {})
{
    QTest::addColumn<QString>("path");
    for (const QString &path : shippedTemplates()) {
        const QString relative = QDir(kLayoutsFolder).relativeFilePath(path);
        if (relative.startsWith(prefix))
            QTest::newRow(qPrintable(relative)) << path;
    }
}

// The pictures a template asks for beside it: masks of shaped picture boxes and the border map.
QStringList sidePicturesOf(const QString &templatePath)
{
    QStringList pictures;
    QFile file(templatePath);
    if (!file.open(QIODevice::ReadOnly))
        return pictures;
    const QString stem = templatePath.chopped(4);
    for (const QString &line : QString::fromLatin1(file.readAll()).split(QStringLiteral("\r\n"))) {
        const QString element = dialect::elementName(line);
        if (element == u"picbox" && dialect::boolAttribute(line, u"hasMaskPic"))
            pictures.append(stem + QString::number(elementIndex(line)) + ".png");
        else if (element == u"bordermap")
            pictures.append(stem + QStringLiteral("map.bmp"));
    }
    return pictures;
}

// Visible objects by the names handles give them: kind letter and two-digit index.
QHash<QString, QRect> visibleObjects(const PageModel &page)
{
    QHash<QString, QRect> objects;
    const auto add = [&objects](QChar kind, const auto &boxes) {
        for (int i = 0; i < boxes.size(); ++i)
            if (boxes[i].visible)
                objects.insert(kind + QStringLiteral("%1").arg(i, 2, 10, QLatin1Char('0')),
                               boxes[i].geometry);
    };
    add(u't', page.textBoxes);
    add(u'r', page.richTextBoxes);
    add(u'p', page.pictureBoxes);
    return objects;
}

template <typename Objects> int countVisible(const Objects &objects)
{
    return int(
        std::count_if(objects.begin(), objects.end(), [](const auto &o) { return o.visible; }));
}

// The boxes above a handle end at it, those below start after it, and its range leaves every
// one of them some height.
QString handleProblem(const PageModel &page, const HandleModel &handle,
                      const QHash<QString, QRect> &objects)
{
    if (handle.sizePx <= 0 || handle.boxesAbove.isEmpty() || handle.boxesBelow.isEmpty() ||
        handle.minY > handle.centre.y() || handle.centre.y() > handle.maxY ||
        handle.centre.x() <= 0 || handle.centre.x() >= page.pageRect.width())
        return QStringLiteral("a handle off its range or joining nothing");
    for (const QString &name : handle.boxesAbove)
        if (!objects.contains(name) || objects[name].bottom() >= handle.centre.y() ||
            objects[name].top() >= handle.minY)
            return name + QStringLiteral(" is not above its handle");
    for (const QString &name : handle.boxesBelow)
        if (!objects.contains(name) || objects[name].top() <= handle.centre.y() ||
            objects[name].bottom() <= handle.maxY)
            return name + QStringLiteral(" is not below its handle");
    return {};
}

} // namespace

class TestShippedTemplates : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { installFontSubstitutions(); }

    void templateIsSound_data() { addTemplateRows(); }

    void templateIsSound()
    {
        QFETCH(QString, path);
        const QByteArray bytes = test::readFile(path);
        // Every line ends with CR LF, the last one included.
        QVERIFY(bytes.endsWith("\r\n"));
        QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
        QCOMPARE(bytes.count('\r'), bytes.count("\r\n"));

        PageModel page;
        QString error;
        QVERIFY2(readShipped(path, page, &error), qPrintable(error));
        const bool copiesSheet = folderOf(path) == u"multi";
        // Whole pages print on A4, either way round.
        const QSize pageMm(page.pageWidthMm, page.pageHeightMm);
        QVERIFY(copiesSheet ? pageMm.width() > 0 && pageMm.height() > 0
                            : pageMm == QSize(210, 297) || pageMm == QSize(297, 210));

        const QRect sheet(QPoint(0, 0), page.pageRect.size());
        const int margin =
            int(std::floor(page.scale * (copiesSheet ? kCopyMarginMm : kPageMarginMm)));
        const QRect printable = sheet.adjusted(margin, margin, -margin, -margin);
        const QHash<QString, QRect> objects = visibleObjects(page);
        for (auto it = objects.begin(); it != objects.end(); ++it) {
            QVERIFY2(!it->isEmpty() && printable.contains(*it),
                     qPrintable(it.key() + QStringLiteral(" is in the unprintable margin")));
            for (auto other = std::next(it); other != objects.end(); ++other)
                QVERIFY2(!it->intersects(*other),
                         qPrintable(it.key() + QStringLiteral(" overlaps ") + other.key()));
        }
        QStringList problems;
        for (const TextBoxModel &box : std::as_const(page.textBoxes))
            if (box.visible)
                problems << test::templateTextProblem(box.style, box.geometry, box.text);
        for (const RichTextBoxModel &box : std::as_const(page.richTextBoxes))
            if (box.visible)
                problems << test::templateTextProblem(box.style, box.geometry, box.plainText);
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

        for (const HandleModel &handle : std::as_const(page.handles))
            if (handle.visible)
                problems << handleProblem(page, handle, objects);
        // The kinds that always carry a painted border are laid out round a border of their own.
        if (kindInfo(documentTypeOfFolder(folderOf(path))).standardBorder)
            QVERIFY(page.border.type != BorderType::None);
        problems.removeAll(QString());
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral("; "))));
    }

    void leafletTemplateIsSound_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<DocumentKind>("kind");
        QTest::addColumn<int>("style");
        for (const LeafletFolder &folder : kLeafletFolders) {
            const QDir dir(kLayoutsFolder + u'/' + QLatin1String(folder.name));
            const QStringList names = dir.entryList({QStringLiteral("*.xml")}, QDir::Files);
            QVERIFY2(names.size() >= 3, folder.name);
            for (const QString &name : names)
                QTest::newRow(qPrintable(QLatin1String(folder.name) + u'/' + name))
                    << dir.filePath(name) << folder.kind << int(folder.style);
        }
    }

    // Each page's objects stay within the part of the page that prints, clear of each other.
    void leafletTemplateIsSound()
    {
        QFETCH(QString, path);
        QFETCH(DocumentKind, kind);
        const QSize screen(1920, 1080);
        PageModel leaflet;
        LeafletStyle style = LeafletStyle::Booklet;
        QString error;
        QVERIFY2(readLeafletFile(path, {kind, screen}, leaflet, style, &error), qPrintable(error));
        QTEST(int(style), "style");

        const QRect page(QPoint(), leafletScreenGeometry(style, screen).panelSize);
        const int margin = int(std::ceil(kLeafletPrintMarginMm * leaflet.scale));
        const QRect printed = page.adjusted(margin, margin, -margin, -margin);
        const QHash<QString, QRect> objects = visibleObjects(leaflet);
        const auto pageOf = [style](const QString &name) {
            return leafletPageOfObject(style, name.mid(1).toInt());
        };
        for (auto it = objects.begin(); it != objects.end(); ++it) {
            const int onPage = pageOf(it.key());
            QVERIFY2(onPage >= 0 && printed.contains(*it), qPrintable(it.key()));
            for (auto other = std::next(it); other != objects.end(); ++other)
                QVERIFY2(pageOf(other.key()) != onPage || !it->intersects(*other),
                         qPrintable(it.key() + " overlaps " + other.key()));
        }
        for (const TextBoxModel &box : std::as_const(leaflet.textBoxes)) {
            QVERIFY(box.visible);
            const QString problem = test::templateTextProblem(box.style, box.geometry, box.text);
            QVERIFY2(problem.isEmpty(), qPrintable(problem));
        }
    }

    // A copies sheet says how many copies fit a sheet, and each still prints large enough for
    // a child's hand.
    void copiesSheetPrintsUsefully_data() { addTemplateRows(QStringLiteral("multi/")); }

    void copiesSheetPrintsUsefully()
    {
        QFETCH(QString, path);
        PageModel page;
        QVERIFY(readShipped(path, page));
        QVERIFY(!page.autoRepeat);
        QVERIFY(page.repeatCount >= 2 && page.repeatCount <= kMaxSheetCopies);
        QVERIFY(page.pageWidthMm < 210 && page.pageHeightMm < 210);
        const QSize pageMm(page.pageWidthMm, page.pageHeightMm);
        const QSizeF room = pageMm.width() >= pageMm.height() ? kA4PrintableLandscape
                                                              : kA4PrintableLandscape.transposed();
        const SheetPlacement sheet = arrangeRepeatedCopies(pageMm, room, page.repeatCount);
        QCOMPARE(sheet.origins.size(), page.repeatCount);
        QVERIFY(std::min(pageMm.width(), pageMm.height()) * sheet.scale >= kSmallestPrintedCopyMm);
    }

    // Every folder and fixed template a single-page kind names is shipped; a sign opens on the
    // first sign, which heads the menu and waits blank for the child's own words. Every kind's
    // caption is in the catalogues, so the start screen shows it in the child's language.
    void kindsFindTheirTemplates()
    {
        const QByteArray catalogue =
            test::readFile(QStringLiteral(QUILLORA_SOURCE_DIR "/translations/quillora_de.ts"));
        for (int code = 0; code < kDocumentKindCount; ++code)
            QVERIFY(catalogue.contains(">" + kindInfo(DocumentKind(code)).caption.toUtf8() +
                                       "</source>"));
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
        const TemplateListing signs = listTemplates(kDataFolder, QStringLiteral("signs"));
        QVERIFY(!signs.choices.isEmpty());
        QCOMPARE(QFileInfo(signs.choices.front().templatePath).fileName(), QStringLiteral("1.xml"));
        PageModel page;
        QVERIFY(readShipped(signs.choices.front().templatePath, page));
        QCOMPARE(page.textBoxes.value(0).text, kPlaceholderText);
    }

    // Menus show each template by words, never a bare number, no two alike in one folder; every
    // picture shipped beside the templates belongs to one (thumbnails are drawn by the build).
    void namesAndPicturesBelong()
    {
        QHash<QString, QSet<QString>> namesByFolder;
        QSet<QString> wanted;
        for (const QString &path : shippedTemplates()) {
            const QString name = templateCaption(path);
            QSet<QString> &names = namesByFolder[folderOf(path)];
            QVERIFY2(std::any_of(name.begin(), name.end(), [](QChar c) { return c.isLetter(); }) &&
                         !names.contains(name),
                     qPrintable(path + QStringLiteral(": ") + name));
            names.insert(name);
            for (const QString &picture : sidePicturesOf(path))
                wanted.insert(picture);
        }
        // The postcard's stamp stands beside its writing side's template.
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
