#pragma once
// The page description inside a work file ("layout.xml"): for single-page documents it is
// written in the layout dialect itself, so the ordinary template reader rebuilds the page.

#include "core/layout/pagemodel.h"

#include <QByteArray>
#include <QString>

namespace quillora {

class Staging;

struct SavedLayoutOptions {
    int copiesOnSheet = 2; // the copies slider of a repeated-copies sheet (type 8)
};

// The lines of "layout.xml" for a single-page document, CR LF after each.
QString singlePageDescription(const PageModel &page, const SavedLayoutOptions &options = {});

// Writes "layout.xml" and the members it names into staging: the mask pictures of shaped
// picture boxes (copied from the template unless they already are the staging copies) and the
// border map before a map border.
[[nodiscard]] bool writeSinglePageDescription(const PageModel &page, const Staging &staging,
                                              const SavedLayoutOptions &options,
                                              QString *error = nullptr);

} // namespace quillora
