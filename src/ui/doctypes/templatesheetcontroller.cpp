#include "ui/doctypes/templatesheetcontroller.h"

#include "core/app/appcontext.h"
#include "core/files/staging.h"
#include "core/layout/documenttypes.h"
#include "core/layout/templatemenu.h"
#include "core/files/templateswitch.h"
#include "core/printing/copiessheet.h"
#include "ui/doctypes/copiessheet.h"
#include "ui/document/documenttoolbar.h"
#include "ui/document/documentwindow.h"
#include "ui/document/pageview.h"
#include "ui/doctypes/templatemenu.h"
#include "ui/files/pagecontent.h"
#include "ui/kit/messagedialog.h"
#include "ui/kit/translatewindow.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>

namespace quillora {

namespace {

constexpr int kColumnGapPx = kWideSideColumnGapPx;
// Long enough to cover the gap between a child's key presses, short enough to feel immediate.
constexpr int kTypingPauseMs = 250;

} // namespace

TemplateSheetController::TemplateSheetController(AppContext &context, DocumentWindow &window)
    : QObject(&window), m_context(context), m_window(window)
{
    m_menu = new TemplateMenu(&window);
    m_menu->setAccessibleName(
        context.translator.translate(QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Layouts"))));
    m_menu->hide();
    connect(m_menu, &TemplateMenu::templateChosen, this,
            &TemplateSheetController::switchToTemplate);

    m_copies = new CopiesSheetPanel(&window);
    m_copies->hide();
    translateWindow(m_copies, context.translator);
    connect(m_copies, &CopiesSheetPanel::copiesScrolled, this,
            &TemplateSheetController::onCopiesScrolled);
    connect(m_copies, &CopiesSheetPanel::autoClicked, this,
            &TemplateSheetController::onAutoClicked);
    connect(m_copies, &CopiesSheetPanel::previewClicked, this,
            &TemplateSheetController::redrawPreview);

    connect(&window, &DocumentWindow::pageShown, this, &TemplateSheetController::pageShown);
    // Work on the page shows on the sheet when the pointer or a key comes up.
    connect(&window, &DocumentWindow::pictureReleased, this,
            &TemplateSheetController::redrawPreview);
    m_typingPause = new QTimer(this);
    m_typingPause->setSingleShot(true);
    m_typingPause->setInterval(kTypingPauseMs);
    connect(m_typingPause, &QTimer::timeout, this, &TemplateSheetController::redrawPreview);
    const auto afterTyping = [this] { m_typingPause->start(); };
    connect(&window, &DocumentWindow::textBoxKeyReleased, this, afterTyping);
    connect(&window, &DocumentWindow::richTextBoxKeyReleased, this, afterTyping);
    m_pageView = window.pageView();
    m_pageView->installEventFilter(this);
    window.installEventFilter(this);
}

bool TemplateSheetController::switchToTemplate(int index)
{
    const QList<SubChoice> &entries = m_menu->templates();
    if (index < 0 || index >= entries.size())
        return false;
    PageModel &page = m_context.page;
    if (entries[index].templatePath.compare(page.layoutPath, Qt::CaseInsensitive) == 0)
        return true;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const Staging staging(m_context.folders.staging);
    QString error;
    const bool switched = switchTemplate(page, staging, entries[index].templatePath,
                                         m_window.pageFitInputs(), m_context.translator, &error);
    if (switched) {
        // Undo steps hold pictures and texts of the old boxes; they cannot be put back into
        // boxes of another size and place.
        m_context.undo.reset();
        m_window.showPage();
        showRichTextInView(*m_window.pageView(), page);
    }
    QApplication::restoreOverrideCursor();
    if (!switched) {
        MessageDialog::tell(m_context, kSwitchFailedMessage, error, &m_window);
        return false;
    }
    emit templateSwitched();
    return true;
}

void TemplateSheetController::redrawPreview()
{
    if (!kindInfo(m_context.page.documentType).copiesSheet || m_copies->isHidden())
        return;
    m_copies->setPreview(renderCopiesSheet(m_context.page, m_copies->previewWidth(), true));
}

bool TemplateSheetController::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &m_window && event->type() == QEvent::Resize)
        placeColumn();
    else if (watched == m_pageView && event->type() == QEvent::MouseButtonRelease)
        redrawPreview();
    return QObject::eventFilter(watched, event);
}

void TemplateSheetController::pageShown()
{
    PageModel &page = m_context.page;
    const QString folder = kindInfo(page.documentType).menuFolder;
    if (folder.isEmpty()) {
        m_menu->hide();
    } else {
        if (folder != m_menuFolder || m_menu->templates().isEmpty()) {
            QList<SubChoice> templates = listMenuTemplates(m_context.folders.data, folder);
            for (SubChoice &entry : templates)
                entry.caption = m_context.tr(entry.caption);
            m_menu->setTemplates(templates);
            m_menuFolder = folder;
        }
        m_menu->setCurrentTemplate(page.layoutPath);
        m_menu->show();
    }

    const bool copiesSheet = kindInfo(page.documentType).copiesSheet;
    m_copies->setVisible(copiesSheet);
    if (copiesSheet && page.autoRepeat && page.changeCount == 0)
        page.repeatCount = autoCopiesCount(page.pageRect.size());
    placeColumn();
    if (copiesSheet) {
        showCopies();
        redrawPreview();
    }
}

void TemplateSheetController::placeColumn()
{
    const QRect column(m_window.width() - kSideColumnWidthPx - kColumnGapPx,
                       kToolbarHeightPx + kColumnGapPx, kSideColumnWidthPx,
                       qMax(0, m_window.height() - kToolbarHeightPx - 2 * kColumnGapPx));
    m_menu->setGeometry(
        column.x(), column.y(), column.width(),
        qMin(column.height(),
             templateMenuHeight(int(m_menu->templates().size()), column.width()) + kColumnGapPx));
    m_copies->setGeometry(column);
    m_menu->raise();
    m_copies->raise();
}

void TemplateSheetController::onCopiesScrolled(int value)
{
    const CopiesChoice choice = copiesFromScroll(value);
    PageModel &page = m_context.page;
    if (choice.count != page.repeatCount)
        ++page.changeCount;
    page.repeatCount = choice.count;
    page.autoRepeat = choice.autoTicked;
    showCopies();
    redrawPreview();
}

void TemplateSheetController::onAutoClicked(bool ticked)
{
    PageModel &page = m_context.page;
    page.autoRepeat = ticked;
    if (ticked) {
        const int chosen = autoCopiesCount(page.pageRect.size());
        if (chosen != page.repeatCount)
            ++page.changeCount;
        page.repeatCount = chosen;
    }
    showCopies();
    redrawPreview();
}

void TemplateSheetController::showCopies()
{
    m_copies->showCopies(m_context.page.repeatCount, m_context.page.autoRepeat);
}

} // namespace quillora
