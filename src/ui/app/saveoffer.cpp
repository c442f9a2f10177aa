#include "ui/app/saveoffer.h"

#include <QKeyEvent>

namespace quillora {

SaveOffer::SaveOffer(AppContext &context, QWidget *parent)
    : OwnDialog(context, QStringLiteral("SaveOffer"), QStringLiteral("Save"),
                QStringLiteral("Save?"), parent)
{
    addCloseButton(QStringLiteral("unloadFormBut"));
}

QString SaveOffer::ask(AppContext &context, QWidget *parent)
{
    SaveOffer offer(context, parent);
    offer.exec();
    return context.dialogAnswer;
}

void SaveOffer::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Y:
        okPressed();
        return;
    case Qt::Key_N:
        // An answer left over from "Exit?" would otherwise read as "save".
        cancelPressed();
        return;
    default:
        OwnDialog::keyPressEvent(event);
    }
}

} // namespace quillora
