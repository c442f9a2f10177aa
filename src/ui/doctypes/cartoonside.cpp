#include "ui/doctypes/cartoonside.h"

#include "ui/doctypes/cartoonart.h"

#include <QMouseEvent>

namespace quillora {

namespace {

QString iconName(BubbleKind kind)
{
    switch (kind) {
    case BubbleKind::Speech:
        return QStringLiteral("speechIcon");
    case BubbleKind::Thought:
        return QStringLiteral("thoughtIcon");
    case BubbleKind::Caption:
        return QStringLiteral("captionIcon");
    }
    return {};
}

QString iconTip(BubbleKind kind)
{
    switch (kind) {
    case BubbleKind::Speech:
        return QStringLiteral(
            QT_TRANSLATE_NOOP("Quillora", "Drag onto a picture to make someone speak"));
    case BubbleKind::Thought:
        return QStringLiteral(
            QT_TRANSLATE_NOOP("Quillora", "Drag onto a picture to make someone think"));
    case BubbleKind::Caption:
        return QStringLiteral(
            QT_TRANSLATE_NOOP("Quillora", "Drag onto a picture to add some words"));
    }
    return {};
}

} // namespace

BubbleIcon::BubbleIcon(BubbleKind kind, QWidget &dragLayer, QWidget *parent)
    : QLabel(parent), m_kind(kind), m_dragLayer(dragLayer)
{
    setObjectName(iconName(kind));
    setToolTip(iconTip(kind));
    setAccessibleName(toolTip());
    setPixmap(cartoonart::bubbleIconPicture(kind, kSide));
    setFixedSize(kSide, kSide);
    setCursor(Qt::OpenHandCursor);

    m_dragPicture = new QLabel(&dragLayer);
    m_dragPicture->setObjectName(objectName() + QStringLiteral("Drag"));
    m_dragPicture->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_dragPicture->setPixmap(pixmap());
    m_dragPicture->resize(kSide, kSide);
    m_dragPicture->hide();
}

void BubbleIcon::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    follow(event->globalPosition().toPoint());
    m_dragPicture->show();
    m_dragPicture->raise();
}

void BubbleIcon::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() & Qt::LeftButton)
        follow(event->globalPosition().toPoint());
}

void BubbleIcon::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_dragPicture->hide();
    emit dropped(m_kind, event->globalPosition().toPoint());
}

void BubbleIcon::follow(QPoint global)
{
    m_dragPicture->move(m_dragLayer.mapFromGlobal(global) - QPoint(kSide / 2, kSide / 2));
}

BubbleBin::BubbleBin(QWidget *parent) : QLabel(parent)
{
    setObjectName(QStringLiteral("bubBin"));
    setToolTip(
        QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Drop a bubble here to throw it away")));
    setAccessibleName(toolTip());
    setFixedSize(kSide, kSide);
    m_openPicture = new QLabel(this);
    m_openPicture->setObjectName(QStringLiteral("binOpenImg"));
    m_openPicture->setPixmap(cartoonart::binPicture(true, kSide));
    m_openPicture->hide();
    m_shutPicture = new QLabel(this);
    m_shutPicture->setObjectName(QStringLiteral("binShutImg"));
    m_shutPicture->setPixmap(cartoonart::binPicture(false, kSide));
    m_shutPicture->hide();
    setOpen(false);
}

void BubbleBin::setOpen(bool open)
{
    setProperty("tag", open ? QStringLiteral("open") : QStringLiteral("closed"));
    setPixmap(open ? m_openPicture->pixmap() : m_shutPicture->pixmap());
}

bool BubbleBin::isOpen() const
{
    return property("tag").toString() == u"open";
}

bool BubbleBin::isUnder(QPoint global) const
{
    return !isHidden() && rect().contains(mapFromGlobal(global));
}

} // namespace quillora
