#include "ui/printing/printcontroller.h"

#include "core/app/appcontext.h"
#include "core/doctypes/pagefamily.h"
#include "core/layout/documenttypes.h"
#include "core/printing/printbuttonreturn.h"
#include "core/printing/printdevice.h"
#include "ui/document/documenttoolbar.h"
#include "ui/document/documentwindow.h"
#include "ui/kit/looks.h"
#include "ui/kit/messagedialog.h"

#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLineEdit>
#include <QTimer>

namespace quillora {

PrintController::PrintController(AppContext &context, PrinterProvider &printers, QObject *parent)
    : QObject(parent), m_context(context), m_printers(printers),
      m_hiding(context.settings.printButtonHiddenMinutes)
{
    m_hideTimer.setObjectName(QStringLiteral("hide_printer_but"));
    m_hideTimer.setInterval(PrintButtonHiding::kTickIntervalMs);
    connect(&m_hideTimer, &QTimer::timeout, this, &PrintController::hideTimerTicked);
    resumeEarlierWait();
}

QString PrintController::returnFile() const
{
    const QString &folder = m_context.env.folders.userState;
    return folder.isEmpty() ? QString() : printButtonReturnFile(folder);
}

void PrintController::resumeEarlierWait()
{
    const std::optional<QDateTime> returnsAt = storedPrintButtonReturn(returnFile());
    if (!returnsAt)
        return;
    m_hiding.resumeHidden(minutesUntilReturn(*returnsAt, m_context.env.clock(),
                                             m_context.settings.printButtonHiddenMinutes));
    if (m_hiding.ticking())
        m_hideTimer.start();
    else
        forgetPrintButtonReturn(returnFile());
}

void PrintController::rememberWait()
{
    if (returnFile().isEmpty())
        return;
    const QDateTime returnsAt = m_context.env.clock().addSecs(60LL * m_hiding.minutesLeft());
    QString error;
    // Without the file the button still comes back on time in this run; only a restart
    // would bring it back early, so the wait goes on either way.
    if (!rememberPrintButtonReturn(returnFile(), returnsAt, &error))
        qWarning("quillora: the print button's wait was not kept: %s", qPrintable(error));
}

void PrintController::attach(DocumentWindow *window)
{
    if (m_window)
        disconnect(m_window, nullptr, this, nullptr);
    m_window = window;
    if (!window)
        return;
    connect(window, &DocumentWindow::printRequested, this, &PrintController::printCommand);
    showButtonState();
}

QString PrintController::askPdfPath(const AppContext &context, QWidget *parent)
{
    const QString folder =
        context.folders.working.isEmpty() ? QDir::homePath() : context.folders.working;
    const QString name = context.workName.isEmpty() ? QStringLiteral("page") : context.workName;
    QFileDialog dialog(
        parent, context.tr(QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Save as PDF"))), folder,
        context.tr(QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "PDF file"))) +
            QStringLiteral(" (*.pdf)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    looks::dressFileDialog(dialog);
    dialog.selectFile(name + QStringLiteral(".pdf"));
    // The name is offered selected, so what the child types replaces it.
    QTimer::singleShot(0, &dialog, [&dialog, size = int(name.size())] {
        if (auto *edit = dialog.findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
            edit->setSelection(0, size);
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    QString path = dialog.selectedFiles().constFirst();
    if (!path.isEmpty() && !path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        path += QStringLiteral(".pdf");
    return path;
}

void PrintController::applySettings()
{
    m_hiding.applySetting(m_context.settings.printButtonHiddenMinutes);
    m_hideTimer.stop();
    forgetPrintButtonReturn(returnFile());
    showButtonState();
}

void PrintController::setMessageHandler(std::function<void(const QString &)> show)
{
    m_showMessage = std::move(show);
}

void PrintController::setChooser(std::function<std::optional<PrintChoice>()> choose)
{
    m_choose = std::move(choose);
}

void PrintController::printCommand()
{
    if (m_printers.deviceNames().isEmpty()) {
        tell(kNoPrintersMessage);
        return;
    }
    const bool copiesChoice = kindInfo(m_context.page.documentType).copiesChoice;
    const std::optional<PrintChoice> choice =
        m_choose ? m_choose() : PrintDialog::ask(m_context, m_printers, !copiesChoice, m_window);
    if (!choice)
        return;

    std::unique_ptr<PrintDevice> device = m_printers.openDevice(choice->printer);
    if (!device) {
        tell(kPrinterProblemMessage);
        emit printFailed(QStringLiteral("no printer named %1").arg(choice->printer));
        return;
    }
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const PrintResult result =
        printPage(m_context.page, *device, PrintSettings::from(m_context.settings, choice->copies));
    QGuiApplication::restoreOverrideCursor();

    switch (result.outcome) {
    case PrintOutcome::Printed:
        m_hiding.afterPrint();
        if (m_hiding.ticking()) {
            m_hideTimer.start();
            rememberWait();
        }
        showButtonState();
        emit printed(choice->printer, choice->copies);
        break;
    case PrintOutcome::Cancelled:
        break;
    case PrintOutcome::NotAvailable:
        tell(kNotReadyMessage);
        break;
    case PrintOutcome::NothingToPrint:
        tell(kNothingToPrintMessage);
        break;
    case PrintOutcome::Failed:
        tell(kPrinterProblemMessage);
        emit printFailed(result.detail);
        break;
    }
}

void PrintController::hideTimerTicked()
{
    m_hiding.tick();
    if (!m_hiding.ticking()) {
        m_hideTimer.stop();
        forgetPrintButtonReturn(returnFile());
    }
    showButtonState();
}

void PrintController::showButtonState()
{
    if (m_window)
        m_window->toolbar()->setButtonShown(ToolbarAction::Print, m_hiding.buttonVisible());
}

void PrintController::tell(const QString &english)
{
    if (m_showMessage)
        m_showMessage(m_context.tr(english));
    else
        MessageDialog::tell(m_context, english, m_window);
}

} // namespace quillora
