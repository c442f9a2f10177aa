#pragma once
// The teacher's choice of where work files are stored: the settings keep the word "MYDOCS" or
// a folder, the program works in the folder that stands for.

#include "core/app/programservices.h"

#include <QString>

namespace quillora::folderchoice {

// Stores the choice: the settings value, the resolved working folder and the first folder of
// both the open/save and the picture import dialogs.
void choose(ProgramServices &context, bool useMyDocuments, const QString &folder);

// The folder as a child or teacher reads it: "My Documents" (translated) for the documents
// folder, else the folder's own name; the whole path belongs in a tool tip.
QString friendlyName(const ProgramServices &context, const QString &folder);

// The working folder setting as the options dialog shows it: "My Documents" for "MYDOCS".
QString shownSetting(const ProgramServices &context);

} // namespace quillora::folderchoice
