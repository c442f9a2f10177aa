#include "core/doctypes/thumbnailsamples.h"

#include "core/printing/pageborder.h"

#include <QFileInfo>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <array>
#include <cmath>

namespace quillora {

namespace {

// Words a child might write, given out to the empty texts in turn.
const std::array<const char *, 8> kSampleWords = {
    "My cat", "Happy birthday!",   "I love my dog", "Sunny day", "Our trip",
    "Sam",    "The best day ever", "My family",
};
const char *const kSampleStory = "We went to the park and fed the ducks. It was sunny!";

// The band colours of the sample border, bright against a white page.
const std::array<QColor, 6> kRainbow = {QColor(0xE5, 0x39, 0x35), QColor(0xFB, 0x8C, 0x00),
                                        QColor(0xFD, 0xD8, 0x35), QColor(0x43, 0xA0, 0x47),
                                        QColor(0x1E, 0x88, 0xE5), QColor(0x8E, 0x24, 0xAA)};

void fillSky(QPainter &painter, const QRectF &area, QColor top, QColor bottom)
{
    QLinearGradient sky(area.topLeft(), area.bottomLeft());
    sky.setColorAt(0, top);
    sky.setColorAt(1, bottom);
    painter.fillRect(area, sky);
}

// Each scene draws into a 100 x 100 square centred in the picture; its background fills all.
void drawHouseInTheSun(QPainter &p)
{
    p.setBrush(QColor(0xFF, 0xD5, 0x4F));
    p.drawEllipse(QPointF(80, 20), 12, 12);
    p.setBrush(QColor(0x66, 0xBB, 0x6A));
    p.drawEllipse(QRectF(-40, 70, 180, 70));
    p.setBrush(QColor(0xE5, 0x39, 0x35));
    p.drawRect(QRectF(22, 48, 40, 32));
    p.setBrush(QColor(0x6D, 0x4C, 0x41));
    p.drawPolygon(QPolygonF({QPointF(16, 50), QPointF(42, 26), QPointF(68, 50)}));
    p.setBrush(QColor(0xFF, 0xF5, 0x9D));
    p.drawRect(QRectF(28, 55, 10, 10));
    p.setBrush(QColor(0x5D, 0x40, 0x37));
    p.drawRect(QRectF(45, 60, 10, 20));
}

void drawCat(QPainter &p)
{
    const QColor fur(0xFB, 0x8C, 0x00);
    p.setBrush(fur);
    p.drawPolygon(QPolygonF({QPointF(22, 40), QPointF(26, 10), QPointF(46, 28)}));
    p.drawPolygon(QPolygonF({QPointF(78, 40), QPointF(74, 10), QPointF(54, 28)}));
    p.drawEllipse(QPointF(50, 55), 34, 30);
    p.setBrush(QColor(0x21, 0x21, 0x21));
    p.drawEllipse(QPointF(38, 50), 5, 7);
    p.drawEllipse(QPointF(62, 50), 5, 7);
    p.setBrush(QColor(0xF0, 0x62, 0x92));
    p.drawPolygon(QPolygonF({QPointF(45, 62), QPointF(55, 62), QPointF(50, 68)}));
    p.setPen(QPen(QColor(0x4E, 0x34, 0x2E), 1.5, Qt::SolidLine, Qt::RoundCap));
    for (int side : {-1, 1}) {
        p.drawLine(QPointF(50 + side * 10, 66), QPointF(50 + side * 34, 60));
        p.drawLine(QPointF(50 + side * 10, 68), QPointF(50 + side * 34, 70));
    }
}

void drawFlower(QPainter &p)
{
    p.setPen(QPen(QColor(0x38, 0x8E, 0x3C), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(50, 45), QPointF(50, 98));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x66, 0xBB, 0x6A));
    p.drawEllipse(QPointF(38, 78), 12, 5);
    p.setBrush(QColor(0xEC, 0x40, 0x7A));
    for (int i = 0; i < 6; ++i) {
        const double angle = i * M_PI / 3;
        p.drawEllipse(QPointF(50 + 16 * std::cos(angle), 36 + 16 * std::sin(angle)), 11, 11);
    }
    p.setBrush(QColor(0xFF, 0xD5, 0x4F));
    p.drawEllipse(QPointF(50, 36), 10, 10);
}

void drawFish(QPainter &p)
{
    p.setBrush(QColor(0xFF, 0x70, 0x43));
    p.drawPolygon(QPolygonF({QPointF(70, 50), QPointF(92, 32), QPointF(92, 68)}));
    p.drawEllipse(QPointF(46, 50), 30, 20);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(30, 45), 6, 6);
    p.setBrush(QColor(0x21, 0x21, 0x21));
    p.drawEllipse(QPointF(29, 45), 3, 3);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::white, 2));
    p.drawEllipse(QPointF(16, 22), 4, 4);
    p.drawEllipse(QPointF(24, 12), 3, 3);
}

