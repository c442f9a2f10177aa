#pragma once
// The members of a work file one by one: text members, the one-line file information and
// putting a stored picture back into its box.

#include "core/layout/pagemodel.h"

#include <QImage>
#include <QString>
#include <optional>

namespace quillora {

struct ProgramVersion {
    int major = QUILLORA_VERSION_MAJOR;
    int minor = QUILLORA_VERSION_MINOR;
    int revision = QUILLORA_VERSION_PATCH;
};

// Text members hold the text and one CR LF, line breaks as CR LF (LF alone is read too), in
// Windows-1252 when every character fits, else in UTF-8 with a byte order mark, so no
// character a child typed is lost.
QByteArray encodeTextMember(const QString &text);
QString decodeTextMember(const QByteArray &bytes);
[[nodiscard]] bool writeTextFile(const QString &text, const QString &path,
                                 QString *error = nullptr);
// A missing member reads as empty text.
QString readTextFile(const QString &path);

// The single line of "fileinfo.xml", CR LF included.
QByteArray fileInfoLine(int documentType, const ProgramVersion &version = {});
[[nodiscard]] bool writeFileInfo(const QString &path, int documentType,
                                 const ProgramVersion &version = {}, QString *error = nullptr);
// The document type code the file announces, or nothing when it announces none.
std::optional<int> readFileInfo(const QString &path);

// Puts a stored picture into a box: unchanged when the sizes agree, stretched when the two
// scale factors differ by less than 0.05, otherwise unscaled at the top left.
QImage fitPictureToBox(const QImage &picture, const QSize &boxSize);

} // namespace quillora
