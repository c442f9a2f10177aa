// Every layout template shipped in data/layouts reads cleanly, announces what it holds, keeps
// its objects on the page and brings the files it needs; every single-page kind has templates.

#include "core/layout/documenttypes.h"
#include "core/layout/templatereader.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QTest>

using namespace quillora;

namespace {

const QString kLayoutsFolder = QStringLiteral(QUILLORA_SOURCE_DIR "/data/layouts");

// The single-page kinds: their pages come from templates read into the single-page window.
constexpr int kSinglePageCodes[] = {0, 3, 8, 9, 10, 12, 13, 16, 17, 18};

// The document type whose page a template folder builds, so the page is fitted as it will be
// (the copies sheet leaves room for its preview, the rich text kinds for their toolbar).
int documentTypeOfFolder(const QString &folder)
{
    for (int code : kSinglePageCodes) {
        const DocumentTypeInfo info = *documentTypeInfo(code);
        if (info.startFolder == folder || info.menuFolder == folder
            || info.fixedTemplate.section(QLatin1Char('/'), 0, 0) == folder)
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

} // namespace

class TestShippedTemplates : public QObject {
    Q_OBJECT
private slots:
    void templateIsValid_data()
    {
        QTest::addColumn<QString>("path");
        QStringList relativePaths;
        QDirIterator it(kLayoutsFolder, {QStringLiteral("*.xml")}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            relativePaths << QDir(kLayoutsFolder).relativeFilePath(it.next());
        relativePaths.sort();
        for (const QString &relative : relativePaths)
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

        const QRect sheet(0, 0, page.pageRect.width(), page.pageRect.height());
        auto onSheet = [&](const QRect &rect, const char *what, int index) {
            const bool inside = !rect.isEmpty() && sheet.contains(rect);
            if (!inside)
                qWarning("%s %d at (%d, %d) %d x %d is not on the %d x %d page", what, index,
                         rect.x(), rect.y(), rect.width(), rect.height(), sheet.width(),
                         sheet.height());
            return inside;
        };

        int visibleTextBoxes = 0;
        for (int i = 0; i < page.textBoxes.size(); ++i) {
            if (!page.textBoxes[i].visible)
                continue;
            ++visibleTextBoxes;
            QVERIFY(onSheet(page.textBoxes[i].geometry, "text box", i));
        }
        int visibleRichTextBoxes = 0;
        for (int i = 0; i < page.richTextBoxes.size(); ++i) {
            if (!page.richTextBoxes[i].visible)
                continue;
            ++visibleRichTextBoxes;
            QVERIFY(onSheet(page.richTextBoxes[i].geometry, "rich text box", i));
        }
        int visiblePictureBoxes = 0;
        for (int i = 0; i < page.pictureBoxes.size(); ++i) {
            const PictureBoxModel &box = page.pictureBoxes[i];
            if (!box.visible)
                continue;
            ++visiblePictureBoxes;
            QVERIFY(onSheet(box.geometry, "picture box", i));
            if (box.hasMaskPicture) {
                const QString mask = sideFile(path, QString::number(i) + QStringLiteral(".png"));
                QVERIFY2(QFileInfo::exists(mask), qPrintable(mask));
            }
        }
        int visibleHandles = 0;
        for (const HandleModel &handle : page.handles)
            visibleHandles += handle.visible ? 1 : 0;
        for (int i = 0; i < page.lines.size(); ++i) {
            const QRect span = QRect(page.lines[i].from, page.lines[i].to).normalized();
            QVERIFY(onSheet(span, "line", i));
        }
        for (int i = 0; i < page.boxes.size(); ++i)
            QVERIFY(onSheet(page.boxes[i].rect, "box", i));

        QCOMPARE(visibleTextBoxes, page.announcedTextBoxes);
        QCOMPARE(visibleRichTextBoxes, page.announcedRichTextBoxes);
        QCOMPARE(visiblePictureBoxes, page.announcedPictureBoxes);
        QCOMPARE(visibleHandles, page.announcedHandles);
        QCOMPARE(int(page.lines.size()), page.announcedLines);
        QCOMPARE(int(page.boxes.size()), page.announcedBoxes);

        if (page.border.type == BorderType::Map) {
            const QString map = sideFile(path, QStringLiteral("map.bmp"));
            QVERIFY2(QFileInfo::exists(map), qPrintable(map));
        }
        if (page.border.type != BorderType::None) {
            // The border must leave the page's objects room inside it.
            QVERIFY(page.border.edgeWidth > 0 && page.border.edgeHeight > 0);
            QVERIFY(2 * page.border.edgeWidth < sheet.width());
            QVERIFY(2 * page.border.edgeHeight < sheet.height());
        }
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
};

QTEST_GUILESS_MAIN(TestShippedTemplates)
#include "tst_shippedtemplates.moc"
