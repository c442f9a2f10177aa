// "Read it to me" and the letter voice in the windows, with a voice that only listens: each kind's
// words in the right order, "Stop" while it speaks, the words marked, typing going on meanwhile,
// and a disabled button that says why when there is no voice.

#include "fakevoice.h"
#include "support/windowfixture.h"
#include "ui/doctypes/anywheretexts.h"
#include "ui/doctypes/anywherewindow.h"
#include "ui/doctypes/bannerwindow.h"
#include "ui/doctypes/bubblewidget.h"
#include "ui/doctypes/cartoonwindow.h"
#include "ui/document/documenttoolbar.h"
#include "ui/doctypes/tablewindow.h"
#include "ui/kit/picturebutton.h"

#include <QLineEdit>
#include <QtTest>

using namespace quillora;

namespace {

const QString kLayouts = QStringLiteral(QUILLORA_SOURCE_DIR "/data/layouts/");

template <typename Window> struct Reading : DocumentWindowFixture<Window> {
    explicit Reading(DocumentKind kind, int texts = 0, int richTexts = 0, bool hasVoice = true)
        : fake(hasVoice)
    {
        this->makePage(texts, richTexts);
        this->context.page.documentType = kind;
        this->voice = &fake;
        this->wire();
        this->show();
    }
    PictureButton *button() const
    {
        return this->window->toolbar()->button(ToolbarAction::ReadAloud);
    }
    QString heardAfterPress()
    {
        QTest::mouseClick(button(), Qt::LeftButton);
        return fake.said.value(fake.said.size() - 1);
    }
    QString marked(QTextEdit *box) const
    {
        return box->extraSelections().value(0).cursor.selectedText();
    }

    FakeVoice fake;
};

void typeInto(QWidget *box, const QString &text)
{
    auto *edit = qobject_cast<QAbstractScrollArea *>(box);
    QTest::mouseClick(edit ? edit->viewport() : box, Qt::LeftButton);
    QTest::keyClicks(box, text);
}

} // namespace

class TestReadAloudController : public QObject {
    Q_OBJECT

private slots:
    void withoutAVoiceTheButtonSaysSoAndTypingGoesOn()
    {
        Reading<SimplePageWindow> f(DocumentKind::Simple, 1, 0, false);
        f.context.settings.speakLetters = true;
        QVERIFY(f.button()->isVisible() && !f.button()->isEnabled());
        f.window->toolbar()->retranslate(f.context);
        QCOMPARE(f.button()->caption(), QStringLiteral("No voice is installed"));
        typeInto(f.textBox(0), QStringLiteral("cat."));
        QCOMPARE(f.context.page.textBoxes[0].text, QStringLiteral("cat."));
        QVERIFY(f.heardAfterPress().isEmpty());
        // A teacher who turned the button off sees none.
        f.context.settings.readAloud = false;
        f.window->applySettings();
        QVERIFY(!f.button()->isVisible());
    }

    void readsTheBoxShowingStopWhileTypingGoesOn()
    {
        Reading<SimplePageWindow> f(DocumentKind::Simple, 2, 1);
        typeInto(f.textBox(1), QStringLiteral("the cat sat"));
        QCOMPARE(f.heardAfterPress(), QStringLiteral("the cat sat"));
        f.window->toolbar()->retranslate(f.context); // a language change keeps the state shown
        QCOMPARE(f.button()->caption(), QStringLiteral("Stop"));
        // The word the voice reached is marked; the caret stays where the child types.
        emit f.fake.wordReached(4, 3);
        QCOMPARE(f.marked(f.textBox(1)), QStringLiteral("cat"));
        QTest::keyClicks(f.textBox(1), QStringLiteral(" down"));
        QCOMPARE(f.context.page.textBoxes[1].text, QStringLiteral("the cat sat down"));

        f.heardAfterPress();
        QVERIFY(!f.fake.isSpeaking());
        QCOMPARE(f.button()->caption(), QStringLiteral("Read it to me"));
        QVERIFY(f.textBox(1)->extraSelections().isEmpty());

        // With nothing chosen the page is read in order; a reading that ends frees the button.
        typeInto(f.textBox(0), QStringLiteral("My story"));
        typeInto(f.richBox(0), QStringLiteral("Once upon a time"));
        f.window->setCurrentObject(ObjectKind::Nothing, 0);
        QCOMPARE(f.heardAfterPress(),
                 QStringLiteral("My story.\nOnce upon a time.\nthe cat sat down"));
        emit f.fake.wordReached(10, 4);
        QCOMPARE(f.marked(f.richBox(0)), QStringLiteral("Once"));
        f.fake.stop();
        QCOMPARE(f.button()->caption(), QStringLiteral("Read it to me"));
    }

