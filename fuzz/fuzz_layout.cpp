// Arbitrary bytes through the layout line readers and the whole template reader: nothing may
// crash, hang or grow without bound, and what is read must respect the page model's limits.
#include "core/layout/dialect.h"
#include "core/layout/templatereader.h"

#include <QString>
#include <cstdlib>

using namespace quillora;

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

void readEveryAttributeKind(const QString &line)
{
    static const char16_t *const names[] = {
        u"name", u"text", u"title", u"NumTextBoxes", u"colour", u"edgeW", u"size", u"", u"'"};
    (void)dialect::elementName(line);
    for (const char16_t *name : names) {
        (void)dialect::textAttribute(line, name);
        (void)dialect::intAttribute(line, name);
        const float real = dialect::realAttribute(line, name);
        check(real >= -1e9f && real <= 1e9f);
        (void)dialect::boolAttribute(line, name);
        (void)dialect::colourAttribute(line, name);
    }
    const QString decoded = dialect::decodeText(dialect::encodeText(line));
    check(!dialect::encodeText(line).contains(u'\''));
    (void)decoded;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    // Single lines, as every other reader of the program hands them over.
    const QString text = QString::fromLatin1(bytes.left(4096));
    for (const QString &line : text.split(u'\n'))
        readEveryAttributeKind(line);

    PageModel page;
    const PageFitInputs fit{1280, 800, 96, 64, DocumentKind(int(size % kDocumentKindCount))};
    QString error;
    (void)readTemplateText(bytes, QStringLiteral("/nonexistent/fuzz.xml"), page, fit, &error);
    check(page.pictureBoxes.size() <= kMaxPictureBoxIndex + 1);
    check(page.handles.size() <= kMaxHandleIndex + 1);
    check(page.textBoxes.size() <= kMaxObjectIndex + 1);
    check(page.richTextBoxes.size() <= kMaxObjectIndex + 1);
    check(page.lines.size() <= kMaxObjectIndex + 1);
    check(page.boxes.size() <= kMaxObjectIndex + 1);
    check(page.repeatCount >= 2);
    for (const LineModel &line : page.lines)
        check(line.thickness >= 1);
    return 0;
}
