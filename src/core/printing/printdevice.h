#pragma once
// What printing asks of a printer: its name, its sheet and printable area, orientation, a
// painter, new pages and the end of the job. The platform layer gives the real printers and a
// PDF writer; a picture-backed device serves tests and previews.

#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <memory>

class QPainter;

namespace quillora {

enum class PageOrientation { Portrait, Landscape };

class PrintDevice {
public:
    virtual ~PrintDevice() = default;

    virtual QString name() const = 0;
    virtual void setOrientation(PageOrientation orientation) = 0;
    // Asks for the sheets to be printed back to back, each turned over its short edge, where
    // the printer can; one that cannot prints one side per sheet, and the print dialog's note
    // tells the teacher how to feed the sheets again.
    virtual void askTwoSidedShortEdge() {}
    // The sheet in device units, in the current orientation.
    virtual QSizeF paperSize() const = 0;
    // The printable area in device units, measured from the sheet's top-left corner. While a
    // job runs, the painter's origin is this area's top-left corner.
    virtual QRectF printableArea() const = 0;

    // Starts a job. False with an empty error when the user called it off (a file dialog
    // cancelled), false with the reason when the device failed.
    [[nodiscard]] virtual bool begin(QString *error) = 0;
    // The painter of the running job.
    virtual QPainter &painter() = 0;
    [[nodiscard]] virtual bool newPage() = 0;
    // Ends the job; false with the reason when the device reports a failure.
    [[nodiscard]] virtual bool finish(QString *error) = 0;
};

// The printers there are to choose from, by device name.
class PrinterProvider {
public:
    virtual ~PrinterProvider() = default;
    virtual QStringList deviceNames() const = 0;
    // The system's default printer; "" when there is none.
    virtual QString defaultDeviceName() const = 0;
    // The device of that name, or null when there is no such printer.
    virtual std::unique_ptr<PrintDevice> openDevice(const QString &name) = 0;
};

// The printer the program prints to: the remembered one when it is there, else the system
// default, else the first; "" when there is none. A remembered printer missing today stays
// remembered for tomorrow.
QString chosenDeviceName(const PrinterProvider &printers, const QString &remembered);

} // namespace quillora
