#pragma once
// A template's thumbnail shows the page as a child will use it: bright little pictures in its
// picture boxes, a child's words in its empty texts and a painted border, so a child can tell
// the layouts apart at a glance. Only thumbnails of templates use these; work is drawn as made.

#include "core/layout/pagemodel.h"

#include <QImage>
#include <QSize>

namespace quillora {

// The sample pictures drawn in code (a house in the sun, a cat, a flower, a fish, a rainbow),
// one after another by `index`.
constexpr int kSamplePictureCount = 5;

// Sample picture `index` (taken round the five) filling `size`; a null image for no size.
QImage samplePicture(int index, const QSize &size);

// Fills the page's empty, visible boxes: each picture box without pixels gets a sample picture,
// each text and rich text still holding the placeholder gets sample words, and a border with
// nothing painted gets a bright pattern.
void fillWithSamples(PageModel &page);

} // namespace quillora
