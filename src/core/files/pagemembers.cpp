#include "core/files/pagemembers.h"

#include "core/files/fileproblems.h"
#include "core/files/members.h"
#include "core/files/wholefile.h"
#include "core/foundation/fileaccess.h"
#include "core/text/rtfreader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QTextDocument>

#include <algorithm>

namespace quillora {

namespace {

constexpr qint64 kMaxRichTextMemberBytes = 64 * 1024 * 1024;
const QString kBorderMember = QStringLiteral("border.bmp");

template <typename Boxes> int usedCount(int announced, const Boxes &boxes)
{
    return std::clamp<int>(announced, 0, int(boxes.size()));
}

QImage blankPicture(const PictureBoxModel &box)
{
    QImage blank(box.geometry.size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    blank.fill(Qt::white);
    return blank;
}

// Members of an earlier document must not come back into boxes this page never had.
void removeStoredWork(const QDir &folder)
{
    const QStringList stale = folder.entryList(
        {QStringLiteral("pic*.bmp"), QStringLiteral("text*.txt"), QStringLiteral("rtb*.rtf")},
        QDir::Files);
    for (const QString &name : stale)
        QFile::remove(folder.filePath(name));
}

// A stored picture; null when there is none, or (clearing `allUsed`) when it cannot be read.
QImage loadBitmap(const QString &path, bool &allUsed)
{
    QImage image;
    if (!QFile::exists(path))
        return image;
    if (!image.load(path, "BMP")) {
        qCInfo(lcFiles) << "left out the picture" << QFileInfo(path).fileName()
                        << "that could not be read";
        allUsed = false;
        return image;
    }
    return image.convertToFormat(QImage::Format_RGB32);
}

void readPictures(PageModel &page, const QDir &folder, MemberUse use, bool &allUsed)
{
    for (int i = 0; i < usedCount(page.announcedPictureBoxes, page.pictureBoxes); ++i) {
        PictureBoxModel &box = page.pictureBoxes[i];
        const QString path = folder.filePath(pictureMember(i));
        if (use == MemberUse::WorkFile) {
            const QImage stored = loadBitmap(path, allUsed);
            if (!stored.isNull())
                box.image = fitPictureToBox(stored, box.geometry.size());
            continue;
        }
        if (!box.visible || box.geometry.isEmpty() || !QFile::exists(path))
            continue;
        const QImage stored = QImageReader(path, "BMP").read();
        if (!stored.isNull())
            box.image =
                stored.scaled(box.geometry.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                    .convertToFormat(QImage::Format_RGB32);
    }
}

void readTexts(PageModel &page, const QDir &folder, MemberUse use)
{
    for (int i = 0; i < usedCount(page.announcedTextBoxes, page.textBoxes); ++i) {
        TextBoxModel &box = page.textBoxes[i];
        const QString path = folder.filePath(textMember(i));
        if (use == MemberUse::WorkFile) {
            box.text = readTextFile(path);
            continue;
        }
        if (!box.visible || !QFile::exists(path))
            continue;
        box.text = readTextFile(path);
    }
}

void readRichTexts(PageModel &page, const QDir &folder, MemberUse use)
{
    for (int i = 0; i < usedCount(page.announcedRichTextBoxes, page.richTextBoxes); ++i) {
        RichTextBoxModel &box = page.richTextBoxes[i];
        QFile file(folder.filePath(richTextMember(i)));
        if ((use == MemberUse::TemplateSwitch && !box.visible) || !file.open(QIODevice::ReadOnly))
            continue;
        const QByteArray rtf = file.read(kMaxRichTextMemberBytes);
        if (use == MemberUse::WorkFile) {
            box.rtf = QString::fromLatin1(rtf);
            continue;
        }
        QTextDocument content;
        if (!readRtf(rtf, content))
            continue;
        box.rtf = QString::fromLatin1(rtf);
        box.plainText = content.toPlainText();
    }
}

} // namespace

QString pictureMember(int index)
{
    return QStringLiteral("pic%1.bmp").arg(index);
}
QString textMember(int index)
{
    return QStringLiteral("text%1.txt").arg(index);
}
QString richTextMember(int index)
{
    return QStringLiteral("rtb%1.rtf").arg(index);
}

bool writePageMembers(const PageModel &page, const QString &folder, MemberUse use, QString *error)
{
    const QDir dir(folder);
    const bool seenOnly = use == MemberUse::TemplateSwitch;
    if (seenOnly)
        removeStoredWork(dir);
    for (int i = 0; i < usedCount(page.announcedPictureBoxes, page.pictureBoxes); ++i) {
        const PictureBoxModel &box = page.pictureBoxes[i];
        if (seenOnly && (!box.visible || box.image.isNull()))
            continue;
        const QImage picture = box.image.isNull() ? blankPicture(box) : box.image;
        QString why;
        if (!writeImageFile(picture, "BMP", dir.filePath(pictureMember(i)), &why,
                            Durability::Scratch)) {
            setError(error,
                     QStringLiteral("picture %1 could not be written (%2)").arg(i + 1).arg(why));
            return false;
        }
    }
    for (int i = 0; i < usedCount(page.announcedTextBoxes, page.textBoxes); ++i) {
        const TextBoxModel &box = page.textBoxes[i];
        if (seenOnly && !box.visible)
            continue;
        if (!writeTextFile(box.text, dir.filePath(textMember(i)), error))
            return false;
    }
    for (int i = 0; i < usedCount(page.announcedRichTextBoxes, page.richTextBoxes); ++i) {
        const RichTextBoxModel &box = page.richTextBoxes[i];
        if (seenOnly && (!box.visible || box.rtf.isEmpty()))
            continue;
        if (!writeWholeFile(dir.filePath(richTextMember(i)), box.rtf.toLatin1(), error,
                            Durability::Scratch))
            return false;
    }
    // A switch keeps the border picture in the page itself.
    if (!seenOnly && page.border.type != BorderType::None && !page.border.picture.isNull() &&
        !writeImageFile(page.border.picture, "BMP", dir.filePath(kBorderMember), error,
                        Durability::Scratch))
        return false;
    return true;
}

bool readPageMembers(PageModel &page, const QString &folder, MemberUse use)
{
    const QDir dir(folder);
    bool allUsed = true;
    readPictures(page, dir, use, allUsed);
    readTexts(page, dir, use);
    readRichTexts(page, dir, use);
    if (use == MemberUse::WorkFile && page.border.type != BorderType::None) {
        const QImage border = loadBitmap(dir.filePath(kBorderMember), allUsed);
        if (!border.isNull())
            page.border.picture = border;
    }
    return allUsed;
}

} // namespace quillora
