#include "core/app/demotexts.h"

#include <array>

namespace quillora {
namespace {

// A postcard has its message, the name and the address lines of its addressee.
constexpr std::array<const char *, 5> kPostcardTexts = {
    QT_TRANSLATE_NOOP(
        "Quillora",
        "Went down to the woods today. Got a big surprise. Hope all well, Love from FB x"),
    QT_TRANSLATE_NOOP("Quillora", "Baby bear"), "8 Bear Street",
    QT_TRANSLATE_NOOP("Quillora", "Bear town"), QT_TRANSLATE_NOOP("Quillora", "BT8 8TP")};

constexpr const char *kStoryText =
    QT_TRANSLATE_NOOP("Quillora", "Once upon a time there was an old old man called Mr Grumpy.");

} // namespace

QString demonstrationText(DocumentKind kind, int textBox)
{
    if (textBox < 0 || textBox >= kDemoTextBoxes)
        return {};
    if (kindInfo(kind).addressedTexts && textBox < int(kPostcardTexts.size()))
        return QString::fromLatin1(kPostcardTexts[textBox]);
    return QString::fromLatin1(kStoryText);
}

} // namespace quillora
