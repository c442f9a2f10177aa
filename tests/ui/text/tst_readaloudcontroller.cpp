// "Read it to me" and the letter voice in the windows, with a voice that only listens: the words
// of each kind's text in the right order, "Stop" while it speaks, the words marked, typing going
// on meanwhile, and a disabled button that says why when there is no voice.

#include "fakevoice.h"
#include "support/windowfixture.h"
#include "ui/doctypes/anywheretexts.h"
#include "ui/doctypes/anywherewindow.h"
#include "ui/doctypes/bannerform.h"
#include "ui/doctypes/bubblewidget.h"
#include "ui/doctypes/cartoonwindow.h"
#include "ui/doctypes/documenttoolbar.h"
#include "ui/doctypes/tablewindow.h"
#include "ui/kit/picturebutton.h"

#include <QLineEdit>
#include <QtTest>

using namespace quillora;

namespace {

const QString kLayouts = QStringLiteral(QUILLORA_SOURCE_DIR "/data/layouts/");

template <typename Window> struct Reading : DocumentWindowFixture<Window> {
    explicit Reading(DocumentKind kind)
    {
        this->context.page.documentType = kind;
        this->voice = &fake;
    }
    PictureButton *button() const
    {
        return this->window->toolbar()->button(ToolbarAction::ReadAloud);
    }
    void press() const { QTest::mouseClick(button(), Qt::LeftButton); }
    QString heard() const { return fake.said.value(fake.said.size() - 1); }

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
    void withoutAVoiceTheButtonSaysSoAndTypingGoesOn_data()
    {
        QTest::addColumn<bool>("voiceGiven");
        QTest::newRow("no engine") << false;
        QTest::newRow("no voice for the language") << true;
    }
    void withoutAVoiceTheButtonSaysSoAndTypingGoesOn()
    {
        QFETCH(bool, voiceGiven);
        FakeVoice unavailable(false);
        WindowFixture f;
        f.makePage(1, 0);
        f.voice = voiceGiven ? &unavailable : nullptr;
        f.context.settings.speakLetters = true;
        f.wire();
        f.show();
        PictureButton *button = f.window->toolbar()->button(ToolbarAction::ReadAloud);
        QVERIFY(button->isVisible() && !button->isEnabled());
        QCOMPARE(button->caption(), QStringLiteral("No voice is installed"));
        typeInto(f.textBox(0), QStringLiteral("cat."));
        QCOMPARE(f.context.page.textBoxes[0].text, QStringLiteral("cat."));
        f.window->readAloudRequested();
        QVERIFY(unavailable.said.isEmpty());

        // A teacher who turned the button off sees none.
        f.context.settings.readAloud = false;
        f.window->applySettings();
        QVERIFY(!button->isVisible());
    }

    void readsTheBoxShowingStopWhileTypingGoesOn()
    {
        Reading<SimplePageWindow> f(DocumentKind::Simple);
        f.makePage(2, 0);
        f.wire();
        f.show();
        typeInto(f.textBox(1), QStringLiteral("the cat sat"));
        f.press();
        QCOMPARE(f.fake.said, QStringList{QStringLiteral("the cat sat")});
        QCOMPARE(f.button()->caption(), QStringLiteral("Stop"));

        // The word the voice reached is marked without moving the caret.
        f.fake.reach(4, 3);
        const auto marks = f.textBox(1)->extraSelections();
        QCOMPARE(marks.size(), 1);
        QCOMPARE(marks[0].cursor.selectedText(), QStringLiteral("cat"));
        QTest::keyClicks(f.textBox(1), QStringLiteral(" down"));
        QCOMPARE(f.context.page.textBoxes[1].text, QStringLiteral("the cat sat down"));
        QCOMPARE(f.button()->caption(), QStringLiteral("Stop"));

        f.press();
        QCOMPARE(f.fake.stops, 1);
        QCOMPARE(f.button()->caption(), QStringLiteral("Read it to me"));
        QVERIFY(f.textBox(1)->extraSelections().isEmpty());

        // Read again to the end: the button comes back by itself.
        f.press();
        QCOMPARE(f.heard(), QStringLiteral("the cat sat down"));
        f.fake.finish();
        QCOMPARE(f.button()->caption(), QStringLiteral("Read it to me"));
        QCOMPARE(f.fake.stops, 1);
    }

    void withNothingChosenThePageIsReadInOrder()
    {
        Reading<SimplePageWindow> f(DocumentKind::Simple);
        f.makePage(2, 1);
        f.context.page.textBoxes[0].text = QStringLiteral("My story");
        f.context.page.textBoxes[1].text = QStringLiteral("The end");
        f.context.page.richTextBoxes[0].plainText = QStringLiteral("Once upon a time");
        f.wire();
        f.show();
        f.press();
        QCOMPARE(f.heard(), QStringLiteral("My story.\nOnce upon a time.\nThe end"));
        f.fake.reach(10, 4); // "Once", in the rich text box beside the first line
        QCOMPARE(f.richBox(0)->extraSelections().value(0).cursor.selectedText(),
                 QStringLiteral("Once"));
    }

    void aBubbleIsRead()
    {
        Reading<CartoonWindow> f(DocumentKind::ComicStrip);
        f.wire();
        QVERIFY(f.window->startDocument(kLayouts + QStringLiteral("cartoon/two frames.xml")));
        f.window->show();
        const QPoint inFrame = f.context.page.pictureBoxes[1].geometry.topLeft() + QPoint(200, 200);
        QCOMPARE(f.window->dropIcon(BubbleKind::Speech, inFrame), 0);
        QTest::keyClicks(f.window->bubble(0)->text(), QStringLiteral("Hello there"));
        f.press();
        QCOMPARE(f.heard(), QStringLiteral("Hello there"));
        f.fake.reach(6, 5);
        QCOMPARE(f.window->bubble(0)->text()->extraSelections().value(0).cursor.selectedText(),
                 QStringLiteral("there"));
    }

    void aTableCellIsRead()
    {
        Reading<TableWindow> f(DocumentKind::Table);
        f.wire();
        f.window->show();
        f.window->startTable(3, 2);
        typeInto(f.textBox(1 + 12 + 2), QStringLiteral("frog"));
        typeInto(f.textBox(1), QStringLiteral("dog"));
        f.press();
        QCOMPARE(f.heard(), QStringLiteral("dog"));
        f.press();
        f.window->setCurrentObject(QStringLiteral("p"), 0);
        f.press();
        QCOMPARE(f.heard(), QStringLiteral("dog.\nfrog"));
    }

    void bannerWordsAndAnAnywhereTextAreRead()
    {
        Reading<BannerForm> banner(DocumentKind::Display);
        banner.wire();
        banner.window->show();
        banner.window->startDocument(kLayouts + QStringLiteral("display/with border.xml"));
        typeInto(banner.window->template findChild<QLineEdit *>(QStringLiteral("BannerText")),
                 QStringLiteral("HAPPY DAY"));
        banner.press();
        QCOMPARE(banner.heard(), QStringLiteral("HAPPY DAY"));

        Reading<AnywhereWindow> anywhere(DocumentKind::Anywhere);
        anywhere.wire();
        anywhere.window->show();
        QVERIFY(anywhere.window->startDocument(QString()));
        anywhere.window->enterWriting();
        QTest::mouseClick(anywhere.pictureBox(0), Qt::LeftButton, {}, QPoint(60, 60));
        const int slot = anywhere.window->editedFloatingText();
        QVERIFY(slot > 0);
        QTest::keyClicks(anywhere.window->texts()->textBox(slot), QStringLiteral("a frog"));
        anywhere.press();
        QCOMPARE(anywhere.heard(), QStringLiteral("a frog"));
    }

    void lettersAndSentencesAreSpokenAsTyped()
    {
        Reading<SimplePageWindow> f(DocumentKind::Simple);
        f.makePage(1, 0);
        f.wire();
        f.show();
        typeInto(f.textBox(0), QStringLiteral("a"));
        QVERIFY(f.fake.said.isEmpty()); // off until a teacher turns it on

        f.context.settings.speakLetters = true;
        QTest::keyClicks(f.textBox(0), QStringLiteral("b ?"));
        QCOMPARE(f.fake.said, (QStringList{QStringLiteral("B")}));
        // The on-screen keyboard's keys are heard like real ones.
        f.keys.send(KeyStroke{KeyAction::Text, QStringLiteral("c")});
        f.keys.send(KeyStroke{KeyAction::Text, QStringLiteral(".")});
        QCOMPARE(f.fake.said.mid(1), (QStringList{QStringLiteral("C"), QStringLiteral("c")}));
        QTest::keyClicks(f.textBox(0), QStringLiteral(" Big dog"));
        QTest::keyClick(f.textBox(0), Qt::Key_Return);
        QCOMPARE(f.heard(), QStringLiteral("Big dog"));
        QVERIFY(f.context.page.textBoxes[0].text.startsWith(QStringLiteral("ab ?c. Big dog")));
    }
};

QTEST_MAIN(TestReadAloudController)
#include "tst_readaloudcontroller.moc"
