#pragma once
// The family of the single-page kinds (simple pages, signs, posters, "My layout", sheets of
// copies, ...): pages read from layout templates, described in the template dialect itself.

#include "core/doctypes/pagefamily.h"

namespace quillora {

class SinglePageFamily : public PageFamily {
public:
    bool buildNewPage(PageModel &page, const QString &templatePath, const PageFitInputs &fit,
                      QString *error) const override;
    bool writeMembers(const PageModel &page, const QString &folder, QString *error) const override;
    bool readMembers(PageModel &page, const QString &folder) const override;
    bool writeDescription(const PageModel &page, const Staging &staging,
                          const SavedLayoutOptions &options, QString *error) const override;
    bool readDescription(const QString &path, PageModel &page, const PageFitInputs &fit,
                         QString *error) const override;
    QImage render(const PageModel &page, double sheetQuality) const override;
    QImage renderThumbnail(const PageModel &page, const QSize &bounds) const override;
    // The page as its window shows it.
    QImage renderPreview(const PageModel &page, double scale) const override;
    PrintResult print(const PageModel &page, PrintDevice &device,
                      const PrintSettings &settings) const override;

    // A template is drawn as written, boxes and all.
    [[nodiscard]] bool buildThumbnailPage(PageModel &page, const QString &templatePath,
                                          const PageFitInputs &fit, QString *error) const override
    {
        return readDescription(templatePath, page, fit, error);
    }
};

} // namespace quillora
