#pragma once
// "There is already a work called 'seaside'. Replace it?": asked before a save through the own
// file dialog would write over an earlier work, with the earlier work's picture so the child
// sees what would go.

#include "ui/kit/owndialog.h"

#include <QImage>

namespace quillora {

class ReplaceDialog : public OwnDialog {
    Q_OBJECT
public:
    ReplaceDialog(AppContext &context, const QString &name, const QImage &preview,
                  QWidget *parent = nullptr);

    // True only for OK: Cancel, the close button and Escape keep the earlier work.
    static bool ask(AppContext &context, const QString &name, const QImage &preview,
                    QWidget *parent = nullptr);

    static QString question(AppContext &context, const QString &name);
};

} // namespace quillora
