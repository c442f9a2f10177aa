#pragma once
// The webcam button of a document window: chooses the picture box the camera fills, shows the
// webcam window with bars in that box's shape and, when a picture was taken, puts it into the
// box (stretched to it), records it for undo and counts the change.
//
// The application makes one per document window, after its UndoController:
//     new WebcamController(context, window, *undo, [] { return std::make_unique<QtCamera>(); });
// The camera is made only while the webcam window is open.

#include <QImage>
#include <QObject>

#include <functional>
#include <memory>

namespace quillora {

class AppContext;
class Camera;
class DocumentWindow;
class UndoController;
class WebcamWindow;
struct PageModel;

class WebcamController : public QObject {
    Q_OBJECT
public:
    using CameraFactory = std::function<std::unique_ptr<Camera>()>;

    WebcamController(AppContext &context, DocumentWindow &window, UndoController &undo,
                     CameraFactory makeCamera);

    // How a message reaches the child (tests listen instead); the own message window by default.
    void setMessenger(std::function<void(const QString &english)> tell);

    // The picture box the camera fills: the current one, else the page's only visible picture
    // box; -1 when the page has none, or several and none is chosen.
    static int targetPicture(const PageModel &page);

    // "Take webcam picture". True when a picture went into a picture box.
    bool takeWebcamPicture();
    // Puts `picture` into picture box `index`, stretched to the box; undo records it and the
    // change is counted. False for a missing box or an empty picture.
    bool putPicture(int index, const QImage &picture);

signals:
    // The webcam window is loaded and about to be shown modally (tests press its buttons).
    void formOpened(quillora::WebcamWindow *form);

private:
    QString folder() const;
    void tell(const QString &english);

    AppContext &m_context;
    DocumentWindow &m_window;
    UndoController &m_undo;
    CameraFactory m_makeCamera;
    std::function<void(const QString &)> m_tell;
};

} // namespace quillora
