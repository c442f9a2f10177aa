#include "ui/files/workfiledialog.h"

#include "core/app/folderchoice.h"
#include "core/files/filecommands.h"
#include "core/files/workfilepreview.h"
#include "core/foundation/paths.h"
#include "ui/files/replacedialog.h"
#include "ui/files/stepsdialog.h"
#include "ui/kit/looks.h"
#include "ui/kit/picturebutton.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QScrollBar>
#include <QVBoxLayout>

namespace quillora {

namespace {

constexpr int kRowHeight = 72;
constexpr int kRowsWidth = 560;
constexpr int kPreviewLeft = 12;
constexpr int kPreviewTop = 6;
constexpr int kNameLeft = kPreviewLeft + 80 + 16;
constexpr int kNamePixels = 28;
constexpr int kActionIconSize = 64;
// The longest name a child may type; file systems allow 255 characters with the extension.
constexpr int kMaxNameLength = 200;

// The selection rectangle: a thick sky-blue outline that lets clicks through to the row.
class SelectionMark : public QWidget {
public:
    explicit SelectionMark(QWidget *parent) : QWidget(parent)
    {
        setObjectName(QStringLiteral("selectionMark"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(looks::kSky, 4));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(QRectF(rect()).adjusted(2, 2, -2, -2), 8, 8);
    }
};

QLabel *pictureLabel(const QString &objectName, const QString &svg, const QString &caption,
                     QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(objectName);
    label->setPixmap(QIcon(svg).pixmap(kActionIconSize, kActionIconSize));
    label->setFixedSize(kActionIconSize, kActionIconSize);
    label->setToolTip(caption);
    label->setAccessibleName(caption);
    return label;
}

} // namespace

WorkFileDialog::WorkFileDialog(AppContext &context, FileDirection direction,
                               PreviewLoader loadPreview, QWidget *parent)
    : OwnDialog(context, QStringLiteral("fileform"), QStringLiteral("Quillora"),
                direction == FileDirection::Save
                    ? QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Save"))
                    : QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Open")),
                parent),
      m_direction(direction), m_loadPreview(std::move(loadPreview))
{
    m_files = workFilesIn(context.folders.working);
    m_rows.fileCount = int(m_files.size());

    // The action caption is taken from these hidden labels, so the language file words it.
    m_saveCaption = new QLabel(QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Save")), this);
    m_saveCaption->setObjectName(QStringLiteral("SaveLabel"));
    m_saveCaption->hide();
    m_openCaption = new QLabel(QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Open")), this);
    m_openCaption->setObjectName(QStringLiteral("OpenLabel"));
    m_openCaption->hide();

    const QString folderCaption = QStringLiteral("[") +
                                  folderchoice::friendlyName(context, context.folders.working) +
                                  QStringLiteral("]");
    auto *folder = new QLabel(folderCaption, this);
    folder->setObjectName(QStringLiteral("folderCaptionFIXLANG"));
    folder->setToolTip(context.folders.working);
    folder->setFont(looks::childFont(looks::kControlPixels));
    folder->setMaximumWidth(kRowsWidth + 64);
    folder->setTextFormat(Qt::PlainText);
    bodyLayout()->addWidget(folder);

    auto *rowsAndSlider = new QHBoxLayout;
    rowsAndSlider->addWidget(makeRows());
    m_slider = new QScrollBar(Qt::Vertical, this);
    m_slider->setObjectName(QStringLiteral("fslide"));
    m_slider->setToolTip(QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "More files")));
    m_slider->setFixedSize(looks::kPictureButtonSize, FileRows::kRowCount * kRowHeight);
    m_slider->setRange(0, m_rows.sliderMaximum());
    m_slider->setSingleStep(1);
    m_slider->setPageStep(FileRows::kRowCount);
    m_slider->setVisible(m_rows.sliderShown());
    connect(m_slider, &QScrollBar::valueChanged, this, [this] {
        fillRows();
        m_nameBox->setFocus();
    });
    rowsAndSlider->addWidget(m_slider);
    bodyLayout()->addLayout(rowsAndSlider);
    bodyLayout()->addWidget(makeNameRow());
    m_missingName = new QLabel(
        direction == FileDirection::Save
            ? QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Type a name for your work first."))
            : QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Choose a work to open first.")),
        this);
    m_missingName->setObjectName(QStringLiteral("missingNameLabel"));
    m_missingName->setFont(looks::childFont(looks::kControlPixels, true));
    m_missingName->setAlignment(Qt::AlignCenter);
    m_missingName->hide();
    bodyLayout()->addWidget(m_missingName);
    m_askReplace = [this](const QString &name, const QString &path) {
        return ReplaceDialog::ask(this->context(), name,
                                  m_loadPreview ? m_loadPreview(path) : QImage(), this);
    };

    m_previewTimer.setObjectName(QStringLiteral("saveTimer"));
    m_previewTimer.setInterval(kPreviewTickMs);
    connect(&m_previewTimer, &QTimer::timeout, this, &WorkFileDialog::loadNextPreview);

    fillRows();
}

QWidget *WorkFileDialog::makeRows()
{
    m_rowsArea = new QWidget(this);
    m_rowsArea->setObjectName(QStringLiteral("fileRows"));
    m_rowsArea->setFixedSize(kRowsWidth, FileRows::kRowCount * kRowHeight);
    m_selectionMark = new SelectionMark(m_rowsArea);
    m_selectionMark->hide();
    for (int row = 0; row < FileRows::kRowCount; ++row) {
        auto *preview = new QLabel(m_rowsArea);
        preview->setObjectName(QStringLiteral("FilePrev%1").arg(row));
        preview->setGeometry(kPreviewLeft, row * kRowHeight + kPreviewTop, kPreviewBox.width(),
                             kPreviewBox.height());
        preview->setAlignment(Qt::AlignCenter);
        preview->setCursor(Qt::PointingHandCursor);
        preview->installEventFilter(this);
        m_previews[std::size_t(row)] = preview;

        auto *name = new QLabel(m_rowsArea);
        name->setObjectName(QStringLiteral("FileText%1").arg(row));
        name->setGeometry(kNameLeft, row * kRowHeight, kRowsWidth - kNameLeft - 8, kRowHeight);
        name->setFont(looks::childFont(kNamePixels, true));
        name->setTextFormat(Qt::PlainText);
        name->setCursor(Qt::PointingHandCursor);
        name->installEventFilter(this);
        m_names[std::size_t(row)] = name;
    }
    m_selectionMark->raise();
    return m_rowsArea;
}

QWidget *WorkFileDialog::makeNameRow()
{
    auto *row = new QWidget(this);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 8, 0, 0);
    layout->setSpacing(16);

