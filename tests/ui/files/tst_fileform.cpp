// `fileform`: the rows and the slider, the name box, choosing with the mouse and the keys,
// and the previews loaded one per tick.

#include "ui/app/looks.h"
#include "ui/app/picturebutton.h"
#include "ui/files/fileform.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace quillora;

namespace {

QImage solid(QColor colour)
{
    QImage image(80, 56, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

} // namespace

class TestFileForm : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void rowsAndSlider_data();
    void rowsAndSlider();
    void captions();
    void typedNamesAreCleaned_data();
    void typedNamesAreCleaned();
    void clickingARowChoosesIt();
    void doubleClickAnswersYes();
    void keysMoveThroughTheFiles();
    void keysAnswer_data();
    void keysAnswer();
    void moreButtonAsksForTheStandardDialog();
    void previewsLoadOnePerTick();

private:
    void makeFiles(const QStringList &names);
    std::unique_ptr<FileForm> makeForm(FileDirection direction = FileDirection::Save);

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<AppContext> m_context;
    QStringList m_previewed;
};

void TestFileForm::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_context = std::make_unique<AppContext>(Environment{});
    m_context->folders.working = m_dir->path();
    m_previewed.clear();
}

void TestFileForm::cleanup()
{
    m_context.reset();
    m_dir.reset();
}

