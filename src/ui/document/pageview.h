#pragma once
// The page on screen (`Paper`): white, with one control per object of the page model and a frame
// round each. Controls are created when a page first needs them and reused afterwards; objects a
// page does not use are hidden. Input is only reported: the window decides what it means.

#include "core/layout/pagemodel.h"

#include <QColor>
#include <QStringList>
#include <QVector>
#include <QWidget>

#include <functional>
#include <optional>

namespace quillora {

class ObjectFrame;
class PictureBoxWidget;
class RichTextBoxWidget;
class TextBoxWidget;
class Translator;

class PageView : public QWidget {
    Q_OBJECT
public:
    explicit PageView(QWidget *parent = nullptr);

    // Colour of every object frame (the settings may ask for a darker one).
    void setFrameColour(const QColor &colour);
    // A text box still holding one of `marks`, the page's placeholders ("Abc"), shows the mark
    // in `words`, the child's language as it is when the box is shown; the page keeps the mark.
    void translatePlaceholders(const Translator &words, QStringList marks);
    // Installed on every text control, made now or later, so the window sees keys first.
    void setKeyFilter(QObject *filter);

    // Where the page of object `index` stands in this view, for a view that shows several pages
    // side by side (a leaflet's spread); nothing when that page is not shown now. Without it
    // every object stands where its geometry says.
    using PagePlacement = std::function<std::optional<QPoint>(int index)>;
    void setPagePlacement(PagePlacement placement);

    // Places the page at `page.pageRect` and brings every control in line with the model.
    void showPage(const PageModel &page);
    void syncTextBox(int index, const TextBoxModel &box);
    void syncRichTextBox(int index, const RichTextBoxModel &box);
    void syncPictureBox(int index, const PictureBoxModel &box);

    // The controls made so far (nullptr for an index never shown): a page may show fewer.
    TextBoxWidget *textBox(int index) const;
    RichTextBoxWidget *richTextBox(int index) const;
    PictureBoxWidget *pictureBox(int index) const;
    ObjectFrame *textFrame(int index) const;
    ObjectFrame *richTextFrame(int index) const;
    ObjectFrame *pictureFrame(int index) const;
    int textBoxesMade() const { return int(m_textBoxes.size() - m_textBoxes.count(nullptr)); }
    int richTextBoxesMade() const
    {
        return int(m_richTextBoxes.size() - m_richTextBoxes.count(nullptr));
    }
    int pictureBoxesMade() const
    {
        return int(m_pictureBoxes.size() - m_pictureBoxes.count(nullptr));
    }

    // The page's border as it shows under the objects (page pixels, transparent where there is
    // no border); a null image for none. A press on a drawn part of it is a border press.
    void setBorderImage(const QImage &border);
    const QImage &borderImage() const { return m_borderImage; }
    // Where the border stands in this view (the page it belongs to), or nothing to hide it.
    void setBorderPlacement(std::optional<QPoint> origin);
    bool isOnBorder(QPoint position) const;

signals:
    void paperPressed(QPoint position, Qt::MouseButton button);
    // The left button (or a finger) pressed on the paper moved, or was let go.
    void paperMoved(QPoint position);
    void paperReleased(QPoint position);
    // A finger pressed on the paper (not its border) went from `from` to `to` and was lifted.
    void fingerLifted(QPoint from, QPoint to);
    void textBoxPressed(int index);
    void textBoxEdited(int index, const QString &text);
    void textBoxKeyReleased(int index);
    void richTextBoxPressed(int index);
    void richTextBoxEdited(int index);
    void richTextBoxKeyReleased(int index);
    // `pointer`: the mouse or a finger (PictureBoxWidget).
    void pictureBoxPressed(int index, QPoint position, Qt::MouseButton button, int pointer);
    void pictureBoxMoved(int index, QPoint position, Qt::MouseButtons buttons, int pointer);
    void pictureBoxReleased(int index, QPoint position, Qt::MouseButton button, int pointer);
    void pictureBoxTouchCancelled(int index, int pointer);
    // A press on the border band of the page (instead of paperPressed).
    void borderPressed(QPoint position, Qt::MouseButton button);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    TextBoxWidget *makeTextBox(int index);
    RichTextBoxWidget *makeRichTextBox(int index);
    PictureBoxWidget *makePictureBox(int index);
    ObjectFrame *makeFrame(const QString &name, int index);
    void placeObject(QWidget *object, ObjectFrame *frame, int index, const QRect &geometry,
                     bool visible);

    QVector<TextBoxWidget *> m_textBoxes;
    QVector<RichTextBoxWidget *> m_richTextBoxes;
    QVector<PictureBoxWidget *> m_pictureBoxes;
    QVector<ObjectFrame *> m_textFrames;
    QVector<ObjectFrame *> m_richTextFrames;
    QVector<ObjectFrame *> m_pictureFrames;
    QColor m_frameColour = QColor(0xC0, 0xC0, 0xC0);
    const Translator *m_placeholderWords = nullptr;
    QStringList m_placeholderMarks;
    QObject *m_keyFilter = nullptr;
    QImage m_borderImage;
    std::optional<QPoint> m_borderOrigin = QPoint(0, 0);
    PagePlacement m_placement;
    std::optional<QPoint> m_fingerDown; // where a finger pressed the paper
};

} // namespace quillora
