// Arbitrary bytes through the leaflet reader, for each leaflet kind: nothing may crash or hang,
// and a leaflet read must keep every shown object on an existing page and be writable again.
#include "core/doctypes/leafletdescription.h"
#include "core/layout/documenttypes.h"

#include <cstdlib>

using namespace quillora;

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

template <typename Boxes> void checkOnPages(const Boxes &boxes, LeafletStyle style, QSize page)
{
    for (int i = 0; i < boxes.size(); ++i) {
        if (!boxes[i].visible)
            continue;
        check(leafletPageOfObject(style, i) >= 0);
        check(QRect(QPoint(), page).contains(boxes[i].geometry));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QSize screen = size % 2 ? QSize(1280, 800) : QSize(768, 1024);
    for (DocumentKind kind : {DocumentKind::Booklet, DocumentKind::Card, DocumentKind::Leaflet}) {
        PageModel leaflet;
        LeafletStyle style = LeafletStyle::Booklet;
        if (!readLeafletDescription(bytes, QStringLiteral("/nonexistent/fuzz.xml"),
                                    LeafletReading{kind, screen}, leaflet, style))
            continue;
        check(styleBelongsToKind(style, kind));
        const QSize page = leafletScreenGeometry(style, screen).panelSize;
        checkOnPages(leaflet.textBoxes, style, page);
        checkOnPages(leaflet.richTextBoxes, style, page);
        checkOnPages(leaflet.pictureBoxes, style, page);
        check(leaflet.pictureBoxes.size() <= kMaxPictureBoxIndex + 1);
        check(leafletDescription(leaflet, style).endsWith(QStringLiteral("</layout>\r\n")));
    }
    return 0;
}
