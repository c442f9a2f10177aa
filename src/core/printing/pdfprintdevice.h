#pragma once
// A printer that writes an A4 PDF file: "Save as PDF…" in the print dialog, and the headless
// export. The file is written whole or not at all, so a failed print never spoils an earlier
// file of the same name.

#include "core/files/wholefile.h"
#include "core/printing/printdevice.h"

#include <QMarginsF>
#include <QPainter>

#include <functional>
#include <memory>

class QPdfWriter;
namespace quillora {

inline const QString kSaveAsPdfName = QStringLiteral("Save as PDF…");

class PdfPrintDevice final : public PrintDevice {
public:
    static constexpr int kResolutionDpi = 600;
    // The unprintable edge a paper printer would leave, so a PDF prints as the page would.
    static constexpr double kMarginMm = 5.0;

    // `choosePath` is asked for the file when a job begins; "" calls the job off.
    explicit PdfPrintDevice(std::function<QString()> choosePath, QString name = kSaveAsPdfName);
    ~PdfPrintDevice() override;

    QString name() const override { return m_name; }
    void setOrientation(PageOrientation orientation) override { m_orientation = orientation; }
    QSizeF paperSize() const override;
    QRectF printableArea() const override;

    bool begin(QString *error) override;
    QPainter &painter() override { return m_painter; }
    bool newPage() override;
    bool finish(QString *error) override;

private:
    QString m_name;
    std::function<QString()> m_choosePath;
    PageOrientation m_orientation = PageOrientation::Portrait;
    std::unique_ptr<WholeFileWriter> m_file;
    std::unique_ptr<QPdfWriter> m_writer;
    QPainter m_painter;
};

} // namespace quillora