    auto *saveIcon =
        pictureLabel(QStringLiteral("SaveIcon"), QStringLiteral(":/art/toolbar/save.svg"),
                     QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Save")), row);
    auto *openIcon =
        pictureLabel(QStringLiteral("OpenIcon"), QStringLiteral(":/art/toolbar/open.svg"),
                     QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Open")), row);
    saveIcon->setVisible(m_direction == FileDirection::Save);
    openIcon->setVisible(m_direction == FileDirection::Open);
    layout->addWidget(saveIcon);
    layout->addWidget(openIcon);

    m_nameBox = new QLineEdit(row);
    m_nameBox->setObjectName(QStringLiteral("filename_box"));
    m_nameBox->setAccessibleName(QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "File name")));
    m_nameBox->setFont(looks::childFont(kNamePixels));
    m_nameBox->setMinimumHeight(looks::kPictureButtonSize + 8);
    m_nameBox->setMaxLength(kMaxNameLength);
    m_nameBox->installEventFilter(this);
    // Only what a child types is cleaned: a listed file's own name must stay openable.
    connect(m_nameBox, &QLineEdit::textEdited, this, &WorkFileDialog::cleanNameBox);
    connect(m_nameBox, &QLineEdit::textChanged, this, [this] { m_missingName->hide(); });
    connect(m_nameBox, &QLineEdit::returnPressed, this, &WorkFileDialog::okPressed);
    layout->addWidget(m_nameBox, 1);

