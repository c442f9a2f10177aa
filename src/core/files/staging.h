#pragma once
// The staging folder: where the members of the current document are written before packing
// and unpacked before reading. It is private to this run of the program.

#include "core/files/archive.h"
#include "core/files/fileproblems.h"

#include <QString>
#include <QStringList>

namespace quillora {

struct UnpackLimits {
    int maxMembers = 1000;
    qint64 maxMemberBytes = 256LL * 1024 * 1024;
    qint64 maxTotalBytes = 1024LL * 1024 * 1024;
    // What pictures may take in memory together while the page is built from them.
    qint64 maxHeldBytes = 128LL * 1024 * 1024;
};

class Staging {
public:
    explicit Staging(QString folder) : m_folder(std::move(folder)) {}

    const QString &folder() const { return m_folder; }
    QString memberPath(const QString &memberName) const;

    // Deletes the members of an earlier document; with previews, the layout mask pictures too.
    void clear(bool withPreviews) const;

    // The members that go into a work file, in packing order: "*.txt", "*.bmp", "*.rtf", "*.xml",
    // "layout*.png", "step*.png", each group in name order, the files of the folder and the
    // `held` members together; the webcam snapshot "web.bmp" is deleted first and never packed.
    QStringList membersToPack(const HeldMembers &held = {}) const;
    // What those members take together.
    qint64 bytesToPack(const HeldMembers &held = {}) const;

    // A held member is packed from memory, in place of a file of the same name.
    [[nodiscard]] bool pack(ArchiveFormat &format, const QString &archivePath, QString *error,
                            Packing packing = Packing::Small, const HeldMembers &held = {}) const;

    // Moves every file of `folder` (a checked, freshly unpacked archive) into staging.
    [[nodiscard]] bool adoptFrom(const QString &folder, QString *error) const;

private:
    QString m_folder;
};

// Extracts into `targetFolder` (new and empty) only regular members with bare, safe names,
// within the limits; `outcome` learns of members passed over and why a refusal happened. A
// hostile or broken archive is refused with the reason; what was written before the refusal
// stays in `targetFolder` for the caller to discard. Given `held`, pictures ("pic*.bmp") go
// there instead of into files while they take no more than the limits' `maxHeldBytes`.
[[nodiscard]] bool unpackArchive(ArchiveFormat &format, const QString &archivePath,
                                 const QString &targetFolder, const UnpackLimits &limits,
                                 QString *error, FileOutcome *outcome = nullptr,
                                 HeldMembers *held = nullptr);

// Writes every held member as a file of `folder`; `outcome` learns why it could not.
[[nodiscard]] bool writeHeldMembers(const HeldMembers &held, const QString &folder, QString *error,
                                    FileOutcome *outcome = nullptr);

// A member name that may be written into the staging folder: no folders, no "..", no drive or
// absolute paths, no control characters.
bool isSafeMemberName(const QString &name);

} // namespace quillora
