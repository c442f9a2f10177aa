#pragma once
// `impOpsForm`: asks how a picture from a file should go into its box. Two previews of the box
// show the picture cropped to fill it and letterboxed to show all of it; pressing either
// preview, its caption or its big button chooses, the close button cancels. The program's own
// frameless dialog, dragged by its top bar.

#include "core/pictures/pictureimport.h"
#include "ui/kit/ownwindow.h"

#include <QImage>
#include <QPoint>
#include <QSize>

class QLabel;

namespace quillora {

class PictureButton;

class ImportChoiceDialog : public OwnWindow {
    Q_OBJECT
public:
    static constexpr int kPreviewLongSide = 200;
    static constexpr QPoint kCropPreviewCentre{130, 212};
    static constexpr QPoint kLetterboxPreviewCentre{368, 212};

    // `target` is the size of the box the picture goes into; `alignTopLeft` as on "My layout".
    ImportChoiceDialog(AppContext &context, QSize target, const QImage &source, bool alignTopLeft,
                       QWidget *parent = nullptr);

    // Shows the dialog and waits for the choice.
    static ImportChoice ask(AppContext &context, QSize target, const QImage &source,
                            bool alignTopLeft, QWidget *parent = nullptr);

    // Cancel until something is chosen.
    ImportChoice choice() const { return m_choice; }

protected:
    void showEvent(QShowEvent *event) override;
    void reject() override;

private:
    void choose(ImportChoice choice);
    void addChoice(ImportChoice choice, const QImage &preview, QPoint centre);

    ImportChoice m_choice = ImportChoice::Cancel;
};

} // namespace quillora
