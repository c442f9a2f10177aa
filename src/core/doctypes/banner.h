#pragma once
// A banner ("Display"): one line of giant letters across as many landscape A4 sheets as it
// needs. What a banner is, and the rules its text and font obey wherever it comes from: typed
// into its field, read from a work file or from a template.

#include "core/layout/colour.h"
#include "core/layout/pagemodel.h"

#include <QFont>
#include <QImage>
#include <QString>

#include <functional>
#include <optional>
#include <span>

namespace quillora {

// The saved numbers are the program's: any mode but NoBorder shows the border.
enum class BannerMode { Border = 0, BorderPicture = 1, NoBorder = 2 };

// The thickness slider's range, in steps of the letters' outline (see kOutlineMmPerStep).
constexpr int kMinBannerThickness = 1;
constexpr int kMaxBannerThickness = 10;
constexpr int kDefaultBannerThickness = 3;

// No banner text is longer than this, whatever its field would hold: a text pasted or read
// from a file can never make hundreds of sheets.
constexpr int kMaxBannerTextLength = 100;

struct Banner {
    QString text;
    QString fontName = QStringLiteral("Arial");
    int thickness = kDefaultBannerThickness;
    BannerMode mode = BannerMode::Border;
    ColourRef background = 0xFFFFFF; // the sheets behind the letters
    ColourRef letterFill = 0xFFFFFF; // inside the letters: white leaves them to colour in
    ColourRef letterOutline = 0x000000;
    QImage borderPicture; // the tile the child paints; null while unpainted

    // On its page, the banner is the kind's own state and its line is read aloud.
    void addReadingPieces(const PageModel &, QVector<KindReadingPiece> &pieces) const;
    std::optional<KindReadingPiece> currentReadingPiece(const PageModel &page, int) const;
};

// The page's banner words and looks; a default banner on a page of another kind.
const Banner &bannerStateOf(const PageModel &page);

inline bool showsBorder(BannerMode mode)
{
    return mode != BannerMode::NoBorder;
}

// The mode a work file records: BorderPicture exactly when the border is shown and painted,
// so the border picture is stored with the work.
BannerMode storedMode(const Banner &banner);

// The single-line field the text is typed into: the font it is measured with and its width.
struct BannerTextField {
    QFont font;
    qreal width = 0.0;
};

// The text a single-line field can hold: line breaks and tabs become blanks, other control
// characters go, and at most kMaxBannerTextLength characters stay.
QString cleanBannerText(const QString &text);

// The text limit: the cleaned text loses its last character while it is not narrower than
// the field, so the banner text is never wider than its own field. A field without a width
// limits nothing beyond cleaning.
QString limitBannerText(const QString &text, const BannerTextField &field);

// The one of `fonts` (the program's five font names) that `name` names in any case, as the
// list spells it. Any other name stands when `installed` says the machine has it (a banner
// made with a font the teacher has since taken off the list still looks as it was made);
// otherwise the first of the five. Without a list (a reader that does not know the settings)
// the name stands, cleaned as a text; "Arial" for a blank one.
QString bannerFontName(const QString &name, std::span<const QString> fonts,
                       const std::function<bool(const QString &)> &installed = {});

} // namespace quillora
