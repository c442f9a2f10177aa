#pragma once
// A banner in a work file: its page description ("layout.xml") and its border picture
// ("border.bmp", stored when the banner carries one); and the banner templates of the
// "display" folder, written in the same element forms.

#include "core/doctypes/banner.h"

#include <QByteArray>
#include <QString>

#include <span>

namespace quillora {

class Staging;

inline const QString kBannerBorderMember = QStringLiteral("border.bmp");

// What reading holds a banner to: the program's five font names (any other font reads as the
// first) and the field the text must fit, so the text limit holds on opening as on typing.
struct BannerReadRules {
    std::span<const QString> fonts; // a view: the settings' font slots outlive the read
    BannerTextField field;
};

// The lines of "layout.xml", CR LF after each:
//   <layout name='usermade' mode='1' >
//   <textbox name='tb0' thick='3' font='Arial'  dblb='FFFFFF' dlback='FFFFFF' dlbord='0'
//   text='HI'/>
//   </layout>
QString bannerDescription(const Banner &banner);

// The banner a description gives. Whatever it holds, the result is sound: a mode outside
// 0..2 reads as with a border, a thickness outside the slider's range as its nearest end, an
// unknown font as the first of the five, and the text is cleaned and limited. An attribute left
// out keeps what came before: a new banner's value. The border picture is not loaded here.
Banner parseBannerDescription(const QString &description, const BannerReadRules &rules);

// Writes "border.bmp" when the banner carries a border picture (and removes one left from
// earlier work when it does not), then "layout.xml", into staging; or each part alone.
[[nodiscard]] bool writeBannerMembers(const Banner &banner, const Staging &staging,
                                      QString *error = nullptr);
[[nodiscard]] bool writeBannerBorder(const Banner &banner, const Staging &staging,
                                     QString *error = nullptr);
[[nodiscard]] bool writeBannerDescription(const Banner &banner, const Staging &staging,
                                          QString *error = nullptr);

// Reads the banner back from staging: the description and, for mode 1, the border picture; a
// missing or unreadable picture leaves the border unpainted. On failure `banner` is untouched.
[[nodiscard]] bool readBannerMembers(const Staging &staging, const BannerReadRules &rules,
                                     Banner *banner, QString *error = nullptr);

// The banner a description file gives (parseBannerDescription), its border picture not loaded.
[[nodiscard]] bool readBannerDescription(const QString &path, const BannerReadRules &rules,
                                         Banner *banner, QString *error = nullptr);
// For a banner of mode 1, its border picture from staging. False when the picture is missing,
// unreadable or far larger than a tile is ever painted: the banner then keeps its border
// unpainted (mode 0).
[[nodiscard]] bool readBannerBorder(const Staging &staging, Banner *banner);

// A new banner from a template of the "display" folder: its mode, font, thickness and colours.
// A template's text shows on its thumbnail only; the new banner waits for the child's words.
[[nodiscard]] bool readBannerTemplate(const QString &path, const BannerReadRules &rules,
                                      Banner *banner, QString *error = nullptr);

} // namespace quillora
