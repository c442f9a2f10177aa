#include "ui/files/replacedialog.h"

#include "ui/kit/looks.h"

#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

namespace quillora {

namespace {
// A whole sentence: smaller than the one-word questions, still a child's size.
constexpr int kQuestionPixels = 32;
} // namespace

ReplaceDialog::ReplaceDialog(AppContext &context, const QString &name, const QImage &preview,
                             QWidget *parent)
    : OwnDialog(context, QStringLiteral("replaceForm"),
                QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Replace")), question(context, name),
                parent)
{
    addCloseButton(QStringLiteral("unloadFormBut"));
    // The sentence holds the name, so it is translated here and never looked up again.
    messageLabel()->setObjectName(QStringLiteral("msgLabelFIXLANG"));
    messageLabel()->setFont(looks::childFont(kQuestionPixels, true));
    auto *picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("replacePrev"));
    picture->setAlignment(Qt::AlignCenter);
    if (!preview.isNull())
        picture->setPixmap(QPixmap::fromImage(preview));
    picture->setVisible(!preview.isNull());
    bodyLayout()->addWidget(picture);
}

QString ReplaceDialog::question(AppContext &context, const QString &name)
{
    return context
        .tr(QStringLiteral(
            QT_TRANSLATE_NOOP("Quillora", "There is already a work called '%1'. Replace it?")))
        .arg(name);
}

bool ReplaceDialog::ask(AppContext &context, const QString &name, const QImage &preview,
                        QWidget *parent)
{
    ReplaceDialog form(context, name, preview, parent);
    return form.waitForAnswer() == DialogAnswer::Yes;
}

} // namespace quillora
