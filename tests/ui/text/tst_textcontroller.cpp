// Texts in the running window: typing, undo, the size buttons, the font dialog, the on-screen
// keyboard and the string.

#include "core/text/richfit.h"
#include "core/text/rtfreader.h"
#include "support/windowfixture.h"
#include "ui/document/documenttoolbar.h"
#include "ui/kit/picturebutton.h"
#include "ui/text/fontdialog.h"
#include "ui/text/keyvariantspopup.h"
#include "ui/text/onscreenkeyboardwidget.h"
#include "ui/text/pullstring.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QMimeData>
#include <QScopeGuard>
#include <QSignalSpy>

using namespace quillora;

namespace {

double richSizeAt(const QTextDocument &document, int position)
{
    QTextCursor cursor(const_cast<QTextDocument *>(&document));
    cursor.setPosition(position + 1);
    return pointSizeOf(cursor.charFormat(), document);
}

void addBoxKinds()
{
    QTest::addColumn<ObjectKind>("kind");
    QTest::newRow("text box") << ObjectKind::Text;
    QTest::newRow("rich text box") << ObjectKind::RichText;
}

QTextEdit *boxOfKind(const WindowFixture &f, ObjectKind kind, int i)
{
    return kind == ObjectKind::Text ? static_cast<QTextEdit *>(f.textBox(i)) : f.richBox(i);
}

} // namespace

class TestTextController : public QObject {
    Q_OBJECT

private slots:
    // A story box filling up as the child types (the single-line title is the typing scenario's).
    void typingUntilFullShrinksAndNeverOverflows()
    {
        WindowFixture f(DocumentKind::Simple, 1, 0);
        TextBoxModel &box = f.context.page.textBoxes[0];
        box.multiLine = true;
        box.geometry.setSize(QSize(200, 60));
        box.style.fontSize = 20;
        f.show();
        QTest::mouseClick(f.textBox(0)->viewport(), Qt::LeftButton);

        TextMeasure measure;
        double lastSize = box.style.fontSize;
        for (int word = 0; word < 14; ++word) {
            QTest::keyClicks(f.textBox(0), QStringLiteral("giraffe "));
            QVERIFY(box.style.fontSize <= lastSize);
            lastSize = box.style.fontSize;
            QCOMPARE(f.textBox(0)->toPlainText(), box.text);
            QCOMPARE(f.textBox(0)->document()->defaultFont().pointSizeF(), box.style.fontSize);
            if (box.style.fontSize > kSmallestFittedFontSize)
                QVERIFY2(!textOverflows(measure, formatOf(box), box.text),
                         qPrintable(QString::number(box.style.fontSize)));
        }
        QVERIFY(box.style.fontSize < 20);
        // What the box shows is laid out like the measure: as many lines, no wider than the box.
        measure.load(formatOf(box), box.text);
        QCOMPARE(wrappedLineCount(*f.textBox(0)->document()), measure.lineCount());
    }

    void typingIntoFullRichBoxShrinksEveryCharacter()
    {
        WindowFixture f(DocumentKind::Borders, 0, 1);
        f.context.page.richTextBoxes[0].geometry.setSize(QSize(200, 70));
        f.context.page.richTextBoxes[0].style.fontSize = 16;
        f.show();
        RichTextBoxWidget *widget = f.richBox(0);
        QTest::mouseClick(widget->viewport(), Qt::LeftButton);
        for (int word = 0; word < 12; ++word)
            QTest::keyClicks(widget, QStringLiteral("castle "));
        QVERIFY(richSizeAt(*widget->document(), 0) < 16);
        QVERIFY(!richTextOverflows(*widget->document(), QSizeF(200, 70)));
        QCOMPARE(f.context.page.richTextBoxes[0].plainText, widget->toPlainText());
    }

    void undoAndRedoOfTyping_data() { addBoxKinds(); }

