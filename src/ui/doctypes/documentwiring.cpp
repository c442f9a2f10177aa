#include "ui/doctypes/documentwiring.h"

#include "ui/document/documentwindow.h"
#include "ui/doctypes/hintbox.h"
#include "ui/doctypes/presentationcontroller.h"
#include "ui/doctypes/templatesheetcontroller.h"
#include "ui/files/filecontroller.h"
#include "ui/files/progresssnapshots.h"
#include "ui/handling/dividerhandlecontroller.h"
#include "ui/handling/objectstripcontroller.h"
#include "ui/handling/paintpermissioncontroller.h"
#include "ui/handling/selectionframecontroller.h"
#include "ui/pictures/bordereditor.h"
#include "ui/pictures/paintingcontroller.h"
#include "ui/pictures/picturemenucontroller.h"
#include "ui/printing/printcontroller.h"
#include "ui/text/readaloudcontroller.h"
#include "ui/text/textcontroller.h"
#include "ui/undo/undocontroller.h"

namespace quillora {

DocumentControllers attachControllers(AppContext &context, DocumentWindow &window,
                                      const DocumentServices &services)
{
    if (services.files)
        services.files->attach(&window);
    auto *undo = new UndoController(context, window);
    if (services.files) {
        QObject::connect(services.files, &FileController::documentOpened, undo,
                         &UndoController::updateButtons);
    }
    auto *painting = new PaintingController(context, window, *undo);
    // The picture menu, Ctrl+C / Ctrl+V and picture import.
    auto *pictureMenu =
        new PictureMenuController(context, window, *undo, *painting, services.pictureMenu());
    auto *text = new TextController(context, window, *undo, services.keys);
    QObject::connect(painting, &PaintingController::paintColourChosen, text,
                     &TextController::colourSelectedText);
    // "My layout" pages: the selection frame, the icon strip and painting on imported pictures.
    auto *selection = new SelectionFrameController(context, window, *undo, services.pictures);
    auto *strip = new ObjectStripController(context, window, *undo);
    QObject::connect(selection, &SelectionFrameController::draggedOffPage, strip,
                     &ObjectStripController::takeOffPage);
    QObject::connect(strip, &ObjectStripController::objectsChanged, selection,
                     &SelectionFrameController::syncFrame);
    new PaintPermissionController(context, window, *selection->frame());
    auto *printing = new PrintController(context, services.printers, &window);
    printing->attach(&window);
    auto *snapshots = new ProgressSnapshots(context, window);
    new WebcamController(context, window, *undo, services.makeCamera);
    auto *sheet = new TemplateSheetController(context, window);
    QObject::connect(sheet, &TemplateSheetController::templateSwitched, undo,
                     &UndoController::updateButtons);
    QObject::connect(undo, &UndoController::restored, sheet,
                     &TemplateSheetController::redrawPreview);
    // The page border and its editor beside the page.
    auto *border = new BorderEditor(context, window, *undo, *painting);
    QObject::connect(border, &BorderEditor::contextMenuRequested, pictureMenu,
                     &PictureMenuController::showMenuForBorder);
    QObject::connect(pictureMenu, &PictureMenuController::borderPictureChanged, border,
                     &BorderEditor::showNewPicture);
    // Divider handles, presentation typing and the palette hint.
    new DividerHandleController(context, window, *undo);
    new PresentationController(context, window, *undo);
    auto *hint = new PaletteHint(context, window);
    QObject::connect(painting, &PaintingController::paintColourChosen, hint,
                     &PaletteHint::colourChosen);
    new ReadAloudController(context, window, services.voice);
    const DocumentControllers controllers{undo, painting, text, border, printing, snapshots};
    window.controllersAttached(controllers);
    return controllers;
}

} // namespace quillora
