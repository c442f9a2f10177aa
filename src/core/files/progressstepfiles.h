#pragma once
// Progress snapshots as the members "step1.png", "step2.png", ... of a work file.

#include "core/files/wholefile.h"
#include "core/layout/progresssteps.h"

#include <QString>

#include <optional>

namespace quillora {

// A member larger than this is not one of ours.
constexpr qint64 kMaxStepMemberBytes = 16LL * 1024 * 1024;

// Writes every step into `folder` under its member name: Scratch for staging, Kept for
// pictures handed to a teacher.
[[nodiscard]] bool writeProgressSteps(const ProgressSteps &steps, const QString &folder,
                                      Durability durability, QString *error);
// Takes the "step<n>.png" files of `folder` in place of the steps held. Members that are too
// large, not PNG pictures or of too many pixels are passed over (then false); more than
// ProgressSteps::kMaxSteps are thinned. The numbering continues after the highest number read.
bool readProgressSteps(ProgressSteps &steps, const QString &folder);

// "step" + number + ".png".
QString stepMember(int number);
// The number of a step member's name; nothing for any other name.
std::optional<int> stepNumberOf(const QString &memberName);

} // namespace quillora
