#include "ui/doctypes/postcardwindow.h"

#include "core/app/appcontext.h"
#include "core/doctypes/pagefamily.h"
#include "core/doctypes/postcarddrawing.h"
#include "core/foundation/paths.h"
#include "core/layout/objectkinds.h"
#include "core/layout/templateelements.h"
#include "core/layout/templatereader.h"
#include "ui/document/objectframe.h"
#include "ui/document/pageview.h"
#include "ui/kit/picturebutton.h"
#include "ui/document/pictureboxwidget.h"
#include "ui/document/textboxwidget.h"

#include <QLabel>
#include <QPainter>
#include <QTimer>

namespace quillora {

namespace {

constexpr int kFlipTickMs = 20;
constexpr int kFlipButtonPx = 96;
constexpr int kFlipButtonGapPx = 24;

} // namespace

// The lines and frames under the objects of the side showing: the frame shape round the
// picture side, the dividing line and the address lines on the writing side.
class CardFurniture : public QWidget {
public:
    explicit CardFurniture(QWidget *parent) : QWidget(parent)
    {
        setObjectName(QStringLiteral("cardFurniture"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    void show(const PostcardFurniture &furniture, PostcardSide side)
    {
        m_furniture = furniture;
        m_side = side;
        update();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        if (m_side == PostcardSide::Picture) {
            painter.fillRect(m_furniture.pictureFrame, toQColor(kPictureFrameColour));
            return;
        }
        painter.setPen(QPen(toQColor(kCardLineColour), 2));
        painter.drawLine(m_furniture.divider);
        for (const QLine &line : std::as_const(m_furniture.addressLines))
            painter.drawLine(line);
    }

private:
    PostcardFurniture m_furniture;
    PostcardSide m_side = PostcardSide::Picture;
};

PostcardWindow::PostcardWindow(AppContext &context, QWidget *parent)
    : DocumentWindow(context, kindInfo(DocumentKind::Postcard).windowName, parent)
{
    m_furniture = new CardFurniture(pageView());
    m_stampBackground = new QLabel(pageView());
    m_stampBackground->setObjectName(QStringLiteral("StampBG"));
    m_stampBackground->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_stampBackground->setScaledContents(true);

    m_animation = new QLabel(this);
    m_animation->setObjectName(QStringLiteral("aniPic"));
    m_animation->setAttribute(Qt::WA_TransparentForMouseEvents);
    // The desk shows round the turning card and covers the resting page's shadow.
    m_animation->setAutoFillBackground(true);
    m_animation->hide();

    m_flipTimer = new QTimer(this);
    m_flipTimer->setObjectName(QStringLiteral("flipTimer"));
    m_flipTimer->setInterval(kFlipTickMs);
    connect(m_flipTimer, &QTimer::timeout, this, &PostcardWindow::flipTick);

    m_flipButton = new PictureButton(
        QStringLiteral("flipBut"), QIcon(QStringLiteral(":/art/postcard/flip.svg")),
        QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Turn over")), this);
    m_flipButton->resize(kFlipButtonPx, kFlipButtonPx);
    m_flipButton->hide();
    connect(m_flipButton, &QAbstractButton::clicked, this, &PostcardWindow::flip);

    connect(this, &DocumentWindow::pageShown, this, &PostcardWindow::onPageShown);
}

bool PostcardWindow::startDocument(const QString &templatePath)
{
    m_flipTimer->stop();
    m_side = PostcardSide::Picture;
    QString reason;
    const bool built = pageFamilyFor(DocumentKind::Postcard)
                           ->buildNewPage(context().page, templatePath, pageFitInputs(), &reason);
    translateTemplateWords(context().page, context().translator);
    if (!built) {
        // Half a card is no card: nothing shows until another document starts.
        context().page.pageRect = QRect();
        context().page.textBoxes.clear();
        context().page.pictureBoxes.clear();
    }
    showPage();
    if (!built) {
        emit templateLoadFailed(reason);
        return false;
    }
    setCurrentObject(ObjectKind::Picture, kPostcardPictureIndex);
    return true;
}

QString PostcardWindow::stampPicturePathHere() const
{
    const QString layouts = paths::join(context().folders.data, QStringLiteral("layouts"));
    return stampPicturePath(paths::join(layouts, kindInfo(DocumentKind::Postcard).fixedTemplate));
}

void PostcardWindow::onPageShown()
{
    const PageModel &page = context().page;
    const bool hasCard =
        !page.pageRect.isEmpty() && page.pictureBoxes.size() == kPostcardPictureBoxes;
    m_flipButton->setVisible(hasCard);
    if (!hasCard)
        return;
    if (m_stamp.isNull())
        m_stamp = loadSidePicture(stampPicturePathHere());
    const PostcardFurniture furniture = postcardFurniture(page);
    m_furniture->setGeometry(QRect(QPoint(0, 0), page.pageRect.size()));
    m_stampBackground->setGeometry(furniture.stampFrame);
    m_stampBackground->setPixmap(QPixmap::fromImage(m_stamp));
    m_stampBackground->lower();
    m_furniture->lower();
    placeFlipButton();
    showSide(m_side);
}

void PostcardWindow::placeFlipButton()
{
    const QRect card = context().page.pageRect;
    const bool roomOnRight = card.right() + kFlipButtonGapPx + kFlipButtonPx < width();
    if (roomOnRight)
        m_flipButton->move(card.right() + kFlipButtonGapPx, card.center().y() - kFlipButtonPx / 2);
    else
        m_flipButton->move(card.center().x() - kFlipButtonPx / 2,
                           card.bottom() + kFlipShadowOffsetPx);
    m_flipButton->raise();
}

void PostcardWindow::showSide(PostcardSide side)
{
    m_side = side;
    const PageModel &page = context().page;
    PageView *view = pageView();
    const bool writing = side == PostcardSide::Writing;
    for (int i = 0; i < page.pictureBoxes.size(); ++i) {
        const bool shown = page.pictureBoxes[i].visible && (sideOf(ObjectKind::Picture, i) == side);
        if (PictureBoxWidget *box = view->pictureBox(i))
            box->setVisible(shown);
        if (ObjectFrame *frame = view->pictureFrame(i))
            frame->setVisible(shown);
    }
    for (int i = 0; i < page.textBoxes.size(); ++i) {
        const bool shown = writing && page.textBoxes[i].visible;
        if (TextBoxWidget *box = view->textBox(i))
            box->setVisible(shown);
        if (ObjectFrame *frame = view->textFrame(i))
            frame->setVisible(shown);
    }
    m_stampBackground->setVisible(writing && page.pictureBoxes[kPostcardStampIndex].visible);
    m_furniture->show(postcardFurniture(page), side);
}

QImage PostcardWindow::sidePicture(PostcardSide side) const
{
    PostcardDrawOptions options;
    options.screenFurniture = true;
    options.stampFrame = m_stamp;
    return renderPostcardSide(context().page, side, options);
}

void PostcardWindow::flip()
{
    const PageModel &page = context().page;
    if (page.pageRect.isEmpty() || !m_flip.start(m_side, context().settings.turnDegreesPerTick))
        return;
    m_pictureSide = sidePicture(PostcardSide::Picture);
    m_writingSide = sidePicture(PostcardSide::Writing);
    m_frame = QImage(page.pageRect.size() + QSize(kFlipShadowOffsetPx, kFlipShadowOffsetPx),
                     QImage::Format_ARGB32_Premultiplied);
    // Nothing on the hidden side may stay current: keys and strokes would go where no one sees.
    setCurrentObject(ObjectKind::Paper, 0);
    m_animation->setGeometry(QRect(page.pageRect.topLeft(), m_frame.size()));
    drawFlipFrame(m_frame, m_pictureSide, m_writingSide, m_flip.angle());
    m_animation->setPixmap(QPixmap::fromImage(m_frame));
    m_animation->show();
    m_animation->raise();
    pageView()->hide();
    m_flipTimer->start();
}

void PostcardWindow::flipTick()
{
    const bool done = m_flip.tick();
    drawFlipFrame(m_frame, m_pictureSide, m_writingSide, m_flip.angle());
    m_animation->setPixmap(QPixmap::fromImage(m_frame));
    if (!done)
        return;
    m_flipTimer->stop();
    m_animation->hide();
    m_pictureSide = QImage();
    m_writingSide = QImage();
    showSide(m_flip.facing());
    pageView()->show();
    // The picture side's one picture is ready to paint at the first press.
    if (m_side == PostcardSide::Picture)
        setCurrentObject(ObjectKind::Picture, kPostcardPictureIndex);
}

QImage PostcardWindow::progressPicture()
{
    return flipping() ? QImage() : renderPostcardSide(context().page, m_side, {});
}

} // namespace quillora
