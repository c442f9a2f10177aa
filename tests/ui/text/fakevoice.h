#pragma once
// A voice that only listens: it keeps what it was told and speaks until it is stopped.

#include "platform/voice.h"

#include <QStringList>

namespace quillora {

class FakeVoice : public Voice {
public:
    explicit FakeVoice(bool available = true) : m_available(available) {}

    bool isAvailable() const override { return m_available; }
    QString whyNot() const override { return QStringLiteral("a test without a voice"); }
    void say(const QString &text) override
    {
        said.append(text);
        emit speakingChanged(m_speaking = true);
    }
    void stop() override { emit speakingChanged(m_speaking = false); }
    bool isSpeaking() const override { return m_speaking; }

    QStringList said;

private:
    bool m_available;
    bool m_speaking = false;
};

} // namespace quillora
