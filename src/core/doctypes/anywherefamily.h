#pragma once
// The anywhere page as a page family: a blank landscape sheet to start, "pic.bmp" and its own
// page description in work files, and the picture with its texts drawn for the PNG export and
// the printer.

#include "core/doctypes/pagefamily.h"
#include "core/printing/pagerenderer.h"

class QPainter;

namespace quillora {

// The sheet: white, the page picture in its margin and every text in its place, in window
// pixels × `options.scale` from `options.origin`. The placeholder of an untouched text is not
// drawn.
void renderAnywherePage(QPainter &painter, const PageModel &page, const PageRenderOptions &options);

// Counts the texts a stored description holds beyond the 79 an anywhere page keeps.
int anywhereTextsLeftOut(const QString &descriptionPath);

class AnywhereFamily final : public PageFamily {
public:
    bool buildNewPage(PageModel &page, const QString &templatePath, const PageFitInputs &fit,
                      QString *error) const override;
    bool writeMembers(const PageModel &page, const QString &folder, QString *error) const override;
    // False when the stored picture could not be used, or texts beyond the 79 were left out.
    bool readMembers(PageModel &page, const QString &folder) const override;
    bool writeDescription(const PageModel &page, const Staging &staging,
                          const SavedLayoutOptions &options, QString *error) const override;
    bool readDescription(const QString &path, PageModel &page, const PageFitInputs &fit,
                         QString *error) const override;
    QImage render(const PageModel &page, double sheetQuality) const override;
    PrintResult print(const PageModel &page, PrintDevice &device,
                      const PrintSettings &settings) const override;
};

} // namespace quillora
