#include "core/undo/undokinds.h"

#include <QSet>

namespace quillora {

namespace {

void addTarget(QVector<UndoTarget> &targets, ObjectKind kind, int index)
{
    const UndoTarget target{kind, index};
    if (!targets.contains(target))
        targets.append(target);
}

template <typename List> bool validIndex(const List &list, int index)
{
    return index >= 0 && index < list.size();
}

// A picture box record holds the whole box: its pixels only make sense at its own size, and one
// history may mix paint strokes with moves and resizes of the same box.
bool capturePictureBox(const PageModel &page, int index, UndoRecord &record)
{
    if (!validIndex(page.pictureBoxes, index))
        return false;
    const PictureBoxModel &box = page.pictureBoxes.at(index);
    record.geometry = box.geometry;
    record.visible = box.visible;
    record.picture = box.image; // shared, not copied
    if (index == 0)
        record.pictureZeroState = page.ownState.pictureZeroPart();
    return true;
}

void restorePictureBox(const UndoRecord &record, PageModel &page, QVector<UndoTarget> &targets)
{
    if (!validIndex(page.pictureBoxes, record.index))
        return;
    PictureBoxModel &box = page.pictureBoxes[record.index];
    box.geometry = record.geometry;
    box.visible = record.visible;
    box.image = record.picture;
    if (record.index == 0)
        page.ownState.restorePictureZeroPart(record.pictureZeroState);
    addTarget(targets, record.kind, record.index);
}

void hidePictureBox(const UndoRecord &record, PageModel &page, QVector<UndoTarget> &targets)
{
    if (!validIndex(page.pictureBoxes, record.index))
        return;
    page.pictureBoxes[record.index].visible = false;
    addTarget(targets, record.kind, record.index);
}

bool captureTextBox(const PageModel &page, int index, UndoRecord &record)
{
    if (!validIndex(page.textBoxes, index))
        return false;
    const TextBoxModel &box = page.textBoxes.at(index);
    record.text = box.text;
    record.style = box.style; // the font size too: fitting shrinks it as the text grows
    record.geometry = box.geometry;
    record.visible = box.visible;
    return true;
}

void restoreTextBox(const UndoRecord &record, PageModel &page, QVector<UndoTarget> &targets)
{
    if (!validIndex(page.textBoxes, record.index))
        return;
    TextBoxModel &box = page.textBoxes[record.index];
    box.text = record.text;
    box.style = record.style;
    box.geometry = record.geometry;
    box.visible = record.visible;
    addTarget(targets, record.kind, record.index);
}

bool captureRichTextBox(const PageModel &page, int index, UndoRecord &record)
{
    if (!validIndex(page.richTextBoxes, index))
        return false;
    const RichTextBoxModel &box = page.richTextBoxes.at(index);
    record.text = box.rtf;
    record.plainText = box.plainText;
    record.style = box.style;
    record.geometry = box.geometry;
    record.visible = box.visible;
    return true;
}

void restoreRichTextBox(const UndoRecord &record, PageModel &page, QVector<UndoTarget> &targets)
{
    if (!validIndex(page.richTextBoxes, record.index))
        return;
    RichTextBoxModel &box = page.richTextBoxes[record.index];
    box.rtf = record.text;
    box.plainText = record.plainText;
    box.style = record.style;
    box.geometry = record.geometry;
    box.visible = record.visible;
    addTarget(targets, record.kind, record.index);
}

void hideRichTextBox(const UndoRecord &record, PageModel &page, QVector<UndoTarget> &targets)
{
    if (!validIndex(page.richTextBoxes, record.index))
        return;
    page.richTextBoxes[record.index].visible = false;
    addTarget(targets, record.kind, record.index);
}

bool captureBorder(const PageModel &page, int, UndoRecord &record)
{
    record.index = 0;
    record.picture = page.border.picture;
    return true;
}

void restoreBorder(const UndoRecord &record, PageModel &page, QVector<UndoTarget> &targets)
{
    page.border.picture = record.picture;
    addTarget(targets, record.kind, 0);
}

// Objects beside a handle are named by a kind letter and a two-digit index ("p01", "t12").
bool parseNeighbour(const QString &name, ObjectKind &kind, int &index)
{
    if (name.size() < 2)
        return false;
    kind = objectKindOfCode(QStringView(name).left(1)).value_or(ObjectKind::Nothing);
    bool ok = false;
    index = name.mid(1).trimmed().toInt(&ok);
    return ok && (kind == ObjectKind::Picture || kind == ObjectKind::Text ||
                  kind == ObjectKind::RichText);
}

bool captureNeighbour(const PageModel &page, ObjectKind kind, int index, UndoRecord &record)
{
    record.kind = kind;
    record.index = index;
    if (kind == ObjectKind::Picture)
        return capturePictureBox(page, index, record);
    if (kind == ObjectKind::Text)
        return captureTextBox(page, index, record);
    return captureRichTextBox(page, index, record);
}

void restoreNeighbour(const UndoRecord &record, PageModel &page, QVector<UndoTarget> &targets)
{
    if (record.kind == ObjectKind::Picture)
        restorePictureBox(record, page, targets);
    else if (record.kind == ObjectKind::Text)
        restoreTextBox(record, page, targets);
    else if (record.kind == ObjectKind::RichText)
        restoreRichTextBox(record, page, targets);
}

// Handles move the boxes around them, so a handle record keeps every handle's place and the
// state of every box a handle moves: undo puts them back without re-running the layout.
bool captureHandles(const PageModel &page, int index, UndoRecord &record)
{
    if (!validIndex(page.handles, index))
        return false;
    QSet<std::pair<ObjectKind, int>> seen;
    for (const HandleModel &handle : page.handles) {
        record.handleCentres.append(handle.centre);
        for (const QStringList *names : {&handle.boxesAbove, &handle.boxesBelow}) {
            for (const QString &name : *names) {
                ObjectKind kind = ObjectKind::Nothing;
                int neighbourIndex = 0;
                if (!parseNeighbour(name, kind, neighbourIndex))
                    continue;
                if (seen.contains({kind, neighbourIndex}))
                    continue;
                seen.insert({kind, neighbourIndex});
                UndoRecord neighbour;
                if (captureNeighbour(page, kind, neighbourIndex, neighbour))
                    record.movedObjects.push_back(std::move(neighbour));
            }
        }
    }
    return true;
}

void restoreHandles(const UndoRecord &record, PageModel &page, QVector<UndoTarget> &targets)
{
    const qsizetype count = std::min(record.handleCentres.size(), page.handles.size());
    for (qsizetype i = 0; i < count; ++i)
        page.handles[i].centre = record.handleCentres.at(i);
    addTarget(targets, record.kind, record.index);
    for (const UndoRecord &neighbour : record.movedObjects)
        restoreNeighbour(neighbour, page, targets);
}

UndoKindHandler pictureHandler(UndoRestart restart)
{
    return {ObjectKind::Picture, restart, capturePictureBox, restorePictureBox, {}};
}

UndoKindHandler richTextHandler(UndoRestart restart)
{
    return {ObjectKind::RichText, restart, captureRichTextBox, restoreRichTextBox, {}};
}

} // namespace

UndoKindTable::UndoKindTable()
{
    add(ObjectKind::Picture, pictureHandler(UndoRestart::Picture));
    add(ObjectKind::MovedPicture, pictureHandler(UndoRestart::None));
    UndoKindHandler addedPicture = pictureHandler(UndoRestart::None);
    addedPicture.retract = hidePictureBox;
    add(ObjectKind::AddedPicture, addedPicture);

    add(ObjectKind::RichText, richTextHandler(UndoRestart::RichText));
    add(ObjectKind::MovedRichText, richTextHandler(UndoRestart::None));
    UndoKindHandler addedRichText = richTextHandler(UndoRestart::None);
    addedRichText.retract = hideRichTextBox;
    add(ObjectKind::AddedRichText, addedRichText);

    add(ObjectKind::Text,
        {ObjectKind::Text, UndoRestart::Text, captureTextBox, restoreTextBox, {}});
    add(ObjectKind::Border,
        {ObjectKind::Border, UndoRestart::Picture, captureBorder, restoreBorder, {}});
    add(ObjectKind::Handles,
        {ObjectKind::Handles, UndoRestart::None, captureHandles, restoreHandles, {}});
}

void UndoKindTable::add(ObjectKind kind, UndoKindHandler handler)
{
    if (handler.family == ObjectKind::Nothing)
        handler.family = kind;
    m_handlers.insert(kind, std::move(handler));
}

const UndoKindHandler *UndoKindTable::find(ObjectKind kind) const
{
    const auto it = m_handlers.constFind(kind);
    return it == m_handlers.constEnd() ? nullptr : &it.value();
}

ObjectKind UndoKindTable::familyOf(ObjectKind kind) const
{
    const UndoKindHandler *handler = find(kind);
    return handler ? handler->family : kind;
}

bool isBuiltInPageKind(ObjectKind kind)
{
    static const QVector<ObjectKind> kinds{
        ObjectKind::Picture,       ObjectKind::Text,         ObjectKind::RichText,
        ObjectKind::Border,        ObjectKind::Handles,      ObjectKind::MovedPicture,
        ObjectKind::MovedRichText, ObjectKind::AddedPicture, ObjectKind::AddedRichText};
    return kinds.contains(kind);
}

} // namespace quillora
