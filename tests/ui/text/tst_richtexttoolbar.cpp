// The rich text toolbar: when it shows, what its controls do to the selection, typed sizes,
// and how it follows the selection.

#include "core/layout/pagefit.h"
#include "core/layout/reach.h"
#include "core/text/richfit.h"
#include "core/text/rtfreader.h"
#include "core/text/selectionlook.h"
#include "support/windowfixture.h"
#include "ui/document/documenttoolbar.h"
#include "ui/kit/picturebutton.h"
#include "ui/text/onscreenkeyboardwidget.h"
#include "ui/text/pullstring.h"
#include "ui/text/richtexttoolbar.h"

#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QTextBlock>
#include <QTextList>
#include <QToolButton>

using namespace quillora;

namespace {

QTextCharFormat formatAt(QTextDocument *document, int position)
{
    QTextCursor cursor(document);
    cursor.setPosition(position + 1);
    return cursor.charFormat();
}

// A news page with one rich text box holding "hello world", the box current.
struct ToolbarFixture : WindowFixture {
    ToolbarFixture() : WindowFixture(DocumentKind::News, 1, 1)
    {
        context.page.richTextBoxes[0].geometry = QRect(20, 20, 560, 300);
        show();
        QTest::mouseClick(richBox(0)->viewport(), Qt::LeftButton);
        QTest::keyClicks(richBox(0), QStringLiteral("hello world"));
        bar = text()->richTextToolbar();
    }
    RichTextToolbar *bar = nullptr;
    template <typename T> T *control(const char *name) const { return bar->findChild<T *>(name); }
};

} // namespace

class TestRichTextToolbar : public QObject {
    Q_OBJECT

private slots:
    void shownForRichTextPages_data()
    {
        QTest::addColumn<int>("documentType");
        QTest::addColumn<int>("richTexts");
        QTest::addColumn<bool>("shown");
        QTest::newRow("news with rich text") << 10 << 1 << true;
        QTest::newRow("news without rich text") << 10 << 0 << false;
        QTest::newRow("borders") << 16 << 0 << true;
        QTest::newRow("simple page with rich text") << 0 << 1 << false;
    }

    void shownForRichTextPages()
    {
        QFETCH(int, documentType);
        QFETCH(int, richTexts);
        QFETCH(bool, shown);
        WindowFixture f(DocumentKind(documentType), 1, richTexts);
        // Where the window fits a page wide enough to come as near the pens as a page goes (on a
        // 1024 by 768 screen a landscape A4 page does).
        f.context.page.pageRect =
            fitPage(documentWindowFit(f.context.env.screen.widthPx, f.context.env.screen.heightPx,
                                      DocumentKind(documentType)),
                    420, 210)
                .pageRect;
        f.context.settings.onScreenKeyboard = true;
        f.context.settings.pullDownString = true;
        f.show();
        RichTextToolbar *bar = f.text()->richTextToolbar();
        QCOMPARE(bar->isVisibleTo(f.window.get()), shown);
        QCOMPARE(f.window->toolbar()->isButtonShown(ToolbarAction::Font), !shown);
        // A hidden toolbar's fonts are not offered on the accessibility bus either.
        QAccessibleInterface *fonts =
            QAccessible::queryAccessibleInterface(bar->findChild<QComboBox *>("fontNameDrop"))
                ->child(0);
        QVERIFY(fonts->childCount() > 0);
        for (int i = 0; i < fonts->childCount(); ++i)
            QCOMPARE(fonts->child(i)->state().invisible, !shown);
        if (!shown)
            return;
        // Beside the keyboard and the string, nothing hangs outside the window, and the toolbar
        // covers neither the main toolbar, the page nor the string.
        for (QWidget *tool :
             {static_cast<QWidget *>(bar), static_cast<QWidget *>(f.text()->keyboard()),
              f.text()->pullString()->handle()})
            QVERIFY(f.window->rect().contains(tool->geometry()));
        QVERIFY(bar->y() >= 64);
        // Every felt pen stays within reach.
        const ScreenMetrics &screen = f.context.env.screen;
        QVERIFY(bar->x() >= paletteColumnWidth(screen.widthPx, screen.heightPx));
        QVERIFY(bar->geometry().bottom() < f.context.page.pageRect.top());
        QVERIFY(bar->geometry().right() < f.text()->pullString()->string()->x());
    }