    void undoAndRedoOfTyping()
    {
        QFETCH(ObjectKind, kind);
        WindowFixture f(DocumentKind::Borders, 2, 2);
        f.show();
        QTextEdit *widget = boxOfKind(f, kind, 1);
        // The press (which clears the placeholder, a window test) starts this box's history.
        QTest::mouseClick(widget->viewport(), Qt::LeftButton);
        QCOMPARE(f.context.undo.workObject(), (CurrentObject{kind, 1}));
        QCOMPARE(f.context.undo.currentStep(), 1);
        QTest::keyClicks(widget, QStringLiteral("cat"));
        QVERIFY(f.window->toolbar()->isButtonShown(ToolbarAction::Undo));

        f.undo()->undo();
        QCOMPARE(widget->toPlainText(), QStringLiteral("ca"));
        f.undo()->undo();
        QCOMPARE(widget->toPlainText(), QStringLiteral("c"));
        f.undo()->redo();
        QCOMPARE(widget->toPlainText(), QStringLiteral("ca"));
        // Typing on after an undo goes on from the restored text.
        QTest::keyClicks(widget, QStringLiteral("r"));
        QCOMPARE(widget->toPlainText(), QStringLiteral("car"));
        if (kind == ObjectKind::Text)
            QCOMPARE(f.context.page.textBoxes[1].text, QStringLiteral("car"));
        else
            QCOMPARE(f.context.page.richTextBoxes[1].plainText, QStringLiteral("car"));

        // A new document restarts the history: its buttons go with it.
        f.undo()->undo();
        QVERIFY(f.window->toolbar()->isButtonShown(ToolbarAction::Redo));
        f.context.undo.reset();
        f.window->showPage();
        QVERIFY(!f.window->toolbar()->isButtonShown(ToolbarAction::Undo));
        QVERIFY(!f.window->toolbar()->isButtonShown(ToolbarAction::Redo));
    }

    // The size rules themselves are covered with the fitting; here, that the buttons reach the
    // current box, its widget follows, and a rich box changes only the selection.
    void biggerAndSmaller()
    {
        WindowFixture f(DocumentKind::Borders, 1, 1);
        f.context.page.richTextBoxes[0].geometry.setSize(QSize(560, 400));
        TextBoxModel &box = f.context.page.textBoxes[0];
        box.text = QStringLiteral("Hello there");
        box.multiLine = false;
        f.show();
        f.window->setCurrentObject(ObjectKind::Text, 0);
        f.text()->makeTextBigger();
        QCOMPARE(box.style.fontSize, 14.0);
        f.text()->makeTextSmaller();
        f.text()->makeTextSmaller();
        QCOMPARE(box.style.fontSize, 10.0);
        QCOMPARE(f.textBox(0)->document()->defaultFont().pointSizeF(), 10.0);

        RichTextBoxWidget *widget = f.richBox(0);
        QTest::mouseClick(widget->viewport(), Qt::LeftButton);
        QTest::keyClicks(widget, QStringLiteral("ab"));
        QTextCursor all(widget->document());
        all.select(QTextCursor::Document);
        QTextCharFormat format;
        format.setFontPointSize(71);
        all.mergeCharFormat(format);
        f.text()->makeTextBigger(); // no selection: nothing changes
        QCOMPARE(richSizeAt(*widget->document(), 0), 71.0);
        selectRange(widget, 0, 1);
        f.text()->makeTextBigger();
        QCOMPARE(richSizeAt(*widget->document(), 0), 72.0);
        QCOMPARE(richSizeAt(*widget->document(), 1), 71.0);
    }

    // Pasted markup keeps its words and loses its pictures.
    void pastedPicturesAreDropped()
    {
        WindowFixture f(DocumentKind::Borders, 0, 1);
        f.show();
        RichTextBoxWidget *widget = f.richBox(0);
        QTest::mouseClick(widget->viewport(), Qt::LeftButton);
        auto *data = new QMimeData;
        data->setHtml(QStringLiteral("<p>boat<img src=\"sail.png\"></p>"));
        QGuiApplication::clipboard()->setMimeData(data);
        widget->paste();
        QCOMPARE(widget->toPlainText(), QStringLiteral("boat"));
        QVERIFY(!containsNonText(*widget->document()));
    }

