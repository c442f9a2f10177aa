#include "ui/document/pageview.h"

#include "core/foundation/translator.h"
#include "ui/document/objectframe.h"
#include "ui/document/pictureboxwidget.h"
#include "ui/document/richtextboxwidget.h"
#include "ui/document/textboxwidget.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPointingDevice>
#include <QSignalBlocker>

#include <utility>

namespace quillora {

namespace {

template <typename T> T *at(const QVector<T *> &list, int index)
{
    return index >= 0 && index < list.size() ? list[index] : nullptr;
}

} // namespace

PageView::PageView(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Paper"));
    setAccessibleName(QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Page")));
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::white);
    setPalette(colours);
    setFocusPolicy(Qt::ClickFocus);
}

void PageView::setFrameColour(const QColor &colour)
{
    m_frameColour = colour;
    for (const auto *frames : {&m_textFrames, &m_richTextFrames, &m_pictureFrames})
        for (ObjectFrame *frame : *frames)
            if (frame)
                frame->setColour(colour);
    // A shaped picture's edge is its frame.
    for (PictureBoxWidget *box : std::as_const(m_pictureBoxes))
        if (box && box->isShaped())
            box->setMaskPicture(box->maskPicture(), colour);
}

void PageView::translatePlaceholders(const Translator &words, QStringList marks)
{
    m_placeholderWords = &words;
    m_placeholderMarks = std::move(marks);
}

void PageView::setKeyFilter(QObject *filter)
{
    m_keyFilter = filter;
    for (TextBoxWidget *box : std::as_const(m_textBoxes))
        if (box)
            box->installEventFilter(filter);
    for (RichTextBoxWidget *box : std::as_const(m_richTextBoxes))
        if (box)
            box->installEventFilter(filter);
}

void PageView::showPage(const PageModel &page)
{
    setGeometry(page.pageRect);
    setVisible(!page.pageRect.isEmpty());

    // Pictures first, then texts, so a caption laid over a picture stays readable.
    for (int i = 0; i < page.pictureBoxes.size(); ++i)
        syncPictureBox(i, page.pictureBoxes[i]);
    for (int i = int(page.pictureBoxes.size()); i < m_pictureBoxes.size(); ++i)
        placeObject(m_pictureBoxes[i], m_pictureFrames[i], i, {}, false);

    for (int i = 0; i < page.richTextBoxes.size(); ++i)
        syncRichTextBox(i, page.richTextBoxes[i]);
    for (int i = int(page.richTextBoxes.size()); i < m_richTextBoxes.size(); ++i)
        placeObject(m_richTextBoxes[i], m_richTextFrames[i], i, {}, false);

    for (int i = 0; i < page.textBoxes.size(); ++i)
        syncTextBox(i, page.textBoxes[i]);
    for (int i = int(page.textBoxes.size()); i < m_textBoxes.size(); ++i)
        placeObject(m_textBoxes[i], m_textFrames[i], i, {}, false);
}

void PageView::syncTextBox(int index, const TextBoxModel &box)
{
    if (index < 0 || index > kMaxObjectIndex)
        return;
    TextBoxWidget *widget = at(m_textBoxes, index);
    if (!widget) {
        if (!box.visible)
            return;
        widget = makeTextBox(index);
    }
    {
        // Writing the model into the control is not an edit by the child.
        const QSignalBlocker quiet(widget);
        if (m_placeholderWords && m_placeholderMarks.contains(box.text)) {
            TextBoxModel placeholder = box;
            placeholder.text = m_placeholderWords->translate(box.text);
            widget->showBox(placeholder);
        } else {
            widget->showBox(box);
        }
    }
    placeObject(widget, m_textFrames[index], index, box.geometry, box.visible);
}

void PageView::syncRichTextBox(int index, const RichTextBoxModel &box)
{
    if (index < 0 || index > kMaxObjectIndex)
        return;
    RichTextBoxWidget *widget = at(m_richTextBoxes, index);
    if (!widget) {
        if (!box.visible)
            return;
        widget = makeRichTextBox(index);
    }
    {
        const QSignalBlocker quiet(widget);
        widget->showBox(box);
    }
    placeObject(widget, m_richTextFrames[index], index, box.geometry, box.visible);
}

void PageView::syncPictureBox(int index, const PictureBoxModel &box)
{
    // A table holds more pictures than a template may announce.
    if (index < 0 || index > kMaxObjectIndex)
        return;
    PictureBoxWidget *widget = at(m_pictureBoxes, index);
    if (!widget) {
        if (!box.visible)
            return;
        widget = makePictureBox(index);
    }
    widget->setImage(box.image);
    placeObject(widget, m_pictureFrames[index], index, box.geometry, box.visible);
    // A shaped picture shows its own edge instead of a rectangular frame.
    widget->setMaskPicture(box.hasMaskPicture ? box.mask : QImage(), m_frameColour);
    if (box.hasMaskPicture && !box.mask.isNull())
        m_pictureFrames[index]->hide();
}

TextBoxWidget *PageView::textBox(int index) const
{
    return at(m_textBoxes, index);
}

RichTextBoxWidget *PageView::richTextBox(int index) const
{
    return at(m_richTextBoxes, index);
}

PictureBoxWidget *PageView::pictureBox(int index) const
{
    return at(m_pictureBoxes, index);
}

ObjectFrame *PageView::textFrame(int index) const
{
    return at(m_textFrames, index);
}

ObjectFrame *PageView::richTextFrame(int index) const
{
    return at(m_richTextFrames, index);
}

ObjectFrame *PageView::pictureFrame(int index) const
{
    return at(m_pictureFrames, index);
}

void PageView::mousePressEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    const bool finger = event->pointingDevice() &&
                        event->pointingDevice()->type() == QInputDevice::DeviceType::TouchScreen;
    m_fingerDown.reset();
    if (isOnBorder(at)) {
        emit borderPressed(at, event->button());
    } else {
        if (finger)
            m_fingerDown = at;
        emit paperPressed(at, event->button());
    }
    QWidget::mousePressEvent(event);
}

