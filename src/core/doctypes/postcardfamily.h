#pragma once
// The postcard's family: a new card from the writing side's template and its stamp picture, and
// the description read back into a card that holds no more than a postcard's objects. Its
// members ("pic0.bmp", "pic1.bmp", "text0.txt" .. "text5.txt") and its description are the
// single-page family's, written by the generic writer.

#include "core/doctypes/singlepagefamily.h"

namespace quillora {

class PostcardFamily final : public SinglePageFamily {
public:
    bool buildNewPage(PageModel &page, const QString &templatePath, const PageFitInputs &fit,
                      QString *error) const override;
    bool readDescription(const QString &path, PageModel &page, const PageFitInputs &fit,
                         QString *error) const override;
    // The picture side, as previews of work files show a postcard.
    QImage render(const PageModel &page, double sheetQuality) const override;
    QImage renderPreview(const PageModel &page, double scale) const override
    {
        return render(page, scale);
    }
    PrintResult print(const PageModel &page, PrintDevice &device,
                      const PrintSettings &settings) const override;
};

} // namespace quillora
