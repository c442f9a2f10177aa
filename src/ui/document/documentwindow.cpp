#include "ui/document/documentwindow.h"

#include "core/app/appcontext.h"
#include "core/layout/colour.h"
#include "core/layout/objectkinds.h"
#include "core/layout/reach.h"
#include "ui/document/documentshortcuts.h"
#include "ui/document/pageview.h"
#include "ui/document/richtextboxwidget.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QStyle>
#include <QKeyEvent>
#include <QMimeData>

namespace quillora {
namespace {

// The page's placeholder mark (kPlaceholderText), as the catalogue lists it.
const QString kSampleWord = QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Abc"));

// The desk round the page: a calm colour so the white page and the bright buttons stand out.
const QColor kDeskColour(0xD6, 0xEC, 0xFC);
// A soft shadow down and right of the page lifts it off the desk.
const QColor kShadowColour(0x9D, 0xBE, 0xDF);
constexpr int kShadowOffsetPx = 6;
// A blank picture is made only for boxes of a believable size; a box beyond it (from a broken
// template) shows white without holding pixels.
constexpr int kMaxBlankPictureSidePx = 8192;

bool clipboardHoldsPicture()
{
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    return data && data->hasImage();
}

} // namespace

DocumentWindow::DocumentWindow(AppContext &context, const QString &objectName, QWidget *parent)
    : QWidget(parent), m_context(context), m_clipboardHasPicture(clipboardHoldsPicture)
{
    setObjectName(objectName);
    setWindowTitle(QStringLiteral("Quillora"));
    setWindowFlag(Qt::FramelessWindowHint);
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, kDeskColour);
    setPalette(colours);

    m_toolbar = new DocumentToolbar(context, this);
    connect(m_toolbar, &DocumentToolbar::triggered, this, &DocumentWindow::onToolbar);

    m_paletteArea = new QWidget(this);
    m_paletteArea->setObjectName(QStringLiteral("paletteArea"));

    m_paperShadow = new QWidget(this);
    m_paperShadow->setObjectName(QStringLiteral("paperShadow"));
    m_paperShadow->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_paperShadow->setAutoFillBackground(true);
    QPalette shadow = m_paperShadow->palette();
    shadow.setColor(QPalette::Window, kShadowColour);
    m_paperShadow->setPalette(shadow);
    m_paperShadow->hide();

    m_pageView = new PageView(this);
    m_pageView->setKeyFilter(this);
    Q_ASSERT(kSampleWord == kPlaceholderText);
    m_pageView->translatePlaceholders(m_context.translator, {kSampleWord});
    m_pageView->hide();
    // Connected before the window's own handlers, so it comes first for every press.
    connect(m_pageView, &PageView::paperPressed, this, &DocumentWindow::pagePressStarting);
    connect(m_pageView, &PageView::textBoxPressed, this, &DocumentWindow::pagePressStarting);
    connect(m_pageView, &PageView::richTextBoxPressed, this, &DocumentWindow::pagePressStarting);
    connect(m_pageView, &PageView::pictureBoxPressed, this, &DocumentWindow::pagePressStarting);
    connect(m_pageView, &PageView::borderPressed, this, &DocumentWindow::borderPressed);
    connect(m_pageView, &PageView::paperPressed, this, [this](QPoint at, Qt::MouseButton button) {
        setCurrentObject(ObjectKind::Paper, 0);
        emit paperPressed(at, button);
    });
    connect(m_pageView, &PageView::textBoxPressed, this, &DocumentWindow::onTextBoxPressed);
    connect(m_pageView, &PageView::textBoxEdited, this, &DocumentWindow::onTextBoxEdited);
    connect(m_pageView, &PageView::textBoxKeyReleased, this, [this](int index) {
        countKeyRelease();
        emit textBoxKeyReleased(index);
    });
    connect(m_pageView, &PageView::richTextBoxPressed, this, &DocumentWindow::onRichTextBoxPressed);
    connect(m_pageView, &PageView::richTextBoxEdited, this, &DocumentWindow::onRichTextBoxEdited);
    connect(m_pageView, &PageView::richTextBoxKeyReleased, this, [this](int index) {
        countKeyRelease();
        emit richTextBoxKeyReleased(index);
    });
    connect(m_pageView, &PageView::pictureBoxPressed, this, &DocumentWindow::onPicturePressed);
    connect(m_pageView, &PageView::pictureBoxMoved, this, &DocumentWindow::pictureMoved);
    connect(m_pageView, &PageView::pictureBoxReleased, this, &DocumentWindow::pictureReleased);
    connect(m_pageView, &PageView::pictureBoxTouchCancelled, this,
            &DocumentWindow::pictureTouchCancelled);

    // The felt pens are the palette a new window starts with.
    setPaintToolsShown(false);
    m_toolbar->setButtonShown(ToolbarAction::BorderFromMagnifier, false);
    applySettings();

