#pragma once
// Archives written member by member exactly as given, hostile names and modes included, and
// read back whole, for the tests of work files and their packing.

#include <quazip/quazip.h>
#include <quazip/quazipfile.h>
#include <quazip/quazipnewinfo.h>

#include <QList>
#include <QMap>
#include <QTest>

namespace quillora::test {

struct RawMember {
    QString name;
    QByteArray bytes;
    quint32 unixMode = 0100644;
};

inline void writeRawZip(const QString &path, const QList<RawMember> &members)
{
    QuaZip zip(path);
    QVERIFY(zip.open(QuaZip::mdCreate));
    for (const RawMember &member : members) {
        QuaZipFile file(&zip);
        QuaZipNewInfo info(member.name);
        info.externalAttr = member.unixMode << 16;
        QVERIFY(file.open(QIODevice::WriteOnly, info));
        file.write(member.bytes);
        file.close();
    }
    zip.close();
}

// Every member by name; empty when the archive cannot be read.
inline QMap<QString, QByteArray> zipMembers(const QString &path)
{
    QMap<QString, QByteArray> members;
    QuaZip zip(path);
    if (!zip.open(QuaZip::mdUnzip))
        return members;
    for (bool more = zip.goToFirstFile(); more; more = zip.goToNextFile()) {
        QuaZipFile file(&zip);
        if (file.open(QIODevice::ReadOnly))
            members.insert(zip.getCurrentFileName(), file.readAll());
    }
    return members;
}

} // namespace quillora::test

Q_DECLARE_METATYPE(quillora::test::RawMember)
