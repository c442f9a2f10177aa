#include "ui/app/application.h"

#include "core/app/appcontext.h"
#include "core/app/startup.h"
#include "core/doctypes/headlessexport.h"
#include "platform/printing.h"
#include "platform/qtcamera.h"
#include "platform/systemenvironment.h"
#include "platform/ziparchive.h"
#include "ui/app/shellcontroller.h"
#include "ui/doctypes/hintbox.h"
#include "ui/doctypes/presentationcontroller.h"
#include "ui/doctypes/simplepagewindow.h"
#include "ui/doctypes/templatesheetcontroller.h"
#include "ui/files/filecontroller.h"
#include "ui/handling/dividerhandlecontroller.h"
#include "ui/handling/selectioncontroller.h"
#include "ui/pictures/bordereditor.h"
#include "ui/pictures/paintingcontroller.h"
#include "ui/pictures/picturemenucontroller.h"
#include "ui/pictures/webcamcontroller.h"
#include "ui/printing/printcontroller.h"
#include "ui/text/textcontroller.h"
#include "ui/undo/undocontroller.h"

#include <QApplication>

namespace quillora {

int runApplication(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("quillora"));
    QApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                            .arg(QUILLORA_VERSION_MAJOR)
                                            .arg(QUILLORA_VERSION_MINOR)
                                            .arg(QUILLORA_VERSION_PATCH));
    // The program ends only through its exit sequence, never because a dialog closed last.
    QApplication::setQuitOnLastWindowClosed(false);

    AppContext context(systemEnvironment());
    const StartupResult startup = startUp(context, QApplication::arguments());

    // Teachers and tests export a work file without any window.
    ZipArchiveFormat zip;
    if (const int code = runHeadlessExport(QApplication::arguments(), context, zip); code >= 0)
        return code;

    // "Save as PDF…" asks where the file goes over whichever window is asking.
    SystemPrinterProvider printDevices(
        [&] { return PrintController::askPdfPath(context, QApplication::activeWindow()); });
    ShellController shell(context, printDevices);
    FileController files(context, zip);
    shell.setSaveWork([&] { return files.saveWork(); });
    shell.setOpenWorkFile([&](const QString &path) { return files.openFromCommandLine(path); });
    QObject::connect(&shell, &ShellController::leaving, [&] { FileController::removeStaging(context); });
    // Each document window gets its undo buttons, painting and printing; they live as long as it.
    QObject::connect(&shell, &ShellController::simplePageWindowCreated,
                     [&](SimplePageWindow *window) {
                         files.attach(window);
                         auto *undo = new UndoController(context, *window);
                         QObject::connect(&files, &FileController::documentOpened, undo,
                                          &UndoController::updateButtons);
                         auto *painting = new PaintingController(context, *window, *undo);
                         // The picture menu, Ctrl+C / Ctrl+V and picture import.
                         auto *pictureMenu =
                             new PictureMenuController(context, *window, *undo, *painting);
                         auto *text = new TextController(context, *window, *undo);
                         QObject::connect(painting, &PaintingController::paintColourChosen, text,
                                          &TextController::colourSelectedText);
                         QObject::connect(&shell, &ShellController::optionsApplied, text,
                                          &TextController::applySettings);
                         new SelectionController(context, *window, *undo);
                         auto *printing = new PrintController(context, printDevices, window);
                         printing->attach(window);
                         QObject::connect(&shell, &ShellController::optionsApplied, printing,
                                          &PrintController::applySettings);
                         new WebcamController(context, *window, *undo,
                                              [] { return std::make_unique<QtCamera>(); });
                         auto *sheet = new TemplateSheetController(context, *window);
                         QObject::connect(sheet, &TemplateSheetController::templateSwitched, undo,
                                          &UndoController::updateButtons);
                         QObject::connect(undo, &UndoController::restored, sheet,
                                          &TemplateSheetController::redrawPreview);
                         // The page border and its editor beside the page.
                         auto *border = new BorderEditor(context, *window, *undo, *painting);
                         QObject::connect(border, &BorderEditor::contextMenuRequested, pictureMenu,
                                          &PictureMenuController::showMenuForBorder);
                         QObject::connect(pictureMenu, &PictureMenuController::borderPictureChanged,
                                          border, &BorderEditor::showNewPicture);
                         // Divider handles, presentation typing and the palette hint.
                         new DividerHandleController(context, *window, *undo);
                         new PresentationController(context, *window, *undo);
                         auto *hint = new PaletteHint(context, *window);
                         QObject::connect(painting, &PaintingController::paintColourChosen, hint,
                                          &PaletteHint::colourChosen);
                     });
    shell.begin(startup);
    return QApplication::exec();
}

} // namespace quillora
