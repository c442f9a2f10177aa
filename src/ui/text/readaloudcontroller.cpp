#include "ui/text/readaloudcontroller.h"

#include "core/app/appcontext.h"
#include "platform/voice.h"
#include "ui/document/documenttoolbar.h"
#include "ui/document/documentwindow.h"
#include "ui/document/pageview.h"
#include "ui/kit/picturebutton.h"
#include "ui/document/richtextboxwidget.h"
#include "ui/document/textboxwidget.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QTextEdit>

namespace quillora {

Q_LOGGING_CATEGORY(lcReadAloud, "quillora.text.readaloud")

namespace {

const QColor kWordMark(0xFF, 0xD2, 0x3F); // the toolbar's sunshine yellow

} // namespace

ReadAloudController::ReadAloudController(AppContext &context, DocumentWindow &window, Voice *voice)
    : QObject(&window), m_context(context), m_window(window), m_voice(voice)
{
    connect(&window, &DocumentWindow::readAloudRequested, this, &ReadAloudController::readOrStop);
    connect(window.toolbar(), &DocumentToolbar::retranslated, this,
            &ReadAloudController::showButton);
    if (m_voice) {
        connect(m_voice, &Voice::speakingChanged, this, &ReadAloudController::speakingChanged);
        connect(m_voice, &Voice::wordReached, this, &ReadAloudController::markWords);
    }
    if (!hasVoice()) {
        qCInfo(lcReadAloud) << "The read aloud button is disabled:"
                            << (m_voice ? m_voice->whyNot() : QStringLiteral("no voice was given"));
    }
    // Keys reach the window's texts from the real keyboard and the on-screen one alike, each as
    // a key press to the focus widget; the application sees them all before any widget does.
    qApp->installEventFilter(this);
    showButton();
}

bool ReadAloudController::hasVoice() const
{
    return m_voice && m_voice->isAvailable();
}

void ReadAloudController::showButton()
{
    PictureButton *button = m_window.toolbar()->button(ToolbarAction::ReadAloud);
    button->setEnabled(hasVoice());
    if (!hasVoice()) {
        button->setCaption(
            m_context.tr(QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "No voice is installed"))));
        return;
    }
    //: The read aloud button while it reads: pressing it stops the voice
    button->setCaption(
        m_reading ? m_context.tr(QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Stop")))
                  : m_context.tr(QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Read it to me"))));
    button->setPicture(QIcon(m_reading ? QStringLiteral(":/art/toolbar/stopreading.svg")
                                       : QStringLiteral(":/art/toolbar/readaloud.svg")));
}

void ReadAloudController::readOrStop()
{
    if (!hasVoice())
        return;
    if (m_reading) {
        m_voice->stop();
        endReading();
        return;
    }
    m_passage =
        passageToRead(m_context.page, m_window.editedFloatingText(),
                      voiceLanguage(m_context.language, m_context.translator).textDirection());
    if (m_passage.text.isEmpty())
        return;
    m_reading = true;
    showButton();
    m_voice->say(m_passage.text);
}

void ReadAloudController::speakingChanged(bool speaking)
{
    if (m_reading && !speaking)
        endReading();
}

void ReadAloudController::endReading()
{
    m_reading = false;
    clearMark();
    showButton();
}

void ReadAloudController::markWords(qsizetype start, qsizetype length)
{
    if (!m_reading)
        return;
    const auto words = wordsAt(m_passage, start, length);
    QTextEdit *box = words ? boxShowing(m_passage.pieces[words->piece]) : nullptr;
    if (box != m_marked)
        clearMark();
    if (!box)
        return;
    // An extra selection marks the words without moving the caret, so typing goes on untouched.
    QTextEdit::ExtraSelection mark;
    mark.cursor = QTextCursor(box->document());
    mark.cursor.setPosition(int(words->start));
    mark.cursor.setPosition(int(words->start + words->length), QTextCursor::KeepAnchor);
    mark.format.setBackground(kWordMark);
    box->setExtraSelections({mark});
    m_marked = box;
}

void ReadAloudController::clearMark()
{
    if (m_marked)
        m_marked->setExtraSelections({});
    m_marked = nullptr;
}

QTextEdit *ReadAloudController::boxShowing(const ReadingPiece &piece) const
{
    const CurrentObject &source = piece.source;
    if (source.kind == ObjectKind::Text)
        return m_window.pageView()->textBox(source.index);
    if (source.kind == ObjectKind::RichText)
        return m_window.pageView()->richTextBox(source.index);
    if (source.kind == ObjectKind::Bubble) {
        if (auto *bubble =
                m_window.findChild<QWidget *>(QStringLiteral("bubble%1").arg(source.index)))
            return bubble->findChild<QTextEdit *>();
    }
    return nullptr; // one-line texts (banner words, anywhere texts) show no marks
}

bool ReadAloudController::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && m_context.settings.speakLetters && hasVoice()) {
        auto *target = qobject_cast<QWidget *>(watched);
        if (target && target->window() == &m_window &&
            (qobject_cast<QTextEdit *>(target) || qobject_cast<QLineEdit *>(target)))
            speakKey(target, static_cast<const QKeyEvent &>(*event));
    }
    return QObject::eventFilter(watched, event);
}

void ReadAloudController::speakKey(QWidget *target, const QKeyEvent &key)
{
    const bool enter = key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
    const QString typed = key.text();
    if (!enter && typed.size() != 1)
        return;
    QString words;
    if (enter || typed == QStringLiteral(".")) {
        // The key has not reached the box yet: the sentence is the words before the caret.
        if (auto *edit = qobject_cast<QTextEdit *>(target))
            words = sentenceBefore(edit->toPlainText(), edit->textCursor().position());
        else if (auto *line = qobject_cast<QLineEdit *>(target))
            words = sentenceBefore(line->text(), line->cursorPosition());
    } else {
        words = letterToSay(typed.front());
    }
    if (words.isEmpty())
        return;
    // A key said over a reading ends the reading: the child is writing again.
    if (m_reading)
        endReading();
    m_voice->say(words);
}

} // namespace quillora
