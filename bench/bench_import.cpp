// Importing a camera photo into a picture box the size of an A4 page on a whiteboard screen:
// reading the 4000 × 3000 JPEG, then drawing it cropped and letterboxed into the box. A child
// waits for this between choosing the fit and seeing the picture.

#include "core/pictures/pictureimport.h"
#include "platform/pictureloader.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace quillora;

namespace {

// About the size of an A4 page fitted to a 1080-line screen.
const QSize kBoxSize(680, 962);

// A photo-like picture: smooth colour with fine detail, so the JPEG is not trivially small.
QString writePhoto(const QTemporaryDir &folder)
{
    QImage photo(4000, 3000, QImage::Format_RGB32);
    for (int y = 0; y < photo.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(photo.scanLine(y));
        for (int x = 0; x < photo.width(); ++x)
            line[x] = qRgb((x / 16) % 256, (y / 12) % 256, ((x ^ y) * 7) % 256);
    }
    const QString path = folder.filePath(QStringLiteral("photo.jpg"));
    photo.save(path, "JPEG", 90);
    return path;
}

PageModel a4Page()
{
    PageModel page;
    page.pageRect = QRect(QPoint(0, 0), kBoxSize);
    PictureBoxModel box;
    box.geometry = QRect(QPoint(0, 0), kBoxSize);
    box.image = QImage(kBoxSize, QImage::Format_RGB32);
    box.image.fill(Qt::white);
    box.visible = true;
    page.pictureBoxes.append(box);
    return page;
}

void BM_ImportPhotoIntoA4Box(benchmark::State &state)
{
    QTemporaryDir folder;
    const QString path = writePhoto(folder);
    PageModel page = a4Page();
    const PictureTarget target{ObjectKind::Picture, 0};
    const auto fit = ImportFit(state.range(0));
    FilePictureLoader loader;
    for (auto _ : state) {
        QImage photo;
        QString error;
        if (!loader.load(path, kBoxSize, &photo, &error)) {
            state.SkipWithError(qPrintable(error));
            break;
        }
        placePictureInto(page, target, photo, fit);
        benchmark::DoNotOptimize(page.pictureBoxes[0].image.constBits());
    }
}
BENCHMARK(BM_ImportPhotoIntoA4Box)
    ->Arg(int(ImportFit::Crop))
    ->Arg(int(ImportFit::Letterbox))
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace
