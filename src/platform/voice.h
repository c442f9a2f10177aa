#pragma once
// A voice that reads words aloud, behind a small interface: the "Read it to me" button and the
// letter voice speak through it, and tests hand in a voice that only remembers what it was told.

#include "core/text/readaloud.h"

#include <QLocale>
#include <QObject>
#include <QString>

#include <memory>

class QTextToSpeech;

namespace quillora {

class Voice : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // False when there is no engine, no audio or no voice for the language; `whyNot` says which.
    virtual bool isAvailable() const = 0;
    virtual QString whyNot() const = 0;
    // Starts reading `text`, ending whatever was being read. Returns at once.
    virtual void say(const QString &text) = 0;
    virtual void stop() = 0;
    virtual bool isSpeaking() const = 0;

signals:
    // False only once the whole text is said or stopped; a new text said over an old one
    // carries on speaking.
    void speakingChanged(bool speaking);
    // The engine reached the word at `start` (characters into the text last said), where the
    // engine reports its place.
    void wordReached(qsizetype start, qsizetype length);
};

// Which engine and voice a school chose, how fast, and the language to speak.
struct VoiceChoice {
    QString engine;      // empty: the first installed engine that works
    QString voiceName;   // empty: the first voice for the language
    int ratePercent = 0; // -100 (slowest) .. 100
    QLocale language;
};

// The system's speech engines through Qt TextToSpeech. A missing plugin, an engine that fails
// to start or one without a voice for the language leaves the voice unavailable, never stuck.
// Engines make a whole text before the first sound, so a text is said phrase by phrase: the
// first few words sound at once, and each phrase is reported as the place the voice reached.
class SystemVoice : public Voice {
    Q_OBJECT
public:
    explicit SystemVoice(const VoiceChoice &choice, QObject *parent = nullptr);
    ~SystemVoice() override;

    bool isAvailable() const override { return m_engine != nullptr; }
    QString whyNot() const override { return m_whyNot; }
    void say(const QString &text) override;
    void stop() override;
    bool isSpeaking() const override { return m_speaking; }

private:
    bool start(const QString &engineName, const VoiceChoice &choice);
    void warmUp();
    void endWarmUp();
    void engineStateChanged(int state);
    void sayNextPhrase();
    void setSpeaking(bool speaking);

    QTextToSpeech *m_engine = nullptr;
    QString m_whyNot;
    bool m_speaking = false;
    QString m_text;
    QVector<Phrase> m_phrases;
    int m_nextPhrase = 0;
    bool m_phraseStarted = false; // the engine began the phrase it was given last
    bool m_warmingUp = false;     // the engine says a pause that opens its audio
};

} // namespace quillora
