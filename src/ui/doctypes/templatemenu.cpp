#include "ui/doctypes/templatemenu.h"

#include "core/layout/templatemenu.h"
#include "ui/kit/looks.h"
#include "ui/kit/picturebutton.h"

#include <QImageReader>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QScrollBar>

namespace quillora {

namespace {

constexpr int kCaptionPixels = 18;
constexpr int kCaptionHeightPx = kMenuStepYPx - kMenuThumbnailHeightPx - 6;
constexpr int kRingPaddingPx = 5;
constexpr int kScrollBarWidthPx = 22;
// A thumbnail bitmap is a small picture; anything much larger is not one.
constexpr int kMaxThumbnailSidePx = 2048;

QIcon thumbnailFor(const SubChoice &entry)
{
    if (entry.thumbnailPath.isEmpty())
        return TemplateMenu::missingThumbnail();
    QImageReader reader(entry.thumbnailPath);
    const QSize size = reader.size();
    if (!size.isValid() || size.width() > kMaxThumbnailSidePx ||
        size.height() > kMaxThumbnailSidePx)
        return TemplateMenu::missingThumbnail();
    const QImage picture = reader.read();
    if (picture.isNull())
        return TemplateMenu::missingThumbnail();
    // A thin frame gives white pages an edge against the menu.
    QImage framed = picture.convertToFormat(QImage::Format_RGB32);
    QPainter painter(&framed);
    painter.setPen(QPen(looks::kInk, 1));
    painter.drawRect(framed.rect().adjusted(0, 0, -1, -1));
    painter.end();
    return QIcon(QPixmap::fromImage(framed));
}

} // namespace

TemplateMenu::TemplateMenu(QWidget *parent) : QScrollArea(parent)
{
    setObjectName(QStringLiteral("OpsMenu"));
    setAccessibleName(QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Layouts")));
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    verticalScrollBar()->setStyleSheet(
        QStringLiteral("QScrollBar:vertical { width: %1px; }").arg(kScrollBarWidthPx));
    setWidgetResizable(false);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, looks::kCream);
    setPalette(colours);

    m_content = new QWidget;
    m_content->setAutoFillBackground(true);
    m_content->setPalette(colours);
    m_ring = new QWidget(m_content);
    m_ring->setObjectName(QStringLiteral("opCurrent"));
    m_ring->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_ring->setStyleSheet(
        QStringLiteral("background: %1; border-radius: 10px;").arg(looks::kSunshine.name()));
    m_ring->hide();
    setWidget(m_content);
}

QIcon TemplateMenu::missingThumbnail()
{
    QPixmap page(kMenuThumbnailWidthPx, kMenuThumbnailHeightPx);
    page.fill(Qt::transparent);
    QPainter painter(&page);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF sheet(10.5, 2.5, kMenuThumbnailWidthPx - 21, kMenuThumbnailHeightPx - 5);
    painter.setBrush(Qt::white);
    painter.setPen(QPen(looks::kSky, 3, Qt::DashLine));
    painter.drawRoundedRect(sheet, 6, 6);
    painter.setPen(looks::kSky);
    painter.setFont(looks::childFont(44, true));
    painter.drawText(sheet, Qt::AlignCenter, QStringLiteral("?"));
    return QIcon(page);
}

PictureButton *TemplateMenu::thumbnail(int index) const
{
    return index >= 0 && index < m_buttons.size() ? m_buttons[index] : nullptr;
}

QLabel *TemplateMenu::caption(int index) const
{
    return index >= 0 && index < m_captions.size() ? m_captions[index] : nullptr;
}

void TemplateMenu::setTemplates(const QList<SubChoice> &templates)
{
    m_templates = templates;
    for (int i = 0; i < m_templates.size(); ++i) {
        if (i == m_buttons.size()) {
            auto *button =
                new PictureButton(QStringLiteral("opBut%1").arg(i), QIcon(), QString(), m_content);
            button->setCursor(Qt::PointingHandCursor);
            connect(button, &PictureButton::clicked, this, [this, i] { emit templateChosen(i); });
            m_buttons.append(button);
            auto *label = new QLabel(m_content);
            label->setObjectName(QStringLiteral("opDesc%1").arg(i));
            label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
            label->setFont(looks::childFont(kCaptionPixels, true));
            QPalette ink = label->palette();
            ink.setColor(QPalette::WindowText, looks::kInk);
            label->setPalette(ink);
            m_captions.append(label);
        }
        m_buttons[i]->setPicture(thumbnailFor(m_templates[i]));
        m_buttons[i]->setCaption(m_templates[i].caption);
        m_captions[i]->setText(m_templates[i].caption);
    }
    m_current = -1;
    placeEntries();
}

void TemplateMenu::setCurrentTemplate(const QString &templatePath)
{
    m_current = -1;
    for (int i = 0; i < m_templates.size(); ++i) {
        if (m_templates[i].templatePath.compare(templatePath, Qt::CaseInsensitive) == 0)
            m_current = i;
    }
    placeEntries();
}

void TemplateMenu::resizeEvent(QResizeEvent *event)
{
    QScrollArea::resizeEvent(event);
    placeEntries();
}

void TemplateMenu::placeEntries()
{
    const int menuWidth = width() - kScrollBarWidthPx;
    const int shown = int(m_templates.size());
    m_content->resize(qMax(0, menuWidth), qMax(height(), templateMenuHeight(shown, menuWidth)));
    for (int i = 0; i < m_buttons.size(); ++i) {
        const bool used = i < shown;
        m_buttons[i]->setVisible(used);
        m_captions[i]->setVisible(used);
        if (!used)
            continue;
        const QPoint slot = templateMenuSlot(i, menuWidth);
        m_buttons[i]->setGeometry(
            QRect(slot, QSize(kMenuThumbnailWidthPx, kMenuThumbnailHeightPx)));
        m_captions[i]->setGeometry(slot.x() - 8, slot.y() + kMenuThumbnailHeightPx + 2,
                                   kMenuThumbnailWidthPx + 16, kCaptionHeightPx);
    }
    const bool ringed = m_current >= 0 && m_current < shown;
    m_ring->setVisible(ringed);
    if (ringed) {
        const QPoint slot = templateMenuSlot(m_current, menuWidth);
        m_ring->setGeometry(slot.x() - kRingPaddingPx, slot.y() - kRingPaddingPx,
                            kMenuThumbnailWidthPx + 2 * kRingPaddingPx, kMenuStepYPx - 2);
        m_ring->lower();
    }
}

} // namespace quillora
