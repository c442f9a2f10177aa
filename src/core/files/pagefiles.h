#pragma once
// What saving, opening, previewing and recovering a work file ask of the family that owns a
// page's kind: its members, its page description ("layout.xml") and its pictures. The families
// implement it and the kinds' registry finds it, so the work file never needs to know the kinds.

#include "core/files/archive.h"
#include "core/files/savedlayout.h"
#include "core/layout/pagefit.h"
#include "core/layout/pagemodel.h"

#include <QImage>
#include <QSize>
#include <QString>

namespace quillora {

class Staging;

class PageFiles {
public:
    virtual ~PageFiles() = default;

    // The page's pictures, texts and rich texts as members of `folder`, and back. A family whose
    // page keeps its pictures encoded says so in holdsPictures() and passes them in `held`
    // instead of `folder`; an opened file's pictures then come in `held` too, else they are all
    // files of `folder`. Reading is false when a stored member could not be used and was left out.
    virtual bool holdsPictures() const { return false; }
    [[nodiscard]] virtual bool writeWorkFileMembers(const PageModel &page, const QString &folder,
                                                    HeldMembers &held, QString *error) const = 0;
    [[nodiscard]] virtual bool readWorkFileMembers(PageModel &page, const QString &folder,
                                                   const HeldMembers &held) const = 0;

    // "layout.xml" in staging (with the pictures it names), and the page built again from one.
    [[nodiscard]] virtual bool writeDescription(const PageModel &page, const Staging &staging,
                                                const SavedLayoutOptions &options,
                                                QString *error) const = 0;
    [[nodiscard]] virtual bool readDescription(const QString &path, PageModel &page,
                                               const PageFitInputs &fit, QString *error) const = 0;

    // The page as the PNG export and the thumbnails show it; a null image when it has no size.
    virtual QImage render(const PageModel &page, double sheetQuality) const = 0;
    // A start-screen or recovery thumbnail: the page fitted within `bounds`; by default the
    // rendered page scaled down.
    virtual QImage renderThumbnail(const PageModel &page, const QSize &bounds) const;
    // The page as the open dialog's preview shows it, drawn at `scale`; by default as rendered.
    virtual QImage renderPreview(const PageModel &page, double scale) const
    {
        return render(page, scale);
    }
};

// Finds the family of a page's kind for the work file; nothing for a kind without one.
class PageFilesFinder {
public:
    virtual ~PageFilesFinder() = default;
    virtual const PageFiles *filesFor(DocumentKind kind) const = 0;
};

} // namespace quillora
