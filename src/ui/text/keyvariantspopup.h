#pragma once
// The row of large keys that pops up over a held key of the on-screen keyboard, offering the
// letters with marks written on it. Sliding the finger onto one and lifting picks it, as does a
// tap while the row stays open.

#include <QStringList>
#include <QWidget>

namespace quillora {

class KeyVariantsPopup : public QWidget {
    Q_OBJECT
public:
    static constexpr int kKeySizePx = 56;

    explicit KeyVariantsPopup(QWidget *parent);

    // Opens the row over `keyRect` (in the parent's coordinates), inside the parent.
    void open(const QStringList &variants, const QRect &keyRect);
    // The variant under `globalPoint`, or -1; the one under the finger is drawn pressed.
    int variantAt(const QPoint &globalPoint) const;
    void highlightAt(const QPoint &globalPoint);

signals:
    void picked(int variant);

protected:
    void paintEvent(QPaintEvent *) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QRect variantRect(int variant) const;

    QStringList m_variants;
    int m_highlighted = -1;
};

} // namespace quillora