    resize(context.env.screen.widthPx, context.env.screen.heightPx);
    layoutChrome();
}

PageFitInputs DocumentWindow::pageFitInputs() const
{
    PageFitInputs inputs = documentWindowFit(
        m_context.env.screen.widthPx, m_context.env.screen.heightPx, m_context.page.documentType);
    inputs.rightToLeft = layoutDirection() == Qt::RightToLeft;
    return inputs;
}

void DocumentWindow::showPage()
{
    giveEmptyPicturesPaper();
    m_pageView->showPage(m_context.page);
    if (!showsPageView())
        m_pageView->hide();
    m_paperShadow->setGeometry(
        m_context.page.pageRect.translated(kShadowOffsetPx, kShadowOffsetPx));
    // A see-through page view (one whose pages are panels of their own) casts no shadow.
    m_paperShadow->setVisible(!m_pageView->isHidden() && m_pageView->autoFillBackground());
    emit pageShown();
}

void DocumentWindow::applySettings()
{
    m_toolbar->setButtonShown(ToolbarAction::WebCam,
                              m_offersWebcam && m_context.settings.offerWebcam);
    m_toolbar->setButtonShown(ToolbarAction::ReadAloud, m_context.settings.readAloud);
    m_pageView->setFrameColour(toQColor(m_context.frameColour()));
}

void DocumentWindow::setOffersWebcam(bool offers)
{
    m_offersWebcam = offers;
    applySettings();
}

void DocumentWindow::setCurrentObject(ObjectKind kind, int index)
{
    const CurrentObject next{kind, index};
    if (m_context.page.current == next)
        return;
    m_context.page.current = next;
    emit currentObjectChanged(kind, index);
}

void DocumentWindow::refreshTextBox(int index)
{
    if (index < 0 || index >= m_context.page.textBoxes.size())
        return;
    m_pageView->syncTextBox(index, m_context.page.textBoxes[index]);
    emit objectRefreshed(ObjectKind::Text, index);
}

void DocumentWindow::refreshRichTextBox(int index)
{
    if (index < 0 || index >= m_context.page.richTextBoxes.size())
        return;
    m_pageView->syncRichTextBox(index, m_context.page.richTextBoxes[index]);
    emit objectRefreshed(ObjectKind::RichText, index);
}

void DocumentWindow::refreshPictureBox(int index)
{
    if (index < 0 || index >= m_context.page.pictureBoxes.size())
        return;
    m_pageView->syncPictureBox(index, m_context.page.pictureBoxes[index]);
    emit objectRefreshed(ObjectKind::Picture, index);
}

void DocumentWindow::setPaintToolsShown(bool paintToolsShown)
{
    m_toolbar->setButtonShown(ToolbarAction::ShowFeltPens, paintToolsShown);
    m_toolbar->setButtonShown(ToolbarAction::ShowPaintTools, !paintToolsShown);
}

void DocumentWindow::setClipboardProbe(std::function<bool()> hasPicture)
{
    m_clipboardHasPicture = std::move(hasPicture);
}

void DocumentWindow::textBoxResized(ObjectKind kind, int index)
{
    if (kind == ObjectKind::Text && index >= 0 && index < m_context.page.textBoxes.size())
        emit textBoxEdited(index);
    else if (kind == ObjectKind::RichText && index >= 0 &&
             index < m_context.page.richTextBoxes.size())
        emit richTextBoxEdited(index);
}

void DocumentWindow::onToolbar(ToolbarAction action)
{
    switch (action) {
    case ToolbarAction::New:
        emit newRequested();
        break;
    case ToolbarAction::Open:
        emit openRequested();
        break;
    case ToolbarAction::Save:
        emit saveRequested();
        break;
    case ToolbarAction::Print:
        emit printRequested();
        break;
    case ToolbarAction::Undo:
        requestHistoryStep(HistoryStep::Undo);
        break;
    case ToolbarAction::Redo:
        requestHistoryStep(HistoryStep::Redo);
        break;
    case ToolbarAction::Font:
        emit fontRequested();
        break;
    case ToolbarAction::TextBigger:
        emit textBiggerRequested();
        break;
    case ToolbarAction::TextSmaller:
        emit textSmallerRequested();
        break;
    case ToolbarAction::ShowFeltPens:
        setPaintToolsShown(false);
        emit feltPensRequested();
        break;
    case ToolbarAction::ShowPaintTools:
        setPaintToolsShown(true);
        emit paintToolsRequested();
        break;
    case ToolbarAction::BorderFromMagnifier:
        emit borderFromMagnifierRequested();
        break;
    case ToolbarAction::WebCam:
        emit webCamRequested();
        break;
    case ToolbarAction::ReadAloud:
        emit readAloudRequested();
        break;
    case ToolbarAction::Minimise:
        showMinimized();
        break;
    case ToolbarAction::Exit:
        emit exitRequested();
        break;
    }
}

