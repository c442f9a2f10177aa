#pragma once
// Thumbnails of the layout templates for the start screen: each template drawn from itself
// into the bitmap of the same name beside it, so a thumbnail always shows its layout.

#include <QSize>
#include <QString>
#include <QStringList>

namespace quillora {

// Thumbnails fit within this, keeping the page's proportions.
constexpr QSize kThumbnailBounds(150, 150);

struct ThumbnailReport {
    QStringList written; // bitmaps written
    QStringList failed;  // "template: reason" for each template that could not be drawn
};

// Draws every "*.xml" template under `layoutsFolder` (all sub-folders) into NAME.bmp beside it.
ThumbnailReport makeLayoutThumbnails(const QString &layoutsFolder, QSize bounds = kThumbnailBounds);

} // namespace quillora
