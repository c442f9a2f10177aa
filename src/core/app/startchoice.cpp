#include "core/app/startchoice.h"

#include "core/app/paths.h"
#include "core/layout/documenttypes.h"
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

StartSelection::KindResult StartSelection::selectKind(int code, int leafletSizeChoice)
{
    const std::optional<DocumentKind> kind = documentKindFromCode(code);
    if (!kind)
        return KindResult::NoTemplates;
    m_code = code;
    m_folderName = startFolder(*kind, leafletSizeChoice);
    m_subChoice = 0;
    m_listing = {};
    if (m_folderName.isEmpty())
        return KindResult::NoTemplates;
    m_listing = listTemplates(m_dataFolder, m_folderName);
    if (!m_listing.listed || m_listing.choices.isEmpty())
        return KindResult::LayoutsMissing;
    return KindResult::ShowTemplates;
}

bool StartSelection::selectSubChoice(int index)
{
    if (index < 0 || index >= m_listing.choices.size())
        return false;
    m_subChoice = index;
    return true;
}

std::optional<StartChoice> StartSelection::choice() const
{
    if (!kindNeedsTemplate())
        return StartChoice{DocumentKind(m_code), {}};
    if (m_subChoice >= m_listing.choices.size())
        return std::nullopt;
    return StartChoice{DocumentKind(m_code), m_listing.choices[m_subChoice].templatePath};
}

} // namespace quillora