void TestFileForm::makeFiles(const QStringList &names)
{
    for (const QString &name : names) {
        QFile file(m_dir->filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
}

std::unique_ptr<FileForm> TestFileForm::makeForm(FileDirection direction)
{
    return std::make_unique<FileForm>(*m_context, direction, [this](const QString &path) {
        m_previewed.append(QFileInfo(path).fileName());
        return path.contains(u"broken") ? QImage() : solid(Qt::darkGreen);
    });
}

void TestFileForm::rowsAndSlider_data()
{
    QTest::addColumn<int>("files");
    QTest::addColumn<bool>("sliderShown");
    QTest::addColumn<int>("sliderMaximum");
    QTest::addColumn<int>("rowsShown");

    QTest::newRow("none") << 0 << false << 0 << 0;
    QTest::newRow("three") << 3 << false << 2 << 3;
    QTest::newRow("four fit without the slider") << 4 << false << 3 << 4;
    QTest::newRow("five need the slider") << 5 << true << 4 << 4;
}

void TestFileForm::rowsAndSlider()
{
    QFETCH(int, files);
    QFETCH(bool, sliderShown);
    QFETCH(int, sliderMaximum);
    QFETCH(int, rowsShown);
    QStringList names;
    for (int i = 0; i < files; ++i)
        names << QStringLiteral("story %1.qlr").arg(i);
    makeFiles(names + QStringList{"notes.txt"});
    auto form = makeForm();
    form->show();
    QCOMPARE(form->slider()->objectName(), QStringLiteral("fslide"));
    QCOMPARE(form->slider()->isVisible(), sliderShown);
    QCOMPARE(form->slider()->maximum(), sliderMaximum);
    int shown = 0;
    for (int row = 0; row < FileRows::kRowCount; ++row) {
        const bool used = row < rowsShown;
        QCOMPARE(form->nameLabel(row)->isVisible(), used);
        QCOMPARE(form->previewLabel(row)->isVisible(), used);
        if (used)
            QCOMPARE(form->nameLabel(row)->text(), QStringLiteral("story %1").arg(row));
        shown += used ? 1 : 0;
    }
    QCOMPARE(shown, rowsShown);
    if (sliderShown) {
        form->slider()->setValue(sliderMaximum);
        QCOMPARE(form->nameLabel(0)->text(), QStringLiteral("story %1").arg(files - 1));
        QVERIFY(!form->nameLabel(1)->isVisible());
        QCOMPARE(form->focusWidget(), form->nameBox());
    }
}

void TestFileForm::captions()
{
    m_context->translator.loadFromBytes("\"Open\",\"Ouvrir\"\n\"Save\",\"Sauver\"\n");
    makeFiles({"Save.qlr"});
    for (FileDirection direction : {FileDirection::Save, FileDirection::Open}) {
        auto form = makeForm(direction);
        form->show();
        QCOMPARE(form->objectName(), QStringLiteral("fileform"));
        QCOMPARE(form->windowTitle(), QStringLiteral("Quillora"));
        QCOMPARE(form->messageLabel()->text(), direction == FileDirection::Save
                                                   ? QStringLiteral("Sauver")
                                                   : QStringLiteral("Ouvrir"));
        QCOMPARE(form->findChild<QLabel *>("SaveIcon")->isVisible(),
                 direction == FileDirection::Save);
        QCOMPARE(form->findChild<QLabel *>("OpenIcon")->isVisible(),
                 direction == FileDirection::Open);
        const QString folder = QStringLiteral("[") + m_dir->path() + QStringLiteral("]");
        auto *caption = form->findChild<QLabel *>("folderCaptionFIXLANG");
        QCOMPARE(caption->text(), folder);
        QCOMPARE(caption->toolTip(), folder);
        // A file's name is never put through the language file.
        QCOMPARE(form->nameLabel(0)->text(), QStringLiteral("Save"));
        QCOMPARE(form->previewTimer().objectName(), QStringLiteral("saveTimer"));
        QVERIFY(form->previewTimer().isActive());
        QVERIFY(form->animationTimer().isActive());
        form->okButton()->click();
        QVERIFY(!form->previewTimer().isActive());
    }
}

void TestFileForm::typedNamesAreCleaned_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<int>("caret");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<int>("keptCaret");

    QTest::newRow("at the end") << "" << 0 << "my-file!.qlr"
                                << "myfileqlr" << 9;
    QTest::newRow("letters in the middle") << "abcd" << 2 << "x?y"
                                           << "abxycd" << 4;
}

void TestFileForm::typedNamesAreCleaned()
{
    QFETCH(QString, start);
    QFETCH(int, caret);
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    QFETCH(int, keptCaret);
    auto form = makeForm();
    form->show();
    QLineEdit *box = form->nameBox();
    QCOMPARE(box->objectName(), QStringLiteral("filename_box"));
    box->setText(start);
    box->setCursorPosition(caret);
    QTest::keyClicks(box, typed);
    QCOMPARE(box->text(), kept);
    QCOMPARE(box->cursorPosition(), keptCaret);
}

void TestFileForm::clickingARowChoosesIt()
{
    makeFiles({"a.qlr", "my-work.qlr", "c.qlr"});
    auto form = makeForm(FileDirection::Open);
    form->show();
    QVERIFY(!form->selectionMark()->isVisible());
    QTest::mouseClick(form->nameLabel(3), Qt::LeftButton); // an empty row: nothing happens
    QCOMPARE(form->selectedFile(), -1);
    QTest::mouseClick(form->previewLabel(2), Qt::LeftButton);
    QCOMPARE(form->selectedFile(), 2);
    // A listed name is used as it is, even with characters a child could not type.
    QCOMPARE(form->nameBox()->text(), QStringLiteral("my-work"));
    QCOMPARE(form->nameBox()->cursorPosition(), 7);
    QCOMPARE(form->focusWidget(), form->nameBox());
    QVERIFY(form->selectionMark()->isVisible());
    const QRect preview = form->previewLabel(2)->geometry();
    QCOMPARE(form->selectionMark()->geometry().top(), preview.top() - 3);
    QVERIFY(form->selectionMark()->geometry().contains(form->nameLabel(2)->geometry().center()));
}

void TestFileForm::doubleClickAnswersYes()
{
    makeFiles({"a.qlr", "b.qlr"});
    auto form = makeForm(FileDirection::Open);
    form->show();
    QTest::mouseDClick(form->nameLabel(1), Qt::LeftButton);
    QCOMPARE(m_context->dialogAnswer, QStringLiteral("Yes"));
    QCOMPARE(form->chosenName(), QStringLiteral("b"));
    QVERIFY(!form->isVisible());
}

void TestFileForm::keysMoveThroughTheFiles()
{
    makeFiles({"f0.qlr", "f1.qlr", "f2.qlr", "f3.qlr", "f4.qlr", "f5.qlr"});
    auto form = makeForm(FileDirection::Open);
    form->show();
    const auto press = [&](Qt::Key key, int times, Qt::KeyboardModifiers held) {
        for (int i = 0; i < times; ++i)
            QTest::keyClick(form->nameBox(), key, held);
    };
    const Qt::KeyboardModifiers both = Qt::ControlModifier | Qt::ShiftModifier;
    press(Qt::Key_D, 5, both);
    QCOMPARE(form->selectedFile(), 4);
    QCOMPARE(form->slider()->value(), 1);
    QCOMPARE(form->nameBox()->text(), QStringLiteral("f4"));
    press(Qt::Key_U, 4, both);
    QCOMPARE(form->selectedFile(), 0);
    QCOMPARE(form->slider()->value(), 0);
    QVERIFY(form->selectionMark()->isVisible());
    // Without both Ctrl and Shift the keys do not move the selection.
    press(Qt::Key_D, 1, Qt::ControlModifier);
    QCOMPARE(form->selectedFile(), 0);
}

void TestFileForm::keysAnswer_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("answer");
    QTest::newRow("Y is OK") << int(Qt::Key_Y) << "Yes";
    QTest::newRow("C is Cancel") << int(Qt::Key_C) << "No";
}

