#include "core/printing/pdfprintdevice.h"

#include "core/foundation/fileaccess.h"

#include <QPageLayout>
#include <QPdfWriter>

namespace quillora {

namespace {

QPageLayout a4Layout(PageOrientation orientation)
{
    const double margin = PdfPrintDevice::kMarginMm;
    return QPageLayout(QPageSize(QPageSize::A4),
                       orientation == PageOrientation::Landscape ? QPageLayout::Landscape
                                                                 : QPageLayout::Portrait,
                       QMarginsF(margin, margin, margin, margin), QPageLayout::Millimeter);
}

} // namespace

PdfPrintDevice::PdfPrintDevice(std::function<QString()> choosePath, QString name)
    : m_name(std::move(name)), m_choosePath(std::move(choosePath))
{
}

PdfPrintDevice::~PdfPrintDevice()
{
    // A job left unfinished is dropped: the save file is never committed.
    if (m_painter.isActive())
        m_painter.end();
}

QSizeF PdfPrintDevice::paperSize() const
{
    return QSizeF(a4Layout(m_orientation).fullRectPixels(kResolutionDpi).size());
}

QRectF PdfPrintDevice::printableArea() const
{
    return QRectF(a4Layout(m_orientation).paintRectPixels(kResolutionDpi));
}

bool PdfPrintDevice::begin(QString *error)
{
    setError(error, {});
    const QString path = m_choosePath ? m_choosePath() : QString();
    if (path.isEmpty())
        return false;
    m_file = std::make_unique<WholeFileWriter>(path);
    if (!m_file->open(error)) {
        m_file.reset();
        return false;
    }
    m_writer = std::make_unique<QPdfWriter>(&m_file->device());
    m_writer->setResolution(kResolutionDpi);
    m_writer->setPageLayout(a4Layout(m_orientation));
    m_writer->setCreator(QStringLiteral("Quillora"));
    if (!m_painter.begin(m_writer.get())) {
        setError(error, QStringLiteral("the PDF could not be started"));
        m_writer.reset();
        m_file.reset();
        return false;
    }
    return true;
}

bool PdfPrintDevice::newPage()
{
    return m_writer && m_writer->newPage();
}

bool PdfPrintDevice::finish(QString *error)
{
    if (!m_painter.isActive() || !m_file) {
        setError(error, QStringLiteral("no print job was running"));
        return false;
    }
    m_painter.end();
    m_writer.reset();
    const bool written = m_file->commit(error);
    m_file.reset();
    return written;
}

} // namespace quillora