    void styleChecksChangeOnlyTheSelection_data()
    {
        QTest::addColumn<QString>("check");
        QTest::addColumn<int>("property");
        QTest::newRow("bold") << "boldCheck" << int(QTextFormat::FontWeight);
        QTest::newRow("italic") << "ItalicCheck" << int(QTextFormat::FontItalic);
        QTest::newRow("underline") << "UnderlineCheck" << int(QTextFormat::TextUnderlineStyle);
    }

    void styleChecksChangeOnlyTheSelection()
    {
        QFETCH(QString, check);
        QFETCH(int, property);
        ToolbarFixture f;
        selectRange(f.richBox(0), 0, 5);
        const qint32 step = f.context.undo.currentStep();
        QTest::mouseClick(f.control<QToolButton>(qPrintable(check)), Qt::LeftButton);
        // The selected word and the rest differ in the style, on screen and in the saved RTF.
        QTextDocument reread;
        QVERIFY(readRtf(f.context.page.richTextBoxes[0].rtf.toLatin1(), reread));
        for (QTextDocument *document : {f.richBox(0)->document(), &reread})
            QVERIFY(formatAt(document, 2).property(property) !=
                    formatAt(document, 8).property(property));
        QCOMPARE(f.context.undo.currentStep(), step + 1);
        QCOMPARE(f.window->focusWidget(), f.richBox(0));
    }

    // A listed size and a typed one, limited by the same rule as enteredSizeRule.
    void sizeListAndTypedSizes()
    {
        ToolbarFixture f;
        QComboBox *sizes = f.control<QComboBox>("fontSizeDrop");
        QTextDocument *document = f.richBox(0)->document();
        selectRange(f.richBox(0), 0, 1);
        sizes->activated(sizes->findText(QStringLiteral("24")));
        QCOMPARE(pointSizeOf(formatAt(document, 0), *document), 24.0);
        selectRange(f.richBox(0), 1, 2);
        sizes->lineEdit()->setText(QStringLiteral("150"));
        QTest::keyClick(sizes->lineEdit(), Qt::Key_Return);
        QCOMPARE(sizes->currentText(), QStringLiteral("99"));
        QCOMPARE(pointSizeOf(formatAt(document, 1), *document), 99.0);
        QCOMPARE(pointSizeOf(formatAt(document, 3), *document), 12.0);
    }

    void colourBulletAndAlignment()
    {
        ToolbarFixture f;
        selectRange(f.richBox(0), 0, 5);
        QToolButton *colourBlock = f.control<QToolButton>("curPenColBlock");
        colourBlock->click();
        QVERIFY(f.bar->colourDropDown()->isVisible());
        f.bar->swatch(4)->click();
        QVERIFY(!f.bar->colourDropDown()->isVisible());
        QTextDocument *document = f.richBox(0)->document();
        QCOMPARE(fromQColor(formatAt(document, 1).foreground().color()),
                 RichTextToolbar::swatchColours()[4]);

        f.control<QToolButton>("bulletBut")->click();
        QVERIFY(document->firstBlock().textList() != nullptr);
        f.control<QToolButton>("AllignOp2")->click();
        QVERIFY(document->firstBlock().blockFormat().alignment() & Qt::AlignHCenter);
        f.control<QToolButton>("bulletBut")->click();
        QVERIFY(document->firstBlock().textList() == nullptr);
    }

