#pragma once
// Thumbnails of the layout templates for the start screen: each template drawn from itself,
// with sample pictures and words in its empty boxes, into the bitmap of the same name beside
// it, so a thumbnail always shows its layout as it looks in use.

#include <QSize>
#include <QString>
#include <QStringList>

namespace quillora {

// Thumbnails fit within this, keeping the page's proportions: about the picture area of a
// start screen tile on a full HD screen (smaller screens show them reduced).
constexpr QSize kThumbnailBounds(200, 200);

struct ThumbnailReport {
    QStringList written; // bitmaps written
    QStringList failed;  // "template: reason" for each template that could not be drawn
};

// Draws every "*.xml" template under `layoutsFolder` (all sub-folders) into NAME.bmp beside it.
ThumbnailReport makeLayoutThumbnails(const QString &layoutsFolder, QSize bounds = kThumbnailBounds);

} // namespace quillora
