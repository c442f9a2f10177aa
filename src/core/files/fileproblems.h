#pragma once
// What the child and the teacher are told when a work file cannot be saved or opened: one
// plain sentence of what happened and what to do, in English (the window translates it). The
// technical detail (paths, library codes, the system's words) goes to the log only.

#include <QLoggingCategory>
#include <QString>

namespace quillora {

Q_DECLARE_LOGGING_CATEGORY(lcFiles)

enum class FileTrouble {
    None,
    Missing,      // no file at the path
    Damaged,      // not a readable work file, or cut short
    TooBig,       // beyond the limits an opened file may reach
    NewerProgram, // announces a document type this program does not know
    NotReady,     // a document type whose window is not built yet
    NoRoom,       // the disk (or the temporary folder's disk) is full
    NotAllowed,   // the folder or file may not be written or read
    Other,
};

// How a save or an open went, beyond success: why it failed, and whether an open that
// succeeded passed over members it could not use.
struct FileOutcome {
    FileTrouble trouble = FileTrouble::None;
    bool partsSkipped = false;
};

QString saveTroubleSentence(FileTrouble trouble);
QString openTroubleSentence(FileTrouble trouble);

// Told once after an open that passed over members it could not use (unsafe names, pictures
// too large, rich text nested too deep).
inline const QString kPartsSkippedMessage = QStringLiteral(QT_TRANSLATE_NOOP(
    "Quillora", "Some parts of this file could not be used, so they were left out."));

// Why writing `bytesNeeded` bytes into the folder of `path` failed, judged after the fact: a
// folder that cannot be written to, a disk with less room than the save needs, or neither.
FileTrouble writeTrouble(const QString &path, qint64 bytesNeeded);

} // namespace quillora
