#include "ui/pictures/importchoicedialog.h"

#include "core/app/appcontext.h"
#include "ui/kit/looks.h"
#include "ui/kit/picturebutton.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>

#include <functional>

namespace quillora {

namespace {

constexpr int kFormWidth = 498;
constexpr int kFormHeight = 456;
constexpr int kCaptionTop = 64;
constexpr int kCaptionHeight = 44;
constexpr int kButtonTop = 324;
constexpr int kCaptionPixels = 28;
// The previews are drawn from a copy no bigger than this: a camera photo of many megapixels
// would otherwise be scaled twice at full size only to fill 200 pixels.
constexpr int kPreviewSourceLongSide = 800;
constexpr int kPreviewFrameWidth = 3;

// A caption a child can press like a button: it sinks 2 pixels while held.
class ChoiceCaption : public QLabel {
public:
    ChoiceCaption(const QString &objectName, const QString &text, QWidget *parent)
        : QLabel(text, parent)
    {
        setObjectName(objectName);
        setFont(looks::childFont(kCaptionPixels, true));
        setAlignment(Qt::AlignCenter);
        setCursor(Qt::PointingHandCursor);
    }
    std::function<void()> onClick;

protected:
    void mousePressEvent(QMouseEvent *event) override
    {
        if (event->button() != Qt::LeftButton)
            return;
        m_rest = pos();
        move(m_rest + QPoint(2, 2));
        m_sunk = true;
    }
    void mouseReleaseEvent(QMouseEvent *event) override
    {
        if (event->button() != Qt::LeftButton || !m_sunk)
            return;
        move(m_rest);
        m_sunk = false;
        if (rect().contains(event->position().toPoint()) && onClick)
            onClick();
    }

private:
    QPoint m_rest;
    bool m_sunk = false;
};

QImage previewPicture(QSize target, const QImage &source, ImportFit fit, bool alignTopLeft)
{
    QImage preview(previewSize(target, ImportChoiceDialog::kPreviewLongSide), QImage::Format_RGB32);
    preview.fill(Qt::white);
    drawImported(preview, source, fit, alignTopLeft);
    QPainter painter(&preview);
    QPen frame(looks::kInk, kPreviewFrameWidth);
    frame.setJoinStyle(Qt::MiterJoin);
    painter.setPen(frame);
    painter.drawRect(preview.rect().adjusted(1, 1, -2, -2));
    return preview;
}

QRect centredOn(QPoint centre, QSize size)
{
    return QRect(centre.x() - size.width() / 2, centre.y() - size.height() / 2, size.width(),
                 size.height());
}

} // namespace

ImportChoiceDialog::ImportChoiceDialog(AppContext &context, QSize target, const QImage &source,
                                       bool alignTopLeft, QWidget *parent)
    : OwnWindow(context, QStringLiteral("impOpsForm"),
                QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Import Image")), parent)
{
    setFixedSize(kFormWidth, kFormHeight);
    // The choices below sit at fixed places; the window's layout only holds the top bar.
    windowLayout()->addStretch();
    addCloseButton(QStringLiteral("unloadFormBut"));

    const QImage small =
        source.width() > kPreviewSourceLongSide || source.height() > kPreviewSourceLongSide
            ? source.scaled(kPreviewSourceLongSide, kPreviewSourceLongSide, Qt::KeepAspectRatio,
                            Qt::SmoothTransformation)
            : source;
    addChoice(ImportChoice::Crop, previewPicture(target, small, ImportFit::Crop, alignTopLeft),
              kCropPreviewCentre);
    addChoice(ImportChoice::Letterbox,
              previewPicture(target, small, ImportFit::Letterbox, alignTopLeft),
              kLetterboxPreviewCentre);
}

void ImportChoiceDialog::addChoice(ImportChoice choice, const QImage &preview, QPoint centre)
{
    const bool crop = choice == ImportChoice::Crop;
    const QString caption = crop ? QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Fill the box"))
                                 : QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Show it all"));
    const auto pick = [this, choice] { choose(choice); };
    const int columnWidth = kFormWidth / 2 - 2 * looks::kFrameWidth;

    auto *text = new ChoiceCaption(crop ? QStringLiteral("croptext") : QStringLiteral("lettText"),
                                   caption, this);
    text->setGeometry(centre.x() - columnWidth / 2, kCaptionTop, columnWidth, kCaptionHeight);
    text->onClick = pick;

    auto *previewButton =
        new PictureButton(crop ? QStringLiteral("prevCrop") : QStringLiteral("prevLett"),
                          QIcon(QPixmap::fromImage(preview)), caption, this);
    previewButton->setGeometry(centredOn(centre, preview.size()));
    connect(previewButton, &QAbstractButton::clicked, this, pick);

    auto *button = new PictureButton(crop ? QStringLiteral("cropBut") : QStringLiteral("lettBut"),
                                     QIcon(crop ? QStringLiteral(":/art/import/crop.svg")
                                                : QStringLiteral(":/art/import/letterbox.svg")),
                                     caption, this);
    button->setGeometry(centredOn(QPoint(centre.x(), kButtonTop + looks::kDialogButtonSize / 2),
                                  QSize(looks::kDialogButtonSize, looks::kDialogButtonSize)));
    connect(button, &QAbstractButton::clicked, this, pick);
}

ImportChoice ImportChoiceDialog::ask(AppContext &context, QSize target, const QImage &source,
                                     bool alignTopLeft, QWidget *parent)
{
    ImportChoiceDialog form(context, target, source, alignTopLeft, parent);
    form.exec();
    return form.choice();
}

void ImportChoiceDialog::choose(ImportChoice choice)
{
    m_choice = choice;
    done(choice == ImportChoice::Cancel ? Rejected : Accepted);
}

void ImportChoiceDialog::reject()
{
    // Escape and the window manager's close cancel like the close button.
    m_choice = ImportChoice::Cancel;
    QDialog::reject();
}

void ImportChoiceDialog::showEvent(QShowEvent *event)
{
    if (parentWidget())
        move(parentWidget()->window()->geometry().center() - rect().center());
    OwnWindow::showEvent(event);
}

} // namespace quillora
