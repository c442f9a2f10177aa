#include "platform/printing.h"

#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>

namespace quillora {

std::unique_ptr<SystemPrintDevice> SystemPrintDevice::open(const QString &name)
{
    const QPrinterInfo info = QPrinterInfo::printerInfo(name);
    if (name.isEmpty() || info.isNull())
        return nullptr;
    auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    return std::unique_ptr<SystemPrintDevice>(new SystemPrintDevice(std::move(printer)));
}

SystemPrintDevice::SystemPrintDevice(std::unique_ptr<QPrinter> printer)
    : m_printer(std::move(printer))
{
}

SystemPrintDevice::~SystemPrintDevice()
{
    if (m_painter.isActive())
        m_painter.end();
}

QString SystemPrintDevice::name() const
{
    return m_printer->printerName();
}

void SystemPrintDevice::setOrientation(PageOrientation orientation)
{
    m_printer->setPageOrientation(
        orientation == PageOrientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
}

void SystemPrintDevice::askTwoSidedShortEdge()
{
    if (QPrinterInfo(*m_printer).supportedDuplexModes().contains(QPrinter::DuplexShortSide))
        m_printer->setDuplex(QPrinter::DuplexShortSide);
}

QSizeF SystemPrintDevice::paperSize() const
{
    return QSizeF(m_printer->pageLayout().fullRectPixels(m_printer->resolution()).size());
}

// Measured from the paper's corner; the painter itself starts at this area's top-left.
QRectF SystemPrintDevice::printableArea() const
{
    return QRectF(m_printer->pageLayout().paintRectPixels(m_printer->resolution()));
}

bool SystemPrintDevice::begin(QString *error)
{
    if (m_painter.begin(m_printer.get()))
        return true;
    if (error)
        *error = QStringLiteral("the printer %1 could not start").arg(name());
    return false;
}

bool SystemPrintDevice::newPage()
{
    return m_printer->newPage();
}

bool SystemPrintDevice::finish(QString *error)
{
    if (!m_painter.isActive()) {
        if (error)
            *error = QStringLiteral("no print job was running");
        return false;
    }
    m_painter.end();
    if (m_printer->printerState() == QPrinter::Error) {
        if (error)
            *error = QStringLiteral("the printer %1 reported an error").arg(name());
        return false;
    }
    return true;
}

SystemPrinterProvider::SystemPrinterProvider(std::function<QString()> choosePdfPath)
    : m_choosePdfPath(std::move(choosePdfPath))
{
}

QStringList SystemPrinterProvider::deviceNames() const
{
    QStringList names = QPrinterInfo::availablePrinterNames();
    names.removeAll(kSaveAsPdfName);
    names.append(kSaveAsPdfName);
    return names;
}

QString SystemPrinterProvider::defaultDeviceName() const
{
    const QString name = QPrinterInfo::defaultPrinterName();
    return name.isEmpty() ? kSaveAsPdfName : name;
}

std::unique_ptr<PrintDevice> SystemPrinterProvider::openDevice(const QString &name)
{
    if (name == kSaveAsPdfName)
        return std::make_unique<PdfPrintDevice>(m_choosePdfPath);
    return SystemPrintDevice::open(name);
}

} // namespace quillora
