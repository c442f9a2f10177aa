#pragma once
// A table in a work file: a picture member per cell ("picr" + row + "c" + column + ".bmp") and
// the page description ("layout.xml") with the counts, the title and every cell's text:
//   <layout name='usermade' numrows='2' numcols='3' title='Pets' font='arial' size='32' colour='0'>
//   <cell name='ce0' row='0' col='0' text='cat' font='arial' size='20' colour='FF'/>
//   </layout>
// Font sizes are points as the screen shows them.

#include "core/doctypes/table.h"
#include "core/files/archive.h"

#include <QString>

namespace quillora {

class Staging;

// A cell picture larger than this on either side is not a cell of any table.
constexpr int kMaxCellPictureSide = 8192;
// A title or cell text longer than this cannot be a child's and is cut there.
constexpr int kMaxTableTextLength = 4000;

QString cellPictureMember(TableCell cell);

// The lines of "layout.xml", CR LF after each, cells row by row.
QString tableDescription(const PageModel &page);

// Rebuilds the table a description names on a new page fitted to the window: the counts
// clamped to 2..12 (6 columns and 4 rows when absent), cells outside the table passed over,
// absent values keeping the new table's.
void applyTableDescription(const QString &description, PageModel &page, const PageFitInputs &fit);

[[nodiscard]] bool writeTableDescription(const PageModel &page, const QString &path,
                                         QString *error);
// False, with `page` untouched, when the file cannot be read.
[[nodiscard]] bool readTableDescription(const QString &path, PageModel &page,
                                        const PageFitInputs &fit, QString *error);

// Every shown cell's picture, white where it was never painted, encoded into `held` (an
// untouched one from the bytes it was last stored with) or written into `folder`.
[[nodiscard]] bool encodeTablePictures(const PageModel &page, HeldMembers &held, QString *error);
[[nodiscard]] bool writeTableMembers(const PageModel &page, const QString &folder, QString *error);
// The shown cells' pictures at the size they were saved (each cell stretches its own), from
// `held` or else from `folder`; a missing one leaves its cell empty.
// False when a stored picture could not be used and was left out.
bool readTableMembers(PageModel &page, const QString &folder, const HeldMembers &held = {});

} // namespace quillora
