// The banner window: its controls, typing into the strip with the text limit, the thickness
// buttons, the border mode with its editor, and undo of what a child changes there.

#include "core/doctypes/bannerdescription.h"
#include "support/windowfixture.h"
#include "ui/doctypes/bannerform.h"
#include "ui/kit/picturebutton.h"
#include "ui/pictures/bordereditor.h"

#include <QComboBox>
#include <QLineEdit>
#include <QScrollBar>
#include <QtTest>

using namespace quillora;

namespace {

const QString kWithBorder =
    QStringLiteral(QUILLORA_SOURCE_DIR "/data/layouts/display/with border.xml");

struct BannerFixture : DocumentWindowFixture<BannerForm> {
    BannerFixture()
    {
        context.page.documentType = DocumentKind::Display;
        wire();
        window->show();
        window->startDocument(kWithBorder);
        QCoreApplication::processEvents(); // the border editor opens once the page is set up
    }
    template <typename T> T *find(const char *name) const
    {
        return window->findChild<T *>(QString::fromLatin1(name));
    }
    QString state() const { return bannerDescription(context.page.banner); }
};

} // namespace

class BannerFormTest : public QObject {
    Q_OBJECT
private slots:
    void everyControlIsThere()
    {
        BannerFixture f;
        for (const char *name : {"BannerText", "FontNameCombo", "thickScroll", "Image1", "Image2",
                                 "PaperHolder", "AbcHolder", "BordPaper", "magBorder"})
            QVERIFY2(f.find<QWidget>(name), name);
        QCOMPARE(f.window->objectName(), QStringLiteral("BannerForm"));
        // A bordered banner opens with its border editor, and the text waits for words.
        QVERIFY(f.controllers.border->isEditing());
        QVERIFY(f.context.page.banner.text.isEmpty());
    }

    void typingLaysTheLettersOutAndTheFieldHoldsNoMore()
    {
        BannerFixture f;
        auto *text = f.find<QLineEdit>("BannerText");
        QTest::mouseClick(text, Qt::LeftButton);
        QTest::keyClicks(text, QStringLiteral("HELLO"));
        QCOMPARE(f.context.page.banner.text, QStringLiteral("HELLO"));
        QCOMPARE(f.window->bannerLayout().sheetCount, 2);
        QVERIFY(!f.controllers.border->isEditing()); // typing began with a press on the field
        QVERIFY(f.context.page.hasUnsavedChanges());

        QTest::keyClicks(text, QString(150, u'W'));
        const QString full = f.context.page.banner.text;
        QVERIFY(full.size() > 5 && full.size() < 100);
        QTest::keyClicks(text, QStringLiteral("W"));
        QCOMPARE(f.context.page.banner.text, full);
        QCOMPARE(text->text(), full);
    }

    void thicknessButtonsGoToTheEnds()
    {
        BannerFixture f;
        QTest::mouseClick(f.find<PictureButton>("Image2"), Qt::LeftButton);
        QCOMPARE(f.find<QScrollBar>("thickScroll")->value(), kMaxBannerThickness);
        QCOMPARE(f.context.page.banner.thickness, kMaxBannerThickness);
        QTest::mouseClick(f.find<PictureButton>("Image1"), Qt::LeftButton);
        QCOMPARE(f.context.page.banner.thickness, kMinBannerThickness);
    }

    void borderModeButtonTakesTheBorderAway()
    {
        BannerFixture f;
        QTest::mouseClick(f.find<PictureButton>("borderModeBut"), Qt::LeftButton);
        QCOMPARE(f.context.page.banner.mode, BannerMode::NoBorder);
        QCOMPARE(f.context.page.border.type, BorderType::None);
        QVERIFY(!f.controllers.border->isEditing());
        QTest::mouseClick(f.find<PictureButton>("borderModeBut"), Qt::LeftButton);
        QVERIFY(f.controllers.border->isEditing());
    }

    void everyChangeIsOneUndoStep()
    {
        BannerFixture f;
        const QString start = f.state();
        QTest::keyClicks(f.find<QLineEdit>("BannerText"), QStringLiteral("AB"));
        const QString typed = f.state();
        auto *fonts = f.find<QComboBox>("FontNameCombo");
        QVERIFY(fonts->count() == 5);
        emit fonts->activated(2);
        f.context.paint.paintColour = 0x0000FF;
        QTest::mouseClick(f.find<PictureButton>("letterColourBut"), Qt::LeftButton);
        QCOMPARE(f.context.page.banner.letterFill, ColourRef(0x0000FF));

        emit f.window->undoRequested();
        QCOMPARE(f.context.page.banner.fontName, fonts->itemText(2));
        emit f.window->undoRequested();
        QCOMPARE(f.state(), typed);
        QCOMPARE(fonts->currentIndex(), 0);
        // Ctrl+Z in the field steps the banner back, not the field's own history.
        QTest::keyClick(f.find<QLineEdit>("BannerText"), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(f.context.page.banner.text, QStringLiteral("A"));
        QCOMPARE(f.find<QLineEdit>("BannerText")->text(), QStringLiteral("A"));
        emit f.window->undoRequested();
        QCOMPARE(f.state(), start);
    }
};

QTEST_MAIN(BannerFormTest)
#include "tst_bannerform.moc"
