#include "core/text/rtfreader.h"

#include "core/text/rtfparser.h"

#include <QTextCursor>
#include <QTextDocument>

namespace quillora {

bool looksLikeRtf(const QByteArray &bytes)
{
    qsizetype i = 0;
    while (i < bytes.size() && QChar::isSpace(uchar(bytes[i])))
        ++i;
    return bytes.mid(i, 5) == "{\\rtf";
}

bool readRtf(const QByteArray &rtf, QTextDocument &into, QString *error, bool *nestedTooDeep)
{
    QList<rtf::Paragraph> paragraphs;
    if (!rtf::parseRtf(rtf, paragraphs, error, nestedTooDeep))
        return false;
    // Loading is not an edit: it leaves no step to undo back to an empty box.
    const bool undoable = into.isUndoRedoEnabled();
    into.setUndoRedoEnabled(false);
    into.clear();
    QTextCursor cursor(&into);
    rtf::insertParagraphs(cursor, paragraphs);
    into.setUndoRedoEnabled(undoable);
    return true;
}

} // namespace quillora
