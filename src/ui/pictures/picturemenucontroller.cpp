#include "ui/pictures/picturemenucontroller.h"

#include "core/app/appcontext.h"
#include "core/layout/objectkinds.h"
#include "ui/document/documentwindow.h"
#include "ui/document/pageview.h"
#include "ui/kit/translatewindow.h"
#include "ui/pictures/importquestions.h"
#include "ui/pictures/longpresses.h"
#include "ui/pictures/paintingcontroller.h"
#include "ui/undo/undocontroller.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QTimer>

#include <utility>

namespace quillora {

PictureMenuController::PictureMenuController(AppContext &context, DocumentWindow &window,
                                             UndoController &undo, PaintingController &painting,
                                             PictureMenuServices services)
    : QObject(&window), m_context(context), m_window(window), m_undo(undo), m_painting(painting),
      m_services(std::move(services))
{
    Q_ASSERT(m_services.clipboard && m_services.loader);
    if (!m_services.questions)
        m_services.questions = std::make_unique<WindowImportQuestions>(context);

    m_menu = new PictureMenu(&window);
    translateWindow(m_menu, context.translator);
    m_menu->setFrameColour(toQColor(context.frameColour()));
    connect(m_menu, &PictureMenu::chosen, this, &PictureMenuController::runEntry);

    // Ctrl+V asks the same clipboard the menu pastes from.
    window.setClipboardProbe([guard = QPointer<PictureMenuController>(this)] {
        return guard && guard->m_services.clipboard->hasImage();
    });

    connect(&painting, &PaintingController::contextMenuRequested, this,
            &PictureMenuController::showMenuForPicture);
    connect(&painting, &PaintingController::contextMenuDismissRequested, this,
            &PictureMenuController::hideMenu);
    connect(&window, &DocumentWindow::paperPressed, this,
            [this](QPoint at, Qt::MouseButton button) {
                if (button == Qt::RightButton && onMyLayout()) {
                    showMenuForPage(at);
                    return;
                }
                hideMenu();
                if (button == Qt::LeftButton && onMyLayout() && m_context.settings.longPressMenu)
                    holdPagePress(at);
            });
    connect(&window, &DocumentWindow::copyPictureRequested, this, [this](int index) {
        copyPicture(PictureTarget{ObjectKind::Picture, index});
    });
    connect(&window, &DocumentWindow::pastePictureRequested, this, [this](int index) {
        pastePicture(PictureTarget{ObjectKind::Picture, index});
    });
    connect(&window, &DocumentWindow::pageShown, this, &PictureMenuController::hideMenu);
}

PictureMenuController::~PictureMenuController()
{
    if (m_filterInstalled)
        qApp->removeEventFilter(this);
}

void PictureMenuController::holdPagePress(QPoint atPage)
{
    // A press on the page held still is the right press that opens the page menu.
    constexpr int kPagePress = 0;
    constexpr int kPage = 0;
    if (!m_pageHeld) {
        m_pageHeld = new LongPresses(m_window, this);
        PageView *view = m_window.pageView();
        connect(view, &PageView::paperMoved, m_pageHeld,
                [this](QPoint at) { m_pageHeld->takeIfMovedAway(kPagePress, kPage, at); });
        connect(view, &PageView::paperReleased, m_pageHeld,
                [this] { m_pageHeld->settle(kPagePress); });
    }
    m_pageHeld->hold(kPagePress, {HeldPresses::Kind::MaybeLong, kPage, atPage},
                     m_window.pageView()->mapTo(&m_window, atPage),
                     [this](const HeldPresses::Press &press) { showMenuForPage(press.position); });
}

bool PictureMenuController::onMyLayout() const
{
    return kindInfo(m_context.page.documentType).freeArrangement;
}

void PictureMenuController::showMenuForPicture(int index, QPoint atWindow)
{
    if (index < 0 || index >= m_context.page.pictureBoxes.size())
        return;
    showMenu(atWindow, false);
}

void PictureMenuController::showMenuForPage(QPoint atPage)
{
    m_menuPagePoint = atPage;
    showMenu(m_window.pageView()->mapTo(&m_window, atPage), true);
}

void PictureMenuController::showMenuForBorder(QPoint atWindow)
{
    showMenu(atWindow, false);
}

void PictureMenuController::showMenu(QPoint atWindow, bool pageOnly)
{
    m_menu->setFrameColour(toQColor(m_context.frameColour()));
    m_menu->showAt(atWindow, pageOnly);
    // Watching starts after the press that opened the menu has been handled, so that press
    // (passed on to the window behind the page) does not close it again.
    QTimer::singleShot(0, this, [this] {
        if (m_menu->isVisible() && !m_filterInstalled) {
            qApp->installEventFilter(this);
            m_filterInstalled = true;
        }
    });
}

void PictureMenuController::hideMenu()
{
    m_menu->hide();
    if (m_filterInstalled) {
        qApp->removeEventFilter(this);
        m_filterInstalled = false;
    }
}

bool PictureMenuController::eventFilter(QObject *watched, QEvent *event)
{
    if (!m_menu->isVisible())
        return false;
    if (event->type() == QEvent::MouseButtonPress) {
        auto *widget = qobject_cast<QWidget *>(watched);
        if (widget && widget != m_menu && !m_menu->isAncestorOf(widget))
            hideMenu();
    } else if (event->type() == QEvent::KeyPress &&
               static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
        hideMenu();
        return true;
    }
    return false;
}

void PictureMenuController::runEntry(PictureMenuEntry entry)
{
    hideMenu();
    const bool onPage = m_context.page.current.kind == ObjectKind::Paper;
    const std::optional<PictureTarget> target = currentPictureTarget(m_context.page);
    switch (entry) {
    case PictureMenuEntry::Copy:
        if (target)
            copyPicture(*target);
        break;
    case PictureMenuEntry::Cut:
        if (target)
            cutPicture(*target);
        break;
    case PictureMenuEntry::Paste:
        if (onPage && onMyLayout())
            pasteAsObject(m_menuPagePoint);
        else if (target)
            pastePicture(*target);
        break;
    case PictureMenuEntry::Import:
        if (onPage && onMyLayout())
            importAsObject(m_menuPagePoint);
        else if (target)
            importInto(*target);
        break;
    }
}

bool PictureMenuController::copyPicture(const PictureTarget &target)
{
    const QImage *picture = targetPicture(std::as_const(m_context.page), target);
    if (!picture)
        return false;
    m_services.clipboard->putImage(*picture);
    return true;
}

bool PictureMenuController::cutPicture(const PictureTarget &target)
{
    if (!copyPicture(target) || !clearPicture(m_context.page, target))
        return false;
    // Cut makes no undo step: the picture is on the clipboard, and Paste brings it back.
    finishChange(target, false);
    return true;
}

bool PictureMenuController::pastePicture(const PictureTarget &target)
{
    const QImage picture = m_services.clipboard->image();
    if (picture.isNull() || !targetPicture(m_context.page, target))
        return false;
    beginChange(target);
    pastePictureInto(m_context.page, target, picture);
    finishChange(target, true);
    return true;
}

std::optional<int> PictureMenuController::pasteAsObject(QPoint atPage)
{
    const QImage picture = m_services.clipboard->image();
    if (picture.isNull())
        return std::nullopt;
    const std::optional<int> index = addPictureObject(m_context.page, picture, atPage, {});
    if (index)
        showAdded(*index);
    return index;
}

PictureMenuController::ImportOutcome PictureMenuController::importInto(const PictureTarget &target)
{
    if (!targetPicture(m_context.page, target))
        return ImportOutcome::Unchanged;
    markBusy();
    const std::optional<QString> path = m_services.questions->askPictureFile(
        m_context.tr(QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Import Image"))),
        importFilter(m_context.tr(QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Pictures"))), true),
        m_context.importDialogFolder, &m_window);
    QImage source;
    QString error;
    if (!path) {
        endBusy();
        return ImportOutcome::Unchanged;
    }
    const QSize targetSize = targetPicture(m_context.page, target)
                                 ? targetPicture(m_context.page, target)->size()
                                 : QSize();
    if (!m_services.loader->load(*path, targetSize, &source, &error) || source.isNull()) {
        m_services.questions->tell(kPictureUnreadableMessage, error, &m_window);
        endBusy();
        return ImportOutcome::Unchanged;
    }
    // The dialogs ran their own event loops: the target may have gone with a new page.
    QImage *picture = targetPicture(m_context.page, target);
    if (!picture) {
        endBusy();
        return ImportOutcome::Unchanged;
    }
    const ImportChoice choice =
        m_services.questions->askFit(picture->size(), source, onMyLayout(), &m_window);

    // Even "cancel" empties the box, as it always has; the picture it held stays one undo away.
    beginChange(target);
    const std::optional<ImportFit> fit = fitFor(choice);
    if (fit)
        quillora::placePictureInto(m_context.page, target, source, *fit);
    else
        clearPicture(m_context.page, target);
    finishChange(target, true);
    endBusy();
    return fit ? ImportOutcome::Placed : ImportOutcome::Cleared;
}

std::optional<int> PictureMenuController::importAsObject(QPoint atPage)
{
    markBusy();
    const std::optional<QString> path = m_services.questions->askPictureFile(
        m_context.tr(QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Import Image"))),
        importFilter(m_context.tr(QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Pictures"))),
                     false),
        m_context.importDialogFolder, &m_window);
    QImage source;
    QString error;
    std::optional<int> index;
    // A new object takes at most half the page.
    if (path && (!m_services.loader->load(*path, m_context.page.pageRect.size(), &source, &error) ||
                 source.isNull()))
        m_services.questions->tell(kPictureUnreadableMessage, error, &m_window);
    else if (path)
        index = addPictureObject(m_context.page, source, atPage, importedTag(*path));
    if (index)
        showAdded(*index);
    endBusy();
    return index;
}

void PictureMenuController::beginChange(const PictureTarget &target)
{
    const CurrentObject object{target.kind, target.index};
    m_undo.beginWorkOn(object);
    m_undo.record(target.undoKind(), target.index);
}

void PictureMenuController::finishChange(const PictureTarget &target, bool recordForUndo)
{
    if (recordForUndo)
        m_undo.record(target.undoKind(), target.index);
    // Unsaved work is offered for saving at exit like painted work.
    ++m_context.page.changeCount;
    if (target.isBorder())
        emit borderPictureChanged();
    else
        m_window.refreshPictureBox(target.index);
}

void PictureMenuController::showAdded(int index)
{
    const ObjectKind added = ObjectKind::AddedPicture;
    // Undo needs a step to go back to: in an empty history that is the page without the object.
    if (m_context.undo.currentStep() < 1) {
        PictureBoxModel &box = m_context.page.pictureBoxes[index];
        box.visible = false;
        m_undo.record(added, index);
        box.visible = true;
    }
    m_window.refreshPictureBox(index);
    m_undo.record(added, index);
    ++m_context.page.changeCount;
    m_window.setCurrentObject(ObjectKind::Picture, index);
}

void PictureMenuController::markBusy()
{
    m_painting.setBusy(true);
}

void PictureMenuController::endBusy()
{
    // Input that arrived while a dialog was open is handled first, still as busy.
    QTimer::singleShot(0, &m_painting, [painting = &m_painting] { painting->setBusy(false); });
}

} // namespace quillora
