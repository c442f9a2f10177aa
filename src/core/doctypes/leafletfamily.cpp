#include "core/doctypes/leafletfamily.h"

#include "core/doctypes/leafletdescription.h"
#include "core/doctypes/leafletsheet.h"
#include "core/files/pagemembers.h"

namespace quillora {

namespace {

inline const QString kFlipNote = QStringLiteral(
    QT_TRANSLATE_NOOP("Quillora", "Print on both sides, turning the sheet over on its short edge"));

bool readLeaflet(const QString &path, PageModel &page, const PageFitInputs &fit, QString *error)
{
    const LeafletReading reading{page.documentType, QSize(fit.screenWidthPx, fit.screenHeightPx)};
    PageModel read;
    LeafletStyle style = LeafletStyle::Booklet;
    if (!readLeafletFile(path, reading, read, style, error))
        return false;
    read.pageRect = leafletFrontCoverRect(leafletWindowGeometry(style, fit));
    page = std::move(read);
    return true;
}

} // namespace

LeafletScreenGeometry leafletWindowGeometry(LeafletStyle style, const PageFitInputs &fit)
{
    // The room beside the leaflet holds the drawn palette column; a wider one takes the rest.
    const QSize screen(fit.screenWidthPx - (fit.toolPaletteWidthPx - kToolPaletteWidthPx),
                       fit.screenHeightPx);
    LeafletScreenGeometry geometry = leafletScreenGeometry(style, screen);
    const int besidePalette = fit.screenWidthPx - fit.toolPaletteWidthPx;
    geometry.holder.translate(fit.toolPaletteWidthPx +
                                  (besidePalette - geometry.freeArea.width()) / 2,
                              fit.toolbarHeightPx);
    return geometry;
}

QRect leafletFrontCoverRect(const LeafletScreenGeometry &geometry)
{
    return geometry.panel(1).translated(geometry.holder.topLeft());
}

bool LeafletFamily::buildNewPage(PageModel &page, const QString &templatePath,
                                 const PageFitInputs &fit, QString *error) const
{
    return readLeaflet(templatePath, page, fit, error);
}

bool LeafletFamily::writeMembers(const PageModel &page, const QString &folder, QString *error) const
{
    return writePageMembers(page, folder, MemberUse::WorkFile, error);
}

bool LeafletFamily::readMembers(PageModel &page, const QString &folder) const
{
    return readPageMembers(page, folder, MemberUse::WorkFile);
}

bool LeafletFamily::writeDescription(const PageModel &page, const Staging &staging,
                                     const SavedLayoutOptions &, QString *error) const
{
    const auto style = leafletStyleOfPage(page);
    if (!style) {
        if (error)
            *error = QStringLiteral("the page is not a leaflet");
        return false;
    }
    return writeLeafletDescription(page, *style, staging, error);
}

bool LeafletFamily::readDescription(const QString &path, PageModel &page, const PageFitInputs &fit,
                                    QString *error) const
{
    return readLeaflet(path, page, fit, error);
}

QImage LeafletFamily::render(const PageModel &page, double sheetQuality) const
{
    const auto style = leafletStyleOfPage(page);
    if (!style || !(sheetQuality > 0))
        return {};
    return leafletThumbnail(page, *style, (QSizeF(page.pageRect.size()) * sheetQuality).toSize());
}

PrintResult LeafletFamily::print(const PageModel &page, PrintDevice &device,
                                 const PrintSettings &settings) const
{
    const auto style = leafletStyleOfPage(page);
    if (!style)
        return {PrintOutcome::NotAvailable, kNotReadyMessage};
    return printLeaflet(page, *style, device, settings, kFlipNote);
}

} // namespace quillora
