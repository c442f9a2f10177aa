#pragma once
// A leaflet's page description ("layout.xml") and its members in a work file. The description
// is the single-page form with a `leaflet` line naming the style after its first line, so a
// leaflet template and a saved leaflet read alike: every object relative to its own page.
// Reading repairs what cannot stand: a style unknown or foreign to the kind falls back to the
// kind's own, objects without a page are dropped, objects off their page are moved onto it.

#include "core/doctypes/leaflet.h"

#include <QByteArray>
#include <QSize>
#include <QString>

namespace quillora {

class Staging;

// The lines of "layout.xml", CR LF after each.
QString leafletDescription(const PageModel &leaflet, LeafletStyle style);

// Writes "layout.xml" into staging, with the mask pictures it names.
[[nodiscard]] bool writeLeafletDescription(const PageModel &leaflet, LeafletStyle style,
                                           const Staging &staging, QString *error = nullptr);

struct LeafletReading {
    DocumentKind documentType = DocumentKind::Booklet; // the kind the leaflet is read for
    QSize screen;          // the leaflet is fitted to it
};

// Builds the leaflet described by `text` (a template or a saved description; `path` names it
// for its side pictures) into `leaflet`, which is left untouched on failure. `style` receives
// the style read, or the kind's own when the text names none it can use.
[[nodiscard]] bool readLeafletDescription(const QByteArray &text, const QString &path,
                                          const LeafletReading &reading, PageModel &leaflet,
                                          LeafletStyle &style, QString *error = nullptr);
// The same from a file.
[[nodiscard]] bool readLeafletFile(const QString &path, const LeafletReading &reading,
                                   PageModel &leaflet, LeafletStyle &style,
                                   QString *error = nullptr);

// The members of a leaflet in `folder`: "pic<i>.bmp", "text<i>.txt", "rtb<i>.rtf" for every
// object, and the card's painted border as "border.bmp".
[[nodiscard]] bool writeLeafletMembers(const PageModel &leaflet, const QString &folder,
                                       QString *error = nullptr);
// Puts the members back: pictures fitted to their boxes; a missing text reads as empty, a
// missing picture leaves its box as the description built it.
void readLeafletMembers(PageModel &leaflet, const QString &folder);

} // namespace quillora
