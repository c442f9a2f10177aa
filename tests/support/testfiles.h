#pragma once
// Writing and reading whole files in tests that lay out folders of work files, templates and
// settings.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

namespace quillora::test {

// Writes the file, making its folders first.
inline void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(path));
    file.write(bytes);
}

// The whole file, or nothing when it cannot be read.
inline QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace quillora::test
