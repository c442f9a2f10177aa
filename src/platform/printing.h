#pragma once
// The system's printers for printing: each installed printer by its device name, and
// "Save as PDF…" always offered beside them.

#include "core/printing/pdfprintdevice.h"
#include "core/printing/printdevice.h"

#include <QPainter>

#include <functional>
#include <memory>

class QPrinter;

namespace quillora {

// An installed printer through the print system.
class SystemPrintDevice final : public PrintDevice {
public:
    // Null when no printer of that name is installed.
    static std::unique_ptr<SystemPrintDevice> open(const QString &name);
    ~SystemPrintDevice() override;

    QString name() const override;
    void setOrientation(PageOrientation orientation) override;
    void askTwoSidedShortEdge() override;
    QSizeF paperSize() const override;
    QRectF printableArea() const override;

    bool begin(QString *error) override;
    QPainter &painter() override { return m_painter; }
    bool newPage() override;
    bool finish(QString *error) override;

private:
    explicit SystemPrintDevice(std::unique_ptr<QPrinter> printer);

    std::unique_ptr<QPrinter> m_printer;
    QPainter m_painter;
};

class SystemPrinterProvider final : public PrinterProvider {
public:
    // `choosePdfPath` asks where a PDF goes ("" calls the print off); the print dialog gives
    // a file dialog here.
    explicit SystemPrinterProvider(std::function<QString()> choosePdfPath);

    // The installed printers, then "Save as PDF…".
    QStringList deviceNames() const override;
    // The system default; "Save as PDF…" when no printer is installed.
    QString defaultDeviceName() const override;
    std::unique_ptr<PrintDevice> openDevice(const QString &name) override;

private:
    std::function<QString()> m_choosePdfPath;
};

} // namespace quillora
