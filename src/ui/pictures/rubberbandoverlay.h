#pragma once
// The window's rubber band (`Box` and the band line): drawn over the current picture box while
// a shape or line is dragged, in the paint colour and pen width the shape will land with. It
// never takes part in the picture and lets every press through.

#include "core/pictures/painttool.h"

#include <QWidget>

#include <optional>

namespace quillora {

class RubberBandOverlay : public QWidget {
    Q_OBJECT
public:
    explicit RubberBandOverlay(QWidget *parent = nullptr);

    // Moves onto `picture` (covering it) and shows `band`, given in the picture's own pixels of
    // an image of `imageSize`; hides itself for no band.
    void showBand(QWidget *picture, const std::optional<RubberBand> &band, QSize imageSize);
    void hideBand();
    const std::optional<RubberBand> &band() const { return m_band; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::optional<RubberBand> m_band;
    QSize m_imageSize;
};

} // namespace quillora
