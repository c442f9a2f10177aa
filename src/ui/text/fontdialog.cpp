#include "ui/text/fontdialog.h"

#include "core/layout/documenttypes.h"
#include "core/text/textboxformat.h"
#include "ui/kit/looks.h"
#include "ui/pictures/paletteart.h"

#include <QCoreApplication>
#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include <functional>

namespace quillora {

namespace {

constexpr int kPreviewCharacters = 20;
constexpr QSize kHolderSize(460, 150);
constexpr QSize kPenSize(132, 34); // a 28-pixel pen band with room for its glow
constexpr int kListRowPixels = 44;
constexpr int kListRows = 5;

} // namespace

// One felt pen of the dialog (`pencol`), lying like the felt pens of the painting palette, with
// its lid (`penlid`) on while it is not chosen; the chosen pen glows on a sunshine band.
class FeltPenChoice : public QWidget {
public:
    FeltPenChoice(int index, ColourRef colour, QWidget *parent) : QWidget(parent), m_colour(colour)
    {
        setObjectName(QStringLiteral("pencol%1").arg(index));
        setAccessibleName(QCoreApplication::translate("Quillora", "Pen %1").arg(index + 1));
        setToolTip(accessibleName());
        setFixedSize(kPenSize);
        setCursor(Qt::PointingHandCursor);
        m_lid = new QWidget(this);
        m_lid->setObjectName(QStringLiteral("penlid%1").arg(index));
        m_lid->setAttribute(Qt::WA_TransparentForMouseEvents);
        m_lid->setGeometry(
            paletteart::lidRect(band().width(), band().height()).translated(band().topLeft()));
        m_lid->installEventFilter(this);
    }

    QWidget *lid() const { return m_lid; }
    void setOpen(bool open)
    {
        m_lid->setVisible(!open);
        update();
    }
    bool isOpen() const { return m_lid->isHidden(); }
    std::function<void()> onChosen;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        if (isOpen()) {
            p.setRenderHint(QPainter::Antialiasing);
            p.setPen(Qt::NoPen);
            p.setBrush(looks::kSunshine);
            p.drawRoundedRect(QRectF(rect()), looks::kCornerRadius, looks::kCornerRadius);
        }
        paletteart::drawFeltPenBody(p, band(), m_colour);
        paletteart::drawFeltPenShine(p, band());
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_lid && event->type() == QEvent::Paint) {
            QPainter p(m_lid);
            paletteart::drawFeltPenLid(p, m_lid->rect(), m_colour);
            return true;
        }
        return QWidget::eventFilter(watched, event);
    }

    void mouseReleaseEvent(QMouseEvent *event) override
    {
        if (rect().contains(event->position().toPoint()) && onChosen)
            onChosen();
    }

private:
    QRect band() const { return rect().adjusted(3, 3, -3, -3); }

    ColourRef m_colour;
    QWidget *m_lid = nullptr;
};

const std::array<ColourRef, FontDialog::kPenCount> &FontDialog::penColours()
{
    static const std::array<ColourRef, kPenCount> colours{0x000000, 0x3B37E8, 0xC0561A, 0x1A9A2E,
                                                          0x1A8CFF, 0x9C2C7A, 0x1E4A8B};
    return colours;
}

FontDialog::FontDialog(AppContext &context, const TextBoxModel &box, QWidget *parent)
    // The top bar names the dialog; a heading under it would only push the buttons down.
    : OwnDialog(context, QStringLiteral("fontForm"),
                QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Font")), QString(), parent),
      m_box(box)
{
    m_choice = {box.style.fontName, box.style.fontSize, box.style.colour};

    m_holder = new QWidget(this);
    m_holder->setObjectName(QStringLiteral("egTextHolder"));
    m_holder->setFixedSize(kHolderSize);
    m_holder->setAutoFillBackground(true);
    QPalette white = m_holder->palette();
    white.setColor(QPalette::Window, Qt::white);
    m_holder->setPalette(white);
    m_holder->installEventFilter(this);
    m_preview = new QLabel(normalisedBoxText(box.text).left(kPreviewCharacters), m_holder);
    m_preview->setObjectName(QStringLiteral("egtext"));
    m_preview->setTextFormat(Qt::PlainText);
    bodyLayout()->addWidget(m_holder, 0, Qt::AlignHCenter);

    auto *choices = new QHBoxLayout;
    choices->setSpacing(16);
    auto *fonts = new QVBoxLayout;
    m_fontSelected = new QLabel(this);
    m_fontSelected->setObjectName(QStringLiteral("fontselected"));
    m_fontSelected->setFont(looks::childFont(looks::kControlPixels, true));
    fonts->addWidget(m_fontSelected);
    m_fontList = new QListWidget(this);
    m_fontList->setObjectName(QStringLiteral("fontnamebox"));
    m_fontList->setAccessibleName(QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Fonts")));
    fonts->addWidget(m_fontList);
    choices->addLayout(fonts, 3);

    auto *sizes = new QVBoxLayout;
    m_sizeLabel = new QLabel(this);
    m_sizeLabel->setObjectName(QStringLiteral("sizeLabel"));
    m_sizeLabel->setFont(looks::childFont(looks::kControlPixels, true));
    sizes->addWidget(m_sizeLabel);
    m_sizeList = new QListWidget(this);
    m_sizeList->setObjectName(QStringLiteral("fontSzCap"));
    m_sizeList->setAccessibleName(QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Sizes")));
    m_sizeList->verticalScrollBar()->setObjectName(QStringLiteral("fszScroll"));
    sizes->addWidget(m_sizeList);
    choices->addLayout(sizes, 1);

    auto *pens = new QVBoxLayout;
    pens->setSpacing(2);
    for (int i = 0; i < kPenCount; ++i) {
        auto *pen = new FeltPenChoice(i, penColours()[i], this);
        pen->onChosen = [this, i] { choosePen(i); };
        m_pens.append(pen);
        pens->addWidget(pen);
    }
    choices->addLayout(pens);
    bodyLayout()->addLayout(choices, 1);

    m_allBoxes =
        new QCheckBox(QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "All text boxes")), this);
    m_allBoxes->setObjectName(QStringLiteral("AllTBsCheck"));
    m_allBoxes->setFont(looks::childFont(looks::kControlPixels));
    m_allBoxes->setVisible(kindInfo(context.page.documentType).fontForAllBoxes);
    bodyLayout()->addWidget(m_allBoxes, 0, Qt::AlignHCenter);

    buildFontList();
    buildSizeList();
    for (int i = 0; i < kPenCount; ++i)
        m_pens[i]->setOpen(penColours()[i] == box.style.colour);
    const auto &names = context.settings.fontSlots;
    for (int i = 0; i < int(names.size()); ++i)
        if (names[size_t(i)].compare(box.style.fontName, Qt::CaseInsensitive) == 0)
            m_fontList->setCurrentRow(i);
    showPreview();
    m_fontList->setFixedHeight(kListRows * kListRowPixels + 6);
    m_sizeList->setFixedHeight(kListRows * kListRowPixels + 6);
    m_fontList->setMinimumWidth(250);
    m_sizeList->setFixedWidth(110);
    adjustSize();
}

void FontDialog::buildFontList()
{
    const auto &names = context().settings.fontSlots;
    for (const QString &name : names) {
        auto *item = new QListWidgetItem(name, m_fontList);
        QFont face(name);
        face.setPixelSize(26);
        item->setFont(face);
        item->setSizeHint(QSize(0, kListRowPixels));
    }
    connect(m_fontList, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *item) { chooseFont(m_fontList->row(item)); });
}

