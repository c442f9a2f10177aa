#include "core/app/appcontext.h"
#include "core/app/paths.h"
#include "core/app/startflow.h"
#include "core/layout/documenttypes.h"
#include "ui/app/choicetile.h"
#include "ui/app/exitform.h"
#include "ui/app/picturebutton.h"
#include "ui/app/splashnew.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace quillora;

namespace {

// With QUILLORA_SNAPSHOT_DIR set, the looks of the start screen are kept as PNG files.
void keepSnapshot(QWidget *widget, const QString &name)
{
    const QString folder = qEnvironmentVariable("QUILLORA_SNAPSHOT_DIR");
    if (!folder.isEmpty())
        widget->grab().save(QDir(folder).filePath(name + QStringLiteral(".png")));
}

void writeFile(const QString &path, const QByteArray &bytes = "<layout/>")
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// A thumbnail as the build writes it: a page with a coloured picture box and text lines.
void writeThumbnail(const QString &path, QColor colour)
{
    QImage image(150, 212, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.fillRect(14, 14, 122, 90, colour);
    painter.setPen(QPen(Qt::black, 6));
    for (int y = 130; y < 200; y += 20)
        painter.drawLine(18, y, 130, y);
    painter.end();
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

// Presses the named button of whichever own window is in front, once it is.
void pressSoon(const QString &windowName, const QString &buttonName)
{
    QTimer::singleShot(0, qApp, [windowName, buttonName] {
        QTRY_VERIFY(QApplication::activeModalWidget() &&
                    QApplication::activeModalWidget()->objectName() == windowName);
        auto *button = QApplication::activeModalWidget()->findChild<PictureButton *>(buttonName);
        QVERIFY(button);
        clickOn(button);
    });
}

} // namespace

class TestSplashNew : public QObject {
    Q_OBJECT
private slots:
    void everyKindHasItsCaptionAndPicture()
    {
        Machine machine;
        SplashNew screen(machine.context);
        screen.show();
        QVERIFY(QTest::qWaitForWindowExposed(&screen));
        for (int code = 0; code < kDocumentTypeCount; ++code) {
            ChoiceTile *tile = screen.entry(code);
            QCOMPARE(tile->objectName(), QStringLiteral("picTypeImg%1").arg(code));
            QCOMPARE(tile->accessibleName(), documentTypeInfo(code)->caption);
            QVERIFY(tile->isVisible());
            QVERIFY2(tile->width() >= 96 && tile->height() >= 96, qPrintable(tile->objectName()));
        }
        // No two kinds share a picture: a child tells them apart without reading.
        QSet<QByteArray> faces;
        for (int code = 0; code < kDocumentTypeCount; ++code) {
            QFile art(QStringLiteral(":/art/kinds/kind%1.svg").arg(code));
            QVERIFY(art.open(QIODevice::ReadOnly));
            faces.insert(art.readAll());
        }
        QCOMPARE(faces.size(), kDocumentTypeCount);
        QVERIFY(screen.entry(0)->isSelected());
        QCOMPARE(screen.findChild<QLabel *>("versionLabFIXLANG")->text(),
                 QStringLiteral("version %1.%2.%3")
                     .arg(QUILLORA_VERSION_MAJOR)
                     .arg(QUILLORA_VERSION_MINOR)
                     .arg(QUILLORA_VERSION_PATCH));
        QCOMPARE(screen.findChild<PictureButton *>("okBut")->accessibleName(),
                 QStringLiteral("OK"));
        keepSnapshot(&screen, QStringLiteral("splashNew"));
    }

    void okAndCancelMoveOnlyWhileShown()
    {
        Machine machine;
        SplashNew screen(machine.context);
        screen.show();
        QTRY_VERIFY_WITH_TIMEOUT(screen.frame() >= 2, 2000);
        auto *ok = screen.findChild<PictureButton *>("okBut");
        auto *cancel = screen.findChild<PictureButton *>("cancelBut");
        const QImage okBefore = ok->grab().toImage(), cancelBefore = cancel->grab().toImage();
        screen.advanceFrame();
        QVERIFY(ok->grab().toImage() != okBefore);
        QVERIFY(cancel->grab().toImage() != cancelBefore);
        screen.hide();
        const int frame = screen.frame();
        QTest::qWait(250);
        QCOMPARE(screen.frame(), frame);
    }

    void videosButtonFollowsThePlayerAndTheLanguage_data()
    {
        QTest::addColumn<bool>("playerPresent");
        QTest::addColumn<bool>("languageFile");
        QTest::addColumn<bool>("wordedShown");
        QTest::addColumn<bool>("wordlessShown");
        QTest::newRow("no player") << false << false << false << false;
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
            writeFile(SplashNew::videoPlayerPath(machine.context.folders.installation), "#!");
        if (languageFile)
            machine.context.translator.loadFromBytes("\"Simple\",\"Einfach\"\n");
        SplashNew screen(machine.context);
        QString started;
        screen.setVideoLauncher([&started](const QString &program) { started = program; });
        screen.show();
        auto *worded = screen.findChild<PictureButton *>("videosBut");
        auto *wordless = screen.findChild<PictureButton *>("videosButNoTxtImg");
        QCOMPARE(worded->isVisible(), wordedShown);
        QCOMPARE(wordless->isVisible(), wordlessShown);
        if (playerPresent) {
            clickOn(worded->isVisible() ? worded : wordless);
            QCOMPARE(started, SplashNew::videoPlayerPath(machine.context.folders.installation));
        }
    }

    void templatesFillTheSubChoices()
    {
        Machine machine;
        writeFile(machine.layouts("posters/Zoo.xml"));
        writeFile(machine.layouts("posters/animals.xml"));
        writeFile(machine.layouts("posters/Band.xml"));
        writeThumbnail(machine.layouts("posters/animals.bmp"), QColor(0x3F, 0xA9, 0xF5));
        writeFile(machine.layouts("posters/Band.bmp"), "not a picture");
        SplashNew screen(machine.context);
        screen.show();
        clickOn(screen.entry(doctype::Posters));
        QVERIFY(screen.subChoicesShown());
        const QStringList expected{"animals", "Band", "Zoo"};
        for (int slot = 0; slot < kSubChoiceSlots; ++slot) {
            QCOMPARE(screen.subImage(slot)->isVisible(), slot < 3);
            QCOMPARE(screen.subCaption(slot)->isVisible(), slot < 3);
            if (slot < 3) {
                QCOMPARE(screen.subCaption(slot)->text(), expected[slot]);
                QCOMPARE(screen.subImage(slot)->accessibleName(), expected[slot]);
            }
        }
        // The real thumbnail shows its blue picture box; the broken one and the missing one
        // show the drawn page instead, alike.
        const auto face = [&screen](int slot) {
            return screen.subImage(slot)->tilePicture().pixmap(QSize(64, 64)).toImage();
        };
        const QImage real = face(0), broken = face(1), missing = face(2);
        QVERIFY(real != broken);
        QCOMPARE(broken, missing);
        QVERIFY(screen.subImage(0)->isSelected());
        keepSnapshot(&screen, QStringLiteral("splashNew-templates"));

        clickOn(screen.subCaption(2));
        QVERIFY(screen.subImage(2)->isSelected() && !screen.subImage(0)->isSelected());
        clickOn(screen.findChild<PictureButton *>("back2MainArrow"));
        QVERIFY(!screen.subChoicesShown());
        QVERIFY(screen.entry(doctype::Posters)->isSelected());
    }

    void missingFolderTellsTheChild()
    {
        Machine machine;
        SplashNew screen(machine.context);
        QStringList told;
        screen.setMessageHandler([&told](const QString &message) { told.append(message); });
        screen.show();
        clickOn(screen.entry(doctype::ComicStrip));
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
        writeFile(machine.layouts("news/b.xml"));
        writeFile(machine.layouts("news/a.xml"));
        {
            SplashNew screen(machine.context);
            screen.show();
            clickOn(screen.entry(doctype::News));
            clickOn(screen.findChild<PictureButton *>("okBut"));
            QVERIFY(!screen.isVisible());
            QCOMPARE(screen.outcome()->code, doctype::News);
            QCOMPARE(screen.outcome()->templatePath, machine.layouts("news/a.xml"));
        }
        {
            SplashNew screen(machine.context);
            screen.show();
            clickOn(screen.entry(doctype::News));
            doubleClickOn(screen.subImage(1));
            QVERIFY(!screen.isVisible());
            QCOMPARE(screen.outcome()->templatePath, machine.layouts("news/b.xml"));
        }
        {
            SplashNew screen(machine.context);
            screen.show();
            doubleClickOn(screen.entry(doctype::Circle));
            QVERIFY(!screen.isVisible());
            QCOMPARE(screen.outcome()->code, doctype::Circle);
            QVERIFY(screen.outcome()->templatePath.isEmpty());
        }
        {
            SplashNew screen(machine.context);
            screen.show();
            for (int step = 0; step < 4; ++step)
                QTest::keyClick(&screen, Qt::Key_Right);
            QTest::keyClick(&screen, Qt::Key_Down);
            QTest::keyClick(&screen, Qt::Key_Return);
            QCOMPARE(screen.outcome()->code, doctype::Anywhere);
        }
        {
            SplashNew screen(machine.context);
            screen.show();
            QTest::keyClick(&screen, Qt::Key_Escape);
            QVERIFY(!screen.isVisible());
            QVERIFY(!screen.outcome());
        }
    }

    void draggedByItsTopPictureAndCaption_data()
    {
        QTest::addColumn<QString>("handle");
        QTest::newRow("picture") << "topImg";
        QTest::newRow("caption") << "captionLabFIXLANG";
    }
    void draggedByItsTopPictureAndCaption()
    {
        QFETCH(QString, handle);
        Machine machine;
        SplashNew screen(machine.context);
        screen.show();
        auto *grip = screen.findChild<QWidget *>(handle);
        const QPoint before = screen.pos();
        const QPoint start = grip->rect().center();
        QTest::mousePress(grip, Qt::LeftButton, {}, start);
        QTest::mouseMove(grip, start + QPoint(30, 20));
        QTest::mouseRelease(grip, Qt::LeftButton, {}, start + QPoint(30, 20));
        QCOMPARE(screen.pos(), before + QPoint(30, 20));
    }

    void cancelAtStartUpAnsweredNoShowsTheScreenAgain()
    {
        Machine machine;
        int screensShown = 0;
        StartFlowHooks hooks;
        hooks.showStartScreen = [&] {
            ++screensShown;
            // The first time the child presses Cancel and stays; the second time OK.
            pressSoon(QStringLiteral("splashNew"),
                      screensShown == 1 ? QStringLiteral("cancelBut") : QStringLiteral("okBut"));
            return SplashNew::ask(machine.context);
        };
        hooks.documentWindowVisible = [] { return false; };
        hooks.runExitSequence = [&] {
            pressSoon(QStringLiteral("exitForm"), QStringLiteral("cancelBut"));
            return ExitForm::ask(machine.context) == QLatin1String("Yes");
        };
        hooks.offerToSave = [] { return SaveOfferResult::Proceed; };
        std::optional<StartChoice> opened;
        hooks.openDocument = [&](const StartChoice &choice) {
            opened = choice;
            return true;
        };
        hooks.showMessage = [](const QString &) {};
        QCOMPARE(runStartFlow(hooks), StartFlowResult::DocumentStarted);
        QCOMPARE(screensShown, 2);
        QCOMPARE(opened->code, doctype::Simple);
    }
};

QTEST_MAIN(TestSplashNew)
#include "tst_splashnew.moc"
