#pragma once
// Progress snapshots: small pictures of the page taken now and then while a child works, so a
// teacher (or the child) can watch the work grow. They travel with the work as the members
// "step1.png", "step2.png", ... and keep their running numbers across saves and opens.

#include "core/files/wholefile.h"

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>
#include <QVector>

#include <optional>

namespace quillora {

struct ProgressStep {
    int number = 0; // the running number of its member "step<number>.png"
    QByteArray png; // the picture as stored: encoded once, when it is taken
};

class ProgressSteps {
public:
    // A work keeps at most this many; older ones are thinned evenly to make room.
    static constexpr int kMaxSteps = 200;
    // Half of the widest screen's page area is far smaller; anything bigger is not ours.
    static constexpr QSize kMaxPictureSize{4096, 4096};
    static constexpr qint64 kMaxMemberBytes = 16LL * 1024 * 1024;

    // Whether a step is due: the page has changed since the last step was taken.
    bool isDue(qint32 changeCount) const { return changeCount != m_changeCountAtLastStep; }
    // Keeps `picture` as the next step, taken at `changeCount`. A picture that looks exactly
    // like the last step is not kept twice. False when nothing was added.
    bool add(const QImage &picture, qint32 changeCount);

    const QVector<ProgressStep> &steps() const { return m_steps; }
    bool isEmpty() const { return m_steps.isEmpty(); }
    int nextNumber() const { return m_nextNumber; }
    // Step `index` decoded; a null image when its stored picture cannot be read.
    QImage picture(int index) const;
    QVector<QImage> pictures() const;

    // Writes every step into `folder` under its member name: Scratch for staging, Kept for
    // pictures handed to a teacher.
    [[nodiscard]] bool write(const QString &folder, Durability durability, QString *error) const;
    // Takes the "step<n>.png" files of `folder` in place of the steps held. Members that are
    // too large, not PNG pictures or of too many pixels are passed over (then false); more
    // than kMaxSteps are thinned. The numbering continues after the highest number read.
    bool read(const QString &folder);

private:
    void thinToCap();

    QVector<ProgressStep> m_steps; // by number, oldest first
    int m_nextNumber = 1;
    qint32 m_changeCountAtLastStep = 0;
};

// "step" + number + ".png".
QString stepMember(int number);
// The number of a step member's name; nothing for any other name.
std::optional<int> stepNumberOf(const QString &memberName);

} // namespace quillora
