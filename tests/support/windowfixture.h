#pragma once
// A single-page window on a 1280 x 800 screen with every controller attached as the program
// attaches them, for the tests of the window's controllers.

#include "core/app/appcontext.h"
#include "core/printing/imageprintdevice.h"
#include "platform/camera.h"
#include "platform/pictureloader.h"
#include "ui/app/documentwiring.h"
#include "ui/doctypes/simplepagewindow.h"

#include <memory>

namespace quillora {

struct WindowFixture {
    static Environment screen()
    {
        Environment environment;
        environment.screen.widthPx = 1280;
        environment.screen.heightPx = 800;
        return environment;
    }

    WindowFixture() : context(screen()), window(std::make_unique<SimplePageWindow>(context)) {}

    // Attaches the controllers; the webcam is never opened by these tests.
    void wire()
    {
        controllers = attachControllers(context, *window,
                                        DocumentServices{printers, pictures,
                                                         [] { return std::unique_ptr<Camera>(); }});
    }

    AppContext context;
    ImagePrinterProvider printers;
    FilePictureLoader pictures;
    std::unique_ptr<SimplePageWindow> window;
    DocumentControllers controllers;
};

} // namespace quillora
