#include "ui/doctypes/copiessheet.h"

#include "core/printing/copiessheet.h"
#include "ui/kit/looks.h"
#include "ui/kit/picturebutton.h"

#include <QCheckBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

namespace quillora {

namespace {

constexpr int kMarginPx = 12;
constexpr int kButtonSizePx = 64;
constexpr int kScrollHeightPx = 44;
constexpr int kCountHeightPx = 64;
constexpr int kAutoHeightPx = 48;
constexpr int kShadowPx = 5;

// Little pages in a grid on a yellow disc: two for the fewest copies, nine for the most.
QIcon pagesPicture(int columns, int rows)
{
    QPixmap picture(kButtonSizePx, kButtonSizePx);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(looks::kInk, 2));
    painter.setBrush(looks::kSunshine);
    painter.drawEllipse(QRectF(2, 2, kButtonSizePx - 4, kButtonSizePx - 4));
    const QRectF area(14, 14, kButtonSizePx - 28, kButtonSizePx - 28);
    const double gap = 3;
    const double w = (area.width() - gap * (columns - 1)) / columns;
    const double h = (area.height() - gap * (rows - 1)) / rows;
    painter.setBrush(Qt::white);
    painter.setPen(QPen(looks::kSky, 2));
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c)
            painter.drawRect(QRectF(area.left() + c * (w + gap), area.top() + r * (h + gap), w, h));
    return QIcon(picture);
}

} // namespace

SheetPreview::SheetPreview(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("multiPaper"));
    setAccessibleName(QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Sheet of copies")));
    setToolTip(accessibleName());
    setCursor(Qt::PointingHandCursor);
}

void SheetPreview::setSheet(const QImage &sheet)
{
    m_sheet = sheet;
    update();
}

void SheetPreview::paintEvent(QPaintEvent *)
{
    if (m_sheet.isNull())
        return;
    QPainter painter(this);
    const QSize shown =
        m_sheet.size().scaled(size() - QSize(kShadowPx, kShadowPx), Qt::KeepAspectRatio);
    const QRect place(QPoint((width() - kShadowPx - shown.width()) / 2, 0), shown);
    painter.fillRect(place.translated(kShadowPx, kShadowPx), QColor(0x9D, 0xBE, 0xDF));
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(place, m_sheet);
    painter.setPen(QPen(looks::kInk, 1));
    painter.drawRect(place.adjusted(0, 0, -1, -1));
}

void SheetPreview::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QWidget::mouseReleaseEvent(event);
}

CopiesSheetPanel::CopiesSheetPanel(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("copiesPanel"));
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, looks::kCream);
    colours.setColor(QPalette::WindowText, looks::kInk);
    setPalette(colours);

    m_preview = new SheetPreview(this);
    connect(m_preview, &SheetPreview::clicked, this, &CopiesSheetPanel::previewClicked);

    m_fewest =
        new PictureButton(QStringLiteral("fewRepsBut"), pagesPicture(2, 1),
                          QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Fewest copies")), this);
    m_most = new PictureButton(QStringLiteral("LotsRepsBut"), pagesPicture(3, 3),
                               QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Most copies")), this);

    m_scroll = new QScrollBar(Qt::Horizontal, this);
    m_scroll->setObjectName(QStringLiteral("numRepScroll"));
    m_scroll->setToolTip(QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Number of copies")));
    m_scroll->setAccessibleName(m_scroll->toolTip());
    m_scroll->setRange(kFewestSheetCopies, kMostSheetCopies);
    m_scroll->setSingleStep(1);
    m_scroll->setPageStep(1);
    // A fat groove and a big handle; the fewest and most buttons stand in for arrow buttons.
    m_scroll->setStyleSheet(
        QStringLiteral(
            "QScrollBar:horizontal { height: %1px; background: white; border: 3px solid %2;"
            " border-radius: 10px; margin: 0; }"
            "QScrollBar::handle:horizontal { background: %3; min-width: 48px; border-radius: 7px; }"
            "QScrollBar::add-line:horizontal, QScrollBar::sub-line:horizontal { width: 0; }"
            "QScrollBar::add-page:horizontal, QScrollBar::sub-page:horizontal { background: none; "
            "}")
            .arg(kScrollHeightPx)
            .arg(looks::kInk.name(), looks::kSky.name()));
    connect(m_fewest, &PictureButton::clicked, m_scroll,
            [this] { m_scroll->setValue(m_scroll->minimum()); });
    connect(m_most, &PictureButton::clicked, m_scroll,
            [this] { m_scroll->setValue(m_scroll->maximum()); });
    connect(m_scroll, &QScrollBar::valueChanged, this, &CopiesSheetPanel::copiesScrolled);

    m_count = new QLabel(this);
    m_count->setObjectName(QStringLiteral("numRepsShownFIXLANG"));
    m_count->setAlignment(Qt::AlignCenter);
    m_count->setFont(looks::childFont(52, true));

    m_auto = new QCheckBox(QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Auto")), this);
    m_auto->setObjectName(QStringLiteral("autoCheck"));
    m_auto->setFont(looks::childFont(28, true));
    m_auto->setStyleSheet(QStringLiteral("QCheckBox::indicator { width: 40px; height: 40px; }"));
    connect(m_auto, &QCheckBox::clicked, this, &CopiesSheetPanel::autoClicked);

    layoutControls();
}

void CopiesSheetPanel::showCopies(int count, bool autoTicked)
{
    {
        const QSignalBlocker quiet(m_scroll);
        m_scroll->setValue(count);
    }
    m_auto->setChecked(autoTicked);
    m_count->setText(QString::number(count));
}

void CopiesSheetPanel::setPreview(const QImage &sheet)
{
    m_preview->setSheet(sheet);
    layoutControls();
}

int CopiesSheetPanel::previewWidth() const
{
    return qMax(1, width() - 2 * kMarginPx - kShadowPx);
}

void CopiesSheetPanel::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layoutControls();
}

void CopiesSheetPanel::layoutControls()
{
    const int inner = width() - 2 * kMarginPx;
    const int controlsHeight = kButtonSizePx + kCountHeightPx + kAutoHeightPx + 3 * kMarginPx;
    const int previewHeight = qMax(40, height() - controlsHeight - kMarginPx);
    m_preview->setGeometry(kMarginPx, kMarginPx, inner, previewHeight);
    // The preview is as tall as its sheet needs; the controls follow right under it.
    int sheetBottom = kMarginPx + previewHeight;
    const QImage &sheet = m_preview->sheet();
    if (!sheet.isNull())
        sheetBottom =
            kMarginPx + kShadowPx +
            sheet.size()
                .scaled(QSize(inner - kShadowPx, previewHeight - kShadowPx), Qt::KeepAspectRatio)
                .height();
    int y = sheetBottom + kMarginPx;
    m_count->setGeometry(kMarginPx, y, inner, kCountHeightPx);
    y += kCountHeightPx;
    m_fewest->setGeometry(kMarginPx, y, kButtonSizePx, kButtonSizePx);
    m_most->setGeometry(width() - kMarginPx - kButtonSizePx, y, kButtonSizePx, kButtonSizePx);
    const int scrollLeft = kMarginPx + kButtonSizePx + 8;
    m_scroll->setGeometry(scrollLeft, y + (kButtonSizePx - kScrollHeightPx) / 2,
                          width() - 2 * scrollLeft, kScrollHeightPx);
    y += kButtonSizePx + kMarginPx;
    m_auto->setGeometry(kMarginPx, y, inner, kAutoHeightPx);
}

} // namespace quillora
