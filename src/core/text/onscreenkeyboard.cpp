#include "core/text/onscreenkeyboard.h"

#include "core/layout/objectkinds.h"
#include <algorithm>

namespace quillora {
namespace {

QVector<KeyboardKey> buildKeys()
{
    struct Row {
        int index;
        const char *caption;
        const char *shifted;
        int left, top, width, height;
    };
    // UK layout: the pound sign on 3 and the double quote mark on 2.
    static const Row rows[] = {
        {0, "1", "!", 420, 420, 615, 555},         {1, "2", "\"", 1080, 360, 615, 615},
        {2, "3", "\xC2\xA3", 1740, 360, 615, 615}, {3, "4", "$", 2400, 360, 615, 615},
        {4, "5", "%", 3060, 360, 615, 615},        {5, "6", "^", 3720, 360, 615, 615},
        {6, "7", "&", 4380, 360, 615, 615},        {7, "8", "*", 5040, 360, 615, 615},
        {8, "9", "(", 5700, 360, 615, 615},        {9, "0", ")", 6360, 360, 615, 615},
        {10, "", "", 7020, 420, 525, 555},         {11, "q", "", 720, 1020, 615, 615},
        {13, "w", "", 1380, 1020, 615, 615},       {12, "e", "", 2040, 1020, 615, 615},
        {20, "r", "", 2700, 1020, 615, 615},       {19, "t", "", 3360, 1020, 615, 615},
        {18, "y", "", 4020, 1020, 615, 615},       {17, "u", "", 4680, 1020, 615, 615},
        {16, "i", "", 5340, 1020, 615, 615},       {15, "o", "", 6000, 1020, 615, 615},
        {14, "p", "", 6660, 1020, 615, 615},       {36, "a", "", 960, 1680, 615, 615},
        {21, "s", "", 1620, 1680, 615, 615},       {23, "d", "", 2280, 1680, 615, 615},
        {24, "f", "", 2940, 1680, 615, 615},       {25, "g", "", 3600, 1680, 615, 615},
        {26, "h", "", 4260, 1680, 615, 615},       {27, "j", "", 4920, 1680, 615, 615},
        {28, "k", "", 5580, 1680, 615, 615},       {29, "l", "", 6240, 1680, 615, 615},
        {37, "", "", 6900, 1680, 855, 615},        {30, "z", "", 1320, 2340, 615, 615},
        {31, "x", "", 1980, 2340, 615, 615},       {32, "c", "", 2640, 2340, 615, 615},
        {33, "v", "", 3300, 2340, 615, 615},       {34, "b", "", 3960, 2340, 615, 615},
        {35, "n", "", 4620, 2340, 615, 615},       {22, "m", "", 5280, 2340, 615, 615},
        {39, ",", "", 5940, 2340, 615, 615},       {38, ".", "", 6600, 2340, 615, 615},
        {40, " ", "", 1860, 3000, 4275, 555},
    };
    QVector<KeyboardKey> keys(OnScreenKeyboard::kKeyCount);
    for (const Row &r : rows) {
        KeyboardKey &k = keys[r.index];
        k.index = r.index;
        k.caption = QString::fromUtf8(r.caption);
        k.shiftedCaption = QString::fromUtf8(r.shifted);
        k.twips = QRect(r.left, r.top, r.width, r.height);
    }
    return keys;
}

bool isLetter(const KeyboardKey &key)
{
    return key.caption.size() == 1 && key.caption[0].isLetter();
}

} // namespace

const QVector<KeyboardKey> &OnScreenKeyboard::keys()
{
    static const QVector<KeyboardKey> table = buildKeys();
    return table;
}

QString OnScreenKeyboard::captionOf(int index) const
{
    if (index < 0 || index >= kKeyCount)
        return {};
    const KeyboardKey &key = keys()[index];
    if (isLetter(key))
        return (m_shift || m_caps) ? key.caption.toUpper() : key.caption;
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

bool OnScreenKeyboard::isTap(QPoint dragStart, QPoint dragEnd)
{
    const QPoint travel = dragEnd - dragStart;
    return std::abs(travel.x()) < kTapThreshold && std::abs(travel.y()) < kTapThreshold;
}

std::optional<CurrentObject> keyboardTarget(const PageModel &page,
                                            const std::function<bool(const CurrentObject &)> &shown)
{
    const auto seen = [&shown](const CurrentObject &object) { return !shown || shown(object); };
    if ((page.current.kind == objectkind::Text || page.current.kind == objectkind::RichText) &&
        seen(page.current))
        return page.current;
    const auto firstVisible = [&seen](const auto &objects, const QString &kind) -> int {
        for (int i = 0; i < objects.size(); ++i) {
            if (objects[i].visible && seen(CurrentObject{kind, i}))
                return i;
        }
        return -1;
    };
    if (const int r = firstVisible(page.richTextBoxes, objectkind::RichText); r >= 0)
        return CurrentObject{objectkind::RichText, r};
    if (const int t = firstVisible(page.textBoxes, objectkind::Text); t >= 0)
        return CurrentObject{objectkind::Text, t};
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
