#pragma once
// "How to fold" in the print dialog of booklets, cards and leaflets: each fold of the printed
// sheet as a numbered picture with one sentence under it, the way to turn the sheet over when
// it is printed on both sides, and why a leaflet always prints at full size.

#include "core/doctypes/leaflet.h"
#include "core/doctypes/leafletfolds.h"

#include <QImage>
#include <QWidget>

namespace quillora {

class FoldGuide : public QWidget {
    Q_OBJECT
public:
    static constexpr QSize kPictureSize{132, 92};

    explicit FoldGuide(LeafletStyle style, QWidget *parent = nullptr);

    // One step drawn: the paper as it lies, the part that moves tinted, the fold dashed, an
    // arrow where the part goes (dashed when it goes behind) and the step's number.
    static QImage stepPicture(const FoldStep &step, int number, QSize size = kPictureSize);
    // The sentence under a step, in English (translated with the dialog).
    static QString stepSentence(const FoldStep &step);
};

} // namespace quillora
