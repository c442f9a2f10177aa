#pragma once
// Code pages of Rich Text Format: which one a font's character set stands for, and the
// decoding of the 8-bit text written in it.

#include <QByteArray>
#include <QHash>
#include <QString>

namespace quillora::rtf {

// The code page of a font table "\fcharset" value; ANSI and default mean the document's own.
int codePageForCharset(int charset, int documentCodePage);

// Decodes runs of 8-bit text. Windows-1252 is built in; other code pages go through the
// system converter and fall back to 1252 when it does not know them. Double-byte code pages
// work as long as a character's bytes arrive in one run.
class ByteDecoder {
public:
    ByteDecoder() = default;
    ~ByteDecoder();
    ByteDecoder(const ByteDecoder &) = delete;
    ByteDecoder &operator=(const ByteDecoder &) = delete;

    QString decode(int codePage, const QByteArray &bytes);

private:
    void *converterFor(int codePage);
    QHash<int, void *> m_converters; // iconv_t by code page; null when unavailable
};

} // namespace quillora::rtf
