#include "ui/pictures/webcamcontroller.h"

#include "core/app/appcontext.h"
#include "core/pictures/webcamcapture.h"
#include "core/undo/undorecord.h"
#include "platform/camera.h"
#include "ui/document/documentwindow.h"
#include "ui/kit/messagedialog.h"
#include "ui/pictures/webcamwindow.h"
#include "ui/undo/undocontroller.h"

#include <QGuiApplication>

#include <algorithm>

namespace quillora {

namespace {

const QString kNoPictureMessage =
    QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "This page has no picture for the camera."));
const QString kChoosePictureMessage = QStringLiteral(
    QT_TRANSLATE_NOOP("Quillora", "Touch a picture on the page first, then the camera."));

bool isUsablePicture(const PageModel &page, int index)
{
    return index >= 0 && index < page.pictureBoxes.size() && page.pictureBoxes[index].visible &&
           !page.pictureBoxes[index].geometry.isEmpty();
}

} // namespace

WebcamController::WebcamController(AppContext &context, DocumentWindow &window,
                                   UndoController &undo, CameraFactory makeCamera)
    : QObject(&window), m_context(context), m_window(window), m_undo(undo),
      m_makeCamera(std::move(makeCamera))
{
    m_tell = [this](const QString &english) { MessageDialog::tell(m_context, english, &m_window); };
    connect(&window, &DocumentWindow::webCamRequested, this, [this] {
        takeWebcamPicture();
        // The child goes on where they were: typing reaches the page again, not the closed window.
        m_window.activateWindow();
    });
}

void WebcamController::setMessenger(std::function<void(const QString &)> tell)
{
    m_tell = std::move(tell);
}

void WebcamController::tell(const QString &english)
{
    if (m_tell)
        m_tell(english);
}

QString WebcamController::folder() const
{
    return m_context.folders.staging;
}

int WebcamController::targetPicture(const PageModel &page)
{
    if (page.current.kind == ObjectKind::Picture && isUsablePicture(page, page.current.index))
        return page.current.index;
    int only = -1;
    for (int index = 0; index < page.pictureBoxes.size(); ++index) {
        if (!isUsablePicture(page, index))
            continue;
        if (only >= 0)
            return -1;
        only = index;
    }
    return only;
}

bool WebcamController::takeWebcamPicture()
{
    const int target = targetPicture(m_context.page);
    if (target < 0) {
        const bool anyPicture = std::any_of(
            m_context.page.pictureBoxes.cbegin(), m_context.page.pictureBoxes.cend(),
            [](const PictureBoxModel &box) { return box.visible && !box.geometry.isEmpty(); });
        tell(anyPicture ? kChoosePictureMessage : kNoPictureMessage);
        return false;
    }
    // The box becomes the object worked on, so undo can step back to what it showed before.
    const CurrentObject object{ObjectKind::Picture, target};
    m_window.setCurrentObject(object.kind, object.index);
    m_undo.beginWorkOn(object);

    const std::unique_ptr<Camera> camera = m_makeCamera ? m_makeCamera() : nullptr;
    if (!camera) {
        tell(QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Sorry. No webcam was found.")));
        return false;
    }
    WebcamWindow form(m_context, *camera, folder(), &m_window);
    form.setMessenger(m_tell);
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const bool loaded = form.load();
    QGuiApplication::restoreOverrideCursor();
    if (!loaded)
        return false;
    form.placeBars(m_context.page.pictureBoxes[target].geometry.size());
    emit formOpened(&form);
    form.exec();
    if (form.outcome() != WebcamWindow::Outcome::Taken)
        return false;

    const QImage picture = WebcamCapture(folder()).picture();
    if (!putPicture(target, picture)) {
        tell(pictureNotTakenMessage());
        return false;
    }
    return true;
}

bool WebcamController::putPicture(int index, const QImage &picture)
{
    if (picture.isNull() || !isUsablePicture(m_context.page, index))
        return false;
    PictureBoxModel &box = m_context.page.pictureBoxes[index];
    box.image = picture.scaled(box.geometry.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                    .convertToFormat(QImage::Format_RGB32);
    // A photo in place of an imported file: resizing must not bring the file back.
    box.tag.clear();
    box.importedDiagonalAngle = 0.0;
    m_window.refreshPictureBox(index);
    m_undo.record(ObjectKind::Picture, index);
    ++m_context.page.changeCount;
    return true;
}

} // namespace quillora
