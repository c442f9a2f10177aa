#pragma once
// For a target whose code measures text: fonts need a QGuiApplication, made once before the
// first input, on the offscreen platform. Include it from the target's one source file.
#include <QGuiApplication>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Never destroyed: at exit Qt's thread storage goes before the application could, and the
    // font cache the application would then free is left behind as a leak of fonts.
    static QGuiApplication *app = new QGuiApplication(*argc, *argv);
    Q_UNUSED(app);
    return 0;
}
