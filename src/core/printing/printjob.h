#pragma once
// Printing the page in work: the A4 check, the scale that maps the on-screen page onto the
// printable width, the orientation, the routine of each document type and the copies loop.

#include "core/layout/pagemodel.h"
#include "core/printing/pagerenderer.h"
#include "core/printing/printdevice.h"

#include <QSizeF>
#include <QString>

#include <functional>

namespace quillora {

struct Settings;

// A sheet is taken for A4 when its proportions are within this of A4's.
constexpr double kA4RatioTolerance = 0.05;
// Copies of the page on one sheet of repeated copies, and sheets of a print, at most.
constexpr int kMaxSheetCopies = 64;
constexpr int kMaxPrintCopies = 99;

// The message a failed print ends with, and the one for a computer without printers.
inline const QString kPrinterProblemMessage = QStringLiteral(
    QT_TRANSLATE_NOOP("Quillora", "There seems to be some problem with your Printer."));
inline const QString kNoPrintersMessage = QStringLiteral(
    QT_TRANSLATE_NOOP("Quillora", "There are no printers available on this computer."));
// What a child hears who prints a banner before writing its words.
inline const QString kNothingToPrintMessage =
    QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Write some words first, then print them."));

// True when a sheet of this size is not A4, in either orientation.
bool paperIsNotA4(const QSizeF &paper);

// Device units per window pixel that make a page `pageWidthPx` wide fill `zoom` of the
// printable width.
double printScale(double printableWidth, double zoom, int pageWidthPx);

// Landscape when the on-screen page is at least as wide as it is tall.
PageOrientation orientationFor(const PageModel &page);

struct PrintSettings {
    int copies = 1;
    double fontFactor = 0.96; // printed font size per on-screen size, 0.85..1
    double zoom = 1.0;        // printed page width per printable width, 0.85..1
    // Settings' values, clamped to their ranges, and the number of copies chosen.
    static PrintSettings from(const Settings &settings, int copies);
};

enum class PrintOutcome {
    Printed,
    Cancelled,      // the user called the job off before anything was printed
    Failed,         // the printer failed; `detail` says how
    NotAvailable,   // this document type has no print routine in this build
    NothingToPrint, // the page has nothing on it to print yet (a banner without words)
};

struct PrintResult {
    PrintOutcome outcome = PrintOutcome::Failed;
    QString detail;
};

// One print job: starts `device` in `orientation`, draws sheets 0 .. sheetCount-1 with
// `drawSheet` (each after the first on a new page) and finishes the job. A device that will not
// start and says nothing was called off by the user. `what` names the work in the log.
PrintResult runPrintJob(PrintDevice &device, PageOrientation orientation, int sheetCount,
                        const std::function<void(int sheet)> &drawSheet, const char *what);

// Every copy of a page of `pageSize` window pixels on a sheet of its own: `drawPage` paints it at
// the scale that fills the printable width at the print zoom, with the print's font factor. A
// page with no size is not printed.
PrintResult printPageCopies(
    PrintDevice &device, PageOrientation orientation, QSize pageSize, const PrintSettings &settings,
    const std::function<void(QPainter &, const PageRenderOptions &)> &drawPage, const char *what);

// Prints `page` on `device` by its document type's routine, every copy on its own sheet.
PrintResult printDocument(const PageModel &page, PrintDevice &device,
                          const PrintSettings &settings);

// Where each page of a sheet of repeated copies goes, in device units from the printable
// area's top-left corner, and the scale of each (device units per window pixel).
struct SheetPlacement {
    QVector<QPointF> origins;
    double scale = 0.0;
};
SheetPlacement arrangeRepeatedCopies(const QSize &pagePx, const QSizeF &printable, int count);

} // namespace quillora
