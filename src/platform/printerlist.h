#pragma once
// The installed printers by device name, behind a small interface so that dialogs can be
// tested with a fixed list.

#include <QString>
#include <QStringList>

namespace quillora {

class PrinterList {
public:
    virtual ~PrinterList() = default;
    virtual QStringList printerNames() const = 0;
    // The system's default printer; "" when there is none.
    virtual QString defaultPrinterName() const = 0;

    // The printer the program prints to: the stored name when it is installed, otherwise the
    // system default (a stored name that is missing today stays stored for tomorrow).
    QString currentPrinterName(const QString &storedName) const;
};

// The printers the print system knows about now.
class SystemPrinterList final : public PrinterList {
public:
    QStringList printerNames() const override;
    QString defaultPrinterName() const override;
};

// A list given in advance: for tests, and for machines where printing is not wanted.
class FixedPrinterList final : public PrinterList {
public:
    explicit FixedPrinterList(QStringList names = {}, QString defaultName = {})
        : m_names(std::move(names)), m_default(std::move(defaultName)) {}
    QStringList printerNames() const override { return m_names; }
    QString defaultPrinterName() const override { return m_default; }

private:
    QStringList m_names;
    QString m_default;
};

} // namespace quillora
