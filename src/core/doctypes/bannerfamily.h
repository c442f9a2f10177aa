#pragma once
// The banner ("Display") as a page family. The banner lives on its page as the kind's own state,
// its border tile as the page border's picture (a pattern border while the banner shows one),
// so the border editor, painting, the picture menu and undo kind "b" treat it as any page
// border. Work files, printing every sheet, and the start screen's thumbnails go through here.

#include "core/doctypes/bannerlayout.h"
#include "core/doctypes/pagefamily.h"
#include "core/undo/undokinds.h"

namespace quillora {

class BannerFamily final : public PageFamily {
public:
    bool buildNewPage(PageModel &page, const QString &templatePath, const PageFitInputs &fit,
                      QString *error) const override;
    bool writeMembers(const PageModel &page, const QString &folder, QString *error) const override;
    bool readMembers(PageModel &page, const QString &folder) const override;
    bool writeDescription(const PageModel &page, const Staging &staging,
                          const SavedLayoutOptions &options, QString *error) const override;
    bool readDescription(const QString &path, PageModel &page, const PageFitInputs &fit,
                         QString *error) const override;
    // The whole strip, every sheet side by side.
    QImage render(const PageModel &page, double sheetQuality) const override;
    PrintResult print(const PageModel &page, PrintDevice &device,
                      const PrintSettings &settings) const override;

    // The template's own words in giant letters, where a new banner starts empty.
    [[nodiscard]] bool buildThumbnailPage(PageModel &page, const QString &templatePath,
                                          const PageFitInputs &fit, QString *error) const override
    {
        return readDescription(templatePath, page, fit, error);
    }
};

// The banner as drawing and files take it: `bannerStateOf(page)` with the page border's picture as
// its tile while the border shows.
Banner bannerOnPage(const PageModel &page);
// Puts `banner` on the page: its words and looks into the page's banner state, its tile into the
// page border.
void putBannerOnPage(PageModel &page, Banner banner);
// Changes the mode alone; a tile already painted stays with the page while the border is off.
void setBannerMode(PageModel &page, BannerMode mode);

// The single-line field a banner's text is typed into on a screen this wide, right of a palette
// column this wide (its font and width): the window shows it, and reading a banner holds the
// text to it.
constexpr int kBannerFieldFontPx = 36;
constexpr int kBannerFieldMarginPx = 24;
BannerTextField bannerTextField(int screenWidthPx, int paletteWidthPx);

// Undo kind ObjectKind::BannerLine: the banner's text, font, thickness, colours and mode.
UndoKindHandler bannerUndoHandler();

} // namespace quillora
