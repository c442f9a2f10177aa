#pragma once
// The line format of layout templates and saved page descriptions: one element a line,
// attributes in single quotes, found by plain text search. Readers and writers of every
// page description go through these routines.

#include "core/layout/colour.h"

#include <QString>
#include <QStringView>
#include <optional>

namespace quillora::dialect {

// ---- Reading -------------------------------------------------------------------------------

// The element name of a line in lower case: from after "<" (a space straight after "<" is
// tolerated) to the first space, or to the first ">" when there is no space; a trailing "/"
// is dropped. "" when the line holds no "<" element or neither a space nor ">".
QString elementName(QStringView line);

// True when " name='" occurs in the line (case-insensitively, except for `text` and `title`).
bool hasAttribute(QStringView line, QStringView name);

// The raw value of an attribute: up to the next "'" or the end of the line; "" when absent.
// Lower case, except for `text` and `title`, whose values keep their case and whose names must
// be written in lower case in the line.
QString textAttribute(QStringView line, QStringView name);

// A free text attribute (`text`, `title`) decoded with decodeText().
QString decodedTextAttribute(QStringView line, QStringView name);

// The leading number of the value, rounded half to even, clamped to 16 bits; 0 when absent
// or not numeric.
qint16 intAttribute(QStringView line, QStringView name);

// The value as a decimal number ("," or "." as separator); 0 when absent.
float realAttribute(QStringView line, QStringView name);

// True exactly when the value is "t" (in any case).
bool boolAttribute(QStringView line, QStringView name);

// The value as a hexadecimal 0x00BBGGRR colour; nothing when absent or empty, so the caller
// keeps its current colour.
std::optional<ColourRef> colourAttribute(QStringView line, QStringView name);

// ---- Value rules, shared with the other readers of the program ------------------------------

// The host's plain number conversion: leading spaces, a sign, digits with an optional decimal
// point; reading stops at the first other character. 0 when no digit is found.
double leadingNumber(QStringView text);

// Rounds half to even and clamps to the 16-bit range (NaN reads as 0).
qint16 roundToInt16(double value);

// The decimal rule: a "," is the separator when present, else a "."; the sign of the integer
// part applies to the whole number, so "-0.5" is -0.5. Finite, clamped to ±1e9.
float decimalValue(QStringView text);

// "&h" + text as the host converts it: the leading hexadecimal digits; 0 without any; nothing
// when the number does not fit in 32 bits. Only the 24 colour bits are kept.
std::optional<ColourRef> hexColour(QStringView text);

// ---- Free text -------------------------------------------------------------------------------

// "'" becomes '"', CR becomes "{ENTER}", LF is dropped.
QString encodeText(QStringView text);
// '"' becomes "'", "{ENTER}" becomes CR LF; anything else, a lone "{" too, is kept.
QString decodeText(QStringView text);

// ---- Writing ---------------------------------------------------------------------------------

// " name='value'", the value made safe for the dialect (quotes and line breaks encoded).
QString attribute(QStringView name, QStringView value);
QString attribute(QStringView name, qint64 value);
// " name='encoded text'" for `text` and `title`.
QString textAttributeLine(QStringView name, QStringView text);

QString formatInteger(qint64 value);
// Plain decimal with a full stop and at most `maxDecimals` decimals, no trailing zeros.
QString formatReal(double value, int maxDecimals = 2);
// Upper-case hexadecimal of the 24 colour bits without prefix or leading zeros ("FF" = red).
QString formatColour(ColourRef colour);
// "T" or "F", as the page description writers write booleans.
QString formatBoolean(bool value);

// Window pixels to whole millimetres: integer part of (pixels / scale + 0.5); 0 without scale.
int pixelsToMm(double pixels, float scale);
// To the nearest `step` millimetres (0.5, 0.1, 0.01): Int(pixels / scale / step + 0.5) × step.
double pixelsToMmStep(double pixels, float scale, double step);

} // namespace quillora::dialect
