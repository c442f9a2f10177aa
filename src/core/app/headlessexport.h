#pragma once
// Rendering a work file without showing a window, for teachers' scripts and for tests:
//   quillora --export-png OUT.png FILE.qlr
//   quillora --export-pdf OUT.pdf FILE.qlr
//   quillora --make-thumbnails LAYOUTS_FOLDER
//   quillora --thumbnail SIZE FILE.qlr OUT.png   (for file managers)
//   quillora --export-steps FOLDER FILE.qlr      (the work's progress pictures)
// The page is drawn exactly as the screen and the printer draw it.

#include "core/layout/pagemodel.h"

#include <QStringList>

class QTextStream;

namespace quillora {

class AppContext;
class ArchiveFormat;

// Whether the arguments ask for one of the exports above (then no display is needed).
bool asksForHeadlessExport(const QStringList &arguments);

// The program's arguments (the program name first, as QCoreApplication::arguments() gives
// them). Returns -1 when they ask for no export; otherwise runs it and returns the exit code:
// 0 done, 1 the file or the output failed (the reason written to `errors`, standard error by
// default), 2 the arguments were wrong. Needs a QGuiApplication (fonts) but shows nothing.
// `zip` reads the work files.
int runHeadlessExport(const QStringList &arguments, AppContext &context, ArchiveFormat &zip,
                      QTextStream *errors = nullptr);

// Writes the page as the PNG export shows it. Kinds whose screen cannot be saved as PNG are
// refused with kNoPngMessage; an earlier file at `path` survives any failure.
inline const QString kNoPngMessage = QStringLiteral(
    QT_TRANSLATE_NOOP("Quillora", "Sorry, this screen cannot be saved as a PNG file."));
[[nodiscard]] bool writePagePng(const PageModel &page, double sheetQuality, const QString &path,
                                QString *error);

} // namespace quillora
