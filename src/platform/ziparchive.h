#pragma once
// ZIP archives through QuaZip, for work files.

#include "core/files/archive.h"

namespace quillora {

class ZipArchiveFormat : public ArchiveFormat {
public:
    std::unique_ptr<ArchiveReader> openReader(const QString &path, QString *error) override;
    // Writes into a temporary file beside `path`, renamed over it only by a successful finish.
    std::unique_ptr<ArchiveWriter> createWriter(const QString &path, QString *error) override;
    // The same, deflating at the fastest level.
    std::unique_ptr<ArchiveWriter> createQuickWriter(const QString &path, QString *error) override;
};

} // namespace quillora
