#include "ui/files/busyindicator.h"

#include "ui/kit/pleasewaitwindow.h"

#include <QGuiApplication>

namespace quillora {

BusyIndicator::BusyIndicator(const AppContext &context) : m_context(context)
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    m_delay.setSingleShot(true);
    m_delay.setInterval(kPleaseWaitAfterMs);
    QObject::connect(&m_delay, &QTimer::timeout, [this] {
        m_pleaseWait = std::make_unique<PleaseWaitWindow>(m_context);
        m_pleaseWait->show();
    });
    m_delay.start();
}

BusyIndicator::~BusyIndicator()
{
    release();
}

void BusyIndicator::release()
{
    m_delay.stop();
    m_pleaseWait.reset();
    if (m_active)
        QGuiApplication::restoreOverrideCursor();
    m_active = false;
}

} // namespace quillora