void FontDialog::buildSizeList()
{
    const QList<int> allowed = allowedFontDialogSizes(m_box);
    for (int size : fontDialogSizes()) {
        auto *item = new QListWidgetItem(QString::number(size), m_sizeList);
        item->setFont(looks::childFont(24));
        item->setSizeHint(QSize(0, kListRowPixels));
        item->setHidden(!allowed.contains(size));
    }
    const int current = listedSizeAtOrBelow(m_box.style.fontSize, allowed);
    m_sizeLabel->setText(QString::number(current));
    m_sizeList->setCurrentRow(int(fontDialogSizes().indexOf(current)));
    connect(m_sizeList, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *item) { chooseSize(item->text().toInt()); });
    if (m_sizeList->currentItem())
        m_sizeList->scrollToItem(m_sizeList->currentItem());
}

QList<int> FontDialog::shownSizes() const
{
    QList<int> shown;
    for (int row = 0; row < m_sizeList->count(); ++row)
        if (!m_sizeList->item(row)->isHidden())
            shown.append(m_sizeList->item(row)->text().toInt());
    return shown;
}

bool FontDialog::applyToAll() const
{
    return m_allBoxes->isVisible() && m_allBoxes->isChecked();
}

void FontDialog::chooseFont(int index)
{
    const auto &names = context().settings.fontSlots;
    if (index < 0 || index >= int(names.size()))
        return;
    m_choice.fontName = names[size_t(index)];
    showPreview();
}

void FontDialog::chooseSize(int size)
{
    if (size <= 0)
        return;
    m_choice.fontSize = size;
    m_sizeLabel->setText(QString::number(size));
    showPreview();
}

void FontDialog::choosePen(int index)
{
    if (index < 0 || index >= kPenCount)
        return;
    m_choice.colour = penColours()[size_t(index)];
    for (int i = 0; i < kPenCount; ++i)
        m_pens[i]->setOpen(i == index);
    showPreview();
}

void FontDialog::showPreview()
{
    TextStyle style = m_box.style;
    style.fontName = m_choice.fontName;
    style.fontSize = m_choice.fontSize;
    m_preview->setFont(fontForStyle(style));
    QPalette colours = m_preview->palette();
    colours.setColor(QPalette::WindowText, toQColor(m_choice.colour));
    m_preview->setPalette(colours);
    m_fontSelected->setText(m_choice.fontName);
    centrePreview();
}

void FontDialog::centrePreview()
{
    m_preview->adjustSize();
    const QSize size = m_preview->size();
    m_preview->move((m_holder->width() - size.width()) / 2,
                    (m_holder->height() - size.height()) / 2);
}

bool FontDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_holder && event->type() == QEvent::Resize)
        centrePreview();
    return OwnDialog::eventFilter(watched, event);
}

void FontDialog::okPressed()
{
    TextStyle chosen = m_box.style;
    chosen.fontName = m_choice.fontName;
    chosen.fontSize = m_choice.fontSize;
    if (!m_box.multiLine && !oneLineFits(chosen, m_box.geometry.height())) {
        // The child sees the preview go back to the size the box has and may choose again.
        chooseSize(qRound(m_box.style.fontSize));
        m_choice.fontSize = m_box.style.fontSize;
        QApplication::beep();
        emit choiceRefused();
        return;
    }
    OwnDialog::okPressed();
}

} // namespace quillora
