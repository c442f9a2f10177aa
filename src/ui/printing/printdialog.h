#pragma once
// The print dialog (`frmPrint`): which printer, how many copies, and a warning when the
// printer's paper is not A4. The chosen printer is remembered in the settings.

#include "ui/kit/owndialog.h"

#include <optional>

class QComboBox;
class QLabel;

namespace quillora {

class PrinterProvider;

struct PrintChoice {
    QString printer;
    int copies = 1;
};

class PrintDialog : public OwnDialog {
    Q_OBJECT
public:
    // Copies offered in the copies list: enough for a class.
    static constexpr int kMostCopies = 30;

    PrintDialog(AppContext &context, PrinterProvider &printers, bool hidesCopies,
                QWidget *parent = nullptr);

    // Asks; the choice on OK, nothing on Cancel or close.
    static std::optional<PrintChoice> ask(AppContext &context, PrinterProvider &printers,
                                          bool hidesCopies, QWidget *parent = nullptr);

    // Fills the lists and the captions (done when the dialog is shown, after translation).
    void load();
    // Makes the printer of that name current and remembered, as choosing it in the list does.
    void choosePrinter(const QString &name);
    PrintChoice choice() const;

    QComboBox *printerList() const { return m_printerList; }
    QComboBox *copiesList() const { return m_copiesList; }
    QLabel *copiesCaption() const { return m_copiesCaption; }
    QLabel *printerCaption() const { return m_printerCaption; }
    QLabel *paperWarning() const { return m_paperWarning; }

protected:
    void showEvent(QShowEvent *event) override;
    void okPressed() override;

private:
    void updatePaperWarning();

    PrinterProvider &m_printers;
    bool m_hidesCopies = false;
    QLabel *m_printerCaption = nullptr;
    QComboBox *m_printerList = nullptr;
    QLabel *m_copiesCaption = nullptr;
    QComboBox *m_copiesList = nullptr;
    QLabel *m_paperWarning = nullptr;
    QLabel *m_pageSingular = nullptr;
    QLabel *m_pagePlural = nullptr;
    QString m_printer;
    int m_copies = 1;
};

} // namespace quillora
