#include "ui/doctypes/leafletwindow.h"

#include "core/app/appcontext.h"
#include "core/doctypes/leafletfamily.h"
#include "core/handling/swipe.h"
#include "core/layout/objectkinds.h"
#include "core/layout/templatereader.h"
#include "ui/document/pageview.h"
#include "ui/kit/looks.h"
#include "ui/kit/picturebutton.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>

#include <algorithm>

namespace quillora {

namespace {

// 25 frames a second: a turn of 12 steps takes about half a second.
constexpr int kFrameIntervalMs = 40;
constexpr int kLargestButtonPx = 96;
constexpr int kSmallestButtonPx = 48;
constexpr int kLabelHeightPx = 30;
constexpr int kEdgeRoomPx = 8;
const QColor kLabelColour(0x7B, 0x4F, 0xB8);
const QColor kPanelEdgeColour(0xB0, 0xC4, 0xDE);

// One page panel (`Paper(n)`): white paper with a fine edge, and on the card's front the border
// the page view keeps, which the panel would otherwise cover. Presses go through to the page
// view beneath, which knows the objects and the border.
class PagePanel : public QWidget {
public:
    PagePanel(int index, PageView *view) : QWidget(view), m_view(view)
    {
        setObjectName(QStringLiteral("Paper%1").arg(index));
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    void setShowsBorder(bool shows)
    {
        m_showsBorder = shows;
        update();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        if (m_showsBorder && !m_view->borderImage().isNull())
            painter.drawImage(0, 0, m_view->borderImage());
        painter.setPen(kPanelEdgeColour);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }

private:
    PageView *m_view;
    bool m_showsBorder = false;
};

// The animation frame drawn over the holder while a page turns.
class FrameLayer : public QWidget {
public:
    FrameLayer(const QImage &frame, QWidget *parent) : QWidget(parent), m_frame(frame)
    {
        setObjectName(QStringLiteral("PaperHolderFrame"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QPainter painter(this);
        painter.setClipRegion(event->region());
        painter.drawImage(0, 0, m_frame);
    }

private:
    const QImage &m_frame;
};

bool isFlap(LeafletMotion motion)
{
    return motion == LeafletMotion::OpenFlap || motion == LeafletMotion::CloseFlap;
}

} // namespace

LeafletWindow::LeafletWindow(AppContext &context, QWidget *parent)
    : DocumentWindow(context, kindInfo(DocumentKind::Booklet).windowName, parent)
{
    PageView *holder = pageView();
    holder->setObjectName(QStringLiteral("PaperHolder"));
    holder->setAccessibleName(QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Leaflet")));
    // The holder is the desk the pages lie on: only the panels are paper.
    holder->setAutoFillBackground(false);
    holder->setPagePlacement([this](int index) -> std::optional<QPoint> {
        if (m_viewer->animating())
            return std::nullopt;
        return pageOrigin(leafletPageOfObject(m_style, index));
    });
    for (int i = 0; i < int(m_panels.size()); ++i) {
        m_panels[size_t(i)] = new PagePanel(i, holder);
        auto *label = new QLabel(holder);
        label->setObjectName(QStringLiteral("pageLabel%1").arg(i));
        label->setAlignment(Qt::AlignCenter);
        label->setFont(looks::childFont(18, true));
        QPalette colours = label->palette();
        colours.setColor(QPalette::WindowText, kLabelColour);
        label->setPalette(colours);
        m_labels[size_t(i)] = label;
    }
    m_frameLayer = new FrameLayer(m_frameImage, holder);
    m_frameLayer->hide();
    connect(holder, &PageView::fingerLifted, this, &LeafletWindow::turnBySwipe);

    const auto button = [this](const char *name, const char *art, const char *caption,
                               void (LeafletWindow::*action)()) {
        auto *made = new PictureButton(QString::fromLatin1(name),
                                       QIcon(QStringLiteral(":/art/leaflet/%1.svg").arg(art)),
                                       QString::fromLatin1(caption), this);
        connect(made, &QAbstractButton::clicked, this, action);
        made->hide();
        return made;
    };
    m_prev = button("prevBut", "prev", QT_TRANSLATE_NOOP("Quillora", "Previous page"),
                    &LeafletWindow::turnBack);
    m_next = button("nextBut", "next", QT_TRANSLATE_NOOP("Quillora", "Next page"),
                    &LeafletWindow::turnForward);
    m_flapOpen = button("flapOpenBut", "flapopen", QT_TRANSLATE_NOOP("Quillora", "Open the flap"),
                        &LeafletWindow::openFlap);
    m_flapClose =
        button("flapCloseBut", "flapclose", QT_TRANSLATE_NOOP("Quillora", "Close the flap"),
               &LeafletWindow::closeFlap);

    m_pageTurnTimer.setObjectName(QStringLiteral("pageTurnTimer"));
    m_flapTimer.setObjectName(QStringLiteral("flapTimer"));
    for (QTimer *timer : {&m_pageTurnTimer, &m_flapTimer}) {
        timer->setInterval(kFrameIntervalMs);
        connect(timer, &QTimer::timeout, this, &LeafletWindow::tick);
    }

    // Every change to an object leaves its page's picture out of date.
    connect(this, &DocumentWindow::textBoxEdited, this, &LeafletWindow::markChanged);
    connect(this, &DocumentWindow::richTextBoxEdited, this, &LeafletWindow::markChanged);
    connect(this, &DocumentWindow::pictureReleased, this,
            [this](int index, QPoint, Qt::MouseButton) { markChanged(index); });
    connect(this, &DocumentWindow::objectRefreshed, this,
            [this](ObjectKind, int index) { markChanged(index); });
    connect(this, &DocumentWindow::pageShown, this, &LeafletWindow::followPage);

    m_viewer = std::make_unique<LeafletViewer>(m_style, m_geometry, m_turnStep);
}

LeafletWindow::~LeafletWindow() = default;

bool LeafletWindow::startDocument(const QString &templatePath)
{
    QString reason = QStringLiteral("this kind of page is not a leaflet");
    const PageFamily *family = pageFamilyFor(context().page.documentType);
    const bool read =
        family && family->buildNewPage(context().page, templatePath, pageFitInputs(), &reason);
    translateTemplateWords(context().page, context().translator);
    showPage();
    if (!read)
        emit templateLoadFailed(reason);
    return read;
}

void LeafletWindow::turnForward()
{
    start(LeafletMotion::TurnForward);
}

void LeafletWindow::turnBack()
{
    start(LeafletMotion::TurnBack);
}

void LeafletWindow::turnBySwipe(QPoint from, QPoint to)
{
    constexpr double kMmPerInch = 25.4;
    const double pixelsPerMm = (screen() ? screen()->physicalDotsPerInch() : 96.0) / kMmPerInch;
    switch (swipeTurn(from, to, pixelsPerMm, layoutDirection() == Qt::RightToLeft)) {
    case SwipeTurn::Forward:
        turnForward();
        break;
    case SwipeTurn::Back:
        turnBack();
        break;
    case SwipeTurn::None:
        break;
    }
}

void LeafletWindow::openFlap()
{
    start(LeafletMotion::OpenFlap);
}

void LeafletWindow::closeFlap()
{
    start(LeafletMotion::CloseFlap);
}

void LeafletWindow::followPage()
{
    // A new or opened leaflet: its own style, laid out afresh from its front cover.
    m_pageTurnTimer.stop();
    m_flapTimer.stop();
    m_style = leafletStyleOfPage(context().page).value_or(LeafletStyle::Booklet);
    m_geometry = leafletWindowGeometry(m_style, pageFitInputs());
    m_turnStep = leafletTurnStep(context().settings.turnDegreesPerTick);
    m_viewer = std::make_unique<LeafletViewer>(m_style, m_geometry, m_turnStep);
    m_pages.reset(leafletStyleInfo(m_style).pageCount);
    placeControls();
    showView();
}

void LeafletWindow::start(LeafletMotion motion)
{
    if (m_viewer->animating())
        return;
    // The quick-turn option may have changed since the last turn.
    const int step = leafletTurnStep(context().settings.turnDegreesPerTick);
    if (step != m_turnStep) {
        const LeafletView shown = m_viewer->view();
        m_turnStep = step;
        m_viewer = std::make_unique<LeafletViewer>(m_style, m_geometry, m_turnStep);
        (void)m_viewer->show(shown);
    }
    if (!m_viewer->start(motion))
        return;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    // The page becomes current, so nothing on a hidden page is typed or pasted into; the undo
    // history stays with the object last worked on, so a change can be undone across the turn.
    setCurrentObject(ObjectKind::Paper, 0);
    // The card's border is painted beside the objects and is not followed page by page.
    if (leafletStyleInfo(m_style).hasBorder)
        m_pages.markChanged(0);
    m_pages.bringUpToDate(context().page, m_style);
    QGuiApplication::restoreOverrideCursor();
    showView();
    drawFrame();
    (isFlap(motion) ? m_flapTimer : m_pageTurnTimer).start();
}

void LeafletWindow::tick()
{
    if (m_viewer->tick()) {
        drawFrame();
        return;
    }
    m_pageTurnTimer.stop();
    m_flapTimer.stop();
    showView();
}

void LeafletWindow::drawFrame()
{
    QPainter painter(&m_frameImage);
    drawLeafletFrame(painter, m_viewer->frame(), m_geometry, m_pages.pictures,
                     palette().color(QPalette::Window));
    painter.end();
    m_frameLayer->update();
}

void LeafletWindow::showView()
{
    const bool still = !m_viewer->animating();
    const LeafletViewLayout layout = leafletViewLayout(m_style, m_viewer->view());
    const bool bordered = leafletStyleInfo(m_style).hasBorder;
    for (int i = 0; i < int(m_panels.size()); ++i) {
        const int page = layout.pageOnPanel[size_t(i)];
        const bool shown = still && page >= 0;
        auto *panel = static_cast<PagePanel *>(m_panels[size_t(i)]);
        panel->setVisible(shown);
        panel->setShowsBorder(bordered && page == 0);
        // Children count pages from 1.
        const QString label =
            shown ? context()
                        .tr(QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Page %1")))
                        .arg(page + 1)
                  : QString();
        panel->setAccessibleName(label);
        m_labels[size_t(i)]->setText(label);
        m_labels[size_t(i)]->setVisible(shown);
    }
    m_prev->setVisible(still && layout.previous);
    m_next->setVisible(still && layout.next);
    m_flapOpen->setVisible(still && layout.openFlap);
    m_flapClose->setVisible(still && layout.closeFlap);
    pageView()->setBorderPlacement(still ? pageOrigin(0) : std::nullopt);
    placeObjects();
    m_frameLayer->setVisible(!still);
    if (!still)
        m_frameLayer->raise();
}

void LeafletWindow::placeObjects()
{
    pageView()->showPage(context().page);
    // The page model names the front cover's place; the holder spans every panel.
    pageView()->setGeometry(m_geometry.holder);
    for (QWidget *panel : m_panels)
        panel->lower();
}

void LeafletWindow::placeControls()
{
    for (int i = 0; i < int(m_panels.size()); ++i) {
        const QRect panel = m_geometry.panel(i);
        m_panels[size_t(i)]->setGeometry(panel);
        m_labels[size_t(i)]->setGeometry(panel.left(), panel.bottom() + 1, panel.width(),
                                         kLabelHeightPx);
    }
    m_frameImage = QImage(m_geometry.holder.size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    m_frameLayer->setGeometry(QRect(QPoint(), m_geometry.holder.size()));

    // The buttons stand in a row under the pages' labels, as large as the room there allows.
    const QPoint holder = m_geometry.holder.topLeft();
    const int rowTop = holder.y() + m_geometry.panelSize.height() + kLabelHeightPx;
    const int side =
        std::clamp(height() - rowTop - kEdgeRoomPx, kSmallestButtonPx, kLargestButtonPx);
    const auto place = [&](PictureButton *button, int left) {
        button->setGeometry(left, rowTop, side, side);
        button->raise();
    };
    place(m_prev, holder.x() + m_geometry.panel(0).left());
    place(m_next, holder.x() + m_geometry.panel(1).right() + 1 - side);
    place(m_flapOpen, holder.x() + m_geometry.panel(2).left() + kEdgeRoomPx);
    place(m_flapClose, holder.x() + m_geometry.panel(2).right() + 1 - side);
}

void LeafletWindow::markChanged(int index)
{
    m_pages.markChanged(leafletPageOfObject(m_style, index));
}

QImage LeafletWindow::progressPicture()
{
    if (m_viewer->animating())
        return {};
    m_pages.bringUpToDate(context().page, m_style);
    const LeafletViewLayout layout = leafletViewLayout(m_style, m_viewer->view());
    QRect shown;
    for (int i = 0; i < int(layout.pageOnPanel.size()); ++i)
        if (layout.pageOnPanel[size_t(i)] >= 0)
            shown |= m_geometry.panel(i);
    if (shown.isEmpty())
        return {};
    QImage picture(shown.size(), QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    for (int i = 0; i < int(layout.pageOnPanel.size()); ++i) {
        const int page = layout.pageOnPanel[size_t(i)];
        if (page >= 0 && page < m_pages.pictures.size())
            painter.drawImage(m_geometry.panel(i).translated(-shown.topLeft()),
                              m_pages.pictures[page]);
    }
    return picture;
}

std::optional<QPoint> LeafletWindow::pageOrigin(int page) const
{
    const LeafletViewLayout layout = leafletViewLayout(m_style, m_viewer->view());
    for (int i = 0; i < int(layout.pageOnPanel.size()); ++i)
        if (page >= 0 && layout.pageOnPanel[size_t(i)] == page)
            return m_geometry.panel(i).topLeft();
    return std::nullopt;
}

} // namespace quillora