    auto *steps = new PictureButton(
        QStringLiteral("stepsBut"), QIcon(QStringLiteral(":/art/files/steps.svg")),
        QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Watch it grow")), row);
    steps->setFixedSize(looks::kPictureButtonSize, looks::kPictureButtonSize);
    steps->hide();
    connect(steps, &QAbstractButton::clicked, this, &WorkFileDialog::playSteps);
    layout->addWidget(steps);
    m_stepsButton = steps;

    auto *more =
        new PictureButton(QStringLiteral("MoreBut"), QIcon(QStringLiteral(":/art/files/more.svg")),
                          QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "More")), row);
    more->setFixedSize(looks::kPictureButtonSize, looks::kPictureButtonSize);
    connect(more, &QAbstractButton::clicked, this, &WorkFileDialog::pressMore);
    layout->addWidget(more);
    return row;
}

void WorkFileDialog::setStepsLoader(StepsLoader load)
{
    m_loadSteps = std::move(load);
    m_stepsButton->setVisible(bool(m_loadSteps));
}

// The selected work's pictures, or those of the work whose name is typed.
void WorkFileDialog::playSteps()
{
    const QString name = chosenName();
    if (!m_loadSteps || name.isEmpty()) {
        m_missingName->show();
        return;
    }
    const QString path = workFilePathFor(context().folders.working, name);
    StepsDialog::play(context(), QFileInfo::exists(path) ? m_loadSteps(path) : QVector<QImage>(),
                      this);
}

QString WorkFileDialog::chosenName() const
{
    return m_nameBox->text().trimmed();
}

void WorkFileDialog::fillRows()
{
    const int first = m_slider->value();
    for (int row = 0; row < FileRows::kRowCount; ++row) {
        QLabel *preview = m_previews[std::size_t(row)];
        QLabel *name = m_names[std::size_t(row)];
        const int file = m_rows.fileInRow(row, first);
        if (file < 0) {
            name->clear();
            name->hide();
            preview->clear();
            preview->hide();
            continue;
        }
        const QString shownName = m_files[file].chopped(kWorkFileExtension.size());
        name->setText(shownName);
        name->setToolTip(shownName);
        name->show();
        preview->setToolTip(shownName);
        preview->setAccessibleName(shownName);
        const auto loaded = m_loadedPreviews.constFind(file);
        if (loaded != m_loadedPreviews.constEnd())
            preview->setPixmap(QPixmap::fromImage(*loaded));
        else
            preview->clear();
        preview->show();
    }
    placeSelectionMark();
}

void WorkFileDialog::placeSelectionMark()
{
    const int row = m_rows.rowOfFile(m_selected, m_slider->value());
    if (row < 0) {
        m_selectionMark->hide();
        return;
    }
    const int top = row * kRowHeight + kPreviewTop - 3;
    m_selectionMark->setGeometry(2, top, kRowsWidth - 4, kPreviewBox.height() + 6);
    m_selectionMark->show();
    m_selectionMark->raise();
}

bool WorkFileDialog::previewShown(int row) const
{
    const int file = m_rows.fileInRow(row, m_slider->value());
    return file >= 0 && m_loadedPreviews.contains(file);
}

bool WorkFileDialog::loadNextPreview()
{
    for (int row = 0; row < FileRows::kRowCount; ++row) {
        const int file = m_rows.fileInRow(row, m_slider->value());
        if (file < 0 || m_loadedPreviews.contains(file))
            continue;
        const QString path = QDir(context().folders.working).filePath(m_files[file]);
        QImage picture = m_loadPreview ? m_loadPreview(path) : QImage();
        if (picture.isNull()) {
            picture = brokenPicture();
        } else {
            // White paper on cream paper needs an edge to be seen.
            QPainter edge(&picture);
            edge.setPen(QPen(looks::kInk, 1));
            edge.drawRect(picture.rect().adjusted(0, 0, -1, -1));
        }
        m_loadedPreviews.insert(file, picture);
        m_previews[std::size_t(row)]->setPixmap(QPixmap::fromImage(picture));
        return true;
    }
    return false;
}

QImage WorkFileDialog::brokenPicture()
{
    // On the dialog's own paper, so it looks the same on every screen depth.
    QImage picture(kPreviewBox, QImage::Format_RGB32);
    picture.fill(looks::kCream);
    QPainter painter(&picture);
    QIcon(QStringLiteral(":/art/files/broken.svg")).paint(&painter, picture.rect());
    return picture;
}

void WorkFileDialog::selectRow(int row)
{
    const int file = m_rows.fileInRow(row, m_slider->value());
    if (file < 0)
        return;
    moveSelection({file, m_slider->value()});
}

