#pragma once
// Folder paths: the one normalising rule every joined path goes through, and the fixed places
// the program looks for its files relative to the installation folder.

#include <QString>

namespace quillora::paths {

inline constexpr QChar kSeparator = u'/';

// Keeps the first and the last character; in between, drops every separator that is directly
// followed by another. A run of separators inside a path becomes one, while the two leading
// separators of a network path stay. Paths shorter than two characters come back unchanged.
QString normalise(const QString &path);

// first + "/" + second, normalised.
QString join(const QString &first, const QString &second);

// The folder holding `folder`: one trailing separator removed, then cut before the last
// separator. "" when the path has no separator left.
QString parentFolder(const QString &folder);

// "language/lang.txt" under the parent of the installation folder.
QString languageFile(const QString &installationFolder);

// installation + "/data": the data folder a new settings file starts from.
QString defaultDataFolder(const QString &installationFolder);

// The data of an installed program: "share/quillora" beside the "bin" folder holding the
// executable, so that a package installed under any prefix finds its layouts.
QString sharedDataFolder(const QString &installationFolder);

// The language file of an installed program, in its shared data folder.
QString sharedLanguageFile(const QString &installationFolder);

} // namespace quillora::paths