    void eachKindsWordsAreRead()
    {
        Reading<CartoonWindow> comic(DocumentKind::ComicStrip);
        QVERIFY(comic.window->startDocument(kLayouts + QStringLiteral("cartoon/two frames.xml")));
        const QPoint inFrame =
            comic.context.page.pictureBoxes[1].geometry.topLeft() + QPoint(200, 200);
        QCOMPARE(comic.window->dropIcon(BubbleKind::Speech, inFrame), 0);
        QTest::keyClicks(comic.window->bubble(0)->text(), QStringLiteral("Hello there"));
        QCOMPARE(comic.heardAfterPress(), QStringLiteral("Hello there"));
        emit comic.fake.wordReached(6, 5);
        QCOMPARE(comic.marked(comic.window->bubble(0)->text()), QStringLiteral("there"));

        Reading<TableWindow> table(DocumentKind::Table);
        table.window->startTable(3, 2);
        typeInto(table.textBox(1 + 12 + 2), QStringLiteral("frog"));
        typeInto(table.textBox(1), QStringLiteral("dog"));
        QCOMPARE(table.heardAfterPress(), QStringLiteral("dog"));
        table.heardAfterPress();
        table.window->setCurrentObject(ObjectKind::Picture, 0);
        QCOMPARE(table.heardAfterPress(), QStringLiteral("dog.\nfrog")); // no untouched title

        Reading<BannerWindow> banner(DocumentKind::Display);
        banner.window->startDocument(kLayouts + QStringLiteral("display/with border.xml"));
        typeInto(banner.window->template findChild<QLineEdit *>(QStringLiteral("BannerText")),
                 QStringLiteral("HAPPY DAY"));
        QCOMPARE(banner.heardAfterPress(), QStringLiteral("HAPPY DAY"));

        Reading<AnywhereWindow> anywhere(DocumentKind::Anywhere);
        QVERIFY(anywhere.window->startDocument(QString()));
        anywhere.window->enterWriting();
        QTest::mouseClick(anywhere.pictureBox(0), Qt::LeftButton, {}, QPoint(60, 60));
        const int slot = anywhere.window->editedFloatingText();
        QVERIFY(slot > 0);
        QTest::keyClicks(anywhere.window->texts()->textBox(slot), QStringLiteral("a frog"));
        QCOMPARE(anywhere.heardAfterPress(), QStringLiteral("a frog"));
    }

    void lettersAndSentencesAreSpokenAsTyped()
    {
        Reading<SimplePageWindow> f(DocumentKind::Simple, 1);
        typeInto(f.textBox(0), QStringLiteral("a"));
        QVERIFY(f.fake.said.isEmpty()); // off until a teacher turns it on
        f.context.settings.speakLetters = true;
        QTest::keyClicks(f.textBox(0), QStringLiteral("b ?"));
        // The on-screen keyboard's keys are heard like real ones; a full stop reads the sentence.
        f.keys.send(KeyStroke{KeyAction::Text, QStringLiteral("c")});
        f.keys.send(KeyStroke{KeyAction::Text, QStringLiteral(".")});
        QCOMPARE(f.fake.said, (QStringList{"B", "C", "c"}));
        QTest::keyClicks(f.textBox(0), QStringLiteral(" Big dog"));
        QTest::keyClick(f.textBox(0), Qt::Key_Return);
        QCOMPARE(f.fake.said.constLast(), QStringLiteral("Big dog"));
    }
};

QTEST_MAIN(TestReadAloudController)
#include "tst_readaloudcontroller.moc"
