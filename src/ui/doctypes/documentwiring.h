#pragma once
// Attaching the controllers to a document window: undo, painting, the picture menu, text,
// object handling, printing, the webcam, the template column, the border, divider handles,
// presentation typing, the palette hint, the progress pictures and reading aloud. The program and
// the tests wire windows alike.

#include "ui/pictures/picturemenucontroller.h"
#include "ui/pictures/webcamcontroller.h"

#include <functional>

namespace quillora {

class AppContext;
class BorderEditor;
class DocumentWindow;
class FileController;
class KeySender;
class PaintingController;
class PictureLoader;
class PrintController;
class ProgressSnapshots;
class PrinterProvider;
class TextController;
class UndoController;
class Voice;

// What reaches outside the program, handed in by the application (the system's) or a test (fakes).
struct DocumentServices {
    PrinterProvider &printers;
    PictureLoader &pictures;
    KeySender &keys; // types the on-screen keyboard's keys
    WebcamController::CameraFactory makeCamera;
    // The picture menu's clipboard and picture files (and questions, the windows' own if
    // null), made for each window.
    std::function<PictureMenuServices()> pictureMenu;
    FileController *files = nullptr; // lives for the whole run; attaches to each window
    Voice *voice = nullptr;          // reads aloud; null where the machine has none
};

// The controllers others talk to; all of them are children of the window and go with it.
struct DocumentControllers {
    UndoController *undo = nullptr;
    PaintingController *painting = nullptr;
    TextController *text = nullptr;
    BorderEditor *border = nullptr;
    PrintController *printing = nullptr;
    ProgressSnapshots *snapshots = nullptr;
};

DocumentControllers attachControllers(AppContext &context, DocumentWindow &window,
                                      const DocumentServices &services);

} // namespace quillora
