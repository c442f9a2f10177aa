#include "ui/app/startscreen.h"

#include "core/foundation/paths.h"
#include "core/layout/kindcodes.h"
#include "ui/app/choicetile.h"
#include "ui/kit/choicedialog.h"
#include "ui/kit/looks.h"
#include "ui/kit/messagedialog.h"
#include "ui/kit/picturebutton.h"
#include "ui/kit/topbar.h"
#include "ui/kit/translatewindow.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QProcess>
#include <QScreen>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace quillora {

namespace {

constexpr int kKindColumns = 7;
constexpr int kSubChoiceColumns = 5;
constexpr int kBigButton = 96;
constexpr int kThumbnailLimit = 480; // thumbnails are shown small: never keep a huge one whole
constexpr double kScreenShare = 0.96;

QIcon kindPicture(int code)
{
    return QIcon(kindInfo(DocumentKind(code)).tileArt);
}

QString versionLine()
{
    return QStringLiteral("version %1.%2.%3")
        .arg(QUILLORA_VERSION_MAJOR)
        .arg(QUILLORA_VERSION_MINOR)
        .arg(QUILLORA_VERSION_PATCH);
}

// A template's thumbnail, or the drawn page when it is missing or cannot be read.
QIcon thumbnail(const QString &path)
{
    if (!path.isEmpty()) {
        QImageReader reader(path);
        QSize size = reader.size();
        if (size.isValid() && (size.width() > kThumbnailLimit || size.height() > kThumbnailLimit))
            reader.setScaledSize(
                size.scaled(kThumbnailLimit, kThumbnailLimit, Qt::KeepAspectRatio));
        const QImage image = reader.read();
        if (!image.isNull())
            return QIcon(QPixmap::fromImage(image));
    }
    return QIcon(QStringLiteral(":/art/kinds/nothumbnail.svg"));
}

QLabel *pictureLabel(const QString &objectName, const QIcon &picture, QSize size, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(objectName);
    label->setPixmap(picture.pixmap(size, label->devicePixelRatioF()));
    label->setFixedSize(size);
    return label;
}

} // namespace

StartScreen::StartScreen(AppContext &context, QWidget *parent)
    : OwnWindow(context, QStringLiteral("splashNew"), QStringLiteral("Quillora"), parent),
      m_selection(context.folders.data), m_messageHandler([this](const QString &message) {
          MessageDialog::tell(this->context(), message, this);
      }),
      m_videoLauncher([](const QString &program) {
          QProcess::startDetached(program, {}, QFileInfo(program).absolutePath());
      })
{
    fillTopBar();

    auto *content = new QVBoxLayout;
    content->setContentsMargins(18, 14, 18, 14);
    content->setSpacing(12);
    m_pages = new QStackedWidget(this);
    m_pages->addWidget(buildKindsPage());
    m_pages->addWidget(buildSubChoicePage());
    content->addWidget(m_pages, 1);
    content->addWidget(buildBottomRow());
    windowLayout()->addLayout(content, 1);

    translateWindow(this, context.translator);
    chooseKind(0);
    sizeToScreen();
}

StartScreenOutcome StartScreen::ask(AppContext &context, QWidget *parent)
{
    StartScreen screen(context, parent);
    screen.exec();
    return screen.outcome();
}

void StartScreen::fillTopBar()
{
    QLabel *topImage =
        pictureLabel(QStringLiteral("topImg"), QIcon(QStringLiteral(":/art/kinds/banner.svg")),
                     QSize(114, 48), topBar());
    topBar()->addLeading(topImage);
    topBar()->dragWith(topImage);
    auto *version = new QLabel(versionLine(), topBar());
    version->setObjectName(QStringLiteral("versionLabFIXLANG"));
    version->setFont(looks::childFont(looks::kControlPixels));
    topBar()->addTrailing(version);
    addCloseButton(QStringLiteral("exitBut"));
}

