#pragma once
// The family of the folded kinds (booklets, cards, leaflets): one page model whose objects each
// stand on their own page, read and written in the template dialect with a `leaflet` line, drawn
// page by page onto the folded sheet. The style comes from the kind and the page's size.

#include "core/doctypes/leaflet.h"
#include "core/doctypes/pagefamily.h"

namespace quillora {

// The leaflet fitted to a document window: `holder` below the toolbar, centred right of the
// palettes, in window pixels.
LeafletScreenGeometry leafletWindowGeometry(LeafletStyle style, const PageFitInputs &fit);

// What the rest of the program takes for the page's place (`pageRect`): the front cover on
// `Paper(1)`, in window pixels, so the page's size is one page of the leaflet.
QRect leafletFrontCoverRect(const LeafletScreenGeometry &geometry);

class LeafletFamily final : public PageFamily {
public:
    bool buildNewPage(PageModel &page, const QString &templatePath, const PageFitInputs &fit,
                      QString *error) const override;
    bool writeMembers(const PageModel &page, const QString &folder, QString *error) const override;
    bool readMembers(PageModel &page, const QString &folder) const override;
    bool writeDescription(const PageModel &page, const Staging &staging,
                          const SavedLayoutOptions &options, QString *error) const override;
    bool readDescription(const QString &path, PageModel &page, const PageFitInputs &fit,
                         QString *error) const override;
    // Leaflets are not exported as PNG: this is the front cover with its boxes' frames, for the
    // start screen and the file previews, `sheetQuality` times its size on screen.
    QImage render(const PageModel &page, double sheetQuality) const override;
    // The folded sheet; the large leaflet's two faces say in the margin how to turn it over.
    PrintResult print(const PageModel &page, PrintDevice &device,
                      const PrintSettings &settings) const override;
};

} // namespace quillora
