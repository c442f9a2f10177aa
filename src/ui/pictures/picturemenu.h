#pragma once
// `RtMenu`: the picture menu a right click opens beside a picture. Four big entries
// `RtClkMenu0..3` ("  Copy", "  Paste", "  Import...", "  Cut"), each with its drawn icon
// `RtClkIcon0..3`. The panel only shows and reports; PictureMenuController runs the actions.

#include <QColor>
#include <QFrame>
#include <QPoint>

#include <array>

class QLabel;
class QPushButton;

namespace quillora {

enum class PictureMenuEntry { Copy = 0, Paste = 1, Import = 2, Cut = 3 };
constexpr int kPictureMenuEntries = 4;

class PictureMenu : public QFrame {
    Q_OBJECT
public:
    explicit PictureMenu(QWidget *parent);

    // Shows the panel with its top left near `at` (parent coordinates), kept inside the parent.
    // On the page itself only Paste and Import make sense, so Copy and Cut are left out.
    void showAt(QPoint at, bool pageOnly);
    bool entryShown(PictureMenuEntry entry) const;
    QPushButton *entry(PictureMenuEntry entry) const;
    QLabel *icon(PictureMenuEntry entry) const;
    void setFrameColour(const QColor &colour);

signals:
    void chosen(quillora::PictureMenuEntry entry);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    std::array<QPushButton *, kPictureMenuEntries> m_entries{};
    std::array<QLabel *, kPictureMenuEntries> m_icons{};
    QColor m_frameColour;
};

} // namespace quillora
