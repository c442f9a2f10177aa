#pragma once
// A postcard: one landscape card of 297 x 210 mm with two sides. The picture side is one large
// picture box laid out here; the writing side (a message, address lines and a stamp box) comes
// from the installed template "postcard/page0.xml", with the stamp picture beside it.

#include "core/layout/pagefit.h"
#include "core/layout/pagemodel.h"

#include <QImage>
#include <QLine>
#include <QRect>
#include <QString>
#include <QVector>

namespace quillora {

constexpr int kCardWidthMm = 297;
constexpr int kCardHeightMm = 210;
// The picture side's box: 10 mm in from the left and top, 277 x 190 mm.
constexpr int kPictureSideMarginMm = 10;
constexpr int kPictureSideWidthMm = 277;
constexpr int kPictureSideHeightMm = 190;
// The dividing line runs down the middle of the card from 5 mm to 205 mm.
constexpr int kDividerTopMm = 5;
constexpr int kDividerBottomMm = 205;

constexpr int kPostcardPictureIndex = 0; // the picture side
constexpr int kPostcardStampIndex = 1;   // the stamp box on the writing side
constexpr int kPostcardPictureBoxes = 2;
constexpr int kPostcardTextBoxes = 6; // the message and the address lines

// The frame shape round the picture side and the stamp's frame (`StampBG`) stand this far
// outside their boxes, in window pixels.
constexpr int kPictureFrameOutsetPx = 8;
constexpr int kStampFrameOutsetPx = 3;

inline const QString kStampPictureName = QStringLiteral("stamp.png");

enum class PostcardSide { Picture, Writing };

// Where the screen furniture and the printed lines of a postcard go, in window pixels relative
// to the card.
struct PostcardFurniture {
    QRect pictureFrame;          // the frame shape round the picture side (screen only)
    QRect stampFrame;            // `StampBG`: the stamp box 3 pixels larger on every side
    QLine divider;               // down the middle of the writing side
    QVector<QLine> addressLines; // one under each address box
};

// A new postcard in `page`: the writing side read from `templatePath`, the stamp box showing
// the stamp picture beside it, the picture side placed. False, with the reason, when the
// template or the stamp picture is missing or unreadable.
[[nodiscard]] bool buildPostcard(PageModel &page, const QString &templatePath,
                                 const PageFitInputs &fit, QString *error);

// After a read: no more objects than a postcard has, and the picture side in its place. False
// when the page is not a card of 297 x 210 mm.
[[nodiscard]] bool shapePostcard(PageModel &page, QString *error);

// The picture side's box on a card of `scale` window pixels per millimetre.
QRect pictureSideRect(float scale);
PostcardFurniture postcardFurniture(const PageModel &page);

// The side an object of the page lies on; an address box is a text box right of the divider.
PostcardSide sideOf(ObjectKind kind, int index);
bool isAddressBox(const PageModel &page, int textIndex);

// The stamp picture beside a template, and the stamp box's first picture cut from it: the
// picture stretched over the stamp's frame, as much of it as the box covers.
QString stampPicturePath(const QString &templatePath);
QImage stampBoxPicture(const QImage &stamp, const QRect &stampFrame, const QSize &boxSize);

} // namespace quillora