void DocumentWindow::requestHistoryStep(HistoryStep step)
{
    if (holdHistoryStep(step))
        return;
    if (step == HistoryStep::Undo)
        emit undoRequested();
    else
        emit redoRequested();
}

bool DocumentWindow::runShortcut(const QKeyEvent &key)
{
    ShortcutState state;
    state.current = m_context.page.current;
    state.undoButtonShown = m_toolbar->isButtonShown(ToolbarAction::Undo);
    state.redoButtonShown = m_toolbar->isButtonShown(ToolbarAction::Redo);
    state.clipboardHasPicture = m_clipboardHasPicture;

    switch (shortcutFor(key.key(), key.modifiers(), state)) {
    case ShortcutAction::None:
        return false;
    case ShortcutAction::CopyPicture:
        emit copyPictureRequested(state.current.index);
        return true;
    case ShortcutAction::PastePicture:
        emit pastePictureRequested(state.current.index);
        return true;
    case ShortcutAction::Undo:
        requestHistoryStep(HistoryStep::Undo);
        return true;
    case ShortcutAction::Redo:
        requestHistoryStep(HistoryStep::Redo);
        return true;
    case ShortcutAction::Options:
        emit optionsRequested();
        return true;
    }
    return false;
}

bool DocumentWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && runShortcut(*static_cast<QKeyEvent *>(event)))
        return true;
    return QWidget::eventFilter(watched, event);
}

void DocumentWindow::keyPressEvent(QKeyEvent *event)
{
    if (runShortcut(*event)) {
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void DocumentWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layoutChrome();
}

void DocumentWindow::onTextBoxPressed(int index)
{
    if (index >= m_context.page.textBoxes.size())
        return;
    setCurrentObject(ObjectKind::Text, index);
    TextBoxModel &box = m_context.page.textBoxes[index];
    if (box.text == kPlaceholderText) {
        box.text.clear();
        m_pageView->syncTextBox(index, box);
    }
    emit textBoxPressed(index);
}

void DocumentWindow::onTextBoxEdited(int index, const QString &text)
{
    if (index >= m_context.page.textBoxes.size())
        return;
    m_context.page.textBoxes[index].text = text;
    emit textBoxEdited(index);
}

void DocumentWindow::onRichTextBoxPressed(int index)
{
    if (index >= m_context.page.richTextBoxes.size())
        return;
    setCurrentObject(ObjectKind::RichText, index);
    RichTextBoxModel &box = m_context.page.richTextBoxes[index];
    if (box.plainText == kPlaceholderText) {
        box.plainText.clear();
        box.rtf.clear();
        m_pageView->syncRichTextBox(index, box);
    }
    emit richTextBoxPressed(index);
}

void DocumentWindow::onRichTextBoxEdited(int index)
{
    if (index >= m_context.page.richTextBoxes.size())
        return;
    RichTextBoxModel &box = m_context.page.richTextBoxes[index];
    box.plainText = m_pageView->richTextBox(index)->toPlainText();
    // An RTF copy taken before this edit would bring back the old text: it is dropped until the
    // text controller stores the control's new content, as it does for every edit.
    box.rtf.clear();
    emit richTextBoxEdited(index);
}

void DocumentWindow::onPicturePressed(int index, QPoint position, Qt::MouseButton button,
                                      int pointer)
{
    if (index >= m_context.page.pictureBoxes.size())
        return;
    const bool justSelected =
        !(m_context.page.current == CurrentObject{ObjectKind::Picture, index});
    setCurrentObject(ObjectKind::Picture, index);
    emit picturePressed(index, position, button, justSelected, pointer);
}

void DocumentWindow::countKeyRelease()
{
    ++m_context.page.changeCount;
}

void DocumentWindow::giveEmptyPicturesPaper()
{
    for (PictureBoxModel &box : m_context.page.pictureBoxes) {
        if (!box.visible || !box.image.isNull() || box.geometry.isEmpty() ||
            box.geometry.width() > kMaxBlankPictureSidePx ||
            box.geometry.height() > kMaxBlankPictureSidePx)
            continue;
        box.image = QImage(box.geometry.size(), QImage::Format_RGB32);
        box.image.fill(Qt::white);
    }
}

void DocumentWindow::layoutChrome()
{
    m_toolbar->setGeometry(0, 0, width(), kToolbarHeightPx);
    const ScreenMetrics &screen = m_context.env.screen;
    const QRect palettes(0, kToolbarHeightPx, paletteColumnWidth(screen.widthPx, screen.heightPx),
                         qMax(0, height() - kToolbarHeightPx));
    m_paletteArea->setGeometry(QStyle::visualRect(layoutDirection(), rect(), palettes));
}

} // namespace quillora
