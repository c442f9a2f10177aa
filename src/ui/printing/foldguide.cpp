#include "ui/printing/foldguide.h"

#include "ui/kit/looks.h"

#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

#include <algorithm>

namespace quillora {

namespace {

constexpr int kPictureMargin = 14;
constexpr int kNumberDiameter = 30;

QLabel *makeText(const QString &objectName, const QString &text, int pixels, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(objectName);
    label->setFont(looks::childFont(pixels, true));
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    return label;
}

// The point the moving part's centre comes to: mirrored across the fold.
QPointF mirroredAcross(const QLineF &fold, QPointF point)
{
    if (qFuzzyCompare(fold.y1(), fold.y2()))
        return {point.x(), 2 * fold.y1() - point.y()};
    return {2 * fold.x1() - point.x(), point.y()};
}

void drawArrow(QPainter &painter, QPointF from, QPointF to, QPointF bend, bool behind)
{
    QPen pen(looks::kSkyDark, 4, behind ? Qt::DashLine : Qt::SolidLine, Qt::RoundCap);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    QPainterPath path(from);
    path.quadTo(bend, to);
    painter.drawPath(path);
    // The head points along the curve's last stretch.
    const QLineF back = QLineF(to, bend).unitVector();
    const QPointF along = (back.p2() - back.p1()) * 12;
    const QPointF side(-along.y() * 0.6, along.x() * 0.6);
    painter.setPen(Qt::NoPen);
    painter.setBrush(looks::kSkyDark);
    painter.drawPolygon(QPolygonF({to, to + along + side, to + along - side}));
}

} // namespace

FoldGuide::FoldGuide(LeafletStyle style, QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("foldGuide"));
    const LeafletPrintLayout layout = leafletPrintLayout(style);
    const QVector<FoldStep> steps = leafletFoldSteps(layout);

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(6);
    column->addWidget(makeText(QStringLiteral("foldTitleLabel"),
                               QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "How to fold")),
                               looks::kControlPixels + 4, this));
    auto *row = new QGridLayout;
    row->setHorizontalSpacing(16);
    for (int i = 0; i < steps.size(); ++i) {
        auto *picture = new QLabel(this);
        picture->setObjectName(QStringLiteral("foldStepPic%1").arg(i));
        picture->setPixmap(QPixmap::fromImage(stepPicture(steps[i], i + 1)));
        picture->setFixedSize(kPictureSize);
        auto *sentence = makeText(QStringLiteral("foldStepText%1").arg(i), stepSentence(steps[i]),
                                  looks::kControlPixels - 2, this);
        // Wide enough for two lines, so the dialog still fits a 768-pixel-high screen.
        sentence->setFixedWidth(kPictureSize.width() + 130);
        sentence->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        row->addWidget(picture, 0, i, Qt::AlignHCenter);
        row->addWidget(sentence, 1, i, Qt::AlignHCenter | Qt::AlignTop);
    }
    column->addLayout(row);
    if (layout.flip != FlipEdge::None)
        column->addWidget(makeText(
            QStringLiteral("foldFlipNote"),
            QStringLiteral(QT_TRANSLATE_NOOP(
                "Quillora", "Print on both sides, turning the sheet over on its short edge.")),
            looks::kControlPixels - 4, this));
    // The pages sit exactly between the folds only at full size.
    column->addWidget(
        makeText(QStringLiteral("foldSizeNote"),
                 QStringLiteral(QT_TRANSLATE_NOOP(
                     "Quillora", "Leaflets always print at full size, so that the folds meet.")),
                 looks::kControlPixels - 4, this));
}

QString FoldGuide::stepSentence(const FoldStep &step)
{
    switch (step.movingEdge()) {
    case Qt::TopEdge:
        return QStringLiteral(
            QT_TRANSLATE_NOOP("Quillora", "Fold the top half back, behind the sheet."));
    case Qt::BottomEdge:
        return QStringLiteral(
            QT_TRANSLATE_NOOP("Quillora", "Fold the bottom half back, behind the sheet."));
    case Qt::RightEdge:
        return QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Fold the right side in."));
    case Qt::LeftEdge:
        break;
    }
    return QStringLiteral(
        QT_TRANSLATE_NOOP("Quillora", "Fold the left side over. The cover is now on top."));
}

QImage FoldGuide::stepPicture(const FoldStep &step, int number, QSize size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    // The paper as large as the picture allows, room left for the number and the arrow.
    const QRectF room =
        QRectF(QPointF(0, 0), QSizeF(size))
            .adjusted(kPictureMargin + 8, kPictureMargin, -kPictureMargin, -kPictureMargin);
    const double scale =
        std::min(room.width() / step.paperMm.width(), room.height() / step.paperMm.height());
    const QSizeF drawn = step.paperMm.size() * scale;
    const QPointF corner = room.center() - QPointF(drawn.width(), drawn.height()) / 2;
    const auto place = [&](QPointF mm) { return corner + (mm - step.paperMm.topLeft()) * scale; };
    const auto placeRect = [&](const QRectF &mm) {
        return QRectF(place(mm.topLeft()), place(mm.bottomRight()));
    };

    painter.setPen(QPen(looks::kInk, 3));
    painter.setBrush(looks::kWhite);
    painter.drawRect(placeRect(step.paperMm));
    QColor moving = looks::kSunshine;
    moving.setAlpha(160);
    painter.setPen(Qt::NoPen);
    painter.setBrush(moving);
    painter.drawRect(placeRect(step.movingMm).adjusted(1.5, 1.5, -1.5, -1.5));
    painter.setPen(QPen(looks::kOrange, 3, Qt::DashLine));
    painter.drawLine(QLineF(place(step.foldMm.p1()), place(step.foldMm.p2())));

    const QPointF from = place(step.movingMm.center());
    const QPointF to = place(mirroredAcross(step.foldMm, step.movingMm.center()));
    const QPointF onFold = (from + to) / 2;
    // The arrow bows away from the paper's middle, the way the part swings up and over.
    const QPointF outward = step.move == FoldMove::Behind ? QPointF(drawn.width() * 0.35, 0)
                                                          : QPointF(0, -drawn.height() * 0.35);
    drawArrow(painter, from, to, onFold + outward, step.move == FoldMove::Behind);

    painter.setPen(Qt::NoPen);
    painter.setBrush(looks::kSky);
    const QRectF badge(2, 2, kNumberDiameter, kNumberDiameter);
    painter.drawEllipse(badge);
    painter.setPen(looks::kWhite);
    painter.setFont(looks::childFont(20, true));
    painter.drawText(badge, Qt::AlignCenter, QString::number(number));
    return image;
}

} // namespace quillora
