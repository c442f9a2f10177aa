#pragma once
// The leaflet window (`LeafletForm`) for booklets, cards and folded leaflets: the pages shown as
// a small booklet (the front cover, the inside spread, the back cover, and on six-page leaflets
// the inside with its flap open), turned with an animation like paper. The page view becomes
// `PaperHolder`, with the panels `Paper0`..`Paper2` under the objects of the pages they show.

#include "core/doctypes/leafletturn.h"
#include "ui/document/documentwindow.h"
#include "ui/files/progresssnapshots.h"

#include <QTimer>

#include <array>
#include <memory>

class QLabel;

namespace quillora {

class PictureButton;

class LeafletWindow : public DocumentWindow, public ProgressPictureSource {
    Q_OBJECT
public:
    explicit LeafletWindow(AppContext &context, QWidget *parent = nullptr);
    ~LeafletWindow() override;

    // Reads the template into the page model as a leaflet and shows its front cover.
    bool startDocument(const QString &templatePath) override;

    LeafletStyle style() const { return m_style; }
    LeafletView view() const { return m_viewer->view(); }
    bool animating() const { return m_viewer->animating(); }
    // What `pageStorePic(n)` holds: each page's picture with its changed mark.
    const LeafletPagePictures &pagePictures() const { return m_pages; }
    // The animation frame shown while a turn runs.
    const QImage &frameImage() const { return m_frameImage; }

    // Every panel of the view shown, each page as it prints; nothing while a page turns.
    QImage progressPicture() override;

    // The buttons, as a press on them calls it; refused while an animation runs.
    void turnForward();
    void turnBack();
    void openFlap();
    void closeFlap();
    // A finger drawn across the page from `from` to `to` (the holder's coordinates): a clear
    // sideways swipe turns the page as the buttons do.
    void turnBySwipe(QPoint from, QPoint to);

private:
    void followPage();
    void start(LeafletMotion motion);
    void tick();
    void drawFrame();
    void showView();
    void placeObjects();
    void placeControls();
    void markChanged(int index);
    std::optional<QPoint> pageOrigin(int page) const;

    LeafletStyle m_style = LeafletStyle::Booklet;
    LeafletScreenGeometry m_geometry;
    std::unique_ptr<LeafletViewer> m_viewer;
    int m_turnStep = 0;
    LeafletPagePictures m_pages;
    QImage m_frameImage;

    std::array<QWidget *, 3> m_panels{};
    std::array<QLabel *, 3> m_labels{};
    QWidget *m_frameLayer = nullptr;
    PictureButton *m_prev = nullptr;
    PictureButton *m_next = nullptr;
    PictureButton *m_flapOpen = nullptr;
    PictureButton *m_flapClose = nullptr;
    QTimer m_pageTurnTimer;
    QTimer m_flapTimer;
};

} // namespace quillora
