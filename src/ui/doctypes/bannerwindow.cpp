#include "ui/doctypes/bannerwindow.h"

#include "core/app/appcontext.h"
#include "core/doctypes/bannerdrawing.h"
#include "core/doctypes/bannerfamily.h"
#include "core/foundation/fontmapping.h"
#include "core/layout/templatereader.h"
#include "ui/doctypes/bannerstrip.h"
#include "ui/doctypes/documentwiring.h"
#include "ui/kit/picturebutton.h"
#include "ui/pictures/bordereditor.h"
#include "ui/undo/undocontroller.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTimer>

#include <algorithm>

namespace quillora {

namespace {

constexpr int kButtonPx = 56;
constexpr int kTextHeightPx = 68;
constexpr int kRowGapPx = 14;
constexpr int kFontListWidthPx = 240;
constexpr int kThicknessWidthPx = 160;
constexpr int kGroupGapPx = 24;
constexpr int kItemGapPx = 8;

// The five settings names stand for the metric twins installed in their place.
bool fontInstalled(const QString &family)
{
    return QFontDatabase::hasFamily(metricCompatibleFamily(family));
}

const QColor kFieldEdge(0xFF, 0xB3, 0x00);
const QColor kButtonFace(0xFF, 0xFF, 0xFF);
const QColor kButtonEdge(0x1B, 0x3A, 0x8C);

// A big "A" as the letters of the banner are drawn: filled, with an outline of `outlinePx`.
QPainterPath letterA(const QRectF &box)
{
    QFont font(metricCompatibleFamily(QStringLiteral("Arial")));
    font.setPixelSize(100);
    font.setBold(true);
    QPainterPath path;
    path.addText(0, 0, font, QStringLiteral("A"));
    const QRectF ink = path.boundingRect();
    const double scale = std::min(box.width() / ink.width(), box.height() / ink.height());
    QTransform place;
    place.translate(box.center().x(), box.center().y());
    place.scale(scale, scale);
    place.translate(-ink.center().x(), -ink.center().y());
    return place.map(path);
}

// A button's rounded face in `back`, drawn at twice the size for sharp edges; `draw` adds
// what the button shows, in the button's own pixels.
QIcon drawnButton(const QColor &back, const std::function<void(QPainter &)> &draw)
{
    QPixmap picture(kButtonPx * 2, kButtonPx * 2);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(2, 2);
    painter.setPen(QPen(kButtonEdge, 3));
    painter.setBrush(back);
    painter.drawRoundedRect(QRectF(2, 2, kButtonPx - 4, kButtonPx - 4), 10, 10);
    draw(painter);
    return QIcon(picture);
}

QIcon buttonPicture(const QColor &back, const QColor &fill, const QColor &outline, double outlinePx)
{
    return drawnButton(back, [&](QPainter &painter) {
        const QPainterPath letter = letterA(QRectF(12, 10, kButtonPx - 24, kButtonPx - 20));
        painter.strokePath(
            letter, QPen(outline, 2 * outlinePx, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.fillPath(letter, fill);
    });
}

QIcon borderModePicture(bool bordered)
{
    return drawnButton(kButtonFace, [bordered](QPainter &painter) {
        // A ring of tiles round the sheet, bright while the banner has its border.
        const QColor tile = bordered ? QColor(0xFF, 0x8F, 0x00) : QColor(0xD0, 0xD0, 0xD0);
        for (int i = 0; i < 4; ++i) {
            for (const QPointF at : {QPointF(9 + i * 10, 9), QPointF(9 + i * 10, 39),
                                     QPointF(9, 9 + i * 10), QPointF(39, 9 + i * 10)})
                painter.fillRect(QRectF(at, QSizeF(8, 8)), tile);
        }
        if (!bordered) {
            painter.setPen(QPen(QColor(0xE5, 0x39, 0x35), 5, Qt::SolidLine, Qt::RoundCap));
            painter.drawLine(QPointF(12, 44), QPointF(44, 12));
        }
    });
}

PictureButton *makeButton(AppContext &context, const QString &name, const QString &caption,
                          QWidget *parent)
{
    auto *button = new PictureButton(name, QIcon(), context.tr(caption), parent);
    button->resize(kButtonPx, kButtonPx);
    return button;
}

} // namespace

BannerWindow::BannerWindow(AppContext &context, QWidget *parent)
    : DocumentWindow(context, kindInfo(DocumentKind::Display).windowName, parent),
      m_fontInstalled(fontInstalled)
{
    context.undo.addKind(ObjectKind::BannerLine, bannerUndoHandler());
    // The font dialog and the text size buttons belong to pages of text boxes.
    for (ToolbarAction unused :
         {ToolbarAction::Font, ToolbarAction::TextBigger, ToolbarAction::TextSmaller})
        toolbar()->setButtonShown(unused, false);
    // The banner's letters are drawn, not photographed.
    setOffersWebcam(false);
    buildControls();
    connect(this, &DocumentWindow::pageShown, this, &BannerWindow::showBanner);
    placeControls();
}

void BannerWindow::buildControls()
{
    const BannerTextField field =
        bannerTextField(context().env.screen.widthPx, paletteArea()->width());
    m_text = new QLineEdit(this);
    m_text->setObjectName(QStringLiteral("BannerText"));
    m_text->setAccessibleName(
        context().tr(QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Banner words"))));
    m_text->setFont(field.font);
    m_text->setContextMenuPolicy(Qt::NoContextMenu); // its own undo would pass ours by
    m_text->setStyleSheet(QStringLiteral("QLineEdit { border: 4px solid %1; border-radius: 12px; "
                                         "background: white; padding: 0 10px; }")
                              .arg(kFieldEdge.name()));
    m_text->installEventFilter(this);
    connect(m_text, &QLineEdit::textEdited, this, &BannerWindow::onTextEdited);

    m_measure = new QLabel(this);
    m_measure->setObjectName(QStringLiteral("AbcHolder"));
    m_measure->setFont(field.font);
    m_measure->hide();

    m_font = new QComboBox(this);
    m_font->setObjectName(QStringLiteral("FontNameCombo"));
    // Named by the font it shows; what it is for is its description.
    m_font->setAccessibleDescription(
        context().tr(QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Letters"))));
    QFont listFont = m_font->font();
    listFont.setPixelSize(24);
    m_font->setFont(listFont);
    for (const QString &name : context().settings.fontSlots)
        addFontItem(name);
    connect(m_font, &QComboBox::activated, this, &BannerWindow::onFontChosen);

    m_thinnest =
        makeButton(context(), QStringLiteral("Image1"),
                   QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Thinnest letters")), this);
    m_thinnest->setPicture(buttonPicture(kButtonFace, Qt::white, Qt::black, 0.8));
    m_thickness = new QScrollBar(Qt::Horizontal, this);
    m_thickness->setObjectName(QStringLiteral("thickScroll"));
    m_thickness->setAccessibleName(
        context().tr(QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Thickness"))));
    m_thickness->setRange(kMinBannerThickness, kMaxBannerThickness);
    m_thickness->setPageStep(1);
    m_thickness->setStyleSheet(
        QStringLiteral(
            "QScrollBar { background: #FFE7A0; border: 3px solid %1; border-radius: 12px; }"
            "QScrollBar::handle { background: %1; border-radius: 8px; min-width: 36px; "
            "margin: 3px; }"
            "QScrollBar::add-line, QScrollBar::sub-line { width: 0; }"
            "QScrollBar::add-page, QScrollBar::sub-page { background: none; }")
            .arg(kButtonEdge.name()));
    m_thickest =
        makeButton(context(), QStringLiteral("Image2"),
                   QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Thickest letters")), this);
    m_thickest->setPicture(buttonPicture(kButtonFace, Qt::white, Qt::black, 5.0));
    connect(m_thickness, &QScrollBar::valueChanged, this, &BannerWindow::onThicknessChanged);
    connect(m_thinnest, &QAbstractButton::clicked, m_thickness,
            [this] { m_thickness->setValue(m_thickness->minimum()); });
    connect(m_thickest, &QAbstractButton::clicked, m_thickness,
            [this] { m_thickness->setValue(m_thickness->maximum()); });

    m_background = makeButton(context(), QStringLiteral("bannerColourBut"),
                              QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Banner colour")), this);
    m_letterFill = makeButton(context(), QStringLiteral("letterColourBut"),
                              QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Letter colour")), this);
    m_letterOutline =
        makeButton(context(), QStringLiteral("outlineColourBut"),
                   QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Outline colour")), this);
    connect(m_background, &QAbstractButton::clicked, this,
            [this] { applyColour(Colour::Background); });
    connect(m_letterFill, &QAbstractButton::clicked, this,
            [this] { applyColour(Colour::LetterFill); });
    connect(m_letterOutline, &QAbstractButton::clicked, this,
            [this] { applyColour(Colour::LetterOutline); });

    m_borderMode = makeButton(context(), QStringLiteral("borderModeBut"),
                              QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Border")), this);
    m_borderMode->setCheckable(true);
    connect(m_borderMode, &QAbstractButton::clicked, this, [this](bool bordered) {
        setBannerMode(bordered ? BannerMode::Border : BannerMode::NoBorder);
    });

    m_strip = new BannerStrip(this);
    connect(m_strip, &BannerStrip::pressed, this, &BannerWindow::onStripPressed);
}

bool BannerWindow::startDocument(const QString &templatePath)
{
    QString reason;
    const bool built = pageFamilyFor(context().page.documentType)
                           ->buildNewPage(context().page, templatePath, pageFitInputs(), &reason);
    translateTemplateWords(context().page, context().translator);
    showPage();
    if (!built)
        emit templateLoadFailed(reason);
    // Once the shell has finished setting the new page up (which shows it again and so would
    // close the editor), a bordered banner opens with its border editor.
    QTimer::singleShot(0, this, &BannerWindow::openBorderEditor);
    return built;
}

void BannerWindow::controllersAttached(const DocumentControllers &controllers)
{
    m_undo = controllers.undo;
    m_border = controllers.border;
    connect(m_undo, &UndoController::restored, this, &BannerWindow::onRestored);
    // The painted tile goes onto the strip when the editor closes or "Use this border" is pressed.
    connect(m_border, &BorderEditor::editingChanged, this, [this](bool editing) {
        if (!editing)
            layOutStrip();
    });
    connect(this, &DocumentWindow::borderFromMagnifierRequested, this, &BannerWindow::layOutStrip);
}

void BannerWindow::setBannerMode(BannerMode mode)
{
    if (showsBorder(mode) == showsBorder(bannerStateOf(context().page).mode)) {
        showBanner();
        return;
    }
    if (m_border)
        m_border->endEditing();
    change([mode](Banner &banner) { banner.mode = mode; });
    openBorderEditor();
}

bool BannerWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_text) {
        if (event->type() == QEvent::MouseButtonPress) {
            emit pagePressStarting();
        } else if (event->type() == QEvent::KeyPress) {
            // Undo and redo are the banner's own steps, never the field's.
            const auto *key = static_cast<QKeyEvent *>(event);
            if (key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo)) {
                DocumentWindow::eventFilter(watched, event);
                return true;
            }
        }
    }
    return DocumentWindow::eventFilter(watched, event);
}

void BannerWindow::resizeEvent(QResizeEvent *event)
{
    DocumentWindow::resizeEvent(event);
    placeControls();
}

void BannerWindow::placeControls()
{
    if (!m_strip)
        return;
    const int left = paletteArea()->width() + kBannerFieldMarginPx;
    const int fieldWidth =
        int(bannerTextField(context().env.screen.widthPx, paletteArea()->width()).width);
    int top = kToolbarHeightPx + kRowGapPx;
    m_text->setGeometry(left, top, fieldWidth, kTextHeightPx);
    top += kTextHeightPx + kRowGapPx;

    int x = left;
    m_font->setGeometry(x, top, kFontListWidthPx, kButtonPx);
    x += kFontListWidthPx + kGroupGapPx;
    m_thinnest->move(x, top);
    x += kButtonPx + kItemGapPx;
    m_thickness->setGeometry(x, top + 8, kThicknessWidthPx, kButtonPx - 16);
    x += kThicknessWidthPx + kItemGapPx;
    m_thickest->move(x, top);
    x += kButtonPx + kGroupGapPx;
    for (PictureButton *button : {m_background, m_letterFill, m_letterOutline}) {
        button->move(x, top);
        x += kButtonPx + kItemGapPx;
    }
    m_borderMode->move(x + kGroupGapPx - kItemGapPx, top);
    layOutStrip();
}

void BannerWindow::addFontItem(const QString &name)
{
    m_font->addItem(name);
    QFont itemFont(metricCompatibleFamily(name));
    itemFont.setPixelSize(24);
    m_font->setItemData(m_font->count() - 1, itemFont, Qt::FontRole);
}

void BannerWindow::showBanner()
{
    Banner &banner = context().page.kindState<Banner>();
    const auto &fonts = context().settings.fontSlots;
    banner.fontName = bannerFontName(banner.fontName, fonts, m_fontInstalled);
    {
        const QSignalBlocker quietText(m_text);
        const QSignalBlocker quietFont(m_font);
        const QSignalBlocker quietThickness(m_thickness);
        if (m_text->text() != banner.text)
            m_text->setText(banner.text);
        // A font kept from the work but off the teacher's list shows below the five while it
        // is the banner's.
        while (m_font->count() > int(fonts.size()))
            m_font->removeItem(m_font->count() - 1);
        if (m_font->findText(banner.fontName) < 0)
            addFontItem(banner.fontName);
        m_font->setCurrentIndex(m_font->findText(banner.fontName));
        m_thickness->setValue(banner.thickness);
    }
    m_borderMode->setChecked(showsBorder(banner.mode));
    m_borderMode->setPicture(borderModePicture(showsBorder(banner.mode)));
    showSwatches();
    layOutStrip();
    if (m_text->isVisible())
        m_text->setFocus();
}

void BannerWindow::showSwatches()
{
    const Banner &banner = bannerStateOf(context().page);
    const QColor back = toQColor(banner.background);
    const QColor fill = toQColor(banner.letterFill);
    const QColor outline = toQColor(banner.letterOutline);
    m_background->setPicture(buttonPicture(back, Qt::white, Qt::black, 1.0));
    m_letterFill->setPicture(buttonPicture(kButtonFace, fill, Qt::black, 1.0));
    m_letterOutline->setPicture(buttonPicture(kButtonFace, Qt::white, outline, 3.0));
}

void BannerWindow::layOutStrip()
{
    if (!m_strip)
        return;
    PageModel &page = context().page;
    const Banner banner = bannerOnPage(page);
    m_layout = layOutBanner(banner);
    const int left = paletteArea()->width() + kBannerFieldMarginPx;
    const int top = m_font->geometry().bottom() + 1 + 2 * kRowGapPx;
    const int available = width() - left - kBannerFieldMarginPx;
    // As wide as the sheets allow, and never taller than the room below the controls.
    const double roomHigh = (height() - top - kBannerFieldMarginPx - 2) / kBannerSheetHeightMm;
    m_stripScale = std::min(quillora::stripScale(available, m_layout.sheetCount), roomHigh);
    m_strip->showStrip(drawBannerStrip(banner, m_layout, m_stripScale), m_stripScale);
    m_strip->move(left, top);
    // Which letters each sheet carries ("HEL | LO"), for a screen reader and the checks.
    QStringList sheets(m_layout.sheetCount);
    for (const BannerCell &cell : std::as_const(m_layout.cells))
        sheets[cell.sheet] += cell.character;
    m_strip->setAccessibleDescription(sheets.join(QStringLiteral(" | ")));
    // The border editor stands beside the strip as beside any page.
    page.pageRect = QRect(m_strip->pos(), m_strip->stripRect().size());
    page.scale = float(m_stripScale);
    quillora::setBannerMode(page, bannerStateOf(page).mode);
}

void BannerWindow::change(const std::function<void(Banner &)> &edit)
{
    PageModel &page = context().page;
    const CurrentObject banner{ObjectKind::BannerLine, 0};
    if (m_undo)
        m_undo->beginWorkOn(banner);
    setCurrentObject(banner.kind, banner.index);
    Banner changed = bannerStateOf(page);
    edit(changed);
    const BannerMode mode = changed.mode;
    page.kindState<Banner>() = std::move(changed);
    quillora::setBannerMode(page, mode);
    ++page.changeCount;
    if (m_undo)
        m_undo->record(banner.kind, banner.index);
    showBanner();
}

void BannerWindow::onTextEdited(const QString &text)
{
    const QString limited =
        limitBannerText(text, BannerTextField{m_measure->font(), qreal(m_text->width())});
    if (limited != text) {
        const QSignalBlocker quiet(m_text);
        m_text->setText(limited);
        m_text->end(false);
    }
    if (limited != bannerStateOf(context().page).text)
        change([&limited](Banner &banner) { banner.text = limited; });
}

void BannerWindow::onFontChosen(int index)
{
    const QString name = m_font->itemText(index);
    if (name != bannerStateOf(context().page).fontName)
        change([&name](Banner &banner) { banner.fontName = name; });
}

void BannerWindow::onThicknessChanged(int thickness)
{
    if (thickness != bannerStateOf(context().page).thickness)
        change([thickness](Banner &banner) { banner.thickness = thickness; });
}

void BannerWindow::applyColour(Colour part)
{
    emit pagePressStarting();
    const ColourRef colour = context().paint.paintColour;
    change([part, colour](Banner &banner) {
        switch (part) {
        case Colour::Background:
            banner.background = colour;
            break;
        case Colour::LetterFill:
            banner.letterFill = colour;
            break;
        case Colour::LetterOutline:
            banner.letterOutline = colour;
            break;
        }
    });
}

void BannerWindow::onStripPressed(int sheet, QPointF mm, Qt::MouseButton button)
{
    const QVector<QRectF> tiles = bannerTiles(m_layout, sheet);
    const bool onTile = std::any_of(tiles.cbegin(), tiles.cend(),
                                    [mm](const QRectF &tile) { return tile.contains(mm); });
    if (onTile) {
        emit borderPressed(m_strip->mapTo(this, (mm * m_stripScale).toPoint()), button);
        return;
    }
    emit pagePressStarting();
    m_text->setFocus();
}

void BannerWindow::onRestored(const QVector<UndoTarget> &changed)
{
    const bool banner = std::any_of(changed.cbegin(), changed.cend(), [](const UndoTarget &target) {
        return target.kind == ObjectKind::BannerLine || target.kind == ObjectKind::Border;
    });
    if (banner)
        showBanner();
}

void BannerWindow::openBorderEditor()
{
    if (m_border && showsBorder(bannerStateOf(context().page).mode) && !m_border->isEditing())
        m_border->toggleEditing();
}

} // namespace quillora
