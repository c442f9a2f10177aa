#pragma once
// The menu of alternative templates beside a page ("Shapes", "Sign"): which templates a folder
// offers and where each thumbnail sits in the menu.

#include "core/layout/templatelisting.h"

#include <QList>
#include <QPoint>
#include <QString>

namespace quillora {

// A folder may hold many templates; the menu shows at most this many so a copied-in folder
// cannot fill the window with thousands of buttons.
constexpr int kMaxMenuTemplates = 60;

// A menu wider than this shows its thumbnails three to a row; a narrower one, one column.
constexpr int kNarrowMenuWidthPx = 88;
constexpr int kMenuGridColumns = 3;
constexpr int kMenuStepXPx = 104;
constexpr int kMenuStepYPx = 109;
constexpr int kMenuLeftPx = 17;
constexpr int kMenuTopPx = 8;
// The thumbnail's own box inside its slot; the caption takes the rest of the slot's height.
constexpr int kMenuThumbnailWidthPx = 88;
constexpr int kMenuThumbnailHeightPx = 76;

// The name a child sees under a template's thumbnail: the `title` of its `layout` line, else
// the file name without ".xml". Menus pass it through the translation table before showing it.
QString templateCaption(const QString &templatePath);

// Every "*.xml" template of `dataFolder`/layouts/`folderName` (names compared without case,
// alphabetical), each with its thumbnail (NAME.bmp, "" when missing) and caption.
QList<SubChoice> listMenuTemplates(const QString &dataFolder, const QString &folderName);

// Top-left corner of thumbnail `index` in a menu `menuWidthPx` wide.
QPoint templateMenuSlot(int index, int menuWidthPx);

// The height the menu needs for `count` thumbnails.
int templateMenuHeight(int count, int menuWidthPx);

} // namespace quillora
