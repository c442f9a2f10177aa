#pragma once
// The system clipboard as the picture actions see it: put a picture, take one, ask whether one
// is there. A picture put here is offered as PNG and BMP as well as Qt's own image type, so other
// programs can paste it; a picture taken from another program is checked against the same size
// limit as an imported file.

#include "platform/imagefiles.h"

#include <QImage>

namespace quillora {

class PictureClipboard {
public:
    virtual ~PictureClipboard() = default;
    virtual void putImage(const QImage &image) = 0;
    // A null image when the clipboard holds no usable picture.
    virtual QImage image() const = 0;
    virtual bool hasImage() const = 0;
};

class SystemClipboard : public PictureClipboard {
public:
    explicit SystemClipboard(ImageLoadLimits limits = {}) : m_limits(limits) {}

    void putImage(const QImage &image) override;
    QImage image() const override;
    bool hasImage() const override;

private:
    ImageLoadLimits m_limits;
};

} // namespace quillora
