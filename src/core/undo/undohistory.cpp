#include "core/undo/undohistory.h"

#include <QLoggingCategory>
#include <QSet>

#include <algorithm>

Q_LOGGING_CATEGORY(lcUndo, "quillora.undo")

namespace quillora {

namespace {

struct Covering {
    const UndoRecord *part = nullptr;
    qint32 step = kEmptyUndoStep;
};

template <typename Visit> void forEachPart(const UndoRecord &record, Visit visit)
{
    visit(record);
    for (const UndoRecord &moved : record.movedObjects)
        visit(moved);
}

} // namespace

UndoHistory::UndoHistory()
{
    reset();
}

void UndoHistory::restart(int capacity)
{
    m_capacity = std::clamp(capacity, 0, kMaxCapacity);
    m_records = QVector<UndoRecord>(m_capacity + 1);
    m_currentStep = 0;
    m_redoLimit = 0;
    m_workObject = {};
}

int UndoHistory::pictureCapacity(QSize pictureSize, const ScreenMetrics &screen)
{
    const qint64 pictureArea =
        qint64(std::max(pictureSize.width(), 0)) * std::max(pictureSize.height(), 0);
    if (pictureArea == 0)
        return kMaxCapacity;
    const double screenArea = double(screen.widthPx) * screen.heightPx;
    const qint64 capacity = qRound64(3.0 * screenArea / double(pictureArea));
    // A picture larger than three screens still keeps one step to undo.
    return int(std::clamp<qint64>(capacity, 1, kMaxCapacity));
}

void UndoHistory::restartForPicture(QSize pictureSize, const ScreenMetrics &screen)
{
    restart(pictureCapacity(pictureSize, screen));
}

void UndoHistory::restartForText()
{
    restart(kTextCapacity);
}

void UndoHistory::restartForRichText()
{
    restart(kRichTextCapacity);
}

void UndoHistory::reset()
{
    restart(kDefaultCapacity);
}

bool UndoHistory::beginWorkOn(const PageModel &page, const CurrentObject &object,
                              const ScreenMetrics &screen)
{
    const UndoKindHandler *handler = m_kinds.find(object.kind);
    if (!handler || handler->restart == UndoRestart::None || object == m_workObject)
        return false;
    UndoRecord start;
    start.kind = object.kind;
    start.index = object.index;
    if (!handler->capture(page, object.index, start)) {
        qCDebug(lcUndo) << "no object to work on:" << objectKindCode(object.kind) << object.index;
        return false;
    }
    switch (handler->restart) {
    case UndoRestart::Picture:
        restartForPicture(start.geometry.isValid() ? start.geometry.size() : start.picture.size(),
                          screen);
        break;
    case UndoRestart::Text:
        restartForText();
        break;
    case UndoRestart::RichText:
        restartForRichText();
        break;
    case UndoRestart::None:
        break;
    }
    m_workObject = object;
    store(std::move(start));
    return true;
}

bool UndoHistory::record(const PageModel &page, ObjectKind kind, int index)
{
    const UndoKindHandler *handler = m_kinds.find(kind);
    if (!handler) {
        qCDebug(lcUndo) << "unknown kind recorded:" << objectKindCode(kind);
        return false;
    }
    UndoRecord record;
    record.kind = kind;
    record.index = index;
    if (!handler->capture(page, index, record)) {
        qCDebug(lcUndo) << "nothing to record for" << objectKindCode(kind) << index;
        return false;
    }
    // A step that changes nothing (a Ctrl key let go, a press that only selected) would stand
    // between the child and the step before: undo would seem to do nothing, and redo be lost.
    for (const UndoRecord &current : m_records) {
        if (current.step == m_currentStep && current.holdsSameStateAs(record))
            return true;
    }
    store(std::move(record));
    return true;
}

int UndoHistory::chooseSlot(qint32 step) const
{
    // A slot left over from an undone step with this number is taken first; otherwise the oldest,
    // and empty slots (step -99) are the oldest of all. Ties go to the lowest index.
    int oldest = 0;
    for (int i = 0; i < m_records.size(); ++i) {
        if (m_records.at(i).step == step)
            return i;
        if (m_records.at(i).step < m_records.at(oldest).step)
            oldest = i;
    }
    return oldest;
}

void UndoHistory::store(UndoRecord record)
{
    const qint32 step = m_currentStep + 1;
    const int slot = chooseSlot(step);
    record.step = step;
    m_records[slot] = std::move(record);
    // A change after undos ends the redo branch: drop what is left of it so a later step with the
    // same number never finds a stale snapshot, and its pictures are freed now.
    for (int i = 0; i < m_records.size(); ++i) {
        if (i != slot && m_records.at(i).step >= step)
            m_records[i] = UndoRecord{};
    }
    m_currentStep = step;
    m_redoLimit = step;
}

bool UndoHistory::restorable(ObjectKind kind, DocumentKind documentType) const
{
    return !isBuiltInPageKind(kind) || kindInfo(documentType).undoKindsRestored.contains(kind);
}

void UndoHistory::restorePart(const UndoRecord &part, PageModel &page,
                              QVector<UndoTarget> &changed) const
{
    if (const UndoKindHandler *handler = m_kinds.find(part.kind); handler && handler->restore)
        handler->restore(part, page, changed);
}

UndoHistory::ObjectKey UndoHistory::objectKey(const UndoRecord &record) const
{
    const ObjectKind family = m_kinds.familyOf(record.kind);
    const int index =
        family == ObjectKind::Handles || family == ObjectKind::Border ? 0 : record.index;
    return {family, index};
}

const UndoRecord *UndoHistory::latestCovering(const ObjectKey &key, qint32 beforeOrAt) const
{
    Covering best;
    for (const UndoRecord &record : m_records) {
        if (record.isEmpty() || record.step > beforeOrAt || record.step <= best.step)
            continue;
        forEachPart(record, [&](const UndoRecord &part) {
            if (objectKey(part) == key)
                best = {&part, record.step};
        });
    }
    return best.part;
}

UndoResult UndoHistory::undo(PageModel &page)
{
    if (!undoVisible())
        return {};
    const qint32 leaving = m_currentStep;
    --m_currentStep;
    UndoResult result{true, {}};
    for (const UndoRecord &record : m_records) {
        if (record.step == m_currentStep && restorable(record.kind, page.documentType))
            restorePart(record, page, result.changed);
    }
    // An object changed by the step being left may not be described by the new step (the history
    // can mix objects: a handle drag between strokes, a box added from the page). Put it back as
    // its latest earlier record has it, or take it away if the step being left added it.
    QSet<ObjectKey> coveredNow;
    for (const UndoRecord &record : m_records) {
        if (record.step == m_currentStep)
            forEachPart(record,
                        [&](const UndoRecord &part) { coveredNow.insert(objectKey(part)); });
    }
    for (const UndoRecord &record : m_records) {
        if (record.step != leaving || !restorable(record.kind, page.documentType))
            continue;
        const UndoKindHandler *handler = m_kinds.find(record.kind);
        forEachPart(record, [&](const UndoRecord &part) {
            const ObjectKey key = objectKey(part);
            if (coveredNow.contains(key))
                return;
            if (&part == &record && handler && handler->retract) {
                handler->retract(record, page, result.changed);
            } else if (const UndoRecord *earlier = latestCovering(key, m_currentStep)) {
                // Only this object: the others an earlier handle record holds may have changed
                // since.
                UndoRecord alone = *earlier;
                alone.movedObjects.clear();
                restorePart(alone, page, result.changed);
            }
        });
    }
    return result;
}

UndoResult UndoHistory::redo(PageModel &page)
{
    if (!redoVisible())
        return {};
    ++m_currentStep;
    UndoResult result{true, {}};
    for (const UndoRecord &record : m_records) {
        if (record.step == m_currentStep && restorable(record.kind, page.documentType))
            restorePart(record, page, result.changed);
    }
    return result;
}

bool UndoHistory::undoVisible() const
{
    // Shown only while the state undo leads to is still held: after the oldest slot has been
    // overwritten, a press would otherwise change nothing on screen.
    if (m_currentStep < 2)
        return false;
    return std::any_of(m_records.cbegin(), m_records.cend(), [this](const UndoRecord &record) {
        return record.step == m_currentStep - 1;
    });
}

bool UndoHistory::redoVisible() const
{
    return m_currentStep < m_redoLimit;
}

void UndoHistory::addKind(ObjectKind kind, UndoKindHandler handler)
{
    m_kinds.add(kind, std::move(handler));
}

qint64 UndoHistory::pictureBytes() const
{
    QSet<const uchar *> counted;
    qint64 bytes = 0;
    for (const UndoRecord &record : m_records) {
        forEachPart(record, [&](const UndoRecord &part) {
            if (part.picture.isNull() || counted.contains(part.picture.constBits()))
                return;
            counted.insert(part.picture.constBits());
            bytes += part.picture.sizeInBytes();
        });
    }
    return bytes;
}

} // namespace quillora
