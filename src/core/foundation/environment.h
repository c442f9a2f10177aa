#pragma once
// What the program takes from the machine it runs on: screen, clock, randomness and folders.
// Everything here is injected, so tests run every algorithm deterministically.

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <chrono>
#include <functional>
#include <optional>
#include <random>

namespace quillora {

struct ScreenMetrics {
    int widthPx = 1920;
    int heightPx = 1080;
    int twipsPerPixelX = 15;
    int twipsPerPixelY = 15;
};

// A seedable uniform source: the run tag and the random paint tools draw from it.
class RandomSource {
public:
    explicit RandomSource(quint32 seed = 1) : m_engine(seed) {}
    void seed(quint32 seed) { m_engine.seed(seed); }
    // Uniform in [0, 1).
    double nextUnit() { return std::uniform_real_distribution<double>(0.0, 1.0)(m_engine); }
    // Uniform integer in [0, bound).
    int bounded(int bound) { return bound <= 0 ? 0 : static_cast<int>(nextUnit() * bound); }

private:
    std::mt19937 m_engine;
};

struct Folders {
    QString installation;   // the executable's folder
    QString documents;      // the user's documents folder, "" when the platform gives none
    QString systemTemp;     // the platform's temporary folder
    QString userConfig;     // where settings go when the installation folder is read-only
    QString systemConfig;   // the school's shared settings, read before the user's
    QString userState;      // what the program keeps between runs that is not a setting
    QString userData;       // the user's own data: the recovery files of unsaved work
    QString qtTranslations; // Qt's own catalogues, for the words of the standard dialogs
};

struct Environment {
    ScreenMetrics screen;
    Folders folders;
    // The computer's languages, best first ("fr-FR", "fr"); empty in tests means English.
    QStringList languages;
    std::function<QDateTime()> clock = [] { return QDateTime::currentDateTime(); };
    // How much activity autosave lets pass before it writes unsaved work again.
    std::chrono::milliseconds autosaveInterval = std::chrono::seconds(20);
    // Replaces the minutes between progress pictures that the settings ask for; a setting of 0
    // still means none.
    std::optional<std::chrono::milliseconds> progressSnapshotInterval;
};

} // namespace quillora
