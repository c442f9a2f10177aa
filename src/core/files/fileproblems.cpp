#include "core/files/fileproblems.h"

#include "core/layout/documenttypes.h"

#include <QFileInfo>
#include <QStorageInfo>

namespace quillora {

Q_LOGGING_CATEGORY(lcFiles, "quillora.files")

namespace {

// A disk this close to full after a failed write was what stopped it.
constexpr qint64 kLowRoomSlackBytes = 1024 * 1024;

} // namespace

QString saveTroubleSentence(FileTrouble trouble)
{
    switch (trouble) {
    case FileTrouble::NoRoom:
        return QStringLiteral(QT_TRANSLATE_NOOP(
            "Quillora", "The disk is full, so this file couldn't be saved: ask your teacher "
                        "to make some room, or save it somewhere else."));
    case FileTrouble::NotAllowed:
        return QStringLiteral(QT_TRANSLATE_NOOP(
            "Quillora", "This file couldn't be saved here: choose another folder, or ask "
                        "your teacher."));
    case FileTrouble::NotReady:
        return kNotReadyMessage;
    default:
        return QStringLiteral(QT_TRANSLATE_NOOP("Quillora", "Sorry. This file couldn't be saved."));
    }
}

QString openTroubleSentence(FileTrouble trouble)
{
    switch (trouble) {
    case FileTrouble::Missing:
        return QStringLiteral(QT_TRANSLATE_NOOP(
            "Quillora", "This file couldn't be found: it may have been moved or renamed."));
    case FileTrouble::Damaged:
        return QStringLiteral(QT_TRANSLATE_NOOP(
            "Quillora", "This file is damaged: it may not have finished copying."));
    case FileTrouble::TooBig:
        return QStringLiteral(QT_TRANSLATE_NOOP(
            "Quillora", "This file is too big to open: ask your teacher to look at it."));
    case FileTrouble::NewerProgram:
        return QStringLiteral(QT_TRANSLATE_NOOP(
            "Quillora", "This file was made by a newer Quillora: ask your teacher to "
                        "update this one."));
    case FileTrouble::NotReady:
        return kNotReadyMessage;
    case FileTrouble::NoRoom:
        return QStringLiteral(QT_TRANSLATE_NOOP(
            "Quillora", "The disk is full, so this file couldn't be opened: ask your "
                        "teacher to make some room."));
    case FileTrouble::NotAllowed:
        return QStringLiteral(QT_TRANSLATE_NOOP(
            "Quillora", "This file may not be opened: ask your teacher to check it."));
    default:
        return QStringLiteral(
            QT_TRANSLATE_NOOP("Quillora", "Sorry. This file couldn't be opened."));
    }
}

FileTrouble writeTrouble(const QString &path, qint64 bytesNeeded)
{
    const QFileInfo folder(QFileInfo(path).absolutePath());
    if (!folder.isDir() || !folder.isWritable())
        return FileTrouble::NotAllowed;
    const QStorageInfo disk(folder.absoluteFilePath());
    if (disk.isValid() && disk.bytesAvailable() < bytesNeeded + kLowRoomSlackBytes)
        return FileTrouble::NoRoom;
    return FileTrouble::Other;
}

} // namespace quillora
