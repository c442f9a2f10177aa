#pragma once
// The plain zip and unzip tools, run beside the program's own archive code so the work file
// benchmarks can be read against them.

#include <QProcess>
#include <QString>
#include <QStringList>

#include <sys/resource.h>

namespace quillora::bench {

// Runs a tool in `folder` to its end; true when it finished normally with exit code 0.
inline bool runTool(const QString &program, const QStringList &arguments, const QString &folder)
{
    QProcess tool;
    tool.setWorkingDirectory(folder);
    tool.start(program, arguments);
    return tool.waitForFinished(60000) && tool.exitStatus() == QProcess::NormalExit &&
           tool.exitCode() == 0;
}

// Processor time spent by finished child processes so far, in milliseconds: the tools' own
// work, which the benchmark's CPU column (this process only) does not see.
inline double childCpuMs()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    const auto ms = [](const timeval &t) { return t.tv_sec * 1000.0 + t.tv_usec / 1000.0; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

} // namespace quillora::bench
