// The postcard window: one side showing at a time, a flip that cannot be started twice and
// ends on the other side, and a card that cannot be built showing nothing.

#include "core/app/appcontext.h"
#include "support/testfiles.h"
#include "ui/doctypes/pageview.h"
#include "ui/doctypes/postcardwindow.h"
#include "ui/kit/picturebutton.h"
#include "ui/pictures/pictureboxwidget.h"
#include "ui/text/textboxwidget.h"

#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>

using namespace quillora;

namespace {

const QString kTemplate = QStringLiteral(QUILLORA_SOURCE_DIR "/data/layouts/postcard/page0.xml");

struct Card {
    Card() : context(Environment{})
    {
        context.env.screen = {1024, 768};
        context.folders.data = QStringLiteral(QUILLORA_SOURCE_DIR "/data");
        context.page.documentType = DocumentKind::Postcard;
    }
    bool sideShown(PostcardSide side) const
    {
        const bool writing = side == PostcardSide::Writing;
        return window.side() == side && window.pageView()->pictureBox(0)->isVisible() != writing &&
               window.pageView()->textBox(0)->isVisible() == writing &&
               window.findChild<QLabel *>("StampBG")->isVisible() == writing;
    }
    AppContext context;
    PostcardWindow window{context};
};

} // namespace

class TestPostcardWindow : public QObject {
    Q_OBJECT

private slots:
    void flipTurnsACardOverOnceAtATime()
    {
        Card card;
        QVERIFY(card.window.startDocument(kTemplate));
        card.window.show();
        QVERIFY(card.sideShown(PostcardSide::Picture));
        for (const PostcardSide resting : {PostcardSide::Writing, PostcardSide::Picture}) {
            card.window.flipButton()->click();
            QVERIFY(card.window.flipping());
            QVERIFY(!card.window.pageView()->isVisible());
            card.window.flip(); // a second press while turning changes nothing
            QTRY_VERIFY(!card.window.flipping());
            QVERIFY(card.sideShown(resting));
        }
        // A card without its stamp picture shows nothing and cannot turn.
        QTemporaryDir installation;
        test::writeFile(installation.filePath("page0.xml"), test::readFile(kTemplate));
        QVERIFY(!card.window.startDocument(installation.filePath("page0.xml")));
        QVERIFY(!card.window.pageView()->isVisible());
        card.window.flip();
        QVERIFY(!card.window.flipping());
    }
};

QTEST_MAIN(TestPostcardWindow)
#include "tst_postcardwindow.moc"