void PageView::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons().testFlag(Qt::LeftButton))
        emit paperMoved(event->position().toPoint());
    QWidget::mouseMoveEvent(event);
}

void PageView::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    const QPoint at = event->position().toPoint();
    emit paperReleased(at);
    if (const std::optional<QPoint> from = std::exchange(m_fingerDown, std::nullopt))
        emit fingerLifted(*from, at);
    QWidget::mouseReleaseEvent(event);
}

void PageView::setPagePlacement(PagePlacement placement)
{
    m_placement = std::move(placement);
}

void PageView::setBorderPlacement(std::optional<QPoint> origin)
{
    m_borderOrigin = origin;
    update();
}

void PageView::setBorderImage(const QImage &border)
{
    m_borderImage = border;
    update();
}

bool PageView::isOnBorder(QPoint position) const
{
    if (!m_borderOrigin)
        return false;
    const QPoint onBorder = position - *m_borderOrigin;
    return m_borderImage.valid(onBorder) && qAlpha(m_borderImage.pixel(onBorder)) > 0;
}

void PageView::paintEvent(QPaintEvent *event)
{
    if (m_borderImage.isNull() || !m_borderOrigin)
        return;
    QPainter painter(this);
    painter.setClipRegion(event->region());
    painter.drawImage(*m_borderOrigin, m_borderImage);
}

// Controls are made only for the indexes a page shows: a template naming box 199 alone gets one
// control, not two hundred.
template <typename T>
static void reserveSlot(QVector<T *> &list, QVector<ObjectFrame *> &frames, int index)
{
    if (list.size() <= index) {
        list.resize(index + 1);
        frames.resize(index + 1);
    }
}

