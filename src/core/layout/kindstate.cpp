#include "core/layout/kindstate.h"

#include "core/layout/pagemodel.h"

namespace quillora {

void KindState::translateWords(const std::function<QString(const QString &)> &translated)
{
    if (m_hooks)
        m_hooks->translateWords(m_value, translated);
}

void KindState::resetForTemplate()
{
    if (m_hooks)
        m_hooks->resetForTemplate(m_value);
}

void KindState::addReadingPieces(const PageModel &page, QVector<KindReadingPiece> &pieces) const
{
    if (m_hooks)
        m_hooks->addReadingPieces(m_value, page, pieces);
}

std::optional<KindReadingPiece> KindState::currentReadingPiece(const PageModel &page,
                                                               int editedText) const
{
    KindReadingPiece piece;
    if (m_hooks && m_hooks->currentReadingPiece(m_value, page, editedText, piece))
        return piece;
    return std::nullopt;
}

QString KindState::textBoxWords(const PageModel &page, int index, const QString &text) const
{
    return m_hooks ? m_hooks->textBoxWords(m_value, page, index, text) : text;
}

KindState KindState::pictureZeroPart() const
{
    return m_hooks && m_hooks->followsPictureZero ? *this : KindState{};
}

void KindState::restorePictureZeroPart(const KindState &part)
{
    if (!part.isEmpty())
        *this = part;
    else if (m_hooks && m_hooks->followsPictureZero)
        *this = {};
}

bool KindState::holdsSameStateAs(const KindState &other) const
{
    if (m_hooks != other.m_hooks)
        return false;
    return !m_hooks || m_hooks->equal(m_value, other.m_value);
}

} // namespace quillora
