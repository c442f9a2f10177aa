#pragma once
// The family of the comic strip: frames from a template in the "cartoon" folder, a picture
// member per frame, bubbles in the page description, and the strip drawn with its bubbles.

#include "core/doctypes/pagefamily.h"

namespace quillora {

class CartoonFamily final : public PageFamily {
public:
    bool buildNewPage(PageModel &page, const QString &templatePath, const PageFitInputs &fit,
                      QString *error) const override;
    bool writeMembers(const PageModel &page, const QString &folder, QString *error) const override;
    // False also when the description had bubbles that had to be left out.
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
