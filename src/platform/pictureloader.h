#pragma once
// Reading the picture file a child chose to import, behind an interface so the import is tested
// with pictures made in memory.

#include "platform/imagefiles.h"

#include <QImage>
#include <QString>

namespace quillora {

class PictureLoader {
public:
    virtual ~PictureLoader() = default;
    // Metafiles are told apart by the last three letters of the name, in any case.
    [[nodiscard]] virtual bool load(const QString &path, QImage *out, QString *error) = 0;
};

class FilePictureLoader : public PictureLoader {
public:
    explicit FilePictureLoader(ImageLoadLimits limits = {}) : m_limits(limits) {}
    [[nodiscard]] bool load(const QString &path, QImage *out, QString *error) override
    {
        return loadPictureFile(path, out, error, m_limits);
    }

private:
    ImageLoadLimits m_limits;
};

} // namespace quillora
