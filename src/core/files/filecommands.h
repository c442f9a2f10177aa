#pragma once
// The decisions behind the Save, Open and PNG commands that need no window: which dialog a
// document type uses, how a typed name becomes a path, what a file name may hold, and the
// staging folder that belongs to this run alone.

#include <QString>
#include <QStringList>

namespace quillora {

inline constexpr QStringView kWorkFileExtension = u".qlr";

// `name` with ".qlr" appended unless its last four characters are exactly ".qlr".
QString withWorkFileExtension(const QString &name);

// The working folder, tidied, joined with the name and given the work file extension.
QString workFilePathFor(const QString &folder, const QString &name);

// The name the standard save dialog proposes: the file name of the current path up to its last
// ".", or the whole file name when it has none; "" without a current path.
QString proposedSaveName(const QString &currentFilePath);

struct CleanedName {
    QString text;
    int caret = 0;
};

// Keeps only "0"-"9", "A"-"Z", "a"-"z", the space and the characters with codes 192 to 255.
// The caret stays after the same character it followed.
CleanedName cleanFileName(const QString &text, int caret);

// The work files of a folder (names ending exactly in ".qlr"), by name without regard to case.
QStringList workFilesIn(const QString &folder);

// Makes the staging folder of this run below the temporary folder with the system's
// unique-folder call, so two copies of the program never share members, even when they drew the
// same run tag (the tag still names it, for whoever looks into the temporary folder). "" when
// no folder can be made there.
QString makeStagingFolder(const QString &temporaryFolder, const QString &runTag);
// Where previews of work files are opened, apart from the document's own members.
QString previewFolderIn(const QString &stagingFolder);

// Deletes this run's staging folder with everything in it. Called at exit.
void removeStagingFolder(const QString &stagingFolder);

} // namespace quillora
