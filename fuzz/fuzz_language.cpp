// The language file reader on arbitrary bytes, followed by look-ups of its own keys.
#include "core/foundation/translator.h"

using namespace quillora;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Translator translator;
    translator.loadFromBytes(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    (void)translator.translate(QStringLiteral("Exit?"));
    (void)translator.translate(QString());
    return 0;
}
