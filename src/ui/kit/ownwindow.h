#pragma once
// The base of every window of the program that is not a document window: no system title bar,
// cream paper inside a border in the frame colour, and the one top bar (title, close picture,
// drag). Its texts are translated each time it is shown.

#include "core/app/appcontext.h"

#include <QDialog>

class QVBoxLayout;

namespace quillora {

class PictureButton;
class TopBar;

class OwnWindow : public QDialog {
    Q_OBJECT
public:
    // `title` names the window on its top bar, in the task bar and for screen readers.
    OwnWindow(AppContext &context, const QString &objectName, const QString &title,
              QWidget *parent = nullptr);

    TopBar *topBar() const { return m_topBar; }

protected:
    AppContext &context() const { return m_context; }
    // Everything under the top bar.
    QVBoxLayout *windowLayout() const { return m_content; }
    // The close picture on the top bar; it does what Escape does (reject()).
    PictureButton *addCloseButton(const QString &objectName);

    void setVisible(bool visible) override;
    void paintEvent(QPaintEvent *event) override;
    // Called once the window's texts are in the child's language, before it takes its size.
    virtual void textsTranslated() {}

private:
    AppContext &m_context;
    TopBar *m_topBar = nullptr;
    QVBoxLayout *m_content = nullptr;
};

} // namespace quillora
