#pragma once
// The object kinds: the current object and every undo record name their object by one. A kind's
// short code ("t", "p", "mp", ...) is only for text that leaves or enters the program: handle
// neighbour names in templates, logs and test messages.

#include <QHashFunctions>
#include <QString>
#include <QStringView>

#include <optional>

namespace quillora {

enum class ObjectKind {
    Nothing, // no object is current
    Text,
    RichText,
    Picture,
    Border,
    Handles,
    Paper,
    Bubble,
    // Kinds of undo records only.
    MovedPicture,
    MovedRichText,
    AddedPicture,
    AddedRichText,
    BannerLine, // a banner's words and looks
    CircleTurn, // the disc, every segment's picture and every word after a turn
};

// The code of a kind: "" for Nothing.
QString objectKindCode(ObjectKind kind);
// The kind of a code; nothing for a code no kind has.
std::optional<ObjectKind> objectKindOfCode(QStringView code);

inline size_t qHash(ObjectKind kind, size_t seed = 0) noexcept
{
    return ::qHash(int(kind), seed);
}

} // namespace quillora
