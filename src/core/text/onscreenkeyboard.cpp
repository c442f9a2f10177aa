#include "core/text/onscreenkeyboard.h"

#include "core/layout/objectkinds.h"
#include <algorithm>

namespace quillora {
namespace {

constexpr int kTwipsPerKeyboardPixel = 15;
constexpr int kKeyPitchTwips = 660;
constexpr int kKeySizeTwips = 615;
constexpr int kBoardMarginPx = 10;

struct LetterRow {
    int left, top;
    QVector<int> englishIndices; // the numbers the English keys in this row carry
};

// The English (UK) keyboard's letter rows; a layout's rows sit in the same places.
const LetterRow kLetterRows[] = {
    {720, 1020, {11, 13, 12, 20, 19, 18, 17, 16, 15, 14}},
    {960, 1680, {36, 21, 23, 24, 25, 26, 27, 28, 29}},
    {1320, 2340, {30, 31, 32, 33, 34, 35, 22, 39, 38}},
};
constexpr int kHomeRow = 1;

QVector<KeyboardKey> buildKeys(const KeyboardLayout &layout)
{
    struct Fixed {
        int index;
        const char *caption;
        const char *shifted;
        int left, top, width, height;
    };
    // UK numerals: the pound sign on 3 and the double quote mark on 2.
    static const Fixed fixedKeys[] = {
        {0, "1", "!", 420, 420, 615, 555},         {1, "2", "\"", 1080, 360, 615, 615},
        {2, "3", "\xC2\xA3", 1740, 360, 615, 615}, {3, "4", "$", 2400, 360, 615, 615},
        {4, "5", "%", 3060, 360, 615, 615},        {5, "6", "^", 3720, 360, 615, 615},
        {6, "7", "&", 4380, 360, 615, 615},        {7, "8", "*", 5040, 360, 615, 615},
        {8, "9", "(", 5700, 360, 615, 615},        {9, "0", ")", 6360, 360, 615, 615},
        {10, "", "", 7020, 420, 525, 555},         {40, " ", "", 1860, 3000, 4275, 555},
    };
    int keyCount = OnScreenKeyboard::kKeyCount;
    for (int r = 0; r < layout.rows.size(); ++r)
        keyCount += std::max<int>(0, layout.rows[r].size() - kLetterRows[r].englishIndices.size());
    QVector<KeyboardKey> keys(keyCount);
    for (const Fixed &f : fixedKeys) {
        KeyboardKey &k = keys[f.index];
        k.caption = QString::fromUtf8(f.caption);
        k.shiftedCaption = QString::fromUtf8(f.shifted);
        k.twips = QRect(f.left, f.top, f.width, f.height);
    }
    int nextExtra = OnScreenKeyboard::kKeyCount;
    for (int r = 0; r < layout.rows.size(); ++r) {
        const LetterRow &row = kLetterRows[r];
        for (int j = 0; j < layout.rows[r].size(); ++j) {
            const LayoutKey &letter = layout.rows[r][j];
            KeyboardKey &k =
                keys[j < row.englishIndices.size() ? row.englishIndices[j] : nextExtra++];
            k.caption = letter.lower;
            k.capital = letter.capital;
            k.variants = letter.variants;
            k.twips = QRect(row.left + j * kKeyPitchTwips, row.top, kKeySizeTwips, kKeySizeTwips);
        }
    }
    // Enter ends the home row, however long the language's row is.
    keys[OnScreenKeyboard::kEnterKey].twips =
        QRect(kLetterRows[kHomeRow].left + layout.rows[kHomeRow].size() * kKeyPitchTwips,
              kLetterRows[kHomeRow].top, 855, kKeySizeTwips);
    for (int i = 0; i < keys.size(); ++i)
        keys[i].index = i;
    return keys;
}

bool isLetter(const KeyboardKey &key)
{
    return !key.capital.isEmpty() && key.caption.size() == 1 && key.caption[0].isLetter();
}

} // namespace

OnScreenKeyboard::OnScreenKeyboard(const KeyboardLayout &layout)
    : m_keys(buildKeys(layout)), m_language(layout.language)
{
    int rightTwips = 0;
    for (const KeyboardKey &key : std::as_const(m_keys))
        rightTwips = std::max(rightTwips, key.twips.right() + 1);
    m_widthPx = std::max(kWidthPx, rightTwips / kTwipsPerKeyboardPixel + kBoardMarginPx);
}

QString OnScreenKeyboard::shown(const QString &letter, const KeyboardKey &key) const
{
    if (!(m_shift || m_caps) || !isLetter(key))
        return letter;
    return letter == key.caption ? key.capital : capitalOf(letter);
}

QString OnScreenKeyboard::captionOf(int index) const
{
    if (index < 0 || index >= m_keys.size())
        return {};
    const KeyboardKey &key = m_keys[index];
    if (isLetter(key))
        return shown(key.caption, key);
    if (m_shift && !key.shiftedCaption.isEmpty())
        return key.shiftedCaption;
    return key.caption;
}

KeyStroke OnScreenKeyboard::release(int index)
{
    KeyStroke stroke;
    if (index == kBackspaceKey)
        stroke.action = KeyAction::Backspace;
    else if (index == kEnterKey)
        stroke.action = KeyAction::Enter;
    else
        stroke.text = captionOf(index);
    m_shift = false;
    return stroke;
}

QStringList OnScreenKeyboard::variantsOf(int index) const
{
    if (index < 0 || index >= m_keys.size())
        return {};
    QStringList variants;
    for (const QString &variant : m_keys[index].variants)
        variants << shown(variant, m_keys[index]);
    return variants;
}

KeyStroke OnScreenKeyboard::releaseVariant(int index, int variant)
{
    const QStringList variants = variantsOf(index);
    if (variant < 0 || variant >= variants.size())
        return release(index);
    m_shift = false;
    return {KeyAction::Text, variants[variant]};
}

bool OnScreenKeyboard::isTap(QPoint dragStart, QPoint dragEnd)
{
    const QPoint travel = dragEnd - dragStart;
    return std::abs(travel.x()) < kTapThreshold && std::abs(travel.y()) < kTapThreshold;
}

std::optional<CurrentObject> keyboardTarget(const PageModel &page,
                                            const std::function<bool(const CurrentObject &)> &shown)
{
    const auto seen = [&shown](const CurrentObject &object) { return !shown || shown(object); };
    if ((page.current.kind == ObjectKind::Text || page.current.kind == ObjectKind::RichText) &&
        seen(page.current))
        return page.current;
    const auto firstVisible = [&seen](const auto &objects, ObjectKind kind) -> int {
        for (int i = 0; i < objects.size(); ++i) {
            if (objects[i].visible && seen(CurrentObject{kind, i}))
                return i;
        }
        return -1;
    };
    if (const int r = firstVisible(page.richTextBoxes, ObjectKind::RichText); r >= 0)
        return CurrentObject{ObjectKind::RichText, r};
    if (const int t = firstVisible(page.textBoxes, ObjectKind::Text); t >= 0)
        return CurrentObject{ObjectKind::Text, t};
    return std::nullopt;
}

int pulledWindowTop(int currentTopTwips, int dragDistanceTwips, int screenHeightTwips)
{
    const int lowest = screenHeightTwips * 3 / 4;
    const int top = currentTopTwips + dragDistanceTwips;
    if (top < 480)
        return 0;
    return std::min(top, lowest);
}

} // namespace quillora
