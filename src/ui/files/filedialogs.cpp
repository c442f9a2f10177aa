#include "ui/files/filedialogs.h"

#include "core/files/filecommands.h"
#include "ui/kit/looks.h"
#include "ui/kit/messagedialog.h"
#include "ui/kit/saveoffer.h"

#include <QDir>
#include <QFileDialog>

namespace quillora {

namespace {

const QString kPngPattern = QStringLiteral(" (*.png)");
} // namespace

QString WindowFileDialogs::workFileFilter() const
{
    return m_context.tr(QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Quillora Files"))) +
           QStringLiteral(" (*.qlr)");
}

OwnDialogChoice WindowFileDialogs::askOwn(FileDirection direction,
                                          const WorkFileDialog::PreviewLoader &previews,
                                          const WorkFileDialog::StepsLoader &steps, QWidget *parent)
{
    WorkFileDialog form(m_context, direction, previews, parent);
    form.setStepsLoader(steps);
    const DialogAnswer answer = form.waitForAnswer();
    OwnDialogChoice choice;
    choice.name = form.chosenName();
    if (form.moreRequested())
        choice.answer = OwnDialogChoice::Answer::More;
    else if (answer == DialogAnswer::Yes)
        choice.answer = OwnDialogChoice::Answer::Yes;
    return choice;
}

std::optional<StandardSaveChoice> WindowFileDialogs::askStandardSave(const QString &folder,
                                                                     const QString &proposedName,
                                                                     bool offerPng, QWidget *parent)
{
    QStringList filters{workFileFilter()};
    const QString pngFilter =
        m_context.tr(QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "PNG file"))) + kPngPattern;
    if (offerPng)
        filters.append(pngFilter);
    QFileDialog dialog(parent,
                       m_context.tr(QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Save Work"))),
                       QDir(folder).filePath(proposedName), filters.join(QStringLiteral(";;")));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    looks::dressFileDialog(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    StandardSaveChoice choice;
    choice.path = dialog.selectedFiles().constFirst();
    choice.asPng = offerPng && dialog.selectedNameFilter() == pngFilter;
    return choice;
}

std::optional<QString> WindowFileDialogs::askStandardOpen(const QString &folder, QWidget *parent)
{
    QFileDialog dialog(parent,
                       m_context.tr(QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Open Work"))),
                       folder, workFileFilter());
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    looks::dressFileDialog(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

DialogAnswer WindowFileDialogs::offerToSave(QWidget *parent)
{
    return SaveOffer::ask(m_context, parent);
}

void WindowFileDialogs::showMessage(const QString &message, const QString &detail, QWidget *parent)
{
    MessageDialog::tell(m_context, message, detail, parent);
}

} // namespace quillora
