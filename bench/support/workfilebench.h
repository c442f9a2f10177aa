#pragma once
// The timings every work file benchmark takes of its page: saving and opening through the
// program's own archive code, and the zip and unzip tools packing and unpacking the very same
// members, so the figures can be read against the tools'.

#include "core/doctypes/pagefamily.h"
#include "core/files/workfile.h"
#include "platform/ziparchive.h"
#include "ziptools.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace quillora::bench {

struct WorkFileBench {
    QTemporaryDir dir;
    ZipArchiveFormat zip;
    Staging staging{dir.filePath(QStringLiteral("staging"))};
    PageFitInputs fit;
    PageModel page;
    QString path;

    WorkFileBench(const PageFitInputs &pageFit, const QString &fileName)
        : fit(pageFit), path(dir.filePath(fileName))
    {
    }

    WorkFileContext context() { return {zip, registeredPageFiles(), staging, fit, UnpackLimits{}}; }

    // Writes the page once, as the loops reading the file need it.
    bool save(benchmark::State &state)
    {
        QString error;
        const bool saved = saveWorkFile(page, context(), path, {}, &error);
        if (!saved)
            state.SkipWithError(qPrintable(error));
        return saved;
    }

    void open(benchmark::State &state)
    {
        PageModel opened;
        opened.documentType = page.documentType;
        QString error;
        if (!openWorkFile(opened, context(), path, &error))
            state.SkipWithError(qPrintable(error));
        benchmark::DoNotOptimize(opened.pictureBoxes.constData());
    }

    // The zip tool packing the members the last save packed, at its default compression. Some
    // went from memory straight into the archive, so they are taken out of it, once.
    bool packWithZipTool(const QString &archive)
    {
        const QString members = dir.filePath(QStringLiteral("members"));
        if (!QDir(members).exists() && !unpackWithUnzipTool(members))
            return false;
        QFile::remove(archive);
        return runTool(
            QStringLiteral("zip"),
            QStringList{QStringLiteral("-q"), archive} + Staging(members).membersToPack(), members);
    }

    bool unpackWithUnzipTool(const QString &target)
    {
        QDir(target).removeRecursively();
        return runTool(
            QStringLiteral("unzip"),
            {QStringLiteral("-q"), QStringLiteral("-o"), path, QStringLiteral("-d"), target},
            dir.path());
    }
};

inline void timeSave(benchmark::State &state, WorkFileBench &f)
{
    for (auto _ : state)
        f.save(state);
    state.counters["file_kB"] = double(QFileInfo(f.path).size()) / 1024.0;
}

inline void timeOpen(benchmark::State &state, WorkFileBench &f)
{
    if (!f.save(state))
        return;
    for (auto _ : state)
        f.open(state);
}

// The same members packed by the zip tool, at its default compression like ours.
inline void timeZipTool(benchmark::State &state, WorkFileBench &f)
{
    if (!f.save(state))
        return;
    const QString archive = f.dir.filePath(QStringLiteral("tool.zip"));
    const double cpuBefore = childCpuMs();
    for (auto _ : state) {
        if (!f.packWithZipTool(archive))
            state.SkipWithError("zip failed");
    }
    state.counters["file_kB"] = double(QFileInfo(archive).size()) / 1024.0;
    state.counters["tool_cpu_ms"] = (childCpuMs() - cpuBefore) / double(state.iterations());
}

inline void timeUnzipTool(benchmark::State &state, WorkFileBench &f)
{
    if (!f.save(state))
        return;
    const QString target = f.dir.filePath(QStringLiteral("unpacked"));
    const double cpuBefore = childCpuMs();
    for (auto _ : state) {
        if (!f.unpackWithUnzipTool(target))
            state.SkipWithError("unzip failed");
    }
    state.counters["tool_cpu_ms"] = (childCpuMs() - cpuBefore) / double(state.iterations());
}

} // namespace quillora::bench
