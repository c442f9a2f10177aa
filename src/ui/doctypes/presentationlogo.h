#pragma once
// The program's logo on a document window's toolbar (`logoImg`): a friendly badge and the
// program's name. A teacher presenting the program double-clicks it to start or stop the
// presentation typing.

#include <QIcon>
#include <QWidget>

namespace quillora {

class PresentationLogo : public QWidget {
    Q_OBJECT
public:
    explicit PresentationLogo(QWidget *parent = nullptr);

    QSize sizeHint() const override;

signals:
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    QIcon m_badge;
};

} // namespace quillora
