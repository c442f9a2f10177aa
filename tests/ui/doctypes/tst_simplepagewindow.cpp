// The single-page window: boxes laid out as measured, pressing and typing, the toolbar and the
// keyboard shortcuts, templates that cannot be read; presentation typing, which the logo starts
// and stops only in presentation mode, each tick typing the next character of the demonstration
// text into the current text box; and the hint box, which stays away once a colour was chosen.

#include "core/app/demotexts.h"
#include "core/text/textboxformat.h"
#include "support/rows.h"
#include "support/windowfixture.h"
#include "ui/doctypes/hintbox.h"
#include "ui/doctypes/presentationcontroller.h"
#include "ui/document/presentationlogo.h"
#include "ui/kit/picturebutton.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <QTextDocument>
#include <QTimer>

#include <algorithm>
#include <memory>

using namespace quillora;

class TestSimplePageWindow : public QObject {
    Q_OBJECT

private slots:
    void boxesLayOutAsMeasured_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("width");
        QTest::addColumn<double>("size");
        QTest::addColumn<bool>("multiLine");

        const QString story =
            QStringLiteral("Once upon a time a little dragon lived in a big red box "
                           "under the stairs and sang every morning");
        QTest::newRow("narrow, wraps a lot") << story << 90 << 14.0 << true;
        QTest::newRow("long word broken")
            << QStringLiteral("Supercalifragilistic") << 60 << 16.0 << true;
        QTest::newRow("single line never wraps") << story << 90 << 14.0 << false;
    }

    void boxesLayOutAsMeasured()
    {
        QFETCH(QString, text);
        QFETCH(int, width);
        QFETCH(double, size);
        QFETCH(bool, multiLine);

        WindowFixture f;
        f.makePage(1, 0, 0);
        TextBoxModel &box = f.context.page.textBoxes[0];
        box.geometry.setWidth(width);
        box.style.fontSize = size;
        box.style.fontName = QStringLiteral("comic sans ms");
        box.multiLine = multiLine;
        box.text = text;
        f.window->showPage();

        // The fitting code decides on a document configured like this; the box must break the same.
        QTextDocument measured;
        configureTextBoxDocument(measured,
                                 TextBoxFormat{box.style, QSizeF(box.geometry.size()), multiLine});
        measured.setPlainText(text);
        const QTextDocument *shown = f.textBox(0)->document();
        QCOMPARE(shown->textWidth(), measured.textWidth());
        QCOMPARE(shown->defaultFont(), measured.defaultFont());
        QCOMPARE(wrappedLineCount(*shown), wrappedLineCount(measured));
        QCOMPARE(contentHeight(*shown), contentHeight(measured));
    }

    void pressMakesObjectCurrent_data()
    {
        QTest::addColumn<ObjectKind>("kind");
        QTest::addColumn<int>("index");

        QTest::newRow("text box") << ObjectKind::Text << 1;
        QTest::newRow("rich text box") << ObjectKind::RichText << 0;
        QTest::newRow("picture box") << ObjectKind::Picture << 1;
        QTest::newRow("page") << ObjectKind::Paper << 0;
    }

    void pressMakesObjectCurrent()
    {
        QFETCH(ObjectKind, kind);
        QFETCH(int, index);

        WindowFixture f;
        f.makePage(2, 1, 2);
        f.window->showPage();
        QSignalSpy changes(f.window.get(), &SimplePageWindow::currentObjectChanged);
        PageView *view = f.view();

        if (kind == ObjectKind::Text) {
            QSignalSpy presses(f.window.get(), &SimplePageWindow::textBoxPressed);
            QCOMPARE(view->textBox(index)->boxText(), kPlaceholderText);
            QTest::mouseClick(view->textBox(index)->viewport(), Qt::LeftButton, {}, QPoint(20, 10));
            // A second press is reported (undo records a step) but changes nothing else.
            QTest::mouseClick(view->textBox(index)->viewport(), Qt::LeftButton, {}, QPoint(20, 10));
            QCOMPARE(presses.count(), 2);
            QCOMPARE(f.context.page.textBoxes[index].text, QString());
            QCOMPARE(view->textBox(index)->boxText(), QString());
            QCOMPARE(f.context.page.textBoxes[0].text, kPlaceholderText);
        } else if (kind == ObjectKind::RichText) {
            QTest::mouseClick(view->richTextBox(index)->viewport(), Qt::LeftButton, {},
                              QPoint(20, 10));
            QCOMPARE(f.context.page.richTextBoxes[index].plainText, QString());
            QCOMPARE(view->richTextBox(index)->toPlainText(), QString());
        } else if (kind == ObjectKind::Picture) {
            QSignalSpy presses(f.window.get(), &SimplePageWindow::picturePressed);
            QTest::mouseClick(view->pictureBox(index), Qt::LeftButton, {}, QPoint(20, 30));
            QTest::mouseClick(view->pictureBox(index), Qt::LeftButton, {}, QPoint(21, 31));
            // Only the first press selects; painting takes the second.
            QCOMPARE(presses.count(), 2);
            QCOMPARE(presses[0].at(1).toPoint(), QPoint(20, 30));
            QCOMPARE(presses[0].at(3).toBool(), true);
            QCOMPARE(presses[1].at(3).toBool(), false);
        } else {
            QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(5, 600));
        }

        QCOMPARE(f.context.page.current, (CurrentObject{kind, index}));
        QCOMPARE(changes.count(), 1);
        QCOMPARE(changes.first().at(0).value<ObjectKind>(), kind);
        QCOMPARE(changes.first().at(1).toInt(), index);
    }

    void typingIsWrittenBackAndCounted()
    {
        WindowFixture f;
        f.makePage(1, 1, 0);
        f.context.page.textBoxes[0].text = QStringLiteral("Hi");
        f.window->showPage();
        f.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
        QSignalSpy edits(f.window.get(), &SimplePageWindow::textBoxEdited);
        QSignalSpy releases(f.window.get(), &SimplePageWindow::textBoxKeyReleased);

        TextBoxWidget *box = f.textBox(0);
        QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, QPoint(90, 10));
        QTest::keyClicks(box, QStringLiteral(" Sam"));
        QCOMPARE(f.context.page.textBoxes[0].text, QStringLiteral("Hi Sam"));
        QCOMPARE(f.context.page.changeCount, 4);
        QCOMPARE(releases.count(), 4);
        QCOMPARE(edits.count(), 4);

        RichTextBoxWidget *rich = f.richBox(0);
        f.context.page.richTextBoxes[0].rtf = QStringLiteral("{\\rtf1 old}");
        QTest::mouseClick(rich->viewport(), Qt::LeftButton, {}, QPoint(20, 10));
        QTest::keyClicks(rich, QStringLiteral("Yo"));
        QCOMPARE(f.context.page.richTextBoxes[0].plainText, QStringLiteral("Yo"));
        QVERIFY(f.context.page.richTextBoxes[0].rtf.isEmpty());
        QCOMPARE(f.context.page.changeCount, 6);

        // Return pressed in a file dialog is released over the box that has the focus after
        // it closes: not the child's typing.
        QTest::keyRelease(rich, Qt::Key_Return);
        QTest::keyRelease(box, Qt::Key_Return);
        QCOMPARE(f.context.page.changeCount, 6);
        QCOMPARE(releases.count(), 4);
    }

    void singleLineBoxRefusesLineBreaks()
    {
        WindowFixture f;
        f.makePage(2, 0, 0);
        f.context.page.textBoxes[0].multiLine = false;
        f.context.page.textBoxes[0].text = QStringLiteral("ab");
        f.context.page.textBoxes[1].text = QStringLiteral("ab");
        f.window->showPage();

        for (int i = 0; i < 2; ++i) {
            TextBoxWidget *box = f.textBox(i);
            box->moveCursor(QTextCursor::End);
            QTest::keyClick(box, Qt::Key_Return);
            QTest::keyClicks(box, QStringLiteral("c"));
        }
        QCOMPARE(f.context.page.textBoxes[0].text, QStringLiteral("abc"));
        QCOMPARE(f.context.page.textBoxes[1].text, QStringLiteral("ab\nc"));
    }

    void hiddenButtonsKeepTheirPlaces()
    {
        WindowFixture f;
        DocumentToolbar *toolbar = f.window->toolbar();
        const QPoint fonts = toolbar->button(ToolbarAction::Font)->pos();
        const QPoint camera = toolbar->button(ToolbarAction::WebCam)->pos();
        const QPoint border = toolbar->button(ToolbarAction::BorderFromMagnifier)->pos();

        // Undo and print come and go while a child works: nothing else may move.
        toolbar->setButtonShown(ToolbarAction::Undo, false);
        toolbar->setButtonShown(ToolbarAction::Redo, false);
        toolbar->setButtonShown(ToolbarAction::Print, false);
        QCOMPARE(toolbar->button(ToolbarAction::Font)->pos(), fonts);
        toolbar->setButtonShown(ToolbarAction::BorderFromMagnifier, true);
        QCOMPARE(toolbar->button(ToolbarAction::WebCam)->pos(), camera);

        // Without a camera the border button closes up to the palette buttons.
        toolbar->setButtonShown(ToolbarAction::WebCam, false);
        QVERIFY(toolbar->button(ToolbarAction::BorderFromMagnifier)->pos().x() < border.x());
        QCOMPARE(toolbar->button(ToolbarAction::Font)->pos(), fonts);
    }

    void shortcuts_data()
    {
        QTest::addColumn<QString>("focus"); // "window", "text" or "picture"
        QTest::addColumn<QString>("current");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("clipboardPicture");
        QTest::addColumn<bool>("undoShown");
        QTest::addColumn<QByteArray>("expected"); // empty: nothing happens

        const int ctrl = Qt::ControlModifier;
        const int ctrlShift = Qt::ControlModifier | Qt::ShiftModifier;
        const int altGr = Qt::ControlModifier | Qt::AltModifier;
        const auto row = [](const char *name, const char *focus, const char *current, Qt::Key key,
                            int modifiers, bool clipboardPicture, bool undoShown,
                            const char *expected) {
            test::addRow(name, QString::fromLatin1(focus), QString::fromLatin1(current), int(key),
                         modifiers, clipboardPicture, undoShown, QByteArray(expected));
        };
        row("options", "window", "", Qt::Key_O, ctrlShift, false, true, SIGNAL(optionsRequested()));
        row("undo in a text", "text", "t", Qt::Key_Z, ctrl, false, true, SIGNAL(undoRequested()));
        row("undo hidden", "window", "p", Qt::Key_Z, ctrl, false, false, "");
        row("redo", "picture", "p", Qt::Key_Y, ctrl, false, true, SIGNAL(redoRequested()));
        row("copy picture", "picture", "p", Qt::Key_C, ctrl, false, true,
            SIGNAL(copyPictureRequested(int)));
        row("paste picture", "picture", "p", Qt::Key_V, ctrl, true, true,
            SIGNAL(pastePictureRequested(int)));
        row("paste without picture", "picture", "p", Qt::Key_V, ctrl, false, true, "");
        row("paste in a text", "text", "t", Qt::Key_V, ctrl, true, true, "");
        row("AltGr Z", "window", "p", Qt::Key_Z, altGr, false, true, "");
    }

    void shortcuts()
    {
        QFETCH(QString, focus);
        QFETCH(QString, current);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(bool, clipboardPicture);
        QFETCH(bool, undoShown);
        QFETCH(QByteArray, expected);

        WindowFixture f;
        f.window->setClipboardProbe([clipboardPicture] { return clipboardPicture; });
        f.window->toolbar()->setButtonShown(ToolbarAction::Undo, undoShown);
        f.makePage(1, 0, 2);
        f.context.page.textBoxes[0].text = QStringLiteral("Hello");
        f.window->showPage();
        f.context.page.current = CurrentObject{objectKindOfCode(current).value(), 1};

        const QByteArray allSignals[] = {SIGNAL(optionsRequested()), SIGNAL(undoRequested()),
                                         SIGNAL(redoRequested()), SIGNAL(copyPictureRequested(int)),
                                         SIGNAL(pastePictureRequested(int))};
        std::vector<std::unique_ptr<QSignalSpy>> spies;
        for (const QByteArray &signal : allSignals)
            spies.push_back(std::make_unique<QSignalSpy>(f.window.get(), signal.constData()));

        QWidget *target = f.window.get();
        if (focus == QLatin1String("text"))
            target = f.textBox(0);
        else if (focus == QLatin1String("picture"))
            target = f.pictureBox(1);
        QTest::keyClick(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers));

        for (size_t i = 0; i < spies.size(); ++i) {
            const int wanted = allSignals[i] == expected ? 1 : 0;
            QVERIFY2(spies[i]->count() == wanted, allSignals[i].constData());
            if (wanted && spies[i]->first().size() == 1)
                QCOMPARE(spies[i]->first().at(0).toInt(), 1);
        }
        // The program's undo, not the text control's, answers Ctrl+Z; the text is untouched.
        QCOMPARE(f.context.page.textBoxes[0].text, QStringLiteral("Hello"));
    }

    void brokenTemplatesDoNoHarm_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("exists");
        for (const char *name :
             {"hostile_values.xml", "binary_junk.xml", "zero_size.xml", "no_layout_line.xml"})
            QTest::newRow(name) << QString::fromLatin1(name) << true;
        QTest::newRow("missing file") << QStringLiteral("no such layout.xml") << false;
    }

    void brokenTemplatesDoNoHarm()
    {
        QFETCH(QString, name);
        QFETCH(bool, exists);

        WindowFixture f;
        QSignalSpy failures(f.window.get(), &SimplePageWindow::templateLoadFailed);
        QElapsedTimer clock;
        clock.start();
        const bool read =
            f.window->loadTemplate(QStringLiteral(QUILLORA_TEST_DATA "/layouts/") + name);
        // A failure is always said, with a reason; success never is.
        QCOMPARE(failures.count(), read ? 0 : 1);
        if (!exists)
            QVERIFY(!read && !failures.first().at(0).toString().isEmpty());
        f.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
        (void)f.window->grab();
        QVERIFY(clock.elapsed() < 5000);

        // Only the boxes the page shows get controls, however high their numbers.
        const PageModel &page = f.context.page;
        const auto shown = [](const auto &boxes) {
            return int(
                std::count_if(boxes.begin(), boxes.end(), [](const auto &b) { return b.visible; }));
        };
        PageView *view = f.view();
        QVERIFY(view->textBoxesMade() <= shown(page.textBoxes));
        QVERIFY(view->pictureBoxesMade() <= shown(page.pictureBoxes));
        QVERIFY(view->richTextBoxesMade() <= shown(page.richTextBoxes));
    }

    void logoStartsTypingOnlyInPresentationMode()
    {
        for (const bool presMode : {false, true}) {
            WindowFixture f(DocumentKind::Simple, 1, 0);
            f.context.settings.presentationMode = presMode;
            PresentationController &typing = *f.controller<PresentationController>();
            f.show();
            PresentationLogo *logo = f.window->toolbar()->logo();
            QVERIFY(logo->isVisible());
            // On a narrow window the logo keeps its badge and never covers a button.
            for (const int width : {1280, 1024}) {
                f.window->resize(width, 768);
                QVERIFY(logo->isVisible());
                QCOMPARE(logo->width() == logo->height(), width == 1024);
                for (const PictureButton *button :
                     f.window->toolbar()->findChildren<PictureButton *>())
                    QVERIFY2(!button->isVisible() ||
                                 !button->geometry().intersects(logo->geometry()),
                             qPrintable(button->objectName()));
            }

            QTest::mouseDClick(logo, Qt::LeftButton);
            QCOMPARE(typing.isTyping(), presMode);
            QCOMPARE(typing.timer()->isActive(), presMode);
            QCOMPARE(typing.timer()->interval(), 40);

            QTest::mouseDClick(logo, Qt::LeftButton);
            QVERIFY(!typing.isTyping());
            QVERIFY(!f.context.page.presentationTyping);
            QVERIFY(!typing.timer()->isActive());
        }
    }

    void ticksTypeTheDemonstrationText_data()
    {
        QTest::addColumn<int>("documentType");
        QTest::addColumn<int>("box");
        QTest::newRow("simple page") << 0 << 1;
        QTest::newRow("postcard street") << 4 << 2;
    }
    void ticksTypeTheDemonstrationText()
    {
        QFETCH(int, documentType);
        QFETCH(int, box);
        WindowFixture f(DocumentKind(documentType), 3, 0);
        f.context.settings.presentationMode = true;
        PresentationController &typing = *f.controller<PresentationController>();
        f.show();
        typing.toggle();

        // Nothing is typed until a text box is current.
        typing.tick();
        QCOMPARE(f.context.page.textBoxes[box].text, kPlaceholderText);

        QTest::mouseClick(f.textBox(box)->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
        const QString text = demonstrationText(DocumentKind(documentType), box);
        for (int typed = 1; typed <= 5; ++typed) {
            typing.tick();
            QCOMPARE(f.context.page.textBoxes[box].text, text.left(typed));
            QCOMPARE(f.textBox(box)->textCursor().position(), typed);
            QCOMPARE(f.window->focusWidget(), f.textBox(box));
        }
        for (int tick = 0; tick < 1000 && typing.isTyping(); ++tick)
            typing.tick();
        QCOMPARE(f.context.page.textBoxes[box].text, text);
        QVERIFY(!typing.timer()->isActive());
        QVERIFY(f.context.page.changeCount >= text.size());

        // One undo takes the whole demonstration away again.
        QVERIFY(f.window->toolbar()->isButtonShown(ToolbarAction::Undo));
        f.undo()->undo();
        QCOMPARE(f.context.page.textBoxes[box].text, QString());
    }

    void anotherBoxStartsFromTheBeginning()
    {
        WindowFixture f(DocumentKind::Simple, 2, 0);
        f.context.settings.presentationMode = true;
        PresentationController &typing = *f.controller<PresentationController>();
        f.show();
        typing.toggle();
        f.window->setCurrentObject(ObjectKind::Text, 0);
        for (int i = 0; i < 4; ++i)
            typing.tick();
        f.window->setCurrentObject(ObjectKind::Text, 1);
        typing.tick();
        QCOMPARE(f.context.page.textBoxes[0].text, QStringLiteral("Once"));
        QCOMPARE(f.context.page.textBoxes[1].text, QStringLiteral("O"));
        // A picture or the page takes no typing; the timer waits.
        f.window->setCurrentObject(ObjectKind::Paper, 0);
        typing.tick();
        QCOMPARE(f.context.page.textBoxes[1].text, QStringLiteral("O"));
        QVERIFY(typing.isTyping());
    }

    void noHintOnceAColourWasChosen()
    {
        WindowFixture f(DocumentKind::Simple, 0, 0, 1);
        PaletteHint &hint = *f.controller<PaletteHint>();
        f.show();
        hint.colourChosen();
        QTest::mouseClick(f.pictureBox(0), Qt::LeftButton, {}, QPoint(50, 50));
        QVERIFY(hint.box()->isHidden());
    }
};

QTEST_MAIN(TestSimplePageWindow)
#include "tst_simplepagewindow.moc"
