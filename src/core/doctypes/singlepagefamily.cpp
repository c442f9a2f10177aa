#include "core/doctypes/singlepagefamily.h"

#include "core/files/pagemembers.h"
#include "core/layout/templatereader.h"
#include "core/printing/copiessheet.h"
#include "core/printing/pagerenderer.h"

namespace quillora {

bool SinglePageFamily::buildNewPage(PageModel &page, const QString &templatePath,
                                    const PageFitInputs &fit, QString *error) const
{
    return readTemplate(templatePath, page, fit, error);
}

bool SinglePageFamily::writeMembers(const PageModel &page, const QString &folder,
                                    QString *error) const
{
    return writePageMembers(page, folder, MemberUse::WorkFile, error);
}

bool SinglePageFamily::readMembers(PageModel &page, const QString &folder) const
{
    return readPageMembers(page, folder, MemberUse::WorkFile);
}

bool SinglePageFamily::writeDescription(const PageModel &page, const Staging &staging,
                                        const SavedLayoutOptions &options, QString *error) const
{
    return writeSinglePageDescription(page, staging, options, error);
}

bool SinglePageFamily::readDescription(const QString &path, PageModel &page,
                                       const PageFitInputs &fit, QString *error) const
{
    // The description is written in the template dialect, so the template reader rebuilds it.
    return readTemplate(path, page, fit, error);
}

QImage SinglePageFamily::render(const PageModel &page, double sheetQuality) const
{
    return renderExportPicture(page, sheetQuality);
}

QImage SinglePageFamily::renderThumbnail(const PageModel &page, const QSize &bounds) const
{
    // A layout's thumbnail shows its boxes' frames, as the window does.
    return renderPageThumbnail(page, bounds);
}

QImage SinglePageFamily::renderPreview(const PageModel &page, double scale) const
{
    return renderPageImage(page, scale);
}

PrintResult SinglePageFamily::print(const PageModel &page, PrintDevice &device,
                                    const PrintSettings &settings) const
{
    return printDocument(page, device, settings);
}

} // namespace quillora
