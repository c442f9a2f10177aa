#pragma once
// A document window with every controller attached as the program attaches them: the one
// window fixture of the window tests. What reaches outside (camera, picture menu services, the
// file controller) is set before `wire()`.

#include "core/app/appcontext.h"
#include "core/printing/imageprintdevice.h"
#include "platform/camera.h"
#include "platform/clipboard.h"
#include "platform/keysender.h"
#include "platform/pictureloader.h"
#include "platform/voice.h"
#include "ui/doctypes/documentwiring.h"
#include "ui/document/pageview.h"
#include "ui/doctypes/simplepagewindow.h"
#include "ui/pictures/paintingcontroller.h"
#include "ui/document/pictureboxwidget.h"
#include "ui/document/richtextboxwidget.h"
#include "ui/document/textboxwidget.h"
#include "ui/text/textcontroller.h"
#include "ui/undo/undocontroller.h"

#include <QPointingDevice>
#include <QTest>

#include <memory>

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

// The left button's press, a move held down, or its release, at a point of the screen: the
// widget may move under the pointer, as a dragged one does.
inline void sendMouse(QWidget *widget, QEvent::Type type, QPoint global,
                      Qt::KeyboardModifiers keys = {})
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, widget->mapFromGlobal(global), global, button, held, keys);
    QCoreApplication::sendEvent(widget, &event);
}

// Presses `widget` at `from` (its own coordinates), moves the pointer by `by` in `steps` and
// lets go; each event placed from the screen, so a widget that follows the pointer gets them all.
inline void dragBy(QWidget *widget, QPoint from, QPoint by, int steps = 2,
                   Qt::KeyboardModifiers keys = {})
{
    const QPoint start = widget->mapToGlobal(from);
    sendMouse(widget, QEvent::MouseButtonPress, start, keys);
    for (int step = 1; step <= steps; ++step)
        sendMouse(widget, QEvent::MouseMove, start + by * step / steps, keys);
    sendMouse(widget, QEvent::MouseButtonRelease, start + by, keys);
}

inline void moveMouse(QWidget *widget, QPoint at, Qt::MouseButtons held = Qt::LeftButton)
{
    QMouseEvent event(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, held,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

// Press, a few moves along the way, release.
inline void dragMouse(QWidget *widget, QPoint from, QPoint to,
                      Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mousePress(widget, button, {}, from);
    for (int step = 1; step <= 4; ++step)
        moveMouse(widget, from + (to - from) * step / 4, button);
    QTest::mouseRelease(widget, button, {}, to);
}

// A finger pressed on `widget` at `from`, drawn by `by` and lifted, sent to the widget's window
// as the screen sends it: the touch stays with what it pressed, however that moves.
inline void fingerDrag(QWidget *widget, QPointingDevice *touchScreen, QPoint from, QPoint by)
{
    constexpr int steps = 8;
    QWidget *window = widget->window();
    const QPoint start = widget->mapTo(window, from);
    QTest::touchEvent(window, touchScreen).press(0, start);
    for (int step = 1; step <= steps; ++step)
        QTest::touchEvent(window, touchScreen).move(0, start + by * step / steps);
    QTest::touchEvent(window, touchScreen).release(0, start + by);
}

// The fixture for any kind of document window; `WindowFixture` is the single-page one.
template <typename Window> struct DocumentWindowFixture {
    static Environment screen(int widthPx = 1280, int heightPx = 800)
    {
        Environment environment;
        environment.screen.widthPx = widthPx;
        environment.screen.heightPx = heightPx;
        return environment;
    }

    explicit DocumentWindowFixture(Environment environment = screen())
        : context(environment), window(std::make_unique<Window>(context))
    {
        keys.window = window.get();
    }

    // A window `make` builds (the shell's registry builds any kind's), for DocumentWindow itself.
    DocumentWindowFixture(Environment environment,
                          const std::function<std::unique_ptr<Window>(AppContext &)> &make)
        : context(environment), window(make(context))
    {
        keys.window = window.get();
    }

    // A hand-made page of `kind`, wired.
    DocumentWindowFixture(DocumentKind kind, int texts, int richTexts, int pictureCount = 0)
        : DocumentWindowFixture()
    {
        makePage(texts, richTexts, pictureCount);
        context.page.documentType = kind;
        wire();
    }

    // A hand-made page: a column of text boxes, one of rich text boxes beside it, and a row of
    // picture boxes below both.
    void makePage(int texts, int richTexts, int pictureCount = 0, QSize pictureSize = {200, 160})
    {
        PageModel &page = context.page;
        page.pageWidthMm = 210;
        page.pageHeightMm = 297;
        page.pageRect = QRect(300, 80, 600, 700);
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
        page.pictureBoxes.resize(pictureCount);
        for (int i = 0; i < pictureCount; ++i) {
            page.pictureBoxes[i].visible = true;
            page.pictureBoxes[i].geometry =
                QRect(QPoint(10 + (pictureSize.width() + 10) * i, 400), pictureSize);
        }
    }

    // Attaches the controllers. Without a camera factory the webcam never opens; without
    // picture menu services the menu uses the clipboard and picture files.
    void wire()
    {
        if (!makeCamera)
            makeCamera = [] { return std::unique_ptr<Camera>(); };
        if (!pictureMenu) {
            pictureMenu = [] {
                return PictureMenuServices{std::make_unique<SystemClipboard>(),
                                           std::make_unique<FilePictureLoader>(), nullptr};
            };
        }
        const DocumentServices services{
            printers, pictures, keys, makeCamera, std::move(pictureMenu), files, voice};
        controllers = attachControllers(context, *window, services);
    }

    // Shows the page and the window; the controllers follow by themselves.
    void show()
    {
        window->showPage();
        window->show();
    }

    template <typename Controller> Controller *controller() const
    {
        return window->template findChild<Controller *>();
    }
    UndoController *undo() const { return controllers.undo; }
    PaintingController *painting() const { return controllers.painting; }
    TextController *text() const { return controllers.text; }
    PageView *view() const { return window->pageView(); }
    TextBoxWidget *textBox(int i) const { return view()->textBox(i); }
    RichTextBoxWidget *richBox(int i) const { return view()->richTextBox(i); }
    PictureBoxWidget *pictureBox(int i) const { return view()->pictureBox(i); }

    AppContext context;
    ImagePrinterProvider printers;
    FilePictureLoader pictures;
    WindowKeySender keys;
    WebcamController::CameraFactory makeCamera;
    std::function<PictureMenuServices()> pictureMenu;
    FileController *files = nullptr;
    Voice *voice = nullptr;
    std::unique_ptr<Window> window;
    DocumentControllers controllers;
};

using WindowFixture = DocumentWindowFixture<SimplePageWindow>;

} // namespace quillora
