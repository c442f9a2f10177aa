// Arbitrary bytes read as a banner's page description: nothing may crash or hang, the banner
// read must be one the window can show (mode, thickness, font and text within their rules),
// its letters must stay clear of every sheet's joining strip, and what is written of it must
// read back the same.
#include "core/doctypes/bannerdescription.h"
#include "core/doctypes/bannerlayout.h"
#include "core/foundation/codepage.h"
#include "core/foundation/settings.h"

#include <QFontMetricsF>
#include <QGuiApplication>

#include <algorithm>
#include <cstdlib>

using namespace quillora;

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

const Settings kSettings;

} // namespace

// Each new script in the text makes Qt load a fallback font, kept for the program's life and
// held where the leak check cannot see it; only leaks outside the font machinery count.
extern "C" const char *__lsan_default_suppressions()
{
    return "leak:libQt6Gui\nleak:libfreetype\nleak:libharfbuzz\nleak:libfontconfig\n";
}

extern "C" const char *__lsan_default_options()
{
    return "leak_check_at_exit=0";
}

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QFont fieldFont(QStringLiteral("Liberation Sans"));
    fieldFont.setPixelSize(28);
    const BannerReadRules rules{kSettings.fontSlots, BannerTextField{fieldFont, 900.0}};

    const Banner banner = parseBannerDescription(codepage::decodeAuto(bytes), rules);
    check(int(banner.mode) >= 0 && int(banner.mode) <= 2);
    check(banner.thickness >= kMinBannerThickness && banner.thickness <= kMaxBannerThickness);
    check(std::find(kSettings.fontSlots.begin(), kSettings.fontSlots.end(), banner.fontName) !=
          kSettings.fontSlots.end());
    check(banner.text.size() <= kMaxBannerTextLength);
    check(banner.text.isEmpty() ||
          QFontMetricsF(fieldFont).horizontalAdvance(banner.text) < rules.field.width);
    check(cleanBannerText(banner.text) == banner.text);

    const BannerLayout layout = layOutBanner(banner);
    check(layout.sheetCount <= kMaxBannerTextLength);
    for (const BannerCell &cell : layout.cells)
        check(cell.xMm + cell.widthMm < kBannerLetterLimitMm);

    // The file format reads "{ENTER}" as a line break, so a text holding those very letters
    // comes back with a blank; any other text comes back as written.
    const Banner again = parseBannerDescription(bannerDescription(banner), rules);
    check(banner.text.contains(QStringLiteral("{ENTER}")) ||
          bannerDescription(again) == bannerDescription(banner));
    return 0;
}
