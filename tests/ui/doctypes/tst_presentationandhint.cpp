// Presentation typing and the hint box: the logo starts and stops the typing only in
// presentation mode, each tick types the next character of the demonstration text into the
// current text box, and the hint stays away once the child has chosen a colour.

#include "core/app/demotexts.h"
#include "support/windowfixture.h"
#include "ui/kit/picturebutton.h"
#include "ui/doctypes/hintbox.h"
#include "ui/doctypes/presentationcontroller.h"
#include "ui/doctypes/presentationlogo.h"

#include <QTimer>

using namespace quillora;

class TestPresentationAndHint : public QObject {
    Q_OBJECT

private slots:
    void logoStartsTypingOnlyInPresentationMode()
    {
        for (const bool presMode : {false, true}) {
            WindowFixture f(DocumentKind::Simple, 1, 0);
            f.context.settings.presMode = presMode;
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
        f.context.settings.presMode = true;
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
        f.context.settings.presMode = true;
        PresentationController &typing = *f.controller<PresentationController>();
        f.show();
        typing.toggle();
        f.window->setCurrentObject(QStringLiteral("t"), 0);
        for (int i = 0; i < 4; ++i)
            typing.tick();
        f.window->setCurrentObject(QStringLiteral("t"), 1);
        typing.tick();
        QCOMPARE(f.context.page.textBoxes[0].text, QStringLiteral("Once"));
        QCOMPARE(f.context.page.textBoxes[1].text, QStringLiteral("O"));
        // A picture or the page takes no typing; the timer waits.
        f.window->setCurrentObject(QStringLiteral("paper"), 0);
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

QTEST_MAIN(TestPresentationAndHint)
#include "tst_presentationandhint.moc"
