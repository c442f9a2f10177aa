#include "ui/text/richtexttoolbar.h"

#include "core/layout/pagefit.h"
#include "ui/kit/looks.h"

#include <QCoreApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QPainter>
#include <QToolButton>

namespace quillora {

namespace {

constexpr int kControlHeight = looks::kTouchTarget;
constexpr int kSwatchPx = 48;
constexpr int kPicturePx = 40;

QIcon colourBlock(const QColor &colour, int side)
{
    QPixmap block(side, side);
    block.fill(Qt::transparent);
    QPainter p(&block);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(colour.darker(170), 3));
    p.setBrush(colour);
    p.drawRoundedRect(QRectF(2, 2, side - 4, side - 4), 6, 6);
    return QIcon(block);
}

// Lines of text, flush left, flush right or centred; with dots in front for bullets.
QIcon paragraphPicture(int alignIndex, bool bullets)
{
    constexpr int side = 40;
    QPixmap picture(side, side);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(looks::kInk, 4, Qt::SolidLine, Qt::RoundCap));
    const int widths[] = {30, 20, 26, 16};
    for (int line = 0; line < 4; ++line) {
        const int y = 6 + line * 9;
        int width = bullets ? 22 : widths[line];
        int left = 4;
        if (bullets) {
            p.drawPoint(QPointF(6, y));
            left = 14;
        } else if (alignIndex == 1) {
            left = side - 4 - width;
        } else if (alignIndex == 2) {
            left = (side - width) / 2;
        }
        p.drawLine(left, y, left + width, y);
    }
    return QIcon(picture);
}

// The letter of a style in that style, drawn as the button's picture.
QIcon stylePicture(const QString &letter, const QFont &face)
{
    QPixmap picture(kPicturePx, kPicturePx);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setFont(face);
    p.setPen(looks::kInk);
    p.drawText(picture.rect(), Qt::AlignCenter, letter);
    return QIcon(picture);
}

} // namespace

const std::array<ColourRef, RichTextToolbar::kSwatchCount> &RichTextToolbar::swatchColours()
{
    static const std::array<ColourRef, kSwatchCount> colours{
        0x000000, 0x4A2A1B, 0x808080, 0xFFFFFF, 0x3B37E8, 0x18158C, 0x1A8CFF, 0x3FD2FF,
        0x2EB82E, 0x1A7017, 0xF5A93F, 0x965C13, 0xC0561A, 0x9C2C7A, 0xB469FF, 0x1E4A8B};
    return colours;
}

const QStringList &RichTextToolbar::listedSizes()
{
    static const QStringList sizes{QStringLiteral("8"),  QStringLiteral("10"), QStringLiteral("12"),
                                   QStringLiteral("14"), QStringLiteral("18"), QStringLiteral("24"),
                                   QStringLiteral("28"), QStringLiteral("32"), QStringLiteral("48"),
                                   QStringLiteral("72")};
    return sizes;
}