TextBoxWidget *PageView::makeTextBox(int i)
{
    reserveSlot(m_textBoxes, m_textFrames, i);
    auto *box = new TextBoxWidget(this);
    box->setObjectName(QStringLiteral("TextBox%1").arg(i));
    box->setAccessibleName(QCoreApplication::translate("Quillora", "Text box %1").arg(i + 1));
    box->hide();
    connect(box, &TextBoxWidget::pressed, this, [this, i] { emit textBoxPressed(i); });
    connect(box, &QTextEdit::textChanged, this,
            [this, i, box] { emit textBoxEdited(i, box->boxText()); });
    connect(box, &TextBoxWidget::keyReleased, this, [this, i] { emit textBoxKeyReleased(i); });
    if (m_keyFilter)
        box->installEventFilter(m_keyFilter);
    m_textBoxes[i] = box;
    m_textFrames[i] = makeFrame(QStringLiteral("textBorder"), i);
    return box;
}

RichTextBoxWidget *PageView::makeRichTextBox(int i)
{
    reserveSlot(m_richTextBoxes, m_richTextFrames, i);
    auto *box = new RichTextBoxWidget(this);
    box->setObjectName(QStringLiteral("RTB%1").arg(i));
    box->setAccessibleName(QCoreApplication::translate("Quillora", "Rich text box %1").arg(i + 1));
    box->hide();
    connect(box, &RichTextBoxWidget::pressed, this, [this, i] { emit richTextBoxPressed(i); });
    connect(box, &QTextEdit::textChanged, this, [this, i] { emit richTextBoxEdited(i); });
    connect(box, &RichTextBoxWidget::keyReleased, this,
            [this, i] { emit richTextBoxKeyReleased(i); });
    if (m_keyFilter)
        box->installEventFilter(m_keyFilter);
    m_richTextBoxes[i] = box;
    m_richTextFrames[i] = makeFrame(QStringLiteral("rtbBorder"), i);
    return box;
}

PictureBoxWidget *PageView::makePictureBox(int i)
{
    reserveSlot(m_pictureBoxes, m_pictureFrames, i);
    auto *box = new PictureBoxWidget(this);
    box->setObjectName(QStringLiteral("picBox%1").arg(i));
    box->setAccessibleName(QCoreApplication::translate("Quillora", "Picture %1").arg(i + 1));
    box->hide();
    connect(box, &PictureBoxWidget::pressed, this,
            [this, i](QPoint at, Qt::MouseButton button, int pointer) {
                emit pictureBoxPressed(i, at, button, pointer);
            });
    connect(box, &PictureBoxWidget::moved, this,
            [this, i](QPoint at, Qt::MouseButtons buttons, int pointer) {
                emit pictureBoxMoved(i, at, buttons, pointer);
            });
    connect(box, &PictureBoxWidget::released, this,
            [this, i](QPoint at, Qt::MouseButton button, int pointer) {
                emit pictureBoxReleased(i, at, button, pointer);
            });
    connect(box, &PictureBoxWidget::cancelled, this,
            [this, i](int pointer) { emit pictureBoxTouchCancelled(i, pointer); });
    m_pictureBoxes[i] = box;
    m_pictureFrames[i] = makeFrame(QStringLiteral("picBorder"), i);
    return box;
}

ObjectFrame *PageView::makeFrame(const QString &name, int index)
{
    auto *frame = new ObjectFrame(this);
    frame->setObjectName(name + QString::number(index));
    frame->setColour(m_frameColour);
    frame->hide();
    return frame;
}

void PageView::placeObject(QWidget *object, ObjectFrame *frame, int index, const QRect &geometry,
                           bool visible)
{
    if (!object)
        return;
    const std::optional<QPoint> pageOrigin = m_placement ? m_placement(index) : QPoint(0, 0);
    const bool shown = visible && !geometry.isEmpty() && pageOrigin;
    if (shown) {
        const QRect placed = geometry.translated(*pageOrigin);
        object->setGeometry(placed);
        frame->surround(placed);
        frame->raise();
        object->raise();
    }
    frame->setVisible(shown);
    object->setVisible(shown);
}

} // namespace quillora
