#pragma once
// The decisions of the exit sequence and its last step; the exit and save-offer dialogs
// themselves belong to the interface.

#include "core/app/dialoganswer.h"
#include "core/app/programservices.h"
#include "core/layout/pagemodel.h"

#include <QString>

namespace quillora {

// Whether leaving (or starting another document) should offer to save: not switched off in
// the settings, and changes made since the last save.
bool shouldOfferToSave(const Settings &settings, const PageModel &page);

enum class SaveOfferAction {
    Save,          // OK: save the work, then end. Should the save not succeed (an error or
                   // its file dialog cancelled), stay in the program: ending would lose it.
    DontSave,      // Cancel: end without saving
    StayInProgram, // closed by its close button, or no answer at all
};

// What the exit sequence does with the save offer's answer.
SaveOfferAction saveOfferAction(DialogAnswer answer);

// Deletes the files of the temporary folder whose names start with "upic" + run tag; other
// files and sub-folders stay. Nothing is deleted without a folder and a tag. Errors are
// ignored; returns how many files went.
int deleteRunFiles(const QString &temporaryFolder, const QString &runTag);

struct ExitResult {
    bool settingsWritten = false;
    QString settingsError; // why the settings file could not be written
    int runFilesDeleted = 0;
};

// The last step before the program ends: writes the settings file and deletes this run's
// files from the temporary folder. The program ends whatever the result.
ExitResult finishExit(const ProgramServices &ctx);

} // namespace quillora
