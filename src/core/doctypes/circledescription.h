#pragma once
// A circle in a work file: a picture and a text member per segment ("pic" + i + ".bmp",
// "text" + i + ".txt") and the page description ("layout.xml"): the segment count and each
// word's size, font and colour.

#include "core/doctypes/circle.h"

#include <QString>

namespace quillora {

class Staging;

// A picture member larger than this on either side is not a segment of any circle.
constexpr int kMaxSegmentPictureSide = 8192;

// Window pixels per millimetre of the landscape A4 page: page width / 297.
float circlePageScale(const QSize &pagePx);

// The lines of "layout.xml", CR LF after each; sizes in millimetres of the printed page:
//   <layout name='usermade' numsegments='4'>
//   <textbox name='tb0' size='9' font='arial'  colour='FF'/>
//   </layout>
QString circleDescription(const CirclePage &page);

// What a description asks for: the segment count (within 2..12; 4 when it gives none) and the
// style of each segment's word, starting from `defaultStyle`. Text boxes beyond the segments
// and lines the circle does not know are passed over; absent values keep the default's.
struct CircleDescription {
    int segmentCount = kDefaultCircleSegments;
    QVector<TextStyle> styles;
};
CircleDescription parseCircleDescription(const QString &description, float scale,
                                         const TextStyle &defaultStyle);

// Brings the segments' pictures up to date with the disc, then writes every segment's picture
// and word into staging.
[[nodiscard]] bool writeSegmentMembers(CirclePage &page, const Staging &staging,
                                       QString *error = nullptr);
// Writes "layout.xml" into staging.
[[nodiscard]] bool writeCircleDescription(const CirclePage &page, const Staging &staging,
                                          QString *error = nullptr);

// A new circle laid out on a page of `pagePx` as the description at `path` asks: its segment
// count and its words' styles. On failure `page` is untouched.
[[nodiscard]] bool readCircleDescription(const QString &path, const QSize &pagePx, CirclePage *page,
                                         QString *error = nullptr);
// Puts the segments' pictures and words stored in staging into `page` and draws it: pictures
// of another size are fitted to their segment, a missing picture leaves its segment unpainted
// and a missing word is empty. False when a stored picture could not be used (it is left out).
[[nodiscard]] bool readSegmentMembers(const Staging &staging, CirclePage &page);

} // namespace quillora
