// Every leaflet template shipped in data/layouts names its folder's style, reads cleanly with
// the leaflet reader, keeps each page's objects inside the printed part of their page, clear of
// each other and of the card's border, uses fonts the program knows and fits its own texts.

#include "core/doctypes/leafletdescription.h"
#include "core/doctypes/leafletsheet.h"
#include "core/foundation/fontmapping.h"
#include "core/layout/documenttypes.h"
#include "support/templatechecks.h"

#include <QDir>
#include <QTest>

#include <cmath>

using namespace quillora;

Q_DECLARE_METATYPE(quillora::DocumentKind)

namespace {

const QString kLayouts = QStringLiteral(QUILLORA_SOURCE_DIR "/data/layouts/");
const QSize kScreen(1920, 1080);

struct Folder {
    const char *name;
    DocumentKind kind;
    LeafletStyle style;
};
constexpr Folder kFolders[] = {{"booklet", DocumentKind::Booklet, LeafletStyle::Booklet},
                               {"card", DocumentKind::Card, LeafletStyle::Card},
                               {"leaflet large", DocumentKind::Leaflet, LeafletStyle::LargeLeaflet},
                               {"leaflet small", DocumentKind::Leaflet, LeafletStyle::SmallLeaflet}};

struct Placed {
    QString name;
    int page;
    QRect rect;
};

template <typename Boxes>
void place(QVector<Placed> &placed, QChar kind, const Boxes &boxes, LeafletStyle style)
{
    for (int i = 0; i < boxes.size(); ++i)
        placed.append({kind + QString::number(i), leafletPageOfObject(style, i), boxes[i].geometry});
}

} // namespace

class TestLeafletTemplates : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { installFontSubstitutions(); }

    void templateIsSound_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<DocumentKind>("kind");
        QTest::addColumn<int>("style");
        for (const Folder &folder : kFolders) {
            const QDir dir(kLayouts + QLatin1String(folder.name));
            const QStringList names = dir.entryList({QStringLiteral("*.xml")}, QDir::Files);
            QVERIFY2(names.size() >= 3, folder.name);
            for (const QString &name : names)
                QTest::newRow(qPrintable(QLatin1String(folder.name) + u'/' + name))
                    << dir.filePath(name) << folder.kind << int(folder.style);
        }
    }

    void templateIsSound()
    {
        QFETCH(QString, path);
        QFETCH(DocumentKind, kind);
        QFETCH(int, style);
        PageModel leaflet;
        LeafletStyle read = LeafletStyle::Booklet;
        QString error;
        QVERIFY2(readLeafletFile(path, {kind, kScreen}, leaflet, read, &error), qPrintable(error));
        QCOMPARE(int(read), style);

        QVector<Placed> placed;
        place(placed, u't', leaflet.textBoxes, read);
        place(placed, u'r', leaflet.richTextBoxes, read);
        place(placed, u'p', leaflet.pictureBoxes, read);

        // Objects stay within the part of the page that prints, and on the card's front
        // inside the border.
        const QRect page(QPoint(), leafletScreenGeometry(read, kScreen).panelSize);
        const int margin = int(std::ceil(kLeafletPrintMarginMm * leaflet.scale));
        const QRect printed = page.adjusted(margin, margin, -margin, -margin);
        const BorderModel &border = leaflet.border;
        const QRect insideBorder =
            page.adjusted(border.edgeWidth + border.tileWidth, border.edgeHeight + border.tileHeight,
                          -border.edgeWidth - border.tileWidth, -border.edgeHeight - border.tileHeight);
        for (int i = 0; i < placed.size(); ++i) {
            const Placed &object = placed[i];
            QVERIFY2(object.page >= 0 && printed.contains(object.rect), qPrintable(object.name));
            if (object.page == 0 && border.type != BorderType::None)
                QVERIFY2(insideBorder.contains(object.rect), qPrintable(object.name + " on the border"));
            for (int j = i + 1; j < placed.size(); ++j)
                QVERIFY2(object.page != placed[j].page || !object.rect.intersects(placed[j].rect),
                         qPrintable(object.name + " overlaps " + placed[j].name));
        }
        for (const TextBoxModel &box : std::as_const(leaflet.textBoxes)) {
            QVERIFY(box.visible);
            const QString problem = test::templateTextProblem(box.style, box.geometry, box.text);
            QVERIFY2(problem.isEmpty(), qPrintable(problem));
        }
    }
};

QTEST_MAIN(TestLeafletTemplates)
#include "tst_leaflettemplates.moc"