    void followsTheSelection()
    {
        ToolbarFixture f;
        selectRange(f.richBox(0), 0, 5);
        QTest::mouseClick(f.control<QToolButton>("boldCheck"), Qt::LeftButton);
        f.bar->fontSizeDrop()->activated(f.bar->fontSizeDrop()->findText(QStringLiteral("48")));

        // Caret in the plain word: the release shows its look.
        selectRange(f.richBox(0), 8, 8);
        QTest::mouseRelease(f.richBox(0)->viewport(), Qt::LeftButton);
        QVERIFY(!f.control<QToolButton>("boldCheck")->isChecked());
        QCOMPARE(f.bar->fontSizeDrop()->currentText(), QStringLiteral("12"));

        selectRange(f.richBox(0), 1, 3);
        QTest::keyClick(f.richBox(0), Qt::Key_Shift);
        QVERIFY(f.control<QToolButton>("boldCheck")->isChecked());
        QCOMPARE(f.bar->fontSizeDrop()->currentText(), QStringLiteral("48"));

        // A mixed selection leaves the control as it was.
        selectRange(f.richBox(0), 3, 8);
        QTest::keyClick(f.richBox(0), Qt::Key_Shift);
        QVERIFY(f.control<QToolButton>("boldCheck")->isChecked());
        QVERIFY(f.bar->reactsToUser());
    }

    void emptyBoxTakesBaseFont()
    {
        WindowFixture f(DocumentKind::Borders, 0, 1);
        f.show();
        QTest::mouseClick(f.richBox(0)->viewport(), Qt::LeftButton);
        RichTextToolbar *bar = f.text()->richTextToolbar();
        bar->fontSizeDrop()->activated(bar->fontSizeDrop()->findText(QStringLiteral("28")));
        QTest::mouseClick(bar->findChild<QToolButton *>("ItalicCheck"), Qt::LeftButton);
        QCOMPARE(f.context.page.richTextBoxes[0].style.fontSize, 28.0);
        QVERIFY(f.context.page.richTextBoxes[0].style.italic);
        // A base size at which one line no longer fits the box is refused.
        bar->fontSizeDrop()->lineEdit()->setText(QStringLiteral("99"));
        QTest::keyClick(bar->fontSizeDrop()->lineEdit(), Qt::Key_Return);
        QCOMPARE(f.context.page.richTextBoxes[0].style.fontSize, 28.0);
        QTest::keyClicks(f.richBox(0), QStringLiteral("Hi"));
        QTextDocument *document = f.richBox(0)->document();
        QCOMPARE(pointSizeOf(formatAt(document, 0), *document), 28.0);
        QVERIFY(formatAt(document, 1).font().italic());
    }

    // Only the teacher's fonts are offered, each once; a font from elsewhere shows no name.
    void fontListIsTheTeachersChoice()
    {
        ToolbarFixture f;
        f.context.settings.fontSlots = {QStringLiteral("DejaVu Sans"), QStringLiteral("Andika"),
                                        QStringLiteral("DejaVu Sans"), QString(),
                                        QStringLiteral("DejaVu Serif")};
        f.text()->applySettings();
        QComboBox *fonts = f.bar->fontNameDrop();
        QStringList offered;
        for (int i = 0; i < fonts->count(); ++i)
            offered.append(fonts->itemText(i));
        QCOMPARE(offered, (QStringList{QStringLiteral("DejaVu Sans"), QStringLiteral("Andika"),
                                       QStringLiteral("DejaVu Serif")}));

        SelectionLook look;
        look.fontName = QStringLiteral("Andika");
        f.bar->showLook(look);
        QCOMPARE(fonts->currentText(), QStringLiteral("Andika"));
        look.fontName = QStringLiteral("C059");
        f.bar->showLook(look);
        QCOMPARE(fonts->currentIndex(), -1);
    }
};

QTEST_MAIN(TestRichTextToolbar)
#include "tst_richtexttoolbar.moc"
