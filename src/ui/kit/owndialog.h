#pragma once
// The program's own dialog window: no system title bar, a top bar in the frame colour by which
// it is dragged, a big message, and animated OK and Cancel pictures. The answer is left in
// AppContext::dialogAnswer for the caller, as every own dialog does.

#include "core/app/appcontext.h"
#include "ui/kit/windowdrag.h"

#include <QDialog>
#include <QIcon>
#include <QPoint>
#include <QTimer>

#include <array>

class QHBoxLayout;
class QLabel;
class QVBoxLayout;

namespace quillora {

class PictureButton;

class OwnDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kFrameCount = 8;
    static constexpr int kFrameIntervalMs = 100;

    // `message` is the English design text of the big label; `title` names the window for
    // the task bar and for screen readers.
    OwnDialog(AppContext &context, const QString &objectName, const QString &title,
              const QString &message, QWidget *parent = nullptr);

    // Shows the dialog and waits for its answer. Unlike the plain dialog's wait, hiding the
    // dialog (to show another one in its place) does not end it.
    int exec() override;

    // The frame of the button animation now shown, 0..7.
    int frame() const { return m_frame; }
    // Shows the next frame; after 7 comes 0. The animation timer calls it every 100 ms.
    void advanceFrame();
    const QTimer &animationTimer() const { return m_animation; }

    PictureButton *okButton() const { return m_ok; }
    PictureButton *cancelButton() const { return m_cancel; }
    QLabel *okCaption() const { return m_okCaption; }
    QLabel *cancelCaption() const { return m_cancelCaption; }
    QLabel *messageLabel() const { return m_message; }
    QWidget *topBar() const { return m_topBar; }

    static QIcon yesPicture(int frame);
    static QIcon noPicture(int frame);

protected:
    AppContext &context() const { return m_context; }
    // The space between the message and the buttons, for dialogs that show more.
    QVBoxLayout *bodyLayout() const { return m_body; }
    // Puts a close button at the right end of the top bar; it runs closePressed().
    PictureButton *addCloseButton(const QString &objectName);
    // Words under the OK and Cancel pictures, for questions where a picture alone could be
    // taken for the other answer.
    void showButtonCaptions(const QString &ok, const QString &cancel);
    // A still picture on Cancel in place of the animated cross.
    void setCancelPicture(const QIcon &picture);

    // What the buttons do. By default OK leaves "Yes", Cancel "No", and the close button,
    // Escape or the window manager's close leave "cancelled".
    virtual void okPressed();
    virtual void cancelPressed();
    virtual void closePressed();
    void closeWithAnswer(const QString &answer, DialogCode code);

    void reject() override;
    void setVisible(bool visible) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showFrame();

    AppContext &m_context;
    QWidget *m_topBar = nullptr;
    QHBoxLayout *m_topBarLayout = nullptr;
    QLabel *m_message = nullptr;
    QVBoxLayout *m_body = nullptr;
    PictureButton *m_ok = nullptr;
    PictureButton *m_cancel = nullptr;
    QLabel *m_okCaption = nullptr;
    QLabel *m_cancelCaption = nullptr;
    bool m_cancelAnimated = true;
    QTimer m_animation;
    int m_frame = 0;
    std::array<QIcon, kFrameCount> m_yesFrames;
    std::array<QIcon, kFrameCount> m_noFrames;
    WindowDrag m_drag;
};

} // namespace quillora
