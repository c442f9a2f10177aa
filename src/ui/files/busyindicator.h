#pragma once
// The busy pointer while a file is saved or opened and, past half a second, the program's own
// "Please wait..." window, so a child at the whiteboard sees that something is happening.

#include "core/app/appcontext.h"

#include <QTimer>

#include <memory>

namespace quillora {

class PleaseWaitWindow;

class BusyIndicator {
public:
    static constexpr int kPleaseWaitAfterMs = 500;

    explicit BusyIndicator(const AppContext &context);
    ~BusyIndicator();
    // Puts the pointer back and closes the window; called before any message shows.
    void release();

private:
    const AppContext &m_context;
    QTimer m_delay;
    std::unique_ptr<PleaseWaitWindow> m_pleaseWait;
    bool m_active = true;
};

} // namespace quillora