QWidget *StartScreen::buildKindsPage()
{
    auto *page = new QWidget(m_pages);
    page->setObjectName(QStringLiteral("kindsPage"));
    auto *grid = new QGridLayout(page);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(14);
    for (const int code : kindCodes()) {
        const DocumentKindInfo &info = kindInfo(DocumentKind(code));
        if (info.tileArt.isEmpty())
            continue;
        auto *tile = new ChoiceTile(QStringLiteral("picTypeImg%1").arg(code), kindPicture(code),
                                    info.caption, ChoiceTile::Caption::Painted, page);
        connect(tile, &QAbstractButton::clicked, this, [this, code] { chooseKind(code); });
        connect(tile, &ChoiceTile::doubleClicked, this, [this, code] { startKind(code); });
        m_kindTiles.push_back({code, tile});
    }
    // Seven in a row, a short last row in the middle: a tile spans two half columns, so a row of
    // any length can sit centred.
    const int count = int(m_kindTiles.size());
    const int lastRowStart = (count - 1) / kKindColumns * kKindColumns;
    for (int index = 0; index < count; ++index) {
        const int shortBy = index < lastRowStart ? 0 : kKindColumns - (count - lastRowStart);
        grid->addWidget(m_kindTiles[std::size_t(index)].tile, index / kKindColumns,
                        2 * (index % kKindColumns) + shortBy, 1, 2);
    }
    for (int halfColumn = 0; halfColumn < 2 * kKindColumns; ++halfColumn)
        grid->setColumnStretch(halfColumn, 1);
    return page;
}

