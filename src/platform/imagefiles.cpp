#include "platform/imagefiles.h"

#include "core/foundation/fileaccess.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QSvgRenderer>
#include <QtEndian>

#include <cstring>

extern "C" {
#include <emf2svg.h>
#include <libwmf/api.h>
#include <libwmf/gd.h>
}

namespace quillora {
namespace {

// `trueSize`, when known, is the picture's own size in the drawing's units; a drawing that
// comes one unit short of it on both sides is widened to it, keeping its scale.
bool renderSvg(const QByteArray &svg, int longSide, QImage *out, QString *error,
               QSizeF trueSize = {})
{
    QSvgRenderer renderer(svg);
    if (!renderer.isValid()) {
        setError(error, QStringLiteral("the picture could not be drawn"));
        return false;
    }
    QSizeF natural = renderer.viewBoxF().size();
    if (natural.isEmpty())
        natural = renderer.defaultSize();
    const QSizeF shortBy = trueSize - natural;
    if (!trueSize.isEmpty() && qAbs(shortBy.width() - 1) < 0.01 &&
        qAbs(shortBy.height() - 1) < 0.01) {
        renderer.setViewBox(QRectF(renderer.viewBoxF().topLeft(), trueSize));
        natural = trueSize;
    }
    if (natural.isEmpty()) {
        setError(error, QStringLiteral("the picture has no size"));
        return false;
    }
    const QSize size =
        natural.scaled(longSide, longSide, Qt::KeepAspectRatio).toSize().expandedTo(QSize(1, 1));
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    painter.end();
    *out = image;
    return true;
}

bool drawWmf(const QByteArray &wmf, int longSide, QImage *out, QString *error)
{
    wmfAPI *api = nullptr;
    wmfAPI_Options options;
    std::memset(&options, 0, sizeof options);
    options.function = wmf_gd_function;
    const unsigned long flags = WMF_OPT_FUNCTION | WMF_OPT_IGNORE_NONFATAL | WMF_OPT_NO_ERROR;
    if (wmf_api_create(&api, flags, &options) != wmf_E_None) {
        if (api)
            wmf_api_destroy(api);
        setError(error, QStringLiteral("the metafile reader could not start"));
        return false;
    }
    // libwmf reads from a buffer it does not own and never writes to it.
    QByteArray input = wmf;
    wmfD_Rect drawing;
    bool ok = wmf_mem_open(api, reinterpret_cast<unsigned char *>(input.data()), input.size()) ==
                  wmf_E_None &&
              wmf_scan(api, 0, &drawing) == wmf_E_None;
    QByteArray png;
    if (ok) {
        // The picture is the frame its header declares (margin included); a metafile without
        // one is framed by its drawing. The device works in points from the window's origin.
        QRectF frame(QPointF(drawing.TL.x, drawing.TL.y), QPointF(drawing.BR.x, drawing.BR.y));
        const wmfFile file = api->File;
        if (file && file->placeable && file->pmh && file->pmh->Inch > 0) {
            const wmfPlaceableMetaHeader &header = *file->pmh;
            const double toPoints = 72.0 / header.Inch;
            const QRectF declared(0, 0, (header.Right - header.Left) * toPoints,
                                  (header.Bottom - header.Top) * toPoints);
            if (declared.width() > 0 && declared.height() > 0)
                frame = declared;
        }
        ok = frame.width() > 0 && frame.height() > 0;
        const QSize size = frame.size()
                               .scaled(longSide, longSide, Qt::KeepAspectRatio)
                               .toSize()
                               .expandedTo({1, 1});
        wmf_gd_t *device = WMF_GD_GetData(api);
        // The device hands its picture over as PNG through the sink and frees its own image.
        device->type = wmf_gd_png;
        device->flags |= WMF_GD_OUTPUT_MEMORY | WMF_GD_OWN_BUFFER;
        device->sink.context = &png;
        device->sink.function = [](void *context, char *bytes, int length) {
            static_cast<QByteArray *>(context)->append(bytes, length);
            return length;
        };
        device->width = unsigned(size.width());
        device->height = unsigned(size.height());
        device->bbox.TL.x = float(frame.left());
        device->bbox.TL.y = float(frame.top());
        device->bbox.BR.x = float(frame.right());
        device->bbox.BR.y = float(frame.bottom());
        // The player writes its own box into the one it is given; the device keeps the frame.
        wmfD_Rect played = drawing;
        ok = ok && wmf_play(api, 0, &played) == wmf_E_None;
    }
    wmf_api_destroy(api);
    QImage drawn;
    if (!ok || !drawn.loadFromData(png, "PNG")) {
        setError(error, QStringLiteral("this is not a metafile Quillora can read"));
        return false;
    }
    QImage image(drawn.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter(&image).drawImage(0, 0, drawn);
    *out = image;
    return true;
}

// A pen made by CreatePen wider than one unit draws that wide, but its record keeps the style
// it was asked for, and the converter draws every such pen one unit wide. Marked geometric, as
// the system makes it, it keeps its width.
QByteArray withGeometricWidePens(QByteArray emf)
{
    constexpr quint32 kCreatePen = 38;
    constexpr quint32 kGeometric = 0x00010000;
    constexpr quint32 kPenTypeMask = 0x000F0000;
    const auto word = [&emf](qsizetype at) {
        return qFromLittleEndian<quint32>(emf.constData() + at);
    };
    for (qsizetype at = 0; at + 8 <= emf.size();) {
        const quint32 type = word(at);
        const quint32 size = word(at + 4);
        if (size < 8 || size % 4 != 0 || size > quint32(emf.size() - at))
            break;
        if (type == kCreatePen && size >= 28) {
            const quint32 style = word(at + 12);
            const qint32 width = qint32(word(at + 16));
            if (width > 1 && (style & kPenTypeMask) == 0)
                qToLittleEndian<quint32>(style | kGeometric, emf.data() + at + 12);
        }
        at += size;
    }
    return emf;
}

// An enhanced metafile's size from its header's bounds, which include their last unit: a
// picture drawn from 0 to 999 is 1000 units wide. The converter takes right − left as the width;
// this is what it falls short of. Empty when the header says nothing usable.
QSizeF emfBoundsSize(const QByteArray &emf)
{
    constexpr quint32 kHeaderRecord = 1;
    if (emf.size() < 24 || qFromLittleEndian<quint32>(emf.constData()) != kHeaderRecord)
        return {};
    const auto at = [&emf](qsizetype offset) {
        return qint64(qFromLittleEndian<qint32>(emf.constData() + offset));
    };
    const qint64 left = at(8), top = at(12), right = at(16), bottom = at(20);
    if (right < left || bottom < top)
        return {};
    return QSizeF(double(right - left + 1), double(bottom - top + 1));
}

} // namespace

bool isMetafileName(const QString &path)
{
    const QString tail = path.right(3).toLower();
    return tail == u"wmf" || tail == u"emf";
}

bool emfToSvg(const QByteArray &emf, QByteArray *svg, QString *error)
{
    generatorOptions options;
    std::memset(&options, 0, sizeof options);
    options.nameSpace = const_cast<char *>("");
    options.svgDelimiter = true;
    options.emfplus = true;
    QByteArray input = withGeometricWidePens(emf);
    char *output = nullptr;
    size_t length = 0;
    const int status = emf2svg(input.data(), size_t(input.size()), &output, &length, &options);
    const bool ok = status != 0 && output && length > 0;
    if (ok)
        *svg = QByteArray(output, qsizetype(length));
    free(output);
    if (!ok)
        setError(error, QStringLiteral("this is not a metafile Quillora can read"));
    return ok;
}

bool loadPictureBytes(const QByteArray &bytes, const QString &nameForType, QImage *out,
                      QString *error, const ImageLoadLimits &limits)
{
    if (bytes.isEmpty()) {
        setError(error, QStringLiteral("the file is empty"));
        return false;
    }
    if (isMetafileName(nameForType)) {
        if (nameForType.right(3).toLower() == u"wmf")
            return drawWmf(bytes, limits.metafileLongSide, out, error);
        QByteArray svg;
        return emfToSvg(bytes, &svg, error) &&
               renderSvg(svg, limits.metafileLongSide, out, error, emfBoundsSize(bytes));
    }
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    if (!size.isValid() || size.isEmpty()) {
        setError(error, QStringLiteral("this is not a picture Quillora can read"));
        return false;
    }
    if (qint64(size.width()) * size.height() > limits.maxPixels) {
        setError(error, QStringLiteral("this picture is too big (%1 × %2)")
                            .arg(size.width())
                            .arg(size.height()));
        return false;
    }
    // Qt's own allocation guard, in megabytes, kept in step with our pixel limit.
    QImageReader::setAllocationLimit(int(limits.maxPixels * 4 / (1024 * 1024)) + 1);
    QImage image;
    if (!reader.read(&image) || image.isNull()) {
        setError(error, QStringLiteral("this picture is damaged: %1").arg(reader.errorString()));
        return false;
    }
    *out = image.convertToFormat(QImage::Format_RGB32);
    return true;
}

bool loadPictureFile(const QString &path, QImage *out, QString *error,
                     const ImageLoadLimits &limits)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        setError(error, file.errorString());
        return false;
    }
    if (file.size() > limits.maxFileBytes) {
        setError(error, QStringLiteral("this picture file is too big"));
        return false;
    }
    return loadPictureBytes(file.readAll(), path, out, error, limits);
}

} // namespace quillora
