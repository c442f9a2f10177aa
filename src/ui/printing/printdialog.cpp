#include "ui/printing/printdialog.h"

#include "core/app/appcontext.h"
#include "core/printing/printdevice.h"
#include "core/printing/printjob.h"
#include "ui/kit/looks.h"
#include "ui/printing/foldguide.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace quillora {

namespace {

const QString kPageWord = QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "page"));
const QString kPagesWord = QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "pages"));
const QString kPagesCount = QStringLiteral(QT_TRANSLATE_N_NOOP("Quillora", "%n page(s)"));

QLabel *makeLabel(const QString &objectName, const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(objectName);
    label->setFont(looks::childFont(looks::kControlPixels + 4, true));
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    return label;
}

QComboBox *makeList(const QString &objectName, QWidget *parent)
{
    auto *list = new QComboBox(parent);
    list->setObjectName(objectName);
    list->setFont(looks::childFont(looks::kControlPixels + 4));
    list->setMinimumHeight(looks::kPictureButtonSize);
    list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return list;
}

} // namespace

PrintDialog::PrintDialog(AppContext &context, PrinterProvider &printers, bool hidesCopies,
                         QWidget *parent)
    : OwnDialog(context, QStringLiteral("frmPrint"), QStringLiteral("Quillora"),
                QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Print?")), parent),
      m_printers(printers), m_hidesCopies(hidesCopies)
{
    m_printerCaption = makeLabel(QStringLiteral("prCaption"), {}, this);
    m_printerList = makeList(QStringLiteral("prCombo"), this);
    m_printerList->setAccessibleName(QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Printer")));
    m_copiesCaption = makeLabel(QStringLiteral("numPagesCap"),
                                QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "How many?")), this);
    m_copiesList = makeList(QStringLiteral("numPgCombo"), this);
    m_copiesList->setAccessibleName(QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "How many?")));
    m_paperWarning = makeLabel(
        QStringLiteral("paperNotA4Label"),
        QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Check printer is set to A4")), this);
    m_paperWarning->setStyleSheet(QStringLiteral("color: #8C1518;"));
    m_paperWarning->hide();
    m_pageSingular = makeLabel(QStringLiteral("dumPageSing"), kPageWord, this);
    m_pagePlural = makeLabel(QStringLiteral("dumPagePlural"), kPagesWord, this);
    m_pageSingular->hide();
    m_pagePlural->hide();

    bodyLayout()->addWidget(m_printerCaption);
    bodyLayout()->addWidget(m_printerList, 0, Qt::AlignHCenter);
    auto *copies = new QHBoxLayout;
    copies->addStretch();
    copies->addWidget(m_copiesCaption);
    copies->addWidget(m_copiesList);
    copies->addStretch();
    bodyLayout()->addLayout(copies);
    bodyLayout()->addWidget(m_paperWarning);
    // Kinds printed on both sides of the sheet say which edge to turn it over.
    const QString duplexNote = kindInfo(context.page.documentType).duplexNote;
    if (!duplexNote.isEmpty())
        bodyLayout()->addWidget(makeLabel(QStringLiteral("duplexNoteLabel"), duplexNote, this));
    // Folded kinds show how to fold what comes out of the printer.
    if (const auto style = leafletStyleOfPage(context.page))
        bodyLayout()->addWidget(new FoldGuide(*style, this));

    connect(m_printerList, &QComboBox::textActivated, this, &PrintDialog::choosePrinter);
}

std::optional<PrintChoice> PrintDialog::ask(AppContext &context, PrinterProvider &printers,
                                            bool hidesCopies, QWidget *parent)
{
    PrintDialog form(context, printers, hidesCopies, parent);
    if (form.waitForAnswer() != DialogAnswer::Yes)
        return std::nullopt;
    return form.choice();
}

void PrintDialog::showEvent(QShowEvent *event)
{
    load();
    OwnDialog::showEvent(event);
}

void PrintDialog::load()
{
    const QStringList names = m_printers.deviceNames();
    m_printer = chosenDeviceName(m_printers, context().settings.printerName);
    {
        const QSignalBlocker quiet(m_printerList);
        m_printerList->clear();
        m_printerList->addItems(names);
        m_printerList->setCurrentIndex(int(names.indexOf(m_printer)));
    }
    m_printerCaption->setText(m_printer);

    // "1 page", "2 pages", ...: each count in the plural form its language gives it. A school's
    // language file that words the hidden labels but not the count has them after the numbers.
    {
        const QSignalBlocker quiet(m_copiesList);
        m_copiesList->clear();
        const Translator &words = context().translator;
        const bool schoolWords = !words.hasOwnWords(kPagesCount) &&
                                 (words.hasOwnWords(kPageWord) || words.hasOwnWords(kPagesWord));
        for (int n = 1; n <= kMostCopies; ++n) {
            const QString label = (n == 1 ? m_pageSingular : m_pagePlural)->text();
            m_copiesList->addItem(schoolWords ? QLocale().toString(n) + QLatin1Char(' ') + label
                                              : context().trCount(kPagesCount, n),
                                  n);
        }
        m_copiesList->setCurrentIndex(0);
    }
    m_copies = 1;
    const bool copiesShown = context().settings.showCopiesChoice && !m_hidesCopies;
    m_copiesList->setVisible(copiesShown);
    m_copiesCaption->setVisible(copiesShown);
    updatePaperWarning();
}

void PrintDialog::choosePrinter(const QString &name)
{
    if (!m_printers.deviceNames().contains(name))
        return;
    m_printer = name;
    context().settings.printerName = name;
    m_printerCaption->setText(name);
    const int index = m_printerList->findText(name);
    if (index != m_printerList->currentIndex()) {
        const QSignalBlocker quiet(m_printerList);
        m_printerList->setCurrentIndex(index);
    }
    updatePaperWarning();
}

void PrintDialog::updatePaperWarning()
{
    bool warn = false;
    if (context().settings.warnIfNotA4 && !m_printer.isEmpty()) {
        const std::unique_ptr<PrintDevice> device = m_printers.openDevice(m_printer);
        warn = device && paperIsNotA4(device->paperSize());
    }
    m_paperWarning->setVisible(warn);
}

PrintChoice PrintDialog::choice() const
{
    return {m_printer, m_copies};
}

void PrintDialog::okPressed()
{
    m_copies =
        m_copiesList->isVisibleTo(this) ? std::max(1, m_copiesList->currentData().toInt()) : 1;
    OwnDialog::okPressed();
}

} // namespace quillora
