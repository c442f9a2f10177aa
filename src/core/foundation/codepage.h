#pragma once
// Windows-1252, the code page of settings, language and layout files written by other
// programs, and the automatic choice between it and UTF-8 when reading.

#include <QByteArray>
#include <QString>
#include <optional>

namespace quillora::codepage {

QString decode1252(const QByteArray &bytes);
// The bytes in Windows-1252, or nothing when some character has no place in that code page.
std::optional<QByteArray> encode1252(const QString &text);
// The code page 1252 byte of one character, or -1.
int byteFor1252(QChar c);

bool isValidUtf8(const QByteArray &bytes);
// A BOM or valid UTF-8 holding non-ASCII bytes reads as UTF-8; anything else as Windows-1252.
QString decodeAuto(const QByteArray &bytes);
// Windows-1252 when every character fits, otherwise UTF-8 with a byte order mark.
QByteArray encodeAuto(const QString &text);

} // namespace quillora::codepage
