// Texts in the running window: typing, undo, the size buttons, the keyboard and the string.

#include "core/text/richfit.h"
#include "core/text/rtfreader.h"
#include "textfixture.h"
#include "ui/doctypes/documenttoolbar.h"
#include "ui/text/onscreenkeyboardwidget.h"
#include "ui/text/pullstring.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QSignalSpy>
#include <QTextBlock>

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
    QTest::addColumn<QString>("kind");
    QTest::newRow("text box") << QStringLiteral("t");
    QTest::newRow("rich text box") << QStringLiteral("r");
}

QTextEdit *boxOfKind(const TextFixture &f, const QString &kind, int i)
{
    return kind == u"t" ? static_cast<QTextEdit *>(f.textBox(i)) : f.richBox(i);
}

void sendMouse(QWidget *widget, QEvent::Type type, QPoint global)
{
    const QPoint local = widget->mapFromGlobal(global);
    QMouseEvent event(type, local, global, Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

} // namespace

class TestTextController : public QObject {
    Q_OBJECT

private slots:
    void typingUntilFullShrinksAndNeverOverflows();
    void typingIntoFullRichBoxShrinksEveryCharacter();
    void undoAndRedoOfTyping_data();
    void undoAndRedoOfTyping();
    void biggerAndSmaller();
    void pastedPictureIsRefused();
    void chosenColourColoursOnlySelectedText();
    void nonAsciiTypingSurvives_data();
    void nonAsciiTypingSurvives();
    void keyboardTypesIntoTheRightBox_data();
    void keyboardTypesIntoTheRightBox();
    void keyboardAndMiniKeyFollowSetting();
    void pageWithoutTextsTakesNoTyping();
    void stringPullsTheWindow();
};

// A story box filling up as the child types (the single-line title is the typing scenario's).
void TestTextController::typingUntilFullShrinksAndNeverOverflows()
{
    TextFixture f(1, 0);
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

void TestTextController::typingIntoFullRichBoxShrinksEveryCharacter()
{
    TextFixture f(0, 1, DocumentKind::Borders);
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

void TestTextController::undoAndRedoOfTyping_data()
{
    addBoxKinds();
}

void TestTextController::undoAndRedoOfTyping()
{
    QFETCH(QString, kind);
    TextFixture f(2, 2, DocumentKind::Borders);
    f.show();
    QTextEdit *widget = boxOfKind(f, kind, 1);
    // The press (which clears the placeholder, a window test) starts this box's history.
    QTest::mouseClick(widget->viewport(), Qt::LeftButton);
    QCOMPARE(f.context.undo.workObject(), (CurrentObject{kind, 1}));
    QCOMPARE(f.context.undo.currentStep(), 1);
    QTest::keyClicks(widget, QStringLiteral("cat"));
    QVERIFY(f.window->toolbar()->isButtonShown(ToolbarAction::Undo));

    f.undo->undo();
    QCOMPARE(widget->toPlainText(), QStringLiteral("ca"));
    f.undo->undo();
    QCOMPARE(widget->toPlainText(), QStringLiteral("c"));
    f.undo->redo();
    QCOMPARE(widget->toPlainText(), QStringLiteral("ca"));
    // Typing on after an undo goes on from the restored text.
    QTest::keyClicks(widget, QStringLiteral("r"));
    QCOMPARE(widget->toPlainText(), QStringLiteral("car"));
    if (kind == u"t")
        QCOMPARE(f.context.page.textBoxes[1].text, QStringLiteral("car"));
    else
        QCOMPARE(f.context.page.richTextBoxes[1].plainText, QStringLiteral("car"));

    // A new document restarts the history: its buttons go with it.
    f.undo->undo();
    QVERIFY(f.window->toolbar()->isButtonShown(ToolbarAction::Redo));
    f.context.undo.reset();
    f.window->showPage();
    QVERIFY(!f.window->toolbar()->isButtonShown(ToolbarAction::Undo));
    QVERIFY(!f.window->toolbar()->isButtonShown(ToolbarAction::Redo));
}

// The size rules themselves are covered with the fitting; here, that the buttons reach the
// current box, its widget follows, and a rich box changes only the selection.
void TestTextController::biggerAndSmaller()
{
    TextFixture f(1, 1, DocumentKind::Borders);
    f.context.page.richTextBoxes[0].geometry.setSize(QSize(560, 400));
    TextBoxModel &box = f.context.page.textBoxes[0];
    box.text = QStringLiteral("Hello there");
    box.multiLine = false;
    f.show();
    f.window->setCurrentObject(QStringLiteral("t"), 0);
    f.text->makeTextBigger();
    QCOMPARE(box.style.fontSize, 14.0);
    f.text->makeTextSmaller();
    f.text->makeTextSmaller();
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
    f.text->makeTextBigger(); // no selection: nothing changes
    QCOMPARE(richSizeAt(*widget->document(), 0), 71.0);
    selectRange(widget, 0, 1);
    f.text->makeTextBigger();
    QCOMPARE(richSizeAt(*widget->document(), 0), 72.0);
    QCOMPARE(richSizeAt(*widget->document(), 1), 71.0);
}

void TestTextController::pastedPictureIsRefused()
{
    TextFixture f(0, 1, DocumentKind::Borders);
    f.show();
    RichTextBoxWidget *widget = f.richBox(0);
    QTest::mouseClick(widget->viewport(), Qt::LeftButton);
    QTest::keyClicks(widget, QStringLiteral("boat"));
    const QString before = f.context.page.richTextBoxes[0].rtf;
    QImage picture(40, 40, QImage::Format_RGB32);
    picture.fill(Qt::red);
    auto *data = new QMimeData;
    data->setImageData(picture);
    QGuiApplication::clipboard()->setMimeData(data);
    widget->paste();
    QCOMPARE(widget->toPlainText(), QStringLiteral("boat"));
    QVERIFY(!containsNonText(*widget->document()));
    QCOMPARE(f.context.page.richTextBoxes[0].rtf, before);
}

void TestTextController::chosenColourColoursOnlySelectedText()
{
    constexpr ColourRef red = 0x0000FF;
    TextFixture f(1, 1, DocumentKind::Borders);
    f.show();
    TextBoxWidget *plain = f.window->pageView()->textBox(0);
    QTest::mouseClick(plain->viewport(), Qt::LeftButton);
    QTest::keyClicks(plain, QStringLiteral("title"));
    f.text->colourSelectedText(red);
    QVERIFY2(f.context.page.textBoxes[0].style.colour != red, "a felt pen chosen to paint");
    plain->selectAll();
    f.text->colourSelectedText(red);
    QCOMPARE(f.context.page.textBoxes[0].style.colour, red);

    RichTextBoxWidget *rich = f.richBox(0);
    QTest::mouseClick(rich->viewport(), Qt::LeftButton);
    QTest::keyClicks(rich, QStringLiteral("boat"));
    selectRange(rich, 0, 2);
    f.text->colourSelectedText(red);
    QTextCursor probe(rich->document());
    probe.setPosition(1);
    QCOMPARE(probe.charFormat().foreground().color(), toQColor(red));
    probe.setPosition(4);
    QVERIFY(probe.charFormat().foreground().color() != toQColor(red));

    // Selected, then the child goes elsewhere and comes back by key: a pen paints, not recolours.
    selectRange(rich, 2, 4);
    f.window->setCurrentObject(QStringLiteral("p"), 0);
    QVERIFY(!rich->textCursor().hasSelection());
    f.window->setCurrentObject(QStringLiteral("r"), 0);
    f.text->colourSelectedText(red);
    QVERIFY(probe.charFormat().foreground().color() != toQColor(red));
}

void TestTextController::nonAsciiTypingSurvives_data()
{
    addBoxKinds();
}

void TestTextController::nonAsciiTypingSurvives()
{
    QFETCH(QString, kind);
    TextFixture f(1, 1, DocumentKind::Borders);
    f.show();
    QTextEdit *widget = boxOfKind(f, kind, 0);
    QTest::mouseClick(widget->viewport(), Qt::LeftButton);
    const QString name = QStringLiteral("Zoë Łucja Ñandú 名前 £");
    for (const QChar c : name)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    if (kind == u"t") {
        QCOMPARE(f.context.page.textBoxes[0].text, name);
    } else {
        QTextDocument reread;
        QVERIFY(readRtf(f.context.page.richTextBoxes[0].rtf.toLatin1(), reread));
        QCOMPARE(reread.toPlainText(), name);
        // Undo brings back the RTF snapshot with every character intact.
        f.undo->undo();
        QCOMPARE(widget->toPlainText(), name.chopped(1));
    }
}

void TestTextController::keyboardTypesIntoTheRightBox_data()
{
    QTest::addColumn<QString>("currentKind");
    QTest::addColumn<int>("currentIndex");
    QTest::addColumn<QString>("expectedKind");
    QTest::addColumn<int>("expectedIndex");
    QTest::newRow("current text box") << "t" << 1 << "t" << 1;
    QTest::newRow("picture current: first rich") << "p" << 0 << "r" << 0;
}

void TestTextController::keyboardTypesIntoTheRightBox()
{
    QFETCH(QString, currentKind);
    QFETCH(int, currentIndex);
    QFETCH(QString, expectedKind);
    QFETCH(int, expectedIndex);
    const int texts = 2;
    TextFixture f(texts, 2, DocumentKind::Borders);
    f.context.settings.useIWBkeyBd = true;
    f.show();
    f.context.page.current = CurrentObject{currentKind, currentIndex};
    OnScreenKeyboardWidget *keyboard = f.text->keyboard();
    QVERIFY(keyboard->isVisibleTo(f.window.get()));
    keyboard->keyButton(11)->click(); // q
    keyboard->keyButton(OnScreenKeyboard::kSpaceKey)->click();
    keyboard->keyButton(OnScreenKeyboard::kBackspaceKey)->click();
    keyboard->keyButton(36)->click(); // a

    QCOMPARE(f.context.page.current, (CurrentObject{expectedKind, expectedIndex}));
    QTextEdit *target = boxOfKind(f, expectedKind, expectedIndex);
    // The placeholder went when the keyboard entered the box.
    QCOMPARE(target->toPlainText(), QStringLiteral("qa"));
    for (int i = 0; i < texts; ++i)
        if (!(expectedKind == u"t" && i == expectedIndex))
            QCOMPARE(f.textBox(i)->toPlainText(), kPlaceholderText);
}

void TestTextController::keyboardAndMiniKeyFollowSetting()
{
    TextFixture f(1, 0);
    f.show();
    QVERIFY(!f.text->keyboard()->isVisibleTo(f.window.get()));
    QVERIFY(!f.text->miniKey()->isVisibleTo(f.window.get()));

    f.context.settings.useIWBkeyBd = true;
    f.text->applySettings();
    QVERIFY(f.text->keyboard()->isVisibleTo(f.window.get()));
    QVERIFY(f.window->rect().contains(f.text->keyboard()->geometry()));
    emit f.text->keyboard()->closeRequested();
    QVERIFY(!f.text->keyboard()->isVisibleTo(f.window.get()));
    QVERIFY(f.text->miniKey()->isVisibleTo(f.window.get()));
    emit f.text->miniKey()->tapped();
    QVERIFY(f.text->keyboard()->isVisibleTo(f.window.get()));
    QVERIFY(!f.text->miniKey()->isVisibleTo(f.window.get()));
}

void TestTextController::pageWithoutTextsTakesNoTyping()
{
    TextFixture f(0, 0);
    f.context.settings.useIWBkeyBd = true;
    f.show();
    f.text->keyboard()->keyButton(11)->click();
    QCOMPARE(f.context.page.current, CurrentObject{});
    QCOMPARE(f.window->focusWidget(), f.window.get());
    QCOMPARE(f.context.page.changeCount, 0);
}

// The pull rule itself is the keyboard's; here, that the window follows the string and the
// rule gets the screen's height.
void TestTextController::stringPullsTheWindow()
{
    TextFixture f(1, 0);
    f.context.settings.useIWBstring = true;
    f.window->move(0, 0);
    f.show();
    PullString *string = f.text->pullString();
    QVERIFY(string->handle()->isVisibleTo(f.window.get()));

    const QPoint grab(1200, 500);
    sendMouse(string->handle(), QEvent::MouseButtonPress, grab);
    sendMouse(string->handle(), QEvent::MouseMove, grab + QPoint(0, 700));
    sendMouse(string->handle(), QEvent::MouseButtonRelease, grab + QPoint(0, 700));
    QCOMPARE(f.window->y(), 600); // held at three quarters of the 800-pixel screen
}

QTEST_MAIN(TestTextController)
#include "tst_textcontroller.moc"
