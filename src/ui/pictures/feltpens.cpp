#include "ui/pictures/feltpens.h"

#include "ui/kit/fingerinput.h"
#include "ui/kit/looks.h"
#include "ui/pictures/paletteart.h"
#include "ui/pictures/pressarea.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace quillora {

namespace {

// One part of a pen (the pen itself, its lid, its shine): draws itself with a paint function
// and reports presses; the shine and end line let presses through to the pen below.
class PenPart : public QWidget {
public:
    using Painter = std::function<void(QPainter &, const QRect &)>;
    using PressHandler = std::function<void(Qt::MouseButton)>;

    PenPart(const QString &name, QWidget *parent, Painter paint, PressHandler press = {})
        : QWidget(parent), m_paint(std::move(paint)), m_press(std::move(press))
    {
        setObjectName(name);
        if (!m_press)
            setAttribute(Qt::WA_TransparentForMouseEvents);
        else
            setCursor(Qt::PointingHandCursor);
        if (m_press)
            FingerInput::takeFingers(*this);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        m_paint(painter, rect());
    }
    void mousePressEvent(QMouseEvent *event) override
    {
        if (m_press)
            m_press(event->button());
        event->accept();
    }

private:
    Painter m_paint;
    PressHandler m_press;
};

} // namespace

FeltPens::FeltPens(PaintState &state, QWidget *parent) : QWidget(parent), m_state(state)
{
    setObjectName(QStringLiteral("FeltPens"));
    setAccessibleName(QCoreApplication::translate("Quillora", "Felt pens"));
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, looks::kCream);
    setPalette(colours);

    for (int i = 0; i < kFeltPenCount; ++i) {
        auto press = [this, i](Qt::MouseButton button) { pressPen(i, button); };
        m_pens.append(new PressArea(
            QStringLiteral("feltPen%1").arg(i), this,
            [this, i](QPainter &p, const QRect &) {
                const QRect band = penBand(i).translated(-m_pens[i]->pos());
                // The open pen glows, so the colour in use is seen at a glance.
                if (!m_column.lidClosed(i)) {
                    p.setRenderHint(QPainter::Antialiasing);
                    p.setPen(Qt::NoPen);
                    p.setBrush(looks::kSunshine);
                    p.drawRoundedRect(QRectF(band).adjusted(0, 0.5, 0, -0.5), band.height() / 2.0,
                                      band.height() / 2.0);
                }
                paletteart::drawFeltPenBody(p, band, m_column.penColour(i));
            },
            press));
        m_shines.append(
            new PenPart(QStringLiteral("clearFelt%1").arg(i), this,
                        [](QPainter &p, const QRect &r) { paletteart::drawFeltPenShine(p, r); }));
        m_lids.append(new PenPart(
            QStringLiteral("Lid%1").arg(i), this,
            [this, i](QPainter &p, const QRect &r) {
                paletteart::drawFeltPenLid(p, r, m_column.penColour(i));
            },
            press));
        m_endLines.append(
            new PenPart(QStringLiteral("endPenHider%1").arg(i), this,
                        [](QPainter &p, const QRect &r) { p.fillRect(r, looks::kCream); }));
        m_pens[i]->installEventFilter(this);
        m_lids[i]->installEventFilter(this);
    }
    resize(kPaintToolsPanelWidthPx, kFeltPenCount * 32);
    drawPens();
}

void FeltPens::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    drawPens();
}

bool FeltPens::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove &&
        type != QEvent::MouseButtonRelease)
        return false;
    auto *part = static_cast<QWidget *>(watched);
    const auto *mouse = static_cast<QMouseEvent *>(event);
    const int index = std::max(m_pens.indexOf(part), m_lids.indexOf(part));
    const QPoint at = part->mapTo(this, mouse->position().toPoint());
    if (type == QEvent::MouseButtonPress && mouse->button() == Qt::LeftButton)
        emit leftPressStarted(index, at);
    else if (type == QEvent::MouseMove && mouse->buttons().testFlag(Qt::LeftButton))
        emit leftPressMoved(index, at);
    else if (type == QEvent::MouseButtonRelease && mouse->button() == Qt::LeftButton)
        emit leftPressEnded(index);
    return false;
}

void FeltPens::feltChoseColour(int index)
{
    m_column.choseColour(index);
    showLids();
}

void FeltPens::closeCurrentLid()
{
    m_column.closeCurrentLid();
    showLids();
}

void FeltPens::openCurrentLid()
{
    m_column.openCurrentLid();
    showLids();
}

void FeltPens::setPenSize(int size)
{
    m_column.setPenSize(size);
    drawPens();
}

void FeltPens::setColPalette(int strip)
{
    m_column.setStrip(strip);
    drawPens();
}

QRect FeltPens::penCell(int index) const
{
    if (m_grid.columns == 1)
        return QRect(0, m_column.penTop(index), width(), m_column.penHeight());
    return m_grid.cell(index);
}

QRect FeltPens::penBand(int index) const
{
    // A pen keeps its drawn proportions (a narrow cell draws it somewhat fatter, so it is still
    // seen) in the middle of its cell; the whole cell takes presses.
    const QRect cell = penCell(index);
    const double narrowing = std::min(1.0, 1.5 * cell.width() / kPaintToolsPanelWidthPx);
    const int height = std::min(cell.height(), int(m_column.penHeight() * narrowing));
    return QRect(cell.left(), cell.top() + (cell.height() - height) / 2, cell.width(), height);
}

void FeltPens::drawPens()
{
    for (int i = 0; i < kFeltPenCount; ++i) {
        const QRect band = penBand(i);
        m_pens[i]->setGeometry(penCell(i));
        m_shines[i]->setGeometry(band);
        m_lids[i]->setGeometry(
            paletteart::lidRect(band.width(), band.height()).translated(band.topLeft()));
        const int lineWidth = m_column.endLineWidth();
        // The end line stands at its drawn place, or on the last row of a shorter band.
        const int endLine = std::min(m_column.endLineY(), band.height() - 1);
        m_endLines[i]->setGeometry(band.left(), band.top() + endLine - lineWidth + 1, band.width(),
                                   lineWidth);

        const QString name = QCoreApplication::translate(
            "Quillora", paletteart::colourName(m_column.penColour(i)).toUtf8().constData());
        m_pens[i]->setAccessibleName(
            QCoreApplication::translate("Quillora", "%1 felt pen").arg(name));
        m_lids[i]->setAccessibleName(
            QCoreApplication::translate("Quillora", "%1 pen lid").arg(name));
        m_lids[i]->setToolTip(m_pens[i]->accessibleName());
        m_pens[i]->update();
        m_lids[i]->update();
    }
    showLids();
}

void FeltPens::showForScreen(QSize screen)
{
    showFeltPens(m_state, m_column);
    m_grid = feltPenGrid(screen.width(), screen.height(), m_column.penHeight());
    if (m_grid.columns == 1)
        resize(paletteColumnWidth(screen.width(), screen.height()),
               feltPensHeight(screen.height()));
    else
        resize(m_grid.columns * m_grid.cellWidth, m_grid.height());
    drawPens();
    show();
}

void FeltPens::pressPen(int index, Qt::MouseButton button)
{
    if (!pressFeltPen(m_state, m_column, index, button == Qt::RightButton))
        return;
    showLids();
    emit colourChosen(index, m_state.feltRightClick);
}

void FeltPens::showLids()
{
    for (int i = 0; i < kFeltPenCount; ++i) {
        m_lids[i]->setVisible(m_column.lidClosed(i));
        m_pens[i]->update();
    }
}

} // namespace quillora
