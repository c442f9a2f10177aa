#include "ui/doctypes/anywherewindow.h"

#include "core/app/appcontext.h"
#include "core/doctypes/anywhere.h"
#include "core/doctypes/pagefamily.h"
#include "core/pictures/painttables.h"
#include "core/layout/templatereader.h"
#include "ui/doctypes/anywheretexts.h"
#include "ui/document/objectframe.h"
#include "ui/document/pageview.h"
#include "ui/kit/picturebutton.h"
#include "ui/pictures/feltpens.h"
#include "ui/pictures/paintingcontroller.h"
#include "ui/pictures/painttools.h"
#include "ui/document/pictureboxwidget.h"
#include "ui/undo/undocontroller.h"

#include <QCoreApplication>
#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>
#include <array>

namespace quillora {

namespace {

constexpr int kWriteButtonPx = 72;
constexpr int kSwatchPx = 32;
constexpr int kColumnGapPx = 16;

struct TextColour {
    ColourRef colour; // 0x00BBGGRR
    const char *name;
};
// Bright colours that read well on a white page, black first.
constexpr std::array<TextColour, 12> kTextColours = {{
    {0x000000, QT_TRANSLATE_NOOP("Quillora", "Black")},
    {0x0000FF, QT_TRANSLATE_NOOP("Quillora", "Red")},
    {0x0080FF, QT_TRANSLATE_NOOP("Quillora", "Orange")},
    {0x00C0FF, QT_TRANSLATE_NOOP("Quillora", "Gold")},
    {0x008000, QT_TRANSLATE_NOOP("Quillora", "Green")},
    {0x00C000, QT_TRANSLATE_NOOP("Quillora", "Grass")},
    {0xFF0000, QT_TRANSLATE_NOOP("Quillora", "Blue")},
    {0xC08000, QT_TRANSLATE_NOOP("Quillora", "Sky")},
    {0x800080, QT_TRANSLATE_NOOP("Quillora", "Purple")},
    {0xFF00FF, QT_TRANSLATE_NOOP("Quillora", "Pink")},
    {0x004080, QT_TRANSLATE_NOOP("Quillora", "Brown")},
    {0xFFFFFF, QT_TRANSLATE_NOOP("Quillora", "White")},
}};

} // namespace

AnywhereWindow::AnywhereWindow(AppContext &context, QWidget *parent)
    : DocumentWindow(context, kindInfo(DocumentKind::Anywhere).windowName, parent)
{
    m_texts = new AnywhereTexts(context, this);
    m_writeButton =
        new PictureButton(QStringLiteral("abcBut"), QIcon(QStringLiteral(":/art/anywhere/abc.svg")),
                          QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Write")), this);
    m_writeButton->resize(kWriteButtonPx, kWriteButtonPx);
    connect(m_writeButton, &PictureButton::clicked, this, &AnywhereWindow::enterWriting);
    makePalette();
    m_texts->keepInFront(m_writeButton);
    m_texts->keepInFront(m_palette);

    // Every toolbar button and shortcut ends editing before the controllers act on it: these
    // connections are made before any controller's.
    for (auto request : {&DocumentWindow::newRequested, &DocumentWindow::openRequested,
                         &DocumentWindow::saveRequested, &DocumentWindow::printRequested,
                         &DocumentWindow::undoRequested, &DocumentWindow::redoRequested,
                         &DocumentWindow::feltPensRequested, &DocumentWindow::paintToolsRequested,
                         &DocumentWindow::exitRequested, &DocumentWindow::optionsRequested})
        connect(this, request, this, &AnywhereWindow::endEditing);
    // A shot would replace the whole painting under the texts: the page is painted, not
    // photographed.
    setOffersWebcam(false);
    connect(this, &DocumentWindow::picturePressed, this,
            [this](int index, QPoint at, Qt::MouseButton button, bool) {
                onPicturePressed(index, at, button);
            });
    connect(this, &DocumentWindow::pageShown, this, &AnywhereWindow::onPageShown);
    // The toolbar's text buttons work on the text being edited.
    connect(this, &DocumentWindow::textBiggerRequested, this, [this] { stepTextSize(2); });
    connect(this, &DocumentWindow::textSmallerRequested, this, [this] { stepTextSize(-2); });
    connect(this, &DocumentWindow::fontRequested, this, [this] {
        if (m_texts->editedSlot() > 0)
            m_texts->showFontPanel();
    });
    connect(m_texts, &AnywhereTexts::writingWanted, this, [this] {
        if (!isWriting())
            enterWriting();
    });
    connect(m_texts, &AnywhereTexts::keyReleased, this,
            [this] { countAnywhereChange(this->context().page); });
    connect(m_texts, &AnywhereTexts::stepFinished, this, &AnywhereWindow::recordStep);
}

bool AnywhereWindow::startDocument(const QString &templatePath)
{
    QString reason;
    const bool built = pageFamilyFor(DocumentKind::Anywhere)
                           ->buildNewPage(context().page, templatePath, pageFitInputs(), &reason);
    translateTemplateWords(context().page, context().translator);
    showPage();
    if (!built)
        emit templateLoadFailed(reason);
    return built;
}

bool AnywhereWindow::isWriting() const
{
    return context().paint.tool == ToolWriting;
}

void AnywhereWindow::enterWriting()
{
    connectControllers();
    if (m_painting) {
        m_painting->selectTool(ToolWriting);
        m_painting->feltPens()->closeCurrentLid();
    } else {
        context().paint.tool = ToolWriting;
    }
    if (PictureBoxWidget *picture = pageView()->pictureBox(0))
        picture->setCursor(Qt::IBeamCursor);
}

void AnywhereWindow::endEditing()
{
    m_texts->endEditing();
}

int AnywhereWindow::editedFloatingText() const
{
    return std::max(0, m_texts->editedSlot());
}

QWidget *AnywhereWindow::takeKeyboardTyping()
{
    const int slot = m_texts->editedSlot();
    if (slot < 0)
        return nullptr;
    // A key pressed on the keyboard replaces the placeholder of a new text, as a typed one does.
    if (floatingTextsOf(context().page)[slot].newby)
        m_texts->edit(slot, true, true);
    return m_texts->textBox(slot);
}

void AnywhereWindow::connectControllers()
{
    // The controllers are attached after the window is made; they are found once, when the
    // first page shows.
    if (!m_painting) {
        m_painting = findChild<PaintingController *>(QString(), Qt::FindDirectChildrenOnly);
        if (m_painting) {
            connect(m_painting, &PaintingController::paintColourChosen, this,
                    &AnywhereWindow::onPaintingChosen);
            connect(m_painting->paintTools(), &PaintTools::toolChosen, this,
                    &AnywhereWindow::onPaintingChosen);
        }
    }
    if (!m_undo) {
        m_undo = findChild<UndoController *>(QString(), Qt::FindDirectChildrenOnly);
        if (m_undo) {
            connect(m_undo, &UndoController::restored, this, [this] {
                m_texts->showPage();
                refreshPictureBox(0);
            });
        }
    }
}

void AnywhereWindow::onPageShown()
{
    connectControllers();
    PageModel &page = context().page;
    const QRect picture = anywherePictureRect(page);
    if (PictureBoxWidget *widget = pageView()->pictureBox(0))
        widget->setObjectName(QStringLiteral("PicBox"));
    if (ObjectFrame *frame = pageView()->pictureFrame(0))
        frame->setObjectName(QStringLiteral("picBorder"));
    m_texts->setPicture(page.pageRect.topLeft() + picture.topLeft(), picture.size());
    m_texts->showPage();
    placeColumn();
    // A page starts painting, whatever the last page was doing.
    if (isWriting() && m_painting)
        m_painting->selectTool(0);
    if (m_undo)
        m_undo->beginWorkOn(CurrentObject{ObjectKind::Picture, 0});
}

void AnywhereWindow::onPicturePressed(int index, QPoint position, Qt::MouseButton button)
{
    if (index != 0)
        return;
    if (!isWriting()) {
        // Painting starts: the texts go back to labels first.
        endEditing();
        return;
    }
    if (button != Qt::LeftButton)
        return;
    PageModel &page = context().page;
    countAnywhereChange(page);
    const PictureBoxWidget *widget = pageView()->pictureBox(0);
    const std::optional<int> slot =
        addFloatingText(page, widget ? widget->toImage(position) : position);
    if (!slot) {
        QApplication::beep();
        return;
    }
    m_texts->showPage();
    m_texts->edit(*slot, true, true);
}

void AnywhereWindow::onPaintingChosen()
{
    // A felt pen, a palette colour or a paint tool: back to painting.
    if (isWriting() && m_painting)
        m_painting->selectTool(0);
    endEditing();
}

void AnywhereWindow::colourText(ColourRef colour)
{
    const int slot = m_texts->editedSlot();
    if (!isFloatingText(context().page, slot))
        return;
    colourFloatingText(context().page, slot, colour);
    m_texts->showText(slot);
    recordStep();
}

void AnywhereWindow::stepTextSize(int step)
{
    const int slot = m_texts->editedSlot();
    if (!isFloatingText(context().page, slot))
        return;
    stepFloatingTextSize(context().page, slot, step);
    m_texts->edit(slot, true);
    recordStep();
}

void AnywhereWindow::recordStep()
{
    connectControllers();
    if (m_undo)
        m_undo->record(ObjectKind::Picture, 0);
}

void AnywhereWindow::makePalette()
{
    m_palette = new QWidget(this);
    m_palette->setObjectName(QStringLiteral("dumPal"));
    auto *grid = new QGridLayout(m_palette);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(4);
    for (int i = 0; i < int(kTextColours.size()); ++i) {
        const TextColour &entry = kTextColours[i];
        auto *swatch = new QLabel(m_palette);
        swatch->setObjectName(QStringLiteral("textColour%1").arg(i));
        swatch->setAccessibleName(QCoreApplication::translate("Quillora", "%1 text")
                                      .arg(QCoreApplication::translate("Quillora", entry.name)));
        swatch->setFixedSize(kSwatchPx, kSwatchPx);
        swatch->setCursor(Qt::PointingHandCursor);
        swatch->setStyleSheet(QStringLiteral("background: %1; border: 2px solid #5a6b80; "
                                             "border-radius: 6px;")
                                  .arg(toQColor(entry.colour).name()));
        swatch->installEventFilter(this);
        grid->addWidget(swatch, i / 2, i % 2);
    }
    m_palette->adjustSize();
}

bool AnywhereWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease && watched->parent() == m_palette) {
        const int index = watched->objectName().mid(QStringLiteral("textColour").size()).toInt();
        colourText(kTextColours[std::clamp(index, 0, int(kTextColours.size()) - 1)].colour);
        return true;
    }
    return DocumentWindow::eventFilter(watched, event);
}

void AnywhereWindow::placeColumn()
{
    const QRect page = context().page.pageRect;
    const int left = page.right() + kColumnGapPx;
    const int columnWidth = std::max(kWriteButtonPx, m_palette->width());
    const int x = std::min(left, width() - columnWidth - 4);
    m_writeButton->move(x + (columnWidth - kWriteButtonPx) / 2, page.top());
    m_palette->move(x + (columnWidth - m_palette->width()) / 2,
                    page.top() + kWriteButtonPx + kColumnGapPx);
    m_writeButton->raise();
    m_palette->raise();
}

} // namespace quillora
