// Draws an SVG icon into a square PNG of the given size, for the desktop's icon theme:
//   quillora_render_icon IN.svg OUT.png SIZE
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    bool sized = false;
    const int size = args.size() == 4 ? args.at(3).toInt(&sized) : 0;
    if (!sized || size <= 0) {
        std::fputs("usage: quillora_render_icon IN.svg OUT.png SIZE\n", stderr);
        return 2;
    }
    QSvgRenderer svg(args.at(1));
    if (!svg.isValid()) {
        std::fprintf(stderr, "quillora_render_icon: %s is not a picture\n", qPrintable(args.at(1)));
        return 1;
    }
    QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    svg.render(&painter);
    painter.end();
    if (!icon.save(args.at(2), "PNG")) {
        std::fprintf(stderr, "quillora_render_icon: %s could not be written\n",
                     qPrintable(args.at(2)));
        return 1;
    }
    return 0;
}
