#pragma once
// Progress snapshots: small pictures of the page taken now and then while a child works, so a
// teacher (or the child) can watch the work grow. They keep their running numbers across saves
// and opens; core/files/progressstepfiles stores them as the members "step1.png", "step2.png", ...

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QVector>

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

    // Takes `steps`, as read back from a work file, in place of the steps held: they are put in
    // order of number, thinned to kMaxSteps, and the numbering continues after the highest.
    void replaceWith(QVector<ProgressStep> steps);

private:
    void thinToCap();

    QVector<ProgressStep> m_steps; // by number, oldest first
    int m_nextNumber = 1;
    qint32 m_changeCountAtLastStep = 0;
};

} // namespace quillora
