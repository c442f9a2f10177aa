// Many hands on one whiteboard: ten fingers drawing with the widest felt pen on a picture the
// size of a 1920 x 1080 screen, each reporting at 120 Hz. One iteration is one 60 Hz frame's
// work: two segments of every stroke painted and the dirty rectangles gathered into the region
// the widget repaints. The goal is a median under 4 ms.

#include "core/pictures/picturepainting.h"

#include <benchmark/benchmark.h>

#include <QRegion>

#include <cmath>

using namespace quillora;

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;
constexpr int kFingers = 10;
constexpr int kReportsPerFrame = 2; // 120 Hz reports in a 60 Hz frame
constexpr int kWidestPen = 32;

PageModel screenSizedPage()
{
    PageModel page;
    PictureBoxModel picture;
    picture.geometry = QRect(0, 0, kWidth, kHeight);
    picture.image = QImage(kWidth, kHeight, QImage::Format_RGB32);
    picture.image.fill(Qt::white);
    picture.visible = true;
    page.pictureBoxes.append(picture);
    page.current = {ObjectKind::Picture, 0};
    return page;
}

// Finger f's position after `report` reports: each circles its own part of the picture at a
// brisk child's pace (about 12 pixels a report).
QPoint fingerAt(int finger, int report)
{
    const double angle = report * 0.06 + finger;
    const QPoint centre(kWidth * (finger % 5 + 1) / 6, kHeight * (finger / 5 + 1) / 3);
    return centre + QPoint(int(200 * std::cos(angle)), int(200 * std::sin(angle)));
}

PointerInput at(QPoint position)
{
    return {position, PointerButton::Left, false, false};
}

void BM_TenFingersOneFrame(benchmark::State &state)
{
    PageModel page = screenSizedPage();
    PaintState paint;
    paint.toolSize = kWidestPen;
    RandomSource random;
    PicturePainting painting(paint, random);
    for (int finger = 0; finger < kFingers; ++finger)
        painting.press(page, 0, at(fingerAt(finger, 0)), finger + 1);
    int report = 0;
    for (auto _ : state) {
        QRegion dirty;
        for (int step = 0; step < kReportsPerFrame; ++step) {
            ++report;
            for (int finger = 0; finger < kFingers; ++finger)
                dirty += painting.move(page, 0, at(fingerAt(finger, report)), finger + 1);
        }
        benchmark::DoNotOptimize(dirty);
    }
}
BENCHMARK(BM_TenFingersOneFrame)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

} // namespace
