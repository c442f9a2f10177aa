#pragma once
// A single-page window with every controller attached as the program attaches them, for the
// tests of the window's controllers.

#include "core/app/appcontext.h"
#include "core/printing/imageprintdevice.h"
#include "platform/camera.h"
#include "platform/pictureloader.h"
#include "ui/doctypes/documentwiring.h"
#include "ui/doctypes/simplepagewindow.h"

#include <memory>

namespace quillora {

struct WindowFixture {
    static Environment screen(int widthPx = 1280, int heightPx = 800)
    {
        Environment environment;
        environment.screen.widthPx = widthPx;
        environment.screen.heightPx = heightPx;
        return environment;
    }

    explicit WindowFixture(Environment environment = screen())
        : context(environment), window(std::make_unique<SimplePageWindow>(context))
    {
    }

    // Attaches the controllers. Without a camera factory the webcam never opens.
    void wire(WebcamController::CameraFactory makeCamera = {}, KeySender *keys = nullptr)
    {
        if (!makeCamera)
            makeCamera = [] { return std::unique_ptr<Camera>(); };
        DocumentServices services{printers, pictures, std::move(makeCamera)};
        services.keys = keys;
        controllers = attachControllers(context, *window, services);
    }

    template <typename Controller> Controller *controller() const
    {
        return window->findChild<Controller *>();
    }

    AppContext context;
    ImagePrinterProvider printers;
    FilePictureLoader pictures;
    std::unique_ptr<SimplePageWindow> window;
    DocumentControllers controllers;
};

} // namespace quillora
