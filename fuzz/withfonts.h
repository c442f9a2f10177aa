#pragma once
// For a target whose code measures text: fonts need a QGuiApplication, made once before the
// first input, on the offscreen platform. Include it from the target's one source file.
#include <QGuiApplication>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}
