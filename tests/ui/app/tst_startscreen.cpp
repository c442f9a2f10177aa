#include "core/app/appcontext.h"
#include "core/foundation/paths.h"
#include "core/layout/documenttypes.h"
#include "support/testfiles.h"
#include "ui/app/choicetile.h"
#include "ui/app/startscreen.h"
#include "ui/kit/picturebutton.h"

#include <QDir>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

using namespace quillora;
using quillora::test::writeFile;

namespace {

void writeThumbnail(const QString &path, QColor colour)
{
    QImage image(150, 212, QImage::Format_RGB32);
    image.fill(colour);
    QVERIFY(image.save(path, "BMP"));
}

struct Machine {
    QTemporaryDir root;
    AppContext context{Environment{}};

    Machine()
    {
        context.folders.installation = root.filePath(QStringLiteral("app"));
        context.folders.data = root.filePath(QStringLiteral("app/data"));
        QDir().mkpath(context.folders.data + QStringLiteral("/layouts"));
    }
    QString layouts(const QString &relative) const
    {
        return paths::join(context.folders.data + QStringLiteral("/layouts"), relative);
    }
};

void clickOn(QWidget *widget)
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

// As the window system delivers it: a click, then the second press as a double-click and
// its release.
void doubleClickOn(QWidget *widget)
{
    clickOn(widget);
    QTest::mouseDClick(widget, Qt::LeftButton, {}, widget->rect().center());
    QTest::mouseRelease(widget, Qt::LeftButton, {}, widget->rect().center());
}

} // namespace

class TestSplashNew : public QObject {
    Q_OBJECT
private slots:

    void videosButtonFollowsThePlayerAndTheLanguage_data()
    {
        QTest::addColumn<bool>("playerPresent");
        QTest::addColumn<bool>("languageFile");
        QTest::addColumn<bool>("wordedShown");
        QTest::addColumn<bool>("wordlessShown");
        QTest::newRow("no player, language") << false << true << false << false;
        QTest::newRow("player") << true << false << true << false;
        QTest::newRow("player, language") << true << true << false << true;
    }
    void videosButtonFollowsThePlayerAndTheLanguage()
    {
        QFETCH(bool, playerPresent);
        QFETCH(bool, languageFile);
        QFETCH(bool, wordedShown);
        QFETCH(bool, wordlessShown);
        Machine machine;
        if (playerPresent)
            writeFile(StartScreen::videoPlayerPath(machine.context.folders.installation), "#!");
        if (languageFile)
            machine.context.translator.loadFromBytes("\"Simple\",\"Einfach\"\n");
        StartScreen screen(machine.context);
        QString started;
        screen.setVideoLauncher([&started](const QString &program) { started = program; });
        screen.show();
        auto *worded = screen.findChild<PictureButton *>("videosBut");
        auto *wordless = screen.findChild<PictureButton *>("videosButNoTxtImg");
        QCOMPARE(worded->isVisible(), wordedShown);
        QCOMPARE(wordless->isVisible(), wordlessShown);
        if (playerPresent) {
            clickOn(worded->isVisible() ? worded : wordless);
            QCOMPARE(started, StartScreen::videoPlayerPath(machine.context.folders.installation));
        }
    }

    void templatesFillTheSubChoices()
    {
        Machine machine;
        writeFile(machine.layouts("posters/Zoo.xml"), "<layout/>");
        writeFile(machine.layouts("posters/animals.xml"), "<layout/>");
        writeFile(machine.layouts("posters/Band.xml"), "<layout/>");
        writeThumbnail(machine.layouts("posters/animals.bmp"), QColor(0x3F, 0xA9, 0xF5));
        writeFile(machine.layouts("posters/Band.bmp"), "not a picture");
        StartScreen screen(machine.context);
        screen.show();
        clickOn(screen.entry(DocumentKind::Posters));
        QVERIFY(screen.subChoicesShown());
        for (int slot = 0; slot < kSubChoiceSlots; ++slot)
            QCOMPARE(screen.subCaption(slot)->isVisible(), slot < 3);
        QCOMPARE(screen.subCaption(1)->text(), QStringLiteral("Band"));
        // The real thumbnail shows its blue picture box; the broken one and the missing one
        // show the drawn page instead, alike.
        const auto face = [&screen](int slot) {
            return screen.subImage(slot)->tilePicture().pixmap(QSize(64, 64)).toImage();
        };
        const QImage real = face(0), broken = face(1), missing = face(2);
        QVERIFY(real != broken);
        QCOMPARE(broken, missing);
        QVERIFY(screen.subImage(0)->isSelected());

        clickOn(screen.subCaption(2));
        QVERIFY(screen.subImage(2)->isSelected() && !screen.subImage(0)->isSelected());
        clickOn(screen.findChild<PictureButton *>("back2MainArrow"));
        QVERIFY(!screen.subChoicesShown());
        QVERIFY(screen.entry(DocumentKind::Posters)->isSelected());
    }

    void missingFolderTellsTheChild()
    {
        Machine machine;
        StartScreen screen(machine.context);
        QStringList told;
        screen.setMessageHandler([&told](const QString &message) { told.append(message); });
        screen.show();
        clickOn(screen.entry(DocumentKind::ComicStrip));
        QCOMPARE(told, QStringList{kLayoutsMissingMessage});
        QVERIFY(!screen.subChoicesShown());
        // OK cannot start a page that has no template: the message again, and the screen stays.
        clickOn(screen.findChild<PictureButton *>("okBut"));
        QCOMPARE(told.size(), 2);
        QVERIFY(screen.isVisible());
        QVERIFY(!screen.outcome());
    }

    void startsWhatWasChosen()
    {
        Machine machine;
        writeFile(machine.layouts("news/b.xml"), "<layout/>");
        writeFile(machine.layouts("news/a.xml"), "<layout/>");
        {
            StartScreen screen(machine.context);
            screen.show();
            clickOn(screen.entry(DocumentKind::News));
            clickOn(screen.subImage(1));
            clickOn(screen.findChild<PictureButton *>("okBut"));
            QVERIFY(!screen.isVisible());
            QCOMPARE(screen.outcome()->kind, DocumentKind::News);
            QCOMPARE(screen.outcome()->templatePath, machine.layouts("news/b.xml"));
        }
        {
            StartScreen screen(machine.context);
            screen.show();
            doubleClickOn(screen.entry(DocumentKind::Circle));
            QVERIFY(!screen.isVisible());
            QCOMPARE(screen.outcome()->kind, DocumentKind::Circle);
            QVERIFY(screen.outcome()->templatePath.isEmpty());
        }
        {
            // The arrows walk past kinds with templates; Return opens one, then walks its
            // templates, and Return starts the one walked to.
            StartScreen screen(machine.context);
            QStringList told;
            screen.setMessageHandler([&told](const QString &message) { told.append(message); });
            screen.show();
            QTest::keyClick(&screen, Qt::Key_Down);
            for (int step = 0; step < 3; ++step)
                QTest::keyClick(&screen, Qt::Key_Right);
            QVERIFY(!screen.subChoicesShown());
            QVERIFY(told.isEmpty());
            QTest::keyClick(&screen, Qt::Key_Return);
            QVERIFY(screen.subChoicesShown());
            QTest::keyClick(&screen, Qt::Key_Right);
            QTest::keyClick(&screen, Qt::Key_Return);
            QCOMPARE(screen.outcome()->kind, DocumentKind::News);
            QCOMPARE(screen.outcome()->templatePath, machine.layouts("news/b.xml"));
        }
    }
};

QTEST_MAIN(TestSplashNew)
#include "tst_startscreen.moc"
