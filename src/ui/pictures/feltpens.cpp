#include "ui/pictures/feltpens.h"

#include "ui/kit/looks.h"
#include "ui/pictures/paletteart.h"

#include <QMouseEvent>
#include <QPainter>

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
    setAccessibleName(tr("Felt pens"));
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, looks::kCream);
    setPalette(colours);

    for (int i = 0; i < kFeltPenCount; ++i) {
        auto press = [this, i](Qt::MouseButton button) { pressPen(i, button); };
        m_pens.append(new PenPart(
            QStringLiteral("feltPen%1").arg(i), this,
            [this, i](QPainter &p, const QRect &r) {
                // The open pen glows, so the colour in use is seen at a glance.
                if (!m_column.lidClosed(i)) {
                    p.setRenderHint(QPainter::Antialiasing);
                    p.setPen(Qt::NoPen);
                    p.setBrush(looks::kSunshine);
                    p.drawRoundedRect(QRectF(r).adjusted(0, 0.5, 0, -0.5), r.height() / 2.0,
                                      r.height() / 2.0);
                }
                paletteart::drawFeltPenBody(p, r, m_column.penColour(i));
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
    }
    resize(kPaintToolsPanelWidthPx, kFeltPenCount * 32);
    drawPens();
}

void FeltPens::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    drawPens();
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

void FeltPens::drawPens()
{
    const int height = m_column.penHeight();
    for (int i = 0; i < kFeltPenCount; ++i) {
        const QRect band(0, m_column.penTop(i), width(), height);
        m_pens[i]->setGeometry(band);
        m_shines[i]->setGeometry(band);
        m_lids[i]->setGeometry(paletteart::lidRect(width(), height).translated(band.topLeft()));
        const int lineWidth = m_column.endLineWidth();
        m_endLines[i]->setGeometry(0, band.top() + m_column.endLineY() - lineWidth + 1, width(),
                                   lineWidth);

        const QString name = paletteart::colourName(m_column.penColour(i));
        m_pens[i]->setAccessibleName(tr("%1 felt pen").arg(name));
        m_pens[i]->setToolTip(m_pens[i]->accessibleName());
        m_lids[i]->setAccessibleName(tr("%1 pen lid").arg(name));
        m_lids[i]->setToolTip(m_pens[i]->accessibleName());
        m_pens[i]->update();
        m_lids[i]->update();
    }
    showLids();
}

void FeltPens::showForScreen(int screenHeightPx)
{
    showFeltPens(m_state, m_column);
    resize(width(), feltPensHeight(screenHeightPx));
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
