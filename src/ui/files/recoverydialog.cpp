#include "ui/files/recoverydialog.h"

#include "core/layout/documenttypes.h"
#include "ui/files/autosavecontroller.h"
#include "ui/kit/looks.h"
#include "ui/kit/picturebutton.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

namespace quillora {

namespace {
// A whole sentence: smaller than the one-word questions, still a child's size.
constexpr int kSentencePixels = 32;
constexpr int kBinButtonSize = 72;
} // namespace

RecoveryDialog::RecoveryDialog(AppContext &context, const RecoveredWork &work, QWidget *parent)
    : OwnDialog(context, QStringLiteral("recoveryForm"),
                QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Your work")),
                recoveredWhen(work.savedAt, context.env.clock(), context.translator), parent)
{
    addCloseButton(QStringLiteral("unloadFormBut"));
    // The sentence holds the time, so it is translated here and never looked up again.
    messageLabel()->setObjectName(QStringLiteral("msgLabelFIXLANG"));
    messageLabel()->setFont(looks::childFont(kSentencePixels, true));

    auto *kind = new QLabel(kindInfo(work.kind).caption, this);
    kind->setObjectName(QStringLiteral("kindLabel"));
    kind->setFont(looks::childFont(kSentencePixels));
    kind->setAlignment(Qt::AlignCenter);
    bodyLayout()->addWidget(kind);

    auto *picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("recoveredPrev"));
    picture->setAlignment(Qt::AlignCenter);
    picture->setAccessibleName(
        QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Picture of your work")));
    if (!work.preview.isNull())
        picture->setPixmap(QPixmap::fromImage(work.preview));
    picture->setVisible(!work.preview.isNull());
    bodyLayout()->addWidget(picture);

    // Throwing work away is kept apart from the two big answers, under its own bin.
    m_throwAway = new PictureButton(
        QStringLiteral("throwAwayBut"), QIcon(QStringLiteral(":/art/dialog/bin.svg")),
        QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Throw away")), this);
    m_throwAway->setFixedSize(kBinButtonSize, kBinButtonSize);
    connect(m_throwAway, &QAbstractButton::clicked, this, [this] {
        m_choice = Choice::ThrowAway;
        closeWithAnswer(DialogAnswer::No, Rejected);
    });
    auto *throwAwayCaption =
        new QLabel(QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Throw away")), this);
    throwAwayCaption->setObjectName(QStringLiteral("throwAwayCaption"));
    throwAwayCaption->setFont(looks::childFont(looks::kControlPixels, true));
    auto *bin = new QHBoxLayout;
    bin->addStretch();
    bin->addWidget(m_throwAway);
    bin->addWidget(throwAwayCaption);
    bin->addStretch();
    bodyLayout()->addLayout(bin);

    okButton()->setCaption(QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Open it")));
    cancelButton()->setCaption(QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Not now")));
    showButtonCaptions(QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Open it")),
                       QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Not now")));
}

void RecoveryDialog::okPressed()
{
    m_choice = Choice::Open;
    OwnDialog::okPressed();
}

void RecoveryDialog::cancelPressed()
{
    m_choice = Choice::NotNow;
    OwnDialog::cancelPressed();
}

void RecoveryDialog::closePressed()
{
    m_choice = Choice::NotNow;
    OwnDialog::closePressed();
}

std::optional<QString> RecoveryDialog::offer(AppContext &context, AutosaveController &autosave)
{
    while (!autosave.recoveredWorks().isEmpty()) {
        const RecoveredWork work = autosave.recoveredWorks().front();
        RecoveryDialog form(context, work);
        form.exec();
        switch (form.choice()) {
        case Choice::Open:
            return autosave.adopt(work);
        case Choice::ThrowAway:
            autosave.throwAway(work);
            break;
        case Choice::NotNow:
            return std::nullopt;
        }
    }
    return std::nullopt;
}

} // namespace quillora