QWidget *StartScreen::buildSubChoicePage()
{
    auto *panel = new QWidget(m_pages);
    panel->setObjectName(QStringLiteral("subPanel"));
    auto *column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(12);

    auto *header = new QHBoxLayout;
    header->setSpacing(18);
    auto *back = new PictureButton(QStringLiteral("back2MainArrow"),
                                   QIcon(QStringLiteral(":/art/kinds/back.svg")),
                                   QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Back")), panel);
    back->setFixedSize(kBigButton, kBigButton);
    connect(back, &QAbstractButton::clicked, this, &StartScreen::backToKinds);
    header->addWidget(back);
    m_subKindPicture = new QLabel(panel);
    m_subKindPicture->setObjectName(QStringLiteral("subKindImg"));
    m_subKindPicture->setFixedSize(kBigButton, kBigButton);
    header->addWidget(m_subKindPicture);
    m_subKindCaption = new QLabel(panel);
    m_subKindCaption->setObjectName(QStringLiteral("subKindLabFIXLANG"));
    m_subKindCaption->setFont(looks::childFont(looks::kMessagePixels, true));
    header->addWidget(m_subKindCaption);
    header->addStretch();
    column->addLayout(header);

    auto *grid = new QGridLayout;
    grid->setSpacing(14);
    for (int slot = 0; slot < kSubChoiceSlots; ++slot) {
        auto *image = new ChoiceTile(QStringLiteral("subImg%1").arg(slot), QIcon(), QString(),
                                     ChoiceTile::Caption::Hidden, panel);
        connect(image, &QAbstractButton::clicked, this, [this, slot] { chooseSubChoice(slot); });
        connect(image, &ChoiceTile::doubleClicked, this, [this, slot] { startSubChoice(slot); });
        auto *caption = new QLabel(panel);
        caption->setObjectName(QStringLiteral("subDesc%1").arg(slot));
        caption->setFont(looks::childFont(looks::kControlPixels + 4, true));
        caption->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        // A long name wraps onto a second line rather than widening its column.
        caption->setWordWrap(true);
        caption->setFixedHeight(2 * caption->fontMetrics().lineSpacing() + 4);
        caption->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        caption->installEventFilter(this);
        for (QWidget *widget : {static_cast<QWidget *>(image), static_cast<QWidget *>(caption)}) {
            QSizePolicy policy = widget->sizePolicy();
            policy.setRetainSizeWhenHidden(true);
            widget->setSizePolicy(policy);
        }
        m_subImages[std::size_t(slot)] = image;
        m_subCaptions[std::size_t(slot)] = caption;
        auto *cell = new QVBoxLayout;
        cell->setSpacing(4);
        cell->addWidget(image, 1);
        cell->addWidget(caption);
        grid->addLayout(cell, slot / kSubChoiceColumns, slot % kSubChoiceColumns);
    }
    for (int gridColumn = 0; gridColumn < kSubChoiceColumns; ++gridColumn)
        grid->setColumnStretch(gridColumn, 1);
    column->addLayout(grid, 1);
    return panel;
}

QWidget *StartScreen::buildBottomRow()
{
    auto *row = new QWidget(this);
    auto *buttons = new QHBoxLayout(row);
    buttons->setContentsMargins(0, 0, 0, 0);

    const QString player = videoPlayerPath(context().folders.installation);
    const bool playerPresent = QFileInfo(player).isFile();
    const bool wordless = context().translator.hasLanguageFile();
    auto *videos = new PictureButton(QStringLiteral("videosBut"),
                                     QIcon(QStringLiteral(":/art/kinds/videos.svg")),
                                     QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Videos")), row);
    auto *videosNoText = new PictureButton(
        QStringLiteral("videosButNoTxtImg"), QIcon(QStringLiteral(":/art/kinds/videos-notext.svg")),
        QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Videos")), row);
    for (PictureButton *button : {videos, videosNoText}) {
        button->setFixedSize(kBigButton, kBigButton);
        connect(button, &QAbstractButton::clicked, this,
                [this, player] { m_videoLauncher(player); });
        buttons->addWidget(button);
    }
    videos->setVisible(playerPresent && !wordless);
    videosNoText->setVisible(playerPresent && wordless);
    // Keeps OK and Cancel in the middle whether or not the videos button shows.
    buttons->addSpacing(kBigButton - (playerPresent ? kBigButton : 0));
    buttons->addStretch();

    m_answers = new AnimatedAnswers(row);
    connect(m_answers->ok(), &QAbstractButton::clicked, this, &StartScreen::confirm);
    connect(m_answers->cancel(), &QAbstractButton::clicked, this, &StartScreen::cancel);
    buttons->addWidget(m_answers->ok());
    buttons->addSpacing(looks::kDialogButtonSize / 2);
    buttons->addWidget(m_answers->cancel());
    buttons->addStretch();
    buttons->addSpacing(kBigButton);
    return row;
}

QString StartScreen::videoPlayerPath(const QString &installationFolder)
{
    return paths::join(installationFolder, QStringLiteral("videos/video player"));
}

ChoiceTile *StartScreen::entry(DocumentKind kind) const
{
    for (const KindTile &shown : m_kindTiles)
        if (shown.code == codeOf(kind))
            return shown.tile;
    return nullptr;
}

void StartScreen::setMessageHandler(std::function<void(const QString &)> handler)
{
    m_messageHandler = std::move(handler);
}

void StartScreen::setChoiceAsker(std::function<std::optional<ChoiceValues>(DocumentKind)> ask)
{
    m_askChoice = std::move(ask);
}

void StartScreen::setVideoLauncher(std::function<void(const QString &)> launcher)
{
    m_videoLauncher = std::move(launcher);
}

void StartScreen::sizeToScreen()
{
    const QScreen *shownOn = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!shownOn)
        return;
    const QRect available = shownOn->availableGeometry();
    const QSize size(int(available.width() * kScreenShare), int(available.height() * kScreenShare));
    resize(size.expandedTo(minimumSizeHint()));
    move(available.center() - rect().center());
}

bool StartScreen::subChoicesShown() const
{
    return m_pages->currentIndex() == 1;
}

void StartScreen::chooseKind(int code)
{
    m_keyKind = -1;
    int leafletSize = 0;
    const std::optional<DocumentKind> kind = documentKindFromCode(code);
    if (kind && kindInfo(*kind).choicePage == ChoicePage::Leaflet) {
        // The leaflet's size decides which templates it offers; "not now" stays on the kinds.
        const std::optional<ChoiceValues> chosen =
            m_askChoice ? m_askChoice(*kind) : ChoiceDialog::ask(context(), *kind, this);
        if (!chosen)
            return;
        leafletSize = chosen->leafletSize;
    }
    const StartSelection::KindResult result = m_selection.selectKind(code, leafletSize);
    markSelection();
    switch (result) {
    case StartSelection::KindResult::NoTemplates:
        break;
    case StartSelection::KindResult::ShowTemplates:
        showSubChoices();
        break;
    case StartSelection::KindResult::LayoutsMissing:
        showMessage(kLayoutsMissingMessage);
        break;
    }
}

void StartScreen::startKind(int code)
{
    chooseKind(code);
    if (m_selection.code() == code && !m_selection.kindNeedsTemplate())
        confirm();
}

void StartScreen::chooseSubChoice(int index)
{
    if (m_selection.selectSubChoice(index))
        markSelection();
}

void StartScreen::startSubChoice(int index)
{
    if (m_selection.selectSubChoice(index)) {
        markSelection();
        confirm();
    }
}

void StartScreen::backToKinds()
{
    m_pages->setCurrentIndex(0);
}

void StartScreen::confirm()
{
    const std::optional<StartChoice> choice = m_selection.choice();
    if (!choice) {
        showMessage(kLayoutsMissingMessage);
        return;
    }
    m_outcome = *choice;
    accept();
}

void StartScreen::cancel()
{
    m_outcome.reset();
    QDialog::reject();
}

void StartScreen::reject()
{
    cancel();
}

void StartScreen::showSubChoices()
{
    const TemplateListing &listing = m_selection.listing();
    for (int slot = 0; slot < kSubChoiceSlots; ++slot) {
        ChoiceTile *image = m_subImages[std::size_t(slot)];
        QLabel *caption = m_subCaptions[std::size_t(slot)];
        const bool shown = slot < listing.choices.size();
        if (shown) {
            const SubChoice &choice = listing.choices[slot];
            image->setTilePicture(thumbnail(choice.thumbnailPath));
            const QString name = context().tr(choice.caption);
            image->setCaption(name);
            caption->setText(name);
        }
        image->setVisible(shown);
        caption->setVisible(shown);
    }
    const int code = m_selection.code();
    m_subKindPicture->setPixmap(
        kindPicture(code).pixmap(QSize(kBigButton, kBigButton), devicePixelRatioF()));
    m_subKindCaption->setText(context().tr(kindInfo(DocumentKind(code)).caption));
    markSelection();
    m_pages->setCurrentIndex(1);
}

void StartScreen::markSelection()
{
    const int marked = m_keyKind >= 0 ? m_keyKind : m_selection.code();
    for (const KindTile &shown : m_kindTiles)
        shown.tile->setSelected(shown.code == marked);
    const bool listed = m_selection.kindNeedsTemplate();
    for (int slot = 0; slot < kSubChoiceSlots; ++slot)
        m_subImages[std::size_t(slot)]->setSelected(listed && slot == m_selection.subChoice());
}

void StartScreen::showMessage(const QString &english)
{
    if (m_messageHandler)
        m_messageHandler(english);
}

void StartScreen::showEvent(QShowEvent *event)
{
    m_answers->start();
    OwnWindow::showEvent(event);
}

void StartScreen::hideEvent(QHideEvent *event)
{
    m_answers->stop();
    OwnWindow::hideEvent(event);
}

void StartScreen::keyPressEvent(QKeyEvent *event)
{
    // For those without a mouse: the arrows walk the tiles of the page shown, Return opens the
    // kind walked to (its templates, when it has any) or starts what is chosen.
    int step = 0;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!subChoicesShown() && m_keyKind >= 0 && m_keyKind != m_selection.code()) {
            chooseKind(m_keyKind);
            // Its templates are shown now, or a message said why they cannot be.
            if (m_selection.kindNeedsTemplate())
                return;
        }
        confirm();
        return;
    case Qt::Key_Left:
        step = -1;
        break;
    case Qt::Key_Right:
        step = 1;
        break;
    case Qt::Key_Up:
        step = subChoicesShown() ? -1 : -kKindColumns;
        break;
    case Qt::Key_Down:
        step = subChoicesShown() ? 1 : kKindColumns;
        break;
    default:
        OwnWindow::keyPressEvent(event);
        return;
    }
    if (subChoicesShown()) {
        chooseSubChoice(m_selection.subChoice() + step);
        return;
    }
    const int from = m_keyKind >= 0 ? m_keyKind : m_selection.code();
    const auto walkedFrom =
        std::find_if(m_kindTiles.begin(), m_kindTiles.end(),
                     [from](const KindTile &shown) { return shown.code == from; });
    const auto target = (walkedFrom - m_kindTiles.begin()) + step;
    if (walkedFrom == m_kindTiles.end() || target < 0 || target >= std::ssize(m_kindTiles))
        return;
    m_keyKind = m_kindTiles[std::size_t(target)].code;
    markSelection();
}

bool StartScreen::eventFilter(QObject *watched, QEvent *event)
{
    for (int slot = 0; slot < kSubChoiceSlots; ++slot) {
        if (watched != m_subCaptions[std::size_t(slot)])
            continue;
        if (event->type() == QEvent::MouseButtonPress)
            chooseSubChoice(slot);
        else if (event->type() == QEvent::MouseButtonDblClick)
            startSubChoice(slot);
        break;
    }
    return OwnWindow::eventFilter(watched, event);
}

} // namespace quillora
