#include "core/app/demotexts.h"

#include <array>

namespace quillora {
namespace {

// A postcard has its message, the name and the address lines of its addressee.
constexpr std::array<const char *, 5> kPostcardTexts = {
    "Went down to the woods today. Got a big surprise. Hope all well, Love from FB x", "Baby bear",
    "8 Bear Street", "Bear town", "BT8 8TP"};

constexpr const char *kStoryText = "Once upon a time there was an old old man called Mr Grumpy.";

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
