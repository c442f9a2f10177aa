#pragma once
// The undo history of the object being worked on: snapshots of its state after each change,
// stepped back and forth by the undo and redo buttons and Ctrl+Z / Ctrl+Y.
//
// A window calls beginWorkOn() whenever the current object changes (it restarts the history and
// records the starting state when work turns to another text or picture object), record() after
// every change (stroke released, key released, font changed, object moved, added or resized),
// undo() / redo() from the buttons and keys, and shows `undoBut` / `RedoBut` by undoVisible() /
// redoVisible() after each of these calls.

#include "core/foundation/environment.h"
#include "core/undo/undokinds.h"
#include "core/undo/undorecord.h"

#include <QSize>
#include <QVector>

namespace quillora {

// What an undo or redo did: whether it moved at all, and every object it wrote into.
struct UndoResult {
    bool stepped = false;
    QVector<UndoTarget> changed;
};

class UndoHistory {
public:
    static constexpr int kDefaultCapacity = 20;
    static constexpr int kTextCapacity = 100;
    static constexpr int kRichTextCapacity = 50;
    static constexpr int kMaxCapacity = 32767;

    UndoHistory();

    // Empties every slot: capacity + 1 slots, current step 0, nothing to redo, no object worked on.
    void restart(int capacity);
    // Capacity chosen so the snapshots of a picture of this size hold about three screens of
    // pixels.
    void restartForPicture(QSize pictureSize, const ScreenMetrics &screen);
    void restartForText();
    void restartForRichText();
    // The page reset: the default capacity.
    void reset();
    static int pictureCapacity(QSize pictureSize, const ScreenMetrics &screen);

    // Work turns to `object`. When it is a text or picture object other than the one the history
    // belongs to, the history restarts for it and its starting state is recorded (step 1), so
    // every undo leads back at most to that state. Returns whether the history restarted.
    bool beginWorkOn(const PageModel &page, const CurrentObject &object,
                     const ScreenMetrics &screen);
    const CurrentObject &workObject() const { return m_workObject; }

    // Stores the state of object `index` of `kind` as it is now, after the change. Returns false,
    // and leaves the history untouched, for an unknown kind or a missing object.
    [[nodiscard]] bool record(const PageModel &page, ObjectKind kind, int index);

    // Step back / forward and put the snapshots of the new step into their objects. Does nothing
    // while the matching button is hidden. Kinds the page's document type does not restore are
    // skipped.
    UndoResult undo(PageModel &page);
    UndoResult redo(PageModel &page);

    bool undoVisible() const; // `undoBut`
    bool redoVisible() const; // `RedoBut`

    // Lets a window restore kinds whose objects live outside the page model.
    void addKind(ObjectKind kind, UndoKindHandler handler);

    int capacity() const { return m_capacity; }
    qint32 currentStep() const { return m_currentStep; }
    qint32 redoLimit() const { return m_redoLimit; }
    const QVector<UndoRecord> &records() const { return m_records; }
    // Bytes of picture data the history keeps alive (shared buffers counted once).
    qint64 pictureBytes() const;

private:
    // One object, whichever of its family's kinds a record names it by.
    struct ObjectKey {
        ObjectKind family = ObjectKind::Nothing;
        int index = 0;
        bool operator==(const ObjectKey &) const = default;
        friend size_t qHash(const ObjectKey &key, size_t seed = 0) noexcept
        {
            return qHashMulti(seed, key.family, key.index);
        }
    };

    int chooseSlot(qint32 step) const;
    void store(UndoRecord record);
    bool restorable(ObjectKind kind, DocumentKind documentType) const;
    void restorePart(const UndoRecord &part, PageModel &page, QVector<UndoTarget> &changed) const;
    ObjectKey objectKey(const UndoRecord &record) const;
    const UndoRecord *latestCovering(const ObjectKey &key, qint32 beforeOrAt) const;

    UndoKindTable m_kinds;
    QVector<UndoRecord> m_records;
    int m_capacity = kDefaultCapacity;
    qint32 m_currentStep = 0;
    qint32 m_redoLimit = 0;
    CurrentObject m_workObject;
};

} // namespace quillora
