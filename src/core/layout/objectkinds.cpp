#include "core/layout/objectkinds.h"

namespace quillora {

QString objectKindCode(ObjectKind kind)
{
    switch (kind) {
    case ObjectKind::Nothing:
        return {};
    case ObjectKind::Text:
        return QStringLiteral("t");
    case ObjectKind::RichText:
        return QStringLiteral("r");
    case ObjectKind::Picture:
        return QStringLiteral("p");
    case ObjectKind::Border:
        return QStringLiteral("b");
    case ObjectKind::Handles:
        return QStringLiteral("h");
    case ObjectKind::Paper:
        return QStringLiteral("paper");
    case ObjectKind::Bubble:
        return QStringLiteral("bub");
    case ObjectKind::MovedPicture:
        return QStringLiteral("mp");
    case ObjectKind::MovedRichText:
        return QStringLiteral("mr");
    case ObjectKind::AddedPicture:
        return QStringLiteral("ap");
    case ObjectKind::AddedRichText:
        return QStringLiteral("ar");
    case ObjectKind::BannerLine:
        return QStringLiteral("banner");
    case ObjectKind::CircleTurn:
        return QStringLiteral("turn");
    }
    return {};
}

std::optional<ObjectKind> objectKindOfCode(QStringView code)
{
    // Every kind is tried, so a kind added to the enum is found without a second list to keep.
    for (int k = int(ObjectKind::Nothing); k <= int(ObjectKind::CircleTurn); ++k) {
        if (objectKindCode(ObjectKind(k)) == code)
            return ObjectKind(k);
    }
    return std::nullopt;
}

} // namespace quillora
