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
    // The badge alone, without the name, for narrow windows.
    void setCompact(bool compact);
    QSize fullSize() const;

signals:
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    QIcon m_badge;
    bool m_compact = false;
};

} // namespace quillora
