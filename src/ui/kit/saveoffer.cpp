#include "ui/kit/saveoffer.h"

#include "ui/kit/picturebutton.h"

#include <QKeyEvent>

namespace quillora {

SaveOffer::SaveOffer(AppContext &context, QWidget *parent)
    : OwnDialog(context, QStringLiteral("SaveOffer"),
                QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Save")),
                QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Save?")), parent)
{
    addCloseButton(QStringLiteral("unloadFormBut"));
    // Throwing the work away must never look like closing the question: it has a bin and says
    // so, while the close cross goes back to the work.
    setCancelPicture(QIcon(QStringLiteral(":/art/dialog/bin.svg")));
    cancelButton()->setCaption(QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Don't keep it")));
    showButtonCaptions(QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Save it")),
                       QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Don't keep it")));
}

DialogAnswer SaveOffer::ask(AppContext &context, QWidget *parent)
{
    SaveOffer offer(context, parent);
    return offer.waitForAnswer();
}

void SaveOffer::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Y:
        okPressed();
        return;
    case Qt::Key_N:
        // "No" goes on without saving, as Cancel does; only the close cross stays.
        cancelPressed();
        return;
    default:
        OwnDialog::keyPressEvent(event);
    }
}

} // namespace quillora