void WorkFileDialog::moveSelection(FileRows::Position to)
{
    if (to.selected < 0 || to.selected >= m_files.size())
        return;
    m_selected = to.selected;
    {
        // Scrolling here is not the child moving the slider: the focus stays where it goes below.
        const QSignalBlocker quiet(m_slider);
        m_slider->setValue(to.sliderValue);
    }
    fillRows();
    m_nameBox->setText(m_files[m_selected].chopped(kWorkFileExtension.size()));
    m_nameBox->setFocus();
    m_nameBox->setCursorPosition(int(m_nameBox->text().size()));
}

void WorkFileDialog::cleanNameBox()
{
    const CleanedName cleaned = cleanFileName(m_nameBox->text(), m_nameBox->cursorPosition());
    if (cleaned.text == m_nameBox->text())
        return;
    m_nameBox->setText(cleaned.text);
    m_nameBox->setCursorPosition(cleaned.caret);
}

void WorkFileDialog::okPressed()
{
    // OK without a name would close and do nothing: the dialog stays and says what is missing.
    const QString name = chosenName();
    if (name.isEmpty()) {
        m_missingName->show();
        m_nameBox->setFocus();
        return;
    }
    if (m_direction == FileDirection::Save && m_askReplace) {
        const QString path = workFilePathFor(context().folders.working, name);
        if (QFileInfo::exists(path) && !m_askReplace(name, path)) {
            m_nameBox->setFocus();
            return;
        }
    }
    m_previewTimer.stop();
    OwnDialog::okPressed();
}

void WorkFileDialog::cancelPressed()
{
    m_previewTimer.stop();
    OwnDialog::cancelPressed();
}

void WorkFileDialog::closePressed()
{
    // Escape means "stay where we were": the same as Cancel.
    cancelPressed();
}

void WorkFileDialog::pressMore()
{
    m_moreRequested = true;
    cancelPressed();
}

void WorkFileDialog::showEvent(QShowEvent *event)
{
    OwnDialog::showEvent(event);
    // The window has just been translated: the caption comes from the hidden label in the
    // chosen language, and the file names are put back untranslated.
    messageLabel()->setText(
        (m_direction == FileDirection::Save ? m_saveCaption : m_openCaption)->text());
    fillRows();
    m_previewTimer.start();
    m_nameBox->setFocus();
}

void WorkFileDialog::hideEvent(QHideEvent *event)
{
    m_previewTimer.stop();
    OwnDialog::hideEvent(event);
}

bool WorkFileDialog::handleShortcut(const QKeyEvent &key)
{
    const Qt::KeyboardModifiers held = key.modifiers() & (Qt::ControlModifier | Qt::ShiftModifier |
                                                          Qt::AltModifier | Qt::MetaModifier);
    if (held != (Qt::ControlModifier | Qt::ShiftModifier))
        return false;
    const FileRows::Position here{m_selected, m_slider->value()};
    switch (key.key()) {
    case Qt::Key_C:
        cancelPressed();
        return true;
    case Qt::Key_Y:
        okPressed();
        return true;
    case Qt::Key_D:
        moveSelection(m_rows.next(here));
        return true;
    case Qt::Key_U:
        moveSelection(m_rows.previous(here));
        return true;
    default:
        return false;
    }
}

void WorkFileDialog::keyPressEvent(QKeyEvent *event)
{
    if (!handleShortcut(*event))
        OwnDialog::keyPressEvent(event);
}

bool WorkFileDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_nameBox && event->type() == QEvent::KeyPress &&
        handleShortcut(*static_cast<QKeyEvent *>(event)))
        return true;
    const bool press = event->type() == QEvent::MouseButtonPress;
    const bool doubleClick = event->type() == QEvent::MouseButtonDblClick;
    if (press || doubleClick) {
        for (int row = 0; row < FileRows::kRowCount; ++row) {
            if (watched != m_previews[std::size_t(row)] && watched != m_names[std::size_t(row)])
                continue;
            selectRow(row);
            if (doubleClick && m_rows.fileInRow(row, m_slider->value()) >= 0)
                okPressed();
            return true;
        }
    }
    return OwnDialog::eventFilter(watched, event);
}

} // namespace quillora
