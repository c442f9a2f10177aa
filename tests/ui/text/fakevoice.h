#pragma once
// A voice that speaks nothing: it remembers what it was asked to say, says it is speaking until
// the test lets it finish, and reports the words a test names.

#include "platform/voice.h"

#include <QStringList>

namespace quillora {

class FakeVoice : public Voice {
public:
    explicit FakeVoice(bool available = true) : m_available(available) {}

    bool isAvailable() const override { return m_available; }
    QString whyNot() const override { return m_available ? QString() : QStringLiteral("test"); }
    void say(const QString &text) override
    {
        said.append(text);
        setSpeaking(true);
    }
    void stop() override
    {
        ++stops;
        setSpeaking(false);
    }
    bool isSpeaking() const override { return m_speaking; }

    void finish() { setSpeaking(false); }
    void reach(qsizetype start, qsizetype length) { emit wordReached(start, length); }

    QStringList said;
    int stops = 0;

private:
    void setSpeaking(bool speaking)
    {
        if (m_speaking == speaking)
            return;
        m_speaking = speaking;
        emit speakingChanged(speaking);
    }

    bool m_available;
    bool m_speaking = false;
};

} // namespace quillora
