#pragma once
// The parsing half of the RTF reader: bytes in, paragraphs of formatted runs out.

#include "core/text/rtfcontent.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace quillora::rtf {

// Reads the RTF into paragraphs; false with an error when the bytes are not RTF or hold more
// than kMaxRtfCharacters characters. `nestedTooDeep` learns whether groups nested beyond
// kMaxRtfDepth were read as nothing.
[[nodiscard]] bool parseRtf(const QByteArray &rtf, QList<Paragraph> &paragraphs, QString *error,
                            bool *nestedTooDeep = nullptr);

} // namespace quillora::rtf
