// The picture menu and picture import in the single-page window: Copy, Cut and Paste through a
// clipboard, Ctrl+C / Ctrl+V, importing with the fit dialog's choice, refused files, pictures
// added to "My layout" pages, and the busy mark that keeps a pending release from painting; and
// the fit dialog itself: every control of a choice choosing it, the close button and Escape
// cancelling.

#include "core/app/appcontext.h"
#include "platform/clipboard.h"
#include "support/pixelcheck.h"
#include "support/windowfixture.h"
#include "ui/kit/picturebutton.h"
#include "ui/pictures/importchoicedialog.h"
#include "ui/pictures/importquestions.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>
#include <deque>
#include <map>

using namespace quillora;
using quillora::test::blankPicture;
using quillora::test::boundsOf;
using quillora::test::countPixels;

namespace {

const QRgb kRed = qRgb(255, 0, 0);
const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kGreen = qRgb(0, 255, 0);

class FakeClipboard : public PictureClipboard {
public:
    void putImage(const QImage &image) override { held = image; }
    QImage image() const override { return held; }
    bool hasImage() const override { return !held.isNull(); }
    QImage held;
};

class FakeLoader : public PictureLoader {
public:
    bool load(const QString &path, QSize enough, QImage *out, QString *error) override
    {
        enoughAsked.append(enough);
        const auto found = files.find(path);
        if (found == files.end()) {
            *error = QStringLiteral("this is not a picture Quillora can read");
            return false;
        }
        *out = found->second;
        return true;
    }
    std::map<QString, QImage> files;
    QList<QSize> enoughAsked;
};

// Answers the file dialog and impOpsForm from a script, and keeps what it was asked and told.
class ScriptedQuestions : public ImportQuestions {
public:
    std::optional<QString> askPictureFile(const QString &, const QString &filter, const QString &,
                                          QWidget *) override
    {
        filters.append(filter);
        if (files.empty())
            return std::nullopt;
        const std::optional<QString> answer = files.front();
        files.pop_front();
        return answer;
    }
    ImportChoice askFit(QSize target, const QImage &, bool, QWidget *) override
    {
        fitTargets.append(target);
        return choice;
    }
    void tell(const QString &message, const QString &detail, QWidget *) override
    {
        told.append(message + u'|' + detail);
    }
    std::deque<std::optional<QString>> files;
    ImportChoice choice = ImportChoice::Crop;
    QStringList filters, told;
    QList<QSize> fitTargets;
};

// The window as the program wires it, with one 200 x 200 picture box, a fake clipboard, picture
// files and scripted questions.
struct Fixture : WindowFixture {
    explicit Fixture(DocumentKind documentType = DocumentKind::Simple)
    {
        makePage(0, 0, 1, QSize(200, 200));
        context.page.documentType = documentType;
        pictureMenu = [this] {
            PictureMenuServices services{std::make_unique<FakeClipboard>(),
                                         std::make_unique<FakeLoader>(),
                                         std::make_unique<ScriptedQuestions>()};
            clipboard = static_cast<FakeClipboard *>(services.clipboard.get());
            loader = static_cast<FakeLoader *>(services.loader.get());
            questions = static_cast<ScriptedQuestions *>(services.questions.get());
            return services;
        };
        wire();
        menu = controller<PictureMenuController>();
        show();
        context.page.current = {ObjectKind::Picture, 0};
    }

    QImage &image() { return context.page.pictureBoxes[0].image; }
    void paintRed()
    {
        image().fill(kRed);
        undo()->beginWorkOn({ObjectKind::Picture, 0});
        undo()->record(ObjectKind::Picture, 0);
    }
    void choose(PictureMenuEntry entry)
    {
        QPushButton *button = menu->menu()->entry(entry);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(20, 20));
    }

    PictureMenuController *menu = nullptr;
    FakeClipboard *clipboard = nullptr;
    FakeLoader *loader = nullptr;
    ScriptedQuestions *questions = nullptr;
};

const PictureTarget kBox0{ObjectKind::Picture, 0};

void rightClick(QWidget *widget, QPoint at)
{
    QTest::mousePress(widget, Qt::RightButton, {}, at);
    QTest::mouseRelease(widget, Qt::RightButton, {}, at);
}

QImage photo()
{
    QImage image(400, 100, QImage::Format_RGB32);
    image.fill(Qt::green);
    return image;
}

} // namespace

