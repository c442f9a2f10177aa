#include "platform/imagefiles.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QSvgRenderer>

#include <cstring>

extern "C" {
#include <emf2svg.h>
#include <libwmf/api.h>
#include <libwmf/svg.h>
}

namespace quillora {
namespace {

void setError(QString *error, const QString &text)
{
    if (error)
        *error = text;
}

bool renderSvg(const QByteArray &svg, int longSide, QImage *out, QString *error)
{
    QSvgRenderer renderer(svg);
    if (!renderer.isValid()) {
        setError(error, QStringLiteral("the picture could not be drawn"));
        return false;
    }
    QSizeF natural = renderer.viewBoxF().size();
    if (natural.isEmpty())
        natural = renderer.defaultSize();
    if (natural.isEmpty()) {
        setError(error, QStringLiteral("the picture has no size"));
        return false;
    }
    const QSize size = natural.scaled(longSide, longSide, Qt::KeepAspectRatio).toSize().expandedTo(QSize(1, 1));
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    painter.end();
    *out = image;
    return true;
}

} // namespace

bool isMetafileName(const QString &path)
{
    const QString tail = path.right(3).toLower();
    return tail == u"wmf" || tail == u"emf";
}

bool wmfToSvg(const QByteArray &wmf, QByteArray *svg, QString *error)
{
    wmfAPI *api = nullptr;
    wmfAPI_Options options;
    std::memset(&options, 0, sizeof options);
    options.function = wmf_svg_function;
    const unsigned long flags = WMF_OPT_FUNCTION | WMF_OPT_IGNORE_NONFATAL | WMF_OPT_NO_ERROR;
    if (wmf_api_create(&api, flags, &options) != wmf_E_None) {
        if (api)
            wmf_api_destroy(api);
        setError(error, QStringLiteral("the metafile reader could not start"));
        return false;
    }
    // libwmf reads from a buffer it does not own and never writes to it.
    QByteArray input = wmf;
    bool ok = wmf_mem_open(api, reinterpret_cast<unsigned char *>(input.data()), input.size())
              == wmf_E_None;
    wmfD_Rect bbox;
    ok = ok && wmf_scan(api, 0, &bbox) == wmf_E_None;
    if (ok) {
        wmf_svg_t *device = WMF_SVG_GetData(api);
        device->out = wmf_stream_create(api, nullptr);
        device->Description = const_cast<char *>("Quillora");
        device->bbox = bbox;
        unsigned int width = 0, height = 0;
        ok = wmf_display_size(api, &width, &height, 96, 96) == wmf_E_None && width > 0 && height > 0;
        device->width = width;
        device->height = height;
        ok = ok && wmf_play(api, 0, &bbox) == wmf_E_None;
        char *buffer = nullptr;
        unsigned long length = 0;
        // The buffer belongs to the library and goes with wmf_api_destroy.
        wmf_stream_destroy(api, device->out, &buffer, &length);
        if (ok && buffer && length > 0)
            *svg = QByteArray(buffer, qsizetype(length));
        else
            ok = false;
    }
    wmf_api_destroy(api);
    if (!ok)
        setError(error, QStringLiteral("this is not a metafile Quillora can read"));
    return ok;
}

bool emfToSvg(const QByteArray &emf, QByteArray *svg, QString *error)
{
    generatorOptions options;
    std::memset(&options, 0, sizeof options);
    options.nameSpace = const_cast<char *>("");
    options.svgDelimiter = true;
    options.emfplus = true;
    QByteArray input = emf;
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
        QByteArray svg;
        const bool converted = nameForType.right(3).toLower() == u"wmf" ? wmfToSvg(bytes, &svg, error)
                                                                        : emfToSvg(bytes, &svg, error);
        return converted && renderSvg(svg, limits.metafileLongSide, out, error);
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
                            .arg(size.width()).arg(size.height()));
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
