#pragma once
// The "Read it to me" button and the letter voice of a document window. The button reads the
// text being worked on, or the page's words in reading order, and shows "Stop" while it speaks;
// the words the voice has reached are marked in their box. With the letter voice on, each key
// typed into the window says its letter, and Return or a full stop reads the sentence it ends.
// Without a voice the button stays disabled and says why; everything else carries on.

#include "core/text/readaloud.h"

#include <QObject>
#include <QPointer>

class QKeyEvent;
class QTextEdit;

namespace quillora {

class AppContext;
class DocumentWindow;
class PictureButton;
class Voice;

class ReadAloudController : public QObject {
    Q_OBJECT
public:
    // `voice` may be null: there is none on this machine.
    ReadAloudController(AppContext &context, DocumentWindow &window, Voice *voice);

    bool isReading() const { return m_reading; }
    // The passage last read, as the voice got it.
    const ReadingPassage &passage() const { return m_passage; }

    // The button: reads, or stops what is being read.
    void readOrStop();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool hasVoice() const;
    void showButton();
    void speakingChanged(bool speaking);
    void endReading();
    void markWords(qsizetype start, qsizetype length);
    void clearMark();
    QTextEdit *boxShowing(const ReadingPiece &piece) const;
    void speakKey(QWidget *target, const QKeyEvent &key);

    AppContext &m_context;
    DocumentWindow &m_window;
    QPointer<Voice> m_voice;
    ReadingPassage m_passage;
    bool m_reading = false;
    QPointer<QTextEdit> m_marked;
};

} // namespace quillora
