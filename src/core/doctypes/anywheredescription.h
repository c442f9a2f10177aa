#pragma once
// An anywhere page in a work file: the page picture as "pic.bmp" and the page description
// ("layout.xml"): the sheet's size, then each text with its left and top in millimetres from the
// picture's top-left corner (to 0.1 mm), its text, font, size and colour.

#include "core/layout/pagefit.h"
#include "core/layout/pagemodel.h"

#include <QString>
#include <QVector>

namespace quillora {

inline const QString kAnywherePictureMember = QStringLiteral("pic.bmp");
// A picture member larger than this on either side is not an anywhere page of any screen.
constexpr int kMaxAnywherePictureSide = 8192;
// Sizes in the description are points per page pixel a millimetre; beyond these no text fits
// on the sheet or can be seen on it.
constexpr double kAnywhereSmallestStoredSize = 0.05;
constexpr double kAnywhereLargestStoredSize = 60.0;

// The lines of "layout.xml", CR LF after each:
//   <layout name='usermade' width='297' height='210' >
//   <textbox name='tb1' xmm='12.5' ymm='40.1' text='Hello' font='Arial' size='5.41' colour='FF'/>
//   </layout>
QString anywhereDescription(const PageModel &page);

struct AnywhereDescribedText {
    double xMm = 0.0;
    double yMm = 0.0;
    QString text;
    TextStyle style; // size in points per page pixel a millimetre
};

// What a description holds: the orientation and the first 79 texts; `textsLeftOut` counts the
// texts beyond them. Lines it does not know are passed over; a missing or damaged value reads
// as a new text's.
struct AnywhereDescription {
    bool landscape = true;
    QVector<AnywhereDescribedText> texts;
    int textsLeftOut = 0;
};
AnywhereDescription parseAnywhereDescription(const QString &description);

// A blank page of the described orientation with the described texts, each inside the picture.
void buildDescribedAnywherePage(PageModel &page, const AnywhereDescription &description,
                                const PageFitInputs &fit);

// Reads "layout.xml" at `path`. False, with the reason, for a file that cannot be read or is far
// too large to be an anywhere page's description.
[[nodiscard]] bool readAnywhereDescription(const QString &path, AnywhereDescription *description,
                                           QString *error);

} // namespace quillora
