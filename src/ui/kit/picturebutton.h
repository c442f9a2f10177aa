#pragma once
// A button that is a picture and sinks 2 pixels right and down while it is held, the way
// every button a child presses in this program behaves.

#include <QAbstractButton>
#include <QIcon>
#include <QPoint>

namespace quillora {

class PictureButton : public QAbstractButton {
    Q_OBJECT
public:
    // `objectName` names the control for translation and tests; `caption` becomes its tool tip
    // and accessible name, so screen readers and automation find it.
    PictureButton(const QString &objectName, const QIcon &picture, const QString &caption,
                  QWidget *parent = nullptr);

    void setPicture(const QIcon &picture);
    // Sets tool tip and accessible name together (translation goes through here too).
    void setCaption(const QString &caption);
    QString caption() const { return toolTip(); }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void sink();
    void rise();

    QIcon m_picture;
    QPoint m_restPosition;
    bool m_sunk = false;
};

} // namespace quillora
