#pragma once
// A single-page window, wired as the program wires it, on a hand-made page, for the text tests.

#include "platform/keysender.h"
#include "support/windowfixture.h"
#include "ui/doctypes/pageview.h"
#include "ui/doctypes/simplepagewindow.h"
#include "ui/text/richtextboxwidget.h"
#include "ui/text/textboxwidget.h"
#include "ui/text/textcontroller.h"
#include "ui/undo/undocontroller.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTest>

namespace quillora {

// Types into the widget that has the focus in the test window, as the real sender does with the
// application's focus (an offscreen test window is never the active one).
class WindowKeySender : public KeySender {
public:
    QWidget *window = nullptr;
    void send(const KeyStroke &stroke) override
    {
        QWidget *target = window ? window->focusWidget() : nullptr;
        if (!target)
            return;
        switch (stroke.action) {
        case KeyAction::Backspace:
            QTest::keyClick(target, Qt::Key_Backspace);
            break;
        case KeyAction::Enter:
            QTest::keyClick(target, Qt::Key_Return);
            break;
        case KeyAction::Text:
            QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, stroke.text, Qt::NoModifier);
            break;
        }
    }
};

inline void selectRange(QTextEdit *edit, int from, int to)
{
    QTextCursor cursor = edit->textCursor();
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    edit->setTextCursor(cursor);
}

struct TextFixture : WindowFixture {
    explicit TextFixture(int texts, int richTexts, DocumentKind documentType = DocumentKind::Simple)
    {
        PageModel &page = context.page;
        page.documentType = documentType;
        page.pageWidthMm = 210;
        page.pageHeightMm = 297;
        page.pageRect = QRect(300, 110, 600, 680);
        page.textBoxes.resize(texts);
        for (int i = 0; i < texts; ++i) {
            page.textBoxes[i].visible = true;
            page.textBoxes[i].geometry = QRect(10, 10 + 90 * i, 300, 80);
        }
        page.richTextBoxes.resize(richTexts);
        for (int i = 0; i < richTexts; ++i) {
            page.richTextBoxes[i].visible = true;
            page.richTextBoxes[i].geometry = QRect(320, 10 + 130 * i, 260, 120);
        }
        keys.window = window.get();
        wire({}, &keys);
        undo = controllers.undo;
        text = controllers.text;
    }

    void show()
    {
        window->showPage(); // the controller follows by itself
        window->show();
    }

    TextBoxWidget *textBox(int i) const { return window->pageView()->textBox(i); }
    RichTextBoxWidget *richBox(int i) const { return window->pageView()->richTextBox(i); }

    WindowKeySender keys;
    UndoController *undo = nullptr;
    TextController *text = nullptr;
};

} // namespace quillora