    void chosenColourColoursOnlySelectedText()
    {
        constexpr ColourRef red = 0x0000FF;
        WindowFixture f(DocumentKind::Borders, 1, 1);
        f.show();
        TextBoxWidget *plain = f.textBox(0);
        QTest::mouseClick(plain->viewport(), Qt::LeftButton);
        QTest::keyClicks(plain, QStringLiteral("title"));
        f.text()->colourSelectedText(red);
        QVERIFY2(f.context.page.textBoxes[0].style.colour != red, "a felt pen chosen to paint");
        plain->selectAll();
        f.text()->colourSelectedText(red);
        QCOMPARE(f.context.page.textBoxes[0].style.colour, red);

        RichTextBoxWidget *rich = f.richBox(0);
        QTest::mouseClick(rich->viewport(), Qt::LeftButton);
        QTest::keyClicks(rich, QStringLiteral("boat"));
        selectRange(rich, 0, 2);
        f.text()->colourSelectedText(red);
        QTextCursor probe(rich->document());
        probe.setPosition(1);
        QCOMPARE(probe.charFormat().foreground().color(), toQColor(red));
        probe.setPosition(4);
        QVERIFY(probe.charFormat().foreground().color() != toQColor(red));
    }

    void nonAsciiTypingSurvives_data() { addBoxKinds(); }

    void nonAsciiTypingSurvives()
    {
        QFETCH(ObjectKind, kind);
        WindowFixture f(DocumentKind::Borders, 1, 1);
        f.show();
        QTextEdit *widget = boxOfKind(f, kind, 0);
        QTest::mouseClick(widget->viewport(), Qt::LeftButton);
        const QString name = QStringLiteral("Zoë Łucja Ñandú 名前 £");
        for (const QChar c : name)
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
        if (kind == ObjectKind::Text) {
            QCOMPARE(f.context.page.textBoxes[0].text, name);
        } else {
            QTextDocument reread;
            QVERIFY(readRtf(f.context.page.richTextBoxes[0].rtf.toLatin1(), reread));
            QCOMPARE(reread.toPlainText(), name);
            // Undo brings back the RTF snapshot with every character intact.
            f.undo()->undo();
            QCOMPARE(widget->toPlainText(), name.chopped(1));
        }
    }

    // On a page without texts the keyboard types nowhere.
    void keyboardAndMiniKeyFollowSetting()
    {
        WindowFixture f(DocumentKind::Simple, 0, 0);
        f.show();
        QVERIFY(!f.text()->keyboard()->isVisibleTo(f.window.get()));
        QVERIFY(!f.text()->miniKey()->isVisibleTo(f.window.get()));

        f.context.settings.onScreenKeyboard = true;
        f.text()->applySettings();
        QVERIFY(f.text()->keyboard()->isVisibleTo(f.window.get()));
        QVERIFY(f.window->rect().contains(f.text()->keyboard()->geometry()));
        emit f.text()->keyboard()->closeRequested();
        QVERIFY(!f.text()->keyboard()->isVisibleTo(f.window.get()));
        QVERIFY(f.text()->miniKey()->isVisibleTo(f.window.get()));
        emit f.text()->miniKey()->tapped();
        QVERIFY(f.text()->keyboard()->isVisibleTo(f.window.get()));
        QVERIFY(!f.text()->miniKey()->isVisibleTo(f.window.get()));

        f.text()->keyboard()->keyButton(11)->click();
        QCOMPARE(f.context.page.current, CurrentObject{});
        QCOMPARE(f.window->focusWidget(), f.window.get());
        QCOMPARE(f.context.page.changeCount, 0);
    }