void TestFileForm::keysAnswer()
{
    QFETCH(int, key);
    QFETCH(QString, answer);
    auto form = makeForm();
    form->show();
    QTest::keyClick(form->nameBox(), Qt::Key(key), Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(m_context->dialogAnswer, answer);
    QVERIFY(!form->isVisible());
    // Escape stays where we were, like Cancel.
    auto again = makeForm();
    again->show();
    QTest::keyClick(again.get(), Qt::Key_Escape);
    QCOMPARE(m_context->dialogAnswer, QStringLiteral("No"));
}

void TestFileForm::moreButtonAsksForTheStandardDialog()
{
    auto form = makeForm();
    form->show();
    form->findChild<PictureButton *>("MoreBut")->click();
    QVERIFY(form->moreRequested());
    QVERIFY(!form->isVisible());
    QCOMPARE(m_context->dialogAnswer, QStringLiteral("No"));
}

void TestFileForm::previewsLoadOnePerTick()
{
    makeFiles({"a.qlr", "b broken.qlr", "c.qlr", "d.qlr", "e.qlr"});
    auto form = makeForm(FileDirection::Open);
    QVERIFY(m_previewed.isEmpty());
    QVERIFY(form->loadNextPreview());
    QCOMPARE(m_previewed, QStringList{"a.qlr"});
    QVERIFY(form->previewShown(0));
    QVERIFY(!form->previewShown(1));
    QVERIFY(form->loadNextPreview());
    // A file that cannot be opened shows the broken picture, never an empty box.
    const QImage broken = form->previewLabel(1)->pixmap().toImage();
    QVERIFY(!broken.isNull());
    QCOMPARE(broken, FileForm::brokenPicture());
    int drawn = 0;
    for (int y = 0; y < broken.height(); ++y)
        for (int x = 0; x < broken.width(); ++x)
            drawn += broken.pixelColor(x, y) != looks::kCream ? 1 : 0;
    QVERIFY(drawn > broken.width() * broken.height() / 4);
    QVERIFY(form->loadNextPreview());
    QVERIFY(form->loadNextPreview());
    QVERIFY(!form->loadNextPreview());
    QCOMPARE(m_previewed.size(), 4);
    QCOMPARE(form->previewLabel(0)->pixmap().toImage().pixelColor(5, 5), QColor(Qt::darkGreen));
    QCOMPARE(form->previewLabel(0)->pixmap().toImage().pixelColor(0, 5), looks::kInk);

    // Scrolling brings one new row; pictures already made are not made again.
    form->slider()->setValue(1);
    QVERIFY(form->previewShown(0));
    QVERIFY(!form->previewShown(3));
    QVERIFY(form->loadNextPreview());
    QVERIFY(!form->loadNextPreview());
    QCOMPARE(m_previewed.size(), 5);
    form->slider()->setValue(0);
    QVERIFY(form->previewShown(0));

    // On screen the timer does the loading.
    auto shown = makeForm(FileDirection::Open);
    shown->show();
    QTRY_VERIFY(shown->previewShown(3));
}

QTEST_MAIN(TestFileForm)
#include "tst_fileform.moc"
