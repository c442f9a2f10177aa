#pragma once
// Reading the picture file a child chose to import, behind an interface so the import is tested
// with pictures made in memory.

#include "platform/imagefiles.h"

#include <QImage>
#include <QSize>
#include <QString>

namespace quillora {

class PictureLoader {
public:
    virtual ~PictureLoader() = default;
    // Metafiles are told apart by the last three letters of the name, in any case. `enough`, when
    // not empty, is the size the picture will be drawn into: a photo may be decoded smaller, as
    // long as it still covers that size whichever way it is fitted.
    [[nodiscard]] virtual bool load(const QString &path, QSize enough, QImage *out,
                                    QString *error) = 0;
};

class FilePictureLoader : public PictureLoader {
public:
    explicit FilePictureLoader(ImageLoadLimits limits = {}) : m_limits(limits) {}
    [[nodiscard]] bool load(const QString &path, QSize enough, QImage *out,
                            QString *error) override;

private:
    ImageLoadLimits m_limits;
};

} // namespace quillora
