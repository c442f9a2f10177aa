#pragma once
// A leaflet's page description ("layout.xml"): the single-page form with a `leaflet` line
// naming the style after its first line, so a leaflet template and a saved leaflet read alike:
// every object relative to its own page. Its members are those of any page (pagemembers).
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
    QSize screen;                                      // the leaflet is fitted to it
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

} // namespace quillora
