// `fileform`: the rows and the slider, the name box, choosing with the mouse and the keys,
// and the previews loaded one per tick.

#include "support/pixelwhere.h"
#include "ui/files/workfiledialog.h"
#include "ui/kit/looks.h"
#include "ui/kit/picturebutton.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
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
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_context = std::make_unique<AppContext>(Environment{});
        m_context->folders.working = m_dir->path();
        m_previewed.clear();
    }

    void cleanup()
    {
        m_context.reset();
        m_dir.reset();
    }

    void rowsAndSlider_data()
    {
        QTest::addColumn<int>("files");
        QTest::addColumn<bool>("sliderShown");
        QTest::addColumn<int>("sliderMaximum");
        QTest::addColumn<int>("rowsShown");

        QTest::newRow("none") << 0 << false << 0 << 0;
        QTest::newRow("four fit without the slider") << 4 << false << 3 << 4;
        QTest::newRow("five need the slider") << 5 << true << 4 << 4;
    }

    void rowsAndSlider()
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
        QCOMPARE(form->slider()->isVisible(), sliderShown);
        QCOMPARE(form->slider()->maximum(), sliderMaximum);
        for (int row = 0; row < FileRows::kRowCount; ++row) {
            QCOMPARE(form->nameLabel(row)->isVisible(), row < rowsShown);
            QCOMPARE(form->previewLabel(row)->isVisible(), row < rowsShown);
        }
        if (sliderShown) {
            form->slider()->setValue(sliderMaximum);
            QCOMPARE(form->nameLabel(0)->text(), QStringLiteral("story %1").arg(files - 1));
            QVERIFY(!form->nameLabel(1)->isVisible());
            QCOMPARE(form->focusWidget(), form->nameBox());
        }
    }

    void captions()
    {
        m_context->translator.loadFromBytes("\"Open\",\"Ouvrir\"\n\"Save\",\"Sauver\"\n");
        makeFiles({"Save.qlr"});
        auto form = makeForm(FileDirection::Open);
        form->show();
        QCOMPARE(form->messageLabel()->text(), QStringLiteral("Ouvrir"));
        // A file's name is never put through the language file.
        QCOMPARE(form->nameLabel(0)->text(), QStringLiteral("Save"));
        QVERIFY(form->previewTimer().isActive());
        // The folder by its friendly name, the whole path in the tool tip.
        auto *folder = form->findChild<QLabel *>(QStringLiteral("folderCaptionFIXLANG"));
        QCOMPARE(folder->text(), u'[' + QDir(m_dir->path()).dirName() + u']');
        QCOMPARE(folder->toolTip(), m_dir->path());
        m_context->env.folders.documents = m_dir->path();
        QCOMPARE(makeForm()->findChild<QLabel *>(QStringLiteral("folderCaptionFIXLANG"))->text(),
                 QStringLiteral("[My Documents]"));
        form->nameBox()->setText(QStringLiteral("Save"));
        form->okButton()->click();
        QVERIFY(!form->previewTimer().isActive());
    }

    void typedNamesAreCleaned()
    {
        // The cleaning rules are checked without a window; here, that typing goes through them.
        auto form = makeForm();
        form->show();
        QLineEdit *box = form->nameBox();
        box->setText(QStringLiteral("abcd"));
        box->setCursorPosition(2);
        QTest::keyClicks(box, QStringLiteral("x?y"));
        QCOMPARE(box->text(), QStringLiteral("abxycd"));
        QCOMPARE(box->cursorPosition(), 4);
    }

    void clickingARowChoosesIt()
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
        QVERIFY(form->selectionMark()->isVisible());
        const QRect preview = form->previewLabel(2)->geometry();
        QCOMPARE(form->selectionMark()->geometry().top(), preview.top() - 3);
        QVERIFY(
            form->selectionMark()->geometry().contains(form->nameLabel(2)->geometry().center()));
    }

    void answers()
    {
        makeFiles({"a.qlr", "b.qlr"});
        auto form = makeForm(FileDirection::Open);
        form->show();
        QTest::mouseDClick(form->nameLabel(1), Qt::LeftButton);
        QCOMPARE(form->answer(), DialogAnswer::Yes);
        QCOMPARE(form->chosenName(), QStringLiteral("b"));
        QVERIFY(!form->isVisible());

        form = makeForm();
        form->show();
        QTest::keyClicks(form->nameBox(), QStringLiteral("c"));
        QTest::keyClick(form->nameBox(), Qt::Key_Y, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(form->answer(), DialogAnswer::Yes);
        // Escape stays where we were, like Cancel.
        form = makeForm();
        form->show();
        QTest::keyClick(form.get(), Qt::Key_Escape);
        QCOMPARE(form->answer(), DialogAnswer::No);

        form = makeForm();
        form->show();
        form->findChild<PictureButton *>("MoreBut")->click();
        QVERIFY(form->moreRequested());
        QVERIFY(!form->isVisible());
    }

    void previewsLoadOnePerTick()
    {
        makeFiles({"a.qlr", "b broken.qlr", "c.qlr", "d.qlr", "e.qlr"});
        auto form = makeForm(FileDirection::Open);
        QVERIFY(m_previewed.isEmpty());
        QVERIFY(form->loadNextPreview());
        QCOMPARE(m_previewed, QStringList{"a.qlr"});
        QVERIFY(form->loadNextPreview());
        // A file that cannot be opened shows the broken picture, never an empty box.
        const QImage broken = form->previewLabel(1)->pixmap().toImage();
        QCOMPARE(broken, WorkFileDialog::brokenPicture());
        QVERIFY(test::countWhere(broken, [](QRgb p) { return QColor(p) != looks::kCream; }) >
                broken.width() * broken.height() / 4);
        QVERIFY(form->loadNextPreview());
        QVERIFY(form->loadNextPreview());
        QVERIFY(!form->loadNextPreview());
        QCOMPARE(m_previewed.size(), 4);
        QCOMPARE(form->previewLabel(0)->pixmap().toImage().pixelColor(5, 5), QColor(Qt::darkGreen));

        // Scrolling brings one new row; pictures already made are not made again.
        form->slider()->setValue(1);
        QVERIFY(form->previewShown(0));
        QVERIFY(!form->previewShown(3));
        QVERIFY(form->loadNextPreview());
        QVERIFY(!form->loadNextPreview());
        QCOMPARE(m_previewed.size(), 5);
    }

    void okNeedsANameAndAsksBeforeReplacing()
    {
        makeFiles({"seaside.qlr"});
        auto form = makeForm();
        QStringList asked;
        QList<bool> answers{false, true};
        form->setReplaceQuestion([&](const QString &name, const QString &path) {
            asked.append(name + u'|' + QFileInfo(path).fileName());
            return answers.takeFirst();
        });
        form->show();
        form->okButton()->click();
        QVERIFY(form->isVisible());
        QVERIFY(form->missingNameLabel()->isVisible());
        QCOMPARE(form->answer(), DialogAnswer::None);

        QTest::keyClicks(form->nameBox(), QStringLiteral("seaside"));
        QVERIFY(!form->missingNameLabel()->isVisible());
        form->okButton()->click();
        QVERIFY(form->isVisible()); // kept the earlier work, back to choosing a name
        QCOMPARE(form->answer(), DialogAnswer::None);
        form->okButton()->click();
        QVERIFY(!form->isVisible());
        QCOMPARE(form->answer(), DialogAnswer::Yes);
        QCOMPARE(asked, QStringList({"seaside|seaside.qlr", "seaside|seaside.qlr"}));

        // A new name asks nothing; an open never asks.
        for (FileDirection direction : {FileDirection::Save, FileDirection::Open}) {
            form = makeForm(direction);
            form->setReplaceQuestion([&](const QString &, const QString &) {
                asked.append(QStringLiteral("asked"));
                return false;
            });
            form->show();
            form->nameBox()->setText(direction == FileDirection::Save ? QStringLiteral("harbour")
                                                                      : QStringLiteral("seaside"));
            form->okButton()->click();
            QVERIFY(!form->isVisible());
        }
        QCOMPARE(asked.size(), 2);
    }

private:
    void makeFiles(const QStringList &names)
    {
        for (const QString &name : names) {
            QFile file(m_dir->filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
    }

    std::unique_ptr<WorkFileDialog> makeForm(FileDirection direction = FileDirection::Save)
    {
        return std::make_unique<WorkFileDialog>(*m_context, direction, [this](const QString &path) {
            m_previewed.append(QFileInfo(path).fileName());
            return path.contains(u"broken") ? QImage() : solid(Qt::darkGreen);
        });
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<AppContext> m_context;
    QStringList m_previewed;
};

QTEST_MAIN(TestFileForm)
#include "tst_workfiledialog.moc"
