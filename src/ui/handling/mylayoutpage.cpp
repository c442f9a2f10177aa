#include "ui/handling/mylayoutpage.h"

#include "core/app/appcontext.h"
#include "core/layout/documenttypes.h"
#include "core/layout/objectkinds.h"
#include "ui/document/documentwindow.h"
#include "ui/document/pageview.h"

namespace quillora {

namespace {

// An imported picture's tag is this word followed by its file's path.
const QString kImportedTag = QStringLiteral("file");

} // namespace

MyLayoutPage::MyLayoutPage(const AppContext &context, const DocumentWindow &window)
    : m_context(context), m_window(window)
{
}

bool MyLayoutPage::isShown() const
{
    return kindInfo(m_context.page.documentType).freeArrangement &&
           !m_window.pageView()->isHidden();
}

QRect MyLayoutPage::area() const
{
    return m_window.pageView()->geometry();
}

std::optional<SelectedObject> MyLayoutPage::selected() const
{
    const PageModel &page = m_context.page;
    const CurrentObject &current = page.current;
    if (current.kind == ObjectKind::Picture && current.index >= 0 &&
        current.index < page.pictureBoxes.size()) {
        const PictureBoxModel &box = page.pictureBoxes[current.index];
        if (!box.visible)
            return std::nullopt;
        return SelectedObject{ObjectKind::Picture, current.index, box.geometry,
                              box.tag.startsWith(kImportedTag)};
    }
    if (current.kind == ObjectKind::RichText && current.index >= 0 &&
        current.index < page.richTextBoxes.size()) {
        const RichTextBoxModel &box = page.richTextBoxes[current.index];
        if (!box.visible)
            return std::nullopt;
        return SelectedObject{ObjectKind::RichText, current.index, box.geometry, false};
    }
    return std::nullopt;
}

QString MyLayoutPage::importedFile(const PictureBoxModel &box)
{
    return box.tag.mid(kImportedTag.size());
}

ObjectKind MyLayoutPage::movedKind(ObjectKind objectKind)
{
    return objectKind == ObjectKind::Picture ? ObjectKind::MovedPicture : ObjectKind::MovedRichText;
}

} // namespace quillora