RichTextToolbar::RichTextToolbar(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("RTBtoolbar"));
    setAccessibleName(QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Text toolbar")));
    const QFont controlFont = looks::childFont(looks::kControlPixels);
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(8, 4, 8, 4);
    row->setSpacing(8);

    m_fontName = new QComboBox(this);
    m_fontName->setObjectName(QStringLiteral("fontNameDrop"));
    m_fontName->setAccessibleName(QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Font")));
    m_fontName->setFont(controlFont);
    m_fontName->setFixedHeight(kControlHeight);
    m_fontName->setFixedWidth(220);
    connect(m_fontName, &QComboBox::textActivated, this, [this](const QString &name) {
        if (m_reacting)
            emit fontNameChosen(name);
    });
    row->addWidget(m_fontName);

    m_fontSize = new QComboBox(this);
    m_fontSize->setObjectName(QStringLiteral("fontSizeDrop"));
    m_fontSize->setAccessibleName(QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Size")));
    m_fontSize->setEditable(true);
    m_fontSize->setInsertPolicy(QComboBox::NoInsert);
    m_fontSize->addItems(listedSizes());
    m_fontSize->setFont(controlFont);
    m_fontSize->setFixedSize(120, kControlHeight);
    m_fontSize->lineEdit()->installEventFilter(this);
    connect(m_fontSize, &QComboBox::activated, this, [this](int index) {
        if (m_reacting && index >= 0)
            emit fontSizeChosen(m_fontSize->itemText(index).toDouble());
    });
    row->addWidget(m_fontSize);

    m_currentColour = new QToolButton(this);
    m_currentColour->setObjectName(QStringLiteral("curPenColBlock"));
    m_currentColour->setAccessibleName(QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Colour")));
    m_currentColour->setToolTip(m_currentColour->accessibleName());
    m_currentColour->setFixedSize(kControlHeight, kControlHeight);
    m_currentColour->setIconSize(QSize(kPicturePx, kPicturePx));
    m_currentColour->setAutoRaise(true);
    connect(m_currentColour, &QToolButton::clicked, this, &RichTextToolbar::toggleColourDropDown);
    showCurrentColour(0);
    row->addWidget(m_currentColour);

    QFont bold = looks::childFont(30, true);
    QFont italic = looks::childFont(30);
    italic.setItalic(true);
    QFont underline = looks::childFont(30);
    underline.setUnderline(true);
    m_bold = makeStyleToggle(QStringLiteral("boldCheck"),
                             QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Bold")), bold);
    m_italic = makeStyleToggle(QStringLiteral("ItalicCheck"),
                               QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Italic")), italic);
    m_underline =
        makeStyleToggle(QStringLiteral("UnderlineCheck"),
                        QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Underline")), underline);
    connect(m_bold, &QToolButton::clicked, this, [this](bool on) {
        if (m_reacting)
            emit boldChosen(on);
    });
    connect(m_italic, &QToolButton::clicked, this, [this](bool on) {
        if (m_reacting)
            emit italicChosen(on);
    });
    connect(m_underline, &QToolButton::clicked, this, [this](bool on) {
        if (m_reacting)
            emit underlineChosen(on);
    });
    for (QToolButton *toggle : {m_bold, m_italic, m_underline})
        row->addWidget(toggle);

    m_bullet = new QToolButton(this);
    m_bullet->setObjectName(QStringLiteral("bulletBut"));
    m_bullet->setAccessibleName(QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Bullets")));
    m_bullet->setToolTip(m_bullet->accessibleName());
    m_bullet->setCheckable(true);
    m_bullet->setIcon(paragraphPicture(0, true));
    m_bullet->setIconSize(QSize(kPicturePx, kPicturePx));
    m_bullet->setFixedSize(kControlHeight, kControlHeight);
    connect(m_bullet, &QToolButton::clicked, this, [this](bool on) {
        if (m_reacting)
            emit bulletChosen(on);
    });
    row->addWidget(m_bullet);

    auto *alignGroup = new QButtonGroup(this);
    for (int i = 0; i < 3; ++i) {
        m_align[size_t(i)] = makeAlignButton(i);
        alignGroup->addButton(m_align[size_t(i)], i);
        row->addWidget(m_align[size_t(i)]);
    }
    row->addStretch();

    buildColourDropDown();
    setFixedHeight(kRichTextToolbarHeightPx);
    showListRows(false);
}

void RichTextToolbar::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    showListRows(true);
}

void RichTextToolbar::hideEvent(QHideEvent *event)
{
    showListRows(false);
    QWidget::hideEvent(event);
}

void RichTextToolbar::showListRows(bool shown)
{
    for (QComboBox *combo : {m_fontName, m_fontSize}) {
        if (auto *list = qobject_cast<QListView *>(combo->view())) {
            for (int row = 0; row < combo->count(); ++row)
                list->setRowHidden(row, !shown);
        }
    }
}

void RichTextToolbar::setFontChoices(const QStringList &names)
{
    const QString shown = m_fontName->currentText();
    m_fontName->clear();
    for (const QString &name : names) {
        if (name.isEmpty() || m_fontName->findText(name) >= 0)
            continue;
        m_fontName->addItem(name);
        QFont face(name);
        face.setPixelSize(looks::kControlPixels + 2);
        m_fontName->setItemData(m_fontName->count() - 1, face, Qt::FontRole);
    }
    m_fontName->setCurrentIndex(m_fontName->findText(shown));
    showListRows(isVisible());
}

QToolButton *RichTextToolbar::makeStyleToggle(const QString &name, const QString &caption,
                                              const QFont &face)
{
    auto *toggle = new QToolButton(this);
    toggle->setObjectName(name);
    toggle->setAccessibleName(caption);
    toggle->setToolTip(caption);
    toggle->setCheckable(true);
    toggle->setIcon(stylePicture(caption.left(1), face));
    toggle->setIconSize(QSize(kPicturePx, kPicturePx));
    toggle->setFixedSize(kControlHeight, kControlHeight);
    return toggle;
}

QToolButton *RichTextToolbar::makeAlignButton(int index)
{
    static const char *const captions[] = {QT_TRANSLATE_NOOP("Quillora", "Left"),
                                           QT_TRANSLATE_NOOP("Quillora", "Right"),
                                           QT_TRANSLATE_NOOP("Quillora", "Centre")};
    auto *button = new QToolButton(this);
    button->setObjectName(QStringLiteral("AllignOp%1").arg(index));
    button->setAccessibleName(QLatin1String(captions[index]));
    button->setToolTip(button->accessibleName());
    button->setCheckable(true);
    button->setIcon(paragraphPicture(index, false));
    button->setIconSize(QSize(kPicturePx, kPicturePx));
    button->setFixedSize(kControlHeight, kControlHeight);
    connect(button, &QToolButton::clicked, this, [this, index] {
        if (m_reacting)
            emit alignmentChosen(index);
    });
    return button;
}

void RichTextToolbar::buildColourDropDown()
{
    m_colourDrop = new QWidget(this, Qt::Popup);
    m_colourDrop->setObjectName(QStringLiteral("ColPD"));
    m_colourDrop->setAccessibleName(QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Colours")));
    m_colourDrop->setAutoFillBackground(true);
    QPalette cream = m_colourDrop->palette();
    cream.setColor(QPalette::Window, looks::kCream);
    m_colourDrop->setPalette(cream);
    auto *grid = new QGridLayout(m_colourDrop);
    grid->setContentsMargins(8, 8, 8, 8);
    grid->setSpacing(8);
    for (int i = 0; i < kSwatchCount; ++i) {
        auto *swatch = new QToolButton(m_colourDrop);
        swatch->setObjectName(QStringLiteral("colSwatch%1").arg(i));
        swatch->setAccessibleName(QCoreApplication::translate("Quillora", "Colour %1").arg(i + 1));
        swatch->setAutoRaise(true);
        swatch->setIcon(colourBlock(toQColor(swatchColours()[size_t(i)]), kSwatchPx - 4));
        swatch->setIconSize(QSize(kSwatchPx - 4, kSwatchPx - 4));
        swatch->setFixedSize(kSwatchPx, kSwatchPx);
        connect(swatch, &QToolButton::clicked, this, [this, i] {
            m_colourDrop->hide();
            const ColourRef colour = swatchColours()[size_t(i)];
            showCurrentColour(colour);
            if (m_reacting)
                emit colourChosen(colour);
        });
        grid->addWidget(swatch, i / 4, i % 4);
        m_swatches.append(swatch);
    }
    m_colourDrop->adjustSize();
}

QAbstractButton *RichTextToolbar::swatch(int index) const
{
    return m_swatches.value(index);
}

void RichTextToolbar::toggleColourDropDown()
{
    if (m_colourDrop->isVisible()) {
        m_colourDrop->hide();
        return;
    }
    m_colourDrop->move(m_currentColour->mapToGlobal(QPoint(0, m_currentColour->height())));
    m_colourDrop->show();
}

void RichTextToolbar::showCurrentColour(ColourRef colour)
{
    m_currentColour->setIcon(colourBlock(toQColor(colour), kPicturePx));
    m_currentColour->setProperty("colour", QVariant::fromValue(uint(colour)));
}

void RichTextToolbar::enterTypedSize()
{
    const std::optional<int> size = enteredRichFontSize(m_fontSize->currentText());
    if (!size) {
        m_fontSize->setEditText(QString());
        return;
    }
    m_fontSize->setEditText(QString::number(*size));
    if (m_reacting)
        emit fontSizeChosen(*size);
}

void RichTextToolbar::showLook(const SelectionLook &look)
{
    m_reacting = false;
    // A font outside the teacher's five (from a template or an older file) shows no name.
    if (look.fontName)
        m_fontName->setCurrentIndex(m_fontName->findText(*look.fontName));
    if (look.fontSize)
        m_fontSize->setEditText(shownRichFontSize(*look.fontSize));
    if (look.colour)
        showCurrentColour(*look.colour);
    if (look.bold)
        m_bold->setChecked(*look.bold);
    if (look.italic)
        m_italic->setChecked(*look.italic);
    if (look.underline)
        m_underline->setChecked(*look.underline);
    if (look.bullet)
        m_bullet->setChecked(*look.bullet);
    if (look.alignment)
        m_align[size_t(*look.alignment)]->setChecked(true);
    m_reacting = true;
}

void RichTextToolbar::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), looks::kCream);
    p.setPen(QPen(looks::kSky.darker(160), 3));
    p.drawRoundedRect(QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5), 8, 8);
}

bool RichTextToolbar::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_fontSize->lineEdit() && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            enterTypedSize();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace quillora
