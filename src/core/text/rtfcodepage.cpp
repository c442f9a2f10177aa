#include "core/text/rtfcodepage.h"

#include "core/foundation/codepage.h"

#include <iconv.h>

namespace quillora::rtf {
namespace {

constexpr int kWestern = 1252;
const auto kNoConverter = reinterpret_cast<iconv_t>(-1);

QByteArray converterName(int codePage)
{
    switch (codePage) {
    case 10000:
        return "MACINTOSH";
    case 1361:
        return "JOHAB";
    default:
        return "CP" + QByteArray::number(codePage);
    }
}

} // namespace

int codePageForCharset(int charset, int documentCodePage)
{
    switch (charset) {
    case 77:
        return 10000;
    case 128:
        return 932;
    case 129:
        return 949;
    case 130:
        return 1361;
    case 134:
        return 936;
    case 136:
        return 950;
    case 161:
        return 1253;
    case 162:
        return 1254;
    case 163:
        return 1258;
    case 177:
        return 1255;
    case 178:
        return 1256;
    case 186:
        return 1257;
    case 204:
        return 1251;
    case 222:
        return 874;
    case 238:
        return 1250;
    case 254:
        return 437;
    case 255:
        return 850;
    default:
        return documentCodePage; // 0 ANSI, 1 default, 2 symbol and anything unknown
    }
}

ByteDecoder::~ByteDecoder()
{
    for (void *converter : std::as_const(m_converters)) {
        if (converter)
            iconv_close(static_cast<iconv_t>(converter));
    }
}

void *ByteDecoder::converterFor(int codePage)
{
    const auto found = m_converters.constFind(codePage);
    if (found != m_converters.constEnd())
        return *found;
    iconv_t converter = iconv_open("UTF-8", converterName(codePage).constData());
    void *kept = converter == kNoConverter ? nullptr : static_cast<void *>(converter);
    m_converters.insert(codePage, kept);
    return kept;
}

QString ByteDecoder::decode(int codePage, const QByteArray &bytes)
{
    bool ascii = true;
    for (char ch : bytes) {
        if (static_cast<unsigned char>(ch) >= 0x80) {
            ascii = false;
            break;
        }
    }
    if (ascii || codePage == kWestern)
        return codepage::decode1252(bytes);
    void *handle = converterFor(codePage);
    if (!handle)
        return codepage::decode1252(bytes);

    auto converter = static_cast<iconv_t>(handle);
    iconv(converter, nullptr, nullptr, nullptr, nullptr);
    QByteArray utf8(bytes.size() * 4 + 4, Qt::Uninitialized);
    char *in = const_cast<char *>(bytes.constData());
    size_t inLeft = size_t(bytes.size());
    char *out = utf8.data();
    size_t outLeft = size_t(utf8.size());
    QString text;
    while (inLeft > 0) {
        if (iconv(converter, &in, &inLeft, &out, &outLeft) != size_t(-1))
            break;
        // An invalid or cut-off sequence: let out what the converter holds back (which also
        // starts it afresh), mark the sequence and carry on after its first byte.
        iconv(converter, nullptr, nullptr, &out, &outLeft);
        text += QString::fromUtf8(utf8.constData(), out - utf8.constData());
        text += QChar::ReplacementCharacter;
        out = utf8.data();
        outLeft = size_t(utf8.size());
        ++in;
        --inLeft;
    }
    // Some code pages hold a letter back in case an accent follows: let it out.
    iconv(converter, nullptr, nullptr, &out, &outLeft);
    text += QString::fromUtf8(utf8.constData(), out - utf8.constData());
    return text;
}

} // namespace quillora::rtf
