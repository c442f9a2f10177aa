#pragma once
// The single-page document window (`Form1`): the page read from a layout template, for the
// simple pages, signs, posters, "My layout", sheets of copies and the other template kinds.

#include "ui/document/documentwindow.h"

namespace quillora {

class SimplePageWindow : public DocumentWindow {
    Q_OBJECT
public:
    explicit SimplePageWindow(AppContext &context, QWidget *parent = nullptr);

    bool startDocument(const QString &templatePath) override { return loadTemplate(templatePath); }
    // Reads the template into the page model, fitted below the toolbar and right of the palettes,
    // and shows it. On failure the objects read so far are shown, templateLoadFailed() carries
    // the reason and false is returned.
    bool loadTemplate(const QString &path);
};

} // namespace quillora
