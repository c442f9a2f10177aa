#pragma once
// The controls of a sheet of repeated copies ("Multi"), in the column beside the page: the
// preview of the A4 sheet (`multiPaper`), the copies scroll bar (`numRepScroll`) between the
// fewest (`fewRepsBut`) and most (`LotsRepsBut`) buttons, the count in big figures and the
// "Auto" tick box (`autoCheck`). Input is only reported; the controller decides.

#include <QImage>
#include <QWidget>

class QCheckBox;
class QLabel;
class QScrollBar;

namespace quillora {

class PictureButton;

// The sheet preview: shows its picture centred, with a shadow, and reports a press.
class SheetPreview : public QWidget {
    Q_OBJECT
public:
    explicit SheetPreview(QWidget *parent = nullptr);
    void setSheet(const QImage &sheet);
    const QImage &sheet() const { return m_sheet; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QImage m_sheet;
};

class CopiesSheetPanel : public QWidget {
    Q_OBJECT
public:
    explicit CopiesSheetPanel(QWidget *parent = nullptr);

    // Shows a count and the tick without reporting them as the child's changes.
    void showCopies(int count, bool autoTicked);
    void setPreview(const QImage &sheet);
    // The width the preview's sheet picture should have.
    int previewWidth() const;

    SheetPreview *preview() const { return m_preview; }
    QScrollBar *scrollBar() const { return m_scroll; }
    QCheckBox *autoBox() const { return m_auto; }

signals:
    // The scroll bar moved (by the child, or by the fewest and most buttons).
    void copiesScrolled(int value);
    // The child ticked or unticked "Auto".
    void autoClicked(bool ticked);
    void previewClicked();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void layoutControls();

    SheetPreview *m_preview = nullptr;
    PictureButton *m_fewest = nullptr;
    PictureButton *m_most = nullptr;
    QScrollBar *m_scroll = nullptr;
    QLabel *m_count = nullptr;
    QCheckBox *m_auto = nullptr;
};

} // namespace quillora
