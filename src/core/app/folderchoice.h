#pragma once
// The teacher's choice of where work files are stored: the settings keep the word "MYDOCS" or
// a folder, the program works in the folder that stands for.

#include "core/app/appcontext.h"

#include <QString>

namespace quillora::folderchoice {

// Stores the choice: the settings value, the resolved working folder and the first folder of
// both the open/save and the picture import dialogs.
void choose(AppContext &context, bool useMyDocuments, const QString &folder);

} // namespace quillora::folderchoice
