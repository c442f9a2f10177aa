#include "ui/pictures/picturemenu.h"

#include "ui/kit/looks.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

#include <algorithm>

namespace quillora {

namespace {

constexpr int kPanelWidth = 280;
constexpr int kRowHeight = 64;
constexpr int kIconSize = 48;
constexpr int kPadding = 10;
constexpr int kBorderWidth = 4;
constexpr int kCaptionPixels = 30;
// Far enough from the pointer that the finger or pen does not hide the first entry.
const QPoint kOffsetFromPointer(12, 8);

struct EntryLook {
    const char *objectName;
    const char *caption;
    const char *icon;
};
// The captions begin with two blanks, as the program has always shown them.
constexpr EntryLook kEntries[kPictureMenuEntries] = {
    {"0", "  Copy", ":/art/menu/copy.svg"},
    {"1", "  Paste", ":/art/menu/paste.svg"},
    {"2", "  Import...", ":/art/menu/import.svg"},
    {"3", "  Cut", ":/art/menu/cut.svg"},
};

// A menu entry sinks 2 pixels while held, like every button a child presses here.
class MenuEntryButton : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void mousePressEvent(QMouseEvent *event) override
    {
        if (event->button() == Qt::LeftButton && !m_sunk) {
            m_rest = pos();
            move(m_rest + QPoint(2, 2));
            m_sunk = true;
        }
        QPushButton::mousePressEvent(event);
    }
    void mouseReleaseEvent(QMouseEvent *event) override
    {
        if (event->button() == Qt::LeftButton && m_sunk) {
            move(m_rest);
            m_sunk = false;
        }
        QPushButton::mouseReleaseEvent(event);
    }

private:
    QPoint m_rest;
    bool m_sunk = false;
};

} // namespace

PictureMenu::PictureMenu(QWidget *parent) : QFrame(parent), m_frameColour(looks::kSky)
{
    setObjectName(QStringLiteral("RtMenu"));
    setAccessibleName(QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Picture menu")));
    looks::paintWindowPalette(this);
    setStyleSheet(QStringLiteral(
        "QPushButton { border: none; background: transparent; text-align: left; color: #1B2A4A; }"
        "QPushButton:hover { background: #FFD23F; border-radius: 10px; }"));
    for (int i = 0; i < kPictureMenuEntries; ++i) {
        const EntryLook &look = kEntries[i];
        auto *icon = new QLabel(this);
        icon->setObjectName(QStringLiteral("RtClkIcon") + QLatin1String(look.objectName));
        icon->setPixmap(QIcon(QString::fromLatin1(look.icon)).pixmap(kIconSize, kIconSize));
        icon->setCursor(Qt::PointingHandCursor);
        icon->installEventFilter(this);
        auto *entry = new MenuEntryButton(QString::fromLatin1(look.caption), this);
        entry->setObjectName(QStringLiteral("RtClkMenu") + QLatin1String(look.objectName));
        entry->setFont(looks::childFont(kCaptionPixels, true));
        entry->setCursor(Qt::PointingHandCursor);
        entry->setFocusPolicy(Qt::NoFocus);
        // Room on the left for the icon, which lies over the entry so either can be pressed.
        entry->setStyleSheet(QStringLiteral("padding-left: %1px;").arg(kIconSize + 4));
        const auto which = PictureMenuEntry(i);
        connect(entry, &QPushButton::clicked, this, [this, which] { emit chosen(which); });
        m_icons[std::size_t(i)] = icon;
        m_entries[std::size_t(i)] = entry;
    }
    hide();
}

void PictureMenu::showAt(QPoint at, bool pageOnly)
{
    int row = 0;
    for (int i = 0; i < kPictureMenuEntries; ++i) {
        const auto which = PictureMenuEntry(i);
        const bool shown =
            !pageOnly || which == PictureMenuEntry::Paste || which == PictureMenuEntry::Import;
        QLabel *icon = m_icons[std::size_t(i)];
        QPushButton *entry = m_entries[std::size_t(i)];
        icon->setVisible(shown);
        entry->setVisible(shown);
        if (!shown)
            continue;
        const int top = kPadding + row * kRowHeight;
        icon->setGeometry(kPadding, top + (kRowHeight - kIconSize) / 2, kIconSize, kIconSize);
        entry->setGeometry(kPadding, top + 4, kPanelWidth - 2 * kPadding, kRowHeight - 8);
        ++row;
    }
    resize(kPanelWidth, 2 * kPadding + row * kRowHeight);
    // Icons sit on top of their entries' left ends, so pressing either chooses.
    for (QLabel *icon : m_icons)
        icon->raise();

    QPoint topLeft = at + kOffsetFromPointer;
    if (QWidget *area = parentWidget()) {
        // Beside the pointer where there is room; turned to the other side near an edge.
        if (topLeft.x() + width() > area->width())
            topLeft.setX(at.x() - kOffsetFromPointer.x() - width());
        if (topLeft.y() + height() > area->height())
            topLeft.setY(area->height() - height());
        topLeft.setX(std::max(0, topLeft.x()));
        topLeft.setY(std::max(0, topLeft.y()));
    }
    move(topLeft);
    show();
    raise();
}

bool PictureMenu::entryShown(PictureMenuEntry which) const
{
    return isVisible() && !m_entries[std::size_t(which)]->isHidden();
}

QPushButton *PictureMenu::entry(PictureMenuEntry which) const
{
    return m_entries[std::size_t(which)];
}

QLabel *PictureMenu::icon(PictureMenuEntry which) const
{
    return m_icons[std::size_t(which)];
}

void PictureMenu::setFrameColour(const QColor &colour)
{
    m_frameColour = colour;
    update();
}

bool PictureMenu::eventFilter(QObject *watched, QEvent *event)
{
    const bool press = event->type() == QEvent::MouseButtonPress;
    if (press || event->type() == QEvent::MouseButtonRelease) {
        for (int i = 0; i < kPictureMenuEntries; ++i) {
            if (watched != m_icons[std::size_t(i)])
                continue;
            // The press is taken so that its release comes here too.
            if (!press)
                emit chosen(PictureMenuEntry(i));
            return true;
        }
    }
    return QFrame::eventFilter(watched, event);
}

void PictureMenu::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    // The square frame of the program's own windows, in the frame colour.
    QPen border(m_frameColour, kBorderWidth);
    border.setJoinStyle(Qt::MiterJoin);
    painter.setPen(border);
    const int half = kBorderWidth / 2;
    painter.drawRect(rect().adjusted(half, half, -half, -half));
}

} // namespace quillora
