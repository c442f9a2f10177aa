#pragma once
// The postcard window (`postCardForm`): one side of the card at a time, the picture side or the
// writing side with its message, address lines and stamp (`StampBG` round the stamp box), and
// the flip button (`flipBut`) that turns the card over on `aniPic`, ticked by `flipTimer`.

#include "core/doctypes/postcard.h"
#include "core/doctypes/postcardflip.h"
#include "ui/document/documentwindow.h"
#include "ui/files/progresssnapshots.h"

class QLabel;
class QTimer;

namespace quillora {

class CardFurniture;
class PictureButton;

class PostcardWindow : public DocumentWindow, public ProgressPictureSource {
    Q_OBJECT
public:
    explicit PostcardWindow(AppContext &context, QWidget *parent = nullptr);

    // A new postcard from the writing side's template and its stamp picture, picture side up.
    // A template or stamp picture that cannot be read shows no card.
    bool startDocument(const QString &templatePath) override;

    PostcardSide side() const { return m_side; }
    // The side that is up; nothing while the card turns.
    QImage progressPicture() override;
    bool flipping() const { return m_flip.running(); }
    PictureButton *flipButton() const { return m_flipButton; }
    QTimer *flipTimer() const { return m_flipTimer; }
    // Turns the card over; nothing while it is turning.
    void flip();

private:
    void onPageShown();
    void showSide(PostcardSide side);
    void flipTick();
    QImage sidePicture(PostcardSide side) const;
    QString stampPicturePathHere() const;
    void placeFlipButton();

    PostcardSide m_side = PostcardSide::Picture;
    PostcardFlip m_flip;
    QImage m_pictureSide;
    QImage m_writingSide;
    QImage m_frame;
    QImage m_stamp;
    CardFurniture *m_furniture = nullptr;
    QLabel *m_stampBackground = nullptr;
    QLabel *m_animation = nullptr;
    QTimer *m_flipTimer = nullptr;
    PictureButton *m_flipButton = nullptr;
};

} // namespace quillora
