#pragma once
// Reading a layout template into the page model: objects created on demand and reused,
// surplus ones hidden with the placeholder, the page fitted when the layout line is met.

#include "core/foundation/translator.h"
#include "core/layout/pagefit.h"
#include "core/layout/pagemodel.h"

#include <QString>

namespace quillora {

// Clears the page's objects (hidden, placeholder text, pictures emptied), reads the template at
// `path` and fits the page with `fit`. On failure `error` says why and the objects read so far
// stay.
[[nodiscard]] bool readTemplate(const QString &path, PageModel &page, const PageFitInputs &fit,
                                QString *error = nullptr);

// The same from text already in memory; `path` names the template for its side files
// (mask pictures, border map).
[[nodiscard]] bool readTemplateText(const QByteArray &text, const QString &path, PageModel &page,
                                    const PageFitInputs &fit, QString *error = nullptr);

// Applies one element line (textbox, rtb, picbox, ...) to the page, as the reader does; used
// when objects are added from the window.
void applyTemplateLine(const QString &line, const QString &templatePath, PageModel &page,
                       const PageFitInputs &fit);

// A fresh page speaks the program's language: the words a template put in its boxes and
// bubbles pass through `translator`. Never for a work file's page, whose words are the child's.
void translateTemplateWords(PageModel &page, const Translator &translator);

// Resets the page model for a new document or before opening a work file.
void resetPage(PageModel &page);

} // namespace quillora
