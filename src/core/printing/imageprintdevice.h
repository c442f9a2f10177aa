#pragma once
// A printer whose pages are pictures: for tests and for previews of what a print will look like.

#include "core/printing/printdevice.h"

#include <QImage>
#include <QPainter>
#include <QVector>

#include <functional>

namespace quillora {

class ImagePrintDevice final : public PrintDevice {
public:
    // A portrait sheet of `paper` pixels with `margins` left unprintable around it.
    ImagePrintDevice(QString name, QSize paper, QMargins margins = {});
    ~ImagePrintDevice() override;

    QString name() const override { return m_name; }
    void setOrientation(PageOrientation orientation) override { m_orientation = orientation; }
    PageOrientation orientation() const { return m_orientation; }
    void askTwoSidedShortEdge() override { m_twoSidedAsked = true; }
    bool twoSidedAsked() const { return m_twoSidedAsked; }
    QSizeF paperSize() const override;
    QRectF printableArea() const override;

    bool begin(QString *error) override;
    QPainter &painter() override { return m_painter; }
    bool newPage() override;
    bool finish(QString *error) override;

    // Every finished page, whole sheets (unprintable margins white).
    const QVector<QImage> &pages() const { return m_pages; }
    // Makes the next begin() fail, as a printer that has gone away does.
    void setFailing(bool failing) { m_failing = failing; }
    // Called with the pages of each job that finishes.
    void setFinishedHandler(std::function<void(const QVector<QImage> &)> handler)
    {
        m_finished = std::move(handler);
    }

private:
    void startPage();
    void endPage();

    QString m_name;
    QSize m_portraitPaper;
    QMargins m_margins;
    PageOrientation m_orientation = PageOrientation::Portrait;
    QImage m_sheet;
    QPainter m_painter;
    QVector<QImage> m_pages;
    bool m_failing = false;
    bool m_twoSidedAsked = false;
    std::function<void(const QVector<QImage> &)> m_finished;
};

// A fixed set of picture printers, for tests.
class ImagePrinterProvider final : public PrinterProvider {
public:
    struct Entry {
        QString name;
        QSize paper;
        QMargins margins;
    };
    explicit ImagePrinterProvider(QVector<Entry> entries = {}, QString defaultName = {})
        : m_entries(std::move(entries)), m_default(std::move(defaultName))
    {
    }

    QStringList deviceNames() const override;
    QString defaultDeviceName() const override { return m_default; }
    std::unique_ptr<PrintDevice> openDevice(const QString &name) override;

    // The name and pages of the last job that finished.
    const QString &lastPrinterName() const { return m_lastName; }
    const QVector<QImage> &lastPages() const { return m_lastPages; }
    int jobsFinished() const { return m_jobs; }
    // Devices opened from now on fail to start.
    void setFailing(bool failing) { m_failing = failing; }

private:
    QVector<Entry> m_entries;
    QString m_default;
    QString m_lastName;
    QVector<QImage> m_lastPages;
    int m_jobs = 0;
    bool m_failing = false;
};

} // namespace quillora
