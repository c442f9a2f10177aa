#pragma once
// Rendering a work file without showing a window, for teachers' scripts and for tests:
//   quillora --export-png OUT.png FILE.qlr
//   quillora --export-pdf OUT.pdf FILE.qlr
//   quillora --make-thumbnails LAYOUTS_FOLDER
// The page is drawn exactly as the screen and the printer draw it.

#include <QStringList>

class QTextStream;

namespace quillora {

class AppContext;

// The program's arguments (the program name first, as QCoreApplication::arguments() gives
// them). Returns -1 when they ask for no export; otherwise runs it and returns the exit code:
// 0 done, 1 the file or the output failed (the reason written to `errors`, standard error by
// default), 2 the arguments were wrong. Needs a QGuiApplication (fonts) but shows nothing.
int runHeadlessExport(const QStringList &arguments, AppContext &context,
                      QTextStream *errors = nullptr);

} // namespace quillora