    // The keyboard takes the language's layout and the school's words for its keys when shown;
    // holding a key opens its letters with marks, and sliding onto one types it. A right-to-left
    // window holds the keyboard on its left and its toolbar in reverse order. The placeholder
    // shows in the child's words and never joins what is typed.
    void heldKeyTypesItsVariant()
    {
        const QLocale before;
        QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
        QGuiApplication::setLayoutDirection(Qt::RightToLeft);
        const auto restore = qScopeGuard([&before] {
            QLocale::setDefault(before);
            QGuiApplication::setLayoutDirection(Qt::LeftToRight);
        });
        WindowFixture f(DocumentKind::Simple, 1, 0);
        f.context.translator.loadFromBytes(
            "\"Abc\",\"Xyz\"\n\"Backspace\",\"Efface\"\n\"On screen keyboard\",\"Clavier\"\n");
        f.show();
        QCOMPARE(f.textBox(0)->toPlainText(), "Xyz");
        f.context.settings.onScreenKeyboard = true;
        f.text()->applySettings();
        OnScreenKeyboardWidget *keyboard = f.text()->keyboard();
        QCOMPARE(keyboard->keyButton(11)->text(), "a");
        QCOMPARE(keyboard->accessibleName(), "Clavier");
        QCOMPARE(keyboard->keyButton(OnScreenKeyboard::kBackspaceKey)->accessibleName(), "Efface");
        const auto *close = keyboard->findChild<QWidget *>(QStringLiteral("closeBut"));
        QVERIFY(keyboard->rect().contains(close->geometry()));
        QVERIFY2(
            keyboard->x() < f.window->width() - keyboard->geometry().right(),
            qPrintable(
                QStringLiteral("keyboard at %1 of %2").arg(keyboard->x()).arg(f.window->width())));
        const QRect page = f.window->pageView()->geometry();
        QVERIFY2(page.left() < f.window->width() - page.right(), "the palettes stand on the right");
        const auto toolbarX = [&f](const char *name) {
            return f.window->toolbar()->findChild<QWidget *>(QLatin1String(name))->x();
        };
        QVERIFY2(toolbarX("NewBut") > toolbarX("printBut"), "the toolbar reads from the right");
        // The badge stands in the middle of the room the buttons leave it.
        const QWidget *toolbar = f.window->toolbar();
        const QRect logo = toolbar->findChild<QWidget *>(QStringLiteral("logoImg"))->geometry();
        int roomLeft = 0;
        int roomRight = toolbar->width();
        for (const auto *button : toolbar->findChildren<PictureButton *>()) {
            if (!button->isVisibleTo(toolbar))
                continue;
            if (button->x() < logo.x())
                roomLeft = std::max(roomLeft, button->x() + button->width());
            else
                roomRight = std::min(roomRight, button->x());
        }
        QVERIFY2(std::abs((logo.x() - roomLeft) - (roomRight - logo.x() - logo.width())) <= 1,
                 qPrintable(QStringLiteral("badge %1-%2 in %3-%4")
                                .arg(logo.x())
                                .arg(logo.right())
                                .arg(roomLeft)
                                .arg(roomRight)));

        KeyboardKeyButton *e = keyboard->keyButton(12);
        sendMouse(e, QEvent::MouseButtonPress, e->mapToGlobal(e->rect().center()));
        QTRY_VERIFY(keyboard->variantsPopup()->isVisible());
        const QPoint grave = keyboard->variantsPopup()->mapToGlobal(
            QPoint(KeyVariantsPopup::kKeySizePx * 3 / 2 + 12, KeyVariantsPopup::kKeySizePx / 2));
        QCOMPARE(keyboard->variantsPopup()->variantAt(grave), 1);
        sendMouse(e, QEvent::MouseMove, grave);
        sendMouse(e, QEvent::MouseButtonRelease, grave);
        QVERIFY(!keyboard->variantsPopup()->isVisible());
        keyboard->keyButton(11)->click();
        QCOMPARE(f.textBox(0)->toPlainText(), QStringLiteral("\u00e8a"));
    }

    // The pull rule itself is the keyboard's; here, that the window follows the string and the
    // rule gets the screen's height.
    void stringPullsTheWindow()
    {
        WindowFixture f(DocumentKind::Simple, 1, 0);
        f.context.settings.pullDownString = true;
        f.window->move(0, 0);
        f.show();
        PullString *string = f.text()->pullString();
        QVERIFY(string->handle()->isVisibleTo(f.window.get()));

        const QPoint grab(1200, 500);
        sendMouse(string->handle(), QEvent::MouseButtonPress, grab);
        sendMouse(string->handle(), QEvent::MouseMove, grab + QPoint(0, 700));
        sendMouse(string->handle(), QEvent::MouseButtonRelease, grab + QPoint(0, 700));
        QCOMPARE(f.window->y(), 600); // held at three quarters of the 800-pixel screen
    }

