#pragma once
// Attaching the controllers to a document window: undo, painting, the picture menu, text,
// object handling, printing, the webcam, the template column, the border, divider handles,
// presentation typing and the palette hint. The program and the tests wire windows alike.

#include "ui/pictures/webcamcontroller.h"

namespace quillora {

class AppContext;
class DocumentWindow;
class FileController;
class PrinterProvider;
class ShellController;

struct DocumentServices {
    PrinterProvider &printers;
    WebcamController::CameraFactory makeCamera;
    FileController *files = nullptr;   // lives for the whole run; attaches to each window
    ShellController *shell = nullptr;  // reports new options
};

// The controllers become children of `window` and go with it.
void attachControllers(AppContext &context, DocumentWindow &window,
                       const DocumentServices &services);

} // namespace quillora
