#include "core/printing/imageprintdevice.h"

namespace quillora {

ImagePrintDevice::ImagePrintDevice(QString name, QSize paper, QMargins margins)
    : m_name(std::move(name)), m_portraitPaper(paper), m_margins(margins)
{
}

ImagePrintDevice::~ImagePrintDevice()
{
    if (m_painter.isActive())
        m_painter.end();
}

QSizeF ImagePrintDevice::paperSize() const
{
    return m_orientation == PageOrientation::Portrait ? QSizeF(m_portraitPaper)
                                                      : QSizeF(m_portraitPaper.transposed());
}

QRectF ImagePrintDevice::printableArea() const
{
    return QRectF(QPointF(0, 0), paperSize()).marginsRemoved(QMarginsF(m_margins));
}

bool ImagePrintDevice::begin(QString *error)
{
    if (m_failing || m_portraitPaper.isEmpty()) {
        if (error)
            *error = QStringLiteral("the printer is not available");
        return false;
    }
    m_pages.clear();
    startPage();
    return true;
}

bool ImagePrintDevice::newPage()
{
    if (!m_painter.isActive())
        return false;
    endPage();
    startPage();
    return true;
}

bool ImagePrintDevice::finish(QString *error)
{
    if (!m_painter.isActive()) {
        if (error)
            *error = QStringLiteral("no print job was running");
        return false;
    }
    endPage();
    if (m_finished)
        m_finished(m_pages);
    return true;
}

void ImagePrintDevice::startPage()
{
    m_sheet = QImage(paperSize().toSize(), QImage::Format_RGB32);
    m_sheet.fill(Qt::white);
    m_painter.begin(&m_sheet);
    const QRectF printable = printableArea();
    m_painter.setClipRect(printable);
    m_painter.translate(printable.topLeft());
}

void ImagePrintDevice::endPage()
{
    m_painter.end();
    m_pages.append(m_sheet);
    m_sheet = QImage();
}

QStringList ImagePrinterProvider::deviceNames() const
{
    QStringList names;
    for (const Entry &entry : m_entries)
        names.append(entry.name);
    return names;
}

std::unique_ptr<PrintDevice> ImagePrinterProvider::openDevice(const QString &name)
{
    for (const Entry &entry : m_entries) {
        if (entry.name == name) {
            auto device =
                std::make_unique<ImagePrintDevice>(entry.name, entry.paper, entry.margins);
            device->setFailing(m_failing);
            device->setFinishedHandler([this, name](const QVector<QImage> &pages) {
                m_lastName = name;
                m_lastPages = pages;
                ++m_jobs;
            });
            return device;
        }
    }
    return nullptr;
}

} // namespace quillora
