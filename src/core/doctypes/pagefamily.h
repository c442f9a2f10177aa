#pragma once
// What every family of document kinds does without a window: build a new page, carry its work
// through the staging members, write and read its page description ("layout.xml") as PageFiles
// says, and draw itself for the printer, the PNG export and thumbnails. A family is registered
// under the name of the window that shows its kinds, and each kind finds it through its row's
// window name.

#include "core/files/pagefiles.h"
#include "core/printing/printjob.h"

#include <QString>

namespace quillora {

class PageFamily : public PageFiles {
public:
    // A new page of the kind in `page.documentType`, from `templatePath` where the kind has one.
    [[nodiscard]] virtual bool buildNewPage(PageModel &page, const QString &templatePath,
                                            const PageFitInputs &fit, QString *error) const = 0;

    // The page's pictures, texts and rich texts as members of `folder`, and back: a work file's
    // members too, unless the family holds its pictures itself.
    [[nodiscard]] virtual bool writeMembers(const PageModel &page, const QString &folder,
                                            QString *error) const = 0;
    // False when a stored member could not be used and was left out.
    [[nodiscard]] virtual bool readMembers(PageModel &page, const QString &folder) const = 0;
    [[nodiscard]] bool writeWorkFileMembers(const PageModel &page, const QString &folder,
                                            HeldMembers &, QString *error) const override
    {
        return writeMembers(page, folder, error);
    }
    [[nodiscard]] bool readWorkFileMembers(PageModel &page, const QString &folder,
                                           const HeldMembers &) const override
    {
        return readMembers(page, folder);
    }

    // The page a template's thumbnail shows; by default the new page built from the template.
    [[nodiscard]] virtual bool buildThumbnailPage(PageModel &page, const QString &templatePath,
                                                  const PageFitInputs &fit, QString *error) const
    {
        return buildNewPage(page, templatePath, fit, error);
    }
    virtual PrintResult print(const PageModel &page, PrintDevice &device,
                              const PrintSettings &settings) const = 0;
};

// The family registered under the kind's window name; nothing for a kind without one.
const PageFamily *pageFamilyFor(DocumentKind kind);
// The same families as the work file finds them: handed to saving, opening, previews and
// recovery, which know no kinds of their own.
const PageFilesFinder &registeredPageFiles();

// Registers a kind's row in the table of kinds and, under the row's window name, the family that
// builds, saves, reads and draws its page; the family lives as long as the program. Kinds of one
// window name share one family, so a row naming a window that has another family already (a
// shipped window too) is refused, as is a row without a window name: nothing is registered then.
// A kind sharing a shipped window passes that window's family (`pageFamilyFor` of a shipped kind
// shown there). A shipped kind's row is replaced.
[[nodiscard]] bool registerKind(const DocumentKindInfo &row, const PageFamily &family);

// Whether the kind's screen can be saved as a PNG picture: the window, the save dialog's filter
// and the headless export all ask this one rule.
bool canExportPng(DocumentKind kind);

// Prints the page through its family; a kind without one is not available.
PrintResult printPage(const PageModel &page, PrintDevice &device, const PrintSettings &settings);

} // namespace quillora
