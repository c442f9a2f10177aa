#include "core/files/fileworker.h"

namespace quillora {

FileWorker::FileWorker() : m_inThread(new QObject)
{
    m_thread.setObjectName(QStringLiteral("quillora files"));
    m_inThread->moveToThread(&m_thread);
    QObject::connect(&m_thread, &QThread::finished, m_inThread, &QObject::deleteLater);
    m_thread.start();
}

void FileWorker::finishPending()
{
    QMetaObject::invokeMethod(
        m_inThread, [] {}, Qt::BlockingQueuedConnection);
}

FileWorker::~FileWorker()
{
    m_thread.quit();
    m_thread.wait();
}

} // namespace quillora
