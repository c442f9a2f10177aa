#pragma once
// The program's own dialog: an own window (top bar in the frame colour, dragged by it and by
// the big message) with a big message and the animated OK and Cancel pictures. Each opening
// ends with its answer, which the dialog keeps for its caller.

#include "core/app/dialoganswer.h"
#include "ui/kit/animatedanswers.h"
#include "ui/kit/ownwindow.h"

class QLabel;
class QVBoxLayout;

namespace quillora {

class OwnDialog : public OwnWindow {
    Q_OBJECT
public:
    // `message` is the English design text of the big label; `title` names the window on its
    // top bar, in the task bar and for screen readers.
    OwnDialog(AppContext &context, const QString &objectName, const QString &title,
              const QString &message, QWidget *parent = nullptr);

    // Shows the dialog and waits for its answer. Unlike the plain dialog's wait, hiding the
    // dialog (to show another one in its place) does not end it.
    int exec() override;
    // Shows the dialog, waits and returns its answer; None when it went away unanswered.
    DialogAnswer waitForAnswer();
    DialogAnswer answer() const { return m_answer; }

    // The frame of the button animation now shown, 0..7.
    int frame() const { return m_answers->frame(); }
    void advanceFrame() { m_answers->advanceFrame(); }
    const QTimer &animationTimer() const { return m_answers->timer(); }

    PictureButton *okButton() const { return m_answers->ok(); }
    PictureButton *cancelButton() const { return m_answers->cancel(); }
    QLabel *okCaption() const { return m_okCaption; }
    QLabel *cancelCaption() const { return m_cancelCaption; }
    QLabel *messageLabel() const { return m_message; }

protected:
    // The space between the message and the buttons, for dialogs that show more.
    QVBoxLayout *bodyLayout() const { return m_body; }
    // Words under the OK and Cancel pictures, for questions where a picture alone could be
    // taken for the other answer.
    void showButtonCaptions(const QString &ok, const QString &cancel);
    // A still picture on Cancel in place of the animated cross.
    void setCancelPicture(const QIcon &picture) { m_answers->setCancelPicture(picture); }

    // What the buttons do. By default OK answers Yes, Cancel No, and the close button, Escape
    // or the window manager's close answer Closed.
    virtual void okPressed();
    virtual void cancelPressed();
    virtual void closePressed();
    void closeWithAnswer(DialogAnswer answer, DialogCode code);

    void reject() override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    AnimatedAnswers *m_answers = nullptr;
    QLabel *m_message = nullptr;
    QVBoxLayout *m_body = nullptr;
    QLabel *m_okCaption = nullptr;
    QLabel *m_cancelCaption = nullptr;
    DialogAnswer m_answer = DialogAnswer::None;
};

} // namespace quillora
