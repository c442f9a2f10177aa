#include "ui/pictures/importquestions.h"

#include "core/app/appcontext.h"
#include "ui/kit/looks.h"
#include "ui/kit/messagedialog.h"
#include "ui/pictures/importchoicedialog.h"

#include <QDir>
#include <QFileDialog>

namespace quillora {

QString importFilter(const QString &picturesCaption, bool withMetafiles)
{
    return picturesCaption + (withMetafiles
                                  ? QStringLiteral(" (*.bmp *.jpg *.gif *.png *.wmf *.emf)")
                                  : QStringLiteral(" (*.bmp *.jpg *.gif *.png)"));
}

std::optional<QString> WindowImportQuestions::askPictureFile(const QString &title,
                                                             const QString &filter,
                                                             const QString &folder, QWidget *parent)
{
    QFileDialog dialog(parent, title, folder, filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(QStringLiteral("bmp"));
    dialog.setOption(QFileDialog::ReadOnly);
    looks::dressFileDialog(dialog);
    // Cameras and older machines write "PHOTO.JPG": the patterns match in any case.
    dialog.setFilter(dialog.filter() & ~QDir::CaseSensitive);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

ImportChoice WindowImportQuestions::askFit(QSize target, const QImage &source, bool alignTopLeft,
                                           QWidget *parent)
{
    return ImportChoiceDialog::ask(m_context, target, source, alignTopLeft, parent);
}

void WindowImportQuestions::tell(const QString &message, const QString &detail, QWidget *parent)
{
    MessageDialog::tell(m_context, message, detail, parent);
}

} // namespace quillora
