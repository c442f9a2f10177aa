#include "ui/doctypes/simplepagewindow.h"

#include "core/app/appcontext.h"
#include "core/layout/templatereader.h"

namespace quillora {

SimplePageWindow::SimplePageWindow(AppContext &context, QWidget *parent)
    : DocumentWindow(context, kindInfo(DocumentKind::Simple).windowName, parent)
{
}

bool SimplePageWindow::loadTemplate(const QString &path)
{
    QString reason;
    const bool read = readTemplate(path, context().page, pageFitInputs(), &reason);
    translateTemplateWords(context().page, context().translator);
    showPage();
    if (!read)
        emit templateLoadFailed(reason);
    return read;
}

} // namespace quillora
