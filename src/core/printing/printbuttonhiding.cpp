#include "core/printing/printbuttonhiding.h"

namespace quillora {

void PrintButtonHiding::applySetting(int hidePrinterTime)
{
    m_setting = hidePrinterTime;
    m_tag = hidePrinterTime;
    m_ticking = false;
    m_visible = hidePrinterTime != kNeverShown;
}

void PrintButtonHiding::afterPrint()
{
    m_tag = m_setting;
    if (m_setting > 0) {
        m_visible = false;
        m_ticking = true;
    }
}

void PrintButtonHiding::tick()
{
    if (!m_ticking)
        return;
    if (m_tag <= 1) {
        m_visible = true;
        m_ticking = false;
        return;
    }
    --m_tag;
}

} // namespace quillora
