#include "core/app/appcontext.h"
#include "ui/app/filestoreform.h"

#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

using namespace quillora;

namespace {

void click(QWidget &form, const QString &name)
{
    auto *button = form.findChild<QAbstractButton *>(name);
    QVERIFY2(button, qPrintable(name));
    QTest::mouseClick(button, Qt::LeftButton, {},
                      QPoint(std::min(12, button->width() / 2), button->height() / 2));
}

} // namespace

class TestFileStoreForm : public QObject {
    Q_OBJECT
    QTemporaryDir m_documents;
    QTemporaryDir m_elsewhere;

    AppContext makeContext(const QString &workingDir)
    {
        Environment environment;
        environment.folders.documents = m_documents.path();
        AppContext context{environment};
        context.settings.workingDir = workingDir;
        context.folders.working = QStringLiteral("/old/working");
        context.fileDialogFolder = QStringLiteral("/old/files");
        context.importDialogFolder = QStringLiteral("/old/pictures");
        return context;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(QDir(m_elsewhere.path()).mkpath(QStringLiteral("class 3/stories")));
    }

    void opensOnTheStoredChoice_data()
    {
        QTest::addColumn<bool>("myDocuments");
        QTest::newRow("MYDOCS: lists off") << true;
        QTest::newRow("a folder: lists on and pointing at it") << false;
    }
    void opensOnTheStoredChoice()
    {
        QFETCH(bool, myDocuments);
        const QString folder = QDir::cleanPath(m_elsewhere.filePath(QStringLiteral("class 3")));
        AppContext context = makeContext(myDocuments ? QStringLiteral("MYDOCS") : folder);
        FileStoreForm form(context);
        auto *tree = form.findChild<QTreeView *>("Dir1");
        QCOMPARE(form.findChild<QRadioButton *>("UseOtherFolder")->isChecked(), !myDocuments);
        QCOMPARE(form.findChild<QComboBox *>("Drive1")->isEnabled(), !myDocuments);
        QCOMPARE(tree->isEnabled(), !myDocuments);
        if (!myDocuments)
            QCOMPARE(form.chosenFolder(), folder);

        // The chosen folder stays in sight while the folders around it load and sort.
        form.show();
        QTRY_VERIFY(tree->viewport()->rect().contains(tree->visualRect(tree->currentIndex())));
        // Rows still arriving on a busy machine may move it for a moment; it comes back.
        QTest::qWait(100);
        QTRY_VERIFY(tree->viewport()->rect().contains(tree->visualRect(tree->currentIndex())));

        // The option buttons switch the lists either way.
        click(form, myDocuments ? "UseOtherFolder" : "UseMyDocs");
        QCOMPARE(tree->isEnabled(), myDocuments);
    }

    void okStoresTheChoice_data()
    {
        QTest::addColumn<bool>("myDocuments");
        QTest::addColumn<QString>("subFolder");
        QTest::newRow("documents folder") << true << "";
        QTest::newRow("a folder with spaces") << false << "class 3/stories";
    }
    void okStoresTheChoice()
    {
        QFETCH(bool, myDocuments);
        QFETCH(QString, subFolder);
        const QString folder = QDir::cleanPath(m_elsewhere.filePath(subFolder));
        AppContext context = makeContext(myDocuments ? QDir::tempPath() : QStringLiteral("MYDOCS"));
        FileStoreForm form(context);
        form.show();
        click(form, myDocuments ? "UseMyDocs" : "UseOtherFolder");
        if (!myDocuments) {
            // Pick it in the folder list as the teacher would.
            auto *tree = form.findChild<QTreeView *>("Dir1");
            auto *model = qobject_cast<QFileSystemModel *>(tree->model());
            QVERIFY(model);
            tree->setCurrentIndex(model->index(folder));
        }
        click(form, "okBut");

        const QString working = myDocuments ? m_documents.path() : folder;
        QCOMPARE(context.dialogAnswer, QStringLiteral("OK"));
        QCOMPARE(context.settings.workingDir, myDocuments ? QStringLiteral("MYDOCS") : folder);
        QCOMPARE(context.folders.working, working);
        QCOMPARE(context.fileDialogFolder, working);
        QCOMPARE(context.importDialogFolder, working);
        QVERIFY(!form.isVisible());
    }

    void cancelChangesNothing_data()
    {
        QTest::addColumn<QString>("way");
        QTest::newRow("Cancel") << "cancelBut";
        QTest::newRow("Escape") << "";
    }
    void cancelChangesNothing()
    {
        QFETCH(QString, way);
        AppContext context = makeContext(QStringLiteral("MYDOCS"));
        FileStoreForm form(context);
        form.show();
        click(form, "UseOtherFolder");
        form.showFolder(m_elsewhere.path());
        if (way.isEmpty())
            QTest::keyClick(&form, Qt::Key_Escape);
        else
            click(form, way);
        QCOMPARE(context.dialogAnswer, QStringLiteral("Cancel"));
        QCOMPARE(context.settings.workingDir, QStringLiteral("MYDOCS"));
        QCOMPARE(context.folders.working, QStringLiteral("/old/working"));
        QCOMPARE(context.fileDialogFolder, QStringLiteral("/old/files"));
        QCOMPARE(context.importDialogFolder, QStringLiteral("/old/pictures"));
    }

    void unknownDocumentsFolderGivesAnEmptyWorkingFolder()
    {
        AppContext context = makeContext(QDir::tempPath());
        context.env.folders.documents.clear();
        FileStoreForm form(context);
        form.show();
        click(form, "UseMyDocs");
        click(form, "okBut");
        QCOMPARE(context.settings.workingDir, QStringLiteral("MYDOCS"));
        QCOMPARE(context.folders.working, QString());
    }
};

QTEST_MAIN(TestFileStoreForm)
#include "tst_filestoreform.moc"
