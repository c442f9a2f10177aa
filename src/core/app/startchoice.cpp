#include "core/app/startchoice.h"

#include "core/layout/documenttypes.h"

namespace quillora {

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
