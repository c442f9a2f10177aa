// `impOpsForm`: the two previews in their places, every control of a choice choosing it, the
// close button and Escape cancelling.

#include "core/app/appcontext.h"
#include "ui/kit/picturebutton.h"
#include "ui/pictures/impopsform.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace quillora;

namespace {

QImage photo()
{
    QImage image(400, 100, QImage::Format_RGB32);
    image.fill(Qt::green);
    return image;
}

} // namespace

class TestImpOpsForm : public QObject {
    Q_OBJECT
private slots:
    void previewsSitOnTheirCentres()
    {
        AppContext context{Environment{}};
        ImpOpsForm form(context, QSize(300, 150), photo(), false);
        form.show();
        const auto *crop = form.findChild<QWidget *>(QStringLiteral("prevCrop"));
        const auto *letterbox = form.findChild<QWidget *>(QStringLiteral("prevLett"));
        QVERIFY(crop && letterbox);
        QCOMPARE(crop->size(), QSize(200, 100));
        QCOMPARE(letterbox->size(), QSize(200, 100));
        QVERIFY(std::abs(crop->geometry().center().x() - ImpOpsForm::kCropPreviewCentre.x()) <= 1);
        QVERIFY(std::abs(crop->geometry().center().y() - ImpOpsForm::kCropPreviewCentre.y()) <= 1);
        QVERIFY(std::abs(letterbox->geometry().center().x()
                         - ImpOpsForm::kLetterboxPreviewCentre.x()) <= 1);
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
    }
    void everyControlChooses()
    {
        QFETCH(QString, control);
        QFETCH(int, choice);
        AppContext context{Environment{}};
        ImpOpsForm form(context, QSize(100, 100), photo(), false);
        form.show();
        auto *widget = form.findChild<QWidget *>(control);
        QVERIFY(widget);
        const QPoint rest = widget->pos();
        QTest::mousePress(widget, Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(widget->pos(), rest + QPoint(2, 2)); // pressed look
        QTest::mouseRelease(widget, Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(widget->pos(), rest);
        QCOMPARE(int(form.choice()), choice);
        QVERIFY(!form.isVisible());
    }

    void escapeCancels()
    {
        AppContext context{Environment{}};
        ImpOpsForm form(context, QSize(100, 100), photo(), false);
        form.show();
        QTest::keyClick(&form, Qt::Key_Escape);
        QCOMPARE(form.choice(), ImportChoice::Cancel);
        QVERIFY(!form.isVisible());
    }

};

QTEST_MAIN(TestImpOpsForm)
#include "tst_impopsform.moc"
