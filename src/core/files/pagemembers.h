#pragma once
// The members that carry a page's work through a folder: "pic<i>.bmp", "text<i>.txt",
// "rtb<i>.rtf" and "border.bmp". Saving and opening a work file and switching to another
// template all pass the work through here.

#include "core/layout/pagemodel.h"

#include <QString>

namespace quillora {

enum class MemberUse {
    // Every object the page announces; a picture never painted is written white; the border
    // picture too. Stored pictures come back as fitPictureToBox puts them.
    WorkFile,
    // Only what the child sees, after the members of an earlier page are gone. Pictures come
    // back stretched to their new boxes, rich texts only when readable.
    TemplateSwitch,
};

QString pictureMember(int index);
QString textMember(int index);
QString richTextMember(int index);

[[nodiscard]] bool writePageMembers(const PageModel &page, const QString &folder, MemberUse use,
                                    QString *error);
// A missing member leaves its object as the layout built it. False when a stored work file
// picture could not be read and was left out. Texts are fitted by the caller, once the whole
// page is back.
bool readPageMembers(PageModel &page, const QString &folder, MemberUse use);

} // namespace quillora
