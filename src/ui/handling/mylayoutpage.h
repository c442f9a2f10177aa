#pragma once
// What the controllers of a "My layout" page (document type 17) all ask of its window: whether
// the window shows such a page, where the page lies in the window, and which picture or rich
// text box is selected.

#include "core/layout/objectkinds.h"

#include <QRect>
#include <QString>

#include <optional>

namespace quillora {

class AppContext;
class DocumentWindow;
struct PictureBoxModel;

// The current object when it is a visible picture or rich text box.
struct SelectedObject {
    ObjectKind kind = ObjectKind::Nothing; // ObjectKind::Picture or ObjectKind::RichText
    int index = -1;
    QRect geometry;
    bool imported = false; // a picture read from a file, not yet allowed to be painted
};

class MyLayoutPage {
public:
    MyLayoutPage(const AppContext &context, const DocumentWindow &window);

    // A "My layout" page whose page view is shown.
    bool isShown() const;
    // The page in window coordinates.
    QRect area() const;
    std::optional<SelectedObject> selected() const;

    // The file an imported picture was read from.
    static QString importedFile(const PictureBoxModel &box);
    // The undo kind that records the place and size of a picture ("mp") or rich text box ("mr").
    static ObjectKind movedKind(ObjectKind objectKind);

private:
    const AppContext &m_context;
    const DocumentWindow &m_window;
};

} // namespace quillora
