#include "core/doctypes/bannerfamily.h"

#include "core/doctypes/bannerdescription.h"
#include "core/doctypes/bannerdrawing.h"
#include "core/files/staging.h"

#include <cmath>

namespace quillora {

namespace {

// Pixels per millimetre of the strip rendered for thumbnails: detailed enough to reduce well.
constexpr double kRenderedStripScale = 2.0;

// Reading outside the window: the font is checked against the settings' five when the window
// shows the banner; the text is held to the field of this screen here.
BannerReadRules readRules(const PageFitInputs &fit)
{
    return BannerReadRules{{}, bannerTextField(fit.screenWidthPx, fit.toolPaletteWidthPx)};
}

void setSheetSize(PageModel &page, const QString &path)
{
    page.pageWidthMm = int(kBannerSheetWidthMm);
    page.pageHeightMm = int(kBannerSheetHeightMm);
    page.layoutPath = path;
}

} // namespace

bool BannerFamily::buildNewPage(PageModel &page, const QString &templatePath,
                                const PageFitInputs &fit, QString *error) const
{
    Banner banner;
    const bool read = readBannerTemplate(templatePath, readRules(fit), &banner, error);
    setSheetSize(page, templatePath);
    // A template that cannot be read still leaves a banner to type into.
    putBannerOnPage(page, read ? std::move(banner) : Banner{});
    return read;
}

bool BannerFamily::writeMembers(const PageModel &page, const QString &folder, QString *error) const
{
    return writeBannerBorder(bannerOnPage(page), Staging(folder), error);
}

bool BannerFamily::readMembers(PageModel &page, const QString &folder) const
{
    Banner banner = bannerOnPage(page);
    const bool read = readBannerBorder(Staging(folder), &banner);
    putBannerOnPage(page, std::move(banner));
    return read;
}

bool BannerFamily::writeDescription(const PageModel &page, const Staging &staging,
                                    const SavedLayoutOptions &, QString *error) const
{
    return writeBannerDescription(bannerOnPage(page), staging, error);
}

bool BannerFamily::readDescription(const QString &path, PageModel &page, const PageFitInputs &fit,
                                   QString *error) const
{
    Banner banner;
    if (!readBannerDescription(path, readRules(fit), &banner, error))
        return false;
    setSheetSize(page, path);
    putBannerOnPage(page, std::move(banner));
    return true;
}

QImage BannerFamily::render(const PageModel &page, double) const
{
    const Banner banner = bannerOnPage(page);
    return drawBannerStrip(banner, layOutBanner(banner), kRenderedStripScale);
}

PrintResult BannerFamily::print(const PageModel &page, PrintDevice &device,
                                const PrintSettings &) const
{
    // One job of every sheet at true size: copies and zoom do not apply to a banner.
    const Banner banner = bannerOnPage(page);
    return printBanner(banner, layOutBanner(banner), device);
}

void Banner::addReadingPieces(const PageModel &, QVector<KindReadingPiece> &pieces) const
{
    pieces.append({{ObjectKind::BannerLine, 0}, 0, {}, text});
}

std::optional<KindReadingPiece> Banner::currentReadingPiece(const PageModel &page, int) const
{
    if (page.current.kind != ObjectKind::BannerLine)
        return std::nullopt;
    return KindReadingPiece{page.current, 0, {}, text};
}

const Banner &bannerStateOf(const PageModel &page)
{
    static const Banner none;
    const Banner *banner = page.findKindState<Banner>();
    return banner ? *banner : none;
}

Banner bannerOnPage(const PageModel &page)
{
    Banner banner = bannerStateOf(page);
    banner.borderPicture = showsBorder(banner.mode) ? page.border.picture : QImage();
    return banner;
}

void putBannerOnPage(PageModel &page, Banner banner)
{
    page.border.picture = std::exchange(banner.borderPicture, QImage());
    const BannerMode mode = banner.mode;
    page.kindState<Banner>() = std::move(banner);
    setBannerMode(page, mode);
}

void setBannerMode(PageModel &page, BannerMode mode)
{
    page.kindState<Banner>().mode = mode;
    BorderModel &border = page.border;
    border.type = showsBorder(mode) ? BorderType::Pattern : BorderType::None;
    // Square tiles, so the border editor's paper is square as every tile is.
    border.tileWidth = border.tileHeight =
        std::max(1, int(std::lround(kBannerTileMm * page.scale)));
    border.edgeWidth = border.edgeHeight = int(std::lround(kBannerTileStartMm * page.scale));
}

BannerTextField bannerTextField(int screenWidthPx, int paletteWidthPx)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(kBannerFieldFontPx);
    const int width = screenWidthPx - paletteWidthPx - 2 * kBannerFieldMarginPx;
    return BannerTextField{font, qreal(std::max(width, 0))};
}

UndoKindHandler bannerUndoHandler()
{
    UndoKindHandler handler;
    handler.restart = UndoRestart::Text;
    // The text exactly as typed; the looks in the description's own form.
    handler.capture = [](const PageModel &page, int, UndoRecord &record) {
        record.index = 0;
        const Banner &banner = bannerStateOf(page);
        record.text = banner.text;
        record.style.fontName = banner.fontName; // the description would lower-case it
        Banner looks = banner;
        looks.text.clear();
        record.plainText = bannerDescription(looks);
        return true;
    };
    handler.restore = [](const UndoRecord &record, PageModel &page, QVector<UndoTarget> &targets) {
        Banner restored = parseBannerDescription(record.plainText, BannerReadRules{});
        restored.text = record.text;
        restored.fontName = record.style.fontName;
        const BannerMode mode = restored.mode;
        page.kindState<Banner>() = std::move(restored);
        setBannerMode(page, mode);
        targets.append({ObjectKind::BannerLine, 0});
    };
    return handler;
}

} // namespace quillora
