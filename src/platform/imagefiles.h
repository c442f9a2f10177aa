#pragma once
// Reading picture files for import: bitmaps, JPEG, GIF and PNG through Qt's image readers,
// Windows metafiles drawn by libwmf's bitmap device (exact colours, the header's frame, true
// line widths), enhanced metafiles by converting them to SVG first. Sizes are checked before
// decoding, so a hostile file can never exhaust memory.

#include <QImage>
#include <QString>

namespace quillora {

struct ImageLoadLimits {
    qint64 maxPixels = 100'000'000; // decoded size never exceeds this
    qint64 maxFileBytes = 256LL * 1024 * 1024;
    int metafileLongSide = 1600; // metafiles are drawn this large on their longer side
};

// True when the name ends in "wmf" or "emf", in any case.
bool isMetafileName(const QString &path);

[[nodiscard]] bool loadPictureFile(const QString &path, QImage *out, QString *error,
                                   const ImageLoadLimits &limits = {});
[[nodiscard]] bool loadPictureBytes(const QByteArray &bytes, const QString &nameForType,
                                    QImage *out, QString *error,
                                    const ImageLoadLimits &limits = {});

// The enhanced metafile conversion, exposed for tests.
[[nodiscard]] bool emfToSvg(const QByteArray &emf, QByteArray *svg, QString *error);

} // namespace quillora
