// Draws the start screen's thumbnails from the layout templates; run by the build on the
// build tree's copy of the layouts.

#include "core/foundation/fontmapping.h"
#include "core/doctypes/thumbnails.h"

#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    // Thumbnails measure text with the same fonts the program uses.
    quillora::installFontSubstitutions();
    QTextStream err(stderr);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() != 2) {
        err << "usage: quillora_thumbnails LAYOUTS_FOLDER\n";
        return 2;
    }
    const quillora::ThumbnailReport report = quillora::makeLayoutThumbnails(args.at(1));
    for (const QString &failure : report.failed)
        err << "quillora_thumbnails: " << failure << '\n';
    return report.failed.isEmpty() ? 0 : 1;
}
