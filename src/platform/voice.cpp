#include "platform/voice.h"

#include <QAudioDevice>
#include <QLoggingCategory>
#include <QMediaDevices>
#include <QTextToSpeech>
#include <QTimer>
#include <QVoice>

#include <algorithm>

namespace quillora {

Q_LOGGING_CATEGORY(lcVoice, "quillora.platform.voice")

namespace {

// An engine that has not said its warm-up pause by then gets the child's texts all the same.
constexpr int kWarmUpLimitMs = 3000;
// An engine's audio stream holds about two seconds: a longer phrase, made faster than it plays,
// overflows it and the engine gives up. Four words said slowly fit.
constexpr int kPhraseWords = 4;

// The engine a school asked for first, then the offline ones in the order a package installs them.
QStringList enginesToTry(const QString &chosen)
{
    QStringList installed = QTextToSpeech::availableEngines();
    QStringList order;
    if (!chosen.isEmpty() && installed.contains(chosen))
        order.append(chosen);
    for (const QString &preferred : {QStringLiteral("flite"), QStringLiteral("speechd")}) {
        if (installed.contains(preferred) && !order.contains(preferred))
            order.append(preferred);
    }
    for (const QString &other : installed) {
        if (!order.contains(other))
            order.append(other);
    }
    return order;
}

} // namespace

SystemVoice::SystemVoice(const VoiceChoice &choice, QObject *parent) : Voice(parent)
{
    const QStringList engines = enginesToTry(choice.engine);
    if (engines.isEmpty())
        m_whyNot = QStringLiteral("no speech engine is installed");
    else if (QMediaDevices::audioOutputs().isEmpty())
        m_whyNot = QStringLiteral("there is no audio output");
    for (const QString &name : m_whyNot.isEmpty() ? engines : QStringList()) {
        if (start(name, choice))
            break;
    }
    if (!m_engine)
        qCWarning(lcVoice) << "Reading aloud is off:" << m_whyNot;
}

SystemVoice::~SystemVoice()
{
    if (m_engine)
        m_engine->stop();
}

bool SystemVoice::start(const QString &engineName, const VoiceChoice &choice)
{
    auto engine = std::make_unique<QTextToSpeech>(engineName, this);
    if (engine->state() == QTextToSpeech::Error) {
        m_whyNot = QStringLiteral("the engine %1 does not start: %2")
                       .arg(engineName, engine->errorString());
        return false;
    }
    const QList<QLocale> locales = engine->availableLocales();
    const auto speaks = [&choice](const QLocale &locale) {
        return locale.language() == choice.language.language();
    };
    const auto locale = std::find_if(locales.begin(), locales.end(), speaks);
    if (locale == locales.end()) {
        m_whyNot = QStringLiteral("the engine %1 has no voice for %2")
                       .arg(engineName, QLocale::languageToString(choice.language.language()));
        return false;
    }
    // The machine's own variant of the language where the engine has it.
    engine->setLocale(std::find(locales.begin(), locales.end(), choice.language) != locales.end()
                          ? choice.language
                          : *locale);
    const QList<QVoice> voices = engine->availableVoices();
    if (voices.isEmpty()) {
        m_whyNot = QStringLiteral("the engine %1 has no voice installed").arg(engineName);
        return false;
    }
    const auto named = std::find_if(voices.begin(), voices.end(), [&choice](const QVoice &voice) {
        return voice.name().compare(choice.voiceName, Qt::CaseInsensitive) == 0;
    });
    engine->setVoice(named != voices.end() ? *named : voices.first());
    engine->setRate(std::clamp(choice.ratePercent, -100, 100) / 100.0);
    connect(engine.get(), &QTextToSpeech::stateChanged, this, &SystemVoice::engineStateChanged);
    connect(engine.get(), &QTextToSpeech::errorOccurred, this,
            [this](QTextToSpeech::ErrorReason, const QString &message) {
                qCWarning(lcVoice) << "The voice stopped:" << message;
                m_warmingUp = false;
                setSpeaking(false);
            });
    qCInfo(lcVoice) << "Reading aloud with" << engineName << engine->voice().name();
    m_engine = engine.release();
    m_whyNot.clear();
    warmUp();
    return true;
}

void SystemVoice::warmUp()
{
    // The first text an engine says opens its audio stream, which can take a second or two: a
    // pause, said while the program starts, leaves the stream open for the child's first press.
    // A text given meanwhile waits for it, as the end of a text stopped half way would be taken
    // for the end of the new one.
    m_warmingUp = true;
    m_engine->say(QStringLiteral(","));
    QTimer::singleShot(kWarmUpLimitMs, this, &SystemVoice::endWarmUp);
}

void SystemVoice::endWarmUp()
{
    if (!m_warmingUp)
        return;
    m_warmingUp = false;
    m_phraseStarted = false;
    if (m_speaking)
        sayNextPhrase();
}

void SystemVoice::say(const QString &text)
{
    if (!m_engine || text.trimmed().isEmpty())
        return;
    m_text = text;
    m_phrases = phrasesOf(text, kPhraseWords, kPhraseWords);
    m_nextPhrase = 0;
    if (m_warmingUp)
        setSpeaking(true);
    else
        sayNextPhrase();
}

void SystemVoice::sayNextPhrase()
{
    if (m_nextPhrase >= m_phrases.size()) {
        setSpeaking(false);
        return;
    }
    const Phrase phrase = m_phrases[m_nextPhrase++];
    m_phraseStarted = false;
    setSpeaking(true);
    emit wordReached(phrase.start, phrase.length);
    // Some engines go on from one text to the next without a word of it: end the old one first.
    if (m_engine->state() == QTextToSpeech::Speaking)
        m_engine->stop();
    m_engine->say(m_text.mid(phrase.start, phrase.length));
}

void SystemVoice::engineStateChanged(int state)
{
    // The end of a phrase brings the next; the end of one the engine was told to leave does not.
    if (state == QTextToSpeech::Speaking) {
        m_phraseStarted = true;
        return;
    }
    if (!m_phraseStarted)
        return;
    if (m_warmingUp) {
        endWarmUp();
        return;
    }
    m_phraseStarted = false;
    if (m_speaking)
        sayNextPhrase();
}

void SystemVoice::stop()
{
    m_phrases.clear();
    m_phraseStarted = false;
    if (m_engine)
        m_engine->stop();
    setSpeaking(false);
}

void SystemVoice::setSpeaking(bool speaking)
{
    if (m_speaking == speaking)
        return;
    m_speaking = speaking;
    emit speakingChanged(speaking);
}

} // namespace quillora
