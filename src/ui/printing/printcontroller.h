#pragma once
// The print command of a document window: the printer check, the print dialog, printing
// through the page's routine, and hiding the print button for a while afterwards.

#include "core/printing/printbuttonhiding.h"
#include "core/printing/printjob.h"
#include "ui/printing/printdialog.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <optional>

namespace quillora {

class AppContext;
class PrinterProvider;
class DocumentWindow;

class PrintController : public QObject {
    Q_OBJECT
public:
    PrintController(AppContext &context, PrinterProvider &printers, QObject *parent = nullptr);

    // Takes the window's print requests and its print button (`printBut`); the button is
    // hidden at once when the settings never allow printing.
    void attach(DocumentWindow *window);

    // Asks where "Save as PDF…" writes, in the working folder; "" when the child cancels.
    // The usual chooser for SystemPrinterProvider.
    static QString askPdfPath(const AppContext &context, QWidget *parent);

    // The print button's action (the print command).
    void printCommand();
    // After the options changed the hiding setting.
    void applySettings();
    // One minute of the print button's wait has passed (the hide timer calls it).
    void hideTimerTicked();

    // The hide timer (`hide_printer_but`, one tick a minute).
    QTimer &hideTimer() { return m_hideTimer; }
    const PrintButtonHiding &hiding() const { return m_hiding; }

    // What the child is told; by default a program dialog. Tests give their own.
    void setMessageHandler(std::function<void(const QString &)> show);
    // How the printer and copies are chosen; by default the print dialog. Tests give their own.
    void setChooser(std::function<std::optional<PrintChoice>()> choose);

signals:
    void printed(const QString &printer, int copies);
    void printFailed(const QString &detail);

private:
    void showButtonState();
    // A wait that began before the program was last closed goes on where it was.
    void resumeEarlierWait();
    void rememberWait();
    QString returnFile() const;
    void tell(const QString &english);

    AppContext &m_context;
    PrinterProvider &m_printers;
    QPointer<DocumentWindow> m_window;
    PrintButtonHiding m_hiding;
    QTimer m_hideTimer;
    std::function<void(const QString &)> m_showMessage;
    std::function<std::optional<PrintChoice>()> m_choose;
};

} // namespace quillora