    void offersOnlySizesTheBoxCanTake()
    {
        AppContext context{Environment{}};
        TextBoxModel box;
        box.text = QStringLiteral("Hi");
        box.geometry = QRect(0, 0, 300, 40);
        FontDialog form(context, box);
        // Which sizes fit is the fitting's rule; the list offers exactly those.
        const int largest = largestAllowedFontSize(box);
        QVERIFY(largest >= 8);
        for (int size : fontDialogSizes())
            QCOMPARE(form.shownSizes().contains(size), size <= largest);
        // The list opens on the box's own size, or on the listed size just below it.
        box.geometry = QRect(0, 0, 300, 400);
        box.style.fontSize = 13;
        FontDialog roomy(context, box);
        QCOMPARE(roomy.findChild<QLabel *>(QStringLiteral("sizeLabel"))->text(),
                 QStringLiteral("12"));
    }

    void previewFollowsChoices()
    {
        AppContext context{Environment{}};
        TextBoxModel box;
        box.text = QStringLiteral("The quick brown fox jumps over");
        box.geometry = QRect(0, 0, 400, 300);
        FontDialog form(context, box);
        QCOMPARE(form.preview()->text(), box.text.left(20));
        form.chooseFont(1);
        form.chooseSize(36);
        form.choosePen(2);
        QCOMPARE(form.preview()->font().family(), QFont(context.settings.fontSlots[1]).family());
        QCOMPARE(form.preview()->font().pointSizeF(), 36.0);
        QCOMPARE(form.choice().colour, FontDialog::penColours()[2]);
    }

    void okAppliesWithUndoBeforeAndAfter()
    {
        WindowFixture f(DocumentKind::Simple, 1, 0);
        TextBoxModel &box = f.context.page.textBoxes[0];
        box.text = QStringLiteral("Sun");
        f.show();
        f.window->setCurrentObject(ObjectKind::Text, 0);
        const qint32 stepBefore = f.context.undo.currentStep();
        f.text()->setFontDialogRunner([](FontDialog &form) {
            form.chooseFont(2);
            form.chooseSize(24);
            form.choosePen(1);
            form.okButton()->click();
        });
        emit f.window->fontRequested();
        QCOMPARE(box.style.fontName, f.context.settings.fontSlots[2]);
        QCOMPARE(box.style.fontSize, 24.0);
        QCOMPARE(box.style.colour, FontDialog::penColours()[1]);
        QCOMPARE(f.textBox(0)->document()->defaultFont().pointSizeF(), 24.0);
        // One step before the dialog and one after; undo goes back to the old font.
        QCOMPARE(f.context.undo.currentStep(), stepBefore + 2);
        f.undo()->undo();
        QCOMPARE(box.style.fontSize, 12.0);
        QCOMPARE(f.textBox(0)->document()->defaultFont().pointSizeF(), 12.0);
    }

    // Cancel, after a refused size, leaves the box as it was.
    void singleLineBoxRefusesTooTallSize()
    {
        WindowFixture f(DocumentKind::Simple, 1, 0);
        TextBoxModel &box = f.context.page.textBoxes[0];
        box.multiLine = false;
        box.text = QStringLiteral("Hi");
        box.geometry.setHeight(30);
        f.show();
        f.window->setCurrentObject(ObjectKind::Text, 0);
        bool refused = false;
        double previewAfterRefusal = 0;
        f.text()->setFontDialogRunner([&](FontDialog &form) {
            QSignalSpy refusals(&form, &FontDialog::choiceRefused);
            form.chooseSize(72);
            form.okButton()->click();
            // Refused: a beep, and the dialog stays open without an answer.
            refused = refusals.count() == 1 && form.answer() == DialogAnswer::None;
            previewAfterRefusal = form.preview()->font().pointSizeF();
            form.cancelButton()->click();
        });
        emit f.window->fontRequested();
        QVERIFY(refused);
        QCOMPARE(previewAfterRefusal, 12.0);
        QCOMPARE(box.style.fontSize, 12.0);
    }
};

QTEST_MAIN(TestTextController)
#include "tst_textcontroller.moc"
