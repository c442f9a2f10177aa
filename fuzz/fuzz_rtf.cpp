// Reads any bytes as RTF, writes the result and reads that again. Beyond crashes and
// sanitizer reports it checks that what the writer produces reads back to the same bytes.
#include "core/text/rtfreader.h"
#include "core/text/rtfwriter.h"
#include "withfonts.h"

#include <QTextDocument>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    QTextDocument first;
    if (!quillora::readRtf(input, first))
        return 0;
    const QByteArray written = quillora::writeRtf(first);
    QTextDocument second;
    if (!quillora::readRtf(written, second))
        abort();
    if (quillora::writeRtf(second) != written)
        abort();
    return 0;
}
