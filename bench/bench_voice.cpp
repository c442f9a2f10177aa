// Reading aloud: from the press to the first sound a child hears, for a ten-word sentence, with
// the system's voice playing into a null sink of a PulseAudio started for the benchmark alone;
// the sink's monitor is recorded and the first sample above the noise floor counts.
#include "core/foundation/settings.h"
#include "platform/voice.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <benchmark/benchmark.h>

#include <cstdlib>

using namespace quillora;

namespace {

const QString kSentence = QStringLiteral("The cat sat on the mat and then it went home.");
constexpr int kLoudEnough = 300; // of 32767: well above a null sink's silence
constexpr int kGiveUpMs = 5000;
constexpr int kStartingMs = 2500;

// A private sound server with one null sink, gone with the object.
struct PrivateSound {
    QTemporaryDir folder;
    QProcess server;
    QProcess recorder;
    QString error;

    PrivateSound()
    {
        const QString pulseaudio = QStandardPaths::findExecutable(QStringLiteral("pulseaudio"));
        const QString parec = QStandardPaths::findExecutable(QStringLiteral("parec"));
        if (pulseaudio.isEmpty() || parec.isEmpty()) {
            error = QStringLiteral("pulseaudio and parec are not installed");
            return;
        }
        const QString socket = folder.filePath(QStringLiteral("native"));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), folder.path());
        env.insert(QStringLiteral("HOME"), folder.path());
        server.setProcessEnvironment(env);
        server.start(pulseaudio,
                     {QStringLiteral("-n"), QStringLiteral("--daemonize=no"),
                      QStringLiteral("--exit-idle-time=-1"), QStringLiteral("--disallow-exit"),
                      QStringLiteral("-L"),
                      QStringLiteral("module-native-protocol-unix socket=") + socket,
                      QStringLiteral("-L"), QStringLiteral("module-null-sink sink_name=bench")});
        for (int wait = 0; wait < 50 && !QFile::exists(socket); ++wait)
            QThread::msleep(100);
        if (!QFile::exists(socket)) {
            error = QStringLiteral("pulseaudio did not start");
            return;
        }
        // The voice plays here from now on.
        qputenv("PULSE_SERVER", ("unix:" + socket).toUtf8());
        env.insert(QStringLiteral("PULSE_SERVER"), QStringLiteral("unix:") + socket);
        recorder.setProcessEnvironment(env);
        recorder.start(parec, {QStringLiteral("-d"), QStringLiteral("bench.monitor"),
                               QStringLiteral("--raw"), QStringLiteral("--format=s16le"),
                               QStringLiteral("--rate=22050"), QStringLiteral("--channels=1"),
                               QStringLiteral("--latency-msec=5"),
                               QStringLiteral("--process-time-msec=5")});
        if (!recorder.waitForStarted())
            error = QStringLiteral("parec did not start");
    }
    ~PrivateSound()
    {
        for (QProcess *process : {&recorder, &server}) {
            process->terminate();
            if (!process->waitForFinished(2000))
                process->kill();
        }
    }

    bool heardSomething()
    {
        recorder.waitForReadyRead(1);
        const QByteArray bytes = recorder.readAll();
        const auto *samples = reinterpret_cast<const qint16 *>(bytes.constData());
        for (qsizetype i = 0; i < bytes.size() / 2; ++i)
            if (std::abs(int(samples[i])) > kLoudEnough)
                return true;
        return false;
    }
};

void BM_PressToFirstSound(benchmark::State &state)
{
    PrivateSound sound;
    if (!sound.error.isEmpty()) {
        state.SkipWithError(qPrintable(sound.error));
        return;
    }
    SystemVoice voice(VoiceChoice{{}, {}, kDefaultVoiceRate, QLocale(QLocale::English)});
    if (!voice.isAvailable()) {
        state.SkipWithError(qPrintable(voice.whyNot()));
        return;
    }
    // A child presses once the program has started and shown its window, which gives the voice
    // a moment to open its audio.
    QElapsedTimer starting;
    starting.start();
    while (starting.elapsed() < kStartingMs) {
        QCoreApplication::processEvents();
        sound.heardSomething();
    }
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        voice.say(kSentence);
        bool heard = false;
        while (!heard && clock.elapsed() < kGiveUpMs) {
            QCoreApplication::processEvents();
            heard = sound.heardSomething();
        }
        const double seconds = clock.nsecsElapsed() / 1e9;
        if (!heard) {
            state.SkipWithError("no sound reached the sink");
            return;
        }
        state.SetIterationTime(seconds);
        voice.stop();
        // Let the end of this reading drain, so the next one starts in silence.
        QElapsedTimer quiet;
        quiet.start();
        while (quiet.elapsed() < 300) {
            QCoreApplication::processEvents();
            sound.heardSomething();
        }
    }
}
BENCHMARK(BM_PressToFirstSound)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace
