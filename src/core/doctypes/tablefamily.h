#pragma once
// The table's page family: a new table with the counts the child chose, its cell pictures and
// description in work files, and the page drawn with its grid for the printer, the PNG export
// and thumbnails.

#include "core/doctypes/pagefamily.h"
#include "core/printing/pagerenderer.h"

namespace quillora {

// The page as it goes on paper: the title's placeholder is never drawn; the cells' frames
// are, so the grid shows.
void renderTablePage(QPainter &painter, const PageModel &page, const PageRenderOptions &options);

class TableFamily final : public PageFamily {
public:
    // A table of 6 columns and 4 rows; a table has no template, so `templatePath` is not read.
    // The window builds one of the counts the child chose.
    [[nodiscard]] bool buildNewPage(PageModel &page, const QString &templatePath,
                                    const PageFitInputs &fit, QString *error) const override;
    [[nodiscard]] bool writeMembers(const PageModel &page, const QString &folder,
                                    QString *error) const override;
    [[nodiscard]] bool readMembers(PageModel &page, const QString &folder) const override;
    // The cells' pictures travel in memory: the page keeps each one's stored bytes.
    bool holdsPictures() const override { return true; }
    [[nodiscard]] bool writeWorkFileMembers(const PageModel &page, const QString &folder,
                                            HeldMembers &held, QString *error) const override;
    [[nodiscard]] bool readWorkFileMembers(PageModel &page, const QString &folder,
                                           const HeldMembers &held) const override;
    [[nodiscard]] bool writeDescription(const PageModel &page, const Staging &staging,
                                        const SavedLayoutOptions &options,
                                        QString *error) const override;
    [[nodiscard]] bool readDescription(const QString &path, PageModel &page,
                                       const PageFitInputs &fit, QString *error) const override;
    QImage render(const PageModel &page, double sheetQuality) const override;
    // Every copy on its own landscape sheet: the title, then each cell's picture and text, row
    // by row.
    PrintResult print(const PageModel &page, PrintDevice &device,
                      const PrintSettings &settings) const override;
};

} // namespace quillora