void drawRainbow(QPainter &p)
{
    p.setBrush(Qt::NoBrush);
    for (std::size_t band = 0; band < kRainbow.size(); ++band) {
        const double radius = 44 - 6.0 * band;
        p.setPen(QPen(kRainbow[band], 6.5, Qt::SolidLine, Qt::FlatCap));
        p.drawArc(QRectF(50 - radius, 78 - radius, 2 * radius, 2 * radius), 0, 180 * 16);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    for (double x : {8.0, 92.0}) {
        p.drawEllipse(QPointF(x, 78), 12, 9);
        p.drawEllipse(QPointF(x + (x < 50 ? 10 : -10), 82), 10, 7);
    }
}

struct Scene {
    QColor skyTop;
    QColor skyBottom;
    void (*draw)(QPainter &);
};

const std::array<Scene, kSamplePictureCount> kScenes = {{
    {QColor(0x81, 0xD4, 0xFA), QColor(0xE1, 0xF5, 0xFE), drawHouseInTheSun},
    {QColor(0xFF, 0xF9, 0xC4), QColor(0xFF, 0xEC, 0xB3), drawCat},
    {QColor(0xE8, 0xF5, 0xE9), QColor(0xC8, 0xE6, 0xC9), drawFlower},
    {QColor(0x4F, 0xC3, 0xF7), QColor(0x02, 0x88, 0xD1), drawFish},
    {QColor(0x90, 0xCA, 0xF9), QColor(0xE3, 0xF2, 0xFD), drawRainbow},
}};

// Diagonal rainbow stripes, as if a child had painted the border in bands: `across` of them
// over the picture's shorter side.
QImage sampleBorderPicture(const QSize &size, double across)
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(kRainbow[0]);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    const double stripe = std::max(4.0, std::min(size.width(), size.height()) / across);
    const int count = int((size.width() + size.height()) / stripe) + 2;
    for (int i = 0; i < count; ++i) {
        painter.setBrush(kRainbow[std::size_t(i) % kRainbow.size()]);
        const double x = i * stripe - size.height();
        painter.drawPolygon(
            QPolygonF({QPointF(x, size.height()), QPointF(x + stripe, size.height()),
                       QPointF(x + stripe + size.height(), 0), QPointF(x + size.height(), 0)}));
    }
    return picture;
}

// Where a template starts in the samples, from its file name, so that the thumbnails of a
// folder differ from each other yet come out the same on every build.
int sampleStart(const QString &layoutPath)
{
    int start = 0;
    for (QChar c : QFileInfo(layoutPath).completeBaseName())
        start += c.unicode();
    return start;
}

} // namespace

QImage samplePicture(int index, const QSize &size)
{
    if (size.isEmpty())
        return {};
    const Scene &scene = kScenes[std::size_t(std::abs(index) % kSamplePictureCount)];
    QImage picture(size, QImage::Format_RGB32);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    fillSky(painter, picture.rect(), scene.skyTop, scene.skyBottom);
    const double side = std::min(size.width(), size.height());
    painter.translate((size.width() - side) / 2, (size.height() - side) / 2);
    painter.scale(side / 100, side / 100);
    painter.setPen(Qt::NoPen);
    scene.draw(painter);
    return picture;
}

void fillWithSamples(PageModel &page)
{
    const int start = sampleStart(page.layoutPath);
    int pictures = start;
    for (PictureBoxModel &box : page.pictureBoxes) {
        if (box.visible && box.image.isNull())
            box.image = samplePicture(pictures, box.geometry.size());
        if (box.visible)
            ++pictures;
    }
    auto words = std::size_t(start);
    for (TextBoxModel &box : page.textBoxes) {
        if (box.visible && (box.text.isEmpty() || box.text == kPlaceholderText))
            box.text = QString::fromUtf8(kSampleWords[words++ % kSampleWords.size()]);
    }
    for (RichTextBoxModel &box : page.richTextBoxes) {
        if (box.visible && box.rtf.isEmpty() && box.plainText == kPlaceholderText)
            box.plainText = QString::fromUtf8(kSampleStory);
    }
    if (page.border.type != BorderType::None && page.border.picture.isNull()) {
        const QSize size = borderPictureSize(page.border, page.pageRect.size());
        if (!size.isEmpty())
            // A pattern repeats a small tile: a few wide bands read better than many thin ones.
            page.border.picture =
                sampleBorderPicture(size, page.border.type == BorderType::Pattern ? 2.5 : 12.0);
    }
}

} // namespace quillora
