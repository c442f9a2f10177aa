#pragma once
// "Please wait...": shown while the start screen gets ready.

#include "core/app/appcontext.h"

#include <QWidget>

namespace quillora {

class PleaseWaitWindow : public QWidget {
    Q_OBJECT
public:
    explicit PleaseWaitWindow(const AppContext &context, QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    const AppContext &m_context;
};

} // namespace quillora
