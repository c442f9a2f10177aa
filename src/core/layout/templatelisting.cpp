#include "core/layout/templatelisting.h"

#include "core/foundation/paths.h"
#include "core/layout/templatemenu.h"

#include <QDir>
#include <QFileInfo>

namespace quillora {

namespace {

QString thumbnailBeside(const QDir &folder, const QString &baseName)
{
    // The build writes NAME.bmp; a copied set may carry NAME.BMP.
    const QStringList found = folder.entryList({baseName + QStringLiteral(".bmp")}, QDir::Files,
                                               QDir::Name | QDir::IgnoreCase);
    return found.isEmpty() ? QString() : paths::join(folder.path(), found.first());
}

} // namespace

TemplateListing listTemplates(const QString &dataFolder, const QString &folderName)
{
    TemplateListing listing;
    listing.folder = paths::join(paths::join(dataFolder, QStringLiteral("layouts")), folderName);
    const QFileInfo info(listing.folder);
    if (folderName.isEmpty() || !info.isDir() || !info.isReadable() || !info.isExecutable())
        return listing;
    const QDir folder(listing.folder);
    // Without QDir::CaseSensitive the name filter ignores case.
    const QStringList names = folder.entryList(
        {QStringLiteral("*.xml")}, QDir::Files | QDir::Readable, QDir::Name | QDir::IgnoreCase);
    listing.listed = true;
    for (const QString &name : names) {
        if (listing.choices.size() == kSubChoiceSlots)
            break;
        SubChoice choice;
        choice.templatePath = paths::join(listing.folder, name);
        choice.caption = templateCaption(choice.templatePath);
        choice.thumbnailPath = thumbnailBeside(folder, QFileInfo(name).completeBaseName());
        listing.choices.append(choice);
    }
    return listing;
}

} // namespace quillora
