#pragma once
// The object kind codes: the current object and every undo record name their object by one.

#include <QString>

namespace quillora::objectkind {

inline const QString Nothing;
inline const QString Text = QStringLiteral("t");
inline const QString RichText = QStringLiteral("r");
inline const QString Picture = QStringLiteral("p");
inline const QString Border = QStringLiteral("b");
inline const QString Handles = QStringLiteral("h");
inline const QString Paper = QStringLiteral("paper");
inline const QString Title = QStringLiteral("title");
inline const QString Table = QStringLiteral("table");
inline const QString Bubble = QStringLiteral("bub");

// Codes of undo records only.
inline const QString MovedPicture = QStringLiteral("mp");
inline const QString MovedRichText = QStringLiteral("mr");
inline const QString AddedPicture = QStringLiteral("ap");
inline const QString AddedRichText = QStringLiteral("ar");
inline const QString TableCell = QStringLiteral("c");
inline const QString PagePicture = QStringLiteral("P");
inline const QString BannerLine = QStringLiteral("banner"); // a banner's words and looks

} // namespace quillora::objectkind