class TestPictureMenu : public QObject {
    Q_OBJECT

private slots:
    // Copy and paste go through Ctrl+C / Ctrl+V, which reach the same actions as the menu.
    void copyCutPasteRoundTrip()
    {
        Fixture f;
        f.paintRed();
        const QImage painted = f.image().copy();
        QVERIFY(!f.menu->pastePicture(kBox0)); // nothing on the clipboard yet
        QCOMPARE(f.image(), painted);

        QTest::keyClick(f.window.get(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(f.clipboard->held, painted);

        const qint32 stepBeforeCut = f.context.undo.currentStep();
        QVERIFY(f.menu->cutPicture(kBox0));
        QCOMPARE(countPixels(f.image(), kWhite), 200 * 200);
        QCOMPARE(f.pictureBox(0)->image(), f.image());
        QCOMPARE(f.context.undo.currentStep(), stepBeforeCut); // Cut cannot be undone
        QVERIFY(f.context.page.hasUnsavedChanges());

        QTest::keyClick(f.window.get(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(f.image(), painted);
        QCOMPARE(f.pictureBox(0)->image(), f.image());
        QVERIFY(f.context.undo.currentStep() > stepBeforeCut); // Paste can
        f.undo()->undo();
        QCOMPARE(countPixels(f.image(), kWhite), 200 * 200);
        f.undo()->redo();
        QCOMPARE(f.image(), painted);
    }

    void theBorderPictureIsATargetToo()
    {
        Fixture f;
        f.context.page.border.picture = blankPicture(40, 30, kRed);
        f.window->setCurrentObject(ObjectKind::Border, 0);
        QSignalSpy redraw(f.menu, &PictureMenuController::borderPictureChanged);
        f.menu->showMenuForBorder(QPoint(100, 100));
        f.choose(PictureMenuEntry::Cut);
        QCOMPARE(countPixels(f.context.page.border.picture, kWhite), 40 * 30);
        f.menu->showMenuForBorder(QPoint(100, 100));
        f.choose(PictureMenuEntry::Paste);
        QCOMPARE(countPixels(f.context.page.border.picture, kRed), 40 * 30);
        QCOMPARE(redraw.count(), 2);
        const auto &records = f.context.undo.records();
        QVERIFY(std::any_of(records.cbegin(), records.cend(), [&](const UndoRecord &record) {
            return record.step == f.context.undo.currentStep() && record.kind == ObjectKind::Border;
        }));
    }

    void importChoices_data()
    {
        QTest::addColumn<int>("choice");
        QTest::addColumn<QRect>("green");
        QTest::addColumn<int>("outcome");
        // A 400 × 100 photo into the 200 × 200 box.
        QTest::newRow("crop") << int(ImportChoice::Crop) << QRect(0, 0, 200, 200)
                              << int(PictureMenuController::ImportOutcome::Placed);
        QTest::newRow("letterbox") << int(ImportChoice::Letterbox) << QRect(0, 75, 200, 50)
                                   << int(PictureMenuController::ImportOutcome::Placed);
        QTest::newRow("cancel leaves it empty")
            << int(ImportChoice::Cancel) << QRect()
            << int(PictureMenuController::ImportOutcome::Cleared);
    }
    void importChoices()
    {
        QFETCH(int, choice);
        QFETCH(QRect, green);
        QFETCH(int, outcome);
        Fixture f;
        f.paintRed();
        f.loader->files[QStringLiteral("/pics/field.jpg")] = blankPicture(400, 100, kGreen);
        f.questions->files.push_back(QStringLiteral("/pics/field.jpg"));
        f.questions->choice = ImportChoice(choice);

        QCOMPARE(int(f.menu->importInto(kBox0)), outcome);
        QCOMPARE(f.questions->filters,
                 QStringList{QStringLiteral("Pictures (*.bmp *.jpg *.gif *.png *.wmf *.emf)")});
        QCOMPARE(f.questions->fitTargets, QList<QSize>{QSize(200, 200)});
        QCOMPARE(f.loader->enoughAsked, QList<QSize>{QSize(200, 200)});
        QCOMPARE(boundsOf(f.image(), kGreen), green);
        QCOMPARE(countPixels(f.image(), kRed), 0);
        QCOMPARE(f.pictureBox(0)->image(), f.image());
        // The child's painting is one undo away, whatever was chosen.
        QVERIFY(f.window->toolbar()->isButtonShown(ToolbarAction::Undo));
        f.undo()->undo();
        QCOMPARE(countPixels(f.image(), kRed), 200 * 200);
    }

    void refusedFiles_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("messageShown");
        QTest::newRow("dialog cancelled") << QString() << false;
        QTest::newRow("damaged file") << QStringLiteral("/pics/broken.png") << true;
        QTest::newRow("reads as an empty picture") << QStringLiteral("/pics/empty.gif") << true;
    }
    void refusedFiles()
    {
        QFETCH(QString, path);
        QFETCH(bool, messageShown);
        Fixture f;
        f.paintRed();
        f.loader->files[QStringLiteral("/pics/empty.gif")] = QImage();
        if (!path.isEmpty())
            f.questions->files.push_back(path);
        const qint32 step = f.context.undo.currentStep();

        QCOMPARE(f.menu->importInto(kBox0), PictureMenuController::ImportOutcome::Unchanged);
        QCOMPARE(countPixels(f.image(), kRed), 200 * 200);
        QCOMPARE(f.context.undo.currentStep(), step);
        QVERIFY(f.questions->fitTargets.isEmpty());
        QCOMPARE(f.questions->told.size(), messageShown ? 1 : 0);
        if (messageShown)
            QVERIFY(f.questions->told[0].startsWith(kPictureUnreadableMessage + u'|'));
    }

    void aPendingReleaseAfterImportPaintsNothing()
    {
        Fixture f;
        f.image().fill(Qt::white);
        PictureBoxWidget *box = f.pictureBox(0);
        QTest::mousePress(box, Qt::LeftButton, {}, QPoint(20, 20));
        f.loader->files[QStringLiteral("/a.png")] = blankPicture(50, 50, kGreen);
        f.questions->files.push_back(QStringLiteral("/a.png"));
        f.menu->importInto(kBox0);
        QVERIFY(f.painting()->isBusy());
        const QImage imported = f.image().copy();
        QTest::mouseRelease(box, Qt::LeftButton, {}, QPoint(150, 150));
        QCOMPARE(f.image(), imported);
        QTRY_VERIFY(!f.painting()->isBusy());
    }

    void myLayoutPageMenuAddsObjects()
    {
        Fixture f(DocumentKind::MyLayout);
        f.clipboard->held = blankPicture(400, 300, kGreen);
        rightClick(f.view(), QPoint(250, 50));
        PictureMenu *menu = f.menu->menu();
        QVERIFY(menu->isVisible());
        QVERIFY(!menu->entryShown(PictureMenuEntry::Copy));
        QVERIFY(!menu->entryShown(PictureMenuEntry::Cut));
        QVERIFY(menu->entryShown(PictureMenuEntry::Paste));
        QVERIFY(menu->entryShown(PictureMenuEntry::Import));

        f.choose(PictureMenuEntry::Paste);
        QCOMPARE(f.context.page.pictureBoxes.size(), 2);
        const PictureBoxModel &pasted = f.context.page.pictureBoxes[1];
        QCOMPARE(pasted.geometry, QRect(250, 50, 300, 225));
        QVERIFY(pasted.tag.isEmpty());
        QCOMPARE(f.context.page.current, (CurrentObject{ObjectKind::Picture, 1}));
        QVERIFY(f.pictureBox(1) && f.pictureBox(1)->isVisible());
        f.undo()->undo();
        QVERIFY(!f.context.page.pictureBoxes[1].visible);
    }

    // Painting then leaves the object alone: the press rules in the core key on this tag.
    void importedObjectsAreTagged()
    {
        Fixture f(DocumentKind::MyLayout);
        f.loader->files[QStringLiteral("/pics/duck.png")] = blankPicture(100, 200, kGreen);
        f.questions->files.push_back(QStringLiteral("/pics/duck.png"));
        const std::optional<int> index = f.menu->importAsObject(QPoint(30, 40));
        QCOMPARE(index, std::optional<int>(1));
        QCOMPARE(f.questions->filters,
                 QStringList{QStringLiteral("Pictures (*.bmp *.jpg *.gif *.png)")});
        const PictureBoxModel &box = f.context.page.pictureBoxes[1];
        QCOMPARE(box.tag, QStringLiteral("file/pics/duck.png"));
        QCOMPARE(box.geometry.topLeft(), QPoint(30, 40));
    }

    void everyControlChooses_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("choice");
        QTest::newRow("crop button") << "cropBut" << int(ImportChoice::Crop);
        QTest::newRow("crop caption") << "croptext" << int(ImportChoice::Crop);
        QTest::newRow("crop preview") << "prevCrop" << int(ImportChoice::Crop);
        QTest::newRow("letterbox button") << "lettBut" << int(ImportChoice::Letterbox);
        QTest::newRow("letterbox caption") << "lettText" << int(ImportChoice::Letterbox);
        QTest::newRow("letterbox preview") << "prevLett" << int(ImportChoice::Letterbox);
        QTest::newRow("close") << "unloadFormBut" << int(ImportChoice::Cancel);
        QTest::newRow("Escape") << "" << int(ImportChoice::Cancel);
    }
    void everyControlChooses()
    {
        QFETCH(QString, control);
        QFETCH(int, choice);
        AppContext context{Environment{}};
        ImportChoiceDialog form(context, QSize(100, 100), photo(), false);
        form.show();
        if (control.isEmpty()) {
            QTest::keyClick(&form, Qt::Key_Escape);
        } else {
            auto *widget = form.findChild<QWidget *>(control);
            QVERIFY(widget);
            const QPoint rest = widget->pos();
            QTest::mousePress(widget, Qt::LeftButton, {}, QPoint(10, 10));
            QCOMPARE(widget->pos(), rest + QPoint(2, 2)); // pressed look
            QTest::mouseRelease(widget, Qt::LeftButton, {}, QPoint(10, 10));
            QCOMPARE(widget->pos(), rest);
        }
        QCOMPARE(int(form.choice()), choice);
        QVERIFY(!form.isVisible());
    }
};

QTEST_MAIN(TestPictureMenu)
#include "tst_picturemenu.moc"
