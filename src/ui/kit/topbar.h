#pragma once
// The top bar of every title-bar-less window of the program: a band in the frame colour with the
// window's title on a cream tab, the close picture, and the drag that moves the window while
// the bar (or another handle the window names) is held.

#include "core/app/appcontext.h"
#include "ui/kit/windowdrag.h"

#include <QWidget>

class QHBoxLayout;
class QLabel;

namespace quillora {

class PictureButton;

class TopBar : public QWidget {
    Q_OBJECT
public:
    // The bar shows `window`'s title and follows it when it changes (as translation does).
    TopBar(const AppContext &context, QWidget &window);

    QLabel *title() const { return m_title; }
    // Pictures before the title and words after it (the start screen's banner and version).
    void addLeading(QWidget *widget);
    void addTrailing(QWidget *widget);
    // The close picture at the right end of the bar.
    PictureButton *addCloseButton(const QString &objectName);
    // Another widget by which the window can be dragged (a dialog's big message).
    void dragWith(QWidget *handle);

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    const AppContext &m_context;
    QWidget &m_window;
    QHBoxLayout *m_layout = nullptr;
    QLabel *m_title = nullptr;
    int m_leadingCount = 0;
    WindowDrag m_drag;
};

} // namespace quillora
