#include "ui/handling/objecticonstrip.h"

#include "ui/handling/handlingart.h"
#include "ui/kit/looks.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>

namespace quillora {

using objectdrop::DroppedObject;

namespace {

constexpr int kCaptionPixels = 20;
constexpr int kGap = 10;

QPixmap iconPicture(DroppedObject kind)
{
    return kind == DroppedObject::RichText
               ? handlingart::textIconPicture(ObjectIconStrip::kIconSide)
               : handlingart::pictureIconPicture(ObjectIconStrip::kIconSide);
}

} // namespace

// One icon: its picture on a sunshine tile and its word beneath. Pressing it starts a drag.
// A picture label, so its tool tip is translated and read out as its name.
class ObjectIcon : public QLabel {
public:
    ObjectIcon(ObjectIconStrip &strip, DroppedObject kind)
        : QLabel(&strip), m_strip(strip), m_kind(kind), m_picture(iconPicture(kind))
    {
        setPixmap(m_picture);
        const bool text = kind == DroppedObject::RichText;
        setObjectName(text ? QStringLiteral("addTextIcon") : QStringLiteral("addPictureIcon"));
        setToolTip(text ? QStringLiteral(QT_TRANSLATE_NOOP(
                              "Quillora", "Drag onto the page to add some writing"))
                        : QStringLiteral(QT_TRANSLATE_NOOP("Quillora",
                                                           "Drag onto the page to add a picture")));
        setAccessibleName(toolTip());
        setCursor(Qt::OpenHandCursor);
        setFixedSize(ObjectIconStrip::kStripWidth, ObjectIconStrip::kIconSide + 2 * kCaptionPixels);

        auto *layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
        layout->addStretch();
        m_caption = new QLabel(text ? QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Text"))
                                    : QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Picture")),
                               this);
        m_caption->setObjectName(objectName() + QStringLiteral("Caption"));
        m_caption->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        m_caption->setFont(looks::childFont(kCaptionPixels, true));
        QPalette colours = m_caption->palette();
        colours.setColor(QPalette::WindowText, looks::kInk);
        m_caption->setPalette(colours);
        layout->addWidget(m_caption);
    }

    const QPixmap &picture() const { return m_picture; }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QRectF tile = QRectF(pictureRect()).adjusted(-6, -6, 6, 6);
        painter.setPen(QPen(looks::kInk, 3));
        painter.setBrush(looks::kSunshine);
        painter.drawRoundedRect(tile.adjusted(1.5, 1.5, -1.5, -1.5), 12, 12);
        painter.drawPixmap(pictureRect(), m_picture);
    }
    void mousePressEvent(QMouseEvent *event) override
    {
        if (event->button() != Qt::LeftButton)
            return;
        m_strip.startDrag(m_kind, event->position().toPoint() - pictureRect().topLeft(),
                          event->globalPosition().toPoint());
    }
    void mouseMoveEvent(QMouseEvent *event) override
    {
        m_strip.followDrag(event->globalPosition().toPoint());
    }
    void mouseReleaseEvent(QMouseEvent *event) override
    {
        if (event->button() == Qt::LeftButton)
            m_strip.endDrag(event->globalPosition().toPoint());
    }

private:
    QRect pictureRect() const
    {
        return QRect((width() - ObjectIconStrip::kIconSide) / 2, 8, ObjectIconStrip::kIconSide,
                     ObjectIconStrip::kIconSide);
    }

    ObjectIconStrip &m_strip;
    DroppedObject m_kind;
    QPixmap m_picture;
    QLabel *m_caption = nullptr;
};

ObjectIconStrip::ObjectIconStrip(QWidget &dragLayer, QWidget *parent)
    : QWidget(parent), m_dragLayer(dragLayer)
{
    setObjectName(QStringLiteral("objectIcons"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(kGap);
    for (DroppedObject kind : {DroppedObject::RichText, DroppedObject::Picture}) {
        auto *icon = new ObjectIcon(*this, kind);
        m_icons[std::size_t(kind)] = icon;
        layout->addWidget(icon);
    }
    setFixedSize(layout->sizeHint());

    m_dragPicture = new QLabel(&dragLayer);
    m_dragPicture->setObjectName(QStringLiteral("dragPicture"));
    m_dragPicture->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_dragPicture->hide();
}

QWidget *ObjectIconStrip::icon(DroppedObject kind) const
{
    return m_icons[std::size_t(kind)];
}

void ObjectIconStrip::startDrag(DroppedObject kind, QPoint grab, QPoint global)
{
    m_dragged = kind;
    m_grab = grab;
    m_dragging = true;
    const QPixmap &picture = static_cast<ObjectIcon *>(icon(kind))->picture();
    m_dragPicture->setPixmap(picture);
    m_dragPicture->resize(picture.size());
    followDrag(global);
    m_dragPicture->show();
    m_dragPicture->raise();
}

void ObjectIconStrip::followDrag(QPoint global)
{
    if (m_dragging)
        m_dragPicture->move(m_dragLayer.mapFromGlobal(global) - m_grab);
}

void ObjectIconStrip::endDrag(QPoint global)
{
    if (!m_dragging)
        return;
    m_dragging = false;
    m_dragPicture->hide();
    const QPoint pointer = m_dragLayer.mapFromGlobal(global);
    emit iconDropped(m_dragged, pointer - m_grab, pointer);
}

} // namespace quillora
