#pragma once
// Fitting a painted caption into its box without cutting it: one line at the caption's own size
// when it fits, else two lines broken between words, else the same at smaller sizes. Never an
// ellipsis; a caption that cannot fit even at the smallest size says so, for the tests.

#include <QFont>
#include <QSizeF>
#include <QString>
#include <QStringList>

namespace quillora {

struct FittedCaption {
    QFont font;
    QStringList lines;
    bool fits = true;
};

// `box` is the room for the caption; the font shrinks to no less than `smallestFraction` of its
// pixel size.
FittedCaption fitCaption(const QString &caption, const QFont &font, const QSizeF &box,
                         double smallestFraction = 0.5);

} // namespace quillora
