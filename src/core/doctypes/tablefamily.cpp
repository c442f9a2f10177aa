#include "core/doctypes/tablefamily.h"

#include "core/doctypes/tabledescription.h"
#include "core/files/staging.h"

#include <QPainter>

namespace quillora {

namespace {

PageModel withoutPlaceholders(const PageModel &page)
{
    PageModel shown = page;
    if (!shown.textBoxes.isEmpty() &&
        shown.textBoxes[kTableTitleIndex].text == kTableTitlePlaceholder)
        shown.textBoxes[kTableTitleIndex].text.clear();
    return shown;
}

} // namespace

void renderTablePage(QPainter &painter, const PageModel &page, const PageRenderOptions &options)
{
    PageRenderOptions framed = options;
    framed.frameColour = kThumbnailFrameColour;
    renderPage(painter, withoutPlaceholders(page), framed);
}

bool TableFamily::buildNewPage(PageModel &page, const QString &, const PageFitInputs &fit,
                               QString *) const
{
    newTablePage(page, fit, kDefaultTableColumns, kDefaultTableRows);
    return true;
}

bool TableFamily::writeMembers(const PageModel &page, const QString &folder, QString *error) const
{
    return writeTableMembers(page, folder, error);
}

bool TableFamily::readMembers(PageModel &page, const QString &folder) const
{
    return readTableMembers(page, folder);
}

bool TableFamily::writeWorkFileMembers(const PageModel &page, const QString &, HeldMembers &held,
                                       QString *error) const
{
    return encodeTablePictures(page, held, error);
}

bool TableFamily::readWorkFileMembers(PageModel &page, const QString &folder,
                                      const HeldMembers &held) const
{
    return readTableMembers(page, folder, held);
}

bool TableFamily::writeDescription(const PageModel &page, const Staging &staging,
                                   const SavedLayoutOptions &, QString *error) const
{
    return writeTableDescription(page, staging.memberPath(QStringLiteral("layout.xml")), error);
}

bool TableFamily::readDescription(const QString &path, PageModel &page, const PageFitInputs &fit,
                                  QString *error) const
{
    return readTableDescription(path, page, fit, error);
}

QImage TableFamily::render(const PageModel &page, double) const
{
    if (page.pageRect.isEmpty())
        return {};
    QImage image(page.pageRect.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    renderTablePage(painter, page, {});
    return image;
}

PrintResult TableFamily::print(const PageModel &page, PrintDevice &device,
                               const PrintSettings &settings) const
{
    return printPageCopies(
        device, PageOrientation::Landscape, page.pageRect.size(), settings,
        [&](QPainter &painter, const PageRenderOptions &options) {
            renderTablePage(painter, page, options);
        },
        "the table");
}

} // namespace quillora
