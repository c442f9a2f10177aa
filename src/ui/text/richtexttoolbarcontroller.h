#pragma once
// The rich text toolbar of a document window: shown above a page with rich text boxes (the
// Font button stands in for it otherwise), placed clear of the felt pens, showing the look of
// the current box's selection, and applying what the child chooses on it to that selection.
// The text controller makes it and stores and records every change it makes.

#include "core/layout/colour.h"

#include <QObject>
#include <QPointer>
#include <QVector>

#include <functional>

class QTextCursor;

namespace quillora {

class AppContext;
class DocumentWindow;
class RichTextToolbar;
class TextController;
struct TextStyle;

class RichTextToolbarController : public QObject {
    Q_OBJECT
public:
    // Distance of the toolbar's left edge left of the page's left edge.
    static constexpr int kToolbarLeftOfPagePx = 34;

    RichTextToolbarController(AppContext &context, DocumentWindow &window, TextController &text);

    RichTextToolbar *toolbar() const { return m_toolbar; }

    // After the window showed a page: the toolbar shows when the page has rich text, and follows
    // mouse selections in every rich text box.
    void pageShown(bool hasRichText);
    // After the options changed: the fonts the teacher chose.
    void applySettings();
    // Shows the look of the current rich text box's selection.
    void showLook();
    // Colours the selected characters of the current rich text box.
    void colourSelection(ColourRef colour);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void connectToolbar();
    void place();
    // A toolbar action on the current rich text box: `edit` changes the selection; an empty box
    // has its base style changed by `base` instead when one is given.
    void changeRichText(const std::function<void(QTextCursor &)> &edit,
                        const std::function<void(TextStyle &)> &base = {});

    AppContext &m_context;
    DocumentWindow &m_window;
    TextController &m_text;
    RichTextToolbar *m_toolbar = nullptr;
    QVector<QPointer<QWidget>> m_watchedRichBoxes; // viewports of the rich text boxes
};

} // namespace quillora
