#include "ui/pictures/webcamwindow.h"

#include "core/app/appcontext.h"
#include "core/pictures/webcamcapture.h"
#include "platform/camera.h"
#include "ui/kit/looks.h"
#include "ui/kit/messagedialog.h"
#include "ui/kit/picturebutton.h"
#include "ui/kit/topbar.h"
#include "ui/kit/translatewindow.h"
#include "ui/pictures/webcamart.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLoggingCategory>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>

namespace quillora {

Q_LOGGING_CATEGORY(lcWebcam, "quillora.pictures.webcam")

namespace {

const QString kNoCameraMessage =
    QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Sorry. No webcam was found."));
const QString kCameraFailedMessage =
    QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Sorry. The webcam isn't working."));

const std::array<QString, kWebcamEffectCount> kEffectCaptions = {
    QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "In colour")),
    QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Black and white")),
    QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Old photo")),
    QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Pop art")),
    QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Mirror"))};

const QColor kBarColour = looks::kInk;

} // namespace

QString pictureNotTakenMessage()
{
    return QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Sorry. The picture couldn't be taken."));
}

WebcamWindow::WebcamWindow(AppContext &context, Camera &camera, QString folder, QWidget *parent)
    : OwnWindow(context, QStringLiteral("webCamForm"),
                QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Take a picture")), parent),
      m_context(context), m_camera(camera), m_folder(std::move(folder))
{
    m_tell = [this](const QString &english) {
        MessageDialog::tell(m_context, english, parentWidget());
    };

    // The title (`Label1`) drags the window with the rest of the top bar.
    topBar()->title()->setObjectName(QStringLiteral("Label1"));
    m_close = addCloseButton(QStringLiteral("unloadFormBut"));

    auto *content = new QHBoxLayout;
    content->setContentsMargins(20, 16, 20, 20);
    content->setSpacing(20);
    windowLayout()->addLayout(content);

    auto *left = new QVBoxLayout;
    left->setSpacing(14);
    m_preview = new QLabel(this);
    m_preview->setObjectName(QStringLiteral("vcx"));
    m_preview->setFixedSize(kPreviewMaxWidth, kPreviewMaxHeight);
    m_preview->setAutoFillBackground(true);
    QPalette dark = m_preview->palette();
    dark.setColor(QPalette::Window, Qt::black);
    m_preview->setPalette(dark);
    const std::array<const char *, 4> barNames = {"letterBoxTop", "letterBoxBot", "letterBoxLeft",
                                                  "letterBoxRight"};
    for (std::size_t side = 0; side < barNames.size(); ++side) {
        auto *bar = new QWidget(m_preview);
        bar->setObjectName(QString::fromLatin1(barNames[side]));
        bar->setAutoFillBackground(true);
        QPalette barPalette = bar->palette();
        barPalette.setColor(QPalette::Window, kBarColour);
        bar->setPalette(barPalette);
        bar->hide();
        m_barWidgets[side] = bar;
    }
    left->addWidget(m_preview, 0, Qt::AlignHCenter);
    left->addWidget(buildEffectRow());
    content->addLayout(left);

    auto *right = new QVBoxLayout;
    right->setSpacing(16);
    m_take =
        new PictureButton(QStringLiteral("ok_but"), webcamTakePicture(true),
                          QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Take the picture")), this);
    m_take->setFixedSize(kTakeButtonSize, kTakeButtonSize);
    connect(m_take, &QAbstractButton::clicked, this, &WebcamWindow::takePicture);
    right->addWidget(buildSettings(), 0, Qt::AlignHCenter);
    right->addStretch();
    right->addWidget(m_take, 0, Qt::AlignHCenter);
    right->addStretch();
    m_cameraList = new QComboBox(this);
    m_cameraList->setObjectName(QStringLiteral("CamCombo"));
    m_cameraList->setAccessibleName(QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Camera")));
    m_cameraList->setFont(looks::childFont(looks::kControlPixels));
    m_cameraList->setMinimumHeight(looks::kPictureButtonSize);
    m_cameraList->setFixedWidth(kTakeButtonSize + 40);
    connect(m_cameraList, &QComboBox::activated, this, [this](int index) { chooseCamera(index); });
    right->addWidget(m_cameraList, 0, Qt::AlignBottom);
    content->addLayout(right);

    m_blinkTimer.setObjectName(QStringLiteral("Timer1"));
    m_blinkTimer.setInterval(kBlinkIntervalMs);
    connect(&m_blinkTimer, &QTimer::timeout, this, &WebcamWindow::blinkTick);
    m_previewTimer.setObjectName(QStringLiteral("prevTimer"));
    m_previewTimer.setInterval(kPreviewIntervalMs);
    connect(&m_previewTimer, &QTimer::timeout, this, &WebcamWindow::refreshPreview);
    connect(&m_camera, &Camera::frameArrived, this, &WebcamWindow::onFrame);
    connect(&m_camera, &Camera::failed, this, &WebcamWindow::onCameraFailed);
}

WebcamWindow::~WebcamWindow()
{
    m_camera.close();
}

QWidget *WebcamWindow::buildEffectRow()
{
    auto *row = new QWidget(this);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(12);
    layout->addStretch();
    for (int number = 0; number < kWebcamEffectCount; ++number) {
        auto *button = new PictureButton(QStringLiteral("WCfxBut%1").arg(number),
                                         webcamEffectPicture({}, number, number == m_effect),
                                         kEffectCaptions[std::size_t(number)], row);
        button->setFixedSize(kEffectButtonSize, kEffectButtonSize);
        connect(button, &QAbstractButton::clicked, this, [this, number] { chooseEffect(number); });
        layout->addWidget(button);
        m_effectButtons[std::size_t(number)] = button;
    }
    layout->addStretch();
    return row;
}

QWidget *WebcamWindow::buildSettings()
{
    auto *box = new QWidget(this);
    auto *layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);
    m_showSettings =
        new PictureButton(QStringLiteral("showSettingsBut"),
                          webcamSunPicture(WebcamSun::Half, looks::kPictureButtonSize),
                          QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Lighter or darker")), box);
    m_showSettings->setFixedSize(looks::kPictureButtonSize, looks::kPictureButtonSize);
    connect(m_showSettings, &QAbstractButton::clicked, this, &WebcamWindow::showSettings);
    layout->addWidget(m_showSettings, 0, Qt::AlignHCenter);

    m_settingsPanel = new QWidget(box);
    m_settingsPanel->setObjectName(QStringLiteral("settingsPanel"));
    auto *panel = new QHBoxLayout(m_settingsPanel);
    panel->setContentsMargins(0, 0, 0, 0);
    panel->setSpacing(8);
    constexpr int kSunButtonSize = 64;
    m_darker = new PictureButton(
        QStringLiteral("darkerBut"), webcamSunPicture(WebcamSun::Dim, kSunButtonSize),
        QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Darker")), m_settingsPanel);
    m_lighter = new PictureButton(
        QStringLiteral("lighterBut"), webcamSunPicture(WebcamSun::Bright, kSunButtonSize),
        QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Lighter")), m_settingsPanel);
    m_hideSettings = new PictureButton(
        QStringLiteral("hideSettingsBut"), QIcon(QStringLiteral(":/art/dialog/up.svg")),
        QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Hide")), m_settingsPanel);
    for (PictureButton *button : {m_darker, m_lighter})
        button->setFixedSize(kSunButtonSize, kSunButtonSize);
    m_hideSettings->setFixedSize(looks::kPictureButtonSize, looks::kPictureButtonSize);
    connect(m_darker, &QAbstractButton::clicked, this, [this] { changeBrightness(-1); });
    connect(m_lighter, &QAbstractButton::clicked, this, [this] { changeBrightness(+1); });
    connect(m_hideSettings, &QAbstractButton::clicked, this, &WebcamWindow::hideSettings);
    panel->addWidget(m_darker);
    panel->addWidget(m_lighter);
    panel->addWidget(m_hideSettings, 0, Qt::AlignVCenter);
    m_settingsPanel->hide();
    layout->addWidget(m_settingsPanel);
    return box;
}

void WebcamWindow::showSettings()
{
    m_showSettings->hide();
    m_settingsPanel->show();
}

void WebcamWindow::hideSettings()
{
    m_settingsPanel->hide();
    m_showSettings->show();
}

bool WebcamWindow::settingsShown() const
{
    return !m_settingsPanel->isHidden();
}

void WebcamWindow::changeBrightness(int steps)
{
    m_brightness =
        std::clamp(m_brightness + steps, -kWebcamBrightnessSteps, kWebcamBrightnessSteps);
    m_frameIsNew = true;
    refreshPreview();
}

void WebcamWindow::setMessenger(std::function<void(const QString &)> tell)
{
    m_tell = std::move(tell);
}

bool WebcamWindow::load()
{
    translateWindow(this, m_context.translator);
    const QStringList names = m_camera.deviceNames();
    {
        const QSignalBlocker quiet(m_cameraList);
        m_cameraList->clear();
        m_cameraList->addItems(names);
    }
    if (names.isEmpty()) {
        fail(kNoCameraMessage);
        return false;
    }
    if (!selectWebCam())
        return false;
    m_blink = 0;
    showBlink();
    m_blinkTimer.start();
    return true;
}

bool WebcamWindow::selectWebCam()
{
    // A remembered camera that is not plugged in today stays remembered; the first one is used.
    const int remembered = m_cameraList->findText(m_context.settings.webcamName);
    const int index = remembered >= 0 ? remembered : 0;
    {
        const QSignalBlocker quiet(m_cameraList);
        m_cameraList->setCurrentIndex(index);
    }
    return chooseCamera(index);
}

bool WebcamWindow::chooseCamera(int index)
{
    if (index < 0 || index >= m_cameraList->count())
        return false;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    m_camera.close();
    m_frame = QImage();
    QString error;
    const bool opened = m_camera.open(index, &error);
    QGuiApplication::restoreOverrideCursor();
    if (!opened) {
        qCInfo(lcWebcam) << "camera" << m_cameraList->itemText(index) << "did not start:" << error;
        fail(kCameraFailedMessage);
        return false;
    }
    m_context.settings.webcamName = m_cameraList->itemText(index);
    onFrame(m_camera.latestFrame());
    refreshPreview();
    return true;
}

void WebcamWindow::fitPreviewToFrame(QSize frame)
{
    QSize size(kPreviewMaxWidth, kPreviewMaxHeight);
    if (!frame.isEmpty())
        size = frame.scaled(size, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
    if (size == m_preview->size())
        return;
    m_preview->setFixedSize(size);
    if (!m_target.isEmpty())
        placeBars(m_target);
}

void WebcamWindow::placeBars(QSize target)
{
    m_target = target;
    m_bars = previewBars(target, previewRect());
    showBars();
}

void WebcamWindow::showBars()
{
    const std::array<QRect, 4> rects = {m_bars.top, m_bars.bottom, m_bars.left, m_bars.right};
    for (std::size_t side = 0; side < rects.size(); ++side) {
        QWidget *bar = m_barWidgets[side];
        bar->setGeometry(rects[side]);
        bar->setVisible(!rects[side].isEmpty());
        bar->raise();
    }
}

QRect WebcamWindow::previewRect() const
{
    return QRect(QPoint(0, 0), m_preview->size());
}

PictureButton *WebcamWindow::effectButton(int number) const
{
    if (number < 0 || number >= kWebcamEffectCount)
        return nullptr;
    return m_effectButtons[std::size_t(number)];
}

void WebcamWindow::chooseEffect(int number)
{
    m_effect = int(webcamEffectFromNumber(number));
    showBars();
    m_frameIsNew = true;
    refreshPreview();
}

void WebcamWindow::onFrame(const QImage &frame)
{
    if (frame.isNull())
        return;
    m_frame = frame;
    m_frameIsNew = true;
    fitPreviewToFrame(frame.size());
}

void WebcamWindow::refreshPreview()
{
    if (!m_frameIsNew)
        return;
    m_frameIsNew = false;
    const WebcamEffect effect = webcamEffectFromNumber(m_effect);
    if (!m_frame.isNull()) {
        m_shown = applyWebcamEffect(
            adjustWebcamBrightness(
                m_frame.scaled(m_preview->size(), Qt::IgnoreAspectRatio, Qt::FastTransformation),
                m_brightness),
            effect);
        m_preview->setPixmap(QPixmap::fromImage(m_shown));
    }
    for (int number = 0; number < kWebcamEffectCount; ++number)
        m_effectButtons[std::size_t(number)]->setPicture(
            webcamEffectPicture(m_frame, number, number == m_effect));
}

void WebcamWindow::blinkTick()
{
    m_blink = (m_blink + 1) % kBlinkFrames;
    showBlink();
}

void WebcamWindow::showBlink()
{
    m_take->setPicture(webcamTakePicture(m_blink < kBlinkFrames / 2));
}

void WebcamWindow::takePicture()
{
    const WebcamShot shot{m_bars.visible(previewRect()), m_preview->size(),
                          webcamEffectFromNumber(m_effect), m_brightness};
    WebcamCapture capture(m_folder);
    QString error;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const bool taken =
        capture.take([this](const QString &path, int quality,
                            QString *reason) { return m_camera.saveFrame(path, quality, reason); },
                     shot, &error);
    QGuiApplication::restoreOverrideCursor();
    if (!taken) {
        qCInfo(lcWebcam) << "picture not taken:" << error;
        fail(pictureNotTakenMessage());
        return;
    }
    m_camera.close();
    m_blinkTimer.stop();
    finish(Outcome::Taken, Accepted);
}

void WebcamWindow::closeWithoutPicture()
{
    finish(Outcome::Closed, Rejected);
}

void WebcamWindow::reject()
{
    closeWithoutPicture();
}

void WebcamWindow::onCameraFailed()
{
    if (isVisible())
        fail(kCameraFailedMessage);
}

void WebcamWindow::fail(const QString &english)
{
    m_camera.close();
    m_blinkTimer.stop();
    m_previewTimer.stop();
    m_outcome = Outcome::Failed;
    if (isVisible())
        done(Rejected);
    if (m_tell)
        m_tell(english);
}

void WebcamWindow::finish(Outcome outcome, DialogCode code)
{
    m_outcome = outcome;
    done(code);
}

void WebcamWindow::showEvent(QShowEvent *event)
{
    m_previewTimer.start();
    OwnWindow::showEvent(event);
}

void WebcamWindow::hideEvent(QHideEvent *event)
{
    // The camera's light goes off as soon as the window goes, picture or not.
    m_camera.close();
    m_blinkTimer.stop();
    m_previewTimer.stop();
    OwnWindow::hideEvent(event);
}

} // namespace quillora
